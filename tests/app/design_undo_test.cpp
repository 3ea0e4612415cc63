#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "layout/TPreviewForm.h"
#include "support/ScriptedPrompt.h"
#include "window/TPaintSurface.h"
#include "window/TTextBox.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(DesignWindowUndo, AMouseMoveOrResizeIsOneStepMadeAtTheRelease)
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    TMainForm main(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
    TPreviewForm preview;
    linkDesignWindow(main, preview);
    linkLayoutPage(main, preview);   // whose design document makes the drags steps
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    QUndoStack &stack = main.Project().UndoStack();
    QWidget *front = preview.FrontBox();
    QWidget *label = preview.TopLabel();
    const QRect start = label->geometry();   // 12, 4, 493 x 33

    preview.SetSelection(preview.Heading());
    QTest::mousePress(front, Qt::LeftButton, {}, {100, 20});
    for (int x = 102; x <= 110; x += 2)
        QTest::mouseMove(front, {x, 22});
    EXPECT_EQ(stack.count(), 0);   // nothing while the button is held
    QTest::mouseRelease(front, Qt::LeftButton, {}, {110, 22});
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("перемещение «Надпись наверху»"));
    const QRect moved = label->geometry();
    EXPECT_NE(moved, start);
    EXPECT_TRUE(main.Project().Modified());
    stack.undo();
    EXPECT_EQ(label->geometry(), start);
    EXPECT_FALSE(main.Project().Modified());
    stack.redo();
    EXPECT_EQ(label->geometry(), moved);

    // A click that only selects, or presses and releases in place, is no edit.
    main.Project().SetModified(false);
    QTest::mouseClick(front, Qt::LeftButton, {}, {100, 20});
    preview.SetSelection(nullptr);
    QTest::mouseClick(front, Qt::LeftButton, {}, {100, 20});
    EXPECT_EQ(stack.count(), 1);
    EXPECT_FALSE(main.Project().Modified());

    // Dragging the window by its own area moves it on the screen: no step.
    preview.SetSelection(&preview);
    const QPoint place = preview.pos();
    QTest::mousePress(front, Qt::LeftButton, {}, {200, 150});
    QTest::mouseMove(front, {230, 160});
    QTest::mouseRelease(front, Qt::LeftButton, {}, {230, 160});
    EXPECT_NE(preview.pos(), place);
    EXPECT_EQ(stack.count(), 1);
    EXPECT_FALSE(main.Project().Modified());

    // The window itself, moved and resized by its right edge.
    preview.SetSelection(&preview);
    const QRect window = QRect(preview.pos(), preview.frameGeometry().size());
    const int right = preview.width() - 2;
    QTest::mousePress(front, Qt::LeftButton, {}, {right, 100});
    QTest::mouseMove(front, {right + 20, 100});
    QTest::mouseRelease(front, Qt::LeftButton, {}, {right + 20, 100});
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.undoText(), QStringLiteral("изменение размера «Окно»"));
    stack.undo();
    EXPECT_EQ(QRect(preview.pos(), preview.frameGeometry().size()), window);
}
