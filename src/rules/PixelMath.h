#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

// Pixel arithmetic on values that may be anything an int holds (a shadow of
// INT_MAX pixels, a spacing of INT_MIN): sums are formed in 64 bits and
// saturate at the int range instead of overflowing.
namespace rules {

inline int ClampToInt(long long value)
{
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// No surface is this large: what lies farther from the origin is never seen,
// and coordinates within it leave room for any sum of two of them.
constexpr int kFarPixel = 1 << 24;
// The largest width or height of a window object (a widget's limit).
constexpr int kMaxControlSize = (1 << 24) - 1;

struct Size
{
    int width = 0;
    int height = 0;
};

// A rectangle: its top-left corner and its size (right and bottom exclusive).
struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    long long right() const { return (long long)left + width; }
    long long bottom() const { return (long long)top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(long long x, long long y) const
    {
        return x >= left && x < right() && y >= top && y < bottom();
    }
};

// A rectangle whose corners are moved to within kFarPixel of the origin.
inline Rect NearRect(long long x, long long y, long long width, long long height)
{
    const long long l = std::clamp<long long>(x, -kFarPixel, kFarPixel);
    const long long t = std::clamp<long long>(y, -kFarPixel, kFarPixel);
    const long long r = std::clamp<long long>(x + width, -kFarPixel, kFarPixel);
    const long long b = std::clamp<long long>(y + height, -kFarPixel, kFarPixel);
    return Rect{int(l), int(t), int(std::max<long long>(r - l, 0)), int(std::max<long long>(b - t, 0))};
}

} // namespace rules
