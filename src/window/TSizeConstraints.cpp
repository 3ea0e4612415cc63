#include "window/TSizeConstraints.h"

#include "rules/ControlSize.h"

#include <QWidget>
#include <algorithm>

TSizeConstraints::TSizeConstraints(QWidget *widget) : QObject(widget), m_widget(widget) {}

void TSizeConstraints::setMinWidth(int value)
{
    m_minWidth = std::max(0, value);
    apply();
}

void TSizeConstraints::setMinHeight(int value)
{
    m_minHeight = std::max(0, value);
    apply();
}

void TSizeConstraints::setMaxWidth(int value)
{
    m_maxWidth = std::max(0, value);
    apply();
}

void TSizeConstraints::setMaxHeight(int value)
{
    m_maxHeight = std::max(0, value);
    apply();
}

int TSizeConstraints::constrainWidth(int width) const
{
    return rules::Constrain(width, m_minWidth, m_maxWidth);
}

int TSizeConstraints::constrainHeight(int height) const
{
    return rules::Constrain(height, m_minHeight, m_maxHeight);
}

void TSizeConstraints::apply()
{
    if (!m_widget)
        return;
    const int w = constrainWidth(m_widget->width());
    const int h = constrainHeight(m_widget->height());
    if (w != m_widget->width() || h != m_widget->height())
        m_widget->resize(w, h);
}
