#pragma once

#include <QFlags>
#include <QPoint>
#include <QRect>
#include <Qt>

// What a mouse gesture in the design window does. The first five say which
// bounds of the selected object change (a corner is two edges together);
// dpSelect marks a pending click-selection and never occurs with the others.
enum TDragPart : unsigned {
    dpMove = 1u << 0,
    dpTop = 1u << 1,
    dpLeft = 1u << 2,
    dpBottom = 1u << 3,
    dpRight = 1u << 4,
    dpSelect = 1u << 5,
};
Q_DECLARE_FLAGS(TDragParts, TDragPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDragParts)

// Width of the resize bands along the inside of a selected object's edges.
inline constexpr int kResizeBand = 7;

// Which parts of an object with the given bounds a press at point would drag:
// empty outside the object; a band of kResizeBand pixels along each edge
// resizes (left before right, top before bottom); anywhere else moves.
TDragParts HitTest(const QRect &bounds, const QPoint &point);

// True when point lies inside bounds (Left <= x <= Left + Width - 1, likewise y).
bool insideBounds(const QRect &bounds, const QPoint &point);

// The mouse cursor that announces what a press would do.
Qt::CursorShape cursorForDragParts(TDragParts parts);
