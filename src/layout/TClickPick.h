#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// One node of the object tree as the click-selection sees it.
struct TPickCandidate
{
    enum Kind {
        Skip,      // no object, the design window itself, or an object without a control
        Wrapper,   // a window object (TControlWrapper descendant)
        Control,   // a bare control (the background and theme pictures)
    };
    Kind kind = Skip;
    QRect bounds;            // the control's Left, Top, Width, Height in client pixels
    bool visible = true;     // the wrapper's or control's own Visible
    bool isTextBox = false;  // a text object (heading, comment area, menu area)
    bool fillsParent = false;
};

// The index of the first candidate picked by a click at a client position, or -1.
// Text objects are passed over when noSelectText is on; hidden objects and
// controls that fill the window are never picked.
int pickCandidate(const QList<TPickCandidate> &candidates, const QPoint &clientPos, bool noSelectText);
