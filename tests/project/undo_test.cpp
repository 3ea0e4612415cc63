#include "import_fixture.h"
#include "base/BrenwickError.h"
#include "project/TCommandEditor.h"
#include "project/TCommandTreeTarget.h"
#include "project/TFolderScan.h"
#include "project/TOptionsCommand.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

using Field = TSetFieldCommand::TField;

struct UndoFixture : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    TProject project;
    TCommandEditor editor{project, &prompt};
    TCommandTree &tree = project.Tree();
    QUndoStack &stack = project.UndoStack();

    // The saved file's bytes stand for the whole state of the project.
    QByteArray Bytes()
    {
        const QString path = dir.filePath(QStringLiteral("state.xml"));
        project.SaveProject(path, TProject::WholeProject());
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TBaseItem *Add(TItemKind kind, const QString &name)
    {
        editor.Add(kind);
        editor.SetField(TSetFieldCommand::fName, name);
        return tree.CurrentItem();
    }
    void Import(const TImportOptions &options)
    {
        stack.push(new TImportCommand(tree, QStringLiteral("import"), [&options](TCommandTreeTarget &target) {
            TFolderScan scan(options, target);
            target.begin();
            scan.Run();
            target.end();
        }));
    }
    void SetOption(const std::function<void(TProjectOptions &)> &change)
    {
        TProjectOptions changed;
        changed.Assign(project.Options());
        change(changed);
        project.Push(new TOptionsCommand(project.Options(), changed));
    }
};

} // namespace

TEST_F(UndoFixture, RandomEditsUndoToTheStartAndRedoToTheEndByteForByte)
{
    ImportFixture folder({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/b.txt"),
                          QStringLiteral("Soft/Tools/setup.exe"), QStringLiteral("Soft/One/only.exe"),
                          QStringLiteral("Soft/Two/x.exe"), QStringLiteral("Soft/Two/y.txt"),
                          QStringLiteral("Soft/Empty/")});
    std::mt19937 rng(20261207);
    auto pick = [&]() -> TBaseItem * {
        QList<TBaseItem *> all;
        tree.ForEach([&](TBaseItem *item, int) { all << item; });
        return all.isEmpty() ? nullptr : all[int(rng() % all.size())];
    };
    // fingerprint[i]: the bytes of the state at stack index i.
    QList<QByteArray> fingerprint{Bytes()};
    auto record = [&] {
        fingerprint.resize(stack.index() + 1);
        fingerprint[stack.index()] = Bytes();
    };
    int edits = 0;
    while (stack.count() < 190 && edits < 600) {
        ++edits;
        if (TBaseItem *any = pick(); any && rng() % 2)
            tree.Select(any);
        switch (rng() % 9) {
        case 0:
        case 1:
            tree.SetWhereAdd(rng() % 2 ? TCommandTree::waInside : TCommandTree::waBeside);
            tree.SetAutoExit(rng() % 3 == 0);
            editor.Add(TItemKind(rng() % kItemKindCount));
            break;
        case 2: {
            const UserPrompt::Answer answers[] = {UserPrompt::Answer::Yes, UserPrompt::Answer::No,
                                                  UserPrompt::Answer::Cancel};
            prompt.answers = {answers[rng() % 3]};
            editor.DeleteCurrent();
            break;
        }
        case 3:
            editor.Drop(tree.CurrentItem(), pick(), rng() % 2, rng() % 2);
            break;
        case 4: {
            // Typing: several keystrokes into one field, sometimes back to the start.
            const Field field = Field(rng() % 4);
            const QString word = QStringLiteral("Ввод%1").arg(rng() % 100);
            for (int n = 1; n <= word.size(); ++n)
                editor.SetField(field, word.left(n));
            if (rng() % 4 == 0)
                editor.SetField(field, QString());
            break;
        }
        case 5:
            editor.SetField(TSetFieldCommand::fHidden, bool(rng() % 2));
            break;
        case 6:
            SetOption([&](TProjectOptions &o) {
                o.SetExitCross(!o.ExitCross());
                o.SetPathOption(TProjectOptions::TPathOption(int(rng() % 5) - 1));
            });
            record();
            SetOption([&](TProjectOptions &o) { o.SetAbout(o.About() + QStringLiteral("x")); });
            break;
        case 7:
            if (rng() % 3 == 0) {
                TImportOptions o;
                o.dirName = folder.path(QStringLiteral("Soft"));
                o.oneGroup = rng() % 2;
                o.noAlone = rng() % 2;
                o.pathComment = rng() % 2;
                o.fileMask = rng() % 2 ? QStringLiteral("*.*") : QStringLiteral("*.exe");
                tree.SetAutoExit(rng() % 2);
                Import(o);
            }
            break;
        default:
            // A step back and forth, or a step back and a different edit.
            if (stack.canUndo()) {
                stack.undo();
                ASSERT_EQ(Bytes(), fingerprint[stack.index()]) << "undo at edit " << edits;
                if (rng() % 2) {
                    stack.redo();
                    ASSERT_EQ(Bytes(), fingerprint[stack.index()]) << "redo at edit " << edits;
                }
            }
            break;
        }
        record();
    }
    ASSERT_GT(stack.count(), 150);
    const QByteArray end = Bytes();
    const qint32 endNumber = tree.NextNumber();
    while (stack.canUndo()) {
        stack.undo();
        ASSERT_EQ(Bytes(), fingerprint[stack.index()]) << "undo to " << stack.index();
    }
    EXPECT_EQ(Bytes(), fingerprint[0]);
    EXPECT_TRUE(tree.IsEmpty());
    EXPECT_FALSE(project.Modified());
    while (stack.canRedo())
        stack.redo();
    EXPECT_EQ(Bytes(), end);
    EXPECT_EQ(tree.NextNumber(), endNumber);
    EXPECT_TRUE(project.Modified());
}

