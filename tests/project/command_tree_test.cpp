#include "project/TCommandTree.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <random>

namespace {

using Place = TCommandTree::TPlace;

// Writes the tree as "name#id(children...)" for compact assertions.
QString Shape(const TCommandTree &tree)
{
    std::function<QString(const QList<TBaseItem *> &)> level = [&](const QList<TBaseItem *> &items) {
        QStringList parts;
        for (const TBaseItem *item : items) {
            QString s = item->Name() + QLatin1Char('#') + QString::number(item->Id());
            if (item->IsGroup())
                s += QLatin1Char('(') + level(item->Children()) + QLatin1Char(')');
            parts << s;
        }
        return parts.join(QLatin1Char(' '));
    };
    return level(tree.TopLevel());
}

struct TreeFixture : ::testing::Test
{
    TCommandTree tree;
    QAbstractItemModelTester tester{&tree, QAbstractItemModelTester::FailureReportingMode::Fatal};

    TBaseItem *Add(TItemKind kind, const QString &name = {})
    {
        return tree.AddItem(name.isEmpty() ? ItemKindCaption(kind) : name, kind, Place::ByChoice());
    }
    TBaseItem *Under(TBaseItem *parent, const QString &name, TItemKind kind = ikProgram)
    {
        return tree.AddItem(name, kind, Place::LastChildOf(parent), false);
    }
};

} // namespace

TEST(ItemKind, ElementNamesAreExactAndUnknownNamesAreGroups)
{
    EXPECT_EQ(ItemKindElementName(ikProgram), QStringLiteral("program"));
    EXPECT_EQ(ItemKindFromElementName(QStringLiteral("exit")), ikExit);
    EXPECT_EQ(ItemKindFromElementName(QStringLiteral("Program")), ikGroup);
    EXPECT_EQ(ItemKindFromElementName(QStringLiteral("whatever")), ikGroup);
    EXPECT_EQ(ItemKindCaption(ikUrl), QStringLiteral("URL"));
}

TEST_F(TreeFixture, InsideAddsIntoTheCurrentGroupBesideAppendsToTheLevel)
{
    TBaseItem *group = Add(ikGroup);
    EXPECT_EQ(group->Id(), 1);
    EXPECT_EQ(tree.CurrentItem(), group);
    EXPECT_EQ(tree.CurrentGroup(), group);
    TBaseItem *program = Add(ikProgram);
    EXPECT_EQ(program->Parent(), group);
    EXPECT_EQ(program->Id(), 2);
    EXPECT_EQ(tree.CurrentGroup(), group);   // a program's group is its parent

    tree.SetWhereAdd(TCommandTree::waBeside);
    tree.Select(group);
    TBaseItem *second = Add(ikProgram, QStringLiteral("P2"));
    EXPECT_EQ(second->Parent(), nullptr);
    EXPECT_EQ(Shape(tree), QStringLiteral("Группа#1(Программа#2) P2#3"));

    // Beside the program inside the group: appended at the end of its level.
    tree.Select(program);
    Under(group, QStringLiteral("Last"));
    tree.Select(program);
    Add(ikUrl, QStringLiteral("U"));
    EXPECT_EQ(Shape(tree), QStringLiteral("Группа#1(Программа#2 Last#4 U#5) P2#3"));
}

TEST_F(TreeFixture, AutoExitPutsAnExitEntryIntoEveryNewGroupButNotForTheReader)
{
    tree.SetAutoExit(true);
    TBaseItem *group = Add(ikGroup);
    EXPECT_EQ(Shape(tree), QStringLiteral("Группа#1(Выход#2)"));
    EXPECT_EQ(group->Children().constFirst()->Kind(), ikExit);
    EXPECT_EQ(tree.CurrentItem(), group);
    tree.AddItem(QStringLiteral("Read"), ikGroup, Place::LastChildOf(nullptr), false);
    EXPECT_EQ(Shape(tree), QStringLiteral("Группа#1(Выход#2) Read#3()"));
}

