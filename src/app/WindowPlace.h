#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace shell {

// Where the main window and the design window go so that the design window
// leaves the main window uncovered.
struct TWindowPlaces
{
    QPoint main;     // the main window's frame
    QPoint design;   // the design window's frame
};

// mainFrame: the main window's frame; design: the design window's outer size,
// standing at current. Nothing moves when they do not overlap. Else the
// design window goes right of the main window, left of it, under it or above
// it, the first of these within the screen's available area; else both move:
// side by side when the screen is wide enough, else one under the other when
// it is high enough, else the main window to the left edge and the design
// window to the right one.
TWindowPlaces ArrangeWindows(const QRect &available, const QRect &mainFrame, const QSize &design,
                             const QPoint &current);

// Moves window off main when it covers it, to the first place around main
// that lies within the screen (as the design window above); nowhere else.
void MoveOffWindow(QWidget &window, const QWidget &main);

} // namespace shell
