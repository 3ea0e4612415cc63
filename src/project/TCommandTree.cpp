#include "project/TCommandTree.h"

#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <limits>

namespace {
// Written into the project file, so never translated: the disc's visitors read it.
const char *const kAutoExitName = "Выход";
constexpr qint32 kLowestNumber = 1;
} // namespace

TCommandTree::TCommandTree(QObject *parent)
    : QAbstractItemModel(parent), m_root(new TBaseItem(QString(), ikGroup))
{
}

TCommandTree::~TCommandTree()
{
    delete m_root;
}

const QList<TBaseItem *> &TCommandTree::TopLevel() const
{
    return m_root->m_children;
}

void TCommandTree::ForEach(const std::function<void(TBaseItem *, int)> &visit) const
{
    // Iterative, so that deep files cannot exhaust the stack.
    struct Frame { TBaseItem *parent; int next; };
    QList<Frame> stack{{m_root, 0}};
    while (!stack.isEmpty()) {
        Frame &f = stack.last();
        if (f.next >= f.parent->ChildCount()) {
            stack.removeLast();
            continue;
        }
        TBaseItem *item = f.parent->m_children[f.next++];
        visit(item, int(stack.size()) - 1);
        if (!item->m_children.isEmpty())
            stack.append({item, 0});
    }
}

TBaseItem *TCommandTree::FindById(qint32 id) const
{
    const int count = m_used.value(id, 0);
    if (count == 0)
        return nullptr;
    if (count == 1) {
        if (TBaseItem *item = m_anyWithId.value(id, nullptr))
            return item;
    }
    // Several entries hold the number (files may carry duplicates): the first
    // in depth-first order wins.
    TBaseItem *found = nullptr;
    struct Frame { TBaseItem *parent; int next; };
    QList<Frame> stack{{m_root, 0}};
    while (!stack.isEmpty() && !found) {
        Frame &f = stack.last();
        if (f.next >= f.parent->ChildCount()) {
            stack.removeLast();
            continue;
        }
        TBaseItem *item = f.parent->m_children[f.next++];
        if (item->m_id == id)
            found = item;
        else if (!item->m_children.isEmpty())
            stack.append({item, 0});
    }
    return found;
}

// ---------------------------------------------------------------------------
// Numbering

void TCommandTree::IndexAdd(qint32 id, TBaseItem *item)
{
    int &count = m_used[id];
    ++count;
    if (count == 1)
        m_anyWithId.insert(id, item);
}

void TCommandTree::IndexRemove(qint32 id)
{
    auto it = m_used.find(id);
    if (it == m_used.end())
        return;
    if (--it.value() <= 0) {
        m_used.erase(it);
        m_anyWithId.remove(id);
    } else {
        // The remembered holder may be the one leaving; FindById searches then.
        m_anyWithId.remove(id);
    }
}

void TCommandTree::TakeNumber(TBaseItem *item)
{
    while (m_used.contains(m_nextNumber)) {
        if (m_nextNumber == std::numeric_limits<qint32>::max())
            m_nextNumber = kLowestNumber;   // the top is taken: look for a gap from the bottom
        else
            ++m_nextNumber;
    }
    item->m_id = m_nextNumber;
    IndexAdd(item->m_id, item);
    if (m_nextNumber != std::numeric_limits<qint32>::max())
        ++m_nextNumber;
}

// ---------------------------------------------------------------------------
// Structure

QModelIndex TCommandTree::IndexOfParent(TBaseItem *parentOrRoot) const
{
    return parentOrRoot == m_root ? QModelIndex() : createIndex(parentOrRoot->m_row, 0, parentOrRoot);
}

QModelIndex TCommandTree::IndexOf(const TBaseItem *item) const
{
    if (!item || item == m_root)
        return {};
    return createIndex(item->m_row, 0, const_cast<TBaseItem *>(item));
}

TBaseItem *TCommandTree::ItemAt(const QModelIndex &index)
{
    return index.isValid() ? static_cast<TBaseItem *>(index.internalPointer()) : nullptr;
}

void TCommandTree::RenumberRows(TBaseItem *parentOrRoot, int from)
{
    QList<TBaseItem *> &list = parentOrRoot->m_children;
    for (int i = std::max(from, 0); i < list.size(); ++i)
        list[i]->m_row = i;
}

