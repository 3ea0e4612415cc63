#pragma once

#include <QList>
#include <QString>

// What the design window reads of the command tree to fill its menu: the level
// of the current command. The command tree implements it; the design window's
// RefreshMenu applies the menu's own rules (hidden entries, placeholders).
class TMenuSource
{
public:
    struct Entry
    {
        QString caption;   // the node's caption (the entry's name)
        bool hidden = false;
    };

    struct Level
    {
        // The current command's level in order: the children of its parent
        // group, or the top-level entries when it has no parent or there is no
        // current command.
        QList<Entry> entries;
        // The current command's position in entries, or -1 when there is none.
        int current = -1;
        // Whether the level is inside a group, and the group's caption.
        bool hasGroup = false;
        QString groupCaption;
    };

    virtual ~TMenuSource() = default;

    // True when the command tree has no nodes at all.
    virtual bool isTreeEmpty() const = 0;
    virtual Level currentLevel() const = 0;
};
