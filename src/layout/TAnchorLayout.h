#pragma once

#include <QRect>
#include <QSize>

// Edges of a child control that keep their distance to the window's edges when
// the window is resized (the values the design file stores).
enum TAnchorEdge : unsigned { anLeft = 1, anTop = 2, anRight = 4, anBottom = 8 };

// The bounds of a child after its parent's client area changed from oldClient
// to newClient. Anchored to both edges of an axis: it stretches; to the far
// edge only: it moves with it; to neither: it keeps its centre's relative place;
// to the near edge only: it stays.
QRect anchoredBounds(const QRect &bounds, unsigned anchors, const QSize &oldClient, const QSize &newClient);
