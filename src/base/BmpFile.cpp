#include "base/BmpFile.h"

#include "base/BrenwickError.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <bit>
#include <cstring>

namespace {

// Header sizes.
constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;
constexpr quint32 kV2HeaderSize = 52;    // with the three colour masks
constexpr quint32 kV3HeaderSize = 56;    // and the alpha mask
constexpr quint32 kOs2HeaderSize = 64;   // the later OS/2 header
constexpr quint32 kV4HeaderSize = 108;
constexpr quint32 kV5HeaderSize = 124;
// Where the fields of the information header lie in the file.
constexpr int kOffBitsAt = 10;
constexpr int kWidthAt = 18;
constexpr int kHeightAt = 22;
constexpr int kCoreWidthAt = 18;
constexpr int kCoreHeightAt = 20;
constexpr int kCoreBitCountAt = 24;
constexpr int kBitCountAt = 28;
constexpr int kCompressionAt = 30;
constexpr int kXPelsAt = 38;
constexpr int kYPelsAt = 42;
constexpr int kColorsUsedAt = 46;
constexpr int kColorsImportantAt = 50;
constexpr int kMasksAt = 54;   // right after a 40-byte header, or inside a longer one
constexpr int kMaskSize = 4;

// Compressions.
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;
constexpr quint32 kBiBitfields = 3;
constexpr quint32 kBiAlphaBitfields = 6;

// The implicit masks of 16 and 32 bits without colour masks.
constexpr quint32 kRed555 = 0x7C00, kGreen555 = 0x03E0, kBlue555 = 0x001F;
constexpr quint32 kRed888 = 0xFF0000, kGreen888 = 0x00FF00, kBlue888 = 0x0000FF;

// Bitmaps beyond these are refused, read or decoded (Qt's own reader stops at
// 256 MB too).
constexpr qint64 kMaxSide = kBmpMaxSide;
constexpr qint64 kMaxPixelBytes = 256 * 1024 * 1024;

constexpr int kMax8 = 255;
constexpr int kMax16 = 65535;

[[noreturn]] void invalidBitmap()
{
    throw BrenwickError(QStringLiteral("Bitmap image is not valid"));
}

quint32 le32(const QByteArray &b, qint64 at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, qint64 at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// One colour channel of a mask: where it starts and its largest value.
struct Channel
{
    int shift = 0;
    quint64 max = 0;   // 0: the mask is empty

    static Channel of(quint32 mask)
    {
        Channel c;
        if (mask) {
            c.shift = std::countr_zero(mask);
            c.max = quint64(mask) >> c.shift;
        }
        return c;
    }
    int bits() const { return std::popcount(max); }
    // The channel's value of a pixel, scaled to 0..top.
    quint64 scaled(quint32 pixel, quint64 top) const
    {
        return max ? ((quint64(pixel) >> shift & max) * top + max / 2) / max : 0;
    }
    // A value of 0..top scaled to the channel and put in place.
    quint32 packed(quint64 value, quint64 top) const
    {
        return quint32((value * max + top / 2) / top) << shift;
    }
};

// A mask must be one run of bits within the pixel; the masks must not overlap.
void checkMasks(const quint32 (&masks)[4], int bitCount)
{
    quint32 seen = 0;
    for (const quint32 mask : masks) {
        const quint64 run = Channel::of(mask).max;
        if ((run & (run + 1)) != 0 || (mask & seen) != 0)
            invalidBitmap();
        if (bitCount < 32 && (mask >> bitCount) != 0)
            invalidBitmap();
        seen |= mask;
    }
    if ((masks[0] | masks[1] | masks[2]) == 0)
        invalidBitmap();
}

// Expands run-length coded pixels (4 or 8 bits a pixel, rows bottom-up) into
// plain rows. Pixels the code skips (end of line, deltas, end of bitmap) stay
// at colour index 0, so that no picture ever shows unset memory.
QByteArray expandRunLength(QByteArrayView code, qint64 width, qint64 height, int bitCount, qint64 stride)
{
    QByteArray rows(qsizetype(stride * height), '\0');
    auto put = [&](qint64 x, qint64 y, int index) {
        if (x < 0 || x >= width || y < 0 || y >= height)
            return;
        uchar *row = reinterpret_cast<uchar *>(rows.data()) + y * stride;
        if (bitCount == 8) {
            row[x] = uchar(index);
        } else if (x % 2 == 0) {
            row[x / 2] = uchar((row[x / 2] & 0x0F) | (index << 4));
        } else {
            row[x / 2] = uchar((row[x / 2] & 0xF0) | (index & 0x0F));
        }
    };
    const auto *p = reinterpret_cast<const uchar *>(code.data());
    const qsizetype n = code.size();
    qsizetype i = 0;
    qint64 x = 0;
    qint64 y = 0;   // counted from the bottom row, as the rows are stored
    while (i + 1 < n && y < height) {
        const int count = p[i];
        const int value = p[i + 1];
        i += 2;
        if (count > 0) {   // a run of one colour (two alternating ones for 4 bits)
            for (int k = 0; k < count; ++k)
                put(x + k, y, bitCount == 8 ? value : (k % 2 == 0 ? value >> 4 : value & 0x0F));
            x += count;
        } else if (value == 0) {   // end of line
            x = 0;
            ++y;
        } else if (value == 1) {   // end of bitmap
            break;
        } else if (value == 2) {   // delta
            if (i + 1 >= n)
                break;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {   // absolute run of value pixels, padded to a 16-bit boundary
            const qsizetype bytes = bitCount == 8 ? value : (value + 1) / 2;
            for (int k = 0; k < value; ++k) {
                const qsizetype at = i + (bitCount == 8 ? k : k / 2);
                if (at >= n)
                    break;
                put(x + k, y, bitCount == 8 ? p[at] : (k % 2 == 0 ? p[at] >> 4 : p[at] & 0x0F));
            }
            x += value;
            i += bytes + (bytes % 2);
        }
    }
    return rows;
}

// What the headers say.
struct Header
{
    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0;   // negative: rows top-down
    int bitCount = 0;
    quint32 compression = kBiRgb;
    quint32 colorsUsed = 0;
    quint32 colorsImportant = 0;
    qint32 xPels = 0;
    qint32 yPels = 0;
    quint32 masks[4] = {0, 0, 0, 0};   // red, green, blue, alpha
    qint64 tableStart = 0;             // after the headers and the masks

    bool core() const { return size == kCoreHeaderSize; }
    bool masked() const { return compression == kBiBitfields || compression == kBiAlphaBitfields; }
    qint64 rows() const { return qAbs(height); }
    qint64 stride() const { return ((width * bitCount + 31) / 32) * 4; }
};

Header readHeader(const QByteArray &bytes)
{
    if (bytes.size() < qsizetype(kFileHeaderSize + 4) || !bytes.startsWith("BM"))
        invalidBitmap();
    Header h;
    h.size = le32(bytes, kFileHeaderSize);
    if (h.size == kCoreHeaderSize) {
        if (bytes.size() < qsizetype(kFileHeaderSize + kCoreHeaderSize))
            invalidBitmap();
        h.width = le16(bytes, kCoreWidthAt);
        h.height = le16(bytes, kCoreHeightAt);
        h.bitCount = le16(bytes, kCoreBitCountAt);
        h.tableStart = kFileHeaderSize + kCoreHeaderSize;
        return h;
    }
    if (h.size != kInfoHeaderSize && h.size != kV2HeaderSize && h.size != kV3HeaderSize && h.size != kOs2HeaderSize
        && h.size != kV4HeaderSize && h.size != kV5HeaderSize)
        invalidBitmap();
    if (bytes.size() < qsizetype(kFileHeaderSize + h.size))
        invalidBitmap();
    h.width = qint32(le32(bytes, kWidthAt));
    h.height = qint32(le32(bytes, kHeightAt));
    h.bitCount = le16(bytes, kBitCountAt);
    h.compression = le32(bytes, kCompressionAt);
    h.xPels = qint32(le32(bytes, kXPelsAt));
    h.yPels = qint32(le32(bytes, kYPelsAt));
    h.colorsUsed = le32(bytes, kColorsUsedAt);
    h.colorsImportant = le32(bytes, kColorsImportantAt);
    h.tableStart = kFileHeaderSize + h.size;
    // The later OS/2 header numbers its own codings (Huffman, 24-bit runs) from 3 on.
    if (h.size == kOs2HeaderSize && h.compression > kBiRle4)
        invalidBitmap();
    if (h.masked()) {
        // After a 40-byte header the masks follow it; longer headers hold them.
        int count = h.compression == kBiAlphaBitfields ? 4 : 3;
        if (h.size == kInfoHeaderSize) {
            h.tableStart += count * kMaskSize;
        } else if (h.size == kV2HeaderSize) {
            count = 3;
        } else {
            count = 4;
        }
        if (bytes.size() < kMasksAt + count * kMaskSize)
            invalidBitmap();
        for (int i = 0; i < count; ++i)
            h.masks[i] = le32(bytes, kMasksAt + i * kMaskSize);
    }
    return h;
}

void checkHeader(const Header &h)
{
    if (h.width <= 0 || h.height == 0 || h.width > kMaxSide || h.rows() > kMaxSide)
        invalidBitmap();
    const int b = h.bitCount;
    const bool paletted = b == 1 || b == 4 || b == 8;
    switch (h.compression) {
    case kBiRgb:
        if (!paletted && b != 16 && b != 24 && b != 32)
            invalidBitmap();
        break;
    case kBiRle8:
    case kBiRle4:
        if (b != (h.compression == kBiRle8 ? 8 : 4) || h.height < 0 || h.core())
            invalidBitmap();
        break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (b != 16 && b != 32)
            invalidBitmap();
        checkMasks(h.masks, b);
        break;
    default:
        invalidBitmap();
    }
    if (h.core() && b != 1 && b != 4 && b != 8 && b != 24)
        invalidBitmap();
    if (h.stride() * h.rows() > kMaxPixelBytes)
        invalidBitmap();
}

// The palette: as many entries as the header allows, fewer when the pixels
// begin before the full palette would end (as in many old core-header files).
QList<QRgb> readPalette(const QByteArray &bytes, const Header &h, qint64 offBits)
{
    const qint64 entrySize = h.core() ? 3 : 4;
    qint64 count = qint64(1) << h.bitCount;
    if (h.colorsUsed != 0 && !h.core())
        count = qMin<qint64>(count, h.colorsUsed);
    if (offBits >= h.tableStart && offBits < h.tableStart + count * entrySize)
        count = (offBits - h.tableStart) / entrySize;
    if (h.tableStart + count * entrySize > bytes.size())
        invalidBitmap();
    QList<QRgb> palette;
    palette.reserve(count);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + h.tableStart);
    for (qint64 i = 0; i < count; ++i, p += entrySize)
        palette << qRgb(p[2], p[1], p[0]);
    return palette;
}

QImage newImage(qint64 width, qint64 height, QImage::Format format)
{
    const qint64 bits = QImage::toPixelFormat(format).bitsPerPixel();
    if ((width * bits + 7) / 8 * height > kMaxPixelBytes)
        invalidBitmap();
    QImage image(int(width), int(height), format);
    if (image.isNull())
        invalidBitmap();
    return image;
}

// 1, 4 and 8 bits: the pixels' indices as stored, the palette extended with
// black to cover every index used.
QImage readPaletted(const uchar *pixels, const Header &h, QList<QRgb> palette)
{
    const bool mono = h.bitCount == 1;
    QImage image = newImage(h.width, h.rows(), mono ? QImage::Format_Mono : QImage::Format_Indexed8);
    const qint64 stride = h.stride();
    int highest = 0;
    for (qint64 y = 0; y < h.rows(); ++y) {
        const uchar *src = pixels + (h.height > 0 ? h.rows() - 1 - y : y) * stride;
        uchar *dst = image.scanLine(int(y));
        if (mono) {
            std::memcpy(dst, src, size_t((h.width + 7) / 8));
            for (qint64 x = 0; x < h.width && highest == 0; ++x)
                highest = (src[x / 8] >> (7 - x % 8)) & 1;
        } else if (h.bitCount == 4) {
            for (qint64 x = 0; x < h.width; ++x) {
                dst[x] = x % 2 == 0 ? src[x / 2] >> 4 : src[x / 2] & 0x0F;
                highest = qMax<int>(highest, dst[x]);
            }
        } else {
            std::memcpy(dst, src, size_t(h.width));
            for (qint64 x = 0; x < h.width; ++x)
                highest = qMax<int>(highest, src[x]);
        }
    }
    const int needed = qMax(highest + 1, mono ? 2 : 1);
    while (palette.size() < needed)
        palette << qRgb(0, 0, 0);
    image.setColorTable(palette);
    return image;
}

// The channels of 16, 24 and 32 bits: the colour masks, or the implicit ones.
struct Channels
{
    Channel r, g, b, a;

    explicit Channels(const Header &h)
    {
        const bool b16 = h.bitCount == 16;
        r = Channel::of(h.masked() ? h.masks[0] : b16 ? kRed555 : kRed888);
        g = Channel::of(h.masked() ? h.masks[1] : b16 ? kGreen555 : kGreen888);
        b = Channel::of(h.masked() ? h.masks[2] : b16 ? kBlue555 : kBlue888);
        a = Channel::of(h.masked() ? h.masks[3] : 0);
    }
    bool wide() const { return qMax(qMax(r.bits(), g.bits()), qMax(b.bits(), a.bits())) > 8; }
    QImage::Format format() const
    {
        const bool alpha = a.max != 0;
        return wide() ? (alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                      : (alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
};

// The format the pixels are read into.
QImage::Format imageFormat(const Header &h)
{
    if (h.bitCount == 1)
        return QImage::Format_Mono;
    if (h.bitCount <= 8)
        return QImage::Format_Indexed8;
    return Channels(h).format();
}

// 16, 24 and 32 bits, through the masks (implicit ones without colour masks).
QImage readTrueColour(const uchar *pixels, const Header &h)
{
    const Channels channels(h);
    const Channel &r = channels.r, &g = channels.g, &b = channels.b, &a = channels.a;
    const bool wide = channels.wide();
    const bool alpha = a.max != 0;
    const QImage::Format format = channels.format();
    QImage image = newImage(h.width, h.rows(), format);
    const int bytesPerPixel = h.bitCount / 8;
    const qint64 stride = h.stride();
    // The common plain 24 and 32 bits: the bytes are the channels.
    const bool plainBytes = !h.masked() && bytesPerPixel >= 3;
    for (qint64 y = 0; y < h.rows(); ++y) {
        const uchar *src = pixels + (h.height > 0 ? h.rows() - 1 - y : y) * stride;
        uchar *line = image.scanLine(int(y));
        if (plainBytes) {
            auto *dst = reinterpret_cast<QRgb *>(line);
            for (qint64 x = 0; x < h.width; ++x, src += bytesPerPixel)
                dst[x] = qRgb(src[2], src[1], src[0]);
            continue;
        }
        for (qint64 x = 0; x < h.width; ++x, src += bytesPerPixel) {
            quint32 pixel = src[0] | quint32(src[1]) << 8;
            if (bytesPerPixel >= 3)
                pixel |= quint32(src[2]) << 16;
            if (bytesPerPixel == 4)
                pixel |= quint32(src[3]) << 24;
            if (wide) {
                reinterpret_cast<QRgba64 *>(line)[x] =
                    QRgba64::fromRgba64(quint16(r.scaled(pixel, kMax16)), quint16(g.scaled(pixel, kMax16)),
                                        quint16(b.scaled(pixel, kMax16)),
                                        alpha ? quint16(a.scaled(pixel, kMax16)) : quint16(kMax16));
            } else {
                reinterpret_cast<QRgb *>(line)[x] =
                    qRgba(int(r.scaled(pixel, kMax8)), int(g.scaled(pixel, kMax8)), int(b.scaled(pixel, kMax8)),
                          alpha ? int(a.scaled(pixel, kMax8)) : kMax8);
            }
        }
    }
    return image;
}

TBitmapLayout layoutOf(const Header &h)
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

// ---- writing ----

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

TBmpImage ReadBmp(const QByteArray &bytes)
{
    const Header h = readHeader(bytes);
    checkHeader(h);
    const qint64 offBits = le32(bytes, kOffBitsAt);
    const bool paletted = h.bitCount <= 8;
    QList<QRgb> palette;
    qint64 pixelStart = qMax<qint64>(offBits, h.tableStart);
    if (paletted) {
        palette = readPalette(bytes, h, offBits);
        pixelStart = qMax<qint64>(offBits, h.tableStart + palette.size() * (h.core() ? 3 : 4));
    }
    const qint64 stride = h.stride();
    QByteArray plain;
    const uchar *pixels = nullptr;
    if (h.compression == kBiRle8 || h.compression == kBiRle4) {
        if (pixelStart > bytes.size())
            invalidBitmap();
        plain = expandRunLength(QByteArrayView(bytes).sliced(pixelStart), h.width, h.rows(), h.bitCount, stride);
        pixels = reinterpret_cast<const uchar *>(plain.constData());
    } else {
        if (pixelStart + stride * h.rows() > bytes.size())
            invalidBitmap();
        pixels = reinterpret_cast<const uchar *>(bytes.constData() + pixelStart);
    }
    TBmpImage result;
    result.image = paletted ? readPaletted(pixels, h, palette) : readTrueColour(pixels, h);
    result.layout = layoutOf(h);
    // The resolution travels with the image too, so that a copy that has lost
    // its layout still writes the header it was read with.
    if (h.xPels > 0)
        result.image.setDotsPerMeterX(h.xPels);
    if (h.yPels > 0)
        result.image.setDotsPerMeterY(h.yPels);
    return result;
}

bool BmpWithinReadLimits(const QByteArray &bytes)
{
    try {
        const Header h = readHeader(bytes);
        checkHeader(h);
        const qint64 bits = QImage::toPixelFormat(imageFormat(h)).bitsPerPixel();
        return (h.width * bits + 7) / 8 * h.rows() <= kMaxPixelBytes;
    } catch (const BrenwickError &) {
        return false;
    }
}

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
