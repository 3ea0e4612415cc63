#pragma once

#include "xml/TAttrValue.h"

#include <QList>
#include <QString>
#include <vector>

class TXInput;
class TXOutput;

// One element of the XML document model: a name, named attributes in the order
// they were first set or read, an optional text, and children in a singly
// linked list (FirstChild, then Next). A node owns its children and releases
// them with itself; a child is released when it is removed from its parent.
//
// Lookups of children by name are exact (case matters); lookups of attributes
// by name ignore letter case.
class TXNode
{
public:
    explicit TXNode(const QString &name = QString());
    ~TXNode();

    TXNode(const TXNode &) = delete;
    TXNode &operator=(const TXNode &) = delete;

    const QString &Name() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    // Character content between the start tag and the first child or end tag.
    const QString &Text() const { return m_text; }
    void SetText(const QString &text) { m_text = text; }

    // The child list: walk it with FirstChild and Next.
    TXNode *FirstChild() const { return m_firstChild; }
    TXNode *Next() const { return m_next; }

    // Appends a new child with that name, no attributes and empty text.
    TXNode *AddChild(const QString &name);
    // The first child named exactly so; when there is none, a new one is added
    // (so a missing element reads as an empty one).
    TXNode *Child(const QString &name);
    // The first child named exactly so, or nullptr; adds nothing.
    TXNode *FindChild(const QString &name) const;
    int ChildCount() const;
    // nullptr when the index is out of range.
    TXNode *ChildAt(int index) const;
    // Unlinks and releases the node if it is a child of this node; otherwise
    // does nothing.
    void RemoveChild(TXNode *child);
    // Releases all children; name, attributes and text stay.
    void ClearChildren();

    // Replaces the value of an existing attribute of that name (any letter
    // case) in place, keeping its position and stored name; otherwise appends
    // a new attribute. The missing marker is stored as empty text.
    void SetAttr(const QString &name, const TAttrValue &value);
    // The value of the first attribute of that name (any letter case), or the
    // missing marker.
    TAttrValue GetAttr(const QString &name) const;
    // By position (0-based); the missing marker when out of range.
    TAttrValue AttrAt(int index) const;
    // The stored name by position; empty when out of range.
    QString AttrName(int index) const;
    int AttrCount() const { return int(m_attrs.size()); }

    // Reads one element from the input into this node: its name, its
    // attributes (appended after any this node already has), its text and its
    // children. Declarations, processing instructions, document types and
    // comments where a tag is expected are skipped, each up to its first ">".
    // Returns false, leaving the node unchanged, when an end tag comes instead.
    // Throws BrenwickError "Unexpected end of file" when the input ends before
    // the element does, "Element nesting too deep" beyond kMaxNestingDepth
    // levels, "Invalid attribute name" for a name holding a double quote,
    // which could not be written back as it was read, and, at the input's
    // first tag, the refusals of a file that is UTF-16 or not XML.
    bool ReadFrom(TXInput &in);
    // Reads one element as a new last child; returns ReadFrom's result (on
    // false no child is added).
    bool ReadChild(TXInput &in);

    // Writes this node and its subtree at the output's current depth: nothing
    // for a node without attributes, text and children; a start tag closed by
    // "/>" for attributes only; otherwise start tag, text, children on their
    // own lines indented by two spaces a level, end tag. Every line ends with
    // CR LF. Throws BrenwickError "Element nesting too deep" rather than write
    // an element deeper than ReadFrom accepts.
    void WriteTo(TXOutput &out) const;

    static constexpr int kMaxNestingDepth = 1000;
    // Attribute names match in any letter case of the Latin letters (the
    // folding rule the player shares, rules::FoldCase).
    static bool SameAttrName(QStringView a, QStringView b);

private:
    friend class TXDocument;

    struct Attr
    {
        QString name;
        QString value;
    };

    enum class TagKind { End, Empty, Open };

    void appendChild(TXNode *child);
public:
    // Throws reason for the tag just read, with its offset.
    [[noreturn]] static void failAt(const TXInput &in, const char *reason);

private:
    bool isBlankNode() const { return m_attrs.isEmpty() && m_text.isEmpty() && !m_firstChild; }
    TagKind readHead(TXInput &in, int level);
    void readText(TXInput &in);
    // Reads the children of the open elements (innermost last) until all are closed.
    static void readChildren(TXInput &in, int base, std::vector<TXNode *> &open);
    void writeStartTag(TXOutput &out) const;
    static void releaseList(TXNode *first);

    QString m_name;
    QString m_text;
    QList<Attr> m_attrs;
    TXNode *m_next = nullptr;
    TXNode *m_firstChild = nullptr;
    TXNode *m_lastChild = nullptr;
};
