// The page "Внешний вид" used as a user uses it: through the tree view, the
// grid's editors and the keyboard, reading what the grid and the undo stack
// show afterwards.
#include "kit/TPropertyGrid.h"
#include "kit/TPropertyHelp.h"
#include "layout/TDesignFileParts.h"
#include "layout/TLayoutEditor.h"
#include "layout/TLayoutPage.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"
#include "window/TPicButton.h"
#include "window/TTextBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct InspectorPage : ::testing::Test
{
    TPreviewForm form;
    TProject project;
    ScriptedPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    TDesignFileParts parts{form, &editor.Document()};
    QWidget window;
    QAction add{QStringLiteral("Добавить кнопку")};
    QAction del{QStringLiteral("Удалить кнопку")};
    TLayoutPage *page = nullptr;
    QUndoStack &stack = project.UndoStack();

    void SetUp() override
    {
        project.SetDesignParts(&parts);
        del.setEnabled(false);
        page = new TLayoutPage(&window, editor, {&add, &del, nullptr, nullptr}, &prompt);
        window.resize(700, 500);
        window.show();
        editor.FormShow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { project.SetDesignParts(nullptr); }
    QStandardItem *node(const QString &caption)
    {
        for (QStandardItem *n : editor.Tree().AllNodes())
            if (n->text() == caption)
                return n;
        return nullptr;
    }
    void click(const QString &caption)
    {
        QTreeView *tree = page->ObjectTree;
        QStandardItem *n = node(caption);
        ASSERT_NE(n, nullptr) << caption.toStdString();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(n->index()).center());
    }
    QModelIndex value(const QString &path) { return editor.Inspector().IndexOfPath(path, TPropertyGridModel::ValueColumn); }
    QString shown(const QString &path) { return value(path).data().toString(); }
    // Opens the row's editor as a click on its value does.
    QWidget *open(const QString &path)
    {
        TPropertyGrid *grid = page->ObjectInspector;
        const QModelIndex at = value(path);
        grid->setCurrentIndex(at);
        if (!grid->indexWidget(at))
            grid->edit(at);
        return grid->indexWidget(at);
    }
    // Types into a row's field and confirms with Enter.
    void type(const QString &path, const QString &text)
    {
        QWidget *editorWidget = open(path);
        ASSERT_NE(editorWidget, nullptr) << path.toStdString();
        auto *line = editorWidget->findChild<QLineEdit *>();
        ASSERT_NE(line, nullptr);
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents();   // the view commits and closes the editor queued
    }
};

} // namespace

TEST_F(InspectorPage, ALoadShowsTheWindowAndTheGridNeverKeepsOldValues)
{
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("red.xml"));
    ASSERT_TRUE(editor.SetProperty(&form, QStringLiteral("ColorTop"), QVariant::fromValue(TColor(TColor::clRed))));
    project.SaveProject(design, TProject::DesignFile());
    stack.undo();

    // The window's rows are shown (blue), then a button is looked at.
    EXPECT_EQ(shown("ColorTop"), QStringLiteral("clBlue"));
    click("Выход");
    ASSERT_EQ(editor.Inspected(), editor.PicButtons().first());
    project.LoadProject(design, TProject::DesignFile());
    // The buttons were made anew: the tree and the grid show the window, as loaded.
    EXPECT_EQ(editor.Tree().Selected(), node("Окно"));
    EXPECT_EQ(editor.Inspected(), &form);
    EXPECT_EQ(page->ObjectTree->currentIndex(), node("Окно")->index());
    EXPECT_EQ(shown("ColorTop"), QStringLiteral("clRed"));
    stack.undo();
    EXPECT_EQ(shown("ColorTop"), QStringLiteral("clBlue"));
    EXPECT_EQ(editor.Tree().Selected(), node("Окно"));

    // A drag in the design window reaches the grid of the dragged object.
    click("Надпись наверху");
    const int left = form.Heading()->Left();
    QWidget *front = form.FrontBox();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mousePress(front, Qt::LeftButton, {}, {100, 20});
    QTest::mouseMove(front, {113, 20});
    QTest::mouseRelease(front, Qt::LeftButton, {}, {113, 20});
    const int moved = form.Heading()->Left();
    ASSERT_NE(moved, left);
    EXPECT_EQ(shown("Left"), QString::number(moved));
    // A value set behind the grid's back still shows after the next step.
    form.Heading()->setRowSpacing(7);
    stack.undo();
    EXPECT_EQ(shown("Left"), QString::number(left));
    EXPECT_EQ(shown("RowSpacing"), QStringLiteral("7"));

    // Clicking the highlighted node again shows its object again.
    editor.SetInspected(nullptr);
    EXPECT_EQ(editor.Inspector().rowCount(), 0);
    click("Надпись наверху");
    EXPECT_EQ(editor.Inspected(), form.Heading());
}

TEST_F(InspectorPage, AListChoiceAppliesAtOnceAsOneNamedStep)
{
    click("Надпись наверху");
    QWidget *field = open("BorderStyle");
    ASSERT_NE(field, nullptr);
    auto *combo = field->findChild<QComboBox *>();
    ASSERT_NE(combo, nullptr);
    const auto before = form.Heading()->BorderStyle();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);   // picks the next entry of the list
    EXPECT_NE(form.Heading()->BorderStyle(), before);
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("изменение «Вид границы» («Надпись наверху»)"));
    EXPECT_TRUE(project.Modified());

    // Sub-rows are named by their own display names, never by their paths.
    QWidget *bold = open("Font.Style.fsBold");
    ASSERT_NE(bold, nullptr);
    auto *flag = bold->findChild<QComboBox *>();
    flag->setFocus();
    QTest::keyClick(flag, form.Heading()->Font()->Style().testFlag(TFont::fsBold) ? Qt::Key_Up : Qt::Key_Down);
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.undoText(), QStringLiteral("изменение «Жирный» («Надпись наверху»)"));
    stack.undo();
    stack.undo();
    EXPECT_EQ(form.Heading()->BorderStyle(), before);
    EXPECT_FALSE(project.Modified());
}

