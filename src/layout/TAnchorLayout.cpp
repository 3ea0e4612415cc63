#include "layout/TAnchorLayout.h"

namespace {

// One axis: position and size of the child, old and new parent extent.
void follow(int &pos, int &size, bool nearEdge, bool farEdge, int oldExtent, int newExtent)
{
    const int delta = newExtent - oldExtent;
    if (nearEdge && farEdge) {
        size += delta;
    } else if (farEdge) {
        pos += delta;
    } else if (!nearEdge && oldExtent > 0) {
        // Keep the centre at the same fraction of the extent.
        const qint64 centre2 = 2 * qint64(pos) + size;
        pos = int((centre2 * newExtent / oldExtent - size) / 2);
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
