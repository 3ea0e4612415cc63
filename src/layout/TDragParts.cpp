#include "layout/TDragParts.h"

bool insideBounds(const QRect &bounds, const QPoint &point)
{
    // Computed in 64 bits: bounds may lie anywhere on a large virtual desktop.
    const qint64 x = point.x(), y = point.y();
    const qint64 l = bounds.x(), t = bounds.y();
    return l <= x && x <= l + bounds.width() - 1 && t <= y && y <= t + bounds.height() - 1;
}

TDragParts HitTest(const QRect &bounds, const QPoint &point)
{
    if (!insideBounds(bounds, point))
        return {};
    const qint64 x = point.x(), y = point.y();
    const qint64 l = bounds.x(), t = bounds.y(), w = bounds.width(), h = bounds.height();
    const int band = kResizeBand - 1;
    TDragParts parts;
    if (l <= x && x <= l + band)
        parts |= dpLeft;
    else if (l + w - kResizeBand <= x && x <= l + w - 1)
        parts |= dpRight;
    if (t <= y && y <= t + band)
        parts |= dpTop;
    else if (t + h - kResizeBand <= y && y <= t + h - 1)
        parts |= dpBottom;
    if (!parts)
        parts = dpMove;
    return parts;
}

Qt::CursorShape cursorForDragParts(TDragParts parts)
{
    if (parts.testFlag(dpMove))
        return Qt::SizeAllCursor;
    if (parts == (dpTop | dpLeft) || parts == (dpBottom | dpRight))
        return Qt::SizeFDiagCursor;
    if (parts == (dpTop | dpRight) || parts == (dpLeft | dpBottom))
        return Qt::SizeBDiagCursor;
    if (parts == TDragParts(dpLeft) || parts == TDragParts(dpRight))
        return Qt::SizeHorCursor;
    if (parts == TDragParts(dpTop) || parts == TDragParts(dpBottom))
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}