void TCommandTree::Insert(TBaseItem *item, TBaseItem *parentOrRoot, int row)
{
    ++m_changing;
    if (!m_rebuilding)
        beginInsertRows(IndexOfParent(parentOrRoot), row, row);
    item->m_parent = parentOrRoot;
    parentOrRoot->m_children.insert(row, item);
    RenumberRows(parentOrRoot, row);
    ++m_count;
    if (!m_rebuilding)
        endInsertRows();
    --m_changing;
}

TBaseItem *TCommandTree::AddItem(const QString &name, TItemKind kind, TPlace place, bool withAutoExit)
{
    if (kind >= kItemKindCount)
        kind = ikGroup;
    TBaseItem *parentOrRoot;
    if (place.byChoice) {
        if (m_whereAdd == waInside)
            parentOrRoot = ParentOrRoot(m_currentGroup);
        else
            parentOrRoot = m_currentItem ? m_currentItem->m_parent : m_root;
    } else {
        parentOrRoot = ParentOrRoot(place.parent);
    }
    auto *item = new TBaseItem(name, kind);
    TakeNumber(item);
    Insert(item, parentOrRoot, parentOrRoot->ChildCount());
    if (item->IsGroup() && m_autoExit && withAutoExit)
        AddItem(QString::fromUtf8(kAutoExitName), ikExit, TPlace::LastChildOf(item), false);
    Select(item);
    Notify(tcMenu, item);
    return item;
}

void TCommandTree::IndexSubtree(TBaseItem *item, bool add)
{
    // Iterative, so that deep trees cannot exhaust the stack.
    int visited = 0;
    QList<TBaseItem *> pending{item};
    while (!pending.isEmpty()) {
        TBaseItem *next = pending.takeLast();
        if (add)
            IndexAdd(next->m_id, next);
        else
            IndexRemove(next->m_id);
        ++visited;
        for (TBaseItem *child : next->m_children)
            pending.append(child);
    }
    m_count += add ? visited : -visited;
}

void TCommandTree::Unlink(TBaseItem *item)
{
    TBaseItem *parentOrRoot = item->m_parent;
    const int row = item->m_row;
    ++m_changing;
    if (!m_rebuilding)
        beginRemoveRows(IndexOfParent(parentOrRoot), row, row);
    parentOrRoot->m_children.removeAt(row);
    RenumberRows(parentOrRoot, row);
    IndexSubtree(item, false);
    item->m_parent = nullptr;
    item->m_row = 0;
    if (!m_rebuilding)
        endRemoveRows();
    --m_changing;
    m_pendingItem = nullptr;
    EnsureCurrentValid(parentOrRoot, row, item);
}

void TCommandTree::Detach(TBaseItem *item)
{
    if (!item || !item->m_parent)
        return;
    Unlink(item);
    Notify(tcMenu, nullptr);
}

void TCommandTree::Attach(TBaseItem *item, TBaseItem *parent, int row)
{
    if (!item || item->m_parent)
        return;
    TBaseItem *parentOrRoot = ParentOrRoot(parent);
    row = std::clamp(row, 0, parentOrRoot->ChildCount());
    Insert(item, parentOrRoot, row);
    --m_count;   // Insert counted the entry; IndexSubtree counts the whole subtree
    IndexSubtree(item, true);
    Notify(tcMenu, item);
}

void TCommandTree::FreeDetached(TBaseItem *item)
{
    if (item && !item->m_parent)
        delete item;
}

void TCommandTree::EnsureCurrentValid(TBaseItem *parentOrRoot, int row, TBaseItem *removed)
{
    if (m_currentGroup && removed->Contains(m_currentGroup))
        m_currentGroup = nullptr;
    if (!m_currentItem || !removed->Contains(m_currentItem))
        return;
    // The selection moves to the next entry at the removed one's place, else
    // the one before it, else its group.
    m_currentItem = nullptr;
    const QList<TBaseItem *> &siblings = parentOrRoot->m_children;
    TBaseItem *next = nullptr;
    if (row < siblings.size())
        next = siblings[row];
    else if (row > 0)
        next = siblings[row - 1];
    else if (parentOrRoot != m_root)
        next = parentOrRoot;
    if (next)
        Select(next);
    else
        m_currentGroup = nullptr;
}

bool TCommandTree::DeleteItem(TBaseItem *item, TGroupContents contents)
{
    TBaseItem *taken = TakeItem(item, contents);
    FreeDetached(taken);
    return taken != nullptr;
}

