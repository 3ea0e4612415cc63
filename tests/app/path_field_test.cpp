#include "app/TCommandsPage.h"
#include "app/cli/Cli.h"
#include "kit/HelpContext.h"
#include "kit/TFileNameEdit.h"
#include "project/TImportNaming.h"
#include "project/TProject.h"
#include "support/CliRunner.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

// The program path as the author picks or drops a file: what the entry
// stores, what the field says, and what the check makes of it.

namespace {

struct PathFieldTest : ::testing::Test
{
    QTemporaryDir temp;
    TProject project;
    ScriptedPrompt prompt;
    std::unique_ptr<TCommandsPage> page;
    TBaseItem *program = nullptr;

    QString Disc(const QString &name = {}) const
    {
        return temp.filePath(QStringLiteral("disc")) + (name.isEmpty() ? QString() : QLatin1Char('/') + name);
    }
    QAction *Mark() const { return page->leCustom->findChild<QAction *>(QStringLiteral("aPathMark")); }
    void Pick(const QString &file)
    {
        prompt.openNames = {file};
        page->leCustom->BrowseButton()->click();
    }
    void SetUp() override
    {
        page = std::make_unique<TCommandsPage>(project, prompt);
        page->bAdd[ikProgram]->click();
        program = project.Tree().CurrentItem();
        QDir().mkpath(Disc(QStringLiteral("soft/tools")));
    }
};

TEST_F(PathFieldTest, AFilePickedInsideTheDiscFolderGetsThePlayersPath)
{
    project.Options().SetRootDir(Disc() + QLatin1Char('/'));
    Pick(Disc(QStringLiteral("soft/tools/setup.exe")));
    EXPECT_EQ(program->Custom(), QStringLiteral("soft\\tools\\setup.exe"));
    ASSERT_NE(Mark(), nullptr);
    EXPECT_FALSE(Mark()->isVisible());
    EXPECT_TRUE(page->leCustom->toolTip().isEmpty());
    // Dropped straight into the folder: no backslash at all.
    emit page->leCustom->FileDropped(Disc(QStringLiteral("setup.exe")));
    EXPECT_EQ(program->Custom(), QStringLiteral("setup.exe"));
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(PathFieldTest, AFileOutsideKeepsItsFullPathAndTheFieldSaysSo)
{
    project.Options().SetRootDir(Disc());
    const QString outside = temp.filePath(QStringLiteral("elsewhere/x.exe"));
    Pick(outside);
    EXPECT_EQ(program->Custom(), outside);
    EXPECT_TRUE(Mark()->isVisible());
    EXPECT_FALSE(Mark()->icon().isNull());
    EXPECT_TRUE(page->leCustom->toolTip().contains(QString::fromUtf8("на диске его не будет")));
    // A full path into the disc folder, typed: the check can mend it.
    page->leCustom->setText(Disc(QStringLiteral("setup.exe")));
    EXPECT_TRUE(page->leCustom->toolTip().contains(QString::fromUtf8("Полный путь Linux")));
    // A player's path carries no mark.
    page->leCustom->setText(QStringLiteral("setup.exe"));
    EXPECT_FALSE(Mark()->isVisible());
}

// Without a disc folder the pick offers the folder that looks like the disc
// (here it holds the player), once; «Нет» chooses another in a folder dialog.
TEST_F(PathFieldTest, WithoutADiscFolderThePickOffersTheDiscOnceOrAnotherFolder)
{
    QFile player(Disc(QStringLiteral("Velmora.EXE")));
    ASSERT_TRUE(player.open(QIODevice::WriteOnly));
    const QString file = Disc(QStringLiteral("soft/tools/setup.exe"));
    Pick(file);   // no answer: «Отмена»
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QDir::toNativeSeparators(Disc()) + QLatin1Char(',')))
        << qPrintable(prompt.asked.first().text);
    EXPECT_EQ(program->Custom(), file);
    EXPECT_TRUE(project.Options().RootDir().isEmpty());
    Pick(file);
    EXPECT_EQ(prompt.asked.size(), 1);   // once only

    page = std::make_unique<TCommandsPage>(project, prompt);
    page->bAdd[ikProgram]->click();
    program = project.Tree().CurrentItem();
    prompt.answers = {UserPrompt::Answer::No};
    prompt.folders = {Disc(QStringLiteral("soft"))};
    Pick(file);
    EXPECT_EQ(prompt.dialogFolders.last(), Disc());   // the folder dialog starts at the offer
    EXPECT_EQ(project.Options().RootDir(), Disc(QStringLiteral("soft")));
    EXPECT_EQ(program->Custom(), QStringLiteral("tools\\setup.exe"));
}

