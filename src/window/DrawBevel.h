#pragma once

#include <QPalette>
#include <QRect>

class QPainter;

// The two-pixel bevel in the system's 3-D colours (button highlight, button
// shadow, 3-D dark shadow), built from one-pixel lines along the inside of r.
//  - raised: light outer top-left, dark outer bottom-right, grey inner bottom-right;
//  - sunken: dark outer top-left, light outer bottom-right, grey inner top-left.
void DrawBevel(QPainter &painter, const QRect &r, bool sunken, const QPalette &palette);
