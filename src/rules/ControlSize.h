#pragma once

#include "rules/PixelMath.h"
#include "rules/ProjectModel.h"

// A window object's size: its limits (constraints) and auto-size.
namespace rules {

// The size the limits allow for a wanted one: at most maximum and at least
// minimum where those are above 0 (the minimum wins), within 0 .. kMaxControlSize.
int Constrain(int value, int minimum, int maximum);

// The control's rectangle for a wanted size, its limits applied; its corner
// kept within kFarPixel of the origin.
Rect ControlRect(const Control &control, int width, int height);
inline Rect ControlRect(const Control &control) { return ControlRect(control, control.width, control.height); }

// A picture control's or a stand-alone button's rectangle: with auto-size it
// is as large as its picture (0 x 0 without one), else as the file says.
Rect AutoSizedRect(const Control &control, bool autoSize, Size picture);

} // namespace rules
