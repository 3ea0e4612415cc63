#include "../project/import_fixture.h"
#include "app/TFolderImportLink.h"
#include "app/TMainForm.h"
#include "project/TAddFolderForm.h"
#include "kit/TProgressForm.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Records what the import does to the design window.
class ImportDesignView : public TDesignView
{
public:
    explicit ImportDesignView(const QWidget &mainWindow) : m_main(mainWindow) {}
    void RefreshMenu() override
    {
        ++refreshes;
    }
    void SetCommentText(const QString &) override {}
    void ShowPreview() override
    {
        hidden = false;
        ++shows;
        mainVisibleAtShow = m_main.isVisible();
    }
    void HidePreview() override { hidden = true; ++hides; }

    int refreshes = 0, shows = 0, hides = 0;
    bool hidden = false;
    bool mainVisibleAtShow = true;

private:
    const QWidget &m_main;
};

struct FolderImportFixture : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TProgressForm> progress;
    std::unique_ptr<ImportDesignView> design;

    void SetUp() override
    {
        main = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
        progress = std::make_unique<TProgressForm>(main.get());
        new TFolderImportLink(*main, *progress);   // makes its dialog at the first click
        design = std::make_unique<ImportDesignView>(*main);
        main->SetDesignView(design.get());
        main->show();
    }
    void TearDown() override
    {
        main->SetDesignView(nullptr);
        main->Project().SetModified(false);   // no close question at the end
    }

    TAddFolderForm *Dialog() const { return main->findChild<TAddFolderForm *>(); }
    // Clicks "Каталог..." and answers the dialog with the folder (empty: Cancel).
    void Import(const QString &folder)
    {
        QTimer::singleShot(0, main.get(), [this, folder] {
            TAddFolderForm *form = Dialog();
            if (folder.isEmpty()) {
                form->bCancel->click();
                return;
            }
            form->leDirName->setText(folder);
            form->bOK->click();
        });
        QTest::mouseClick(main->tsCommands->bAddFolder, Qt::LeftButton);
    }
};

} // namespace

TEST_F(FolderImportFixture, ImportsIntoTheSelectedGroupAsOneChange)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/Sub/b.exe")});
    QTest::mouseClick(main->tsCommands->bAdd[ikGroup], Qt::LeftButton);
    main->Project().SetModified(false);
    design->refreshes = 0;

    Import(fx.path(QStringLiteral("Soft")));

    TCommandTree &tree = main->Tree();
    ASSERT_EQ(tree.TopLevel().size(), 1);
    TBaseItem *group = tree.TopLevel().constFirst();
    ASSERT_EQ(group->ChildCount(), 1);
    TBaseItem *root = group->Children().constFirst();
    EXPECT_EQ(fx.tidy(root->Name()), QStringLiteral("T/Soft/"));
    ASSERT_EQ(root->ChildCount(), 2);
    EXPECT_EQ(root->Children()[0]->Name(), QStringLiteral("Sub"));
    EXPECT_EQ(root->Children()[1]->Custom(), QStringLiteral("Soft\\a.exe"));

    // The last entry made is selected and shown in the fields.
    EXPECT_EQ(tree.CurrentItem(), root->Children()[1]);
    EXPECT_EQ(main->tsCommands->leName->text(), QStringLiteral("a"));
    EXPECT_TRUE(main->Project().Modified());
    // The design window followed once at the end (not once per entry) and came back.
    EXPECT_EQ(design->hides, 1);
    EXPECT_EQ(design->shows, 1);
    EXPECT_GE(design->refreshes, 1);
    EXPECT_LE(design->refreshes, 2);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(design->mainVisibleAtShow);   // the design window first, then the main window
    EXPECT_FALSE(progress->isVisible());
}

TEST_F(FolderImportFixture, TheDialogIsMadeAtTheFirstClickAndKeepsItsChoices)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe")});
    EXPECT_EQ(Dialog(), nullptr);
    Import(fx.path(QStringLiteral("Soft")));
    TAddFolderForm *first = Dialog();
    ASSERT_NE(first, nullptr);
    Import(QString());
    EXPECT_EQ(main->findChildren<TAddFolderForm *>().size(), 1);
    EXPECT_EQ(Dialog(), first);
    EXPECT_EQ(first->leDirName->text(), fx.path(QStringLiteral("Soft")));
}

TEST_F(FolderImportFixture, AutoExitAndCancel)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Empty/")});
    main->AAutoExit->setChecked(true);

    Import(QString());   // cancelled: nothing at all
    EXPECT_TRUE(main->Tree().IsEmpty());
    EXPECT_FALSE(main->Project().Modified());
    EXPECT_EQ(design->hides, 0);

    Import(fx.path(QStringLiteral("Empty")));   // an empty folder adds nothing
    EXPECT_TRUE(main->Tree().IsEmpty());
    EXPECT_TRUE(main->Project().Modified());    // but an import that ran always counts
    main->Project().SetModified(false);
    EXPECT_EQ(design->shows, 1);   // the windows came back all the same

    Import(fx.path(QStringLiteral("Soft")));
    ASSERT_EQ(main->Tree().TopLevel().size(), 1);
    TBaseItem *root = main->Tree().TopLevel().constFirst();
    ASSERT_EQ(root->ChildCount(), 2);
    EXPECT_EQ(root->Children()[0]->Kind(), ikExit);
    EXPECT_EQ(root->Children()[0]->Name(), QStringLiteral("Выход"));
    EXPECT_EQ(root->Id(), 1);
    EXPECT_EQ(root->Children()[1]->Id(), 3);
    EXPECT_TRUE(main->Project().Modified());
}
