#include "rules/XmlReader.h"

namespace rules {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

char ByteAt(std::string_view s, std::size_t i)
{
    return i < s.size() ? s[i] : '\0';
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// The next token of a start tag's inside: from the first non-blank byte to
// the next blank outside double quotes; the blank after it is consumed too.
bool NextToken(std::string_view s, std::size_t &pos, std::string_view &token)
{
    const std::size_t n = s.size();
    while (pos < n && IsBlank(s[pos]))
        ++pos;
    if (pos >= n)
        return false;
    const std::size_t start = pos;
    bool quoted = false;
    std::size_t i = start + 1;
    for (; i < n; ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else if (!quoted && IsBlank(s[i]))
            break;
    }
    token = s.substr(start, i - start);
    pos = i < n ? i + 1 : n;
    return true;
}

bool IsBlankText(std::string_view text)
{
    for (char c : text)
        if (!IsBlank(c))
            return false;
    return true;
}

class Parser
{
public:
    explicit Parser(std::string_view bytes) : m_s(bytes) {}

    enum class TagKind { Open, Empty, End };

    [[noreturn]] void Fail(const std::string &what, std::size_t at) const
    {
        throw ReadError(what, LineAt(m_s, at));
    }

    [[noreturn]] void UnexpectedEnd() const
    {
        // The last line that holds anything, as the editor names it.
        int breaks = 0;
        bool textAfterBreak = false;
        char previous = 0;
        for (const char c : m_s) {
            if (c == '\r' || (c == '\n' && previous != '\r')) {
                ++breaks;
                textAfterBreak = false;
            } else if (c != '\n') {
                textAfterBreak = true;
            }
            previous = c;
        }
        throw ReadError("Unexpected end of file", breaks + (textAfterBreak ? 1 : 0));
    }

    std::string_view ReadTag(std::size_t &at)
    {
        while (m_pos < m_s.size() && IsBlank(m_s[m_pos]))
            ++m_pos;
        if (m_pos >= m_s.size())
            UnexpectedEnd();
        at = m_pos;
        if (m_s[m_pos] == '>') {
            ++m_pos;
            return m_s.substr(at, 1);
        }
        const std::size_t close = m_s.find('>', m_pos + 1);
        if (close == std::string_view::npos)
            UnexpectedEnd();
        m_pos = close + 1;
        return m_s.substr(at, m_pos - at);
    }

    TagKind ReadHead(XmlNode &node, int level)
    {
        std::string_view tag;
        std::size_t at = 0;
        do {
            tag = ReadTag(at);
        } while (ByteAt(tag, 1) == '!' || ByteAt(tag, 1) == '?');
        if (ByteAt(tag, 1) == '/')
            return TagKind::End;
        if (level > XmlReader::kMaxNestingDepth)
            Fail("Element nesting too deep", at);
        node.line = LineAt(m_s, at);
        const std::size_t n = tag.size();
        const bool empty = n >= 2 && tag[n - 2] == '/';
        const std::size_t drop = 1 + (empty ? 2 : 1);
        const std::string_view inside = tag.substr(n > 0 ? 1 : 0, n > drop ? n - drop : 0);
        std::size_t pos = 0;
        std::string_view token;
        NextToken(inside, pos, token);
        node.name = std::string(token);
        while (NextToken(inside, pos, token)) {
            const std::size_t eq = token.find('=');
            std::string_view name = token;
            std::string_view value = token;
            if (eq != std::string_view::npos) {
                name = token.substr(0, eq);
                value = token.substr(eq + 1);
            }
            if (!value.empty() && value.front() == '"')
                value.remove_prefix(1);
            if (!value.empty() && value.back() == '"')
                value.remove_suffix(1);
            node.attrs.push_back({std::string(name), XmlReader::Decode(value)});
        }
        return empty ? TagKind::Empty : TagKind::Open;
    }

    void ReadText(XmlNode &node)
    {
        if (m_pos >= m_s.size())
            UnexpectedEnd();
        const std::size_t lt = m_s.find('<', m_pos);
        if (lt == std::string_view::npos)
            UnexpectedEnd();
        std::string raw;
        raw.reserve(lt - m_pos);
        for (std::size_t i = m_pos; i < lt; ++i)
            if (m_s[i] != '\t')
                raw += m_s[i];
        m_pos = lt;
        node.text = XmlReader::Decode(raw);
        if (IsBlankText(node.text))
            node.text.clear();
    }

    std::unique_ptr<XmlNode> Document()
    {
        auto root = std::make_unique<XmlNode>();
        const TagKind kind = ReadHead(*root, 1);
        if (kind == TagKind::End)
            return root;   // nothing but an end tag: an empty document element
        if (kind == TagKind::Empty)
            return root;
        ReadText(*root);
        std::vector<XmlNode *> open{root.get()};
        while (!open.empty()) {
            XmlNode *parent = open.back();
            auto child = std::make_unique<XmlNode>();
            const TagKind k = ReadHead(*child, int(open.size()) + 1);
            if (k == TagKind::End) {
                open.pop_back();
                continue;
            }
            if (parent->children.empty()) {
                std::size_t end = parent->text.size();
                while (end > 0 && IsBlank(parent->text[end - 1]))
                    --end;
                parent->text.resize(end);
            }
            XmlNode *added = child.get();
            parent->children.push_back(std::move(child));
            if (k == TagKind::Open) {
                ReadText(*added);
                open.push_back(added);
            }
        }
        return root;
    }

private:
    std::string_view m_s;
    std::size_t m_pos = 0;
};

} // namespace

const XmlNode *XmlNode::Child(std::string_view childName) const
{
    for (const auto &c : children)
        if (c->name == childName)
            return c.get();
    return nullptr;
}

const std::string *XmlNode::Attr(std::string_view attrName) const
{
    for (const XmlAttr &a : attrs)
        if (EqualNoCase(a.name, attrName))
            return &a.value;
    return nullptr;
}

int LineAt(std::string_view bytes, std::size_t offset)
{
    int line = 1;
    const std::size_t end = offset < bytes.size() ? offset : bytes.size();
    for (std::size_t i = 0; i < end; ++i) {
        if (bytes[i] == '\r' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')))
            ++line;
    }
    return line;
}

bool XmlReader::IsUtf8(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
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
            return false;
        }
        if (n - i <= std::size_t(extra))
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char c = p[i + std::size_t(k)];
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += std::size_t(extra) + 1;
    }
    return true;
}

std::string XmlReader::Decode(std::string_view bytes)
{
    if (!IsUtf8(bytes))
        return std::string();
    if (bytes.find('&') == std::string_view::npos)
        return std::string(bytes);
    static const struct
    {
        std::string_view name;
        char ch;
    } kEntities[] = {{"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}};
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] != '&') {
            out += bytes[i++];
            continue;
        }
        bool replaced = false;
        for (const auto &e : kEntities) {
            if (bytes.substr(i, e.name.size()) == e.name) {
                out += e.ch;
                i += e.name.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out += '&';
            ++i;
        }
    }
    return out;
}

std::unique_ptr<XmlNode> XmlReader::Parse(std::string_view bytes)
{
    if (bytes.size() > kMaxFileSize)
        throw ReadError("File too large", 0);
    Parser parser(bytes);
    return parser.Document();
}

} // namespace rules
