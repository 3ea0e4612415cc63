// What a new user meets in the main window: the selection the fields act on,
// failure messages, Qt's own dialogs in Russian, F1 on the page in view, the
// window title, and the keyboard on the page "Команды".

#include "kit/HelpContext.h"
#include "app/QtTranslation.h"
#include "app/THelpWindow.h"
#include "app/TMainForm.h"
#include "kit/TFileNameEdit.h"
#include "project/TAddFolderForm.h"
#include "app/TCommandTreeView.h"
#include "support/CliRunner.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

struct FirstUse : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        form = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
        form->show();
    }
    QString Path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    TCommandTree &Tree() { return form->Tree(); }
    void Click(TItemKind kind) { QTest::mouseClick(form->tsCommands->bAdd[kind], Qt::LeftButton); }
    QModelIndex Index(TBaseItem *item) { return Tree().IndexOf(item); }
    bool Highlighted(TBaseItem *item) { return form->tsCommands->TreeView->selectionModel()->isSelected(Index(item)); }
};

} // namespace

TEST_F(FirstUse, TheHighlightIsAlwaysWhatTheFieldsAndDeleteActOn)
{
    form->tsCommands->rbBeside->setChecked(true);
    Click(ikProgram);
    Click(ikUrl);
    Click(ikComment);
    QCoreApplication::processEvents();
    TBaseItem *url = Tree().TopLevel()[1];
    QTreeView *view = form->tsCommands->TreeView;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(Index(url)).center());
    ASSERT_EQ(Tree().CurrentItem(), url);

    // A click below the last row, and a Ctrl+click on the row itself, keep it highlighted.
    const QPoint below(view->viewport()->width() / 2, view->viewport()->height() - 2);
    ASSERT_FALSE(view->indexAt(below).isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, below);
    EXPECT_TRUE(Highlighted(url));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, view->visualRect(Index(url)).center());
    EXPECT_TRUE(Highlighted(url));
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(Tree().CurrentItem(), url);
    // The highlight keeps its colour while the focus is in the fields.
    EXPECT_EQ(view->palette().color(QPalette::Inactive, QPalette::Highlight),
              view->palette().color(QPalette::Active, QPalette::Highlight));

    QTest::keyClicks(form->tsCommands->leName, QStringLiteral("!"));
    EXPECT_EQ(url->Name(), QStringLiteral("URL!"));

    // The Delete key on the tree deletes exactly the highlighted entry, as "Удалить" does.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(Tree().Count(), 2);
    EXPECT_EQ(Tree().FindById(2), nullptr);
    EXPECT_TRUE(Highlighted(Tree().CurrentItem()));

    // A group asks the same question through the key as through the button; Cancel keeps it.
    form->tsCommands->rbInside->setChecked(true);
    Click(ikGroup);
    Click(ikProgram);
    Tree().Select(Tree().FindById(2));   // the group took the freed number
    QCoreApplication::processEvents();
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].caption, QStringLiteral("Удаление группы"));
    EXPECT_EQ(Tree().Count(), 4);
    // Delete in a text field deletes a character, not the entry.
    QTest::keyClick(form->tsCommands->leName, Qt::Key_Delete);
    EXPECT_EQ(Tree().Count(), 4);
}

