#include "base/TSetPropertyCommand.h"

TSetPropertyCommand::TSetPropertyCommand(TPropertyLayer &layer, QObject *object, const QString &path,
                                         const QVariant &oldValue, const QVariant &newValue, bool typed,
                                         bool applied, int editing)
    : QUndoCommand(QCoreApplication::translate("TSetPropertyCommand", "изменение «%1»").arg(path)), m_layer(&layer),
      m_object(object), m_path(path), m_old(oldValue), m_new(newValue), m_typed(typed), m_skipRedo(applied),
      m_editing(editing)
{
}

void TSetPropertyCommand::redo()
{
    if (m_skipRedo) {
        m_skipRedo = false;
        return;
    }
    // An object that is gone (its button freed by a reset) takes nothing.
    if (m_layer && m_object)
        m_layer->setValue(m_object, m_path, m_new);
}

void TSetPropertyCommand::undo()
{
    if (m_layer && m_object)
        m_layer->setValue(m_object, m_path, m_old);
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
