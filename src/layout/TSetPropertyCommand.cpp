#include "layout/TSetPropertyCommand.h"

#include "layout/TDesignDocument.h"

#include <QCoreApplication>

TSetPropertyCommand::TSetPropertyCommand(TDesignDocument &document, QObject *object, const QString &path,
                                         const QVariant &oldValue, const QVariant &newValue, bool typed, int editing)
    : QUndoCommand(QCoreApplication::translate("TSetPropertyCommand", "изменение «%1»").arg(path)),
      m_document(&document), m_object(object), m_path(path), m_old(oldValue), m_new(newValue), m_typed(typed),
      m_editing(editing)
{
}

void TSetPropertyCommand::redo()
{
    // An object that is gone (its button freed by a reset) takes nothing.
    if (m_document && m_object)
        m_document->Write(m_object, m_path, m_new);
}

void TSetPropertyCommand::undo()
{
    if (m_document && m_object)
        m_document->Write(m_object, m_path, m_old);
}

bool TSetPropertyCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const TSetPropertyCommand *>(other);
    if (!m_typed || !next->m_typed || m_editing == 0 || next->m_editing != m_editing || next->m_object != m_object
        || next->m_path != m_path)
        return false;
    m_new = next->m_new;
    // Typing that came back to where it started leaves no step.
    setObsolete(m_new == m_old);
    return true;
}
