#include "window/TSizeConstraints.h"

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
    if (m_maxWidth > 0 && width > m_maxWidth)
        width = m_maxWidth;
    if (m_minWidth > 0 && width < m_minWidth)
        width = m_minWidth;
    return width;
}

int TSizeConstraints::constrainHeight(int height) const
{
    if (m_maxHeight > 0 && height > m_maxHeight)
        height = m_maxHeight;
    if (m_minHeight > 0 && height < m_minHeight)
        height = m_minHeight;
    return height;
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
