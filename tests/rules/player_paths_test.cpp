// Where the player looks for a program and where its window opens.
#include "rules/PlayerPaths.h"
#include "rules/WindowPlace.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerPaths, TheBaseFolderFollowsTheOptionsAndTheCd)
{
    using rules::PathOption;
    rules::PlayerFolders f{"E:\\menu", "E:\\menu\\data", "C:\\Users\\v", ""};
    rules::Options o;   // "velmora" with the disc-root box: on no CD, the player's folder
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "E:\\menu");
    o.pathOption = PathOption::Project;
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "E:\\menu\\data");
    o.pathOption = PathOption::Current;
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "C:\\Users\\v");
    o.pathOption = PathOption::CdRoot;   // off a CD the disc's root is where the player stands
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "E:\\menu");
    o.pathOption = PathOption::None;
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "E:\\menu");
    f.cdRoot = "E:\\";
    o.pathOption = PathOption::Current;
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "E:\\");   // the box puts the CD's root first
    o.cdRoot = false;
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "C:\\Users\\v");
    o.pathOption = PathOption::CdRoot;
    EXPECT_EQ(rules::PlayerBaseFolder(o, f), "E:\\");
    EXPECT_EQ(rules::PlayerDiscRoot(f), "E:\\");
}

TEST(PlayerPaths, TheFileOfAProgramEntry)
{
    struct Case
    {
        const char *custom;
        const char *base;
        const char *root;
        const char *file;
    };
    const Case cases[] = {
        {" \"games\\tetris.exe\" ", "M:\\", "M:\\", "M:\\games\\tetris.exe"},
        {"games/tetris.exe", "M:\\menu", "M:\\", "M:\\menu\\games\\tetris.exe"},
        {"\\games\\a.exe", "M:\\menu", "M:\\", "M:\\games\\a.exe"},      // from the disc's root
        {"..\\a.exe", "m:\\MENU\\x", "M:\\", "M:\\MENU\\a.exe"},
        {"..\\..\\a.exe", "D:\\disc", "D:\\disc", "D:\\disc\\a.exe"},   // ".." stops at the disc's root
        {"a.exe", "C:\\Users\\v", "D:\\disc", "C:\\Users\\v\\a.exe"},    // a base off the disc
        {"\\a.exe", "C:\\Users\\v", "D:\\disc", "C:\\a.exe"},            // its drive's root
        {"a.exe", "\\\\srv\\share\\cd", "D:\\", "\\\\srv\\share\\cd\\a.exe"},
        {"..\\..\\a.exe", "\\\\srv\\share\\cd", "D:\\", "\\\\srv\\share\\a.exe"},
        {"a.exe", "D:\\disc2", "D:\\disc", "D:\\disc2\\a.exe"},          // a name that only starts alike
        {".", "D:\\disc", "D:\\disc", "D:\\disc"},                       // a folder, refused when started
        {"C:/Program Files/a.exe", "D:\\", "D:\\", "C:\\Program Files\\a.exe"},
        {" \"\" ", "D:\\", "D:\\", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rules::PlayerProgramFile(c.custom, c.base, c.root), c.file) << c.custom << " from " << c.base;
}

TEST(WindowPlace, CentredAndKeptInsideTheWorkArea)
{
    int x = 0, y = 0;
    const rules::ScreenRect work{0, 0, 1366, 728};   // a taskbar of 40 pixels
    rules::PlaceWindow(1030, 797, work, x, y);        // taller than the work area: its top edge
    EXPECT_EQ(x, 168);
    EXPECT_EQ(y, 0);
    rules::PlaceWindow(1366, 728, work, x, y);        // an exact fit
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    rules::PlaceWindow(401, 300, {-1280, 100, 0, 1124}, x, y);   // a monitor left of the primary
    EXPECT_EQ(x, -1280 + 439);
    EXPECT_EQ(y, 100 + 362);
}

} // namespace
