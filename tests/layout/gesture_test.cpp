#include "layout/TDesignGesture.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

// A design window made of numbers: one selected rectangle in a client area.
class FakeHost : public TGestureHost
{
public:
    Selection sel = Selection::Object;
    bool fills = false;
    QRect bounds{100, 100, 40, 40};
    QPoint windowPos{300, 200};
    QSize client{512, 316};
    int modified = 0;
    QList<QPoint> clicks;
    Qt::CursorShape cursor = Qt::BlankCursor;
    QSize minSize{0, 0};

    Selection selection() const override { return sel; }
    bool selectionFillsParent() const override { return fills; }
    QRect selectionBounds() const override { return bounds; }
    void setSelectionBounds(const QRect &b) override
    {
        bounds = QRect(b.x(), b.y(), std::max(b.width(), minSize.width()), std::max(b.height(), minSize.height()));
    }
    QPoint windowPosition() const override { return windowPos; }
    QSize clientSize() const override { return client; }
    // A click selects the object at selectOnClick, when one is set.
    std::optional<QRect> selectOnClick;
    void clickSelect(const QPoint &p) override
    {
        clicks << p;
        if (selectOnClick) {
            sel = Selection::Object;
            bounds = *selectOnClick;
        }
    }
    void markModified() override { ++modified; }
    void setFrontCursor(Qt::CursorShape shape) override { cursor = shape; }
};

struct Gesture : ::testing::Test
{
    FakeHost host;
    TDesignGesture g{host};

    void drag(QPoint from, std::initializer_list<QPoint> path)
    {
        g.press(from);
        for (const QPoint &p : path)
            g.move(p);
        g.release(path.size() ? *(path.end() - 1) : from);
    }
};

} // namespace

TEST(HitTestBands, BandsAreSevenPixelsInsideTheObject)
{
    const QRect r(100, 100, 40, 40);
    EXPECT_EQ(HitTest(r, {99, 120}), TDragParts());
    EXPECT_EQ(HitTest(r, {140, 120}), TDragParts());      // Left + Width is outside
    EXPECT_EQ(HitTest(r, {120, 140}), TDragParts());
    EXPECT_EQ(HitTest(r, {100, 120}), TDragParts(dpLeft));
    EXPECT_EQ(HitTest(r, {106, 120}), TDragParts(dpLeft));
    EXPECT_EQ(HitTest(r, {107, 120}), TDragParts(dpMove));
    EXPECT_EQ(HitTest(r, {132, 120}), TDragParts(dpMove));
    EXPECT_EQ(HitTest(r, {133, 120}), TDragParts(dpRight));
    EXPECT_EQ(HitTest(r, {139, 120}), TDragParts(dpRight));
    EXPECT_EQ(HitTest(r, {120, 106}), TDragParts(dpTop));
    EXPECT_EQ(HitTest(r, {120, 133}), TDragParts(dpBottom));
    EXPECT_EQ(HitTest(r, {103, 103}), dpTop | dpLeft);
    EXPECT_EQ(HitTest(r, {139, 100}), dpTop | dpRight);
    EXPECT_EQ(HitTest(r, {100, 139}), dpLeft | dpBottom);
    EXPECT_EQ(HitTest(r, {139, 139}), dpBottom | dpRight);
}

TEST(HitTestBands, NarrowObjectsFavourLeftAndTop)
{
    // 6 wide, 30 high: every point is in the left band, so it cannot be moved.
    const QRect thin(10, 10, 6, 30);
    for (int x = 10; x < 16; ++x)
        for (int y = 10; y < 40; ++y)
            EXPECT_TRUE(HitTest(thin, {x, y}).testFlag(dpLeft)) << x << "," << y;
    // 10 wide: where bands overlap, left wins; the last pixels are right.
    const QRect narrow(0, 0, 10, 100);
    EXPECT_EQ(HitTest(narrow, {5, 50}), TDragParts(dpLeft));
    EXPECT_EQ(HitTest(narrow, {7, 50}), TDragParts(dpRight));
    // Zero-sized and negative-sized objects contain no point.
    EXPECT_EQ(HitTest(QRect(5, 5, 0, 0), {5, 5}), TDragParts());
}

