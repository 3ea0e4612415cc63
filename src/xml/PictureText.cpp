#include "xml/PictureText.h"

#include "kit/BrenwickError.h"
#include "kit/TPicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <cstring>
#include <limits>
#include <zlib.h>

namespace {

// Deflate cannot expand data by more than about 1032:1; a size field beyond
// this bound for the data at hand is a lie.
constexpr qint64 kMaxInflateRatio = 1032;
constexpr qint64 kInflateSlack = 1024;
// Output is reserved up to this much at once; beyond it the buffer grows only
// as inflated data actually arrives.
constexpr qsizetype kReserveLimit = 64 * 1024 * 1024;

// BMP layout.
constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;
constexpr int kInfoHeaderSize = 40;
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;
constexpr quint32 kBiBitfields = 3;
constexpr qint64 kMaskBytes = 12;
// Bitmaps beyond these are refused (Qt's reader refuses images above 256 MB).
constexpr qint64 kMaxSide = 32767;
constexpr qint64 kMaxPixelBytes = 256 * 1024 * 1024;

const char *const kTooLarge =
    "Картинка %1 × %2 точек слишком велика: файл с ней нельзя было бы открыть "
    "(не больше %3 точек по стороне и 256 МБ точек).";

[[noreturn]] void invalidBitmap()
{
    throw BrenwickError(QStringLiteral("Bitmap image is not valid"));
}

[[noreturn]] void notAnInteger(QStringView text)
{
    throw BrenwickError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

// [+|-]digits within 32 bits, as the size field is read.
qint32 parseSize(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        notAnInteger(text);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            notAnInteger(text);
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            notAnInteger(text);
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<qint32>::max())
        notAnInteger(text);
    return qint32(value);
}

// Inflates one zlib stream into exactly expected bytes; anything else (a
// damaged stream, more or fewer bytes) is an invalid bitmap.
QByteArray inflateExactly(QByteArrayView compressed, qsizetype expected)
{
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        invalidBitmap();
    struct End
    {
        z_stream *zs;
        ~End() { inflateEnd(zs); }
    } end{&zs};

    QByteArray out;
    out.resize(qMin(expected, kReserveLimit));
    qsizetype produced = 0;
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data()));
    // Inputs beyond 4 GiB cannot be held as text anyway; feed what fits.
    zs.avail_in = uInt(qMin<qsizetype>(compressed.size(), std::numeric_limits<uInt>::max()));
    for (;;) {
        if (produced == out.size()) {
            if (produced == expected) {
                // Full: the stream must end here without another byte.
                char spare = 0;
                zs.next_out = reinterpret_cast<Bytef *>(&spare);
                zs.avail_out = 1;
                const int ret = inflate(&zs, Z_NO_FLUSH);
                if (ret != Z_STREAM_END || zs.avail_out != 1)
                    invalidBitmap();
                return out;
            }
            out.resize(qMin(expected, out.size() * 2));
        }
        zs.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        const qsizetype room = qMin<qsizetype>(out.size() - produced, std::numeric_limits<uInt>::max());
        zs.avail_out = uInt(room);
        const int ret = inflate(&zs, Z_NO_FLUSH);
        produced += room - qsizetype(zs.avail_out);
        if (ret == Z_STREAM_END) {
            if (produced != expected)
                invalidBitmap();
            return out;
        }
        if (ret != Z_OK)
            invalidBitmap();   // damaged data, or input ended inside the stream
    }
}

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
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

// Checks a BMP before Qt's reader sees it: uncompressed pixel data must hold
// every row its headers announce, so that the reader never leaves rows unset;
// run-length data is expanded here into plain rows for the same reason.
// Returns the bytes for the reader.
// Whether the reader takes a bitmap of this size and depth.
bool withinReadLimits(qint64 width, qint64 height, quint32 bitCount)
{
    if (width <= 0 || height == 0 || width > kMaxSide || qAbs(height) > kMaxSide)
        return false;
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    return stride * qAbs(height) <= kMaxPixelBytes;
}

