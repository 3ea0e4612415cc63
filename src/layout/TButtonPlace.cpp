#include "layout/TButtonPlace.h"

namespace {

constexpr int kGap = 4;    // between buttons side by side, as the default ones
constexpr int kStep = 4;   // of the search for a free place

} // namespace

QPoint FreeButtonPlace(const QSize &client, const QSize &size, const QList<QRect> &taken)
{
    const QRect window(QPoint(0, 0), client);
    const auto fits = [&](const QPoint &at) {
        const QRect place(at, size);
        if (!window.contains(place))
            return false;
        for (const QRect &other : taken)
            if (place.intersects(other))
                return false;
        return true;
    };
    // In a row with a button first, then above or below one.
    for (const bool row : {true, false}) {
        for (const QRect &other : taken) {
            const QPoint beside[] = {row ? QPoint(other.left() - kGap - size.width(), other.top())
                                         : QPoint(other.left(), other.top() - kGap - size.height()),
                                     row ? QPoint(other.right() + 1 + kGap, other.top())
                                         : QPoint(other.left(), other.bottom() + 1 + kGap)};
            for (const QPoint &at : beside)
                if (fits(at))
                    return at;
        }
    }
    for (int y = 0; y + size.height() <= client.height(); y += kStep)
        for (int x = 0; x + size.width() <= client.width(); x += kStep)
            if (fits(QPoint(x, y)))
                return QPoint(x, y);
    return QPoint(0, 0);
}
