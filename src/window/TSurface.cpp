#include "window/TSurface.h"

#include "window/PixelMath.h"

#include <QImage>
#include <QPainter>

TSurface::TSurface(QWidget *parent)
    : QWidget(parent), m_font(new TFont(this)), m_constraints(new TSizeConstraints(this))
{
    TColor::registerMetaType();
    TCursor::registerMetaType();
    // Whatever lies beneath shows through wherever the surface draws nothing.
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    connect(m_font, &TFont::changed, this, [this] { repaint(); });
}

void TSurface::setColor(TColor color)
{
    m_color = color;
    repaint();
}

void TSurface::setCursorId(TCursor cursor)
{
    m_cursor = cursor;
    if (cursor.value() == TCursor::crDefault)
        unsetCursor();
    else
        setCursor(cursor.toQCursor());
}

void TSurface::setHint(const QString &hint)
{
    m_hint = hint;
    updateToolTip();
}

void TSurface::setShowHint(bool show)
{
    m_showHint = show;
    updateToolTip();
}

void TSurface::updateToolTip()
{
    setToolTip(m_showHint ? m_hint : QString());
}

void TSurface::setVisible(bool visible)
{
    m_visible = visible;
    QWidget::setVisible(visible);
}

void TSurface::adjustBounds(int &, int &) const {}

void TSurface::setBoundsRect(int left, int top, int width, int height)
{
    adjustBounds(width, height);
    // A widget is at most QWIDGETSIZE_MAX (2^24 - 1) wide and tall; a place
    // beyond kFarPixel is never seen. Within these every sum of place and size
    // fits an int.
    setGeometry(std::clamp(left, -kFarPixel, kFarPixel), std::clamp(top, -kFarPixel, kFarPixel),
                m_constraints->constrainWidth(width), m_constraints->constrainHeight(height));
}

QImage TSurface::renderImage(const QColor &fill)
{
    QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    QPainter painter(&image);
    painter.setClipRect(0, 0, width(), height());
    paintContent(painter);
    return image;
}

void TSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintContent(painter);
    emit painted();
}