TEST_F(TreeFixture, NumbersReuseTheGapLeftByADeletedEntry)
{
    Add(ikProgram, QStringLiteral("a"));
    TBaseItem *b = Add(ikProgram, QStringLiteral("b"));
    Add(ikProgram, QStringLiteral("c"));
    ASSERT_TRUE(tree.DeleteItem(b));
    EXPECT_EQ(Add(ikProgram, QStringLiteral("d"))->Id(), 2);
    EXPECT_EQ(Add(ikProgram, QStringLiteral("e"))->Id(), 4);
}

TEST_F(TreeFixture, NumbersSkipThoseReadFromAFileAndDeletingAGroupRestartsTheSearch)
{
    TBaseItem *a = Add(ikProgram, QStringLiteral("a"));
    tree.SetId(a, 2);   // as a file would give it
    EXPECT_EQ(Add(ikProgram, QStringLiteral("b"))->Id(), 3);   // the next number was already 2
    TBaseItem *g = Add(ikGroup, QStringLiteral("g"));
    EXPECT_EQ(g->Id(), 4);
    ASSERT_TRUE(tree.DeleteItem(g));
    EXPECT_EQ(tree.NextNumber(), 1);
    EXPECT_EQ(Add(ikProgram, QStringLiteral("c"))->Id(), 1);
    EXPECT_EQ(Add(ikProgram, QStringLiteral("d"))->Id(), 4);
}

TEST_F(TreeFixture, DuplicateNumbersAreFoundInDepthFirstOrderAndStayReserved)
{
    TBaseItem *g = Add(ikGroup, QStringLiteral("g"));
    TBaseItem *inner = Under(g, QStringLiteral("inner"));
    TBaseItem *top = Under(nullptr, QStringLiteral("top"));
    tree.SetId(top, 7);
    tree.SetId(inner, 7);
    EXPECT_EQ(tree.FindById(7), inner);
    tree.DeleteItem(inner);
    EXPECT_EQ(tree.FindById(7), top);
    EXPECT_EQ(tree.FindById(99), nullptr);
    EXPECT_TRUE(tree.IsNumberUsed(7));
}

TEST_F(TreeFixture, DeletingAGroupLiftsOrDeletesItsChildren)
{
    auto build = [this] {
        tree.Clear();
        Under(nullptr, QStringLiteral("before"));
        TBaseItem *g = Under(nullptr, QStringLiteral("g"), ikGroup);
        Under(g, QStringLiteral("x"));
        Under(g, QStringLiteral("y"), ikGroup);
        Under(nullptr, QStringLiteral("after"));
        tree.Select(g);
        return g;
    };
    TBaseItem *g = build();
    EXPECT_TRUE(tree.DeleteItem(g, TCommandTree::gcLiftUp));
    QStringList names;
    for (TBaseItem *i : tree.TopLevel())
        names << i->Name();
    EXPECT_EQ(names.join(QLatin1Char(',')), QStringLiteral("before,x,y,after"));
    EXPECT_EQ(tree.CurrentItem()->Name(), QStringLiteral("after"));

    g = build();
    EXPECT_TRUE(tree.DeleteItem(g, TCommandTree::gcDelete));
    EXPECT_EQ(tree.Count(), 2);
    EXPECT_EQ(tree.CurrentItem()->Name(), QStringLiteral("after"));
    EXPECT_EQ(tree.NextNumber(), 1);
}

TEST_F(TreeFixture, DeletingTheSelectionSelectsANeighbourOrNothing)
{
    TBaseItem *g = Add(ikGroup, QStringLiteral("g"));
    TBaseItem *only = Add(ikProgram, QStringLiteral("only"));
    QSignalSpy current(&tree, &TCommandTree::CurrentChanged);
    tree.DeleteItem(only);
    EXPECT_EQ(tree.CurrentItem(), g);   // its group, when it was the only child
    EXPECT_EQ(current.size(), 1);
    tree.DeleteItem(g);
    EXPECT_EQ(tree.CurrentItem(), nullptr);
    EXPECT_EQ(tree.CurrentGroup(), nullptr);
    EXPECT_TRUE(tree.IsEmpty());
    // An add after the tree emptied goes to the top level.
    EXPECT_EQ(Add(ikProgram)->Parent(), nullptr);
}

