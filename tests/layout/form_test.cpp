#include "layout/TDesignPaint.h"
#include "layout/TPreviewForm.h"
#include "project/TMenuSource.h"
#include "project/TProject.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "window/TPaintSurface.h"
#include "window/TTextBox.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FakeTree : TMenuSource
{
    bool empty = true;
    Level level;
    bool isTreeEmpty() const override { return empty; }
    Level currentLevel() const override { return level; }
};

// A shown design window with the mouse driven on its top layer.
struct Form : ::testing::Test
{
    TPreviewForm form;
    int modified = 0;

    void SetUp() override
    {
        form.setOnModified([this] { ++modified; });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QWidget *front() { return form.FrontBox(); }
    void press(QPoint p) { QTest::mousePress(front(), Qt::LeftButton, {}, p); }
    void moveTo(QPoint p) { QTest::mouseMove(front(), p); }
    void release(QPoint p) { QTest::mouseRelease(front(), Qt::LeftButton, {}, p); }
    void click(QPoint p)
    {
        press(p);
        release(p);
    }
    void drag(QPoint from, QPoint to)
    {
        press(from);
        moveTo(to);
        release(to);
    }
};

QRgb blueRow(int y)
{
    return gradientRowColor(0xFF0000, 0, y, TPreviewForm::kClientHeight);
}

} // namespace

