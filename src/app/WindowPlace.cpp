#include "app/WindowPlace.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace shell {

namespace {

constexpr int kGap = 8;

// The start of a window of the length size along a side of the screen from
// low to high, as near to wanted as fits.
int Within(int wanted, int size, int low, int high)
{
    return std::max(low, std::min(wanted, high + 1 - size));
}

// The first place around mainFrame, right, left, under, above, where a window
// of the size design lies within available.
std::optional<QPoint> Around(const QRect &available, const QRect &mainFrame, const QSize &design)
{
    const int top = Within(mainFrame.top(), design.height(), available.top(), available.bottom());
    const int left = Within(mainFrame.left(), design.width(), available.left(), available.right());
    const QPoint around[] = {
        {mainFrame.right() + 1 + kGap, top},
        {mainFrame.left() - kGap - design.width(), top},
        {left, mainFrame.bottom() + 1 + kGap},
        {left, mainFrame.top() - kGap - design.height()},
    };
    for (const QPoint &place : around) {
        if (available.contains(QRect(place, design)))
            return place;
    }
    return std::nullopt;
}

} // namespace

void MoveOffWindow(QWidget &window, const QWidget &main)
{
    const QScreen *screen = main.screen();
    const QRect frame = window.frameGeometry();
    if (!screen || !main.isVisible() || !frame.intersects(main.frameGeometry()))
        return;
    if (const std::optional<QPoint> place = Around(screen->availableGeometry(), main.frameGeometry(), frame.size()))
        window.move(*place);
}

TWindowPlaces ArrangeWindows(const QRect &available, const QRect &mainFrame, const QSize &design,
                             const QPoint &current)
{
    const QPoint main = mainFrame.topLeft();
    if (!QRect(current, design).intersects(mainFrame))
        return {main, current};
    if (const std::optional<QPoint> place = Around(available, mainFrame, design))
        return {main, *place};
    const int top = Within(mainFrame.top(), design.height(), available.top(), available.bottom());
    const QSize own = mainFrame.size();
    if (own.width() + kGap + design.width() <= available.width()) {
        const QPoint moved(available.left(), Within(main.y(), own.height(), available.top(), available.bottom()));
        return {moved, {moved.x() + own.width() + kGap, Within(moved.y(), design.height(), available.top(),
                                                              available.bottom())}};
    }
    if (own.height() + kGap + design.height() <= available.height()) {
        const QPoint moved(Within(main.x(), own.width(), available.left(), available.right()), available.top());
        return {moved, {Within(moved.x(), design.width(), available.left(), available.right()),
                        moved.y() + own.height() + kGap}};
    }
    return {QPoint(available.left(), main.y()),
            QPoint(std::max(available.left(), available.right() + 1 - design.width()), top)};
}

} // namespace shell
