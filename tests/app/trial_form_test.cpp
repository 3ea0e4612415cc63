#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "app/TTrialForm.h"
#include "app/TTrialLink.h"
#include "app/cli/CliEditor.h"
#include "layout/TTrialDesign.h"
#include "project/TMenuRun.h"
#include "support/ScriptedPrompt.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPaintSurface.h"
#include "window/TPicButton.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// A menu "Игры" (holding "Тетрис"), "Сайт", "Выход" with the default buttons,
// "Вопрос при выходе кнопкой" on.
QByteArray ProjectBytes()
{
    cli::Editor editor;
    TCommandTree &tree = editor.project.Tree();
    TBaseItem *games = tree.AddItem(U("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    tree.AddItem(U("Тетрис"), ikProgram, TCommandTree::TPlace::LastChildOf(games), false);
    tree.SetCustom(tree.AddItem(U("Сайт"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false),
                   QStringLiteral("http://example.org"));
    tree.AddItem(U("Выход"), ikExit, TCommandTree::TPlace::LastChildOf(nullptr), false);
    editor.project.Options().SetExitQuestion(true);
    return editor.project.ProjectBytes();
}

struct TrialFormTest : ::testing::Test
{
    ScriptedPrompt prompt;
    TTrialForm *form = new TTrialForm(ProjectBytes(), {}, QString(), QString(), prompt);
    QWidget *front = nullptr;

    void SetUp() override
    {
        form->Start();
        front = form->Design().Form().FrontBox();
    }
    void TearDown() override { delete form; }
    // A point on the menu button at index.
    QPoint EntryPoint(int index)
    {
        const QRect box = form->Design().Form().MenuBox()->geometry();
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); x += 4) {
                if (form->Design().EntryAt(QPoint(x, y)) == index)
                    return QPoint(x, y);
            }
        }
        ADD_FAILURE() << "no menu button " << index;
        return {};
    }
    QPoint ButtonPoint(const char *caption)
    {
        for (TPicButton *b : form->Design().PicButtons()) {
            if (b->Caption() == U(caption))
                return b->Image()->geometry().center();
        }
        ADD_FAILURE() << caption;
        return {};
    }
    QStringList LogLines() const
    {
        QStringList lines;
        for (int i = 0; i < form->Log()->count(); ++i)
            lines << form->Log()->item(i)->text();
        return lines;
    }
};

TEST_F(TrialFormTest, HoverSelectsPressShowsAndReleaseActivates)
{
    QTest::mouseMove(front, EntryPoint(1));
    EXPECT_EQ(form->Run().Selected(), 1);
    QTest::mousePress(front, Qt::LeftButton, {}, EntryPoint(1));
    EXPECT_EQ(form->Design().Form().MenuArea()->PressedIndex(), 1);
    QTest::mouseRelease(front, Qt::LeftButton, {}, EntryPoint(1));
    EXPECT_EQ(LogLines(), QStringList{U("Открыть адрес: http://example.org")});
    // A press carried off the button before the release does nothing.
    QTest::mousePress(front, Qt::LeftButton, {}, EntryPoint(0));
    QTest::mouseRelease(front, Qt::LeftButton, {}, QPoint(0, 0));
    EXPECT_EQ(form->Run().LevelPath(), QStringLiteral("/"));
    QTest::mouseClick(front, Qt::LeftButton, {}, EntryPoint(0));
    EXPECT_EQ(form->Run().LevelPath(), U("/Игры"));
}

TEST_F(TrialFormTest, StandAloneButtonsShowTheirStatesAndKeysDriveTheMenu)
{
    TPicButton *exit = form->Design().PicButtons().value(0);
    ASSERT_TRUE(exit);
    QTest::mouseMove(front, ButtonPoint("Выход"));
    EXPECT_EQ(exit->State(), TPictureSet::bsSelected);
    QTest::mousePress(front, Qt::LeftButton, {}, ButtonPoint("Выход"));
    EXPECT_EQ(exit->State(), TPictureSet::bsPressed);
    prompt.answers << UserPrompt::Answer::No;
    QTest::mouseRelease(front, Qt::LeftButton, {}, ButtonPoint("Выход"));
    EXPECT_EQ(exit->State(), TPictureSet::bsSelected);
    EXPECT_EQ(LogLines(), QStringList{U("Вопрос «Выйти?»: нет")});
    QTest::mouseMove(front, QPoint(0, 0));
    EXPECT_EQ(exit->State(), TPictureSet::bsDefault);

    QWidget &menu = form->Design().Form();
    QTest::keyClick(&menu, Qt::Key_Down);
    QTest::keyClick(&menu, Qt::Key_Down);
    EXPECT_EQ(form->Run().Selected(), 2);
    prompt.answers << UserPrompt::Answer::Yes;
    QTest::keyClick(&menu, Qt::Key_Return);   // "Выход", asked
    EXPECT_TRUE(form->Run().Ended());
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(TrialFormTest, TheCloseCrossEndsTheRun)
{
    form->Design().Form().close();
    EXPECT_TRUE(form->Run().Ended());
    EXPECT_EQ(LogLines(), QStringList{U("Выход из меню")});
}

TEST(TrialLink, TheEditorsProjectStaysAsItWas)
{
    QTemporaryDir temp;
    ScriptedPrompt prompt;
    TMainForm main(temp.filePath(QStringLiteral("brenwick.ini")), &prompt);
    TPreviewForm preview;
    linkDesignWindow(main, preview);
    linkDesignFile(main, preview, *linkLayoutPage(main, preview));
    TProject &project = main.Project();
    project.Tree().AddItem(U("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    project.SetModified(false);
    const int steps = project.UndoStack().count();
    TTrialLink link(main);
    main.ATryMenu->trigger();
    ASSERT_TRUE(link.Form()) << qPrintable(prompt.asked.value(0).text);
    EXPECT_EQ(link.Form()->Run().Entries().size(), 1);
    link.Form()->Run().Activate();
    link.Form()->close();
    EXPECT_FALSE(project.Modified());
    EXPECT_EQ(project.UndoStack().count(), steps);
}

} // namespace
