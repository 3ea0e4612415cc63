#include "import_fixture.h"
#include "project/TFolderScan.h"
#include "project/TImportTree.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/stat.h>

namespace {

struct ScanRun
{
    TImportOptions options;
    TImportTree tree;

    explicit ScanRun(const ImportFixture &fx, const QString &dir = QStringLiteral("Soft"))
    {
        options.dirName = fx.path(dir);
    }
    QString go(const ImportFixture &fx)
    {
        TFolderScan(options, tree).Run();
        return fx.tidy(tree.dump());
    }
};

QString lines(std::initializer_list<const char *> l)
{
    QString out;
    for (const char *s : l)
        out += QString::fromUtf8(s) + QLatin1Char('\n');
    return out;
}

const QStringList kNested = {
    QStringLiteral("Soft/readme.txt"),
    QStringLiteral("Soft/Tools/setup.exe"),
    QStringLiteral("Soft/Tools/Sub/deep.txt"),
    QStringLiteral("Soft/Drivers/"),
};

} // namespace

TEST(FolderScan, DefaultsOnANestedFolder)
{
    ImportFixture fx(kNested);
    ScanRun r(fx);
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"T/Soft/\"",
        "  group #2 \"Tools\"",
        "    group #3 \"Sub\"",
        "      program #4 \"deep\" -> Soft\\Tools\\Sub\\deep.txt",
        "    program #5 \"setup\" -> Soft\\Tools\\setup.exe",
        "  program #6 \"readme\" -> Soft\\readme.txt",
    }));
    // The empty folder "Drivers" took number 2 for a moment and gave it back.
}

TEST(FolderScan, EveryNameAndPathChoiceOnANestedFolder)
{
    ImportFixture fx(kNested);
    using N = TImportOptions::NameMode;
    using P = TImportOptions::PathMode;
    struct NameCase { N mode; const char *tools, *sub, *deep, *readme; } names[] = {
        {N::NoPath, "Tools", "Sub", "deep", "readme"},
        {N::DirPath, "Tools", "Tools\\Sub", "Tools\\Sub\\deep", "readme"},
        {N::FullPath, "T\\Soft\\Tools", "T\\Soft\\Tools\\Sub", "T\\Soft\\Tools\\Sub\\deep", "T\\Soft\\readme"},
    };
    struct PathCase { P mode; const char *deep, *readme; } paths[] = {
        {P::IncDirPath, "pre\\Soft\\Tools\\Sub\\deep.txt", "pre\\Soft\\readme.txt"},
        {P::DirPath, "pre\\Tools\\Sub\\deep.txt", "pre\\readme.txt"},
        {P::FullPath, "pre\\T\\Soft\\Tools\\Sub\\deep.txt", "pre\\T\\Soft\\readme.txt"},
    };
    for (const NameCase &n : names) {
        for (const PathCase &p : paths) {
            ScanRun r(fx);
            r.options.nameMode = n.mode;
            r.options.pathMode = p.mode;
            r.options.dirPrefix = QStringLiteral("pre\\");
            r.options.fileMask = QStringLiteral("*.txt");
            const QString expected = QStringLiteral(
                "group #1 \"T/Soft/\"\n"
                "  group #2 \"%1\"\n"
                "    group #3 \"%2\"\n"
                "      program #4 \"%3\" -> %4\n"
                "  program #5 \"%5\" -> %6\n")
                .arg(QString::fromUtf8(n.tools), QString::fromUtf8(n.sub), QString::fromUtf8(n.deep),
                     QString::fromUtf8(p.deep), QString::fromUtf8(n.readme), QString::fromUtf8(p.readme));
            EXPECT_EQ(r.go(fx), expected) << int(n.mode) << ' ' << int(p.mode);
        }
    }
}

TEST(FolderScan, ExtensionKeptInNamesOnlyWhenAsked)
{
    ImportFixture fx({QStringLiteral("Soft/setup.exe"), QStringLiteral("Soft/Office.2003/a.doc")});
    ScanRun r(fx);
    r.options.extension = true;
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"T/Soft/\"",
        "  group #2 \"Office.2003\"",
        "    program #3 \"a.doc\" -> Soft\\Office.2003\\a.doc",
        "  program #4 \"setup.exe\" -> Soft\\setup.exe",
    }));
}