TEST(HitTestBands, CursorsFollowTheHit)
{
    EXPECT_EQ(cursorForDragParts(dpMove), Qt::SizeAllCursor);
    EXPECT_EQ(cursorForDragParts(dpTop | dpLeft), Qt::SizeFDiagCursor);
    EXPECT_EQ(cursorForDragParts(dpBottom | dpRight), Qt::SizeFDiagCursor);
    EXPECT_EQ(cursorForDragParts(dpTop | dpRight), Qt::SizeBDiagCursor);
    EXPECT_EQ(cursorForDragParts(dpLeft | dpBottom), Qt::SizeBDiagCursor);
    EXPECT_EQ(cursorForDragParts(dpLeft), Qt::SizeHorCursor);
    EXPECT_EQ(cursorForDragParts(dpRight), Qt::SizeHorCursor);
    EXPECT_EQ(cursorForDragParts(dpTop), Qt::SizeVerCursor);
    EXPECT_EQ(cursorForDragParts(dpBottom), Qt::SizeVerCursor);
    EXPECT_EQ(cursorForDragParts({}), Qt::ArrowCursor);
}

TEST_F(Gesture, HoverSetsTheCursorBeforeAPress)
{
    g.move({103, 103});
    EXPECT_EQ(host.cursor, Qt::SizeFDiagCursor);
    g.move({120, 120});
    EXPECT_EQ(host.cursor, Qt::SizeAllCursor);
    g.move({10, 10});
    EXPECT_EQ(host.cursor, Qt::ArrowCursor);
    EXPECT_EQ(host.bounds, QRect(100, 100, 40, 40));
}

TEST_F(Gesture, PressInCornerResizesPressInMiddleMoves)
{
    g.press({103, 103});
    EXPECT_EQ(g.dragParts(), dpTop | dpLeft);
    g.move({93, 98});
    EXPECT_EQ(host.bounds, QRect(90, 95, 50, 45));
    g.release({93, 98});
    EXPECT_EQ(host.modified, 1);

    g.press({115, 115});
    EXPECT_EQ(g.dragParts(), TDragParts(dpMove));
    g.move({125, 110});
    EXPECT_EQ(host.bounds, QRect(100, 90, 50, 45));
    g.release({125, 110});
    EXPECT_EQ(host.modified, 2);
    EXPECT_EQ(g.dragParts(), TDragParts());
}

TEST_F(Gesture, MoveStopsAtEachEdgeAndComesBackAtOnce)
{
    g.press({120, 120});
    g.move({0, 120});                       // past the left edge
    EXPECT_EQ(host.bounds.x(), 0);
    g.move({10, 120});                      // reversing moves back from where it stopped
    EXPECT_EQ(host.bounds.x(), 10);
    g.move({1000, 120});                    // past the right edge
    EXPECT_EQ(host.bounds.x(), 512 - 40);
    g.move({995, 120});
    EXPECT_EQ(host.bounds.x(), 512 - 45);
    g.move({995, -500});                    // past the top
    EXPECT_EQ(host.bounds.y(), 0);
    g.move({995, 1000});                    // past the bottom
    EXPECT_EQ(host.bounds.y(), 316 - 40);
    EXPECT_EQ(host.bounds.size(), QSize(40, 40));
    g.release({995, 1000});
}

TEST_F(Gesture, ObjectWiderThanTheWindowEndsAtZeroOrBeyondTheLeft)
{
    host.bounds = QRect(0, 0, 600, 40);
    g.press({300, 20});
    g.move({290, 20});                      // negative Left -> 0
    EXPECT_EQ(host.bounds.x(), 0);
    g.move({295, 20});                      // positive Left: right limit gives CW - W < 0
    EXPECT_EQ(host.bounds.x(), 512 - 600);
}

