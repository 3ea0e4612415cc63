#include "xml/XmlText.h"

#include <cstring>

namespace {

bool needsEscape(char16_t c)
{
    return c == u'&' || c == u'<' || c == u'>' || c == u'"';
}

} // namespace

QByteArray XmlEncode(QStringView text)
{
    bool plain = true;
    for (QChar c : text) {
        if (needsEscape(c.unicode())) {
            plain = false;
            break;
        }
    }
    if (plain)
        return text.toUtf8();

    QString escaped;
    escaped.reserve(text.size() + text.size() / 8 + 8);
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&': escaped += QLatin1String("&amp;"); break;
        case u'<': escaped += QLatin1String("&lt;"); break;
        case u'>': escaped += QLatin1String("&gt;"); break;
        case u'"': escaped += QLatin1String("&quot;"); break;
        default: escaped += c;
        }
    }
    return escaped.toUtf8();
}

QString DecodeUtf8Strict(QByteArrayView utf8, bool *ok)
{
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
    QString text = DecodeUtf8Strict(utf8);
    if (!text.contains(u'&'))
        return text;
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
