#include "layout/TMenuContents.h"

#include <gtest/gtest.h>

namespace {

struct FakeSource : TMenuSource
{
    bool empty = false;
    Level level;
    bool isTreeEmpty() const override { return empty; }
    Level currentLevel() const override { return level; }
};

TMenuSource::Entry e(const char *caption, bool hidden = false)
{
    return {QString::fromUtf8(caption), hidden};
}

} // namespace

TEST(MenuContents, EmptyTreeShowsThreePlaceholdersSecondSelected)
{
    FakeSource s;
    s.empty = true;
    s.level.entries = {e("ignored")};
    s.level.hasGroup = true;
    s.level.groupCaption = QStringLiteral("ignored");
    const TMenuContents m = menuContents(s);
    EXPECT_EQ(m.lines, (QStringList{QStringLiteral("<элемент 1>"), QStringLiteral("<элемент 2>"),
                                    QStringLiteral("<элемент 3>")}));
    EXPECT_EQ(m.selectedIndex, 1);
    EXPECT_TRUE(m.groupCaption.isEmpty());
}

TEST(MenuContents, HiddenMembersAreLeftOutAndTheIndexFollows)
{
    FakeSource s;
    s.level.entries = {e("Игры"), e("Скрытая", true), e("Драйверы"), e("Выход")};
    s.level.current = 2;
    s.level.hasGroup = true;
    s.level.groupCaption = QStringLiteral("Софт");
    const TMenuContents m = menuContents(s);
    EXPECT_EQ(m.lines, (QStringList{QStringLiteral("Игры"), QStringLiteral("Драйверы"), QStringLiteral("Выход")}));
    EXPECT_EQ(m.selectedIndex, 1);
    EXPECT_EQ(m.groupCaption, QStringLiteral("Софт"));
}

TEST(MenuContents, HiddenCurrentCommandSelectsNothing)
{
    FakeSource s;
    s.level.entries = {e("a"), e("b", true), e("c")};
    s.level.current = 1;
    const TMenuContents m = menuContents(s);
    EXPECT_EQ(m.lines, (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    EXPECT_EQ(m.selectedIndex, -1);
}

TEST(MenuContents, NoCurrentCommandListsTheTopLevelUnselected)
{
    FakeSource s;
    s.level.entries = {e("a"), e("b")};
    s.level.current = -1;
    const TMenuContents m = menuContents(s);
    EXPECT_EQ(m.lines.size(), 2);
    EXPECT_EQ(m.selectedIndex, -1);
    EXPECT_TRUE(m.groupCaption.isEmpty());
}

TEST(MenuContents, EveryEntryHiddenGivesAnEmptyMenu)
{
    FakeSource s;
    s.level.entries = {e("a", true), e("b", true)};
    s.level.current = 0;
    const TMenuContents m = menuContents(s);
    EXPECT_TRUE(m.lines.isEmpty());
    EXPECT_EQ(m.selectedIndex, -1);
}
