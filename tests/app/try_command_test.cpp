#include "app/cli/CliEditor.h"
#include "support/CliRunner.h"

#include "window/TPicButton.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// A project on a disc folder: "Игры" holding "Тетрис" (games\tetris.exe, on the
// disc) and an exit entry, the site, and the exit; "Выход после любой команды"
// on, and the default buttons plus "Вверх" (level up).
struct TryCommandTest : ::testing::Test
{
    QTemporaryDir temp;
    QString project;

    void SetUp() override
    {
        QDir(temp.path()).mkpath(QStringLiteral("games"));
        QFile(temp.filePath(QStringLiteral("games/tetris.exe"))).open(QIODevice::WriteOnly);
        cli::Editor editor;
        TCommandTree &tree = editor.project.Tree();
        TBaseItem *games = tree.AddItem(U("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
        TBaseItem *tetris = tree.AddItem(U("Тетрис"), ikProgram, TCommandTree::TPlace::LastChildOf(games), false);
        tree.SetCustom(tetris, QStringLiteral("games\\tetris.exe"));
        tree.AddItem(U("Выход"), ikExit, TCommandTree::TPlace::LastChildOf(games), false);
        TBaseItem *site = tree.AddItem(U("Сайт"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
        tree.SetCustom(site, QStringLiteral("http://example.org"));
        tree.AddItem(U("Выход"), ikExit, TCommandTree::TPlace::LastChildOf(nullptr), false);
        editor.project.Options().SetExitAnyCommand(true);
        editor.project.Options().SetExitQuestion(true);
        // A button the visitor can see: a picture-less one would be 0x0.
        TPicButton *up = editor.layout.CreatePicButton(U("Вверх"));
        up->setAction(TPicButton::baLevelUp);
        up->setAutoSize(false);
        up->setWidth(40);
        up->setHeight(20);
        project = temp.filePath(QStringLiteral("Velmora.XML"));
        editor.project.SaveProject(project, TProject::WholeProject());
    }
};

TEST_F(TryCommandTest, PrintsEachStateAndWhatThePlayerDid)
{
    const CliRun r = RunCli({QStringLiteral("try"), project, QStringLiteral("--disc"), temp.path(),
                             QStringLiteral("enter"), QStringLiteral("button:Вверх"), QStringLiteral("entry:1"),
                             QStringLiteral("enter")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, U("state: level \"/\" selected #1 \"Игры\" menu \"Игры\" | \"Сайт\" | \"Выход\"\n"
                       "state: level \"/Игры\" selected #2 \"Тетрис\" menu \"Тетрис\" | \"Выход\"\n"
                       "state: level \"/\" selected #1 \"Игры\" menu \"Игры\" | \"Сайт\" | \"Выход\"\n"
                       "state: level \"/Игры\" selected #2 \"Тетрис\" menu \"Тетрис\" | \"Выход\"\n"
                       "log: Запуск: games\\tetris.exe — файл есть на диске\n"
                       "log: Выход из меню\n"
                       "state: ended\n"));
}

TEST_F(TryCommandTest, QuestionsTakeTheAnswerGivenAndPicturesAreWritten)
{
    const QString pictures = temp.filePath(QStringLiteral("pictures"));
    const CliRun r = RunCli({QStringLiteral("try"), project, QStringLiteral("--answer"), QStringLiteral("no"),
                             QStringLiteral("--render"), pictures, QStringLiteral("button:Выход"),
                             QStringLiteral("down")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains(U("ask: Выйти? -> no\n"))) << qPrintable(r.out);
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files), QStringList({"000.png", "001.png", "002.png"}));
    // The hover moved: the second and the third picture differ.
    EXPECT_NE(QImage(pictures + QStringLiteral("/001.png")), QImage(pictures + QStringLiteral("/002.png")));
}

TEST_F(TryCommandTest, BadStepsAndUnreadableProjects)
{
    const CliRun bad = RunCli({QStringLiteral("try"), project, QStringLiteral("down"), QStringLiteral("jump")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out.count(QStringLiteral("state:")), 2);   // what ran before the bad step is printed
    EXPECT_TRUE(bad.err.contains(QStringLiteral("step 2 \"jump\""))) << qPrintable(bad.err);
    EXPECT_EQ(RunCli({QStringLiteral("try"), project, QStringLiteral("--answer"), QStringLiteral("maybe")}).status, 2);
    EXPECT_EQ(RunCli({QStringLiteral("try"), temp.filePath(QStringLiteral("none.xml"))}).status, 1);
    const QString broken = temp.filePath(QStringLiteral("broken.xml"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<Velmora><root><program id=\"x\"/></root></Velmora>");
    f.close();
    EXPECT_EQ(RunCli({QStringLiteral("try"), broken}).status, 1);
}

TEST_F(TryCommandTest, WithoutDiscTheProjectsDiscFolderAndHiddenButtonsAreBadSteps)
{
    cli::Editor editor;
    editor.project.LoadProject(project, TProject::WholeProject());
    editor.project.Options().SetRootDir(temp.path());
    editor.layout.CreatePicButton(U("Тень"))->setVisible(false);
    const QString other = temp.filePath(QStringLiteral("other/Velmora.XML"));
    QDir().mkpath(temp.filePath(QStringLiteral("other")));
    editor.project.SaveProject(other, TProject::WholeProject());
    const CliRun r = RunCli({QStringLiteral("try"), other, QStringLiteral("enter"), QStringLiteral("enter")});
    EXPECT_TRUE(r.out.contains(U("log: Запуск: games\\tetris.exe — файл есть на диске\n"))) << qPrintable(r.out);
    const CliRun hidden = RunCli({QStringLiteral("try"), other, QStringLiteral("button:Тень")});
    EXPECT_EQ(hidden.status, 2);
    EXPECT_TRUE(hidden.err.contains(QStringLiteral("is hidden"))) << qPrintable(hidden.err);
}

} // namespace
