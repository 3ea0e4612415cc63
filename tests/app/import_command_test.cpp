#include "../project/command_tree_dump.h"
#include "../project/import_fixture.h"
#include "app/cli/Cli.h"
#include "app/cli/CliEditor.h"
#include "project/TProject.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

CliRun runImport(const QStringList &args)
{
    return RunCli(QStringList{QStringLiteral("import")} + args);
}

} // namespace

TEST(ImportCommand, WrongArgumentsWriteNothing)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe")});
    const QString dir = fx.path(QStringLiteral("Soft"));
    const QString out = fx.path(QStringLiteral("out.xml"));
    const QList<QStringList> usage = {
        {},
        {dir},                                                        // no -o
        {QStringLiteral("-o"), out},                                  // no DIR
        {dir, dir, QStringLiteral("-o"), out},                        // two folders
        {dir, QStringLiteral("-o"), out, QStringLiteral("--depth"), QStringLiteral("12")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--depth"), QStringLiteral("x")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--depth"), QStringLiteral("-1")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--name"), QStringLiteral("base")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--path"), QStringLiteral("none")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--frobnicate")},
    };
    for (const QStringList &args : usage) {
        const CliRun r = runImport(args);
        EXPECT_EQ(r.status, cli::ExitUsage) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("brenwick-cli: "))) << r.err.toStdString();
    }
    const CliRun missing = runImport({fx.path(QStringLiteral("Missing")), QStringLiteral("-o"), out});
    EXPECT_EQ(missing.status, cli::ExitFailure);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Missing"))) << missing.err.toStdString();
    const CliRun file = runImport({fx.path(QStringLiteral("Soft/a.exe")), QStringLiteral("-o"), out});
    EXPECT_EQ(file.status, cli::ExitFailure);
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(ImportCommand, HelpListsEveryOption)
{
    const CliRun r = runImport({QStringLiteral("--help")});
    EXPECT_EQ(r.status, cli::ExitOk);
    for (const char *option : {"--output", "--into", "--no-subdirs", "--dir-mask", "--depth", "--file-mask", "--extension",
                               "--path-comment", "--one-group", "--no-alone", "--name", "--path", "--prefix", "--auto-exit"})
        EXPECT_TRUE(r.out.contains(QLatin1String(option))) << option;
}

namespace {

QString readTree(const QString &file)
{
    TProject project;
    project.LoadProject(file, TProject::WholeProject());
    return DumpCommandTree(project.Tree());
}

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ImportCommand, NewProjectHoldsTheImportedCommands)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/Tools/setup.exe"), QStringLiteral("Soft/Tools/read.me")});
    const QString out = fx.path(QStringLiteral("Velmora.XML"));
    const CliRun r = runImport({fx.path(QStringLiteral("Soft")), QStringLiteral("-o"), out, QStringLiteral("--name"),
                                QStringLiteral("dir"), QStringLiteral("--extension"), QStringLiteral("--prefix"),
                                QStringLiteral("cd\\"), QStringLiteral("--path-comment"), QStringLiteral("--file-mask"),
                                QStringLiteral("*.exe")});
    ASSERT_EQ(r.status, cli::ExitOk) << r.err.toStdString();
    EXPECT_EQ(fx.tidy(r.out), QStringLiteral("4 entries imported (2 programs from 2 folders)\n"));
    EXPECT_EQ(fx.tidy(readTree(out)), QStringLiteral(
        "group #1 \"T/Soft/\" // T/Soft/\n"
        "  group #2 \"Tools\" // T/Soft/Tools/\n"
        "    program #3 \"Tools\\setup.exe\" -> cd\\Soft\\Tools\\setup.exe\n"
        "  program #4 \"a.exe\" -> cd\\Soft\\a.exe\n"));
}

TEST(ImportCommand, IntoAddsAtTheEndOfTheTopLevelAndLeavesTheSourceAlone)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/Sub/b.exe")});
    const QString in = fx.path(QStringLiteral("in.xml"));
    const QString out = fx.path(QStringLiteral("out.xml"));
    {
        cli::Editor editor;   // a project as the editor writes it, design included
        TProject &project = editor.project;
        TBaseItem *games = project.Tree().AddItem(QStringLiteral("Игры"), ikGroup, TCommandTree::TPlace::ByChoice());
        project.Tree().AddItem(QStringLiteral("Игра"), ikProgram, TCommandTree::TPlace::LastChildOf(games));
        project.SaveProject(in, TProject::WholeProject());
    }
    const QByteArray before = bytesOf(in);
    const CliRun r = runImport({fx.path(QStringLiteral("Soft")), QStringLiteral("-o"), out, QStringLiteral("--into"), in,
                                QStringLiteral("--one-group"), QStringLiteral("--auto-exit"), QStringLiteral("--path"),
                                QStringLiteral("full")});
    ASSERT_EQ(r.status, cli::ExitOk) << r.err.toStdString();
    EXPECT_EQ(bytesOf(in), before);
    EXPECT_EQ(fx.tidy(readTree(out)), QStringLiteral(
        "group #1 \"Игры\"\n"
        "  program #2 \"Игра\" -> \n"
        "group #3 \"T/Soft/\"\n"
        "  exit #4 \"Выход\"\n"
        "  program #5 \"b\" -> T\\Soft\\Sub\\b.exe\n"
        "  program #6 \"a\" -> T\\Soft\\a.exe\n"));

    // A project that cannot be read: nothing is written.
    const QString none = fx.path(QStringLiteral("none.xml"));
    const CliRun bad = runImport({fx.path(QStringLiteral("Soft")), QStringLiteral("-o"), none, QStringLiteral("--into"),
                                  fx.path(QStringLiteral("missing.xml"))});
    EXPECT_EQ(bad.status, cli::ExitFailure);
    EXPECT_FALSE(QFileInfo::exists(none));
}

TEST(ImportCommand, SearchOptionsReachTheScan)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/Sub/b.exe"), QStringLiteral("Soft/Sub/Deep/c.exe"),
                      QStringLiteral("Soft/Other/d.exe")});
    const QString dir = fx.path(QStringLiteral("Soft"));
    const QString out = fx.path(QStringLiteral("out.xml"));
    auto tree = [&](QStringList extra) {
        const CliRun r = runImport(QStringList{dir, QStringLiteral("-o"), out} + extra);
        EXPECT_EQ(r.status, cli::ExitOk) << r.err.toStdString();
        return fx.tidy(readTree(out));
    };
    EXPECT_EQ(tree({QStringLiteral("--no-subdirs")}),
              QStringLiteral("group #1 \"T/Soft/\"\n  program #2 \"a\" -> Soft\\a.exe\n"));
    EXPECT_EQ(tree({QStringLiteral("--depth"), QStringLiteral("1"), QStringLiteral("--dir-mask"), QStringLiteral("s*"),
                    QStringLiteral("--no-alone")}),
              QStringLiteral("group #1 \"T/Soft/\"\n"
                             "  program #3 \"b\" -> Soft\\Sub\\b.exe\n"
                             "  program #2 \"a\" -> Soft\\a.exe\n"));
    // Nothing to import: a valid project without commands.
    EXPECT_EQ(tree({QStringLiteral("--file-mask"), QStringLiteral(";*.*")}), QString());
    EXPECT_TRUE(QFileInfo::exists(out));
}
