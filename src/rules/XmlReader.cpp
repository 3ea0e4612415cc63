#include "rules/XmlReader.h"

#include "rules/ReadReasons.h"
#include "rules/XmlRules.h"

#include <algorithm>

namespace rules {

namespace {

char ByteAt(std::string_view s, std::size_t i)
{
    return i < s.size() ? s[i] : '\0';
}

// The next token of a start tag's inside: from the first non-blank byte to
// the next blank outside double quotes; the blank after it is consumed too.
bool NextToken(std::string_view s, std::size_t &pos, std::string_view &token)
{
    const std::size_t n = s.size();
    while (pos < n && IsMarkupBlank(s[pos]))
        ++pos;
    if (pos >= n)
        return false;
    const std::size_t start = pos;
    bool quoted = false;
    std::size_t i = start + 1;
    for (; i < n; ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else if (!quoted && IsMarkupBlank(s[i]))
            break;
    }
    token = s.substr(start, i - start);
    pos = i < n ? i + 1 : n;
    return true;
}

bool IsBlankText(std::string_view text)
{
    for (char c : text)
        if (!IsMarkupBlank(c))
            return false;
    return true;
}

class Parser
{
public:
    explicit Parser(std::string_view bytes) : m_s(bytes) {}

    enum class TagKind { Open, Empty, End };

    [[noreturn]] void Fail(const std::string &what, std::size_t at)
    {
        throw ReadError(what, LineOf(at));
    }

    [[noreturn]] void UnexpectedEnd() const
    {
        // The last line that holds anything, as the editor names it.
        LineCounter counter;
        counter.Feed(m_s);
        throw ReadError(kUnexpectedEnd, counter.LastLine());
    }

    // The line of an offset at or after every offset asked before: the bytes
    // are counted once as the reader goes.
    int LineOf(std::size_t at)
    {
        if (at > m_s.size())
            at = m_s.size();
        if (at > m_counted) {
            m_lines.Feed(m_s.substr(m_counted, at - m_counted));
            m_counted = at;
        }
        return m_lines.Line();
    }

    // The first bytes of the file, from the first non-blank one on.
    void CheckStart(std::string_view start, std::size_t at)
    {
        switch (KindOfStart(start)) {
        case FileStart::Xml: return;
        case FileStart::Utf16: Fail(kUtf16File, at);
        case FileStart::NotXml: Fail(kNotXml, at);
        }
    }

    std::string_view ReadTag(std::size_t &at)
    {
        while (m_pos < m_s.size() && IsMarkupBlank(m_s[m_pos]))
            ++m_pos;
        if (m_pos >= m_s.size())
            UnexpectedEnd();
        at = m_pos;
        if (at == m_firstTag)
            CheckStart(m_s.substr(at, 1), at);
        if (m_s[m_pos] == '>') {
            ++m_pos;
            return m_s.substr(at, 1);
        }
        const std::size_t close = m_s.find('>', m_pos + 1);
        if (close == std::string_view::npos)
            UnexpectedEnd();
        m_pos = close + 1;
        const std::string_view tag = m_s.substr(at, m_pos - at);
        if (at == m_firstTag)
            CheckStart(tag, at);
        return tag;
    }

    TagKind ReadHead(XmlNode &node, int level)
    {
        std::string_view tag;
        std::size_t at = 0;
        do {
            tag = ReadTag(at);
        } while (ByteAt(tag, 1) == '!' || ByteAt(tag, 1) == '?');
        if (ByteAt(tag, 1) == '/') {
            if (level == 1)
                Fail(kEndTagFirst, at);
            return TagKind::End;
        }
        if (level > XmlReader::kMaxNestingDepth)
            Fail(kNestingTooDeep, at);
        node.line = LineOf(at);
        const std::size_t n = tag.size();
        const bool empty = n >= 2 && tag[n - 2] == '/';
        const std::size_t drop = 1 + (empty ? 2 : 1);
        const std::string_view inside = tag.substr(n > 0 ? 1 : 0, n > drop ? n - drop : 0);
        std::size_t pos = 0;
        std::string_view token;
        NextToken(inside, pos, token);
        node.name = std::string(token);
        node.attrs.reserve(std::size_t(std::count(inside.begin(), inside.end(), '=')));
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
            // A name holding a double quote could not be written back as read.
            if (name.find('"') != std::string_view::npos)
                throw ReadError(std::string(kInvalidAttributeName), node.line, kInvalidAttributeName, node.name,
                                std::string(name), std::nullopt);
            node.attrs.push_back({std::string(name), DecodeXmlText(value)});
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
        const std::string_view piece = m_s.substr(m_pos, lt - m_pos);
        m_pos = lt;
        // Mostly the layout blanks before a child: no text at all.
        if (IsBlankText(piece))
            return;
        if (piece.find('\t') == std::string_view::npos) {
            node.text = DecodeXmlText(piece);
        } else {
            std::string raw;
            raw.reserve(piece.size());
            for (const char c : piece)
                if (c != '\t')
                    raw += c;
            node.text = DecodeXmlText(raw);
        }
        if (IsBlankText(node.text))
            node.text.clear();
    }

    std::unique_ptr<XmlNode> Document()
    {
        auto root = std::make_unique<XmlNode>();
        m_firstTag = m_s.find_first_not_of(" \t\r\n");
        const TagKind kind = ReadHead(*root, 1);
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
                while (end > 0 && IsMarkupBlank(parent->text[end - 1]))
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
    std::size_t m_firstTag = std::string_view::npos;
    LineCounter m_lines;
    std::size_t m_counted = 0;
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
        if (SameNoCase(a.name, attrName))
            return &a.value;
    return nullptr;
}

std::string *XmlNode::Attr(std::string_view attrName)
{
    for (XmlAttr &a : attrs)
        if (SameNoCase(a.name, attrName))
            return &a.value;
    return nullptr;
}

std::unique_ptr<XmlNode> XmlReader::Parse(std::string_view bytes)
{
    if (bytes.size() > kMaxFileSize)
        throw ReadError(kFileTooLarge, 0);
    Parser parser(bytes);
    return parser.Document();
}

} // namespace rules