TEST_F(FirstUse, LoadAndSaveFailuresNameTheOperationAndTheFile)
{
    // A damaged file: cut off in the middle.
    QFile damaged(Path("cut.xml"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("<?xml version=\"1.0\"?>\r<Velmora>\r\n  <root>\r\n    <group name=\"a\" id=\"1\"");
    damaged.close();
    Click(ikGroup);
    form->Project().SetModified(false);
    EXPECT_FALSE(form->LoadProject(Path("cut.xml"), TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(prompt.asked[0].icon, UserPrompt::Icon::Error);
    EXPECT_EQ(prompt.asked[0].text,
              QStringLiteral("Не удалось открыть файл «%1».\nФайл обрывается на строке 4. (Unexpected end of file)")
                  .arg(Path("cut.xml")));
    EXPECT_EQ(Tree().Count(), 1);   // the project stays as it was

    // A folder that cannot take the file.
    const QString nowhere = Path("no/such/folder/Velmora.XML");
    EXPECT_FALSE(form->SaveProject(nowhere, TProject::WholeProject()));
    EXPECT_EQ(prompt.asked[1].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(prompt.asked[1].text,
              QStringLiteral("Не удалось сохранить файл «%1».\nПапки %2 нет (Cannot create file %1)")
                  .arg(nowhere, Path("no/such/folder")));

    // The command line keeps its own plain form.
    const CliRun run = RunCli({QStringLiteral("tree"), Path("cut.xml")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("brenwick-cli: line 4: Unexpected end of file"));
}

TEST(QtDialogs, SpeakRussianOnceQtsTranslationIsInstalled)
{
    QTranslator *translator = shell::InstallQtTranslation(*QCoreApplication::instance());
    if (!translator && !QFile::exists(QStringLiteral("/usr/share/qt6/translations/qtbase_ru.qm")))
        GTEST_SKIP() << "Qt's Russian translation is not installed (scripts/setup.sh installs it)";
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Перейти к:"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("File &name:"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

TEST_F(FirstUse, F1GivesThePageInViewAndTheHelpSaysWhatYesThenCancelDoes)
{
    THelp helpSystem;
    helpSystem.installF1Key();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // The user switches pages with the mouse while no control has the focus.
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    QTabBar *tabs = form->PageControl->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    ASSERT_EQ(form->PageControl->currentWidget(), form->tsText);
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("options.html"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("commands.html"));

    // "Да", then the save dialog cancelled: the close is cancelled, the work stays,
    // and the main window's page says so.
    Click(ikGroup);
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Tree().Count(), 1);
    QFile page(QStringLiteral(":/help/main-window.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll()).simplified();
    EXPECT_FALSE(text.contains(QStringLiteral("изменения будут потеряны")));
    EXPECT_TRUE(text.contains(QStringLiteral("отменить диалог сохранения, редактор ничего не закроет")));
}

TEST_F(FirstUse, TitleNamesTheFileAndMarksUnsavedChanges)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Без имени[*] — Velmora Brenwick"));
    EXPECT_FALSE(form->isWindowModified());
    Click(ikGroup);
    // No file yet: the first edit already shows as unsaved.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Без имени[*] — Velmora Brenwick"));
    EXPECT_TRUE(form->isWindowModified());
    prompt.saveNames = {Path("Velmora.XML")};
    form->AFileSaveAs->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Velmora.XML[*] — Velmora Brenwick"));
    EXPECT_FALSE(form->isWindowModified());
    Click(ikProgram);
    EXPECT_TRUE(form->isWindowModified());
    // A design saved elsewhere leaves the project's name in the title.
    prompt.saveNames = {Path("look.xml")};
    form->ASaveDesign->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Velmora.XML[*] — Velmora Brenwick"));
    // The project file itself was not written: the changes stay marked.
    EXPECT_TRUE(form->isWindowModified());
    ASSERT_TRUE(QFile::copy(Path("Velmora.XML"), Path("other.xml")));
    prompt.answers = {UserPrompt::Answer::No};   // do not save the changes
    ASSERT_TRUE(form->LoadProject(Path("other.xml"), TProject::WholeProject()));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("other.xml[*] — Velmora Brenwick"));
}

TEST_F(FirstUse, TreeShowsHiddenEntriesGreyedAndOpensANewGroup)
{
    form->AAutoExit->setChecked(true);
    Click(ikGroup);
    TBaseItem *group = Tree().TopLevel()[0];
    EXPECT_TRUE(form->tsCommands->TreeView->isExpanded(Index(group)));   // its "Выход" can be seen
    TBaseItem *exit = group->Children()[0];
    EXPECT_FALSE(Index(exit).data(Qt::ForegroundRole).isValid());
    Tree().Select(exit);
    QTest::mouseClick(form->tsCommands->cbHidden, Qt::LeftButton);
    ASSERT_TRUE(exit->Hidden());
    const QVariant grey = Index(exit).data(Qt::ForegroundRole);
    ASSERT_TRUE(grey.isValid());
    EXPECT_NE(grey.value<QBrush>().color(), form->tsCommands->TreeView->palette().color(QPalette::Active, QPalette::Text));
}

TEST_F(FirstUse, TabReachesEveryFieldAndTheBrowseButtons)
{
    Click(ikProgram);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QList<QWidget *> reached;
    form->tsCommands->TreeView->setFocus();
    for (int i = 0; i < 40 && !reached.contains(QApplication::focusWidget()); ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget *w : {static_cast<QWidget *>(form->tsCommands->leName), static_cast<QWidget *>(form->tsCommands->cbHidden),
                       static_cast<QWidget *>(form->tsCommands->leCustom), static_cast<QWidget *>(form->tsCommands->leCustom->BrowseButton()),
                       static_cast<QWidget *>(form->tsCommands->leParams), static_cast<QWidget *>(form->tsCommands->mComment)})
        EXPECT_TRUE(reached.contains(w)) << w->objectName().toStdString();
    // The browse button works from the keyboard.
    prompt.openNames = {QStringLiteral("/cd/setup.exe")};
    form->tsCommands->leCustom->BrowseButton()->setFocus();
    QTest::keyClick(form->tsCommands->leCustom->BrowseButton(), Qt::Key_Space);
    EXPECT_EQ(Tree().CurrentItem()->Custom(), QStringLiteral("/cd/setup.exe"));

    // In the folder dialog, Tab goes from the folder field to "Пролистать".
    TAddFolderForm folder(prompt);
    folder.show();
    QWidget *next = folder.leDirName->nextInFocusChain();
    while (next != folder.leDirName && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, folder.bBrowse);
}

// Opening and saving through the editor's own boxes changes nothing: no-break
// spaces and empty last lines stay, whatever else the user clicks.
TEST_F(FirstUse, OpenedTextsStayAsReadThroughTheBoxes)
{
    const QString about = QStringLiteral("Диск\u00A01\n\n");
    form->Project().Options().SetAbout(about);
    EXPECT_EQ(form->tsText->mAbout->blockCount(), 3);
    Click(ikProgram);
    Tree().SetComment(Tree().CurrentItem(), QStringLiteral("a\u00A0b\r\nc"));
    Tree().Select(Tree().CurrentItem());
    ASSERT_TRUE(form->SaveProject(Path("Velmora.XML"), TProject::WholeProject()));
    const QByteArray saved = [&] { QFile f(Path("Velmora.XML")); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    ASSERT_TRUE(form->LoadProject(Path("Velmora.XML"), TProject::WholeProject()));
    QTest::mouseClick(form->tsText->cbExitCross, Qt::LeftButton);
    QTest::mouseClick(form->tsText->cbExitCross, Qt::LeftButton);
    QTest::keyClicks(form->tsCommands->leParams, QStringLiteral("x"));
    QTest::keyClick(form->tsCommands->leParams, Qt::Key_Backspace);
    EXPECT_EQ(form->Project().Options().About(), about);
    EXPECT_EQ(Tree().CurrentItem()->Comment(), QStringLiteral("a\u00A0b\r\nc"));
    ASSERT_TRUE(form->SaveProject(Path("Velmora.XML"), TProject::WholeProject()));
    QFile again(Path("Velmora.XML"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), saved);
}