// Names and values show whole where the grid holds both, else each column
// gets its share; the description strip grows with its text.
TEST_F(InspectorPage, NothingIsCutWhereThereIsRoom)
{
    EXPECT_EQ(TPropertyGrid::namesWidthFor(277, 130, 147), 130);   // an exact fit
    EXPECT_EQ(TPropertyGrid::namesWidthFor(277, 130, 148), 129);   // one short: shares
    EXPECT_EQ(TPropertyGrid::namesWidthFor(100, 150, 0), 100);

    window.resize(502, 340);
    click("Окно");
    QCoreApplication::processEvents();
    TPropertyGrid *grid = page->ObjectInspector;
    const int width = grid->viewport()->width();
    if (grid->namesNeed() + grid->valuesNeed() <= width) {
        EXPECT_GE(grid->namesWidth(), grid->namesNeed());
        EXPECT_GE(width - grid->namesWidth(), grid->valuesNeed());
    }
    // The values' need counts the pictures the cells show, without drawing them.
    int pictures = 0;
    for (QModelIndex row = grid->model()->index(0, 0); row.isValid(); row = grid->indexBelow(row)) {
        const QModelIndex value = row.siblingAtColumn(TPropertyGridModel::ValueColumn);
        const bool shown = !value.data(Qt::DecorationRole).isNull();
        EXPECT_EQ(value.data(TPropertyGridModel::HasIconRole).toBool(), shown) << qPrintable(row.data().toString());
        pictures += shown;
    }
    EXPECT_GT(pictures, 0);
    TPropertyHelp *help = page->PropertyHelp;
    help->showProperty(QStringLiteral("Привязка"), QStringLiteral("слово ").repeated(60));
    QCoreApplication::processEvents();
    EXPECT_GT(help->height(), TLayoutPage::kHelpHeight);
    EXPECT_GE(help->height(), help->heightForWidth(help->width()));
    help->showProperty(QString(), QString());
    EXPECT_EQ(help->height(), TLayoutPage::kHelpHeight);
}

TEST_F(InspectorPage, ConfirmedValuesAreStepsAndOutOfRangeOrIneffectiveOnesAreNot)
{
    click("Окно");
    type("ClientHeight", QStringLiteral("300"));
    type("ClientHeight", QStringLiteral("320"));
    EXPECT_EQ(form.ClientHeight(), 320);
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.undoText(), QStringLiteral("изменение «Высота» («Окно»)"));
    stack.undo();
    EXPECT_EQ(form.ClientHeight(), 300);
    EXPECT_EQ(shown("ClientHeight"), QStringLiteral("300"));
    stack.undo();
    EXPECT_EQ(form.ClientHeight(), TPreviewForm::kClientHeight);
    EXPECT_FALSE(project.Modified());

    // Out of range: the message names the range, nothing changes, the grid agrees.
    type("ClientWidth", QStringLiteral("-100"));
    ASSERT_FALSE(prompt.asked.isEmpty());
    EXPECT_EQ(prompt.asked.last().text, QStringLiteral("Ширина: от 0 до 4096"));
    type("AlphaBlendValue", QStringLiteral("256"));
    EXPECT_EQ(prompt.asked.last().text, QStringLiteral("Непрозрачность: от 0 до 255"));
    type("AlphaBlendValue", QStringLiteral("0"));   // the edge itself is taken
    EXPECT_EQ(form.AlphaBlendValue(), 0);
    stack.undo();
    EXPECT_EQ(form.ClientWidth(), TPreviewForm::kClientWidth);
    EXPECT_EQ(shown("ClientWidth"), QString::number(TPreviewForm::kClientWidth));
    EXPECT_EQ(stack.count(), 1);   // only the opacity's step, undone; no step for the refused values
    EXPECT_FALSE(project.Modified());

    // A width the button does not take under "Авто-размер" is no step and no mark.
    click("Выход");
    TPicButton *exit = editor.PicButtons().first();
    ASSERT_TRUE(exit->AutoSize());
    const int width = exit->Width();
    type("Width", QString::number(width + 50));
    EXPECT_EQ(exit->Width(), width);
    EXPECT_EQ(shown("Width"), QString::number(width));
    EXPECT_FALSE(stack.canUndo());
    EXPECT_FALSE(project.Modified());
}

TEST_F(InspectorPage, DeleteKeyAndContextMenuActOnStandAloneButtonsOnly)
{
    int triggered = 0;
    QObject::connect(&del, &QAction::triggered, [&] { ++triggered; });
    click("Надпись наверху");
    QTest::keyClick(page->ObjectTree, Qt::Key_Delete);
    EXPECT_EQ(triggered, 0);
    EXPECT_TRUE(page->ContextActions(node("Надпись наверху")->index()).isEmpty());
    EXPECT_EQ(page->ContextActions(editor.ButtonsNode()->index()), QList<QAction *>{&add});
    // The menu on a button acts on that button, not on the highlighted node.
    EXPECT_EQ(page->ContextActions(node("Справка")->index()), QList<QAction *>{&del});
    EXPECT_EQ(editor.Tree().Selected(), node("Справка"));
    EXPECT_TRUE(del.isEnabled());
    QTest::keyClick(page->ObjectTree, Qt::Key_Delete);
    EXPECT_EQ(triggered, 1);
}