TEST_F(TreeFixture, DropPlacesAfterBeforeOrInsideAndNeverIntoItself)
{
    TBaseItem *a = Under(nullptr, QStringLiteral("a"));
    TBaseItem *g = Under(nullptr, QStringLiteral("g"), ikGroup);
    TBaseItem *g1 = Under(g, QStringLiteral("g1"));
    TBaseItem *h = Under(g, QStringLiteral("h"), ikGroup);
    TBaseItem *b = Under(nullptr, QStringLiteral("b"));
    auto names = [&] { QString s = Shape(tree); return s.remove(QRegularExpression(QStringLiteral("#\\d+"))); };

    tree.Select(a);
    EXPECT_TRUE(tree.DropOnto(a, b, false, false));   // after a non-group
    EXPECT_EQ(names(), QStringLiteral("g(g1 h()) b a"));
    EXPECT_TRUE(tree.DropOnto(a, b, false, true));    // Shift: before it
    EXPECT_EQ(names(), QStringLiteral("g(g1 h()) a b"));
    EXPECT_TRUE(tree.DropOnto(a, g, false, false));   // onto a group: last inside
    EXPECT_EQ(names(), QStringLiteral("g(g1 h() a) b"));
    EXPECT_EQ(tree.CurrentGroup(), g);                // the moved entry's new parent
    EXPECT_TRUE(tree.DropOnto(a, g, false, true));    // Shift: first inside
    EXPECT_EQ(names(), QStringLiteral("g(a g1 h()) b"));
    EXPECT_TRUE(tree.DropOnto(a, g, true, false));    // Ctrl: after the group
    EXPECT_EQ(names(), QStringLiteral("g(g1 h()) a b"));
    EXPECT_EQ(tree.CurrentGroup(), nullptr);
    EXPECT_TRUE(tree.DropOnto(a, g, true, true));     // Ctrl+Shift: before the group
    EXPECT_EQ(names(), QStringLiteral("a g(g1 h()) b"));

    EXPECT_FALSE(tree.DropOnto(g, h, false, false));  // into its own descendant
    EXPECT_FALSE(tree.DropOnto(g, g1, false, false)); // after a child of itself
    EXPECT_FALSE(tree.DropOnto(g, g, false, false));
    EXPECT_FALSE(tree.DropOnto(g, nullptr, false, false));
    EXPECT_EQ(names(), QStringLiteral("a g(g1 h()) b"));
    EXPECT_TRUE(tree.DropOnto(h, a, false, true));    // a group moves out, before a
    EXPECT_EQ(names(), QStringLiteral("h() a g(g1) b"));
}

TEST_F(TreeFixture, ClearContinuesNumberingAsIfDeletedOneByOne)
{
    Under(nullptr, QStringLiteral("a"));
    TBaseItem *b = Under(nullptr, QStringLiteral("b"));
    tree.SetId(b, 9);
    Under(nullptr, QStringLiteral("c"));
    tree.Clear();
    EXPECT_EQ(tree.NextNumber(), 1);   // a (1) was the lowest
    EXPECT_TRUE(tree.IsEmpty());
    EXPECT_EQ(tree.CurrentItem(), nullptr);

    Under(nullptr, QStringLiteral("a"));   // 1
    Under(nullptr, QStringLiteral("b"));   // 2
    tree.SetId(tree.TopLevel()[0], 5);
    tree.Clear();
    EXPECT_EQ(tree.NextNumber(), 2);

    // The order counts: an entry after the last group still lowers the number,
    // one before it does not.
    Under(nullptr, QStringLiteral("g"), ikGroup);
    tree.SetId(Under(nullptr, QStringLiteral("low")), -5);
    tree.Clear();
    EXPECT_EQ(tree.NextNumber(), -5);
    tree.SetId(Under(nullptr, QStringLiteral("low")), -7);
    Under(nullptr, QStringLiteral("g"), ikGroup);
    tree.Clear();
    EXPECT_EQ(tree.NextNumber(), 1);
}