TEST_F(Gesture, EdgeDragsAgainstTheirLimits)
{
    // Bottom edge above the top edge: Height 1.
    g.press({120, 137});
    EXPECT_EQ(g.dragParts(), TDragParts(dpBottom));
    g.move({120, 50});
    EXPECT_EQ(host.bounds, QRect(100, 100, 40, 1));
    g.release({120, 50});

    // Top edge down to or past the bottom edge: nothing moves.
    host.bounds = QRect(100, 100, 40, 40);
    g.press({120, 102});
    EXPECT_EQ(g.dragParts(), TDragParts(dpTop));
    g.move({120, 142});                     // the edge would reach the bottom edge
    EXPECT_EQ(host.bounds, QRect(100, 100, 40, 40));
    g.move({120, 300});
    EXPECT_EQ(host.bounds, QRect(100, 100, 40, 40));
    g.release({120, 300});

    // Top edge above the window: Top 0, bottom edge stays.
    g.press({120, 102});
    g.move({120, -50});
    EXPECT_EQ(host.bounds, QRect(100, 0, 40, 140));
    g.release({120, -50});

    // Right edge past the window's edge stops at CW.
    host.bounds = QRect(100, 100, 40, 40);
    g.press({138, 120});
    g.move({900, 120});
    EXPECT_EQ(host.bounds.x() + host.bounds.width(), 512);
    g.move({890, 120});                     // and back, from where it stopped
    EXPECT_EQ(host.bounds.width(), 402);
    g.release({100, 120});

    // Left edge: past the window gives Left 0; past the right edge leaves it.
    host.bounds = QRect(100, 100, 40, 40);
    g.press({101, 120});
    g.move({-30, 120});
    EXPECT_EQ(host.bounds, QRect(0, 100, 140, 40));
    g.release({-30, 120});
    g.press({1, 120});
    g.move({400, 120});
    EXPECT_EQ(host.bounds, QRect(0, 100, 140, 40));
    g.release({400, 120});
}

TEST_F(Gesture, RightEdgeBelowOnePixel)
{
    g.press({138, 120});
    g.move({60, 120});
    EXPECT_EQ(host.bounds.width(), 1);
}

TEST_F(Gesture, ConstraintsOfTheHostApplyBetweenSteps)
{
    // Height set first, Top second: a minimum height keeps the bottom moving.
    host.minSize = QSize(0, 30);
    g.press({120, 102});
    g.move({120, 130});
    EXPECT_EQ(host.bounds, QRect(100, 128, 40, 30));
}

TEST_F(Gesture, WindowMovesOnTheScreenWithoutLimits)
{
    host.sel = TGestureHost::Selection::Window;
    host.bounds = QRect(300, 200, 520, 350);     // screen position, outer size
    host.windowPos = QPoint(300, 200);
    g.press({200, 150});
    EXPECT_EQ(g.dragParts(), TDragParts(dpMove));
    EXPECT_EQ(g.lastPoint(), QPoint(500, 350));
    // The window moves under the pointer: the client position stays put.
    host.bounds.moveTo(-100, -300);
    host.windowPos = QPoint(-100, -300);
    g.move({200, 150});
    EXPECT_EQ(host.bounds.topLeft(), QPoint(-100 - 400, -300 - 500));
    g.release({200, 150});
    EXPECT_EQ(host.modified, 0);   // the window's place on the screen is no edit

    // Resizing the window from its right band ignores the client limits.
    host.bounds = QRect(0, 0, 520, 350);
    host.windowPos = QPoint(0, 0);
    g.press({516, 100});
    EXPECT_EQ(g.dragParts(), TDragParts(dpRight));
    g.move({2516, 100});
    EXPECT_EQ(host.bounds.width(), 2520);
    g.release({2516, 100});
    EXPECT_EQ(host.modified, 1);   // its size is
}

TEST_F(Gesture, PressReleaseWithoutMoveIsNoEdit)
{
    g.press({120, 120});
    g.release({120, 120});
    EXPECT_EQ(host.modified, 0);
    g.press({120, 120});
    g.move({121, 120});
    g.move({120, 120});   // back where it started
    g.release({120, 120});
    EXPECT_EQ(host.modified, 0);
    EXPECT_TRUE(host.clicks.isEmpty());
}

