#include "base/BmpFile.h"

#include "base/BmpFormat.h"
#include "base/BrenwickError.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

namespace {

using namespace bmp_format;

// Qt's BMP writer copies the rows of 1- and 8-bit images as they lie in memory,
// with the row padding that QImage leaves unset and, for 1 bit, the spare bits
// of a row's last byte. Clears both, so that the same picture always gives the
// same bytes and no stray memory reaches the file.
QImage withClearRowEnds(QImage image)
{
    const int bits = image.depth();
    const qsizetype used = bits == 1 ? (qsizetype(image.width()) + 7) / 8 : image.width();
    const int spareBits = bits == 1 ? (8 - image.width() % 8) % 8 : 0;
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y < image.height(); ++y) {
        uchar *row = image.scanLine(y);
        if (spareBits)
            row[used - 1] &= uchar(0xFF << spareBits);
        std::memset(row + used, 0, size_t(stride - used));
    }
    return image;
}

QImage overWhite(const QImage &image, QImage::Format format)
{
    QImage flat(image.size(), format);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

// The image as Qt's BMP writer should see it: 1-bit and 8-bit images with their
// palettes, everything else as 32-bit RGB (written as 24-bit pixels); pixels
// with transparency are put over white, as the user sees them.
QImage writableBitmap(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_Mono:
        if (image.colorCount() == 2)
            return withClearRowEnds(image);
        break;
    case QImage::Format_MonoLSB:
        if (image.colorCount() == 2)
            return withClearRowEnds(image.convertToFormat(QImage::Format_Mono));
        break;
    case QImage::Format_Indexed8:
        if (image.colorCount() > 0)
            return withClearRowEnds(image);
        break;
    case QImage::Format_RGB32:
        return image;
    default:
        break;
    }
    if (image.hasAlphaChannel())
        return overWhite(image, QImage::Format_RGB32);
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray defaultBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(writableBitmap(image)))
        throw BrenwickError(QStringLiteral("Stream write error"));
    return bytes;
}

// The image's pixels as palette indices fitting the layout's bit count, or a
// null image when they do not fit.
QImage indicesFor(const QImage &image, int bitCount)
{
    const qsizetype limit = qsizetype(1) << bitCount;
    if (bitCount == 1) {
        if ((image.format() != QImage::Format_Mono && image.format() != QImage::Format_MonoLSB)
            || image.colorCount() > limit)
            return QImage();
        return image.convertToFormat(QImage::Format_Mono);
    }
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > limit)
        return QImage();
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x] >= limit)
                return QImage();
    }
    return image;
}

void put32(QByteArray &out, quint32 value)
{
    char le[4];
    qToLittleEndian<quint32>(value, le);
    out.append(le, 4);
}

void put16(QByteArray &out, quint16 value)
{
    char le[2];
    qToLittleEndian<quint16>(value, le);
    out.append(le, 2);
}

