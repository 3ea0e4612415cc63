#include "layout/TBoundsCommand.h"

#include "layout/TDesignDocument.h"

#include <QCoreApplication>
#include <QWidget>

TBoundsCommand::TBoundsCommand(TDesignDocument &document, QWidget *control, const QRect &before, const QRect &after)
    : m_document(&document), m_control(control), m_before(before), m_after(after)
{
    const QString caption = document.NameOf(control);
    const bool resized = before.size() != after.size();
    setText(QCoreApplication::translate("TBoundsCommand", resized ? QT_TRANSLATE_NOOP("TBoundsCommand", "изменение размера «%1»")
                                                              : QT_TRANSLATE_NOOP("TBoundsCommand", "перемещение «%1»"))
                .arg(caption));
}

void TBoundsCommand::redo()
{
    Apply(m_after);
}

void TBoundsCommand::undo()
{
    Apply(m_before);
}

void TBoundsCommand::Apply(const QRect &bounds)
{
    if (m_document && m_control)
        m_document->WriteBounds(m_control, bounds);
}