TEST_F(Gesture, PressOutsideSelectsAtOnce)
{
    g.press({10, 10});
    EXPECT_EQ(g.dragParts(), TDragParts(dpSelect));
    g.move({400, 300});                     // moves do nothing while selecting
    EXPECT_EQ(host.bounds, QRect(100, 100, 40, 40));
    g.release({12, 14});
    ASSERT_EQ(host.clicks.size(), 1);   // at the press, not again at the release
    EXPECT_EQ(host.clicks.first(), QPoint(10, 10));
    EXPECT_EQ(host.modified, 0);
}

// A press on an object not selected selects it and a drag moves it at once,
// by its edge too; a press that only selects is no edit.
TEST_F(Gesture, PressAndDragOnAnotherObjectSelectsAndMovesIt)
{
    host.sel = TGestureHost::Selection::None;
    host.selectOnClick = QRect(10, 10, 40, 40);
    g.press({11, 48});
    EXPECT_EQ(host.sel, TGestureHost::Selection::Object);
    EXPECT_EQ(g.dragParts(), TDragParts(dpMove));
    g.move({21, 43});
    EXPECT_EQ(host.bounds, QRect(20, 5, 40, 40));
    g.release({21, 43});
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.clicks.size(), 1);

    host.selectOnClick = QRect(200, 200, 40, 40);
    g.press({210, 210});
    g.release({210, 210});
    EXPECT_EQ(host.bounds, QRect(200, 200, 40, 40));
    EXPECT_EQ(host.modified, 1);
    // The background fills the window: selected, never dragged.
    host.selectOnClick = QRect(0, 0, 512, 316);
    host.fills = true;
    g.press({300, 300});
    EXPECT_EQ(g.dragParts(), TDragParts(dpSelect));
    g.release({300, 300});
    // A press beside the new selection moves nothing.
    host.fills = false;
    host.sel = TGestureHost::Selection::None;
    host.selectOnClick = QRect(400, 100, 40, 40);
    g.press({300, 300});
    EXPECT_EQ(g.dragParts(), TDragParts(dpSelect));
}

TEST_F(Gesture, SelectionDisabledLeavesEverything)
{
    g.setEnableSelect(false);
    g.press({10, 10});
    EXPECT_EQ(g.dragParts(), TDragParts());
    g.move({20, 20});
    g.release({20, 20});
    EXPECT_TRUE(host.clicks.isEmpty());
    EXPECT_EQ(host.modified, 0);
    // A press inside the selection still drags.
    g.press({120, 120});
    EXPECT_EQ(g.dragParts(), TDragParts(dpMove));
}

TEST_F(Gesture, ObjectFillingTheWindowIsNeverDragged)
{
    host.fills = true;
    host.bounds = QRect(0, 0, 512, 316);
    g.press({200, 200});
    EXPECT_EQ(g.dragParts(), TDragParts(dpSelect));
    g.move({250, 250});
    EXPECT_EQ(host.bounds, QRect(0, 0, 512, 316));
}

TEST_F(Gesture, NoSelectionOnlyClickSelects)
{
    host.sel = TGestureHost::Selection::None;
    g.move({120, 120});
    EXPECT_EQ(host.cursor, Qt::ArrowCursor);
    g.press({120, 120});
    EXPECT_EQ(g.dragParts(), TDragParts(dpSelect));
    g.release({120, 120});
    EXPECT_EQ(host.clicks.size(), 1);
}

TEST_F(Gesture, MovementAgainstALimitIsNotMadeUpLater)
{
    host.bounds = QRect(10, 100, 40, 40);
    g.press({30, 120});
    g.move({0, 120});       // wants -20, stops at 0
    g.move({20, 120});      // +20 from the stop
    EXPECT_EQ(host.bounds.x(), 20);
}

TEST_F(Gesture, SecondButtonDuringADragKeepsTheEdit)
{
    g.press({120, 120});
    g.move({130, 120});
    g.press({200, 10});                     // another button, outside the object
    EXPECT_EQ(g.dragParts(), TDragParts(dpMove));
    g.move({140, 120});
    EXPECT_EQ(host.bounds.x(), 120);
    g.release({140, 120});
    EXPECT_EQ(host.modified, 1);
    EXPECT_TRUE(host.clicks.isEmpty());
    g.release({140, 120});                  // the other button's release: nothing more
    EXPECT_EQ(host.modified, 1);
}
