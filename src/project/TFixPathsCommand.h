#pragma once

#include "project/TTreeCommands.h"

#include <QList>
#include <QPair>

struct TFinding;

// "Исправить": every program path the check found mendable (a full path of
// this machine into the disc folder) replaced by the player's form of it, in
// one undo step. Obsolete when there is nothing to mend.
class TFixPathsCommand : public TTreeCommand
{
public:
    // The findings' fixes whose entries are still in the tree.
    TFixPathsCommand(TCommandTree &tree, const QList<TFinding> &findings);

    int Count() const { return int(m_changes.size()); }

protected:
    void Do() override { Redo(); }
    void Redo() override;
    void Undo() override;

private:
    struct TChange
    {
        TBaseItem *item;
        QString before;
        QString after;
    };
    QList<TChange> m_changes;
};