TEST_F(PathFieldTest, SayingYesMakesTheOfferTheDiscFolderAndAFileOutsideOffersAnother)
{
    QFile autorun(Disc(QStringLiteral("autorun.inf")));
    ASSERT_TRUE(autorun.open(QIODevice::WriteOnly));
    prompt.answers = {UserPrompt::Answer::Yes};
    Pick(Disc(QStringLiteral("soft/setup.exe")));
    EXPECT_EQ(project.Options().RootDir(), Disc());
    EXPECT_EQ(program->Custom(), QStringLiteral("soft\\setup.exe"));

    // Outside the disc folder: said so, and another folder may be chosen.
    const QString outside = temp.filePath(QStringLiteral("other/x.exe"));
    prompt.asked.clear();
    prompt.answers = {UserPrompt::Answer::Yes};
    prompt.folders = {temp.path()};
    Pick(outside);
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QString::fromUtf8("вне Корневого Каталога")));
    EXPECT_EQ(project.Options().RootDir(), temp.path());
    EXPECT_EQ(program->Custom(), QStringLiteral("other\\x.exe"));
}

TEST(FolderImportPaths, FullPathsIntoTheDiscFolderTakeThePlayersForm)
{
    TImportOptions o;
    o.pathMode = TImportOptions::PathMode::FullPath;
    o.discDir = QStringLiteral("/m/disc");
    EXPECT_EQ(TImportNaming(QStringLiteral("/m/disc/Soft/"), o).programPath(QStringLiteral("/m/disc/Soft/a/x.exe")),
              QStringLiteral("Soft\\a\\x.exe"));
    // Outside the disc folder, with a prefix, or in another form: as before.
    EXPECT_EQ(TImportNaming(QStringLiteral("/m/other/"), o).programPath(QStringLiteral("/m/other/x.exe")),
              QStringLiteral("\\m\\other\\x.exe"));
    o.dirPrefix = QStringLiteral("cd\\");
    EXPECT_EQ(TImportNaming(QStringLiteral("/m/disc/"), o).programPath(QStringLiteral("/m/disc/x.exe")),
              QStringLiteral("cd\\\\m\\disc\\x.exe"));
    o.dirPrefix.clear();
    o.pathMode = TImportOptions::PathMode::DirPath;
    EXPECT_EQ(TImportNaming(QStringLiteral("/m/disc/Soft/"), o).programPath(QStringLiteral("/m/disc/Soft/a/x.exe")),
              QStringLiteral("a\\x.exe"));
    o.pathMode = TImportOptions::PathMode::FullPath;
    o.discBase = QStringLiteral("menu");
    EXPECT_EQ(TImportNaming(QStringLiteral("/m/disc/"), o).programPath(QStringLiteral("/m/disc/x.exe")),
              QStringLiteral("..\\x.exe"));
}

TEST(CheckCommand, FixPathsWritesTheMendedProject)
{
    QTemporaryDir temp;
    const QString disc = temp.filePath(QStringLiteral("disc"));
    QDir().mkpath(disc + QStringLiteral("/soft"));
    for (const char *name : {"Velmora.EXE", "soft/setup.exe"}) {
        QFile f(disc + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    TProject project;
    project.Options().SetRootDir(disc);
    TBaseItem *item = project.Tree().AddItem(QStringLiteral("P"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr), false);
    project.Tree().SetCustom(item, disc + QStringLiteral("/soft/setup.exe"));
    const QString in = temp.filePath(QStringLiteral("in.xml"));
    const QString out = temp.filePath(QStringLiteral("out.xml"));
    project.SaveProject(in, TProject::WholeProject());

    const CliRun before = RunCli({QStringLiteral("check"), in});
    EXPECT_EQ(before.status, 1);
    EXPECT_TRUE(before.out.contains(QString::fromUtf8("полный путь Linux"))) << qPrintable(before.out);
    const CliRun fixed = RunCli({QStringLiteral("check"), QStringLiteral("--fix-paths"), in, QStringLiteral("-o"), out});
    EXPECT_EQ(fixed.status, 0) << qPrintable(fixed.out + fixed.err);
    EXPECT_TRUE(fixed.err.contains(QStringLiteral("fixed 1 path")));
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("custom=\"soft\\setup.exe\""));
    EXPECT_EQ(RunCli({QStringLiteral("check"), QStringLiteral("--fix-paths"), in}).status, 2);
}

TEST(HelpKeywords, TheCheckAndTheDiscHaveTheirPages)
{
    EXPECT_EQ(help::pageForKeyword(QString::fromLatin1(help::kCheckKeyword)), QStringLiteral("check.html"));
    EXPECT_EQ(help::pageForKeyword(QString::fromLatin1(help::kPrepareDiscKeyword)), QStringLiteral("disc.html"));
    EXPECT_EQ(help::pageForKeyword(QString::fromLatin1(help::kDiscImageKeyword)), QStringLiteral("disc-image.html"));
}

} // namespace
