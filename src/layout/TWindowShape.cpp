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
