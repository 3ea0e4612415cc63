#pragma once

#include "rules/PixelMath.h"

#include <QRect>
#include <QtGlobal>

// Pixel arithmetic on property values that may be anything an int holds: the
// shared rules' saturating sums, and their rectangles as Qt's.
inline int clampToInt(qint64 value)
{
    return rules::ClampToInt(value);
}

inline int addClamped(qint64 a, qint64 b, qint64 c = 0, qint64 d = 0)
{
    return clampToInt(a + b + c + d);
}

using rules::kFarPixel;

inline bool isFar(qint64 x, qint64 y)
{
    return x < -kFarPixel || x > kFarPixel || y < -kFarPixel || y > kFarPixel;
}

inline QRect toQRect(const rules::Rect &r)
{
    return QRect(r.left, r.top, r.width, r.height);
}

// A rectangle at (x, y) of the given size, its corners moved to within
// kFarPixel of the origin (so that QRect's own arithmetic cannot overflow).
inline QRect clampedRect(qint64 x, qint64 y, qint64 width, qint64 height)
{
    constexpr qint64 lowest = -kFarPixel;
    constexpr qint64 highest = kFarPixel;
    const qint64 left = std::clamp(x, lowest, highest);
    const qint64 top = std::clamp(y, lowest, highest);
    const qint64 right = std::clamp(x + width - 1, lowest, highest);
    const qint64 bottom = std::clamp(y + height - 1, lowest, highest);
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}
