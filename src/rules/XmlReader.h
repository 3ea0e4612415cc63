#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The project file's XML, read by the same rules as the editor's reader: tags
// up to the next ">", declarations and comments skipped, attributes split at
// blanks outside double quotes, the entities &quot; &lt; &gt; &amp;, element
// text up to the next "<" (TAB bytes dropped, all-blank text empty, layout
// blanks before the first child dropped), any end tag closing the innermost
// open element. Texts are kept as UTF-8; text that is not UTF-8 reads as empty.
namespace rules {

// A failure, with the line (1 for the first) where it was found; 0 when none.
class ReadError : public std::runtime_error
{
public:
    ReadError(const std::string &what, int line) : std::runtime_error(what), m_line(line) {}
    int Line() const { return m_line; }

private:
    int m_line;
};

struct XmlAttr
{
    std::string name;
    std::string value;
};

struct XmlNode
{
    std::string name;
    std::string text;
    std::vector<XmlAttr> attrs;
    std::vector<std::unique_ptr<XmlNode>> children;
    int line = 0;   // the line of the start tag

    // The first child named exactly so, or nullptr.
    const XmlNode *Child(std::string_view childName) const;
    // The first attribute of that name in any letter case, or nullptr.
    const std::string *Attr(std::string_view attrName) const;
};

class XmlReader
{
public:
    static constexpr int kMaxNestingDepth = 1000;
    static constexpr std::size_t kMaxFileSize = std::size_t(1) << 30;

    // The document element and everything under it. Throws ReadError.
    static std::unique_ptr<XmlNode> Parse(std::string_view bytes);
    // The four entities replaced in one pass; "" when the bytes are not UTF-8.
    static std::string Decode(std::string_view bytes);
    static bool IsUtf8(std::string_view bytes);
};

// The line (1 for the first) that offset stands on: CR LF, a lone CR and a
// lone LF each end a line.
int LineAt(std::string_view bytes, std::size_t offset);

} // namespace rules
