#include "command_tree_dump.h"
#include "import_fixture.h"
#include "project/TCommandTree.h"
#include "project/TCommandTreeTarget.h"
#include "project/TFolderScan.h"
#include "project/TImportTree.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QString dump(const TCommandTree &tree)
{
    return DumpCommandTree(tree);
}

QString importInto(TCommandTree &tree, const TImportOptions &options)
{
    TCommandTreeTarget target(tree);
    TFolderScan scan(options, target);
    target.begin();
    scan.Run();
    target.end();
    return dump(tree);
}

const QStringList kTree = {
    QStringLiteral("Soft/readme.txt"),     QStringLiteral("Soft/Tools/setup.exe"),
    QStringLiteral("Soft/Tools/Sub/deep.txt"), QStringLiteral("Soft/Drivers/"),
    QStringLiteral("Soft/One/only.exe"),   QStringLiteral("Soft/.git/x.exe"),
};

} // namespace

TEST(CommandTreeImport, SameResultAsThePlainTreeForEveryChoice)
{
    ImportFixture fx(kTree);
    for (int mask = 0; mask < 32; ++mask) {
        TImportOptions o;
        o.dirName = fx.path(QStringLiteral("Soft"));
        o.oneGroup = mask & 1;
        o.noAlone = mask & 2;
        o.pathComment = mask & 4;
        o.extension = mask & 8;
        const bool autoExit = mask & 16;
        o.nameMode = TImportOptions::NameMode(mask % 3);
        o.pathMode = TImportOptions::PathMode((mask / 3) % 3);

        TImportTree plain(autoExit);
        TFolderScan(o, plain).Run();
        TCommandTree tree;
        tree.SetAutoExit(autoExit);
        EXPECT_EQ(importInto(tree, o), plain.dump()) << "choice " << mask;
    }
}

TEST(CommandTreeImport, GoesIntoTheCurrentGroupOrByTheWhereChoice)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe")});
    TImportOptions o;
    o.dirName = fx.path(QStringLiteral("Soft"));
    {
        // A selected group receives the folder's group as its last child.
        TCommandTree tree;
        TBaseItem *g = tree.AddItem(QStringLiteral("Группа"), ikGroup, TCommandTree::TPlace::ByChoice());
        tree.AddItem(QStringLiteral("Программа"), ikProgram, TCommandTree::TPlace::LastChildOf(g));
        EXPECT_EQ(fx.tidy(importInto(tree, o)), QStringLiteral(
            "group #1 \"Группа\"\n"
            "  program #2 \"Программа\" -> \n"
            "  group #3 \"T/Soft/\"\n"
            "    program #4 \"a\" -> Soft\\a.exe\n"));
    }
    {
        // With no group selected, "Рядом" appends at the end of the top level.
        TCommandTree tree;
        tree.SetWhereAdd(TCommandTree::waBeside);
        tree.AddItem(QStringLiteral("Программа"), ikProgram, TCommandTree::TPlace::ByChoice());
        tree.AddItem(QStringLiteral("Адрес"), ikUrl, TCommandTree::TPlace::ByChoice());
        tree.Select(tree.TopLevel().constFirst());
        o.noAlone = true;
        EXPECT_EQ(fx.tidy(importInto(tree, o)), QStringLiteral(
            "program #1 \"Программа\" -> \n"
            "url #2 \"Адрес\"\n"
            "program #4 \"a\" -> Soft\\a.exe\n"));
    }
}

TEST(CommandTreeImport, OneBulkChangeWithTheLastEntrySelected)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/b.exe"), QStringLiteral("Soft/Empty/")});
    TImportOptions o;
    o.dirName = fx.path(QStringLiteral("Soft"));
    TCommandTree tree;
    QSignalSpy current(&tree, &TCommandTree::CurrentChanged);
    QSignalSpy edited(&tree, &TCommandTree::Edited);
    int begun = 0, ended = 0;
    TCommandTreeTarget target(tree);
    target.onBegin = [&] { ++begun; EXPECT_TRUE(tree.IsUpdating()); };
    target.onEnd = [&] { ++ended; EXPECT_FALSE(tree.IsUpdating()); };
    TFolderScan scan(o, target);
    target.begin();
    scan.Run();
    EXPECT_EQ(current.count(), 0);
    EXPECT_EQ(edited.count(), 0);
    target.end();
    EXPECT_EQ(begun, 1);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(current.count(), 1);
    EXPECT_EQ(edited.count(), 1);
    ASSERT_NE(tree.CurrentItem(), nullptr);
    EXPECT_EQ(tree.CurrentItem()->Name(), QStringLiteral("b"));
    EXPECT_EQ(tree.CurrentGroup(), tree.TopLevel().constFirst());
}

TEST(CommandTreeImport, NothingToImportLeavesTheTreeAsItWas)
{
    ImportFixture fx({QStringLiteral("Soft/Sub/")});
    TImportOptions o;
    o.dirName = fx.path(QStringLiteral("Soft"));
    TCommandTree tree;
    tree.SetAutoExit(true);
    TBaseItem *g = tree.AddItem(QStringLiteral("Группа"), ikGroup, TCommandTree::TPlace::ByChoice());
    const QString before = dump(tree);
    importInto(tree, o);
    EXPECT_EQ(dump(tree), before);
    EXPECT_EQ(tree.CurrentGroup(), g);
    // The numbers the removed entries held are given out again.
    EXPECT_EQ(tree.AddItem(QStringLiteral("Программа"), ikProgram, TCommandTree::TPlace::ByChoice())->Id(), 3);
}
