#include "xml/XmlText.h"

#include <cstring>

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

QString DecodeUtf8Strict(QByteArrayView utf8, bool *ok)
{
    // Plain ASCII (a picture's text is megabytes of it) is its own UTF-16,
    // checked and widened by Qt's vectorised code.
    if (utf8.size() >= kBulkLength && QtPrivate::isAscii(QLatin1StringView(utf8))) {
        if (ok)
            *ok = true;
        return QString::fromLatin1(utf8);
    }
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    const qsizetype n = utf8.size();
    QString result;
    result.resize(n);   // UTF-16 never needs more units than UTF-8 bytes
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    qsizetype outLen = 0;
    qsizetype i = 0;
    auto fail = [&]() {
        if (ok)
            *ok = false;
        return QString();
    };
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            out[outLen++] = b;
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            cp = b & 0x1F;
            minimum = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            cp = b & 0x0F;
            minimum = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            cp = b & 0x07;
            minimum = 0x10000;
        } else {
            return fail();   // stray continuation byte, C0/C1 or F5..FF
        }
        if (n - i <= extra)
            return fail();   // cut off by the end
        for (int k = 1; k <= extra; ++k) {
            const unsigned char c = p[i + k];
            if ((c & 0xC0) != 0x80)
                return fail();
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return fail();
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out[outLen++] = char16_t(0xD800 + (cp >> 10));
            out[outLen++] = char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out[outLen++] = char16_t(cp);
        }
        i += extra + 1;
    }
    result.truncate(outLen);
    if (ok)
        *ok = true;
    return result;
}

QString XmlDecode(QByteArrayView utf8)
{
    // Only the byte "&" is the character "&": the shorter search of the two.
    if (!utf8.contains('&'))
        return DecodeUtf8Strict(utf8);
    QString text = DecodeUtf8Strict(utf8);
    if (!text.contains(u'&'))
        return text;   // bytes that are not UTF-8: no text
    // Entities never overlap (each begins with the only "&" it holds) and no
    // replacement produces a character of another entity, so one left-to-right
    // pass gives the same result as the four passes "&quot;", "&lt;", "&gt;",
    // "&amp;" in turn.
    struct Entity
    {
        QLatin1StringView name;
        char16_t ch;
    };
    static const Entity kEntities[] = {
        {QLatin1StringView("&quot;"), u'"'},
        {QLatin1StringView("&lt;"), u'<'},
        {QLatin1StringView("&gt;"), u'>'},
        {QLatin1StringView("&amp;"), u'&'},
    };
    QString result;
    result.reserve(text.size());
    const QStringView view(text);
    qsizetype i = 0;
    while (i < view.size()) {
        const qsizetype amp = view.indexOf(u'&', i);
        if (amp < 0) {
            result += view.mid(i);
            break;
        }
        result += view.mid(i, amp - i);
        i = amp;
        bool replaced = false;
        for (const Entity &e : kEntities) {
            if (view.mid(i).startsWith(e.name)) {
                result += QChar(e.ch);
                i += e.name.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            result += u'&';
            ++i;
        }
    }
    return result;
}
