#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "kit/TPropertyGrid.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(LayoutPageLink, FirstShowingBuildsThePageAndTheSplitterIsStored)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("brenwick.ini"));
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue(QStringLiteral("window/splitterpos"), 260);
    }
    ScriptedPrompt prompt;
    TPreviewForm preview;
    auto main = std::make_unique<TMainForm>(ini, &prompt);
    linkDesignWindow(*main, preview);
    TLayoutEditor *editor = linkLayoutPage(*main, preview);
    EXPECT_TRUE(editor->Tree().IsEmpty());   // nothing before the first showing
    main->resize(800, 500);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    EXPECT_EQ(editor->Tree().AllNodes().size(), 14);
    EXPECT_EQ(editor->Inspected(), &preview);
    EXPECT_EQ(editor->Inspector().rowCount() > 0, true);
    EXPECT_FALSE(main->Project().Modified());
    EXPECT_EQ(main->Project().UndoStack().count(), 0);
    EXPECT_FALSE(main->ADeleteButton->isEnabled());
    main->hide();
    main->show();   // a later showing adds nothing
    EXPECT_EQ(editor->PicButtons().size(), 3);

    auto *splitter = main->LayoutPage()->findChild<QSplitter *>(QStringLiteral("Splitter"));
    ASSERT_NE(splitter, nullptr);
    main->PageControl->setCurrentWidget(main->LayoutPage());
    QCoreApplication::processEvents();
    EXPECT_EQ(splitter->sizes().value(0), 260);
    emit splitter->splitterMoved(300, 1);   // as a drag of the handle reports it
    EXPECT_EQ(main->SplitterPos(), 300);
    ASSERT_NE(main->LayoutPage()->findChild<QWidget *>(QStringLiteral("ObjectTree")), nullptr);
    auto *grid = main->LayoutPage()->findChild<TPropertyGrid *>(QStringLiteral("ObjectInspector"));
    ASSERT_NE(grid, nullptr);
    // Where the grid holds every name and value, the names show whole.
    if (grid->namesNeed() + grid->valuesNeed() <= grid->viewport()->width()) {
        EXPECT_GE(grid->namesWidth(), grid->namesNeed());
    }

    // The hidden English switch renames the rows.
    const QModelIndex caption = editor->Inspector().IndexOfPath(QStringLiteral("Caption"));
    main->AEnglishInspector->trigger();
    EXPECT_EQ(caption.data().toString(), QStringLiteral("Caption"));
    main->AEnglishInspector->trigger();
    EXPECT_EQ(caption.data().toString(), QStringLiteral("Заголовок"));
    main->ANoSelectText->setChecked(true);
    EXPECT_TRUE(editor->Tree().noSelectText());

    // Adding a button is one step and marks the project modified.
    main->AAddButton->trigger();
    EXPECT_EQ(editor->PicButtons().size(), 4);
    EXPECT_TRUE(main->Project().Modified());
    main->Project().UndoStack().undo();
    EXPECT_FALSE(main->Project().Modified());
    EXPECT_EQ(editor->PicButtons().size(), 3);
}
