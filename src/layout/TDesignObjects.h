#pragma once

#include <QList>

class QObject;

// What the design window's click-selection reads of the object tree: the
// objects its nodes carry, in display order (each parent before its children),
// and the way to select a node. The object tree implements it; until it exists
// the design window walks its own objects in the same fixed order.
class TDesignObjects
{
public:
    virtual ~TDesignObjects() = default;

    // One entry per node in display order; null for a node without an object
    // (a group heading). Objects are the design window itself, bare controls
    // (the pictures), window objects (TControlWrapper descendants) and the
    // look of the menu's buttons.
    virtual QList<QObject *> designObjects() const = 0;
    // Selects the node at index, as a user's choice in the tree would (which
    // then sets the design window's selection).
    virtual void selectDesignObject(int index) = 0;
    // "Не выделять текст" is ticked: clicks pass over the text objects.
    virtual bool noSelectText() const = 0;
};
