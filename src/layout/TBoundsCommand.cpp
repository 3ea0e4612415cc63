#include "layout/TBoundsCommand.h"

#include "layout/TPreviewForm.h"

TBoundsCommand::TBoundsCommand(TPreviewForm &form, QWidget *control, const QRect &before, const QRect &after)
    : m_form(form), m_control(control), m_before(before), m_after(after)
{
    const QString caption = form.controlCaption(control);
    const bool resized = before.size() != after.size();
    setText(QCoreApplication::translate("TBoundsCommand", resized ? QT_TRANSLATE_NOOP("TBoundsCommand", "изменение размера «%1»")
                                                              : QT_TRANSLATE_NOOP("TBoundsCommand", "перемещение «%1»"))
                .arg(caption));
}

void TBoundsCommand::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    Apply(m_after);
}

void TBoundsCommand::undo()
{
    Apply(m_before);
}

void TBoundsCommand::Apply(const QRect &bounds)
{
    if (!m_control)
        return;
    m_form.setControlBounds(m_control, bounds);
    m_form.RefreshInspectorValues();
}
