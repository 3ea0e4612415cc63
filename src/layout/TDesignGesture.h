#pragma once

#include "layout/TDragParts.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// What the mouse gestures of the design window act on. The design window
// implements it with its real controls; tests implement it with plain numbers.
class TGestureHost
{
public:
    enum class Selection { None, Window, Object };

    virtual ~TGestureHost() = default;

    virtual Selection selection() const = 0;
    // The selected object fills its parent (the background picture): it can be
    // outlined but never dragged.
    virtual bool selectionFillsParent() const = 0;
    // Left, Top, Width, Height of the selection: client coordinates for an
    // object, screen position and outer size for the window itself.
    virtual QRect selectionBounds() const = 0;
    // Sets all four bounds in one step; the host may apply size constraints.
    virtual void setSelectionBounds(const QRect &bounds) = 0;
    // The window's current Left and Top on the screen.
    virtual QPoint windowPosition() const = 0;
    // The design window's current client width and height.
    virtual QSize clientSize() const = 0;

    // Click-selection at a client position (walks the object tree's order).
    virtual void clickSelect(const QPoint &clientPos) = 0;
    virtual void markModified() = 0;
    // A move or resize ended with the bounds changed from before to after
    // (the bounds are already applied): one edit of the design.
    virtual void boundsEdited(const QRect &before, const QRect &after)
    {
        Q_UNUSED(before);
        Q_UNUSED(after);
        markModified();
    }
    virtual void setFrontCursor(Qt::CursorShape shape) = 0;
};

// The press / move / release state machine of the design window's top layer.
// Idle (no parts) -> Editing (move or resize parts) on a press inside the
// selection; a press elsewhere while selection is enabled selects at once and
// then moves the object it selected (Editing) or, on nothing movable, waits
// for the release (Selecting, dpSelect); every release goes back to Idle.
class TDesignGesture
{
public:
    explicit TDesignGesture(TGestureHost &host) : m_host(host) {}

    void press(const QPoint &clientPos);
    void move(const QPoint &clientPos);
    void release(const QPoint &clientPos);

    TDragParts dragParts() const { return m_parts; }
    QPoint lastPoint() const { return m_lastPoint; }

    bool enableSelect() const { return m_enableSelect; }
    void setEnableSelect(bool value) { m_enableSelect = value; }

    // HitTest against the current selection, in the selection's coordinates.
    TDragParts hitTest(const QPoint &point) const;

private:
    QPoint convert(const QPoint &clientPos) const;

    TGestureHost &m_host;
    TDragParts m_parts;
    QPoint m_lastPoint;
    QRect m_startBounds;   // the selection's bounds when the move or resize began
    bool m_enableSelect = true;
};
