#include "window/TImageEx.h"

#include "window/DrawPicture.h"

#include <QPainter>
#include <cmath>

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
    int w = m_picture->width();
    int h = m_picture->height();
    const int cw = width();
    const int ch = height();
    if (m_stretch || (m_proportional && (w > cw || h > ch))) {
        if (m_proportional && w > 0 && h > 0) {
            const double a = double(w) / double(h);
            if (w > h) {
                w = cw;
                h = int(std::trunc(cw / a));
                if (h > ch) {
                    h = ch;
                    w = int(std::trunc(ch * a));
                }
            } else {
                h = ch;
                w = int(std::trunc(ch * a));
                if (w > cw) {
                    w = cw;
                    h = int(std::trunc(cw / a));
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    QRect rect(0, 0, w, h);
    if (m_center)
        rect.translate((cw - w) / 2, (ch - h) / 2);
    return rect;
}

void TImageEx::PictureChanged()
{
    m_drawImageValid = false;
    if (m_autoSize && m_picture->width() > 0 && m_picture->height() > 0)
        setBoundsRect(x(), y(), m_picture->width(), m_picture->height());
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
