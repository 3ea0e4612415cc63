#include "xml/PictureText.h"

#include "base/BrenwickError.h"
#include "base/TPicture.h"

#include <algorithm>
#include <array>
#include <limits>
#include <zlib.h>

#include <QCoreApplication>

namespace {

// Deflate cannot expand data by more than about 1032:1; a size field beyond
// this bound for the data at hand is a lie.
constexpr qint64 kMaxInflateRatio = 1032;
constexpr qint64 kInflateSlack = 1024;
// Output is reserved up to this much at once; beyond it the buffer grows only
// as inflated data actually arrives.
constexpr qsizetype kReserveLimit = 64 * 1024 * 1024;

const char *const kTooLarge = QT_TRANSLATE_NOOP("PictureText",
    "Картинка %1 × %2 точек слишком велика: файл с ней нельзя было бы открыть "
    "(не больше %3 точек по стороне и 256 МБ точек).");

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

// A zlib inflater, ended however its use ends; one that cannot start is an
// invalid bitmap.
struct TInflater
{
    z_stream zs{};
    TInflater()
    {
        if (inflateInit(&zs) != Z_OK)
            invalidBitmap();
    }
    ~TInflater() { inflateEnd(&zs); }
    TInflater(const TInflater &) = delete;
    TInflater &operator=(const TInflater &) = delete;
};

// Inflates one zlib stream into exactly expected bytes; anything else (a
// damaged stream, more or fewer bytes) is an invalid bitmap.
QByteArray inflateExactly(QByteArrayView compressed, qsizetype expected)
{
    TInflater inflater;
    z_stream &zs = inflater.zs;

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

// base64Value for the ASCII range, kNotBase64 elsewhere: four whole
// characters at a time take one lookup each.
constexpr quint8 kNotBase64 = 0xFF;
constexpr quint32 kLastBase64 = 63;
constexpr char16_t kAsciiEnd = 0x80;

const std::array<quint8, kAsciiEnd> &base64Table()
{
    static const std::array<quint8, kAsciiEnd> table = [] {
        std::array<quint8, kAsciiEnd> t{};
        for (char16_t c = 0; c < kAsciiEnd; ++c) {
            const int v = base64Value(c);
            t[c] = v < 0 ? kNotBase64 : quint8(v);
        }
        return t;
    }();
    return table;
}

[[noreturn]] void codingTableError()
{
    throw BrenwickError(QStringLiteral("Coding table entry not found."));
}

// Standard Base64 decoding a piece at a time: CR and LF are skipped, and
// after the first "=" only "=" and line breaks may follow. On the way it
// notes whether the characters are in the writer's own form (WriterForm).
class TBase64Stream
{
public:
    // Decodes n characters into out, which has room for n / 4 * 3 + 3 bytes;
    // returns the end of the bytes written.
    char *Decode(const char16_t *s, qsizetype n, char *out)
    {
        qsizetype i = 0;
        const std::array<quint8, kAsciiEnd> &table = base64Table();
        if (!m_padding) {
            for (; i < n; ++i) {
                // Whole groups of four alphabet characters, the bulk of any text.
                while (m_count == 0 && i + 4 <= n && quint32(s[i] | s[i + 1] | s[i + 2] | s[i + 3]) < kAsciiEnd) {
                    const quint32 v0 = table[s[i]], v1 = table[s[i + 1]], v2 = table[s[i + 2]], v3 = table[s[i + 3]];
                    if ((v0 | v1 | v2 | v3) > kLastBase64)
                        break;
                    const quint32 quad = (v0 << 18) | (v1 << 12) | (v2 << 6) | v3;
                    *out++ = char(quad >> 16);
                    *out++ = char(quad >> 8);
                    *out++ = char(quad);
                    i += 4;
                }
                if (i >= n)
                    break;
                const char16_t c = s[i];
                const int v = base64Value(c);
                if (v >= 0) {
                    m_group = (m_group << 6) | quint32(v);
                    if (++m_count == 4) {
                        *out++ = char(m_group >> 16);
                        *out++ = char(m_group >> 8);
                        *out++ = char(m_group);
                        m_group = 0;
                        m_count = 0;
                    }
                } else if (c == u'=') {
                    m_padding = true;   // the rest is read below, this "=" first
                    break;
                } else if (c == u'\r' || c == u'\n') {
                    m_lineBreak = true;
                } else {
                    codingTableError();
                }
            }
        }
        for (; i < n; ++i) {
            const char16_t c = s[i];
            if (c == u'=')
                ++m_pads;
            else if (c == u'\r' || c == u'\n')
                m_lineBreak = true;
            else
                codingTableError();
        }
        return out;
    }

    // The bytes of a last, partial group.
    char *Finish(char *out)
    {
        // One "=" leaves two bits of the last character over, two leave four;
        // a group of one character cannot be filled.
        constexpr quint32 kBitsOver[] = {0, 0, 0xF, 0x3};
        const int fill = m_count == 0 ? 0 : 4 - m_count;
        m_writerForm = !m_lineBreak && m_count != 1 && m_pads == fill && (m_group & kBitsOver[m_count]) == 0;
        if (m_count == 2) {
            *out++ = char(m_group >> 4);
        } else if (m_count == 3) {
            *out++ = char(m_group >> 10);
            *out++ = char(m_group >> 2);
        }
        m_count = 0;
        return out;
    }

    // After Finish: the characters were on one line, without blanks, "="
    // only filling the last group and the bits it leaves over zero.
    bool WriterForm() const { return m_writerForm; }

private:
    quint32 m_group = 0;
    int m_count = 0;
    bool m_padding = false;
    qsizetype m_pads = 0;   // "=" read
    bool m_lineBreak = false;
    bool m_writerForm = false;
};

// The size field in the writer's form: plain decimal digits, no sign, no
// leading zeros.
bool isWriterSize(QStringView size)
{
    if (size.isEmpty() || (size.size() > 1 && size.front() == u'0'))
        return false;
    return std::all_of(size.begin(), size.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QByteArray BitmapBytes(const QImage &bitmap, const TBitmapLayout &layout)
{
    const QByteArray bytes = WriteBmp(bitmap, layout);
    // A picture the reader would refuse is not written: the file would not open again.
    if (!bytes.isEmpty() && !BmpWithinReadLimits(bytes))
        throw BrenwickError(QCoreApplication::translate("PictureText", kTooLarge)
                                .arg(bitmap.width())
                                .arg(bitmap.height())
                                .arg(kBmpMaxSide));
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

namespace {

QByteArray decodeBase64(QStringView text, bool *writerForm)
{
    QByteArray out;
    out.resize(text.size() / 4 * 3 + 3);
    TBase64Stream base64;
    char *p = base64.Decode(text.utf16(), text.size(), out.data());
    p = base64.Finish(p);
    out.truncate(p - out.constData());
    if (writerForm)
        *writerForm = !text.isEmpty() && base64.WriterForm();
    return out;
}

// PictureTextToBytes, telling on the way whether the text is in the writer's
// form; a text of size 0 or below is judged by IsWriterPictureText.
QByteArray textToBytes(QStringView text, bool *writerForm)
{
    const qsizetype semicolon = text.indexOf(u';');
    if (semicolon < 0)
        notAnInteger(QStringView());
    const qint32 size = parseSize(text.first(semicolon));
    if (size <= 0) {
        if (writerForm)
            *writerForm = IsWriterPictureText(text);
        return QByteArray();
    }
    const QByteArray compressed = decodeBase64(text.sliced(semicolon + 1), writerForm);
    if (writerForm)
        *writerForm = *writerForm && isWriterSize(text.first(semicolon));
    if (qint64(size) > kMaxInflateRatio * compressed.size() + kInflateSlack)
        invalidBitmap();
    return inflateExactly(compressed, size);
}

} // namespace

QByteArray DecodePictureBase64(QStringView text)
{
    return decodeBase64(text, nullptr);
}

QByteArray PictureTextToBytes(QStringView text)
{
    return textToBytes(text, nullptr);
}

namespace {

// Characters of Base64 decoded at once before they go to the inflater: large
// enough that the inflater's keeping of its last 32 KB after every call costs
// little, small enough that the piece stays in the core's cache.
constexpr qsizetype kPieceChars = 256 * 1024;

// DecodePicture without the fall-back: throws at the first failure it meets,
// which need not be the one the plain steps meet first.
TBmpImage decodeInOnePass(QStringView whole, QByteArray &buffer, bool *writerForm)
{
    const char16_t *s = whole.utf16();
    const qsizetype n = whole.size();
    const char16_t *semicolon = std::find(s, s + n, u';');
    if (semicolon == s + n)
        invalidBitmap();
    qint64 size = 0;
    for (const char16_t *d = s; d < semicolon; ++d) {
        if (*d < u'0' || *d > u'9' || size > std::numeric_limits<qint32>::max())
            invalidBitmap();   // signs, bad digits and overflow: the plain steps say which
        size = size * 10 + (*d - u'0');
    }
    const char16_t *text = semicolon + 1;
    const qsizetype chars = n - (text - s);
    if (semicolon == s || size <= 0 || size > kReserveLimit
        || size > kMaxInflateRatio * (chars / 4 * 3 + 3) + kInflateSlack)
        invalidBitmap();

    TInflater inflater;
    z_stream &zs = inflater.zs;
    // One byte of room beyond the size: a stream that fills it is too long.
    buffer.resize(qsizetype(size) + 1);
    zs.next_out = reinterpret_cast<Bytef *>(buffer.data());
    zs.avail_out = uInt(size + 1);
    bool ended = false;
    TBase64Stream base64;
    QByteArray piece(kPieceChars / 4 * 3 + 3, Qt::Uninitialized);
    auto inflatePiece = [&](const char *from, const char *to) {
        zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(from));
        zs.avail_in = uInt(to - from);
        while (!ended && zs.avail_in > 0) {
            const int ret = inflate(&zs, Z_NO_FLUSH);
            if (ret == Z_STREAM_END)
                ended = true;
            else if (ret != Z_OK || zs.avail_out == 0)
                invalidBitmap();
        }
    };
    for (qsizetype at = 0; at < chars; at += kPieceChars) {
        const qsizetype count = qMin(kPieceChars, chars - at);
        char *pieceEnd = base64.Decode(text + at, count, piece.data());
        if (at + count == chars)
            pieceEnd = base64.Finish(pieceEnd);
        inflatePiece(piece.data(), pieceEnd);   // past the stream's end only checked
    }
    if (!ended || qint64(zs.total_out) != size)
        invalidBitmap();
    buffer.resize(qsizetype(size));
    TBmpImage bitmap = ReadBmp(buffer);
    if (writerForm)
        *writerForm = chars > 0 && base64.WriterForm() && isWriterSize(QStringView(s, semicolon));
    return bitmap;
}

} // namespace

TBmpImage DecodePicture(QStringView text, QByteArray &buffer, bool *writerForm)
{
    if (writerForm)
        *writerForm = false;
    if (text.isEmpty())
        return TBmpImage();
    try {
        return decodeInOnePass(text, buffer, writerForm);
    } catch (const BrenwickError &) {
        // Failures (and sizes of 0 or below) take the plain steps, which say
        // what fails first.
        const QByteArray bytes = textToBytes(text, writerForm);
        return bytes.isEmpty() ? TBmpImage() : ReadBmp(bytes);
    }
}

QImage BitmapFromBytes(const QByteArray &bytes)
{
    return bytes.isEmpty() ? QImage() : ReadBmp(bytes).image;
}

QString PictureToText(TPicture &picture)
{
    picture.makeBitmap();
    if (!picture.keptText().isEmpty())
        return picture.keptText();
    const QString text = BytesToPictureText(BitmapBytes(picture.image(), picture.bitmapLayout()));
    picture.keepText(text);
    return text;
}

bool IsWriterPictureText(QStringView text)
{
    const qsizetype semicolon = text.indexOf(u';');
    if (semicolon < 0 || !isWriterSize(text.first(semicolon)))
        return false;
    bool writerForm = false;
    QByteArray bytes;
    try {
        bytes = decodeBase64(text.sliced(semicolon + 1), &writerForm);
    } catch (const BrenwickError &) {
        return false;
    }
    if (!writerForm || text.first(semicolon) != u"0")
        return writerForm;
    try {
        inflateExactly(bytes, 0);
    } catch (const BrenwickError &) {
        return false;
    }
    return true;
}

void TextToPicture(TPicture &picture, QStringView text)
{
    if (text.isEmpty()) {
        picture.setBitmap(QImage());
        return;
    }
    QByteArray buffer;
    bool writerForm = false;
    const TBmpImage bitmap = DecodePicture(text, buffer, &writerForm);
    const QString kept = writerForm ? text.toString() : QString();
    picture.setBitmap(bitmap.image, bitmap.layout, kept);
}
