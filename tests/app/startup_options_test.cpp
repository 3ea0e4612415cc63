#include "app/StartupOptions.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

StartupOptions parse(const QStringList &args)
{
    return StartupOptions::parse(QStringList{QStringLiteral("brenwick")} + args);
}

} // namespace

TEST(StartupOptions, WithoutArgumentsTheEditorStartsEmpty)
{
    const StartupOptions o = parse({});
    EXPECT_EQ(o.outcome, StartupOptions::Outcome::Run);
    EXPECT_TRUE(o.projectFile.isEmpty());
    // an empty argument (a launcher's empty %f) is no file either
    EXPECT_TRUE(parse({QString()}).projectFile.isEmpty());
    EXPECT_EQ(parse({QString()}).outcome, StartupOptions::Outcome::Run);
}

TEST(StartupOptions, OneFileIsOpenedByItsAbsolutePath)
{
    const StartupOptions absolute = parse({QStringLiteral("/media/disc/Velmora.XML")});
    EXPECT_EQ(absolute.outcome, StartupOptions::Outcome::Run);
    EXPECT_EQ(absolute.projectFile, QStringLiteral("/media/disc/Velmora.XML"));

    const StartupOptions relative = parse({QStringLiteral("menus/Проект 1.xml")});
    EXPECT_EQ(relative.projectFile, QDir::current().absoluteFilePath(QStringLiteral("menus/Проект 1.xml")));

    // a file whose name starts with a dash, after "--"
    const StartupOptions dashed = parse({QStringLiteral("--"), QStringLiteral("-menu.xml")});
    EXPECT_EQ(dashed.outcome, StartupOptions::Outcome::Run);
    EXPECT_EQ(dashed.projectFile, QDir::current().absoluteFilePath(QStringLiteral("-menu.xml")));
}

TEST(StartupOptions, MisuseEndsWithAUsageMessage)
{
    const StartupOptions two = parse({QStringLiteral("a.xml"), QStringLiteral("b.xml")});
    EXPECT_EQ(two.outcome, StartupOptions::Outcome::Exit);
    EXPECT_EQ(two.exitCode, 2);
    EXPECT_TRUE(two.message.contains(QStringLiteral("only one project file")));
    EXPECT_TRUE(two.projectFile.isEmpty());

    const StartupOptions unknown = parse({QStringLiteral("--frobnicate")});
    EXPECT_EQ(unknown.outcome, StartupOptions::Outcome::Exit);
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.message.contains(QStringLiteral("--frobnicate")));
    EXPECT_TRUE(unknown.message.contains(QStringLiteral("Usage: brenwick [FILE]")));
}

TEST(StartupOptions, HelpAndVersionPrintAndEnd)
{
    const StartupOptions version = parse({QStringLiteral("--version")});
    EXPECT_EQ(version.outcome, StartupOptions::Outcome::Exit);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.message, QStringLiteral("brenwick 1.1.2\n"));
    const StartupOptions help = parse({QStringLiteral("x.xml"), QStringLiteral("--help")});
    EXPECT_EQ(help.outcome, StartupOptions::Outcome::Exit);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.message.startsWith(QStringLiteral("Usage: brenwick [FILE]")));
    // "-" alone is a file name (as in many tools), not an option
    EXPECT_EQ(parse({QStringLiteral("-")}).outcome, StartupOptions::Outcome::Run);
}

TEST(StartupOptions, HelpAndVersionAreFoundAmongTheToolkitsOwnOptions)
{
    const QString program = QStringLiteral("brenwick");
    const StartupOptions version = StartupOptions::parseInfoRequest(
        {program, QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")});
    EXPECT_EQ(version.outcome, StartupOptions::Outcome::Exit);
    EXPECT_EQ(version.message, QStringLiteral("brenwick 1.1.2\n"));
    EXPECT_EQ(StartupOptions::parseInfoRequest({program, QStringLiteral("-h")}).exitCode, 0);
    // the toolkit's options and files are left for later
    const StartupOptions plain =
        StartupOptions::parseInfoRequest({program, QStringLiteral("-style"), QStringLiteral("x"), QStringLiteral("a.xml")});
    EXPECT_EQ(plain.outcome, StartupOptions::Outcome::Run);
    EXPECT_TRUE(plain.projectFile.isEmpty());
    // after "--" a file may be called --version
    EXPECT_EQ(StartupOptions::parseInfoRequest({program, QStringLiteral("--"), QStringLiteral("--version")}).outcome,
              StartupOptions::Outcome::Run);
    EXPECT_EQ(StartupOptions::parseInfoRequest({}).outcome, StartupOptions::Outcome::Run);
}
