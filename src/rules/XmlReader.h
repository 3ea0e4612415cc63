#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The project file's XML, read by the same rules as the editor's reader (the
// leaf rules are rules/XmlRules, shared with it): tags
// up to the next ">", declarations and comments skipped, attributes split at
// blanks outside double quotes, the entities &quot; &lt; &gt; &amp;, element
// text up to the next "<" (TAB bytes dropped, all-blank text empty, layout
// blanks before the first child dropped), any end tag closing the innermost
// open element. Texts are kept as UTF-8; text that is not UTF-8 reads as empty.
// Refused: a UTF-16 file or one that is not XML, an attribute name holding a
// double quote, an end tag before the document element, an end of file
// before the document element closes, nesting deeper than kMaxNestingDepth.
namespace rules {

// A failure, with the line (1 for the first) where it was found (0 when
// none), the reason in the editor's words (the whole message when no place
// is named) and the place: an element's path, an attribute and its text
// (none when it is missing).
class ReadError : public std::runtime_error
{
public:
    ReadError(const std::string &reason, int line) : std::runtime_error(reason), m_line(line), m_reason(reason) {}
    ReadError(const std::string &what, int line, std::string reason, std::string element, std::string attribute,
              std::optional<std::string> value)
        : std::runtime_error(what), m_line(line), m_reason(std::move(reason)), m_element(std::move(element)),
          m_attribute(std::move(attribute)), m_value(std::move(value))
    {
    }
    int Line() const { return m_line; }
    const std::string &Reason() const { return m_reason; }
    const std::string &Element() const { return m_element; }
    const std::string &Attribute() const { return m_attribute; }
    const std::optional<std::string> &Value() const { return m_value; }

private:
    int m_line;
    std::string m_reason;
    std::string m_element;
    std::string m_attribute;
    std::optional<std::string> m_value;
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
    std::string *Attr(std::string_view attrName);
};

class XmlReader
{
public:
    static constexpr int kMaxNestingDepth = 1000;
    static constexpr std::size_t kMaxFileSize = std::size_t(1) << 30;

    // The document element and everything under it. Throws ReadError.
    static std::unique_ptr<XmlNode> Parse(std::string_view bytes);
};

} // namespace rules
