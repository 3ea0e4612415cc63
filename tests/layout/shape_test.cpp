#include "layout/TAnchorLayout.h"
#include "layout/TClickPick.h"
#include "layout/TWindowShape.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(ClickPick, FirstVisibleCandidateInTreeOrderWins)
{
    using C = TPickCandidate;
    const QList<C> nodes = {
        {C::Skip, QRect(0, 0, 512, 316)},                      // the window
        {C::Control, QRect(0, 0, 512, 316), true, false, true}, // background fills the window
        {C::Control, QRect(12, 40, 200, 200)},                 // theme picture
        {C::Wrapper, QRect(12, 4, 493, 33), true, true},        // heading
        {C::Wrapper, QRect(12, 248, 287, 64), true, true},      // comment area
        {C::Wrapper, QRect(228, 40, 277, 201), true, true},     // menu area
        {C::Skip, QRect()},                                     // look of the menu buttons
        {C::Wrapper, QRect(150, 150, 64, 64)},                  // button over the theme picture
        {C::Wrapper, QRect(280, 230, 64, 64)},                  // button over the comment area
    };
    EXPECT_EQ(pickCandidate(nodes, {160, 160}, false), 2);     // theme before the button above it
    EXPECT_EQ(pickCandidate(nodes, {213, 160}, false), 7);     // just right of the theme picture
    EXPECT_EQ(pickCandidate(nodes, {290, 260}, false), 4);     // comment area before the button
    EXPECT_EQ(pickCandidate(nodes, {290, 260}, true), 8);      // text skipped: the button
    EXPECT_EQ(pickCandidate(nodes, {300, 100}, true), -1);     // only text under the pointer
    EXPECT_EQ(pickCandidate(nodes, {300, 100}, false), 5);
    EXPECT_EQ(pickCandidate(nodes, {5, 300}, false), -1);      // background alone: nothing
}

TEST(ClickPick, HiddenObjectsAreNotPicked)
{
    using C = TPickCandidate;
    const QList<C> nodes = {
        {C::Control, QRect(0, 0, 100, 100), false},
        {C::Wrapper, QRect(0, 0, 100, 100), false},
        {C::Wrapper, QRect(50, 50, 100, 100), true},
    };
    EXPECT_EQ(pickCandidate(nodes, {10, 10}, false), -1);
    EXPECT_EQ(pickCandidate(nodes, {60, 60}, false), 2);
}

TEST(Anchors, EachCombinationFollowsItsEdges)
{
    const QSize from(512, 316), to(612, 346);
    const QRect r(100, 50, 40, 20);
    EXPECT_EQ(anchoredBounds(r, anLeft | anTop, from, to), r);
    EXPECT_EQ(anchoredBounds(r, anLeft | anTop | anRight | anBottom, from, to), QRect(100, 50, 140, 50));
    EXPECT_EQ(anchoredBounds(r, anRight | anBottom, from, to), QRect(200, 80, 40, 20));
    EXPECT_EQ(anchoredBounds(r, anLeft | anRight | anBottom, from, to), QRect(100, 80, 140, 20));
    // Neither edge: the centre keeps its relative place.
    const QRect c = anchoredBounds(QRect(236, 148, 40, 20), 0, from, QSize(1024, 632));
    EXPECT_EQ(c.center(), QRect(492, 306, 40, 20).center());
    // An uneven ratio and odd sizes: the centre (120.5, 60.5) goes to
    // (144.04, 66.24), so the place is (123.54, 55.74), rounded to the nearest.
    EXPECT_EQ(anchoredBounds(QRect(100, 50, 41, 21), 0, from, to), QRect(124, 56, 41, 21));
    // Left of the window: centre -9.5 goes to -11.36, the place -31.86.
    EXPECT_EQ(anchoredBounds(QRect(-30, 10, 41, 21), 0, from, to).x(), -32);
    // Back to the old size gives back the old bounds.
    EXPECT_EQ(anchoredBounds(anchoredBounds(r, anRight | anBottom, from, to), anRight | anBottom, to, from), r);
}

TEST(WindowShape, KeyColourPixelsBecomeHoles)
{
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    QPainter p(&img);
    p.fillRect(QRect(5, 2, 6, 4), QColor(10, 20, 30));
    p.end();
    const QRegion solid = solidRegion(img, qRgb(255, 0, 255));
    EXPECT_EQ(solid.boundingRect(), QRect(5, 2, 6, 4));
    EXPECT_TRUE(solid.contains(QPoint(5, 2)));
    EXPECT_FALSE(solid.contains(QPoint(4, 2)));
    // Another key: everything stays.
    EXPECT_EQ(solidRegion(img, qRgb(1, 2, 3)).boundingRect(), QRect(0, 0, 20, 10));
}

