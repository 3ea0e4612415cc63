// Where the design window goes so that it never covers the main window.
#include "app/WindowPlace.h"

#include <gtest/gtest.h>

using shell::ArrangeWindows;

TEST(WindowPlace, TheDesignWindowMovesBesideTheMainWindowOnlyWhenItCoversIt)
{
    const QRect screen(0, 0, 1920, 1040);
    const QRect main(359, 238, 502, 378);
    // Apart already: nothing moves, however near.
    auto places = ArrangeWindows(screen, main, QSize(800, 600), QPoint(861, 0));
    EXPECT_EQ(places.design, QPoint(861, 0));
    EXPECT_EQ(places.main, main.topLeft());
    // Covering: right of it, level with it, the main window where it was.
    places = ArrangeWindows(screen, main, QSize(800, 600), QPoint(47, 193));
    EXPECT_EQ(places.design, QPoint(869, 238));
    EXPECT_EQ(places.main, main.topLeft());
    // An exact fit at the right edge still counts; one pixel more does not.
    places = ArrangeWindows(QRect(0, 0, 869 + 800, 1040), main, QSize(800, 600), QPoint(47, 193));
    EXPECT_EQ(places.design, QPoint(869, 238));
    places = ArrangeWindows(QRect(0, 0, 869 + 800, 1040), main, QSize(801, 600), QPoint(47, 193));
    EXPECT_EQ(places.main, QPoint(0, 238));
    EXPECT_EQ(places.design, QPoint(510, 238));
    // Left of it when the right side is too narrow.
    places = ArrangeWindows(QRect(0, 0, 1000, 1040), QRect(900, 238, 100, 100), QSize(800, 600), QPoint(850, 200));
    EXPECT_EQ(places.design, QPoint(92, 238));
}

TEST(WindowPlace, WhenNothingFitsAroundBothWindowsMove)
{
    const QRect main(359, 238, 502, 378);
    // 1366 x 768: side by side from the left edge.
    auto places = ArrangeWindows(QRect(0, 0, 1366, 740), main, QSize(800, 600), QPoint(359, 238));
    EXPECT_EQ(places.main, QPoint(0, 238));
    EXPECT_EQ(places.design, QPoint(510, 140));
    // Too narrow for that, high enough: one under the other.
    places = ArrangeWindows(QRect(0, 0, 1000, 1000), main, QSize(800, 600), QPoint(359, 238));
    EXPECT_EQ(places.main, QPoint(359, 0));
    EXPECT_EQ(places.design, QPoint(200, 386));
    // Neither: the main window at the left edge, the design window at the right one.
    places = ArrangeWindows(QRect(0, 0, 1024, 768), main, QSize(800, 600), QPoint(359, 238));
    EXPECT_EQ(places.main, QPoint(0, 238));
    EXPECT_EQ(places.design, QPoint(224, 168));
}
