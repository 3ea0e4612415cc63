#include "layout/TAnchorLayout.h"

namespace {

// Division rounding toward minus infinity (den > 0).
qint64 floorDiv(qint64 num, qint64 den)
{
    const qint64 q = num / den;
    return (num % den != 0 && num < 0) ? q - 1 : q;
}

// One axis: position and size of the child, old and new parent extent.
void follow(int &pos, int &size, bool nearEdge, bool farEdge, int oldExtent, int newExtent)
{
    const int delta = newExtent - oldExtent;
    if (nearEdge && farEdge) {
        size += delta;
    } else if (farEdge) {
        pos += delta;
    } else if (!nearEdge && oldExtent > 0) {
        // Keep the centre at the same fraction of the extent: the new place is
        // ((2 pos + size) new / old - size) / 2, rounded to the nearest pixel
        // once, at the end (halves up, also left of the window).
        const qint64 twice = (2 * qint64(pos) + size) * newExtent - qint64(size) * oldExtent;
        const qint64 den = 2 * qint64(oldExtent);
        pos = int(floorDiv(2 * twice + den, 2 * den));
    }
}

} // namespace

QRect anchoredBounds(const QRect &bounds, unsigned anchors, const QSize &oldClient, const QSize &newClient)
{
    int x = bounds.x(), w = bounds.width(), y = bounds.y(), h = bounds.height();
    follow(x, w, anchors & anLeft, anchors & anRight, oldClient.width(), newClient.width());
    follow(y, h, anchors & anTop, anchors & anBottom, oldClient.height(), newClient.height());
    return QRect(x, y, w, h);
}

QRect TAnchorOrigins::target(const QObject *child, const QRect &bounds, unsigned anchors, const QSize &oldClient,
                             const QSize &newClient)
{
    Origin origin = m_origins.value(child);
    if (origin.applied != bounds || origin.anchors != anchors || !origin.client.isValid())
        origin = Origin{bounds, oldClient, anchors, QRect()};
    m_next.insert(child, origin);
    return anchoredBounds(origin.bounds, anchors, origin.client, newClient);
}

void TAnchorOrigins::placed(const QObject *child, const QRect &bounds)
{
    const auto it = m_next.find(child);
    if (it != m_next.end())
        it->applied = bounds;
}

void TAnchorOrigins::endResize()
{
    m_origins.swap(m_next);
    m_next.clear();
}
