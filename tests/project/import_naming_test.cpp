#include "import_fixture.h"
#include "project/TImportNaming.h"

#include <gtest/gtest.h>

namespace {

using NameMode = TImportOptions::NameMode;
using PathMode = TImportOptions::PathMode;

TImportNaming naming(const QString &root, NameMode name, PathMode path, bool ext = false,
                     const QString &prefix = QString())
{
    TImportOptions o;
    o.nameMode = name;
    o.pathMode = path;
    o.extension = ext;
    o.dirPrefix = prefix;
    return TImportNaming(root, o);
}

const QString kWinRoot = QStringLiteral("D:\\Soft\\");
const QString kWinFile = QStringLiteral("D:\\Soft\\Tools\\setup.exe");
const QString kPrefix = QStringLiteral("cd\\");

} // namespace

TEST(ImportNaming, DriveRootExampleCommandNames)
{
    struct Case { NameMode mode; bool ext; const char *expected; } cases[] = {
        {NameMode::NoPath, false, "setup"},
        {NameMode::DirPath, false, "Tools\\setup"},
        {NameMode::FullPath, false, "D:\\Soft\\Tools\\setup"},
        {NameMode::NoPath, true, "setup.exe"},
        {NameMode::DirPath, true, "Tools\\setup.exe"},
        {NameMode::FullPath, true, "D:\\Soft\\Tools\\setup.exe"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(naming(kWinRoot, c.mode, PathMode::IncDirPath, c.ext, kPrefix).commandName(kWinFile, false),
                  QString::fromUtf8(c.expected));
    // Only the last extension goes: a name with two dots keeps its first.
    EXPECT_EQ(naming(kWinRoot, NameMode::DirPath, PathMode::IncDirPath, false, kPrefix)
                  .commandName(QStringLiteral("D:\\Soft\\v1.5\\setup.v2.exe"), false),
              QStringLiteral("v1.5\\setup.v2"));
}

TEST(ImportNaming, DriveRootExampleProgramPaths)
{
    EXPECT_EQ(naming(kWinRoot, NameMode::NoPath, PathMode::IncDirPath, false, kPrefix).programPath(kWinFile),
              QStringLiteral("cd\\Soft\\Tools\\setup.exe"));
    EXPECT_EQ(naming(kWinRoot, NameMode::NoPath, PathMode::DirPath, false, kPrefix).programPath(kWinFile),
              QStringLiteral("cd\\Tools\\setup.exe"));
    EXPECT_EQ(naming(kWinRoot, NameMode::NoPath, PathMode::FullPath, false, kPrefix).programPath(kWinFile),
              QStringLiteral("cd\\D:\\Soft\\Tools\\setup.exe"));
    // The extension stays in a program path even when names drop it.
    EXPECT_EQ(naming(kWinRoot, NameMode::NoPath, PathMode::DirPath).programPath(QStringLiteral("D:\\Soft\\a.b.exe")),
              QStringLiteral("a.b.exe"));
}

TEST(ImportNaming, RootAndRootName)
{
    EXPECT_EQ(TImportNaming::rootOf(QStringLiteral("/media/disc/Soft")), QStringLiteral("/media/disc/Soft/"));
    EXPECT_EQ(TImportNaming::rootOf(QStringLiteral("/media/disc/Soft/")), QStringLiteral("/media/disc/Soft/"));
    EXPECT_EQ(TImportNaming::rootNameOf(QStringLiteral("/media/disc/Soft/")), QStringLiteral("Soft"));
    EXPECT_EQ(TImportNaming::rootNameOf(kWinRoot), QStringLiteral("Soft"));
    EXPECT_EQ(TImportNaming::rootNameOf(QStringLiteral("/media/disc/Soft.v2/")), QStringLiteral("Soft.v2"));
    EXPECT_EQ(TImportNaming::rootNameOf(QStringLiteral("D:\\")), QStringLiteral("D:"));
}

TEST(ImportNaming, NativeRootUsesBackslashesInEverythingSplit)
{
    const QString root = QStringLiteral("/media/disc/Soft/");
    const QString file = QStringLiteral("/media/disc/Soft/Tools/setup.exe");
    const TImportNaming dir = naming(root, NameMode::DirPath, PathMode::IncDirPath);
    EXPECT_EQ(dir.commandName(file, false), QStringLiteral("Tools\\setup"));
    EXPECT_EQ(dir.programPath(file), QStringLiteral("Soft\\Tools\\setup.exe"));
    const TImportNaming full = naming(root, NameMode::FullPath, PathMode::FullPath);
    EXPECT_EQ(full.commandName(file, false), QStringLiteral("\\media\\disc\\Soft\\Tools\\setup"));
    EXPECT_EQ(full.programPath(file), QStringLiteral("\\media\\disc\\Soft\\Tools\\setup.exe"));
    // The root's own group keeps the native text, whatever the name choice.
    for (NameMode m : {NameMode::FullPath, NameMode::DirPath, NameMode::NoPath})
        EXPECT_EQ(naming(root, m, PathMode::IncDirPath).commandName(root, true), root);
}

TEST(ImportNaming, FolderNamesKeepTheirExtensionAndLoseTheTrailingSeparator)
{
    const QString root = QStringLiteral("/d/Soft/");
    const QString sub = QStringLiteral("/d/Soft/Tools/Office.2003/");
    EXPECT_EQ(naming(root, NameMode::NoPath, PathMode::IncDirPath).commandName(sub, true), QStringLiteral("Office.2003"));
    EXPECT_EQ(naming(root, NameMode::DirPath, PathMode::IncDirPath).commandName(sub, true),
              QStringLiteral("Tools\\Office.2003"));
    EXPECT_EQ(naming(root, NameMode::FullPath, PathMode::IncDirPath).commandName(sub, true),
              QStringLiteral("\\d\\Soft\\Tools\\Office.2003"));
}

TEST(ImportNaming, FilesDirectlyInTheRootAndDotNames)
{
    const QString root = QStringLiteral("/d/Soft/");
    const TImportNaming n = naming(root, NameMode::DirPath, PathMode::DirPath);
    EXPECT_EQ(n.commandName(QStringLiteral("/d/Soft/readme.txt"), false), QStringLiteral("readme"));
    EXPECT_EQ(n.programPath(QStringLiteral("/d/Soft/readme.txt")), QStringLiteral("readme.txt"));
    EXPECT_EQ(naming(root, NameMode::NoPath, PathMode::IncDirPath).programPath(QStringLiteral("/d/Soft/README")),
              QStringLiteral("Soft\\README"));
    // A name beginning with a dot is all extension.
    EXPECT_EQ(n.commandName(QStringLiteral("/d/Soft/.profile"), false), QString());
    EXPECT_EQ(naming(root, NameMode::NoPath, PathMode::DirPath, true).commandName(QStringLiteral("/d/Soft/.profile"), false),
              QStringLiteral(".profile"));
}

TEST(ImportNaming, ColonInsideANameIsAnOrdinaryCharacter)
{
    // On this platform ":" may stand in a folder or file name; only a drive
    // at the very start is split off.
    const QString root = QStringLiteral("/d/Soft/");
    const QString file = QStringLiteral("/d/Soft/a:b/x:y.exe");
    EXPECT_EQ(naming(root, NameMode::DirPath, PathMode::IncDirPath, true).commandName(file, false),
              QStringLiteral("a:b\\x:y.exe"));
    EXPECT_EQ(naming(root, NameMode::DirPath, PathMode::IncDirPath).programPath(file), QStringLiteral("Soft\\a:b\\x:y.exe"));
    const TImportNaming::Split drive = TImportNaming::split(QStringLiteral("D:setup.exe"));
    EXPECT_EQ(drive.folder, QStringLiteral("D:"));
    EXPECT_EQ(drive.baseName, QStringLiteral("setup"));
    EXPECT_EQ(drive.extension, QStringLiteral(".exe"));
}
