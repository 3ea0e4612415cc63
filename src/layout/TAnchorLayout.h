#pragma once

#include <QHash>
#include <QRect>
#include <QSize>

class QObject;

// Edges of a child control that keep their distance to the window's edges when
// the window is resized (the values the design file stores).
enum TAnchorEdge : unsigned { anLeft = 1, anTop = 2, anRight = 4, anBottom = 8 };

// The bounds of a child after its parent's client area changed from oldClient
// to newClient. Anchored to both edges of an axis: it stretches; to the far
// edge only: it moves with it; to neither: it keeps its centre's relative place;
// to the near edge only: it stays.
QRect anchoredBounds(const QRect &bounds, unsigned anchors, const QSize &oldClient, const QSize &newClient);

// Children's anchors followed through any number of resizes of their parent.
// Each child keeps the bounds and the client size from which its anchors last
// took over, and every later place is computed from there: a child squeezed to
// nothing by a small window gets its size back with the window, and rounding
// never adds up. A child placed otherwise in between starts afresh from there.
class TAnchorOrigins
{
public:
    // Where child, now at bounds, goes when its parent's client area changes
    // from oldClient to newClient.
    QRect target(const QObject *child, const QRect &bounds, unsigned anchors, const QSize &oldClient,
                 const QSize &newClient);
    // The bounds child took in this resize (a control may hold them within limits).
    void placed(const QObject *child, const QRect &bounds);
    // Ends a resize: children not placed in it are forgotten.
    void endResize();

private:
    struct Origin
    {
        QRect bounds;
        QSize client;
        unsigned anchors = 0;
        QRect applied;   // what the anchors made of it last; anything else restarts
    };
    QHash<const QObject *, Origin> m_origins;
    QHash<const QObject *, Origin> m_next;
};
