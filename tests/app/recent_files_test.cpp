#include "app/TRecentFiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RecentFiles, EmptyListShowsOnlyThePlaceholder)
{
    TRecentFiles recent;
    EXPECT_EQ(recent.Captions(), QStringList{QStringLiteral("(пусто)")});
    recent.AddFirst(QString());   // the placeholder's path is empty
    EXPECT_TRUE(recent.IsEmpty());
}

TEST(RecentFiles, CaptionsCarryAHexadecimalAcceleratorAndThePathFollowsIt)
{
    EXPECT_EQ(TRecentFiles::Caption(1, QStringLiteral("C:\\Disc\\Velmora.XML")), QStringLiteral("&1 C:\\Disc\\Velmora.XML"));
    EXPECT_EQ(TRecentFiles::Caption(15, QStringLiteral("x")), QStringLiteral("&F x"));
    EXPECT_EQ(TRecentFiles::PathOfCaption(QStringLiteral("&B /a b/c.xml")), QStringLiteral("/a b/c.xml"));
    EXPECT_EQ(TRecentFiles::Key(10), QStringLiteral("fileA"));
}

TEST(RecentFiles, SavingTwiceKeepsOneEntryAndAnOlderPathMovesToTheTop)
{
    TRecentFiles recent;
    recent.AddFirst(QStringLiteral("a"));
    recent.AddFirst(QStringLiteral("a"));
    EXPECT_EQ(recent.Paths(), QStringList{QStringLiteral("a")});
    recent.AddFirst(QStringLiteral("b"));
    recent.AddFirst(QStringLiteral("c"));
    recent.AddFirst(QStringLiteral("a"));   // third in the list
    EXPECT_EQ(recent.Paths(), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")}));
    EXPECT_EQ(recent.Captions().constFirst(), QStringLiteral("&1 a"));
    EXPECT_EQ(recent.Captions().constLast(), QStringLiteral("&3 b"));
}

TEST(RecentFiles, TheSixteenthFilePushesTheOldestOut)
{
    TRecentFiles recent;
    for (int i = 1; i <= 16; ++i)
        recent.AddFirst(QStringLiteral("f%1").arg(i));
    ASSERT_EQ(recent.Paths().size(), 15);
    EXPECT_EQ(recent.Paths().constFirst(), QStringLiteral("f16"));
    EXPECT_EQ(recent.Paths().constLast(), QStringLiteral("f2"));
    EXPECT_EQ(recent.Captions().constLast(), QStringLiteral("&F f2"));
}

TEST(RecentFiles, ReadingMoreThanFifteenKeysDropsTheFirstEntries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brenwick.ini"));
    {
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("recent files"));
        for (int i = 1; i <= 16; ++i)
            s.setValue(TRecentFiles::Key(i), QStringLiteral("p%1").arg(i));
        s.setValue(QStringLiteral("other"), QStringLiteral("not read by name"));
        s.endGroup();
    }
    QSettings s(path, QSettings::IniFormat);
    TRecentFiles recent;
    recent.Read(s);
    // 17 keys: file1..fileF, file10 and "other"; i runs to 17, so file11, which
    // does not exist, reads as an empty path. p1 and p2 drop out at the front.
    ASSERT_EQ(recent.Paths().size(), 15);
    EXPECT_EQ(recent.Paths().constFirst(), QStringLiteral("p3"));
    EXPECT_EQ(recent.Paths().at(13), QStringLiteral("p16"));
    EXPECT_EQ(recent.Paths().constLast(), QString());
}

TEST(RecentFiles, ReadingAHandWrittenSectionAndWritingItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brenwick.ini"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[window]\nleft=10\n\n[recent files]\nfile1=/d/one.xml\nfile2=/d/two.xml\nfile3=/d/two.xml\n");
    }
    TRecentFiles recent;
    {
        QSettings s(path, QSettings::IniFormat);
        recent.Read(s);
    }
    // While reading, only a repeat of the first entry is skipped.
    EXPECT_EQ(recent.Paths(), (QStringList{QStringLiteral("/d/one.xml"), QStringLiteral("/d/two.xml"), QStringLiteral("/d/two.xml")}));
    recent.Clear();
    recent.AddFirst(QStringLiteral("/d/new.xml"));
    {
        QSettings s(path, QSettings::IniFormat);
        recent.Write(s);
    }
    QSettings s(path, QSettings::IniFormat);
    TRecentFiles again;
    again.Read(s);
    EXPECT_EQ(again.Paths(), QStringList{QStringLiteral("/d/new.xml")});   // older keys are gone
}

namespace {

// Reads the recent list from a settings file with the given text.
QStringList ReadRecentFrom(const QByteArray &ini)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brenwick.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {QStringLiteral("<cannot write the settings file>")};
    f.write(ini);
    f.close();
    QSettings s(path, QSettings::IniFormat);
    TRecentFiles recent;
    recent.Read(s);
    return recent.Captions();
}

} // namespace

TEST(RecentFiles, ReadingTakesKeysUpToTheirCountAndAMissingKeyReadsEmpty)
{
    // Two keys, so file1 and file2 are read: file2 is missing, fileA is beyond the count.
    EXPECT_EQ(ReadRecentFrom("[recent files]\nfile1=/d/one.xml\nfileA=/d/ten.xml\n"),
              (QStringList{QStringLiteral("&1 /d/one.xml"), QStringLiteral("&2 ")}));
    // A missing first key is ignored while only the placeholder stands.
    EXPECT_EQ(ReadRecentFrom("[recent files]\nfile2=/d/two.xml\n"), QStringList{QStringLiteral("(пусто)")});
}
