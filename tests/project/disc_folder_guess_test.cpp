// The disc folder offered for a file picked without one, and the one the
// check names for a file outside it.
#include "project/DiscFolderGuess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct DiscFolderGuessTest : ::testing::Test
{
    QTemporaryDir temp;
    QString home;

    QString At(const QString &path) const { return QDir(home).filePath(path); }
    void Touch(const QString &path) const
    {
        QDir().mkpath(QFileInfo(At(path)).absolutePath());
        QFile f(At(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    void SetUp() override { home = temp.filePath(QStringLiteral("home/user")); }
};

TEST_F(DiscFolderGuessTest, TheHighestFolderUnderHomeNeverHomeItself)
{
    Touch(QStringLiteral("disc/Programs/Editor.exe"));
    const QString file = At(QStringLiteral("disc/Programs/Editor.exe"));
    EXPECT_EQ(GuessDiscFolder(file, QString(), home), At(QStringLiteral("disc")));
    // A file straight in the home folder: nothing to offer.
    Touch(QStringLiteral("x.exe"));
    EXPECT_EQ(GuessDiscFolder(At(QStringLiteral("x.exe")), QString(), home), QString());
}

TEST_F(DiscFolderGuessTest, AnotherProjectsFolderIsNeverOfferedNorPassed)
{
    Touch(QStringLiteral("discs/old/Velmora.XML"));
    Touch(QStringLiteral("discs/old/new/Programs/Editor.exe"));
    const QString file = At(QStringLiteral("discs/old/new/Programs/Editor.exe"));
    EXPECT_EQ(GuessDiscFolder(file, QString(), home), At(QStringLiteral("discs/old/new")));
    // Unless that file is the project's own.
    EXPECT_EQ(GuessDiscFolder(file, At(QStringLiteral("discs/old/Velmora.XML")), home), At(QStringLiteral("discs/old")));
    Touch(QStringLiteral("discs/old/new/Programs/velmora.xml"));   // any letter case
    EXPECT_EQ(GuessDiscFolder(file, QString(), home), QString());
}

TEST_F(DiscFolderGuessTest, AFolderThatLooksLikeADiscRootWins)
{
    Touch(QStringLiteral("work/disc/autorun.inf"));
    Touch(QStringLiteral("work/disc/Programs/Editor.exe"));
    const QString file = At(QStringLiteral("work/disc/Programs/Editor.exe"));
    EXPECT_EQ(GuessDiscFolder(file, QString(), home), At(QStringLiteral("work/disc")));
    Touch(QStringLiteral("work/disc/Programs/VELMORA.EXE"));   // the highest marked one
    EXPECT_EQ(GuessDiscFolder(file, QString(), home), At(QStringLiteral("work/disc")));
    // Outside the home folder: below the file system's first level.
    EXPECT_EQ(GuessDiscFolder(QStringLiteral("/srv/cd/a/b.exe"), QString(), home), QStringLiteral("/srv/cd"));
}

TEST_F(DiscFolderGuessTest, TheWiderFolderHoldsBothOrFallsBackToTheGuess)
{
    Touch(QStringLiteral("disc/Programs/Editor.exe"));
    Touch(QStringLiteral("disc/Setup.exe"));
    EXPECT_EQ(WiderDiscFolder(At(QStringLiteral("disc/Programs")), At(QStringLiteral("disc/Setup.exe")), QString(), home),
              At(QStringLiteral("disc")));
    // Only the home folder would hold both: the file's own guess instead.
    Touch(QStringLiteral("other/Setup.exe"));
    EXPECT_EQ(WiderDiscFolder(At(QStringLiteral("disc")), At(QStringLiteral("other/Setup.exe")), QString(), home),
              At(QStringLiteral("other")));
}

} // namespace
