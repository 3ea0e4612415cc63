#pragma once

#include <QString>

// Where a folder import puts its entries: the command tree, or a plain tree
// in memory. Nodes are opaque handles of the target; a null handle means
// "none" (the top level).
class TImportTarget
{
public:
    using Node = void *;

    virtual ~TImportTarget() = default;

    // The group into which the import goes (none at the top level).
    virtual Node currentGroup() const = 0;
    // Whether a new group receives its automatic exit entry "Выход".
    virtual bool autoExit() const = 0;

    // Creates a group: the last child of parent, or, without a parent, where
    // the add buttons would put it. With autoExit() on, the group receives its
    // exit entry as the add buttons give it.
    virtual Node addGroup(const QString &name, Node parent) = 0;
    virtual void setComment(Node entry, const QString &comment) = 0;
    // Creates a program entry as the last child of group, with its path.
    virtual Node addProgram(Node group, const QString &name, const QString &path) = 0;
    virtual int childCount(Node group) const = 0;
    // Moves the group's last child to the place directly before the group.
    virtual void moveLastChildBefore(Node group) = 0;
    // Deletes an entry with its subtree, without asking.
    virtual void deleteEntry(Node entry) = 0;

    // Around a whole import: the editor hides its windows before the first
    // entry and, afterwards, selects once, refreshes the menu, sets the
    // modified flag and shows its windows again. end() runs also when the
    // import stopped early.
    virtual void begin() {}
    virtual void end() {}
};
