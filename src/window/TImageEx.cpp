#include "window/TImageEx.h"

#include "window/DrawPicture.h"

#include "rules/PicturePlacement.h"
#include "window/PixelMath.h"

#include <QPainter>

TImageEx::TImageEx(QWidget *parent) : TSurface(parent), m_picture(new TPicture(this))
{
    m_picture->setOnChange([this](TPicture *) { PictureChanged(); });
    resize(kInitialSize, kInitialSize);
}

void TImageEx::setPicture(TPicture *picture)
{
    if (picture && picture != m_picture)
        m_picture->assign(*picture);
    else if (!picture)
        m_picture->clear();
}

void TImageEx::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    PictureChanged();
}

void TImageEx::setProportional(bool proportional)
{
    if (m_proportional == proportional)
        return;
    m_proportional = proportional;
    PictureChanged();
}

void TImageEx::setCenter(bool center)
{
    if (m_center == center)
        return;
    m_center = center;
    PictureChanged();
}

void TImageEx::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    PictureChanged();
}

void TImageEx::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize)
        setBoundsRect(x(), y(), width(), height());
}

bool TImageEx::CanAutoSize(int &newWidth, int &newHeight) const
{
    const TAlign align = Align();
    if (align == alNone || align == alLeft || align == alRight)
        newWidth = m_picture->width();
    if (align == alNone || align == alTop || align == alBottom)
        newHeight = m_picture->height();
    return true;
}

void TImageEx::adjustBounds(int &width, int &height) const
{
    if (m_autoSize)
        CanAutoSize(width, height);
}

QRect TImageEx::DestRect() const
{
    return toQRect(rules::PictureRect(rules::Size{m_picture->width(), m_picture->height()},
                                      rules::Size{width(), height()},
                                      rules::PictureFit{m_stretch, m_proportional, m_center}));
}

void TImageEx::PictureChanged()
{
    m_drawImageValid = false;
    // Auto-sized, the control is as large as its picture: 0 x 0 once it has none.
    if (m_autoSize)
        setBoundsRect(x(), y(), width(), height());
    if (m_picture->hasGraphic()) {
        // Icons keep their own transparency. Setting it reports a change that
        // comes back here once, finding nothing more to do.
        if (m_picture->kind() != TPicture::gkIcon)
            m_picture->setTransparent(m_transparent);
        // Only a picture that covers every pixel of the control with solid
        // colour lets the window beneath skip its paint.
        m_opaque = !m_picture->isEmpty() && !m_picture->transparent() && !m_picture->image().hasAlphaChannel()
                   && m_stretch && !m_proportional;
    } else {
        m_opaque = false;
    }
    // Palette realisation has nothing to do on true-colour displays.
    setAttribute(Qt::WA_OpaquePaintEvent, m_opaque);
    if (!m_drawing)
        update();
}

void TImageEx::paintContent(QPainter &painter)
{
    const bool wasDrawing = m_drawing;
    m_drawing = true;
    try {
        if (!m_drawImageValid) {
            m_drawImage = PictureDrawImage(*m_picture);
            m_drawImageValid = true;
        }
        DrawPictureImage(painter, m_drawImage, DestRect());
    } catch (...) {
        m_drawing = wasDrawing;
        throw;
    }
    m_drawing = wasDrawing;
    if (m_onAfterPaint)
        m_onAfterPaint(painter);
}
