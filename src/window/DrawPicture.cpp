#include "window/DrawPicture.h"

#include "base/TPicture.h"

#include <QPainter>

namespace {
constexpr QRgb kRgbMask = 0x00FFFFFFu;
}

QImage PictureDrawImage(const TPicture &picture)
{
    if (picture.isEmpty())
        return QImage();
    if (picture.kind() != TPicture::gkBitmap || !picture.transparent())
        return picture.image();
    const QRgb key = picture.bitmapTransparentColor() & kRgbMask;
    QImage image = picture.image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & kRgbMask) == key)
                line[x] = 0;
    }
    return image;
}

void DrawPictureImage(QPainter &painter, const QImage &image, const QRect &dest)
{
    if (image.isNull() || dest.width() <= 0 || dest.height() <= 0)
        return;
    if (dest.size() == image.size()) {
        painter.drawImage(dest.topLeft(), image);
    } else {
        // Scaling repeats or skips pixels, as the player's stretched drawing
        // does: no pixel is mixed from neighbours, so a transparent colour
        // leaves clean holes.
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(dest, image);
        painter.restore();
    }
}

void DrawPicture(QPainter &painter, const TPicture &picture, const QRect &dest)
{
    DrawPictureImage(painter, PictureDrawImage(picture), dest);
}
