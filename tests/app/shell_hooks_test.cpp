#include "app/TAboutForm.h"
#include "app/THelpWindow.h"
#include "app/TMainForm.h"
#include "app/TShellHooks.h"
#include "kit/HelpContext.h"
#include "project/TBaseItem.h"
#include "app/TCommandTreeView.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ShellFixture : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<THelp> helpSystem;

    void SetUp() override { Create(); }
    void TearDown() override
    {
        form.reset();
        helpSystem.reset();
    }
    void Create()
    {
        form = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
        helpSystem = std::make_unique<THelp>();
        shell::ConnectHelpAndAbout(*form, *helpSystem);
        form->show();
        shell::SetHelpContexts(*form);
    }
    QString helpPage() const { return helpSystem->window()->browser()->source().fileName(); }
    bool helpShown() const { return helpSystem->window()->isVisible(); }
};

} // namespace

TEST_F(ShellFixture, AboutItemShowsTheAboutBoxModallyEachTimeWithAFadeIn)
{
    EXPECT_EQ(form->findChild<TAboutForm *>(), nullptr);   // made when first asked for
    TAboutForm *first = nullptr;
    for (int showing = 0; showing < 2; ++showing) {
        bool wasModal = false;
        int opacityAtShow = -1;
        QTimer::singleShot(0, form.get(), [&] {
            TAboutForm *about = form->findChild<TAboutForm *>();
            if (!first)
                first = about;
            EXPECT_EQ(about, first);
            wasModal = about->isVisible() && QApplication::activeModalWidget() == about;
            opacityAtShow = about->alphaBlendValue();
            about->OKButton()->click();
        });
        form->AAbout->trigger();  // returns when the box is closed
        EXPECT_TRUE(wasModal);
        EXPECT_LT(opacityAtShow, 255);  // it was fading in
        EXPECT_FALSE(first->isVisible());
    }
}

TEST_F(ShellFixture, HelpItemOpensTheContents)
{
    form->AHelp->trigger();
    ASSERT_TRUE(helpShown());
    EXPECT_EQ(helpPage(), QStringLiteral("index.html"));
}

TEST_F(ShellFixture, F1OpensThePageOfTheControlInUse)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    form->PageControl->setCurrentWidget(form->tsCommands);
    form->tsCommands->leName->setFocus();
    QTest::keyClick(form->tsCommands->leName, Qt::Key_F1);
    ASSERT_TRUE(helpShown());
    EXPECT_EQ(helpPage(), QStringLiteral("commands.html"));

    form->PageControl->setCurrentWidget(form->tsText);
    form->tsText->cbExitCross->setFocus();
    QTest::keyClick(form->tsText->cbExitCross, Qt::Key_F1);
    EXPECT_EQ(helpPage(), QStringLiteral("options.html"));

    // on the tab bar the page shown counts
    form->PageControl->setCurrentWidget(form->tsLayout);
    QTest::keyClick(form->PageControl->tabBar(), Qt::Key_F1);
    EXPECT_EQ(helpPage(), QStringLiteral("layout-page.html"));
}

TEST_F(ShellFixture, ContextsOfTheWindowAndItsPages)
{
    // the window itself stands for the page in view
    EXPECT_EQ(help::pageForWidget(form.get()), QStringLiteral("commands.html"));
    EXPECT_EQ(help::pageForWidget(form->tsCommands->TreeView), QStringLiteral("commands.html"));
    EXPECT_EQ(help::pageForWidget(form->tsLayout), QStringLiteral("layout-page.html"));
    EXPECT_EQ(help::pageForWidget(form->tsText->mAbout), QStringLiteral("options.html"));
    // the menu bar belongs to the window as a whole
    EXPECT_EQ(help::pageForWidget(form->menuBar()), QStringLiteral("main-window.html"));

    // the object tree gets its keyword once it exists on the page
    auto *tree = new QWidget(form->tsLayout);
    tree->setObjectName(QStringLiteral("ObjectTree"));
    EXPECT_EQ(help::pageForWidget(tree), QStringLiteral("layout-page.html"));
    shell::SetHelpContexts(*form);
    EXPECT_EQ(help::pageForWidget(tree), QStringLiteral("object-tree.html"));
}

TEST_F(ShellFixture, AProjectNamedAtStartIsOpenedAsOpenWould)
{
    const QString file = dir.filePath(QStringLiteral("Velmora.XML"));
    form->Tree().AddItem(QStringLiteral("Установка"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr));
    if (!form->SaveProject(file, TProject::WholeProject()))
        GTEST_SKIP() << "project files cannot be written in this build yet";

    Create();  // a fresh start, as "brenwick Velmora.XML"
    ASSERT_TRUE(form->Tree().IsEmpty());
    shell::OpenAtStart(*form, file);
    EXPECT_TRUE(form->Tree().IsEmpty());  // not before the event loop runs
    QTest::qWait(1);
    QCoreApplication::processEvents();
    ASSERT_EQ(form->Tree().TopLevel().size(), 1);
    EXPECT_EQ(form->Tree().TopLevel().first()->Name(), QStringLiteral("Установка"));
    EXPECT_EQ(form->Project().FileName(), file);
    EXPECT_EQ(form->RecentFiles().Paths().value(0), file);
    EXPECT_FALSE(form->Project().Modified());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ShellFixture, AMissingProjectAtStartIsReportedAsOpenWouldReportIt)
{
    const QString file = dir.filePath(QStringLiteral("нет такого.xml"));
    shell::OpenAtStart(*form, file);
    QTest::qWait(1);
    QCoreApplication::processEvents();
    const QList<ScriptedPrompt::Asked> atStart = prompt.asked;
    ASSERT_EQ(atStart.size(), 1);
    EXPECT_EQ(atStart[0].icon, UserPrompt::Icon::Error);
    EXPECT_TRUE(form->Tree().IsEmpty());
    EXPECT_TRUE(form->RecentFiles().Paths().isEmpty());
    EXPECT_TRUE(form->isVisible());

    // the same file chosen in the open dialog
    prompt.asked.clear();
    Create();
    prompt.openNames << file;
    form->AFileOpenExecute();
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].caption, atStart[0].caption);
    EXPECT_EQ(prompt.asked[0].text, atStart[0].text);
}

TEST_F(ShellFixture, NoProjectAtStartLeavesTheEditorAsItStarts)
{
    shell::OpenAtStart(*form, QString());
    QTest::qWait(1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompt.asked.isEmpty());
    EXPECT_TRUE(form->Tree().IsEmpty());
    EXPECT_TRUE(form->Project().FileName().isEmpty());
}
