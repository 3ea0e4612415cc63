#include "base/BmpFile.h"

#include "base/BmpFormat.h"
#include "base/BrenwickError.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <bit>
#include <cstring>

namespace {

using namespace bmp_format;

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
