#pragma once

#include "rules/PixelMath.h"

#include <vector>

namespace rules {

// The system's 3-D colours a bevel is drawn in.
enum class BevelColor { Highlight, Shadow, DarkShadow };

struct BevelLine
{
    Rect rect;
    BevelColor color;
};

// The two-pixel bevel along the inside of r as one-pixel runs, in drawing order:
//  - raised: light outer top-left, dark outer bottom-right, grey inner bottom-right;
//  - sunken: dark outer top-left, light outer bottom-right, grey inner top-left.
std::vector<BevelLine> BevelLines(const Rect &r, bool sunken);

// The one-pixel line border of r: top, bottom, left, right.
std::vector<Rect> BorderLines(const Rect &r);

} // namespace rules
