#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "support/ScriptedPrompt.h"
#include "window/TPicButton.h"

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct NewProject : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    TPreviewForm preview;
    std::unique_ptr<TMainForm> main;
    TLayoutEditor *editor = nullptr;

    void SetUp() override
    {
        main = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
        linkDesignWindow(*main, preview);
        editor = linkLayoutPage(*main, preview);
        linkDesignFile(*main, preview, *editor);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }
    QUndoStack &stack() { return main->Project().UndoStack(); }
};

} // namespace

TEST_F(NewProject, CtrlZInAFieldWithoutHistoryOfItsOwnUndoesTheProjectsStep)
{
    QTest::mouseClick(main->tsCommands->bAdd[ikGroup], Qt::LeftButton);
    QTest::mouseClick(main->tsCommands->bAdd[ikProgram], Qt::LeftButton);
    ASSERT_EQ(main->Tree().Count(), 2);
    // The add put the cursor into the name field, freshly filled: no history.
    ASSERT_EQ(QApplication::focusWidget(), main->tsCommands->leName);
    EXPECT_TRUE(main->AEditUndo->text().startsWith(QStringLiteral("Отменить: ")));
    QTest::keyClick(main->tsCommands->leName, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main->Tree().Count(), 1);
    // Typing gives the field a history: the keys are the field's again.
    main->tsCommands->leName->setFocus();
    QTest::keyClicks(main->tsCommands->leName, QStringLiteral("X"));
    const QString typed = main->tsCommands->leName->text();
    QTest::keyClick(main->tsCommands->leName, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(main->tsCommands->leName->text(), typed);
    EXPECT_EQ(main->Tree().Count(), 1);
    QTest::keyClick(main->tsCommands->leName, Qt::Key_Z, Qt::ControlModifier);   // history used up: the group goes
    EXPECT_EQ(main->Tree().Count(), 0);
}

TEST_F(NewProject, CreateAsksThenStartsAfreshWithTheDefaultButtons)
{
    ASSERT_EQ(editor->PicButtons().size(), 3);
    QTest::mouseClick(main->tsCommands->bAdd[ikGroup], Qt::LeftButton);
    editor->AAddButtonExecute();
    preview.setColorTop(TColor(TColor::clRed));
    main->Project().SaveProject(dir.filePath(QStringLiteral("Velmora.XML")), TProject::WholeProject());
    QTest::mouseClick(main->tsCommands->bAdd[ikProgram], Qt::LeftButton);

    prompt.answers = {UserPrompt::Answer::Cancel};
    QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(main->Tree().Count(), 2);   // cancelled: all stays

    prompt.answers = {UserPrompt::Answer::No};
    main->AFileNew->trigger();
    EXPECT_EQ(main->Tree().Count(), 0);
    ASSERT_EQ(editor->PicButtons().size(), 3);
    EXPECT_EQ(editor->PicButtons()[0]->Caption(), QStringLiteral("Выход"));
    EXPECT_EQ(editor->PicButtons()[0]->Width(), 64);
    EXPECT_EQ(preview.ColorTop(), TColor(TColor::clBlue));
    EXPECT_TRUE(main->Project().FileName().isEmpty());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Без имени[*] — Velmora Brenwick"));
    EXPECT_FALSE(main->Project().Modified());
    EXPECT_FALSE(stack().canUndo());
    EXPECT_EQ(editor->Inspected(), &preview);
}
