#include "window/DrawPicture.h"

#include "base/TPicture.h"

#include "rules/PicturePlacement.h"

#include <QPainter>
#include <algorithm>
#include <vector>

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

namespace {

// The part of image scaled into dest that lies within visible, by the shared
// rule the player draws with: pixels are repeated or skipped, never mixed.
QImage scaledPart(const QImage &image, const QRect &dest, const QRect &visible)
{
    const QImage source = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                                  : image.convertToFormat(QImage::Format_RGB32);
    QImage scaled(visible.size(), source.format());
    const rules::PixelSampler across(source.width(), dest.width());
    const rules::PixelSampler down(source.height(), dest.height());
    std::vector<int> columns(std::size_t(visible.width()));
    for (int x = 0; x < visible.width(); ++x)
        columns[std::size_t(x)] = across.At(qint64(visible.left()) - dest.left() + x);
    int lastRow = -1;
    for (int y = 0; y < visible.height(); ++y) {
        const int row = down.At(qint64(visible.top()) - dest.top() + y);
        auto *out = reinterpret_cast<QRgb *>(scaled.scanLine(y));
        if (row == lastRow) {
            std::copy_n(reinterpret_cast<const QRgb *>(scaled.constScanLine(y - 1)), visible.width(), out);
            continue;
        }
        lastRow = row;
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(row));
        for (int x = 0; x < visible.width(); ++x)
            out[x] = in[columns[std::size_t(x)]];
    }
    return scaled;
}

// The last few scaled parts: a repaint draws the same pictures at the same places.
struct ScaledEntry
{
    qint64 key;
    QRect dest;
    QRect visible;
    QImage scaled;
};
constexpr std::size_t kScaledKept = 8;
std::vector<ScaledEntry> gScaled;

const QImage &cachedScaledPart(const QImage &image, const QRect &dest, const QRect &visible)
{
    for (std::size_t i = 0; i < gScaled.size(); ++i) {
        if (gScaled[i].key == image.cacheKey() && gScaled[i].dest == dest && gScaled[i].visible == visible) {
            std::rotate(gScaled.begin(), gScaled.begin() + qsizetype(i), gScaled.begin() + qsizetype(i) + 1);
            return gScaled.front().scaled;
        }
    }
    if (gScaled.size() == kScaledKept)
        gScaled.pop_back();
    gScaled.insert(gScaled.begin(), ScaledEntry{image.cacheKey(), dest, visible, scaledPart(image, dest, visible)});
    return gScaled.front().scaled;
}

} // namespace

void DrawPictureImage(QPainter &painter, const QImage &image, const QRect &dest)
{
    if (image.isNull() || dest.width() <= 0 || dest.height() <= 0)
        return;
    if (dest.size() == image.size()) {
        painter.drawImage(dest.topLeft(), image);
        return;
    }
    // Only the part that can be seen is scaled.
    QRect visible = dest;
    if (painter.device())
        visible &= painter.transform().inverted().mapRect(QRect(0, 0, painter.device()->width(), painter.device()->height()));
    if (painter.hasClipping())
        visible &= painter.clipBoundingRect().toAlignedRect();
    if (visible.isEmpty())
        return;
    // A picture of a size any window has is scaled whole once and kept while
    // the window moves over it; a larger one only where it is seen.
    constexpr qint64 kWholeUpTo = 4096LL * 4096;
    if (qint64(dest.width()) * dest.height() <= kWholeUpTo) {
        const QRect whole(QPoint(0, 0), dest.size());
        painter.drawImage(visible.topLeft(), cachedScaledPart(image, dest, whole.translated(dest.topLeft())),
                          visible.translated(-dest.topLeft()));
        return;
    }
    painter.drawImage(visible.topLeft(), cachedScaledPart(image, dest, visible));
}

void DrawPicture(QPainter &painter, const TPicture &picture, const QRect &dest)
{
    DrawPictureImage(painter, PictureDrawImage(picture), dest);
}
