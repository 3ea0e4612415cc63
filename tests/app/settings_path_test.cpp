// Where the settings file goes: beside a portable copy of the program, in the
// user's configuration folder for an installed one.
#include "app/TSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void Touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(SettingsPath, BesideAPortableCopyInTheConfigFolderWhenInstalled)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    const QString root = dir.path();

    // A portable copy: a writable folder of its own, even one named bin.
    QDir().mkpath(root + QStringLiteral("/disc"));
    EXPECT_EQ(settings_file::PathFor(root + QStringLiteral("/disc/brenwick"), config),
              root + QStringLiteral("/disc/brenwick.ini"));
    QDir().mkpath(root + QStringLiteral("/tree/bin"));
    EXPECT_EQ(settings_file::PathFor(root + QStringLiteral("/tree/bin/brenwick"), config),
              root + QStringLiteral("/tree/bin/brenwick.ini"));

    // Installed into a tree: bin/ beside share/ with the program's files,
    // the menu entry or the documents.
    Touch(root + QStringLiteral("/tree/share/applications/brenwick.desktop"));
    EXPECT_EQ(settings_file::PathFor(root + QStringLiteral("/tree/bin/brenwick"), config),
              config + QStringLiteral("/brenwick.ini"));
    QDir().mkpath(root + QStringLiteral("/other/bin"));
    QDir().mkpath(root + QStringLiteral("/other/share/doc/brenwick"));
    EXPECT_TRUE(settings_file::IsInstalled(root + QStringLiteral("/other/bin")));
    // Not in bin/, the same files around do not make an installation.
    QDir().mkpath(root + QStringLiteral("/other/libexec"));
    EXPECT_FALSE(settings_file::IsInstalled(root + QStringLiteral("/other/libexec")));

    // The system's folders, however writable (as root), are never portable,
    // even with a settings file left there.
    EXPECT_EQ(settings_file::PathFor(QStringLiteral("/usr/bin/brenwick"), config), config + QStringLiteral("/brenwick.ini"));
    EXPECT_TRUE(settings_file::IsInstalled(QStringLiteral("/usr")));
    EXPECT_TRUE(settings_file::IsInstalled(QStringLiteral("/usr/local/bin")));
    EXPECT_TRUE(settings_file::IsInstalled(QStringLiteral("/opt/brenwick")));
    EXPECT_FALSE(settings_file::IsInstalled(QStringLiteral("/usrdata/bin")));
    EXPECT_FALSE(settings_file::IsInstalled(root));

    // A folder the user cannot write keeps the settings beside the program
    // only when a brenwick.ini is already there.
    if (geteuid() == 0)
        GTEST_SKIP() << "as root every folder is writable";
    const QString locked = root + QStringLiteral("/locked");
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(settings_file::PathFor(locked + QStringLiteral("/brenwick"), config), config + QStringLiteral("/brenwick.ini"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Touch(locked + QStringLiteral("/brenwick.ini"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(settings_file::PathFor(locked + QStringLiteral("/brenwick"), config), locked + QStringLiteral("/brenwick.ini"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
