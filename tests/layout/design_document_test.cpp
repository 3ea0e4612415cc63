// Every change of the design reaches the object tree, the property grid and
// the design window through the design document, once; after each step, undo
// or redo they show the object it changed.
#include "layout/TDesignDocument.h"
#include "layout/TDesignFileParts.h"
#include "layout/TDesignSession.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TCommandEditor.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"
#include "window/TImageEx.h"
#include "window/TPaintSurface.h"
#include "window/TPicButton.h"
#include "window/TTextBox.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Design : ::testing::Test
{
    TPreviewForm form;
    TProject project;
    ScriptedPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    TDesignFileParts parts{form, &editor.Document()};
    QUndoStack &stack = project.UndoStack();

    void SetUp() override
    {
        project.SetDesignParts(&parts);
        form.setMenuSource(&project.Tree());
        editor.FormShow();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override { project.SetDesignParts(nullptr); }

    QStandardItem *nodeOf(QObject *object) { return editor.Tree().NodeOf(object); }
    QString selected() { return editor.Tree().Selected() ? editor.Tree().Selected()->text() : QString(); }
    QString shown(const QString &path)
    {
        return editor.Inspector().IndexOfPath(path, TPropertyGridModel::ValueColumn).data().toString();
    }
    // A press, one move and a release on the design window's top layer.
    void drag(QPoint from, QPoint to)
    {
        QWidget *front = form.FrontBox();
        QTest::mousePress(front, Qt::LeftButton, {}, from);
        QTest::mouseMove(front, to);
        QTest::mouseRelease(front, Qt::LeftButton, {}, to);
    }
};

// Every shown row's value text, in row order.
QStringList gridTexts(TPropertyGridModel &model)
{
    QStringList texts;
    std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex name = model.index(row, TPropertyGridModel::NameColumn, parent);
            if (!model.IsGroup(name))
                texts << model.Path(name) + QLatin1Char('=')
                             + model.index(row, TPropertyGridModel::ValueColumn, parent).data().toString();
            walk(name);
        }
    };
    walk(QModelIndex());
    return texts;
}

QStringList nodeTexts(TLayoutEditor &editor)
{
    QStringList texts;
    for (QStandardItem *node : editor.Tree().AllNodes())
        texts << node->text();
    return texts;
}

// Where each of the design's objects stands in its window.
QList<QRect> objectPlaces(TPreviewForm &form, TLayoutEditor &editor)
{
    QList<QRect> places{QRect(QPoint(), form.size())};
    for (QObject *object : editor.Tree().designObjects()) {
        if (auto *wrapper = qobject_cast<TControlWrapper *>(object))
            places << wrapper->Control()->geometry();
        else if (auto *widget = qobject_cast<QWidget *>(object); widget && widget != &form)
            places << widget->geometry();
    }
    for (TImageEx *control : form.pictureControls())
        places << control->geometry();
    return places;
}

} // namespace

TEST_F(Design, EachChangeIsAnnouncedOnceWithItsKind)
{
    QSignalSpy spy(&editor.Document(), &TDesignDocument::Changed);
    TPicButton *exit = editor.PicButtons().first();
    editor.Tree().Select(nodeOf(exit));
    spy.clear();
    ASSERT_TRUE(editor.SetProperty(exit, QStringLiteral("Caption"), QStringLiteral("Сайт")));
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].value<QObject *>(), exit);
    EXPECT_EQ(spy[0][1].toString(), QStringLiteral("Caption"));
    EXPECT_EQ(spy[0][2].value<TDesignDocument::TChange>(), TDesignDocument::TChange::Value);
    EXPECT_EQ(nodeOf(exit)->text(), QStringLiteral("Сайт"));

    spy.clear();
    editor.Document().WriteBounds(exit->Image(), QRect(10, 20, 64, 64));
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].value<QObject *>(), exit);
    EXPECT_EQ(spy[0][2].value<TDesignDocument::TChange>(), TDesignDocument::TChange::Bounds);
    EXPECT_EQ(shown(QStringLiteral("Left")), QStringLiteral("10"));
    EXPECT_EQ(shown(QStringLiteral("Top")), QStringLiteral("20"));

    // The window's width written moves the buttons anchored to its right
    // edge: the grid showing one follows, though the window changed.
    const int left = exit->Left();
    editor.Document().Write(&form, QStringLiteral("ClientWidth"), form.ClientWidth() + 31);
    EXPECT_EQ(exit->Left(), left + 31);
    EXPECT_EQ(shown(QStringLiteral("Left")), QString::number(left + 31));
    // As a step, the window is what it changed: the tree and the grid show it.
    ASSERT_TRUE(editor.SetProperty(&form, QStringLiteral("ClientWidth"), form.ClientWidth() - 31));
    EXPECT_EQ(editor.Inspected(), &form);
    EXPECT_EQ(exit->Left(), left);
}

