#include "rules/MenuRun.h"
#include "rules/ProgramPath.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramPath, ResolvedAsTheCheckResolvesIt)
{
    using rules::ProgramPath;
    struct Case
    {
        const char *custom;
        const char *base;
        ProgramPath::Kind kind;
        const char *relative;
    };
    const Case cases[] = {
        {" \"games\\.\\tetris.exe\" ", "", ProgramPath::OnDisc, "games/tetris.exe"},
        {"\\Games\\a.exe", "menu", ProgramPath::OnDisc, "Games/a.exe"},   // from the disc's root
        {"a.exe", "menu/sub", ProgramPath::OnDisc, "menu/sub/a.exe"},
        {"..\\a.exe", "menu", ProgramPath::OnDisc, "a.exe"},
        {"..\\a.exe", "", ProgramPath::Outside, ""},
        {"games\\..\\..\\a.exe", "", ProgramPath::Outside, ""},
        {"C:\\a.exe", "", ProgramPath::Absolute, ""},
        {"z:a.exe", "", ProgramPath::Absolute, ""},
        {"\\\\server\\a.exe", "", ProgramPath::Absolute, ""},
        {"1:\\a.exe", "", ProgramPath::OnDisc, "1:/a.exe"},
        {"\"  \"", "", ProgramPath::Empty, ""},
        {"\"", "", ProgramPath::OnDisc, "\""},
        {"", "", ProgramPath::Empty, ""},
    };
    for (const Case &c : cases) {
        const ProgramPath p = rules::ResolveProgramPath(c.custom, c.base);
        EXPECT_EQ(p.kind, c.kind) << c.custom;
        EXPECT_EQ(p.relative, c.relative) << c.custom;
    }
}

TEST(ProgramPath, TheBaseFolderFollowsTheOptions)
{
    rules::Options o;
    o.pathOption = rules::PathOption::Project;
    EXPECT_EQ(rules::BaseFolder(o, "menu"), "");   // the disc-root box wins
    o.cdRoot = false;
    EXPECT_EQ(rules::BaseFolder(o, "menu"), "menu");
    o.pathOption = rules::PathOption::Velmora;
    EXPECT_EQ(rules::BaseFolder(o, "menu"), "");
}

TEST(ProgramPath, TrimmedAsTheEditorTrims)
{
    EXPECT_EQ(rules::TrimSpaces("\xC2\xA0\t a b\xE3\x80\x80\r\n"), "a b");
    EXPECT_EQ(rules::TrimSpaces("\xE2\x80\x8B" "a"), "\xE2\x80\x8B" "a");   // a zero-width space is no blank
    EXPECT_EQ(rules::TrimSpaces(" \xE2\x80\xA8 "), "");
    EXPECT_EQ(rules::TrimSpaces("x\xE2\x80\x8A"), "x");
}

} // namespace
