#include "layout/TWindowShape.h"

#include <QBitmap>

TBorderKind borderKind(int borderStyle)
{
    // Every style shows the system menu and the minimise button, never maximise.
    const Qt::WindowFlags titled = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::CustomizeWindowHint;
    switch (borderStyle) {
    case 0:   // bsNone
        return {Qt::Window | Qt::FramelessWindowHint, true};
    case 1:   // bsSingle
        return {Qt::Window | titled | Qt::WindowMinimizeButtonHint, true};
    case 3:   // bsDialog
        return {Qt::Dialog | titled, true};
    case 4:   // bsToolWindow
        return {Qt::Tool | titled, true};
    case 5:   // bsSizeToolWin
        return {Qt::Tool | titled, false};
    case 2:   // bsSizeable
    default:
        return {Qt::Window | titled | Qt::WindowMinimizeButtonHint, false};
    }
}

QRegion solidRegion(const QImage &rendered, QRgb key)
{
    if (rendered.isNull())
        return {};
    const QImage rgb = rendered.convertToFormat(QImage::Format_RGB32);
    // QRegion takes the bitmap's set pixels: those not of the key colour.
    const QImage mask = rgb.createMaskFromColor(qRgb(qRed(key), qGreen(key), qBlue(key)) | 0xFF000000u,
                                                Qt::MaskInColor);
    return QRegion(QBitmap::fromImage(mask));
}

void TIncrementalMask::reset()
{
    m_known = false;
    m_dirty = QRegion();
}

bool TIncrementalMask::markDirty(const QRect &area)
{
    if (m_computing)
        return false;
    m_dirty |= area;
    if (m_pending)
        return false;
    m_pending = true;
    return true;
}

QRegion TIncrementalMask::update(const QRect &window, const SolidIn &solidIn)
{
    m_pending = false;
    const QRect area = m_dirty.boundingRect() & window;
    m_dirty = QRegion();
    m_computing = true;
    if (!m_known || area == window) {
        m_shape = solidIn(window);
        m_known = true;
    } else if (!area.isEmpty()) {
        m_shape = (m_shape - area) | solidIn(area);
    }
    m_computing = false;
    return m_shape;
}
