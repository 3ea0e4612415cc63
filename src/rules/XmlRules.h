#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The leaf rules of the project file's XML that the editor's reader and the
// player's both follow: which bytes are text, how entities read, how names
// and values compare, which line a place stands on, and which files are not
// UTF-8 XML at all.
namespace rules {

// Blanks between markup (and around tokens of a start tag): TAB, LF, CR, space.
constexpr bool IsMarkupBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

// Well-formed UTF-8: no stray continuation byte, no sequence cut off, no
// overlong form, no surrogate, nothing above U+10FFFF.
bool IsUtf8(std::string_view bytes);

// A value's or a text's bytes as read: "&quot;" "&lt;" "&gt;" "&amp;" replaced
// in one pass (so "&amp;lt;" reads as "&lt;"), no other entity or character
// reference; the empty string when the bytes are not UTF-8.
std::string DecodeXmlText(std::string_view bytes);

// Attribute names and the words "true"/"false" match in any letter case, and
// only the 26 Latin letters have a case: the names a reader looks up are all
// Latin, and no other character (not the long s, not the Kelvin sign) stands
// for one of them.
constexpr char32_t FoldCase(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}
bool SameNoCase(std::string_view a, std::string_view b);

// The blanks around a number or a word that a value may carry: the Unicode
// white space (TAB to CR, space, U+0085, U+00A0, U+1680, U+2000 to U+200A,
// U+2028, U+2029, U+202F, U+205F, U+3000).
bool IsValueBlank(char32_t c);
// The UTF-8 value without such blanks at either end.
std::string_view TrimValue(std::string_view utf8);

// Counts lines as bytes go by: CR LF, a lone CR and a lone LF each end a line.
class LineCounter
{
public:
    void Feed(std::string_view bytes);
    // The line (1 for the first) the next byte stands on.
    int Line() const { return m_breaks + 1; }
    // The last line that holds anything: the line an unexpected end names.
    int LastLine() const { return m_breaks + (m_textAfterBreak ? 1 : 0); }

private:
    int m_breaks = 0;
    bool m_textAfterBreak = false;
    char m_previous = 0;
};

// The line (1 for the first) that offset stands on.
int LineAt(std::string_view bytes, std::size_t offset);

// What the first bytes of a file say, from the first non-blank byte on (one
// byte, or as many as are at hand): XML; UTF-16 (a byte order mark, or a NUL
// beside the first "<"); or not XML (anything else but "<" and a UTF-8 byte
// order mark, which the readers take as the start of a tag).
enum class FileStart { Xml, Utf16, NotXml };
FileStart KindOfStart(std::string_view start);

} // namespace rules
