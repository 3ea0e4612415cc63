#include "xml/XmlText.h"

#include <QStringDecoder>
#include <cstring>
#include <string>

#include "rules/XmlRules.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Appends text as UTF-8; with escape set, the four markup characters as entities.
// Long plain texts (a picture's text is megabytes of Base64) go through Qt's
// vectorised ASCII checks and conversion instead of the loop below.
constexpr qsizetype kBulkLength = 4096;

template <bool escape>
bool appendPlainAscii(QByteArray &out, QStringView text)
{
    if (text.size() < kBulkLength || !QtPrivate::isAscii(text))
        return false;
    if constexpr (escape) {
        for (char16_t markup : {u'&', u'<', u'>', u'"'})
            if (text.contains(QChar(markup)))
                return false;
    }
    out.append(text.toLatin1());
    return true;
}

template <bool escape>
void appendEncoded(QByteArray &out, QStringView text)
{
    if (appendPlainAscii<escape>(out, text))
        return;
    const qsizetype start = out.size();
    out.resize(start + text.size() * (escape ? 6 : 3));   // the longest form of one unit
    char *p = out.data() + start;
    const char16_t *s = text.utf16();
    const qsizetype n = text.size();
    auto put = [&p](const char *literal, int length) {
        std::memcpy(p, literal, size_t(length));
        p += length;
    };
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = s[i];
        if (c < 0x80) {
            if constexpr (escape) {
                switch (c) {
                case u'&': put("&amp;", 5); continue;
                case u'<': put("&lt;", 4); continue;
                case u'>': put("&gt;", 4); continue;
                case u'"': put("&quot;", 6); continue;
                default: break;
                }
            }
            *p++ = char(c);
            continue;
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
                ++i;
            } else {
                c = kReplacement;
            }
        }
        if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        } else {
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *p++ = char(0x80 | (c & 0x3F));
    }
    out.truncate(p - out.constData());
}

} // namespace

void AppendXmlEncoded(QByteArray &out, QStringView text)
{
    appendEncoded<true>(out, text);
}

void AppendUtf8(QByteArray &out, QStringView text)
{
    appendEncoded<false>(out, text);
}

QByteArray XmlEncode(QStringView text)
{
    QByteArray out;
    appendEncoded<true>(out, text);
    return out;
}

namespace {

std::string_view bytesOf(QByteArrayView utf8)
{
    return std::string_view(utf8.data(), size_t(utf8.size()));
}

// Well-formed UTF-8 as UTF-16; a leading U+FEFF stays.
QString fromCheckedUtf8(QByteArrayView utf8)
{
    // Without a leading byte order mark the plain conversion is the same and
    // builds no decoder: values are many and short.
    if (!utf8.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(utf8);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return decoder(utf8);
}

} // namespace

QString DecodeUtf8Strict(QByteArrayView utf8, bool *ok)
{
    // Plain ASCII (a picture's text is megabytes of it) is its own UTF-16,
    // checked and widened by Qt's vectorised code.
    if (utf8.size() >= kBulkLength && QtPrivate::isAscii(QLatin1StringView(utf8))) {
        if (ok)
            *ok = true;
        return QString::fromLatin1(utf8);
    }
    const bool wellFormed = rules::IsUtf8(bytesOf(utf8));
    if (ok)
        *ok = wellFormed;
    return wellFormed ? fromCheckedUtf8(utf8) : QString();
}

QString XmlDecode(QByteArrayView utf8)
{
    // Only the byte "&" is the character "&": the shorter search of the two.
    if (!utf8.contains('&'))
        return DecodeUtf8Strict(utf8);
    // The entities are the shared reader's rule (rules::DecodeXmlText).
    const std::string decoded = rules::DecodeXmlText(bytesOf(utf8));
    return fromCheckedUtf8(QByteArrayView(decoded.data(), qsizetype(decoded.size())));
}
