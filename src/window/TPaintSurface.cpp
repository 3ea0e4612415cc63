#include "window/TPaintSurface.h"

TPaintSurface::TPaintSurface(QWidget *parent) : TSurface(parent) {}

void TPaintSurface::paintContent(QPainter &painter)
{
    if (m_onPaint)
        m_onPaint(painter);
}
