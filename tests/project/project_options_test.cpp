#include "project/TProjectOptions.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ProjectOptions, AboutTextGetsALineEndAfterEveryLine)
{
    EXPECT_EQ(TProjectOptions::AboutToFileText(QString()), QString());
    EXPECT_EQ(TProjectOptions::AboutToFileText(QStringLiteral("a")), QStringLiteral("a\r\n"));
    EXPECT_EQ(TProjectOptions::AboutToFileText(QStringLiteral("a\n\nb")), QStringLiteral("a\r\n\r\nb\r\n"));
    // The box's last line counts even when empty: reading takes one line end
    // off, so the box comes back as it was.
    EXPECT_EQ(TProjectOptions::AboutToFileText(QStringLiteral("a\n")), QStringLiteral("a\r\n\r\n"));
    EXPECT_EQ(TProjectOptions::AboutFromFileText(QStringLiteral("a\r\n\r\n")), QStringLiteral("a\n"));
}

TEST(ProjectOptions, AboutTextFromAFileSplitsAtAnyLineBreak)
{
    EXPECT_EQ(TProjectOptions::AboutFromFileText(QStringLiteral("a\r\nb\rc\nd\r\n")), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(TProjectOptions::AboutFromFileText(QString()), QString());
    EXPECT_EQ(TProjectOptions::AboutFromFileText(QStringLiteral("\r\n\r\nx")), QStringLiteral("\n\nx"));
    // Round trip of what the box holds.
    const QString box = QStringLiteral("Диск «Игры»\n\n© 2004");
    EXPECT_EQ(TProjectOptions::AboutFromFileText(TProjectOptions::AboutToFileText(box)), box);
}

TEST(ProjectOptions, PathOptionWords)
{
    using O = TProjectOptions;
    EXPECT_EQ(O::PathOptionFromWord(QString(), true), O::poVelmora);
    EXPECT_EQ(O::PathOptionFromWord(QStringLiteral("current"), false), O::poCurrent);
    EXPECT_EQ(O::PathOptionFromWord(QStringLiteral("CDROOT"), false), O::poNone);   // case matters
    EXPECT_EQ(O::PathOptionFromWord(QString(), false), O::poNone);                  // present but empty
    EXPECT_EQ(O::PathOptionWord(O::poProject), QStringLiteral("project"));
    EXPECT_EQ(O::PathOptionWord(O::poNone), QString());
}

TEST(ProjectOptions, DefaultsAndChangeSignals)
{
    TProjectOptions o;
    EXPECT_EQ(o.PathOption(), TProjectOptions::poVelmora);
    EXPECT_TRUE(o.CdRoot());
    EXPECT_FALSE(o.ExitLevelUp() || o.ExitAnyCommand() || o.ExitCross() || o.ExitQuestion());
    QSignalSpy changed(&o, &TProjectOptions::Changed);
    o.SetCdRoot(true);
    EXPECT_EQ(changed.size(), 0);
    TProjectOptions other;
    other.SetAbout(QStringLiteral("x"));
    other.SetExitCross(true);
    o.Assign(other);
    EXPECT_EQ(changed.size(), 1);   // one signal for the whole copy
    EXPECT_TRUE(o.ExitCross());
    EXPECT_EQ(o.property("About").toString(), QStringLiteral("x"));
}
