#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <Qt>

// The border styles of the menu window, in the order the design file stores
// them, and what each means for a Qt top-level window.
struct TBorderKind
{
    Qt::WindowFlags flags;
    bool fixedSize;   // the user cannot resize it by its frame
};
TBorderKind borderKind(int borderStyle);

// The part of a rendered window that stays solid when every pixel of colour
// key becomes a hole. Pixels are compared by red, green and blue only.
QRegion solidRegion(const QImage &rendered, QRgb key);
