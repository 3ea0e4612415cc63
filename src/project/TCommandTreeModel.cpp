// The command tree as Qt's item model: its index structure, what each row
// shows (caption, kind icon, hidden entries greyed, groups bold) and the
// drag and drop it allows.
#include "project/TCommandTree.h"

#include "base/LazyIcon.h"

#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>

QModelIndex TCommandTree::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    const TBaseItem *p = parent.isValid() ? ItemAt(parent) : m_root;
    if (row >= p->ChildCount())
        return {};
    return createIndex(row, 0, p->m_children[row]);
}

QModelIndex TCommandTree::parent(const QModelIndex &child) const
{
    const TBaseItem *item = ItemAt(child);
    if (!item || item->m_parent == m_root || !item->m_parent)
        return {};
    return createIndex(item->m_parent->m_row, 0, item->m_parent);
}

int TCommandTree::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const TBaseItem *p = parent.isValid() ? ItemAt(parent) : m_root;
    return p->ChildCount();
}

int TCommandTree::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant TCommandTree::data(const QModelIndex &index, int role) const
{
    const TBaseItem *item = ItemAt(index);
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return item->m_name;
    case Qt::DecorationRole:
        if (m_icons.isEmpty())
            for (int k = 0; k < kItemKindCount; ++k)
                m_icons.append(icons::Lazy(ItemKindIconPath(TItemKind(k))));
        return m_icons[item->m_kind];
    case Qt::FontRole:
        if (item->IsGroup()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        // Hidden entries stay in the tree, drawn greyed: the menu leaves them out.
        if (item->m_hidden)
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    case ItemRole:
        return QVariant::fromValue(static_cast<void *>(const_cast<TBaseItem *>(item)));
    default:
        return {};
    }
}

Qt::ItemFlags TCommandTree::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

Qt::DropActions TCommandTree::supportedDropActions() const
{
    return Qt::MoveAction;
}

Qt::DropActions TCommandTree::supportedDragActions() const
{
    return Qt::MoveAction;
}
