#include "xml/TXNode.h"

#include "base/BrenwickError.h"
#include "xml/TXStream.h"
#include "xml/XmlText.h"
#include "rules/ReadReasons.h"
#include "rules/XmlRules.h"

#include <memory>
#include <vector>

namespace {

char byteAt(QByteArrayView bytes, qsizetype i)
{
    return i < bytes.size() ? bytes[i] : '\0';
}

// Splits the next token off the inside of a start tag, from pos on. A token
// runs from the first non-blank byte to the byte before the next blank that is
// not inside double quotes; each double quote after the token's first byte
// switches between inside and outside. The blank after the token is consumed
// too. Returns false when only blanks remain.
bool nextToken(QByteArrayView s, qsizetype &pos, QByteArrayView &token)
{
    const qsizetype n = s.size();
    while (pos < n && TXInput::IsBlank(s[pos]))
        ++pos;
    if (pos >= n) {
        token = QByteArrayView();
        return false;
    }
    const qsizetype start = pos;
    bool quoted = false;
    qsizetype i = start + 1;
    for (; i < n; ++i) {
        const char c = s[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && TXInput::IsBlank(c))
            break;
    }
    token = s.sliced(start, i - start);
    pos = i < n ? i + 1 : n;
    return true;
}

bool isBlankText(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u != u' ' && u != u'\t' && u != u'\r' && u != u'\n')
            return false;
    }
    return true;
}

// Text followed by a child ends with the line break and indentation the
// writer puts before that child: they are layout, not text, or every save
// would add another indented line.
void dropLayoutBlanks(QString &text)
{
    qsizetype end = text.size();
    while (end > 0) {
        const char16_t u = text.at(end - 1).unicode();
        if (u != u' ' && u != u'\t' && u != u'\r' && u != u'\n')
            break;
        --end;
    }
    text.truncate(end);
}

} // namespace

TXNode::TXNode(const QString &name) : m_name(name) {}

TXNode::~TXNode()
{
    releaseList(m_firstChild);
}

// Releases a sibling list with all subtrees without recursion, so that neither
// long lists nor deep trees can exhaust the stack.
void TXNode::releaseList(TXNode *first)
{
    TXNode *pending = first;
    while (pending) {
        TXNode *node = pending;
        pending = node->m_next;
        if (node->m_firstChild) {
            node->m_lastChild->m_next = pending;
            pending = node->m_firstChild;
            node->m_firstChild = node->m_lastChild = nullptr;
        }
        node->m_next = nullptr;
        delete node;
    }
}

void TXNode::appendChild(TXNode *child)
{
    if (m_lastChild)
        m_lastChild->m_next = child;
    else
        m_firstChild = child;
    m_lastChild = child;
}

TXNode *TXNode::AddChild(const QString &name)
{
    auto *child = new TXNode(name);
    appendChild(child);
    return child;
}

TXNode *TXNode::FindChild(const QString &name) const
{
    for (TXNode *c = m_firstChild; c; c = c->m_next) {
        if (c->m_name == name)
            return c;
    }
    return nullptr;
}

TXNode *TXNode::Child(const QString &name)
{
    if (TXNode *found = FindChild(name))
        return found;
    return AddChild(name);
}

int TXNode::ChildCount() const
{
    int count = 0;
    for (TXNode *c = m_firstChild; c; c = c->m_next)
        ++count;
    return count;
}

TXNode *TXNode::ChildAt(int index) const
{
    if (index < 0)
        return nullptr;
    TXNode *c = m_firstChild;
    for (; c && index > 0; --index)
        c = c->m_next;
    return c;
}

void TXNode::RemoveChild(TXNode *child)
{
    if (!child)
        return;
    TXNode *previous = nullptr;
    for (TXNode *c = m_firstChild; c; previous = c, c = c->m_next) {
        if (c != child)
            continue;
        if (previous)
            previous->m_next = c->m_next;
        else
            m_firstChild = c->m_next;
        if (m_lastChild == c)
            m_lastChild = previous;
        c->m_next = nullptr;
        delete c;
        return;
    }
}

void TXNode::ClearChildren()
{
    TXNode *first = m_firstChild;
    m_firstChild = m_lastChild = nullptr;
    releaseList(first);
}

bool TXNode::SameAttrName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (rules::FoldCase(a[i].unicode()) != rules::FoldCase(b[i].unicode()))
            return false;
    return true;
}

void TXNode::SetAttr(const QString &name, const TAttrValue &value)
{
    for (Attr &a : m_attrs) {
        if (SameAttrName(a.name, name)) {
            a.value = value.Value();
            return;
        }
    }
    m_attrs.append({name, value.Value()});
}

TAttrValue TXNode::GetAttr(const QString &name) const
{
    for (const Attr &a : m_attrs) {
        if (SameAttrName(a.name, name))
            return TAttrValue(a.value);
    }
    return TAttrValue::Missing();
}

TAttrValue TXNode::AttrAt(int index) const
{
    if (index < 0 || index >= m_attrs.size())
        return TAttrValue::Missing();
    return TAttrValue(m_attrs[index].value);
}

QString TXNode::AttrName(int index) const
{
    if (index < 0 || index >= m_attrs.size())
        return QString();
    return m_attrs[index].name;
}

// ---- reading ----

void TXNode::failAt(const TXInput &in, const char *reason)
{
    BrenwickError error(QString::fromLatin1(reason));
    error.place().offset = in.TagOffset();
    throw error;
}