TEST_F(Design, AValueThatChangesNothingMakesNoStepAndMovesNoSelectionLater)
{
    form.Heading()->setLeft(10);
    editor.Tree().Select(nodeOf(form.Heading()));
    QSignalSpy spy(&editor.Document(), &TDesignDocument::Changed);
    TPropertyGridModel &grid = editor.Inspector();
    // "010" over 10, and a width the auto-sized button does not take.
    ASSERT_TRUE(grid.Edit(grid.IndexOfPath(QStringLiteral("Left"), TPropertyGridModel::ValueColumn),
                          QStringLiteral("010"), grid.BeginEditing()));
    TPicButton *exit = editor.PicButtons().first();
    ASSERT_TRUE(exit->AutoSize());
    ASSERT_TRUE(editor.SetProperty(exit, QStringLiteral("Width"), exit->Width() + 7));
    EXPECT_TRUE(spy.isEmpty());
    EXPECT_EQ(stack.count(), 0);
    EXPECT_FALSE(project.Modified());
    // A later step elsewhere leaves the selection where the user put it.
    editor.Tree().Select(nodeOf(form.CommentArea()));
    TCommandEditor(project).Add(ikProgram);
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(selected(), QStringLiteral("Комментарий"));
    EXPECT_EQ(editor.Inspected(), form.CommentArea());
}

TEST_F(Design, UndoAndRedoShowTheObjectTheyChangedOrTheWindow)
{
    // A button added is shown; its undo leaves the window shown, its redo the button again.
    editor.AAddButtonExecute();
    TPicButton *added = editor.PicButtons().last();
    editor.Tree().Select(nodeOf(added));
    stack.undo();
    EXPECT_EQ(selected(), QStringLiteral("Окно"));
    EXPECT_EQ(editor.Inspected(), &form);
    EXPECT_FALSE(shown(QStringLiteral("ClientWidth")).isEmpty());
    stack.redo();
    EXPECT_EQ(editor.Inspected(), added);
    EXPECT_EQ(selected(), QStringLiteral("Кнопка"));

    // A grid edit of the heading undone while another object is shown.
    editor.Tree().Select(nodeOf(form.Heading()));
    ASSERT_TRUE(editor.SetProperty(form.Heading(), QStringLiteral("Left"), 33));
    editor.Tree().Select(nodeOf(form.CommentArea()));
    stack.undo();
    EXPECT_EQ(selected(), QStringLiteral("Надпись наверху"));
    EXPECT_EQ(shown(QStringLiteral("Left")), QString::number(form.Heading()->Left()));
    EXPECT_NE(form.Heading()->Left(), 33);

    // A deletion undone shows the button back; redone, the window.
    TPicButton *exit = editor.PicButtons().first();
    editor.Tree().Select(nodeOf(exit));
    prompt.answers = {UserPrompt::Answer::Yes};
    editor.ADeleteButtonExecute();
    EXPECT_EQ(selected(), QStringLiteral("Окно"));
    stack.undo();
    EXPECT_EQ(editor.Inspected(), exit);
    stack.redo();
    EXPECT_EQ(editor.Inspected(), &form);
}

TEST_F(Design, ADragNamesTheButtonByItsCaption)
{
    TPicButton *exit = editor.PicButtons().first();
    editor.SetProperty(exit, QStringLiteral("Caption"), QStringLiteral("Сайт"));
    editor.Tree().Select(nodeOf(exit));
    const QRect before = exit->Image()->geometry();
    drag(before.center(), before.center() - QPoint(40, 30));
    EXPECT_EQ(exit->Image()->geometry(), before.translated(-40, -30));
    EXPECT_EQ(stack.undoText(), QStringLiteral("перемещение «Сайт»"));
    EXPECT_EQ(shown(QStringLiteral("Left")), QString::number(before.left() - 40));
    // Another object shown: the undo of the move shows the button again.
    editor.Tree().Select(nodeOf(form.Heading()));
    stack.undo();
    EXPECT_EQ(exit->Image()->geometry(), before);
    EXPECT_EQ(editor.Inspected(), exit);
    EXPECT_EQ(shown(QStringLiteral("Left")), QString::number(before.left()));

    // A resize of a fixed object names it as the tree does.
    editor.Tree().Select(nodeOf(form.CommentArea()));
    const QRect box = form.CommentBox()->geometry();
    drag(box.bottomRight(), box.bottomRight() + QPoint(5, 3));
    EXPECT_EQ(stack.undoText(), QStringLiteral("изменение размера «Комментарий»"));
}

