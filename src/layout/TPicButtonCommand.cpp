#include "layout/TPicButtonCommand.h"

#include "layout/TDesignDocument.h"
#include "window/TPicButton.h"

#include <QCoreApplication>

TPicButtonCommand::TPicButtonCommand(TDesignDocument &document, Kind kind, const QString &text)
    : QUndoCommand(text), m_document(&document), m_kind(kind)
{
}

TPicButtonCommand *TPicButtonCommand::Add(TDesignDocument &document, const QString &caption)
{
    auto *command = new TPicButtonCommand(document, Kind::Add,
                                          QCoreApplication::translate("TPicButtonCommand", "добавление кнопки"));
    command->m_caption = caption;
    return command;
}

TPicButtonCommand *TPicButtonCommand::Delete(TDesignDocument &document, TPicButton *button)
{
    auto *command = new TPicButtonCommand(document, Kind::Delete,
                                          QCoreApplication::translate("TPicButtonCommand", "удаление кнопки"));
    command->m_button = button;
    return command;
}

TPicButtonCommand::~TPicButtonCommand()
{
    if (m_owned && m_button) {
        delete m_button->Image();
        delete m_button.data();
    }
}

void TPicButtonCommand::redo()
{
    if (m_kind == Kind::Delete) {
        takeOut();
        return;
    }
    if (!m_button && m_document && m_index < 0) {
        m_button = m_document->CreateNewButton(m_caption);
        return;
    }
    putBack();
}

void TPicButtonCommand::undo()
{
    if (m_kind == Kind::Delete)
        putBack();
    else
        takeOut();
}

void TPicButtonCommand::takeOut()
{
    if (!m_document || !m_button || m_owned)
        return;
    m_index = m_document->DetachButton(m_button);
    m_owned = m_index >= 0;
}

void TPicButtonCommand::putBack()
{
    if (!m_document || !m_button || !m_owned)
        return;
    m_document->AttachButton(m_button, m_index);
    m_owned = false;
}