// Reads a start tag into this node (name, then attributes appended), skipping
// declarations and comments before it. An end tag leaves the node unchanged.
TXNode::TagKind TXNode::readHead(TXInput &in, int level)
{
    QByteArrayView tag;
    do {
        tag = in.readTagView();
    } while (byteAt(tag, 1) == '!' || byteAt(tag, 1) == '?');
    if (byteAt(tag, 1) == '/')
        return TagKind::End;
    if (level > kMaxNestingDepth)
        failAt(in, rules::kNestingTooDeep);

    const qsizetype n = tag.size();
    const bool empty = n >= 2 && tag[n - 2] == '/';
    // Drop the leading "<" (whatever the first byte is) and the trailing ">" or "/>".
    const qsizetype insideLength = qMax<qsizetype>(0, n - 1 - (empty ? 2 : 1));
    const QByteArrayView inside = tag.sliced(n > 0 ? 1 : 0, insideLength);

    qsizetype pos = 0;
    QByteArrayView token;
    nextToken(inside, pos, token);
    m_name = in.NameText(token);
    while (nextToken(inside, pos, token)) {
        const qsizetype eq = token.indexOf('=');
        QByteArrayView name = token;
        QByteArrayView value = token;
        if (eq >= 0) {
            name = token.first(eq);
            value = token.sliced(eq + 1);
        }
        if (value.startsWith('"'))
            value = value.sliced(1);
        if (value.endsWith('"'))
            value.chop(1);
        // Names are written as they stand: one holding a double quote would
        // read back as other attributes at every save.
        if (name.contains('"')) {
            BrenwickError error(QString::fromLatin1(rules::kInvalidAttributeName), TFilePlace::fwName);
            error.place().elements = QStringList{m_name};
            error.place().attribute = in.NameText(name);
            error.place().offset = in.TagOffset();
            throw error;
        }
        m_attrs.append({in.NameText(name), XmlDecode(value)});
    }
    return empty ? TagKind::Empty : TagKind::Open;
}

void TXNode::readText(TXInput &in)
{
    QString text = XmlDecode(in.readTextView());
    if (isBlankText(text))
        text.clear();
    m_text = text;
    if (in.m_onText)
        in.m_onText(*this);
}

bool TXNode::ReadFrom(TXInput &in)
{
    const int base = in.m_depth;
    struct DepthRestore
    {
        TXInput &in;
        int depth;
        ~DepthRestore() { in.m_depth = depth; }
    } restore{in, base};

    const TagKind kind = readHead(in, base + 1);
    if (kind == TagKind::End)
        return false;
    if (kind == TagKind::Empty)
        return true;
    readText(in);

    // The open elements, innermost last; each reads children until its end tag.
    std::vector<TXNode *> open{this};
    try {
        readChildren(in, base, open);
    } catch (BrenwickError &e) {
        // An attribute name is named with the elements it stands in.
        if (e.place().what == TFilePlace::fwName)
            for (auto it = open.crbegin(); it != open.crend(); ++it)
                e.place().elements.prepend((*it)->m_name);
        throw;
    }
    return true;
}

void TXNode::readChildren(TXInput &in, int base, std::vector<TXNode *> &open)
{
    while (!open.empty()) {
        TXNode *parent = open.back();
        const int childLevel = base + int(open.size()) + 1;
        in.m_depth = childLevel - 1;
        auto child = std::make_unique<TXNode>();
        const TagKind k = child->readHead(in, childLevel);
        if (k == TagKind::End) {
            open.pop_back();
            continue;
        }
        TXNode *added = child.release();
        if (!parent->m_firstChild)
            dropLayoutBlanks(parent->m_text);
        parent->appendChild(added);
        if (k == TagKind::Open) {
            added->readText(in);
            open.push_back(added);
        }
    }
}

bool TXNode::ReadChild(TXInput &in)
{
    auto child = std::make_unique<TXNode>();
    const bool read = child->ReadFrom(in);
    if (read)
        appendChild(child.release());
    return read;
}

// ---- writing ----

void TXNode::writeStartTag(TXOutput &out) const
{
    out.Write("<");
    out.WriteUtf8(m_name);
    for (const Attr &a : m_attrs) {
        out.Write(" ");
        out.WriteUtf8(a.name);
        out.Write("=\"");
        out.WriteEncoded(a.value);
        out.Write("\"");
    }
}

void TXNode::WriteTo(TXOutput &out) const
{
    if (isBlankNode())
        return;
    const int base = out.Depth;

    // Writes a node's opening; true when its children follow.
    auto open = [&out](const TXNode *node, int depth) {
        out.WriteSpaces(2 * depth);
        node->writeStartTag(out);
        if (!node->m_firstChild && node->m_text.isEmpty()) {
            out.Write("/>\r\n");
            return false;
        }
        out.Write(">");
        out.WriteEncoded(node->m_text);
        if (node->m_firstChild) {
            out.Write("\r\n");
            return true;
        }
        out.Write("</");
        out.WriteUtf8(node->m_name);
        out.Write(">\r\n");
        return false;
    };

    struct Frame
    {
        const TXNode *node;
        const TXNode *nextChild;
    };
    std::vector<Frame> stack;
    if (open(this, base))
        stack.push_back({this, m_firstChild});
    while (!stack.empty()) {
        const int depth = base + int(stack.size()) - 1;
        Frame &top = stack.back();
        const TXNode *child = top.nextChild;
        if (!child) {
            out.WriteSpaces(2 * depth);
            out.Write("</");
            out.WriteUtf8(top.node->m_name);
            out.Write(">\r\n");
            stack.pop_back();
            continue;
        }
        top.nextChild = child->m_next;
        if (child->isBlankNode())
            continue;
        // Never write what the reader refuses: the child's level as the reader
        // counts it (the root is level 1) must stay within its limit.
        if (depth + 2 > kMaxNestingDepth)
            throw BrenwickError(QStringLiteral("Element nesting too deep"));
        out.Depth = depth + 1;
        if (open(child, depth + 1))
            stack.push_back({child, child->m_firstChild});
    }
    out.Depth = base;
}
