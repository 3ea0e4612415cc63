#pragma once

#include <QList>
#include <QString>

// The five kinds of command-tree entries. The code is also the index of the
// entry's picture and decides the element name in the project file.
enum TItemKind : quint8 {
    ikGroup = 0,
    ikProgram = 1,
    ikUrl = 2,
    ikComment = 3,
    ikExit = 4,
};

constexpr int kItemKindCount = 5;

// "group", "program", "url", "comment", "exit".
QString ItemKindElementName(TItemKind kind);
// The kind whose element name equals name exactly; any other name is a group.
TItemKind ItemKindFromElementName(const QString &name);
// The add button's caption in the interface language: "Группа", ...
QString ItemKindCaption(TItemKind kind);
// A new entry's name, the Russian caption whatever the interface language:
// the project file and the disc's menu never depend on the editor's language.
QString ItemKindDefaultName(TItemKind kind);
// The Qt resource path of the kind's picture.
QString ItemKindIconPath(TItemKind kind);

class TCommandTree;

// One entry of the command tree. Entries are owned by their TCommandTree (each
// by its parent entry); all changes go through the tree, which keeps the
// number index, the views and the selection in step.
class TBaseItem
{
public:
    const QString &Name() const { return m_name; }
    const QString &Comment() const { return m_comment; }
    // A program's path or a URL's address.
    const QString &Custom() const { return m_custom; }
    // A program's command-line parameters.
    const QString &Params() const { return m_params; }
    TItemKind Kind() const { return m_kind; }
    bool IsGroup() const { return m_kind == ikGroup; }
    qint32 Id() const { return m_id; }
    bool Hidden() const { return m_hidden; }

    // The parent group, or nullptr at the top level.
    TBaseItem *Parent() const;
    const QList<TBaseItem *> &Children() const { return m_children; }
    int ChildCount() const { return int(m_children.size()); }
    // Position among the siblings, from 0.
    int Row() const { return m_row; }
    // True when this entry is item or one of its ancestors.
    bool Contains(const TBaseItem *item) const;

    TBaseItem(const TBaseItem &) = delete;
    TBaseItem &operator=(const TBaseItem &) = delete;

private:
    friend class TCommandTree;
    TBaseItem(const QString &name, TItemKind kind) : m_name(name), m_kind(kind) {}
    ~TBaseItem();

    QString m_name;
    QString m_comment;
    QString m_custom;
    QString m_params;
    TItemKind m_kind;
    qint32 m_id = 0;
    bool m_hidden = false;
    TBaseItem *m_parent = nullptr;   // the tree's invisible root at the top level
    QList<TBaseItem *> m_children;
    int m_row = 0;
};