TBaseItem *TCommandTree::TakeItem(TBaseItem *item, TGroupContents contents)
{
    if (!item || !item->m_parent)
        return nullptr;
    if (!item->IsGroup()) {
        if (item->m_id < m_nextNumber)
            m_nextNumber = item->m_id;
        Unlink(item);
        Notify(tcMenu, nullptr);
        return item;
    }
    if (contents == gcLiftUp) {
        // Each child in turn goes directly before the group, so that the
        // children take the group's place in their order.
        while (!item->m_children.isEmpty())
            MoveItem(item->m_children.constFirst(), item->Parent(), item->m_row);
    }
    // Deleting the children one by one ends with the same numbering as
    // removing the whole subtree: a deleted group sends the next number to 1.
    m_nextNumber = kLowestNumber;
    Unlink(item);
    Notify(tcMenu, nullptr);
    return item;
}

void TCommandTree::Clear()
{
    if (IsEmpty()) {
        m_currentItem = nullptr;
        m_currentGroup = nullptr;
        return;
    }
    // The same next number as deleting the top-level entries one by one, first
    // to last: a group sends it to 1 (whatever its children did before), every
    // other entry lowers it to its own number.
    for (const TBaseItem *item : m_root->m_children) {
        if (item->IsGroup())
            m_nextNumber = kLowestNumber;
        else if (item->m_id < m_nextNumber)
            m_nextNumber = item->m_id;
    }

    ++m_changing;
    if (!m_rebuilding)
        beginResetModel();
    for (TBaseItem *item : m_root->m_children)
        delete item;
    m_root->m_children.clear();
    m_used.clear();
    m_anyWithId.clear();
    m_count = 0;
    m_currentItem = nullptr;
    m_currentGroup = nullptr;
    m_pendingItem = nullptr;
    if (!m_rebuilding)
        endResetModel();
    --m_changing;
    Notify(tcMenu, nullptr);
}

bool TCommandTree::MoveItem(TBaseItem *item, TBaseItem *newParent, int row)
{
    if (!item)
        return false;
    TBaseItem *dst = ParentOrRoot(newParent);
    if (item->Contains(dst))
        return false;
    TBaseItem *src = item->m_parent;
    const int from = item->m_row;
    row = std::clamp(row, 0, dst->ChildCount());
    if (src == dst && (row == from || row == from + 1))
        return true;   // already there
    ++m_changing;
    if (!m_rebuilding)
        beginMoveRows(IndexOfParent(src), from, from, IndexOfParent(dst), row);
    src->m_children.removeAt(from);
    const int insertAt = (src == dst && row > from) ? row - 1 : row;
    dst->m_children.insert(insertAt, item);
    item->m_parent = dst;
    if (src == dst) {
        RenumberRows(src, std::min(from, insertAt));
    } else {
        RenumberRows(src, from);
        RenumberRows(dst, insertAt);
    }
    if (!m_rebuilding)
        endMoveRows();
    --m_changing;
    Notify(tcMenu, item);
    return true;
}

bool TCommandTree::MoveTo(TBaseItem *item, TBaseItem *newParent, int row)
{
    if (!item || !item->m_parent)
        return false;
    // MoveItem counts the row before the entry leaves its place.
    if (item->m_parent == ParentOrRoot(newParent) && row > item->m_row)
        ++row;
    return MoveItem(item, newParent, row);
}

bool TCommandTree::DropPlace(const TBaseItem *dragged, const TBaseItem *target, bool ctrl, bool shift,
                             TBaseItem *&newParent, int &row) const
{
    if (!dragged || !target || dragged == target || !dragged->m_parent || !target->m_parent)
        return false;
    if (target->IsGroup() && !ctrl) {
        newParent = const_cast<TBaseItem *>(target);
        row = shift ? 0 : target->ChildCount();
    } else {
        newParent = target->Parent();
        row = shift ? target->m_row : target->m_row + 1;
    }
    if (dragged->Contains(ParentOrRoot(newParent)))
        return false;   // a group cannot go into itself or its descendants
    // Directly before or after itself in its own place: it would stay.
    return !(dragged->m_parent == ParentOrRoot(newParent) && (row == dragged->m_row || row == dragged->m_row + 1));
}

bool TCommandTree::DropWouldMove(const TBaseItem *dragged, const TBaseItem *target, bool ctrl, bool shift) const
{
    TBaseItem *newParent = nullptr;
    int row = 0;
    return DropPlace(dragged, target, ctrl, shift, newParent, row);
}

