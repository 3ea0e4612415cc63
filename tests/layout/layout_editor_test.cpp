#include "support/EditorFixture.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

struct LayoutEditor : ::testing::Test, EditorFixture
{

    // The tree as indented captions, "*" marking bold nodes.
    QStringList outline()
    {
        QStringList lines;
        for (QStandardItem *node : editor.Tree().AllNodes()) {
            QString line = node->parent() ? QStringLiteral("  ") : QString();
            line += node->text();
            if (node->font().bold())
                line += QLatin1Char('*');
            lines << line;
        }
        return lines;
    }
    QStandardItem *node(const QString &caption)
    {
        for (QStandardItem *n : editor.Tree().AllNodes())
            if (n->text() == caption)
                return n;
        return nullptr;
    }
    TPicButton *button(int i) { return editor.PicButtons().at(i); }
};

} // namespace

TEST_F(LayoutEditor, FirstShowingBuildsTheTreeAndTheDefaultButtons)
{
    EXPECT_EQ(outline(), QStringList({"Окно", "Картинки*", "  Фоновая картинка", "  Картинка в тему", "Надписи*",
                                      "  Надпись наверху", "  Комментарий", "Меню*", "  Область меню",
                                      "  Кнопки в меню", "Кнопки*", "  Выход", "  Проводник", "  Справка"}));
    EXPECT_EQ(editor.Inspected(), &form);
    EXPECT_EQ(editor.Tree().Selected(), nullptr);
    EXPECT_FALSE(project.Modified());

    const int lefts[] = {440, 372, 304};
    const TPicButton::TButtonAction actions[] = {TPicButton::baExit, TPicButton::baBrowse, TPicButton::baHelp};
    ASSERT_EQ(editor.PicButtons().size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(button(i)->Left(), lefts[i]);
        EXPECT_EQ(button(i)->Top(), 248);
        EXPECT_EQ(button(i)->Width(), 64);
        EXPECT_EQ(button(i)->Height(), 64);
        EXPECT_EQ(button(i)->Anchors(), TSurface::TAnchors(TSurface::akRight | TSurface::akBottom));
        EXPECT_EQ(button(i)->Action(), actions[i]);
        EXPECT_EQ(button(i)->Cursor(), TCursor::crHandPoint);
        EXPECT_FALSE(button(i)->Pictures()->Pressed()->isEmpty());
    }
    // Above every object, below the top layer, in creation order.
    EXPECT_EQ(form.pictureControls(), QList<TImageEx *>({button(0)->Image(), button(1)->Image(), button(2)->Image()}));
    const QObjectList children = form.children();
    EXPECT_LT(children.indexOf(button(2)->Image()), children.indexOf(form.FrontBox()));

    editor.FormShow();   // a second showing changes nothing
    EXPECT_EQ(editor.PicButtons().size(), 3);
}