TEST(FormLayout, CreatedAsThePlayerShowsTheMenuWindow)
{
    TPreviewForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Предварительный просмотр"));
    EXPECT_EQ(form.size(), QSize(512, 316));
    EXPECT_EQ(form.pos(), QPoint(47, 193));
    EXPECT_EQ(form.BackImage()->geometry(), QRect(0, 0, 512, 316));
    EXPECT_EQ(form.ThemeImage()->geometry(), QRect(12, 40, 200, 200));
    EXPECT_EQ(form.MenuBox()->geometry(), QRect(228, 40, 277, 201));
    EXPECT_EQ(form.CommentBox()->geometry(), QRect(12, 248, 287, 64));
    EXPECT_EQ(form.TopLabel()->geometry(), QRect(12, 4, 493, 33));
    EXPECT_EQ(form.FrontBox()->geometry(), QRect(0, 0, 512, 316));

    // Stacking order, bottom to top.
    const QObjectList kids = form.children();
    QList<QObject *> widgets;
    for (QObject *o : kids)
        if (o->isWidgetType())
            widgets << o;
    ASSERT_GE(widgets.size(), 6);
    EXPECT_EQ(widgets.at(0), form.BackImage());
    EXPECT_EQ(widgets.at(1), form.ThemeImage());
    EXPECT_EQ(widgets.at(2), form.MenuBox());
    EXPECT_EQ(widgets.at(3), form.CommentBox());
    EXPECT_EQ(widgets.at(4), form.TopLabel());
    EXPECT_EQ(widgets.last(), form.FrontBox());

    EXPECT_EQ(form.MenuArea()->Font()->Name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(form.MenuArea()->Font()->Height(), -19);
    EXPECT_EQ(form.MenuArea()->Font()->Color().value(), TColor::clYellow);
    EXPECT_EQ(form.CommentArea()->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(form.CommentArea()->Font()->Height(), -16);
    EXPECT_EQ(form.Heading()->Font()->Height(), -24);
    EXPECT_TRUE(form.Heading()->Font()->Style().testFlag(TFont::fsItalic));
    EXPECT_EQ(form.Heading()->Font()->Charset(), 204);
    EXPECT_EQ(form.Heading()->Text(), QStringList{QStringLiteral("Автозапуск")});
    EXPECT_EQ(form.ThemeImage()->Picture()->width(), 200);
    EXPECT_EQ(form.ColorTop().value(), TColor::clBlue);
    EXPECT_EQ(form.ColorBottom().value(), 0);
    EXPECT_TRUE(form.ColorGradient());
    EXPECT_TRUE(form.EnableSelect());
    EXPECT_TRUE(form.ShowSelection());
    EXPECT_TRUE(form.DoubleBuffered());
    // A new project's menu: the placeholders, the second selected.
    EXPECT_EQ(form.MenuArea()->Text(), (QStringList{QStringLiteral("<элемент 1>"), QStringLiteral("<элемент 2>"),
                                                    QStringLiteral("<элемент 3>")}));
    EXPECT_EQ(form.MenuArea()->SelectedIndex(), 1);
}

TEST(FormLayout, HiddenWindowLaysOutAtOnceWhenResized)
{
    // A design loaded while the window is hidden (and the render command,
    // which never shows it) must see the children where their anchors put them.
    TPreviewForm form;
    form.hide();
    form.setClientWidth(612);
    EXPECT_EQ(form.MenuBox()->geometry(), QRect(228, 40, 377, 201));
    EXPECT_EQ(form.FrontBox()->geometry(), QRect(0, 0, 612, 316));
    EXPECT_EQ(form.renderClient().size(), QSize(612, 316));
    form.show();
    EXPECT_EQ(form.MenuBox()->geometry(), QRect(228, 40, 377, 201));
}

TEST(FormPainting, GradientAndPicturesInTheRenderedClientArea)
{
    TPreviewForm form;
    QImage img = form.renderClient();
    // Right of the menu area, below the heading: nothing but the gradient.
    for (int y : {0, 1, 2, 157, 315})
        EXPECT_EQ(img.pixel(509, y), blueRow(y)) << y;
    // The theme picture is drawn where it stands.
    const QImage theme(QStringLiteral(":/pictures/theme.bmp"));
    EXPECT_EQ(img.pixel(12 + 100, 40 + 100), theme.pixel(100, 100));

    form.setColorGradient(false);
    img = form.renderClient();
    EXPECT_EQ(img.pixel(509, 315), qRgb(0, 0, 255));

    form.setColorGradient(true);
    form.setColorTop(0x00123456);
    form.setColorBottom(0x00123456);
    img = form.renderClient();
    EXPECT_EQ(img.pixel(509, 0), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(img.pixel(509, 315), qRgb(0x56, 0x34, 0x12));
}

TEST(FormPainting, BackgroundPictureSuppressesTheGradient)
{
    TPreviewForm form;
    QImage big(600, 400, QImage::Format_RGB888);
    big.fill(qRgb(0, 200, 0));
    form.BackImage()->Picture()->setBitmap(big);
    EXPECT_EQ(form.renderClient().pixel(509, 315), qRgb(0, 200, 0));
    // Hidden and not stretched: the gradient shows again.
    form.BackImage()->setVisible(false);
    EXPECT_EQ(form.renderClient().pixel(509, 315), blueRow(315));
    // Small picture stretched without proportions: no gradient, the picture covers it.
    QImage small(8, 8, QImage::Format_RGB888);
    small.fill(qRgb(200, 0, 0));
    form.BackImage()->Picture()->setBitmap(small);
    form.BackImage()->setVisible(true);
    form.BackImage()->setStretch(true);
    EXPECT_EQ(form.renderClient().pixel(509, 315), qRgb(200, 0, 0));
}

TEST(FormPainting, SelectionFrameOnScreenOnlyAndNeverForTheWindow)
{
    TPreviewForm form;
    form.SetSelection(form.Heading());
    EXPECT_EQ(form.SelectedControl(), form.TopLabel());
    const QImage framed = form.renderClient(true);
    const QImage plain = form.renderClient(false);
    int differing = 0;
    for (int x = 12; x < 12 + 493; ++x)
        differing += framed.pixel(x, 4) != plain.pixel(x, 4);
    EXPECT_GT(differing, 200);
    // The frame ends before Left + Width.
    EXPECT_EQ(framed.pixel(12 + 493, 20), plain.pixel(12 + 493, 20));

    form.setShowSelection(false);
    EXPECT_EQ(form.renderClient(true), plain);
    form.setShowSelection(true);
    form.SetSelection(&form);
    EXPECT_EQ(form.renderClient(true), plain);
    form.SetSelection(nullptr);
    EXPECT_EQ(form.SelectedControl(), nullptr);
}

TEST_F(Form, HoverCursorsAndCornerResize)
{
    form.SetSelection(form.ThemeImage());   // 12, 40, 200 x 200
    moveTo({15, 43});
    EXPECT_EQ(front()->cursor().shape(), Qt::SizeFDiagCursor);
    moveTo({100, 100});
    EXPECT_EQ(front()->cursor().shape(), Qt::SizeAllCursor);
    moveTo({210, 100});
    EXPECT_EQ(front()->cursor().shape(), Qt::SizeHorCursor);

    form.ThemeImage()->setAutoSize(false);
    drag({15, 43}, {5, 33});
    EXPECT_EQ(form.ThemeImage()->geometry(), QRect(2, 30, 210, 210));
    EXPECT_EQ(modified, 1);
}

TEST_F(Form, DragMovesWithinTheClientArea)
{
    form.SetSelection(form.CommentArea());   // 12, 248, 287 x 64
    drag({100, 280}, {-200, 280});
    EXPECT_EQ(form.CommentArea()->Left(), 0);
    drag({100, 280}, {1000, 1000});
    EXPECT_EQ(form.CommentArea()->Left(), 512 - 287);
    EXPECT_EQ(form.CommentArea()->Top(), 316 - 64);
    EXPECT_EQ(modified, 2);
}

TEST_F(Form, PressAndReleaseInsideIsNoEdit)
{
    form.SetSelection(form.MenuArea());
    click({300, 100});
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(form.MenuBox()->geometry(), QRect(228, 40, 277, 201));
}

TEST_F(Form, ClickSelectsInTreeOrder)
{
    form.SetSelection(nullptr);
    click({100, 100});
    EXPECT_EQ(form.SelectedControl(), form.ThemeImage());
    click({300, 100});
    EXPECT_EQ(form.SelectedControl(), form.MenuBox());
    click({20, 10});
    EXPECT_EQ(form.SelectedControl(), form.TopLabel());
    EXPECT_EQ(modified, 0);
    // Only the background under the pointer: the selection stays.
    click({220, 245});
    EXPECT_EQ(form.SelectedControl(), form.TopLabel());

    // "Не выделять текст": text objects are passed over.
    form.setNoSelectText(true);
    form.SetSelection(nullptr);
    click({300, 100});
    EXPECT_EQ(form.SelectedControl(), nullptr);

    // Selection disabled: a click outside changes nothing.
    form.setNoSelectText(false);
    form.SetSelection(form.ThemeImage());
    form.setEnableSelect(false);
    click({300, 100});
    EXPECT_EQ(form.SelectedControl(), form.ThemeImage());
}

TEST_F(Form, ThemePictureWinsOverAButtonAboveIt)
{
    auto *button = new TImageEx;
    button->setGeometry(150, 150, 64, 64);
    form.placePictureControl(button);
    EXPECT_EQ(form.children().last(), form.FrontBox());
    form.SetSelection(nullptr);
    click({160, 160});
    EXPECT_EQ(form.SelectedControl(), form.ThemeImage());
    click({213, 160});
    EXPECT_EQ(form.SelectedControl(), button);
    delete button;
    EXPECT_EQ(form.SelectedControl(), nullptr);
}

TEST_F(Form, HiddenObjectIsNotClickedButCanBeDragged)
{
    form.Heading()->setVisible(false);
    form.SetSelection(nullptr);
    click({20, 10});
    EXPECT_EQ(form.SelectedControl(), nullptr);
    form.SetSelection(form.Heading());
    drag({100, 20}, {100, 30});
    EXPECT_EQ(form.Heading()->Top(), 14);
}

TEST_F(Form, BackgroundIsOutlinedButNeverDragged)
{
    form.SetSelection(form.BackImage());
    drag({5, 5}, {50, 50});
    EXPECT_EQ(form.BackImage()->geometry(), QRect(0, 0, 512, 316));
    EXPECT_EQ(modified, 0);
}

TEST_F(Form, WindowObjectMovesTheWindowWithoutLimits)
{
    form.SetSelection(&form);
    const QPoint before = form.pos();
    press({256, 150});
    EXPECT_EQ(form.DragParts(), TDragParts(dpMove));
    moveTo({276, 170});
    release({276, 170});
    EXPECT_EQ(form.pos(), before + QPoint(20, 20));
    EXPECT_EQ(modified, 0);   // its place on the screen is not in the design
}

TEST_F(Form, MenuFollowsTheCommandTreeWhileVisible)
{
    FakeTree tree;
    tree.empty = false;
    tree.level.entries = {{QStringLiteral("Игры"), false}, {QStringLiteral("Скрыт"), true},
                          {QStringLiteral("Драйверы"), false}};
    tree.level.current = 2;
    tree.level.hasGroup = true;
    tree.level.groupCaption = QStringLiteral("Софт");
    form.setMenuSource(&tree);
    form.Heading()->setAllowChange(true);
    form.RefreshMenu();
    EXPECT_EQ(form.MenuArea()->Text(), (QStringList{QStringLiteral("Игры"), QStringLiteral("Драйверы")}));
    EXPECT_EQ(form.MenuArea()->SelectedIndex(), 1);
    EXPECT_EQ(form.Heading()->Lines(), QStringList{QStringLiteral("Софт")});

    // Hidden: nothing changes until it is shown again.
    form.hide();
    tree.level.entries.removeFirst();
    tree.level.current = 1;
    form.RefreshMenu();
    EXPECT_EQ(form.MenuArea()->Text().size(), 2);
    form.ShowPreview();
    EXPECT_EQ(form.MenuArea()->Text(), QStringList{QStringLiteral("Драйверы")});
    EXPECT_EQ(form.MenuArea()->SelectedIndex(), 0);

    form.SetCommentText(QStringLiteral("раз\r\nдва"));
    EXPECT_EQ(form.CommentArea()->Text(), (QStringList{QStringLiteral("раз"), QStringLiteral("два")}));
    form.SetCommentText(QString());
    EXPECT_TRUE(form.CommentArea()->Text().isEmpty());
}

TEST_F(Form, ClosingOnlyHides)
{
    form.close();
    EXPECT_FALSE(form.isVisible());
    form.ShowPreview();
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Form, ChildrenFollowTheirAnchorsWhenTheWindowResizes)
{
    form.setClientWidth(612);
    form.setClientHeight(346);
    EXPECT_EQ(form.size(), QSize(612, 346));
    EXPECT_EQ(form.MenuBox()->geometry(), QRect(228, 40, 377, 231));
    EXPECT_EQ(form.CommentBox()->geometry(), QRect(12, 278, 387, 64));
    EXPECT_EQ(form.TopLabel()->geometry(), QRect(12, 4, 593, 33));
    EXPECT_EQ(form.ThemeImage()->geometry(), QRect(12, 40, 200, 200));
    EXPECT_EQ(form.BackImage()->geometry(), QRect(0, 0, 612, 346));
    EXPECT_EQ(form.FrontBox()->geometry(), QRect(0, 0, 612, 346));
}

TEST_F(Form, WindowPropertiesReachTheRealWindow)
{
    form.setBorderStyle(TPreviewForm::bsNone);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    form.setClientWidth(400);
    EXPECT_EQ(form.width(), 400);
    form.setBorderStyle(TPreviewForm::bsSizeable);
    EXPECT_NE(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.width(), 400);

    form.setAlphaBlendValue(128);
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);   // stored, not applied while off
    form.setAlphaBlend(true);
    EXPECT_NEAR(form.windowOpacity(), 128.0 / 255, 0.01);
    form.setAlphaBlendValue(300);
    EXPECT_EQ(form.AlphaBlendValue(), 255);

    form.setCaption(QStringLiteral("Меню"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Меню"));
}

TEST_F(Form, TransparentColourMakesHoles)
{
    form.setColorGradient(false);              // plain clBlue background
    form.setTransparentColorValue(TColor::clBlue);
    form.setTransparentColor(true);
    const QRegion solid = form.shapeRegion();
    EXPECT_FALSE(solid.contains(QPoint(509, 300)));   // background: a hole
    EXPECT_TRUE(solid.contains(QPoint(112, 140)));    // theme picture stays
    QTest::qWait(1);
    EXPECT_FALSE(form.mask().isEmpty());
    EXPECT_FALSE(form.mask().contains(QPoint(509, 300)));
    // Once the mask is set, the holes stay holes (the mask does not feed back).
    form.update();
    QTest::qWait(20);
    EXPECT_FALSE(form.shapeRegion().contains(QPoint(509, 300)));
    EXPECT_FALSE(form.mask().contains(QPoint(509, 300)));
    // Moving an object over the holes: its new place is solid, its old place a hole.
    EXPECT_TRUE(form.mask().contains(QPoint(20, 60)));
    form.SetSelection(form.ThemeImage());
    drag({100, 100}, {400, 100});
    QTest::qWait(20);
    EXPECT_EQ(form.ThemeImage()->x(), 312);
    EXPECT_FALSE(form.mask().contains(QPoint(20, 60)));
    EXPECT_TRUE(form.mask().contains(QPoint(320, 60)));
    EXPECT_EQ(form.mask(), form.shapeRegion());
    // A colour change fills the holes again.
    form.setColorTop(0x00804020);
    QTest::qWait(20);
    EXPECT_TRUE(form.mask().contains(QPoint(509, 300)));
    form.setTransparentColor(false);
    EXPECT_TRUE(form.mask().isEmpty());
}

TEST_F(Form, FollowsTheCommandTreeLive)
{
    TProject project;
    form.setMenuSource(&project.Tree());
    project.SetDesignView(&form);
    TCommandTree &tree = project.Tree();
    TBaseItem *games = tree.AddItem(QStringLiteral("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    TBaseItem *chess = tree.AddItem(QStringLiteral("Шахматы"), ikProgram, TCommandTree::TPlace::LastChildOf(games), false);
    tree.SetComment(chess, QStringLiteral("Игра для двоих"));
    tree.Select(chess);
    EXPECT_EQ(form.MenuArea()->Text(), QStringList{QStringLiteral("Шахматы")});
    EXPECT_EQ(form.MenuArea()->SelectedIndex(), 0);
    EXPECT_EQ(form.CommentArea()->Text(), QStringList{QStringLiteral("Игра для двоих")});

    tree.AddItem(QStringLiteral("Сайт"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
    EXPECT_EQ(form.MenuArea()->Text(), (QStringList{QStringLiteral("Игры"), QStringLiteral("Сайт")}));
    EXPECT_EQ(form.MenuArea()->SelectedIndex(), 1);
    tree.SetName(games, QStringLiteral("Игрушки"));
    EXPECT_EQ(form.MenuArea()->Text().first(), QStringLiteral("Игрушки"));
    tree.SetHidden(games, true);
    EXPECT_EQ(form.MenuArea()->Text(), QStringList{QStringLiteral("Сайт")});
    project.SetDesignView(nullptr);
}

namespace {

// The object tree as it will plug in: its own nodes, its own selection.
struct FakeObjectTree : TDesignObjects
{
    QList<QObject *> nodes;
    QList<int> selected;
    bool noText = false;
    QList<QObject *> designObjects() const override { return nodes; }
    void selectDesignObject(int index) override { selected << index; }
    bool noSelectText() const override { return noText; }
};

} // namespace

TEST_F(Form, ClickSelectionGoesThroughTheObjectTree)
{
    auto owned = std::make_unique<TImageEx>();   // outlives the button, as DeletePicButton's order has it
    TImageEx *image = owned.get();
    TPicButton button(image, QStringLiteral("Выход"));
    image->setGeometry(440, 248, 64, 64);
    form.placePictureControl(image);

    FakeObjectTree tree;
    tree.nodes = {&form, nullptr, form.BackImage(), form.ThemeImage(), nullptr, form.Heading(), form.CommentArea(),
                  nullptr, form.MenuArea(), form.MenuArea()->ButtonStyle(), nullptr, &button};
    form.setDesignObjects(&tree);
    form.SetSelection(nullptr);

    click({450, 300});                      // the button, below the menu area
    ASSERT_EQ(tree.selected.size(), 1);
    EXPECT_EQ(tree.selected.last(), 11);
    EXPECT_EQ(form.SelectedControl(), nullptr);   // the tree decides; it has not called SetSelection

    click({300, 100});                      // the menu area
    EXPECT_EQ(tree.selected.last(), 8);
    tree.noText = true;
    click({300, 100});                      // passed over: nothing picked
    EXPECT_EQ(tree.selected.size(), 2);

    // The tree selects the button: the button's picture control is outlined.
    form.SetSelection(&button);
    EXPECT_EQ(form.SelectedControl(), image);
    button.setVisible(false);
    click({450, 300});
    EXPECT_EQ(tree.selected.size(), 2);     // hidden: not picked by a click
    form.setDesignObjects(nullptr);
}

TEST_F(Form, CommentEndingInALineBreakAddsNoEmptyLine)
{
    form.SetCommentText(QStringLiteral("раз\nдва\r\n"));
    EXPECT_EQ(form.CommentArea()->Text(), (QStringList{QStringLiteral("раз"), QStringLiteral("два")}));
    form.SetCommentText(QStringLiteral("раз\r\n\r\n"));
    EXPECT_EQ(form.CommentArea()->Text(), (QStringList{QStringLiteral("раз"), QString()}));
    form.SetCommentText(QStringLiteral("\n"));
    EXPECT_EQ(form.CommentArea()->Text(), QStringList{QString()});
}

TEST_F(Form, HiddenDuringLongWorkAndShownAgain)
{
    TDesignView &view = form;
    view.HidePreview();
    EXPECT_FALSE(form.isVisible());
    view.ShowPreview();
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Form, ChildrenSqueezedByASmallWindowGetTheirSizeBack)
{
    form.setClientWidth(100);
    form.setClientHeight(100);
    EXPECT_EQ(form.MenuBox()->width(), 0);
    form.setClientWidth(512);
    form.setClientHeight(316);
    EXPECT_EQ(form.MenuBox()->geometry(), QRect(228, 40, 277, 201));
    EXPECT_EQ(form.TopLabel()->geometry(), QRect(12, 4, 493, 33));
    EXPECT_EQ(form.CommentBox()->geometry(), QRect(12, 248, 287, 64));

    // Moved by the user in between: the anchors start again from the new place.
    form.setClientWidth(300);
    form.MenuArea()->setLeft(10);
    form.setClientWidth(400);
    EXPECT_EQ(form.MenuBox()->geometry(), QRect(10, 40, 165, 201));
}

TEST_F(Form, MouseSentToTheWindowItselfActsAsOnItsTopLayer)
{
    form.SetSelection(form.CommentArea());   // 12, 248, 287 x 64
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(100, 280));
    EXPECT_EQ(form.DragParts(), TDragParts(dpMove));
    QTest::mouseMove(&form, QPoint(110, 280));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(110, 280));
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(form.DragParts(), TDragParts());
    form.SetSelection(nullptr);
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(form.SelectedControl(), form.ThemeImage());
}

TEST(FormLayout, VisibleFromItsCreationAndFollowsTheTreeAtOnce)
{
    TPreviewForm form;
    EXPECT_TRUE(form.isVisible());
    FakeTree tree;
    tree.empty = false;
    tree.level.entries = {{QStringLiteral("Игры"), false}, {QStringLiteral("Сайт"), false}};
    tree.level.current = 0;
    form.setMenuSource(&tree);
    form.RefreshMenu();
    EXPECT_EQ(form.MenuArea()->Text(), (QStringList{QStringLiteral("Игры"), QStringLiteral("Сайт")}));
    EXPECT_EQ(form.MenuArea()->SelectedIndex(), 0);
}

TEST(FormLayout, HitTestAgainstTheSelection)
{
    TPreviewForm form;
    EXPECT_EQ(form.HitTest(100, 100), TDragParts());
    form.SetSelection(form.ThemeImage());   // 12, 40, 200 x 200
    EXPECT_EQ(form.HitTest(18, 46), dpTop | dpLeft);
    EXPECT_EQ(form.HitTest(19, 47), TDragParts(dpMove));
    EXPECT_EQ(form.HitTest(205, 233), dpBottom | dpRight);
    EXPECT_EQ(form.HitTest(212, 100), TDragParts());
}

TEST_F(Form, ColourKeyNeverCutsTheSelectionFrame)
{
    form.setColorGradient(false);
    form.setTransparentColorValue(form.ColorTop());
    form.setTransparentColor(true);
    form.Heading()->setVisible(false);
    form.SetSelection(form.Heading());
    QCoreApplication::processEvents();
    const QRect bounds = form.Heading()->Control()->geometry();
    EXPECT_TRUE(form.mask().contains(bounds.topLeft()));
    EXPECT_TRUE(form.mask().contains(bounds.bottomRight()));
    EXPECT_FALSE(form.mask().contains(bounds.center()));
    form.SetSelection(nullptr);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.mask().contains(bounds.topLeft()));
}
