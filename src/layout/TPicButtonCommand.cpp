#include "layout/TPicButtonCommand.h"

#include "layout/TLayoutEditor.h"
#include "window/TPicButton.h"

TPicButtonCommand::TPicButtonCommand(TLayoutEditor &editor, Kind kind, const QString &text)
    : QUndoCommand(text), m_editor(&editor), m_kind(kind)
{
}

TPicButtonCommand *TPicButtonCommand::Add(TLayoutEditor &editor, const QString &caption)
{
    auto *command = new TPicButtonCommand(editor, Kind::Add,
                                          QCoreApplication::translate("TPicButtonCommand", "добавление кнопки"));
    command->m_caption = caption;
    return command;
}

TPicButtonCommand *TPicButtonCommand::Delete(TLayoutEditor &editor, TPicButton *button)
{
    auto *command = new TPicButtonCommand(editor, Kind::Delete,
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
    if (!m_button && m_editor && m_index < 0) {
        m_button = m_editor->CreateNewButton(m_caption);
        m_editor->Document().Announce(m_button, TDesignDocument::TChange::Added);
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
    if (!m_editor || !m_button || m_owned)
        return;
    m_editor->Document().Announce(m_button, TDesignDocument::TChange::Removed);
    m_index = m_editor->DetachPicButton(m_button);
    m_owned = true;
}

void TPicButtonCommand::putBack()
{
    if (!m_editor || !m_button || !m_owned)
        return;
    m_editor->AttachPicButton(m_button, m_index);
    m_owned = false;
    m_editor->Document().Announce(m_button, TDesignDocument::TChange::Added);
}