TEST_F(LayoutEditor, HeadingsAreRefusedAndSelectionFollowsTheTree)
{
    int enabled = -1;
    QObject::connect(&editor, &TLayoutEditor::DeleteButtonEnabled, [&](bool on) { enabled = on; });
    ASSERT_TRUE(editor.Tree().Select(node("Надпись наверху")));
    EXPECT_EQ(editor.Inspected(), form.Heading());
    EXPECT_EQ(form.SelectedControl(), form.TopLabel());
    EXPECT_EQ(enabled, 0);

    // A click on a heading in the view moves nothing.
    editor.Tree().selectionModel()->setCurrentIndex(node("Картинки")->index(), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(editor.Tree().Selected(), node("Надпись наверху"));
    EXPECT_EQ(editor.Tree().selectionModel()->currentIndex(), node("Надпись наверху")->index());
    EXPECT_EQ(editor.Inspected(), form.Heading());

    ASSERT_TRUE(editor.Tree().Select(node("Кнопки в меню")));
    EXPECT_EQ(editor.Inspected(), form.MenuArea()->ButtonStyle());
    EXPECT_EQ(form.SelectedControl(), nullptr);

    // The design window's click-selection goes through the tree.
    form.designObjects()->selectDesignObject(int(editor.Tree().AllNodes().indexOf(node("Выход"))));
    EXPECT_EQ(editor.Inspected(), button(0));
    EXPECT_EQ(form.SelectedControl(), button(0)->Image());
    EXPECT_EQ(enabled, 1);
    EXPECT_TRUE(editor.CanDeleteButton());

    editor.SelectFirstNode();   // as after loading a design
    EXPECT_EQ(editor.Inspected(), &form);
    EXPECT_EQ(enabled, 0);
}

TEST_F(LayoutEditor, AddingAndDeletingButtonsAsksAndUndoes)
{
    editor.AAddButtonExecute();
    editor.AAddButtonExecute();
    EXPECT_TRUE(project.Modified());
    ASSERT_EQ(editor.PicButtons().size(), 5);
    EXPECT_EQ(outline().mid(11), QStringList({"  Выход", "  Проводник", "  Справка", "  Кнопка", "  Кнопка"}));
    // Each new button has the size and pictures of the new project's ones,
    // stands in their row where it covers none, and shows selected.
    EXPECT_EQ(QRect(button(3)->Left(), button(3)->Top(), button(3)->Width(), button(3)->Height()),
              QRect(236, 248, 64, 64));
    EXPECT_EQ(QRect(button(4)->Left(), button(4)->Top(), button(4)->Width(), button(4)->Height()),
              QRect(168, 248, 64, 64));
    EXPECT_FALSE(button(4)->Pictures()->Pressed()->isEmpty());
    EXPECT_EQ(button(4)->Action(), TPicButton::baExecute);
    EXPECT_EQ(editor.Tree().SelectedObject(), button(4));
    EXPECT_EQ(editor.Inspected(), button(4));

    project.SetModified(false);
    TPicButton *exit = button(0);
    editor.Tree().Select(node("Выход"));
    prompt.answers << UserPrompt::Answer::No;
    editor.ADeleteButtonExecute();
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].caption, QStringLiteral("Удаление"));
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("Вы точно хотите удалить кнопку \"Выход\" ?"));
    EXPECT_EQ(prompt.asked[0].icon, UserPrompt::Icon::Warning);
    EXPECT_EQ(editor.PicButtons().size(), 5);
    EXPECT_TRUE(project.Modified());

    prompt.answers << UserPrompt::Answer::Yes;
    editor.ADeleteButtonExecute();
    EXPECT_EQ(editor.PicButtons().size(), 4);
    EXPECT_EQ(node("Выход"), nullptr);
    EXPECT_FALSE(form.pictureControls().contains(exit->Image()));
    // The button gone, the tree, the grid and the design window show the window.
    EXPECT_EQ(form.SelectedControl(), &form);
    EXPECT_EQ(editor.Inspected(), &form);

    // Undo puts it back in its place, in the tree and the design window.
    project.UndoStack().undo();
    ASSERT_EQ(editor.PicButtons().size(), 5);
    EXPECT_EQ(button(0), exit);
    EXPECT_EQ(form.pictureControls().first(), exit->Image());
    project.UndoStack().undo();   // the second addition
    project.UndoStack().undo();   // the first
    EXPECT_EQ(editor.PicButtons().size(), 3);
    project.UndoStack().redo();
    EXPECT_EQ(outline().last(), QStringLiteral("  Кнопка"));
    project.UndoStack().redo();
    EXPECT_FALSE(project.Modified());   // back at the state marked unmodified
    project.UndoStack().undo();
    EXPECT_TRUE(project.Modified());
    // A new step drops the undone addition (and frees its button) without trouble.
    editor.AAddButtonExecute();
    EXPECT_EQ(editor.PicButtons().size(), 5);
}

TEST_F(LayoutEditor, RenamingAndDeletingEverything)
{
    editor.SetProperty(button(1), QStringLiteral("Caption"), QStringLiteral("Обзор"));
    EXPECT_NE(node("Обзор"), nullptr);
    EXPECT_EQ(node("Проводник"), nullptr);

    editor.Tree().Select(node("Справка"));
    editor.DeleteAllPicButtons();
    EXPECT_TRUE(editor.PicButtons().isEmpty());
    EXPECT_TRUE(form.pictureControls().isEmpty());
    EXPECT_EQ(editor.Inspected(), nullptr);
    EXPECT_EQ(editor.ButtonsNode()->rowCount(), 0);
    EXPECT_TRUE(prompt.asked.isEmpty());
    EXPECT_FALSE(editor.CanDeleteButton());
    // Nothing selected: deleting only marks the project modified.
    editor.ADeleteButtonExecute();
    EXPECT_TRUE(prompt.asked.isEmpty());
    EXPECT_TRUE(project.Modified());
}
