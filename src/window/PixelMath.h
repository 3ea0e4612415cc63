#pragma once

#include <QRect>
#include <QtGlobal>
#include <algorithm>
#include <limits>

// Pixel arithmetic on property values that may be anything an int holds (a
// shadow of INT_MAX pixels, a spacing of INT_MIN): sums are formed in 64 bits
// and saturate at the int range instead of overflowing.
inline int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

inline int addClamped(qint64 a, qint64 b, qint64 c = 0, qint64 d = 0)
{
    return clampToInt(a + b + c + d);
}

// No surface is this large: what lies farther from the origin is never seen,
// and coordinates within it leave room for any sum of two of them.
constexpr int kFarPixel = 1 << 24;

inline bool isFar(qint64 x, qint64 y)
{
    return x < -kFarPixel || x > kFarPixel || y < -kFarPixel || y > kFarPixel;
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
