#include "rules/XmlRules.h"

#include <cstdint>
#include <cstring>

namespace rules {

bool IsUtf8(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // Plain ASCII (a picture's text is megabytes of it) eight bytes at a time.
        if (n - i >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
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
            return false;
        }
        if (n - i <= extra)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned char c = p[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

std::string DecodeXmlText(std::string_view bytes)
{
    if (!IsUtf8(bytes))
        return std::string();
    std::size_t amp = bytes.find('&');
    if (amp == std::string_view::npos)
        return std::string(bytes);
    static const struct
    {
        std::string_view name;
        char ch;
    } kEntities[] = {{"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}};
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (amp != std::string_view::npos) {
        out.append(bytes.substr(i, amp - i));
        i = amp;
        char ch = '&';
        std::size_t length = 1;
        for (const auto &e : kEntities) {
            if (bytes.substr(i, e.name.size()) == e.name) {
                ch = e.ch;
                length = e.name.size();
                break;
            }
        }
        out += ch;
        i += length;
        amp = bytes.find('&', i);
    }
    out.append(bytes.substr(i));
    return out;
}

bool SameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(char32_t(static_cast<unsigned char>(a[i]))) != FoldCase(char32_t(static_cast<unsigned char>(b[i]))))
            return false;
    return true;
}

bool IsValueBlank(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
        || c == 0x3000;
}

namespace {

// The code point of the well-formed sequence that starts at i, and its length;
// 0 length for anything else.
char32_t CodePointAt(std::string_view s, std::size_t i, std::size_t &length)
{
    const auto b = static_cast<unsigned char>(s[i]);
    length = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : 0;
    if (length == 0 || s.size() - i < length)
        return length = 0;
    if (length == 1)
        return b;
    const std::string_view piece = s.substr(i, length);
    if (!IsUtf8(piece))
        return length = 0;
    char32_t cp = length == 2 ? (b & 0x1F) : (b & 0x0F);
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(piece[k]) & 0x3F);
    return cp;
}

} // namespace

std::string_view TrimValue(std::string_view s)
{
    // Every such blank takes one to three bytes.
    for (;;) {
        std::size_t length = 0;
        if (s.empty() || !IsValueBlank(CodePointAt(s, 0, length)) || length == 0)
            break;
        s.remove_prefix(length);
    }
    for (;;) {
        bool cut = false;
        for (std::size_t length = 1; length <= 3 && length <= s.size() && !cut; ++length) {
            std::size_t got = 0;
            const char32_t c = CodePointAt(s, s.size() - length, got);
            if (got == length && IsValueBlank(c)) {
                s.remove_suffix(length);
                cut = true;
            }
        }
        if (!cut)
            break;
    }
    return s;
}

void LineCounter::Feed(std::string_view bytes)
{
    for (const char c : bytes) {
        if (c == '\r' || (c == '\n' && m_previous != '\r')) {
            ++m_breaks;
            m_textAfterBreak = false;
        } else if (c != '\n') {
            m_textAfterBreak = true;
        }
        m_previous = c;
    }
}

int LineAt(std::string_view bytes, std::size_t offset)
{
    LineCounter counter;
    counter.Feed(bytes.substr(0, offset < bytes.size() ? offset : bytes.size()));
    return counter.Line();
}

FileStart KindOfStart(std::string_view start)
{
    if (start.empty())
        return FileStart::Xml;
    const auto first = static_cast<unsigned char>(start[0]);
    if (first == 0xFF || first == 0xFE || first == 0)
        return FileStart::Utf16;
    if (first == 0xEF)
        return FileStart::Xml;
    if (first != '<')
        return FileStart::NotXml;
    return start.size() > 1 && start[1] == '\0' ? FileStart::Utf16 : FileStart::Xml;
}

} // namespace rules