TEST_F(TreeFixture, CurrentLevelListsTheLevelOfTheCurrentEntry)
{
    EXPECT_TRUE(tree.isTreeEmpty());
    TBaseItem *g = Add(ikGroup, QStringLiteral("Игры"));
    TMenuSource::Level level = tree.currentLevel();
    EXPECT_FALSE(level.hasGroup);   // a selected group is listed on its own level
    EXPECT_EQ(level.current, 0);
    TBaseItem *p = Add(ikProgram, QStringLiteral("one"));
    Add(ikProgram, QStringLiteral("two"));
    tree.SetHidden(p, true);
    tree.Select(p);
    level = tree.currentLevel();
    EXPECT_TRUE(level.hasGroup);
    EXPECT_EQ(level.groupCaption, QStringLiteral("Игры"));
    ASSERT_EQ(level.entries.size(), 2);
    EXPECT_TRUE(level.entries[0].hidden);
    EXPECT_EQ(level.entries[1].caption, QStringLiteral("two"));
    EXPECT_EQ(level.current, 0);
    (void)g;
}

TEST_F(TreeFixture, FieldSettersReportOnlyRealChanges)
{
    TBaseItem *p = Add(ikProgram);
    QSignalSpy edits(&tree, &TCommandTree::Edited);
    tree.SetName(p, p->Name());
    tree.SetComment(p, QString());
    tree.SetHidden(p, false);
    EXPECT_EQ(edits.size(), 0);
    tree.SetComment(p, QStringLiteral("line1\r\nline2"));
    tree.SetName(p, QStringLiteral("new"));
    ASSERT_EQ(edits.size(), 2);
    EXPECT_EQ(edits[0][0].value<TCommandTree::TChanges>(), TCommandTree::TChanges(TCommandTree::tcComment));
    EXPECT_TRUE(edits[1][0].value<TCommandTree::TChanges>().testFlag(TCommandTree::tcMenu));
    EXPECT_EQ(tree.data(tree.IndexOf(p)).toString(), QStringLiteral("new"));
}

TEST_F(TreeFixture, BulkUpdatesSendOneSelectionAndOneEdit)
{
    QSignalSpy edits(&tree, &TCommandTree::Edited);
    QSignalSpy current(&tree, &TCommandTree::CurrentChanged);
    tree.BeginUpdate();
    TBaseItem *g = Under(nullptr, QStringLiteral("g"), ikGroup);
    for (int i = 0; i < 10; ++i)
        Under(g, QString::number(i));
    tree.DeleteItem(g->Children().constFirst());
    tree.EndUpdate();
    EXPECT_EQ(edits.size(), 1);
    EXPECT_EQ(current.size(), 1);
    EXPECT_EQ(tree.CurrentItem()->Name(), QStringLiteral("9"));   // the last one created
}

TEST_F(TreeFixture, ModelStaysConsistentUnderRandomEdits)
{
    // QAbstractItemModelTester checks every signal the model sends.
    std::mt19937 rng(12345);
    QList<TBaseItem *> items;
    auto all = [&] {
        items.clear();
        tree.ForEach([&](TBaseItem *i, int) { items << i; });
    };
    for (int step = 0; step < 400; ++step) {
        all();
        const int op = int(rng() % 6);
        TBaseItem *any = items.isEmpty() ? nullptr : items[int(rng() % items.size())];
        TBaseItem *other = items.isEmpty() ? nullptr : items[int(rng() % items.size())];
        if (op <= 2 || !any) {
            if (any)
                tree.Select(any);
            tree.SetWhereAdd(rng() % 2 ? TCommandTree::waInside : TCommandTree::waBeside);
            Add(TItemKind(rng() % kItemKindCount));
        } else if (op == 3) {
            tree.DeleteItem(any, rng() % 2 ? TCommandTree::gcLiftUp : TCommandTree::gcDelete);
        } else {
            tree.Select(any);
            tree.DropOnto(any, other, rng() % 2, rng() % 2);
        }
        all();
        // Rows, parents and the number index agree with the structure.
        QSet<qint32> ids;
        for (TBaseItem *i : items) {
            const QList<TBaseItem *> &siblings = i->Parent() ? i->Parent()->Children() : tree.TopLevel();
            ASSERT_EQ(siblings.indexOf(i), i->Row());
            ASSERT_TRUE(ids.insert(i->Id()) != ids.end());
            ASSERT_EQ(tree.FindById(i->Id()), i);
        }
        ASSERT_EQ(tree.Count(), items.size());
    }
}
