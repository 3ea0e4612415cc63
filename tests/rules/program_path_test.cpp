#include "rules/DiscNames.h"
#include "rules/MenuRun.h"
#include "rules/ProgramPath.h"
#include "rules/WindowsCase.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramPath, ResolvedAsWindowsResolvesIt)
{
    using rules::ProgramPath;
    struct Case
    {
        const char *custom;
        const char *base;
        ProgramPath::Kind kind;
        const char *relative;
        bool folder;
    };
    const Case cases[] = {
        {" \"games\\.\\tetris.exe\" ", "", ProgramPath::OnDisc, "games/tetris.exe", false},
        {"\\Games\\a.exe", "menu", ProgramPath::OnDisc, "Games/a.exe", false},   // from the disc's root
        {"a.exe", "menu/sub", ProgramPath::OnDisc, "menu/sub/a.exe", false},
        {"..\\a.exe", "menu", ProgramPath::OnDisc, "a.exe", false},
        // ".." stops at the root, as at a drive's root.
        {"..\\a.exe", "", ProgramPath::OnDisc, "a.exe", false},
        {"games\\..\\..\\..\\a.exe", "menu", ProgramPath::OnDisc, "a.exe", false},
        // A folder whose name begins with two dots is a folder like any other.
        {"x.exe", "..menu", ProgramPath::OnDisc, "..menu/x.exe", false},
        {"..\\x.exe", "..menu", ProgramPath::OnDisc, "x.exe", false},
        {"..menu\\x.exe", "", ProgramPath::OnDisc, "..menu/x.exe", false},
        // The last step loses its trailing dots and blanks, the others one dot.
        {"x.exe.", "", ProgramPath::OnDisc, "x.exe", false},
        {"x.exe. .", "", ProgramPath::OnDisc, "x.exe", false},
        {"soft.\\setup.exe", "", ProgramPath::OnDisc, "soft/setup.exe", false},
        {"soft..\\setup.exe", "", ProgramPath::OnDisc, "soft./setup.exe", false},
        {"soft \\a", "", ProgramPath::OnDisc, "soft /a", false},
        {"...", "", ProgramPath::OnDisc, "...", false},
        // What names a folder by its form alone.
        {"games\\", "", ProgramPath::OnDisc, "games", true},
        {"games/.", "", ProgramPath::OnDisc, "games", true},
        {".", "menu", ProgramPath::OnDisc, "menu", true},
        {"\\", "menu", ProgramPath::OnDisc, "", true},
        {"games\\..", "", ProgramPath::OnDisc, "", true},
        {"1:\\a.exe", "", ProgramPath::OnDisc, "1:/a.exe", false},
        {"\"", "", ProgramPath::OnDisc, "\"", false},
        {"C:\\a.exe", "", ProgramPath::Absolute, "", false},
        {"z:a.exe", "", ProgramPath::Absolute, "", false},
        {"\\\\server\\a.exe", "", ProgramPath::Absolute, "", false},
        {"\"  \"", "", ProgramPath::Empty, "", false},
        {"", "", ProgramPath::Empty, "", false},
    };
    for (const Case &c : cases) {
        const ProgramPath p = rules::ResolveProgramPath(c.custom, c.base);
        EXPECT_EQ(p.kind, c.kind) << c.custom;
        EXPECT_EQ(p.relative, c.relative) << c.custom;
        EXPECT_EQ(p.folder, c.folder) << c.custom;
    }
    // An absolute path comes back as Windows takes it, ready to run.
    EXPECT_EQ(rules::ResolveProgramPath(" \" D:/Soft/setup.exe \" ", "menu").absolute, "D:\\Soft\\setup.exe");
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

TEST(WindowsCase, OneUnitForOneAsWindowsComparesNames)
{
    EXPECT_EQ(rules::WindowsUpper(u'a'), u'A');
    EXPECT_EQ(rules::WindowsUpper(u'z'), u'Z');
    EXPECT_EQ(rules::WindowsUpper(u'{'), u'{');
    EXPECT_EQ(rules::WindowsUpper(u'я'), u'Я');
    EXPECT_EQ(rules::WindowsUpper(u'ё'), u'Ё');
    EXPECT_EQ(rules::WindowsUpper(u'ſ'), u'S');        // the long s meets s
    EXPECT_EQ(rules::WindowsUpper(u'ı'), u'I');
    EXPECT_EQ(rules::WindowsUpper(u'\u212A'), u'\u212A');   // the Kelvin sign stays apart from K
    EXPECT_EQ(rules::WindowsUpper(u'ß'), u'ß');        // no "SS": one unit stays one
    EXPECT_EQ(rules::WindowsUpper(u'ǆ'), u'Ǆ');
    EXPECT_EQ(rules::WindowsUpper(u'\uFF5A'), u'\uFF3A');   // the last run: full-width z
    EXPECT_EQ(rules::WindowsUpper(char16_t(0xD801)), char16_t(0xD801));
    EXPECT_EQ(rules::WindowsUpper("\xC5\xBFtra\xC3\x9F" "e.exe"), "STRA\xC3\x9F" "E.EXE");
    EXPECT_EQ(rules::WindowsUpper("\xE2\x84\xAA" "elvin.exe"), "\xE2\x84\xAA" "ELVIN.EXE");
    // Beyond the plane, broken and overlong bytes stay as they are.
    EXPECT_EQ(rules::WindowsUpper("a\xF0\x90\x90\xA8" "b"), "A\xF0\x90\x90\xA8" "B");
    EXPECT_EQ(rules::WindowsUpper("\xFF" "a\xC3"), "\xFF" "A\xC3");
    EXPECT_EQ(rules::WindowsUpper("\xC0\xA1" "a"), "\xC0\xA1" "A");
}

TEST(DiscNames, WhatWindowsAndTheImageCannotTakeAsItIs)
{
    using namespace rules;
    struct Case
    {
        std::u16string name;
        unsigned problems;
    };
    const Case cases[] = {
        {u"setup.exe", 0},
        {u"CON", npDeviceName},
        {u"con.tar.gz", npDeviceName},
        {u"Nul .txt", npDeviceName},
        {u"AUX.exe", npDeviceName},
        {u"COM1", npDeviceName},
        {u"lpt9.txt", npDeviceName},
        {u"COM0", 0},
        {u"LPT10", 0},
        {u"CONSOLE.txt", 0},
        {u"xcon", 0},
        {u"readme.", npTrailingDotOrBlank},
        {u"trail ", npTrailingDotOrBlank},
        {u"semi;colon.txt", npJolietChar},
        {u"a<b>\"c|", npWindowsChar},
        {u"what?", npWindowsChar | npJolietChar},
        {u"back\\slash", npWindowsChar | npJolietChar},
        {std::u16string(u"ctl") + char16_t(0x1F), npWindowsChar | npJolietChar},
        {u"a~b#c", 0},
        {std::u16string(64, u'x'), 0},
        {std::u16string(65, u'x'), npLongName},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NameProblems(c.name), c.problems) << std::string(c.name.begin(), c.name.end());
    EXPECT_EQ(PathProblems(kMaxJolietPath), 0u);
    EXPECT_EQ(PathProblems(kMaxJolietPath + 1), unsigned(npJolietPath));
    EXPECT_EQ(PathProblems(kMaxWindowsPath), unsigned(npJolietPath));
    EXPECT_EQ(PathProblems(kMaxWindowsPath + 1), unsigned(npJolietPath | npWindowsPath));
    EXPECT_EQ(SizeProblems((std::int64_t(1) << 32) - 1), 0u);
    EXPECT_EQ(SizeProblems(std::int64_t(1) << 32), unsigned(npHugeFile));
}

} // namespace