TEST_F(UndoFixture, UndoingADeletePutsBackNumbersPlaceAndNumbering)
{
    Add(ikProgram, QStringLiteral("a"));
    TBaseItem *g = Add(ikGroup, QStringLiteral("Игры"));
    editor.Add(ikProgram);
    editor.Add(ikProgram);
    tree.Select(tree.TopLevel()[0]);
    tree.SetWhereAdd(TCommandTree::waBeside);
    Add(ikUrl, QStringLiteral("c"));
    const QByteArray before = Bytes();
    const qint32 next = tree.NextNumber();

    // The group question comes before any step; Cancel makes none.
    tree.Select(g);
    const int steps = stack.count();
    project.SetModified(false);
    prompt.answers = {UserPrompt::Answer::Cancel};
    editor.DeleteCurrent();
    EXPECT_EQ(stack.count(), steps);
    EXPECT_TRUE(project.Modified());
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("Поместить всё содержимое на один уровень вверх?"));

    for (auto answer : {UserPrompt::Answer::No, UserPrompt::Answer::Yes}) {
        tree.Select(g);
        prompt.answers = {answer};
        editor.DeleteCurrent();
        EXPECT_EQ(stack.undoText(), QStringLiteral("удаление «Игры»"));
        EXPECT_EQ(tree.NextNumber(), 1);
        stack.undo();
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(tree.NextNumber(), next);
        EXPECT_EQ(tree.CurrentItem(), g);   // the step's entry is shown again
        EXPECT_EQ(g->Row(), 1);
    }
    // A program deleted and taken back: the next number is as before it.
    TBaseItem *a = tree.TopLevel()[0];
    tree.Select(a);
    editor.DeleteCurrent();
    EXPECT_EQ(tree.NextNumber(), 1);
    stack.undo();
    EXPECT_EQ(tree.FindById(1), a);
    EXPECT_EQ(editor.Add(ikExit)->Id(), next);
}

TEST_F(UndoFixture, TypingMergesUntilAnotherSelectionOrStep)
{
    TBaseItem *p = Add(ikProgram, QStringLiteral("Установка"));
    const int steps = stack.count();
    for (const char *text : {"s", "se", "set"})
        editor.SetField(TSetFieldCommand::fParams, QString::fromUtf8(text));
    EXPECT_EQ(stack.count(), steps + 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("изменение параметров «Установка»"));
    tree.Select(p);   // another selection (even of the same entry) starts a new step
    editor.SetField(TSetFieldCommand::fParams, QStringLiteral("setu"));
    EXPECT_EQ(stack.count(), steps + 2);
    // Typed back to where the step started: the step disappears.
    editor.SetField(TSetFieldCommand::fParams, QStringLiteral("set"));
    EXPECT_EQ(stack.count(), steps + 1);
    // A check box never merges.
    editor.SetField(TSetFieldCommand::fHidden, true);
    editor.SetField(TSetFieldCommand::fHidden, false);
    EXPECT_EQ(stack.count(), steps + 3);
    stack.undo();
    stack.undo();
    stack.undo();
    EXPECT_EQ(p->Params(), QString());
}

