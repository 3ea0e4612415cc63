#pragma once

// Where the menu window opens on the visitor's screen.
namespace rules {

struct ScreenRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The top-left corner of a window of this outer size on a monitor's work
// area: centred, so kept inside it; along a side where the window is larger
// than the work area, it starts at the work area's edge.
void PlaceWindow(int width, int height, const ScreenRect &work, int &left, int &top);

}   // namespace rules
