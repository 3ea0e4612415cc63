#include "project/TFixPathsCommand.h"

#include "project/TProjectCheck.h"

#include <QCoreApplication>
#include <QHash>

TFixPathsCommand::TFixPathsCommand(TCommandTree &tree, const QList<TFinding> &findings)
    : TTreeCommand(tree, QCoreApplication::translate("TFixPathsCommand", "исправление путей"))
{
    // An entry may have been deleted since the check: only those still in
    // the tree are touched.
    QHash<const TBaseItem *, QString> fixes;
    for (const TFinding &f : findings) {
        if (f.item && !f.fix.isEmpty())
            fixes.insert(f.item, f.fix);
    }
    tree.ForEach([&](TBaseItem *item, int) {
        const auto fix = fixes.constFind(item);
        if (fix != fixes.cend() && *fix != item->Custom())
            m_changes.append({item, item->Custom(), *fix});
    });
    setObsolete(m_changes.isEmpty());
}

void TFixPathsCommand::Redo()
{
    for (const TChange &c : m_changes)
        m_tree.SetCustom(c.item, c.after);
}

void TFixPathsCommand::Undo()
{
    for (const TChange &c : m_changes)
        m_tree.SetCustom(c.item, c.before);
}