bool TCommandTree::DropOnto(TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift)
{
    TBaseItem *newParent = nullptr;
    int row = 0;
    if (!DropPlace(dragged, target, ctrl, shift, newParent, row) || !MoveItem(dragged, newParent, row))
        return false;
    if (!dragged->IsGroup())
        m_currentGroup = dragged->Parent();
    return true;
}

// ---------------------------------------------------------------------------
// Selection and fields

void TCommandTree::Select(TBaseItem *item)
{
    if (!item)
        return;
    m_currentGroup = item->IsGroup() ? item : item->Parent();
    m_currentItem = item;
    ++m_selectionSerial;
    NotifyCurrent();
}

void TCommandTree::RestoreSelection(TBaseItem *item, TBaseItem *group)
{
    m_currentItem = item;
    m_currentGroup = group;
    ++m_selectionSerial;
    if (m_updating > 0 && item) {
        m_pendingCurrent = true;
        return;
    }
    emit CurrentChanged(item);
}

void TCommandTree::NotifyCurrent()
{
    if (m_updating > 0) {
        m_pendingCurrent = true;
        return;
    }
    emit CurrentChanged(m_currentItem);
}

void TCommandTree::Notify(TChanges what, TBaseItem *item)
{
    if (m_updating > 0) {
        m_pendingItem = m_pendingChanges ? nullptr : item;
        m_pendingChanges |= what;
        return;
    }
    emit Edited(what, item);
}

void TCommandTree::SetName(TBaseItem *item, const QString &name)
{
    if (!item || item->m_name == name)
        return;
    item->m_name = name;
    const QModelIndex index = IndexOf(item);
    emit dataChanged(index, index, {Qt::DisplayRole});
    Notify(tcMenu, item);
}

void TCommandTree::SetComment(TBaseItem *item, const QString &comment)
{
    if (!item || item->m_comment == comment)
        return;
    item->m_comment = comment;
    Notify(tcComment, item);
}

void TCommandTree::SetCustom(TBaseItem *item, const QString &custom)
{
    if (!item || item->m_custom == custom)
        return;
    item->m_custom = custom;
    Notify(tcData, item);
}

void TCommandTree::SetParams(TBaseItem *item, const QString &params)
{
    if (!item || item->m_params == params)
        return;
    item->m_params = params;
    Notify(tcData, item);
}

void TCommandTree::SetHidden(TBaseItem *item, bool hidden)
{
    if (!item || item->m_hidden == hidden)
        return;
    item->m_hidden = hidden;
    const QModelIndex index = IndexOf(item);
    emit dataChanged(index, index, {Qt::ForegroundRole});
    Notify(tcMenu, item);
}

void TCommandTree::SetId(TBaseItem *item, qint32 id)
{
    if (!item || item->m_id == id)
        return;
    IndexRemove(item->m_id);
    item->m_id = id;
    IndexAdd(id, item);
    Notify(tcData, item);
}

void TCommandTree::BeginRebuild()
{
    if (m_rebuilding)
        return;
    beginResetModel();
    m_rebuilding = true;
    ++m_changing;
}

void TCommandTree::EndRebuild()
{
    if (!m_rebuilding)
        return;
    m_rebuilding = false;
    --m_changing;
    endResetModel();
}

void TCommandTree::BeginUpdate()
{
    ++m_updating;
}

void TCommandTree::EndUpdate()
{
    if (m_updating == 0 || --m_updating > 0)
        return;
    if (m_pendingCurrent) {
        m_pendingCurrent = false;
        if (m_currentItem)
            emit CurrentChanged(m_currentItem);
    }
    if (m_pendingChanges) {
        const TChanges what = m_pendingChanges;
        TBaseItem *item = m_pendingItem;
        m_pendingChanges = {};
        m_pendingItem = nullptr;
        emit Edited(what, item);
    }
}

TMenuSource::Level TCommandTree::currentLevel() const
{
    Level level;
    const TBaseItem *levelParent = m_currentItem ? m_currentItem->m_parent : m_root;
    level.hasGroup = levelParent != m_root;
    if (level.hasGroup)
        level.groupCaption = levelParent->m_name;
    level.entries.reserve(levelParent->ChildCount());
    for (const TBaseItem *item : levelParent->m_children)
        level.entries.append({item->m_name, item->m_hidden});
    level.current = m_currentItem ? m_currentItem->m_row : -1;
    return level;
}
