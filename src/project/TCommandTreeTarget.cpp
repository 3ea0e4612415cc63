#include "project/TCommandTreeTarget.h"

TImportTarget::Node TCommandTreeTarget::addGroup(const QString &name, Node parent)
{
    const TCommandTree::TPlace place =
        parent ? TCommandTree::TPlace::LastChildOf(item(parent)) : TCommandTree::TPlace::ByChoice();
    return m_tree.AddItem(name, ikGroup, place);
}

void TCommandTreeTarget::setComment(Node entry, const QString &comment)
{
    m_tree.SetComment(item(entry), comment);
}

TImportTarget::Node TCommandTreeTarget::addProgram(Node group, const QString &name, const QString &path)
{
    TBaseItem *program = m_tree.AddItem(name, ikProgram, TCommandTree::TPlace::LastChildOf(item(group)));
    m_tree.SetCustom(program, path);
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
    m_tree.DeleteItem(item(entry), false);
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