TEST(FolderScan, EmptyOrMissingFolderLeavesNoTrace)
{
    ImportFixture fx({QStringLiteral("Soft/"), QStringLiteral("Soft/a/b/")});
    for (bool autoExit : {false, true}) {
        for (const char *dir : {"Soft", "Missing"}) {
            ScanRun r(fx, QString::fromUtf8(dir));
            r.tree.setAutoExit(autoExit);
            EXPECT_EQ(r.go(fx), QString()) << dir << autoExit;
            // The numbers the removed entries held are given out again.
            r.tree.addGroupItem(QStringLiteral("Группа"), nullptr);
            EXPECT_EQ(r.tree.topLevel().front()->id, 1);
        }
    }
}

TEST(FolderScan, EmptyFolderNameImportsNothing)
{
    ImportFixture fx({QStringLiteral("a.exe")});
    TImportOptions o;
    TImportTree tree;
    TFolderScan(o, tree).Run();
    EXPECT_EQ(tree.dump(), QString());
}

TEST(FolderScan, SingleFileWithAndWithoutItsOwnGroup)
{
    ImportFixture fx({QStringLiteral("Soft/setup.exe")});
    {
        ScanRun r(fx);
        EXPECT_EQ(r.go(fx), lines({"group #1 \"T/Soft/\"", "  program #2 \"setup\" -> Soft\\setup.exe"}));
    }
    {
        // The program lands where the folder's group stood, after what was there.
        ScanRun r(fx);
        r.tree.addGroupItem(QStringLiteral("Было"), nullptr);
        r.tree.setCurrentGroup(nullptr);
        r.options.noAlone = true;
        EXPECT_EQ(r.go(fx), lines({"group #1 \"Было\"", "program #3 \"setup\" -> Soft\\setup.exe"}));
    }
    {
        // With the automatic exit entry the group's exit goes with it.
        ScanRun r(fx);
        r.tree.setAutoExit(true);
        r.options.noAlone = true;
        EXPECT_EQ(r.go(fx), lines({"program #3 \"setup\" -> Soft\\setup.exe"}));
    }
    {
        ScanRun r(fx);
        r.tree.setAutoExit(true);
        EXPECT_EQ(r.go(fx), lines({
            "group #1 \"T/Soft/\"",
            "  exit #2 \"Выход\"",
            "  program #3 \"setup\" -> Soft\\setup.exe",
        }));
    }
}

TEST(FolderScan, NoAloneLiftsSingleEntriesOfSubfolders)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/b.exe"), QStringLiteral("Soft/One/x.exe"),
                      QStringLiteral("Soft/Two/y.exe"), QStringLiteral("Soft/Two/z.exe"),
                      QStringLiteral("Soft/Wrap/Inner/w.exe")});
    ScanRun r(fx);
    r.options.noAlone = true;
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"T/Soft/\"",
        "  program #3 \"x\" -> Soft\\One\\x.exe",
        "  group #2 \"Two\"",
        "    program #4 \"y\" -> Soft\\Two\\y.exe",
        "    program #5 \"z\" -> Soft\\Two\\z.exe",
        "  program #8 \"w\" -> Soft\\Wrap\\Inner\\w.exe",
        "  program #6 \"a\" -> Soft\\a.exe",
        "  program #7 \"b\" -> Soft\\b.exe",
    }));
}

TEST(FolderScan, OneGroupWithACurrentGroup)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/Sub/b.exe"), QStringLiteral("Soft/Empty/")});
    ScanRun r(fx);
    TImportTree::Item *current = r.tree.addGroupItem(QStringLiteral("Мои"), nullptr);
    r.tree.setCurrentGroup(current);
    r.options.oneGroup = true;
    r.options.noAlone = true;   // has no effect while all goes into one group
    r.options.pathComment = true;
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"Мои\"",
        "  program #2 \"b\" -> Soft\\Sub\\b.exe",
        "  program #3 \"a\" -> Soft\\a.exe",
    }));
}