QByteArray prepareBitmap(const QByteArray &bytes)
{
    if (bytes.size() < kFileHeaderSize + 4 || !bytes.startsWith("BM"))
        invalidBitmap();
    const quint32 offBits = le32(bytes, 10);
    const quint32 headerSize = le32(bytes, kFileHeaderSize);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bitCount = 0;
    quint32 compression = kBiRgb;
    quint32 colorsUsed = 0;
    if (headerSize == kCoreHeaderSize) {
        if (bytes.size() < kFileHeaderSize + kCoreHeaderSize)
            invalidBitmap();
        width = le16(bytes, 18);
        height = le16(bytes, 20);
        bitCount = le16(bytes, 24);
    } else if (headerSize >= kInfoHeaderSize) {
        if (bytes.size() < kFileHeaderSize + kInfoHeaderSize)
            invalidBitmap();
        width = qint32(le32(bytes, 18));
        height = qint32(le32(bytes, 22));
        bitCount = le16(bytes, 28);
        compression = le32(bytes, 30);
        colorsUsed = le32(bytes, 46);
    } else {
        invalidBitmap();
    }
    if (!withinReadLimits(width, height, bitCount))
        invalidBitmap();
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;

    // Where the pixels start at the earliest: after the headers, the colour
    // masks and the colour table.
    qint64 tableStart = kFileHeaderSize + qint64(headerSize);
    if (compression == kBiBitfields && headerSize == kInfoHeaderSize)
        tableStart += kMaskBytes;
    qint64 tableBytes = 0;
    if (bitCount <= 8) {
        const qint64 entries = colorsUsed ? qMin<qint64>(colorsUsed, qint64(1) << bitCount) : qint64(1) << bitCount;
        tableBytes = entries * (headerSize == kCoreHeaderSize ? 3 : 4);
    }
    const qint64 pixelStart = qMax<qint64>(offBits, tableStart + tableBytes);

    if (compression == kBiRgb || compression == kBiBitfields) {
        if (pixelStart + stride * qAbs(height) > bytes.size())
            invalidBitmap();
        return bytes;
    }
    const bool rle8 = compression == kBiRle8 && bitCount == 8;
    const bool rle4 = compression == kBiRle4 && bitCount == 4;
    if (!(rle8 || rle4) || height < 0 || pixelStart > bytes.size())
        invalidBitmap();
    const QByteArray rows = expandRunLength(QByteArrayView(bytes).sliced(pixelStart), width, height, int(bitCount), stride);
    QByteArray plain = bytes.left(pixelStart);
    plain += rows;
    qToLittleEndian<quint32>(quint32(plain.size()), plain.data() + 2);
    qToLittleEndian<quint32>(quint32(pixelStart), plain.data() + 10);
    qToLittleEndian<quint32>(kBiRgb, plain.data() + 30);
    qToLittleEndian<quint32>(quint32(rows.size()), plain.data() + 34);
    return plain;
}

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
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        return flat;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

int base64Value(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 26;
    if (c >= u'0' && c <= u'9')
        return c - u'0' + 52;
    if (c == u'+')
        return 62;
    if (c == u'/')
        return 63;
    return -1;
}

[[noreturn]] void codingTableError()
{
    throw BrenwickError(QStringLiteral("Coding table entry not found."));
}

} // namespace

QByteArray BitmapBytes(const QImage &bitmap)
{
    if (bitmap.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(writableBitmap(bitmap)))
        throw BrenwickError(QStringLiteral("Stream write error"));
    // A picture the reader would refuse is not written: the file would not open again.
    if (bytes.size() >= kFileHeaderSize + kInfoHeaderSize
        && !withinReadLimits(qint32(le32(bytes, 18)), qint32(le32(bytes, 22)), le16(bytes, 28)))
        throw BrenwickError(QString::fromUtf8(kTooLarge).arg(bitmap.width()).arg(bitmap.height()).arg(kMaxSide));
    return bytes;
}

QString BytesToPictureText(QByteArrayView bytes)
{
    uLongf length = compressBound(uLong(bytes.size()));
    QByteArray compressed(qsizetype(length), Qt::Uninitialized);
    const int ret = compress2(reinterpret_cast<Bytef *>(compressed.data()), &length,
                              reinterpret_cast<const Bytef *>(bytes.data()), uLong(bytes.size()),
                              Z_DEFAULT_COMPRESSION);
    if (ret != Z_OK)
        throw BrenwickError(QStringLiteral("Stream write error"));
    compressed.truncate(qsizetype(length));
    const QByteArray base64 = compressed.toBase64();
    QString text = QString::number(bytes.size());
    text.reserve(text.size() + 1 + base64.size());
    text += u';';
    text += QLatin1StringView(base64);
    return text;
}

QByteArray DecodePictureBase64(QStringView text)
{
    QByteArray out;
    out.resize(text.size() / 4 * 3 + 3);
    char *p = out.data();
    quint32 group = 0;
    int count = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        const int v = base64Value(c);
        if (v >= 0) {
            group = (group << 6) | quint32(v);
            if (++count == 4) {
                *p++ = char(group >> 16);
                *p++ = char(group >> 8);
                *p++ = char(group);
                group = 0;
                count = 0;
            }
        } else if (c == u'=') {
            break;
        } else if (c != u'\r' && c != u'\n') {
            codingTableError();
        }
    }
    // Only "=" and line breaks may follow the first "=".
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'=' && c != u'\r' && c != u'\n')
            codingTableError();
    }
    if (count == 2) {
        *p++ = char(group >> 4);
    } else if (count == 3) {
        *p++ = char(group >> 10);
        *p++ = char(group >> 2);
    }
    out.truncate(p - out.constData());
    return out;
}

QByteArray PictureTextToBytes(QStringView text)
{
    const qsizetype semicolon = text.indexOf(u';');
    if (semicolon < 0)
        notAnInteger(QStringView());
    const qint32 size = parseSize(text.first(semicolon));
    if (size <= 0)
        return QByteArray();
    const QByteArray compressed = DecodePictureBase64(text.sliced(semicolon + 1));
    if (qint64(size) > kMaxInflateRatio * compressed.size() + kInflateSlack)
        invalidBitmap();
    return inflateExactly(compressed, size);
}

QImage BitmapFromBytes(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QImage();
    QImage image;
    if (!image.loadFromData(prepareBitmap(bytes), "BMP") || image.isNull())
        invalidBitmap();
    return image;
}

QString PictureToText(TPicture &picture)
{
    picture.makeBitmap();
    return BytesToPictureText(BitmapBytes(picture.image()));
}

void TextToPicture(TPicture &picture, QStringView text)
{
    if (text.isEmpty()) {
        picture.setBitmap(QImage());
        return;
    }
    picture.setBitmap(BitmapFromBytes(PictureTextToBytes(text)));
}