TEST_F(UndoFixture, ModifiedFollowsTheSavedStateThroughUndoAndRedo)
{
    EXPECT_FALSE(project.Modified());
    editor.Add(ikGroup);
    EXPECT_TRUE(project.Modified());
    stack.undo();
    EXPECT_FALSE(project.Modified());   // back to the state opened
    stack.redo();
    EXPECT_TRUE(project.Modified());
    editor.Add(ikProgram);
    project.SetModified(false);         // as a save does
    stack.undo();
    EXPECT_TRUE(project.Modified());
    stack.redo();
    EXPECT_FALSE(project.Modified());
    // A mark without a step, then an undo and redo back to the saved state.
    project.Changed(TCommandTree::tcData);
    EXPECT_TRUE(project.Modified());
    stack.undo();
    stack.redo();
    EXPECT_FALSE(project.Modified());
}

TEST_F(UndoFixture, OpenAndResetClearTheStackAFailedOpenKeepsIt)
{
    editor.Add(ikProgram);
    const QString good = dir.filePath(QStringLiteral("good.xml"));
    project.SaveProject(good, TProject::WholeProject());
    editor.Add(ikUrl);
    const int steps = stack.count();

    QFile bad(dir.filePath(QStringLiteral("bad.xml")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<Velmora><root><program id=\"x\" hidden=\"0\"/></root></Velmora>");
    bad.close();
    EXPECT_THROW(project.LoadProject(bad.fileName(), TProject::WholeProject()), BrenwickError);
    EXPECT_THROW(project.LoadProject(dir.filePath(QStringLiteral("missing.xml")), TProject::WholeProject()),
                 BrenwickError);
    EXPECT_EQ(stack.count(), steps);

    project.LoadProject(good, TProject::WholeProject());
    EXPECT_EQ(stack.count(), 0);
    EXPECT_FALSE(project.Modified());
    editor.Add(ikUrl);
    project.ClearProject(TProject::WholeProject());
    EXPECT_EQ(stack.count(), 0);
    EXPECT_TRUE(tree.IsEmpty());
}

TEST_F(UndoFixture, TheStackKeepsTheLastTwoHundredSteps)
{
    for (int i = 0; i < TProject::kUndoLimit + 20; ++i)
        SetOption([i](TProjectOptions &o) { o.SetRootDir(QString::number(i)); });
    EXPECT_EQ(stack.count(), TProject::kUndoLimit);
    while (stack.canUndo())
        stack.undo();
    EXPECT_EQ(project.Options().RootDir(), QStringLiteral("19"));
    EXPECT_TRUE(project.Modified());   // the saved state is no longer reachable
}

TEST_F(UndoFixture, AnEditThatChangesNothingKeepsTheStepsToRedo)
{
    TBaseItem *a = Add(ikProgram, QStringLiteral("a"));
    TBaseItem *b = Add(ikUrl, QStringLiteral("b"));
    editor.Add(ikComment);
    stack.undo();
    const int steps = stack.count();
    tree.Select(b);
    EXPECT_FALSE(editor.Drop(b, a, false, false));   // already right after a
    EXPECT_FALSE(editor.Drop(b, a, true, false));
    editor.SetField(TSetFieldCommand::fName, QStringLiteral("b"));
    editor.SetField(TSetFieldCommand::fHidden, false);
    SetOption([](TProjectOptions &) {});
    EXPECT_EQ(stack.count(), steps);
    ASSERT_TRUE(stack.canRedo());
    stack.redo();
    EXPECT_EQ(tree.Count(), 3);
    // A drop that does move is still one step.
    tree.Select(a);
    EXPECT_TRUE(editor.Drop(a, b, false, false));
    EXPECT_EQ(tree.TopLevel()[1], a);
}
