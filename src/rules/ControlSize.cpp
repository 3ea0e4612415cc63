#include "rules/ControlSize.h"

namespace rules {

int Constrain(int value, int minimum, int maximum)
{
    if (maximum > 0 && value > maximum)
        value = maximum;
    if (minimum > 0 && value < minimum)
        value = minimum;
    return std::clamp(value, 0, kMaxControlSize);
}

Rect ControlRect(const Control &control, int width, int height)
{
    return Rect{std::clamp(control.left, -kFarPixel, kFarPixel), std::clamp(control.top, -kFarPixel, kFarPixel),
                Constrain(width, control.minWidth, control.maxWidth),
                Constrain(height, control.minHeight, control.maxHeight)};
}

Rect AutoSizedRect(const Control &control, bool autoSize, Size picture)
{
    if (!autoSize)
        return ControlRect(control);
    return ControlRect(control, picture.width, picture.height);
}

} // namespace rules
