#include "layout/TButtonPlace.h"

#include <gtest/gtest.h>

// A new button goes in a row with the others, else above or below one, else
// wherever it fits, never over another button nor outside the window.
TEST(ButtonPlace, BesideAButtonElseTheFirstFreePlace)
{
    const QSize button(64, 64);
    // An exact fit to the right, one gap away; none to the left.
    EXPECT_EQ(FreeButtonPlace(QSize(132, 64), button, {QRect(0, 0, 64, 64)}), QPoint(68, 0));
    // Exactly room below, none in the row.
    EXPECT_EQ(FreeButtonPlace(QSize(64, 132), button, {QRect(0, 0, 64, 64)}), QPoint(0, 68));
    // Above before below.
    EXPECT_EQ(FreeButtonPlace(QSize(64, 300), button, {QRect(0, 100, 64, 64)}), QPoint(0, 32));
    // Nothing beside fits: the first free place from the top left.
    EXPECT_EQ(FreeButtonPlace(QSize(64, 140), button, {QRect(40, 40, 20, 20)}), QPoint(0, 60));
    // No free place at all, or an empty window: the top left corner.
    EXPECT_EQ(FreeButtonPlace(QSize(64, 64), button, {QRect(0, 0, 64, 64)}), QPoint(0, 0));
    EXPECT_EQ(FreeButtonPlace(QSize(100, 100), button, {}), QPoint(0, 0));
}