TEST(WindowShape, BorderStyles)
{
    EXPECT_TRUE(borderKind(0).flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(borderKind(1).fixedSize);
    EXPECT_FALSE(borderKind(2).fixedSize);
    EXPECT_FALSE(borderKind(2).flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(borderKind(2).flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(borderKind(3).fixedSize);
    EXPECT_EQ(borderKind(4).flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(borderKind(5).fixedSize);
    EXPECT_EQ(borderKind(99).fixedSize, borderKind(2).fixedSize);
}

// The solid part is computed again only where the window repainted, and whole
// after invalidate; repaints made by the computation itself are ignored.
TEST(IncrementalMask, RecomputesOnlyTheRepaintedArea)
{
    TIncrementalMask mask;
    const QRect window(0, 0, 100, 80);
    QList<QRect> asked;
    QRegion solid(window);   // what the window's pixels say
    const auto solidIn = [&](const QRect &area) {
        asked << area;
        EXPECT_FALSE(mask.markDirty(QRect(0, 0, 5, 5)));   // a repaint during the computation
        return solid & area;
    };
    EXPECT_TRUE(mask.markDirty(QRect(10, 10, 5, 5)));
    EXPECT_FALSE(mask.markDirty(QRect(30, 10, 5, 5)));   // already pending
    EXPECT_EQ(mask.update(window, solidIn), QRegion(window));   // first: the whole window
    EXPECT_EQ(asked, QList<QRect>({window}));

    asked.clear();
    solid -= QRegion(12, 12, 2, 2);
    EXPECT_TRUE(mask.markDirty(QRect(10, 10, 5, 5)));
    mask.markDirty(QRect(20, 10, 5, 5));
    EXPECT_EQ(mask.update(window, solidIn), QRegion(window) - QRegion(12, 12, 2, 2));
    EXPECT_EQ(asked, QList<QRect>({QRect(10, 10, 15, 5)}));   // their bounding rectangle only

    asked.clear();
    mask.markDirty(QRect());   // only asks for an update: nothing to compute
    mask.update(window, solidIn);
    EXPECT_TRUE(asked.isEmpty());
    mask.invalidate();
    mask.update(window, solidIn);
    EXPECT_EQ(asked, QList<QRect>({window}));
    asked.clear();
    mask.markDirty(QRect(90, 70, 20, 20));   // cut to the window
    mask.update(window, solidIn);
    EXPECT_EQ(asked, QList<QRect>({QRect(90, 70, 10, 10)}));
    mask.reset();
    asked.clear();
    mask.markDirty(QRect(1, 1, 2, 2));
    mask.update(window, solidIn);
    EXPECT_EQ(asked, QList<QRect>({window}));   // forgotten: whole again
}

// A child follows its anchors from where they last placed it, so that a
// window made small and big again gives it back its place and size; a child
// placed otherwise in between starts from its new place.
TEST(AnchorOrigins, ResizesStartFromWhereTheAnchorsLastPlacedAChild)
{
    TAnchorOrigins origins;
    QObject child;
    const unsigned all = anLeft | anTop | anRight | anBottom;
    QRect bounds(10, 10, 50, 50);
    const auto resize = [&](QSize from, QSize to, QRect (*hold)(QRect)) {
        bounds = hold(origins.target(&child, bounds, all, from, to));
        origins.placed(&child, bounds);
        origins.endResize();
    };
    const auto atLeastZero = [](QRect r) { return QRect(r.x(), r.y(), std::max(r.width(), 0), std::max(r.height(), 0)); };
    resize(QSize(100, 100), QSize(40, 40), atLeastZero);   // squeezed to nothing
    EXPECT_EQ(bounds, QRect(10, 10, 0, 0));
    resize(QSize(40, 40), QSize(100, 100), atLeastZero);
    EXPECT_EQ(bounds, QRect(10, 10, 50, 50));

    bounds = QRect(20, 20, 30, 30);   // moved by hand: starts afresh
    resize(QSize(100, 100), QSize(110, 100), atLeastZero);
    EXPECT_EQ(bounds, QRect(20, 20, 40, 30));
    // Other anchors start afresh too.
    EXPECT_EQ(origins.target(&child, bounds, anLeft | anTop, QSize(110, 100), QSize(50, 50)), bounds);
    origins.endResize();
    // A resize that does not place the child forgets it.
    origins.endResize();
    EXPECT_EQ(origins.target(&child, QRect(0, 0, 10, 10), all, QSize(100, 100), QSize(100, 100)), QRect(0, 0, 10, 10));
}