QByteArray layoutBytes(const QImage &image, const TBitmapLayout &layout, const QImage &indices)
{
    const int bits = layout.bitCount;
    const bool paletted = !indices.isNull();
    const qint64 width = image.width();
    const qint64 height = image.height();
    const qint64 stride = ((width * bits + 31) / 32) * 4;
    const quint32 headerSize = layout.coreHeader ? kCoreHeaderSize : kInfoHeaderSize;
    const quint32 maskBytes = layout.bitFields ? 3 * kMaskSize : 0;
    const qint64 entrySize = layout.coreHeader ? 3 : 4;
    const qint64 entries = paletted ? indices.colorCount() : 0;
    const qint64 offBits = kFileHeaderSize + headerSize + maskBytes + entries * entrySize;

    QByteArray out;
    out.reserve(qsizetype(offBits + stride * height));
    out.append("BM", 2);
    put32(out, quint32(offBits + stride * height));
    put32(out, 0);
    put32(out, quint32(offBits));
    put32(out, headerSize);
    if (layout.coreHeader) {
        put16(out, quint16(width));
        put16(out, quint16(height));
        put16(out, 1);
        put16(out, quint16(bits));
    } else {
        put32(out, quint32(width));
        put32(out, quint32(height));
        put16(out, 1);
        put16(out, quint16(bits));
        put32(out, layout.bitFields ? kBiBitfields : kBiRgb);
        put32(out, quint32(stride * height));
        put32(out, quint32(layout.xPelsPerMeter));
        put32(out, quint32(layout.yPelsPerMeter));
        // A full palette may be announced as 0, as it was read.
        const bool full = entries == (qint64(1) << bits);
        put32(out, paletted && !(full && layout.colorsUsed == 0) ? quint32(entries) : 0);
        put32(out, paletted ? qMin<quint32>(layout.colorsImportant, quint32(entries)) : 0);
    }
    if (layout.bitFields) {
        put32(out, layout.redMask);
        put32(out, layout.greenMask);
        put32(out, layout.blueMask);
    }
    for (qint64 i = 0; i < entries; ++i) {
        const QRgb c = indices.color(int(i));
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        if (!layout.coreHeader)
            out.append('\0');
    }

    QByteArray row(qsizetype(stride), '\0');
    if (paletted) {
        for (qint64 y = height - 1; y >= 0; --y) {
            row.fill('\0');
            const uchar *src = indices.constScanLine(int(y));
            auto *dst = reinterpret_cast<uchar *>(row.data());
            if (bits == 1) {
                std::memcpy(dst, src, size_t((width + 7) / 8));
                if (const int spare = int((8 - width % 8) % 8))
                    dst[(width + 7) / 8 - 1] &= uchar(0xFF << spare);
            } else if (bits == 4) {
                for (qint64 x = 0; x < width; ++x)
                    dst[x / 2] |= uchar(x % 2 == 0 ? src[x] << 4 : src[x]);
            } else {
                std::memcpy(dst, src, size_t(width));
            }
            out.append(row);
        }
        return out;
    }

    quint32 red = layout.redMask, green = layout.greenMask, blue = layout.blueMask;
    if (!layout.bitFields) {
        red = bits == 16 ? kRed555 : kRed888;
        green = bits == 16 ? kGreen555 : kGreen888;
        blue = bits == 16 ? kBlue555 : kBlue888;
    }
    const Channel r = Channel::of(red), g = Channel::of(green), b = Channel::of(blue);
    const QImage flat = image.hasAlphaChannel() ? overWhite(image, QImage::Format_RGBX64)
                                                : image.convertToFormat(QImage::Format_RGBX64);
    const int bytesPerPixel = bits / 8;
    for (qint64 y = height - 1; y >= 0; --y) {
        row.fill('\0');
        const auto *src = reinterpret_cast<const QRgba64 *>(flat.constScanLine(int(y)));
        auto *dst = reinterpret_cast<uchar *>(row.data());
        for (qint64 x = 0; x < width; ++x, dst += bytesPerPixel) {
            const QRgba64 c = src[x];
            const quint32 pixel = (r.max ? r.packed(c.red(), kMax16) : 0) | (g.max ? g.packed(c.green(), kMax16) : 0)
                                  | (b.max ? b.packed(c.blue(), kMax16) : 0);
            for (int k = 0; k < bytesPerPixel; ++k)
                dst[k] = uchar(pixel >> (8 * k));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray WriteBmp(const QImage &image, const TBitmapLayout &layout)
{
    if (image.isNull())
        return QByteArray();
    if (!layout.known || image.width() > (layout.coreHeader ? 0xFFFF : kMaxSide)
        || image.height() > (layout.coreHeader ? 0xFFFF : kMaxSide))
        return defaultBytes(image);
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8: {
        const QImage indices = indicesFor(image, layout.bitCount);
        if (indices.isNull() || layout.bitFields)
            return defaultBytes(image);
        return layoutBytes(image, layout, indices);
    }
    case 16:
    case 32:
        if (layout.coreHeader)
            return defaultBytes(image);
        return layoutBytes(image, layout, QImage());
    case 24:
        if (layout.bitFields)
            return defaultBytes(image);
        return layoutBytes(image, layout, QImage());
    default:
        return defaultBytes(image);
    }
}

int BmpBitCount(const QImage &image, const TBitmapLayout &layout)
{
    constexpr int kTrueColourBits = 24;
    constexpr int kMaxFourBitColours = 16;   // Qt's writer packs these as 4-bit pixels
    if (image.isNull())
        return 0;
    const bool eightBit = image.format() == QImage::Format_Indexed8;
    const bool oneBit = image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
    const bool indexed = eightBit && image.colorCount() > 0;
    const bool mono = oneBit && image.colorCount() == 2;
    const qint64 side = layout.coreHeader ? 0xFFFF : kMaxSide;
    if (layout.known && image.width() <= side && image.height() <= side) {
        switch (layout.bitCount) {
        case 1:
            if (oneBit && image.colorCount() <= 2 && !layout.bitFields)
                return 1;
            break;
        case 4:
        case 8:
            if (!layout.bitFields && eightBit && image.colorCount() <= (1 << layout.bitCount))
                return layout.bitCount;
            break;
        case 16:
        case 32:
            if (!layout.coreHeader)
                return layout.bitCount;
            break;
        case kTrueColourBits:
            if (!layout.bitFields)
                return kTrueColourBits;
            break;
        default:
            break;
        }
    }
    if (mono)
        return 1;
    if (indexed)
        return image.colorCount() <= kMaxFourBitColours ? 4 : 8;
    return kTrueColourBits;
}
