#include "import_fixture.h"
#include "project/TFileMask.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(const QList<TFileMask> &masks)
{
    QStringList out;
    for (const TFileMask &m : masks)
        out << m.text();
    return out;
}

bool match(const char *mask, const char *name)
{
    return TFileMask(QString::fromUtf8(mask)).matches(QString::fromUtf8(name));
}

} // namespace

TEST(FileMask, StarDotStarMatchesEveryNameWithOrWithoutDot)
{
    for (const char *name : {"setup.exe", "README", ".hidden", "a.b.c", "trailing.", "Ы"})
        EXPECT_TRUE(match("*.*", name)) << name;
    EXPECT_TRUE(match("*", "README"));
}

TEST(FileMask, CaseIsIgnoredInAsciiAndCyrillic)
{
    EXPECT_TRUE(match("*.exe", "SETUP.EXE"));
    EXPECT_TRUE(match("*.EXE", "setup.exe"));
    EXPECT_TRUE(match("Установка*", "УСТАНОВКА.exe"));
    EXPECT_FALSE(match("*.exe", "setup.ex"));
    EXPECT_FALSE(match("*.exe", "setup.exe.txt"));
}

TEST(FileMask, QuestionMarkIsExactlyOneCharacter)
{
    EXPECT_TRUE(match("?.txt", "a.txt"));
    EXPECT_FALSE(match("?.txt", "ab.txt"));
    EXPECT_FALSE(match("?.txt", ".txt"));
    EXPECT_TRUE(match("set??.exe", "setup.exe"));
    EXPECT_TRUE(match("s*p.e?e", "setup.exe"));
}

TEST(FileMask, StarBacktracksAcrossRepeatedText)
{
    EXPECT_TRUE(match("*ab*ab", "xxabyyabab"));
    EXPECT_TRUE(match("a*a*a", "aaa"));
    EXPECT_FALSE(match("a*a*a", "aa"));
    EXPECT_TRUE(match("**.zip", "x.zip"));
    // A long name against a hostile mask finishes (no exponential backtracking).
    const QString longName = QString(5000, QLatin1Char('a'));
    EXPECT_FALSE(TFileMask(QStringLiteral("*a*a*a*a*a*a*a*b")).matches(longName));
}

TEST(FileMask, OptionalAndForbiddenExtension)
{
    EXPECT_TRUE(match("setup.*", "setup"));
    EXPECT_TRUE(match("setup.*", "SETUP.exe"));
    EXPECT_FALSE(match("setup.*", "setupx"));
    EXPECT_TRUE(match("*.", "README"));
    EXPECT_FALSE(match("*.", "readme.txt"));
    EXPECT_TRUE(match("read*.", "README"));
}

TEST(FileMask, ListIsCutAtSemicolonsAndEndsAtFirstEmptyMask)
{
    EXPECT_EQ(texts(TFileMask::parseList(QStringLiteral("*.exe;*.zip;*.txt"))),
              (QStringList{QStringLiteral("*.exe"), QStringLiteral("*.zip"), QStringLiteral("*.txt")}));
    EXPECT_TRUE(TFileMask::parseList(QStringLiteral(";*.exe")).isEmpty());
    EXPECT_TRUE(TFileMask::parseList(QString()).isEmpty());
    EXPECT_EQ(texts(TFileMask::parseList(QStringLiteral("*.exe;;*.zip"))), QStringList{QStringLiteral("*.exe")});
    EXPECT_EQ(texts(TFileMask::parseList(QStringLiteral("*.exe;"))), QStringList{QStringLiteral("*.exe")});
    // Blanks are kept: " *.zip" matches only names beginning with a blank.
    const QList<TFileMask> blank = TFileMask::parseList(QStringLiteral("*.exe; *.zip"));
    ASSERT_EQ(blank.size(), 2);
    EXPECT_EQ(blank[1].text(), QStringLiteral(" *.zip"));
    EXPECT_FALSE(blank[1].matches(QStringLiteral("a.zip")));
    EXPECT_TRUE(blank[1].matches(QStringLiteral(" a.zip")));
}
