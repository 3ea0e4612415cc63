#include "project/TCommandTreeTarget.h"

#include <algorithm>

TImportTarget::Node TCommandTreeTarget::addGroup(const QString &name, Node parent)
{
    const TCommandTree::TPlace place =
        parent ? TCommandTree::TPlace::LastChildOf(item(parent)) : TCommandTree::TPlace::ByChoice();
    TBaseItem *group = m_tree.AddItem(name, ikGroup, place);
    Track(group);
    return group;
}

void TCommandTreeTarget::setComment(Node entry, const QString &comment)
{
    m_tree.SetComment(item(entry), comment);
}

TImportTarget::Node TCommandTreeTarget::addProgram(Node group, const QString &name, const QString &path)
{
    TBaseItem *program = m_tree.AddItem(name, ikProgram, TCommandTree::TPlace::LastChildOf(item(group)));
    m_tree.SetCustom(program, path);
    Track(program);
    return program;
}

int TCommandTreeTarget::childCount(Node group) const
{
    return item(group)->ChildCount();
}

void TCommandTreeTarget::moveLastChildBefore(Node group)
{
    TBaseItem *g = item(group);
    if (g->ChildCount() == 0)
        return;
    m_tree.MoveItem(g->Children().constLast(), g->Parent(), g->Row());
}

void TCommandTreeTarget::deleteEntry(Node entry)
{
    Untrack(item(entry));
    m_tree.DeleteItem(item(entry));
}

void TCommandTreeTarget::begin()
{
    m_tree.BeginUpdate();
    if (onBegin)
        onBegin();
}

void TCommandTreeTarget::end()
{
    m_tree.EndUpdate();
    if (onEnd)
        onEnd();
}

void TCommandTreeTarget::Track(TBaseItem *entry)
{
    if (!m_tracking)
        return;
    m_created.insert(entry);
    for (TBaseItem *child : entry->Children())   // the automatic exit entry
        m_created.insert(child);
}

void TCommandTreeTarget::Untrack(TBaseItem *entry)
{
    if (!m_tracking || !entry)
        return;
    QList<TBaseItem *> pending{entry};
    while (!pending.isEmpty()) {
        TBaseItem *next = pending.takeLast();
        m_created.remove(next);
        pending.append(next->Children());
    }
}

QList<TBaseItem *> TCommandTreeTarget::AddedRoots() const
{
    QList<TBaseItem *> roots;
    for (TBaseItem *entry : m_created) {
        if (!entry->Parent() || !m_created.contains(entry->Parent()))
            roots.append(entry);
    }
    std::stable_sort(roots.begin(), roots.end(),
                     [](const TBaseItem *a, const TBaseItem *b) { return a->Row() < b->Row(); });
    return roots;
}
