#include "base/BmpFile.h"

// The editor's reading of BMP bytes is the one decoder of the rules (the
// player draws from the same), its pixels put into the image formats the
// editor keeps and writes back.

#include "base/BmpFormat.h"
#include "base/BrenwickError.h"
#include "rules/XmlReader.h"

#include <QList>
#include <cstring>
#include <span>

static_assert(kBmpMaxSide == rules::bmp::kMaxSide);

namespace {

[[noreturn]] void invalidBitmap()
{
    throw BrenwickError(QString::fromLatin1(rules::kBmpNotValid));
}

std::span<const std::uint8_t> spanOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), size_t(bytes.size())};
}

// The format the pixels are read into: 1 bit Mono, 4 and 8 bits Indexed8 with
// the stored palette, more bits 32 or (a channel wider than 8 bits) 64.
QImage::Format imageFormat(const rules::BmpDecoder &d)
{
    const int bits = d.header().bitCount;
    if (bits == 1)
        return QImage::Format_Mono;
    if (bits <= 8)
        return QImage::Format_Indexed8;
    if (d.wide())
        return d.alpha() ? QImage::Format_RGBA64 : QImage::Format_RGBX64;
    return d.alpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

QImage newImage(const rules::BmpDecoder &d, QImage::Format format)
{
    if (!d.fitsRead(QImage::toPixelFormat(format).bitsPerPixel()))
        invalidBitmap();
    QImage image(d.width(), d.height(), format);
    if (image.isNull())
        invalidBitmap();
    return image;
}

// 1, 4 and 8 bits: the pixels' indices as stored, the palette extended with
// black to cover every index used.
QImage readPaletted(const rules::BmpDecoder &d, QImage::Format format)
{
    const bool mono = format == QImage::Format_Mono;
    QImage image = newImage(d, format);
    QByteArray indices(d.width(), '\0');
    auto *line = reinterpret_cast<uchar *>(indices.data());
    int highest = 0;
    for (int y = 0; y < d.height(); ++y) {
        uchar *dst = image.scanLine(y);
        d.indexRow(y, mono ? line : dst);
        const uchar *read = mono ? line : dst;
        for (int x = 0; x < d.width(); ++x)
            highest = qMax<int>(highest, read[x]);
        if (!mono)
            continue;
        std::memset(dst, 0, size_t((d.width() + 7) / 8));
        for (int x = 0; x < d.width(); ++x)
            dst[x / 8] |= uchar(line[x] << (7 - x % 8));
    }
    QList<QRgb> palette(d.palette().begin(), d.palette().end());
    const int needed = qMax(highest + 1, mono ? 2 : 1);
    while (palette.size() < needed)
        palette << qRgb(0, 0, 0);
    image.setColorTable(palette);
    return image;
}

QImage readTrueColour(const rules::BmpDecoder &d, QImage::Format format)
{
    QImage image = newImage(d, format);
    const bool wide = image.depth() == 64;
    std::vector<std::uint16_t> channels(wide ? size_t(d.width()) * 4 : 0);
    for (int y = 0; y < d.height(); ++y) {
        if (!wide) {
            d.read32(y, reinterpret_cast<std::uint32_t *>(image.scanLine(y)));
            continue;
        }
        d.read16(y, channels.data());
        auto *dst = reinterpret_cast<QRgba64 *>(image.scanLine(y));
        for (int x = 0; x < d.width(); ++x) {
            const std::uint16_t *c = channels.data() + 4 * x;
            dst[x] = QRgba64::fromRgba64(c[0], c[1], c[2], c[3]);
        }
    }
    return image;
}

TBitmapLayout layoutOf(const rules::BmpHeader &h)
{
    TBitmapLayout layout;
    layout.known = true;
    layout.coreHeader = h.core();
    layout.bitCount = h.bitCount;
    layout.bitFields = h.masked();
    if (layout.bitFields) {
        layout.redMask = h.masks[0];
        layout.greenMask = h.masks[1];
        layout.blueMask = h.masks[2];
    }
    layout.colorsUsed = h.colorsUsed;
    layout.colorsImportant = h.colorsImportant;
    layout.xPelsPerMeter = h.xPels;
    layout.yPelsPerMeter = h.yPels;
    return layout;
}

} // namespace

TBmpImage ReadBmp(const QByteArray &bytes)
{
    try {
        const rules::BmpDecoder d(spanOf(bytes));
        const rules::BmpHeader &h = d.header();
        const QImage::Format format = imageFormat(d);
        TBmpImage result;
        result.image = h.paletted() ? readPaletted(d, format) : readTrueColour(d, format);
        result.layout = layoutOf(h);
        // The resolution travels with the image too, so that a copy that has lost
        // its layout still writes the header it was read with.
        if (h.xPels > 0)
            result.image.setDotsPerMeterX(h.xPels);
        if (h.yPels > 0)
            result.image.setDotsPerMeterY(h.yPels);
        return result;
    } catch (const rules::ReadError &e) {
        throw BrenwickError(QString::fromUtf8(e.what()));
    }
}

bool BmpWithinReadLimits(const QByteArray &bytes)
{
    try {
        const rules::BmpDecoder d(spanOf(bytes));
        return d.fitsRead(QImage::toPixelFormat(imageFormat(d)).bitsPerPixel());
    } catch (const rules::ReadError &) {
        return false;
    }
}
