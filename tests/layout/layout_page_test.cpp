#include "kit/TPropertyGrid.h"
#include "kit/TPropertyHelp.h"
#include "layout/TLayoutEditor.h"
#include "layout/TLayoutPage.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"
#include "window/TTextBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct LayoutPage : ::testing::Test
{
    TPreviewForm form;
    TProject project;
    ScriptedPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    QWidget window;
    QAction add{QStringLiteral("Добавить кнопку")};
    QAction del{QStringLiteral("Удалить кнопку")};
    QAction english;
    TLayoutPage *page = nullptr;

    void SetUp() override
    {
        english.setCheckable(true);
        del.setEnabled(false);
        page = new TLayoutPage(&window, editor, {&add, &del, &english, nullptr}, &prompt);
        window.resize(700, 400);
        window.show();
        editor.FormShow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QModelIndex row(const QString &path, int column = 0)
    {
        return editor.Inspector().IndexOfPath(path, column);
    }
};

} // namespace

TEST_F(LayoutPage, TreeViewShowsHeadingsExpandedAndDrivesTheActions)
{
    QTreeView *tree = page->ObjectTree;
    EXPECT_EQ(tree->objectName(), QStringLiteral("ObjectTree"));
    for (QStandardItem *node : editor.Tree().AllNodes()) {
        if (!node->parent()) {
            EXPECT_EQ(tree->isExpanded(node->index()), node->hasChildren()) << node->text().toStdString();
        }
    }
    EXPECT_EQ(page->bAddButton->accessibleName(), QStringLiteral("Добавить кнопку"));
    EXPECT_FALSE(page->bDeleteButton->isEnabled());

    QStandardItem *exit = editor.ButtonsNode()->child(0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(exit->index()).center());
    EXPECT_EQ(editor.Tree().Selected(), exit);
    EXPECT_TRUE(del.isEnabled());
    EXPECT_TRUE(page->bDeleteButton->isEnabled());
    // A click on a heading keeps the button selected.
    QStandardItem *heading = editor.ButtonsNode();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(heading->index()).center());
    EXPECT_EQ(editor.Tree().Selected(), exit);
    EXPECT_EQ(tree->currentIndex(), exit->index());

    prompt.answers << UserPrompt::Answer::Yes;
    QTest::mouseClick(page->bDeleteButton, Qt::LeftButton);
    EXPECT_EQ(editor.PicButtons().size(), 2);
    EXPECT_FALSE(del.isEnabled());
    QTest::mouseClick(page->bAddButton, Qt::LeftButton);
    EXPECT_EQ(editor.PicButtons().size(), 3);
}

TEST_F(LayoutPage, NamesColumnSharesTheGridAndTheStripDescribesTheRow)
{
    // The names column follows the grid's width: every name whole where the
    // values fit beside them, else its share.
    TPropertyGrid *grid = page->ObjectInspector;
    for (const int width : {400, 160}) {
        page->Splitter->setSizes({700 - width - TLayoutPage::kSplitterWidth, width});
        QCoreApplication::processEvents();
        ASSERT_EQ(grid->width(), width);
        const int room = grid->viewport()->width();
        if (grid->namesNeed() + grid->valuesNeed() <= room) {
            EXPECT_EQ(grid->namesWidth(), grid->namesNeed()) << width;
        } else {
            EXPECT_LT(grid->namesWidth(), grid->namesNeed()) << width;
            EXPECT_GT(grid->namesWidth(), room / 4) << width;
        }
    }

    page->ObjectInspector->setCurrentIndex(row("ColorTop"));
    EXPECT_EQ(page->PropertyHelp->propertyName(), QStringLiteral("Цвет сверху"));
    EXPECT_EQ(page->PropertyHelp->description(), QStringLiteral("Верхний цвет или цвет всего окна, если градиент запрещён."));
    english.setChecked(true);
    EXPECT_EQ(page->PropertyHelp->propertyName(), QStringLiteral("ColorTop"));
    EXPECT_EQ(row("ColorTop").data().toString(), QStringLiteral("ColorTop"));
    english.setChecked(false);
    page->ObjectInspector->setCurrentIndex(row("Cursor"));
    EXPECT_EQ(page->PropertyHelp->description(), QStringLiteral("Вид указателя мыши над объектом."));
}

