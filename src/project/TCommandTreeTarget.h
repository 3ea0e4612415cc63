#pragma once

#include "project/TCommandTree.h"
#include "project/TImportTarget.h"

#include <QSet>
#include <functional>

// A folder import into the editor's command tree, through the tree's own
// add, move and delete operations (numbering, "Куда", the automatic exit
// entry). The whole import is one bulk change of the tree: the selection and
// the design window follow once at the end, and the project is marked
// modified then.
class TCommandTreeTarget : public TImportTarget
{
public:
    explicit TCommandTreeTarget(TCommandTree &tree) : m_tree(tree) {}

    // Run before the first entry (after BeginUpdate) and after the last one
    // (after EndUpdate): the editor hides and shows its windows there.
    std::function<void()> onBegin;
    std::function<void()> onEnd;

    Node currentGroup() const override { return m_tree.CurrentGroup(); }
    bool autoExit() const override { return m_tree.AutoExit(); }
    Node addGroup(const QString &name, Node parent) override;
    void setComment(Node entry, const QString &comment) override;
    Node addProgram(Node group, const QString &name, const QString &path) override;
    int childCount(Node group) const override;
    void moveLastChildBefore(Node group) override;
    void deleteEntry(Node entry) override;
    void begin() override;
    void end() override;

    // From now on remembers the entries this import makes, for AddedRoots.
    void TrackCreated() { m_tracking = true; }
    // The entries made (and not deleted again) whose parent was there
    // before, ordered by their row.
    QList<TBaseItem *> AddedRoots() const;

private:
    void Track(TBaseItem *entry);
    void Untrack(TBaseItem *entry);

    static TBaseItem *item(Node n) { return static_cast<TBaseItem *>(n); }

    TCommandTree &m_tree;
    bool m_tracking = false;
    QSet<TBaseItem *> m_created;
};