TEST(FolderScan, OneGroupWithoutACurrentGroupKeepsItsGroupEvenEmpty)
{
    ImportFixture fx({QStringLiteral("Soft/Sub/b.exe"), QStringLiteral("Soft/a.exe"), QStringLiteral("Empty/")});
    {
        ScanRun r(fx);
        r.options.oneGroup = true;
        EXPECT_EQ(r.go(fx), lines({
            "group #1 \"T/Soft/\"",
            "  program #2 \"b\" -> Soft\\Sub\\b.exe",
            "  program #3 \"a\" -> Soft\\a.exe",
        }));
    }
    {
        ScanRun r(fx, QStringLiteral("Empty"));
        r.options.oneGroup = true;
        r.tree.setAutoExit(true);
        EXPECT_EQ(r.go(fx), lines({"group #1 \"T/Empty/\"", "  exit #2 \"Выход\""}));
    }
}

TEST(FolderScan, ImportGoesIntoTheCurrentGroup)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe")});
    ScanRun r(fx);
    TImportTree::Item *current = r.tree.addGroupItem(QStringLiteral("Мои"), nullptr);
    r.tree.addGroupItem(QStringLiteral("Другая"), nullptr);
    r.tree.setCurrentGroup(current);
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"Мои\"",
        "  group #3 \"T/Soft/\"",
        "    program #4 \"a\" -> Soft\\a.exe",
        "group #2 \"Другая\"",
    }));
}

TEST(FolderScan, DepthLimitAndRecursion)
{
    ImportFixture fx({QStringLiteral("Soft/r.exe"), QStringLiteral("Soft/A/a.exe"), QStringLiteral("Soft/A/B/b.exe")});
    {
        ScanRun r(fx);
        r.options.limitDepth = true;
        r.options.depthLimit = 0;
        EXPECT_EQ(r.go(fx), lines({"group #1 \"T/Soft/\"", "  program #2 \"r\" -> Soft\\r.exe"}));
    }
    {
        ScanRun r(fx);
        r.options.limitDepth = true;
        r.options.depthLimit = 1;
        EXPECT_EQ(r.go(fx), lines({
            "group #1 \"T/Soft/\"",
            "  group #2 \"A\"",
            "    program #3 \"a\" -> Soft\\A\\a.exe",
            "  program #4 \"r\" -> Soft\\r.exe",
        }));
    }
    {
        // Without the check box the digit is not looked at.
        ScanRun r(fx);
        r.options.depthLimit = 0;
        r.options.nameMode = TImportOptions::NameMode::DirPath;
        const QString all = r.go(fx);
        EXPECT_TRUE(all.contains(QStringLiteral("program #4 \"A\\B\\b\" -> Soft\\A\\B\\b.exe"))) << all.toStdString();
    }
    {
        ScanRun r(fx);
        r.options.recurseDirs = false;
        r.options.limitDepth = true;
        r.options.depthLimit = 9;
        EXPECT_EQ(r.go(fx), lines({"group #1 \"T/Soft/\"", "  program #2 \"r\" -> Soft\\r.exe"}));
    }
}

TEST(FolderScan, DotFoldersAreSkippedDotFilesAreTaken)
{
    ImportFixture fx({QStringLiteral("Soft/.git/config.exe"), QStringLiteral("Soft/.hidden.exe"),
                      QStringLiteral("Soft/Sub/.x/y.exe")});
    ScanRun r(fx);
    r.options.extension = true;
    EXPECT_EQ(r.go(fx), lines({"group #1 \"T/Soft/\"", "  program #2 \".hidden.exe\" -> Soft\\.hidden.exe"}));
}

TEST(FolderScan, LinksToFoldersAreNotFollowed)
{
    ImportFixture fx({QStringLiteral("Soft/Sub/a.exe"), QStringLiteral("Other/o.exe")});
    ASSERT_TRUE(fx.link(fx.path(QStringLiteral("Soft")), QStringLiteral("Soft/Sub/loop")));
    ASSERT_TRUE(fx.link(fx.path(QStringLiteral("Other")), QStringLiteral("Soft/other")));
    ASSERT_TRUE(fx.link(fx.path(QStringLiteral("Other/o.exe")), QStringLiteral("Soft/linked.exe")));
    ScanRun r(fx);
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"T/Soft/\"",
        "  group #2 \"Sub\"",
        "    program #3 \"a\" -> Soft\\Sub\\a.exe",
        "  program #4 \"linked\" -> Soft\\linked.exe",
    }));
}