// Edits of every kind in a random order: afterwards the grid, the tree and the
// design window show exactly what a fresh read of the saved project shows.
TEST_F(Design, RandomEditsLeaveEveryViewAsAFreshReadShowsIt)
{
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("design.xml"));
    form.Heading()->setLeft(20);
    project.SaveProject(design, TProject::DesignFile());
    // A look from the gallery: another design with a button more.
    const QString look = dir.filePath(QStringLiteral("look.xml"));
    form.Heading()->setTop(90);
    editor.CreatePicButton(QStringLiteral("Ещё"))->setLeft(5);
    project.SaveProject(look, TProject::DesignFile());
    project.LoadProject(design, TProject::DesignFile());
    stack.clear();
    const QString saved = dir.filePath(QStringLiteral("saved.xml"));

    for (quint32 seed = 1; seed <= 6; ++seed) {
        QRandomGenerator random(seed);
        std::string trail;
        for (int step = 0; step < 40; ++step) {
            const QList<TPicButton *> buttons = editor.PicButtons();
            TPicButton *button = buttons.isEmpty() ? nullptr : buttons.at(random.bounded(int(buttons.size())));
            switch (random.bounded(9)) {
            case 0: {   // a grid edit of a value of the object shown
                QObject *objects[] = {&form, form.Heading(), form.CommentArea(), button};
                QObject *object = objects[random.bounded(4)];
                if (!object)
                    break;
                editor.Tree().Select(nodeOf(object));
                const char *paths[] = {"Left", "Top", "Width"};
                const QString path = QString::fromLatin1(paths[random.bounded(3)]);
                const int value = TPropertyLayer::read(object, path).toInt() + random.bounded(-20, 21);
                editor.Inspector().Commit(editor.Inspector().IndexOfPath(path, TPropertyGridModel::ValueColumn),
                                          object == &form && path == QLatin1StringView("Width") ? value + 100
                                                                                                 : value,
                                          false);
                trail += "grid ";
                break;
            }
            case 1:   // a drag of a button that can be seen
                if (button && button->Image()->width() > 2) {
                    editor.Tree().Select(nodeOf(button));
                    const QPoint at = button->Image()->geometry().center();
                    drag(at, at + QPoint(random.bounded(-30, 31), random.bounded(-30, 31)));
                    trail += "drag ";
                }
                break;
            case 2:
                editor.AAddButtonExecute();
                editor.SetProperty(editor.PicButtons().last(), QStringLiteral("Caption"),
                                   QStringLiteral("B%1").arg(step));
                trail += "add ";
                break;
            case 3:
                if (button) {
                    editor.Tree().Select(nodeOf(button));
                    prompt.answers = {UserPrompt::Answer::Yes};
                    editor.ADeleteButtonExecute();
                    trail += "delete ";
                }
                break;
            case 4:
                project.LoadProject(design, TProject::DesignFile());
                trail += "load ";
                break;
            case 5:   // a look applied as the gallery does: one step with the options kept
                stack.beginMacro(QStringLiteral("look"));
                project.LoadProject(look, TProject::DesignFile());
                stack.endMacro();
                trail += "look ";
                break;
            case 6:
            case 7:
                stack.undo();
                trail += "undo ";
                break;
            default:
                stack.redo();
                trail += "redo ";
                break;
            }
            gridTexts(editor.Inspector());   // a view reads every row after each step
        }
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + trail);
        // Nothing selected yet: the grid shows the window, the first node.
        const int selectedIndex = int(qMax(qsizetype(0), editor.Tree().AllNodes().indexOf(editor.Tree().Selected())));

        project.SaveProject(saved, TProject::WholeProject());
        TDesignSession fresh;
        fresh.project.LoadProject(saved, TProject::WholeProject());
        ASSERT_EQ(nodeTexts(editor), nodeTexts(fresh.layout));
        fresh.layout.Tree().Select(fresh.layout.Tree().AllNodes().at(selectedIndex));
        EXPECT_EQ(gridTexts(editor.Inspector()), gridTexts(fresh.layout.Inspector()));
        EXPECT_EQ(objectPlaces(form, editor), objectPlaces(fresh.form, fresh.layout));
    }
}