TEST_F(LayoutPage, EditorsCommitTypedAndChosenValues)
{
    for (QStandardItem *node : editor.Tree().AllNodes())
        if (node->text() == QStringLiteral("Надпись наверху"))
            editor.Tree().Select(node);
    TPropertyGrid *grid = page->ObjectInspector;
    auto editAndCommit = [&](const QString &path, const std::function<void(QWidget *)> &fill) {
        const QModelIndex value = row(path, TPropertyGridModel::ValueColumn);
        grid->setCurrentIndex(value);
        if (!grid->indexWidget(value))
            grid->edit(value);
        QWidget *field = grid->indexWidget(value);
        ASSERT_NE(field, nullptr) << path.toStdString();
        fill(field);
        grid->delegate().setModelData(field, grid->model(), value);
    };
    editAndCommit("Top", [](QWidget *e) { e->findChild<QLineEdit *>()->setText("77"); });
    EXPECT_EQ(form.Heading()->Top(), 77);
    editAndCommit("BorderStyle", [](QWidget *e) { e->findChild<QComboBox *>()->setCurrentText("Вдавленная"); });
    EXPECT_EQ(form.Heading()->BorderStyle(), TTextBox::tbsSunken);
    editAndCommit("Color", [](QWidget *e) {
        auto *combo = e->findChild<QComboBox *>();
        EXPECT_FALSE(combo->itemIcon(combo->findText("clRed")).isNull());
        combo->setEditText("clLime");
    });
    EXPECT_EQ(form.Heading()->Color(), TColor(TColor::clLime));
    editAndCommit("Top", [](QWidget *e) { e->findChild<QLineEdit *>()->setText("abc"); });
    EXPECT_EQ(form.Heading()->Top(), 77);
    ASSERT_FALSE(prompt.asked.isEmpty());
    EXPECT_TRUE(prompt.asked.last().text.contains("введите целое число от -4096 до 4096"));
    EXPECT_EQ(project.UndoStack().count(), 3);

    // Tab moves to the next row's value.
    grid->setCurrentIndex(row("Top", 1));
    QModelIndex below = row("Width", 1);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), below);
}

// A hidden grid is laid out when it shows: groups expanded and the names
// column measured for the object chosen while it was hidden.
TEST_F(LayoutPage, AGridHiddenWhileTheObjectChangesIsLaidOutWhenItShows)
{
    TPropertyGrid *grid = page->ObjectInspector;
    page->Splitter->setSizes({700 - 400 - TLayoutPage::kSplitterWidth, 400});
    QCoreApplication::processEvents();
    window.hide();
    editor.SetInspected(form.Heading());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QModelIndex font = row(QStringLiteral("Font"));
    ASSERT_TRUE(font.isValid());
    EXPECT_TRUE(grid->isExpanded(font));
    ASSERT_LE(grid->namesNeed() + grid->valuesNeed(), grid->viewport()->width());
    EXPECT_EQ(grid->namesWidth(), grid->namesNeed());

    // A grid of its own expands when it shows, and measures its rows expanded
    // even while hidden.
    TPropertyGrid alone(editor.Inspector());
    const auto choose = [&] {
        editor.SetInspected(form.Heading());
        editor.SetInspected(form.CommentArea());
    };
    choose();
    const int names = alone.namesNeed();
    choose();
    const int values = alone.valuesNeed();
    choose();
    alone.show();
    EXPECT_TRUE(alone.isExpanded(row(QStringLiteral("Font"))));
    EXPECT_EQ(alone.namesNeed(), names);
    EXPECT_EQ(alone.valuesNeed(), values);
}