TEST(FolderScan, MasksAreAppliedInTurn)
{
    ImportFixture fx({QStringLiteral("Soft/b.EXE"), QStringLiteral("Soft/a.txt"), QStringLiteral("Soft/c.exe")});
    {
        ScanRun r(fx);
        r.options.fileMask = QStringLiteral("*.exe;*.*");
        EXPECT_EQ(r.go(fx), lines({
            "group #1 \"T/Soft/\"",
            "  program #2 \"b\" -> Soft\\b.EXE",
            "  program #3 \"c\" -> Soft\\c.exe",
            "  program #4 \"a\" -> Soft\\a.txt",
            "  program #5 \"b\" -> Soft\\b.EXE",
            "  program #6 \"c\" -> Soft\\c.exe",
        }));
    }
    {
        ScanRun r(fx);
        r.options.fileMask = QStringLiteral(";*.*");
        EXPECT_EQ(r.go(fx), QString());
    }
}

TEST(FolderScan, FolderMasksChooseSubfolders)
{
    ImportFixture fx({QStringLiteral("Soft/Tools/t.exe"), QStringLiteral("Soft/Games/g.exe"), QStringLiteral("Soft/r.exe")});
    {
        ScanRun r(fx);
        r.options.dirMask = QStringLiteral("tool*");
        EXPECT_EQ(r.go(fx), lines({
            "group #1 \"T/Soft/\"",
            "  group #2 \"Tools\"",
            "    program #3 \"t\" -> Soft\\Tools\\t.exe",
            "  program #4 \"r\" -> Soft\\r.exe",
        }));
    }
    {
        // A folder matched by two masks is imported twice.
        ScanRun r(fx);
        r.options.dirMask = QStringLiteral("T*;*");
        r.options.fileMask = QStringLiteral("t*");
        EXPECT_EQ(r.go(fx), lines({
            "group #1 \"T/Soft/\"",
            "  group #2 \"Tools\"",
            "    program #3 \"t\" -> Soft\\Tools\\t.exe",
            "  group #4 \"Tools\"",
            "    program #5 \"t\" -> Soft\\Tools\\t.exe",
        }));
    }
    {
        ScanRun r(fx);
        r.options.dirMask = QStringLiteral(";*");
        EXPECT_EQ(r.go(fx), lines({"group #1 \"T/Soft/\"", "  program #2 \"r\" -> Soft\\r.exe"}));
    }
}

TEST(FolderScan, PathCommentsEndWithTheSeparator)
{
    ImportFixture fx({QStringLiteral("Soft/Sub/a.exe")});
    ScanRun r(fx);
    r.options.pathComment = true;
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"T/Soft/\" // T/Soft/",
        "  group #2 \"Sub\" // T/Soft/Sub/",
        "    program #3 \"a\" -> Soft\\Sub\\a.exe",
    }));
}

TEST(FolderScan, RootTypedWithTrailingSeparatorAndCaseInsensitiveOrder)
{
    ImportFixture fx({QStringLiteral("Soft/beta.exe"), QStringLiteral("Soft/Alpha.exe"), QStringLiteral("Soft/ёж.exe"),
                      QStringLiteral("Soft/Ёлка.exe"), QStringLiteral("Soft/zeta/"), QStringLiteral("Soft/Zeta2/z.exe")});
    ScanRun r(fx, QStringLiteral("Soft/"));
    EXPECT_EQ(r.go(fx), lines({
        "group #1 \"T/Soft/\"",
        "  group #2 \"Zeta2\"",
        "    program #3 \"z\" -> Soft\\Zeta2\\z.exe",
        "  program #4 \"Alpha\" -> Soft\\Alpha.exe",
        "  program #5 \"beta\" -> Soft\\beta.exe",
        "  program #6 \"ёж\" -> Soft\\ёж.exe",
        "  program #7 \"Ёлка\" -> Soft\\Ёлка.exe",
    }));
}

TEST(FolderScan, UnreadableFolderYieldsNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ImportFixture fx({QStringLiteral("Soft/Locked/a.exe"), QStringLiteral("Soft/b.exe")});
    const QByteArray locked = QFile::encodeName(fx.path(QStringLiteral("Soft/Locked")));
    ASSERT_EQ(chmod(locked.constData(), 0), 0);
    ScanRun r(fx);
    const QString result = r.go(fx);
    chmod(locked.constData(), S_IRWXU);
    EXPECT_EQ(result, lines({"group #1 \"T/Soft/\"", "  program #2 \"b\" -> Soft\\b.exe"}));
}
