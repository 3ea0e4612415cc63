#include "app/TMainForm.h"
#include "kit/TFileNameEdit.h"
#include "app/TCommandTreeView.h"
#include "support/ScriptedPrompt.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMimeData>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records what the main window tells the design window.
class RecordingDesignView : public TDesignView
{
public:
    explicit RecordingDesignView(const TMenuSource &source) : m_source(source) {}
    void RefreshMenu() override
    {
        ++refreshes;
        lastLevel = m_source.currentLevel();
    }
    void SetCommentText(const QString &text) override { comments << text; }
    void ShowPreview() override { ++shows; }

    int refreshes = 0;
    int shows = 0;
    QStringList comments;
    TMenuSource::Level lastLevel;

private:
    const TMenuSource &m_source;
};

struct MainFormFixture : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> form;

    QString SettingsPath() const { return dir.filePath(QStringLiteral("brenwick.ini")); }
    void Create() { form = std::make_unique<TMainForm>(SettingsPath(), &prompt); }
    void SetUp() override { Create(); }
    TCommandTree &Tree() { return form->Tree(); }
    void Click(TItemKind kind) { QTest::mouseClick(form->tsCommands->bAdd[kind], Qt::LeftButton); }
};

} // namespace

TEST_F(MainFormFixture, FirstStartUsesTheDesignPlaceAndAnEmptyRecentList)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Без имени[*] — Velmora Brenwick"));
    EXPECT_FALSE(form->windowIcon().availableSizes().isEmpty());   // the program's own
    EXPECT_EQ(form->pos(), QPoint(359, 238));
    // The first size is the smallest: 502 x 378, or more where the pages need it.
    const QSize least = form->minimumSize();
    EXPECT_EQ(form->size(), least);
    EXPECT_EQ(least, form->minimumSizeHint().expandedTo(QSize(502, 378)));
    EXPECT_FALSE(form->Project().Modified());
    ASSERT_EQ(form->MRecentFiles->actions().size(), 1);
    EXPECT_EQ(form->MRecentFiles->actions()[0]->text(), QStringLiteral("(пусто)"));
    EXPECT_EQ(form->PageControl->tabText(0), QStringLiteral("Команды"));
    EXPECT_EQ(form->PageControl->tabText(1), QStringLiteral("Внешний вид"));
    EXPECT_EQ(form->PageControl->tabText(2), QStringLiteral("Опции проекта"));

    form->show();
    EXPECT_TRUE(form->close());
    QSettings s(SettingsPath(), QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("window/width")).toInt(), least.width());
    EXPECT_EQ(s.value(QStringLiteral("window/splitterpos")).toInt(), 221);
    s.beginGroup(QStringLiteral("recent files"));
    EXPECT_TRUE(s.childKeys().isEmpty());
}

// At the first start the main window stands right of the design window when
// the screen holds both side by side; a place from the settings file stays.
TEST_F(MainFormFixture, FirstStartPlacesTheWindowBesideTheDesignWhereItFits)
{
    const QRect design(47, 193, 520, 400);
    const QSize own(510, 420);
    const QPoint first(359, 238);
    // 47 + 520 + 8 + 510 = 1085: an exact fit, then one pixel short.
    EXPECT_EQ(TMainForm::BesidePlace(QRect(0, 0, 1085, 1024), design, own, first), QPoint(575, 193));
    EXPECT_EQ(TMainForm::BesidePlace(QRect(0, 0, 1084, 1024), design, own, first), first);
    EXPECT_EQ(TMainForm::BesidePlace(QRect(0, 0, 1920, 612), design, own, first), first);   // too low

    {
        QSettings s(SettingsPath(), QSettings::IniFormat);
        s.setValue(QStringLiteral("window/left"), 20);
        s.setValue(QStringLiteral("window/top"), 30);
    }
    Create();
    const QPoint stored = form->pos();
    form->PlaceBesideDesign(QRect(0, 0, 10, 10));
    EXPECT_EQ(form->pos(), stored);
}

TEST_F(MainFormFixture, SettingsBringBackThePlaceAndTheRecentList)
{
    {
        QSettings s(SettingsPath(), QSettings::IniFormat);
        s.setValue(QStringLiteral("window/left"), 20);
        s.setValue(QStringLiteral("window/top"), 30);
        s.setValue(QStringLiteral("window/width"), 640);
        s.setValue(QStringLiteral("window/height"), 480);
        s.setValue(QStringLiteral("window/splitterpos"), 150);
        s.setValue(QStringLiteral("recent files/file1"), QStringLiteral("/x/Tom & Jerry.xml"));
        s.setValue(QStringLiteral("recent files/file2"), QStringLiteral("/x/b.xml"));
    }
    Create();
    EXPECT_EQ(form->pos(), QPoint(20, 30));
    EXPECT_EQ(form->size(), QSize(640, 480));
    EXPECT_EQ(form->SplitterPos(), 150);
    const QList<QAction *> entries = form->MRecentFiles->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("&1 /x/Tom && Jerry.xml"));
    EXPECT_EQ(entries[1]->data().toString(), QStringLiteral("/x/b.xml"));
}

TEST_F(MainFormFixture, SettingsFileUsesThePlainSectionNames)
{
    form->AddRecentFile(QStringLiteral("/disc/Velmora.XML"));
    form->AddRecentFile(QStringLiteral("/disc/b.xml"));
    form->show();
    const QByteArray height = QByteArray::number(form->minimumHeight());   // the first size is the smallest
    ASSERT_TRUE(form->close());
    QFile f(SettingsPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("[recent files]\nfile1=/disc/b.xml\nfile2=/disc/Velmora.XML\n")) << text.constData();
    EXPECT_TRUE(text.contains("[window]\nheight=" + height + "\nleft=359\n")) << text.constData();
    // And the next start reads it back.
    Create();
    EXPECT_EQ(form->RecentFiles().Paths(), (QStringList{QStringLiteral("/disc/b.xml"), QStringLiteral("/disc/Velmora.XML")}));
}

TEST_F(MainFormFixture, SettingsWrittenInQtsEscapedIniFormReadAsPlainOnes)
{
    // Another program may write the section names escaped and values quoted.
    {
        QFile f(SettingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[recent%20files]\nfile1=\"/d/a, b.xml\"\nfile2=/d/c.xml\n\n"
                "[window]\nleft=40\ntop=50\nwidth=600\nheight=400\nsplitterpos=180\n");
    }
    Create();
    EXPECT_EQ(form->pos(), QPoint(40, 50));
    EXPECT_EQ(form->size(), QSize(600, 400).expandedTo(form->minimumSize()));   // never below what the pages need
    EXPECT_EQ(form->SplitterPos(), 180);
    EXPECT_EQ(form->RecentFiles().Paths(), (QStringList{QStringLiteral("/d/a, b.xml"), QStringLiteral("/d/c.xml")}));
    const QList<QAction *> entries = form->MRecentFiles->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1]->text(), QStringLiteral("&2 /d/c.xml"));
}

TEST_F(MainFormFixture, WindowValuesThatAreNotNumbersKeepTheDesignPlace)
{
    {
        QFile f(SettingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[window]\nleft=abc\ntop=\nwidth=600\nheight=4x\nsplitterpos=wide\n");
    }
    Create();
    EXPECT_EQ(form->pos(), QPoint(359, 238));
    EXPECT_EQ(form->size(), QSize(600, form->minimumHeight()));   // the height of the first size
    EXPECT_EQ(form->SplitterPos(), 221);
}

TEST_F(MainFormFixture, MenusHoldTheActionsWithTheirShortcutsAndChecks)
{
    EXPECT_EQ(form->AFileOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(form->AFileSave->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(form->AFileExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(form->APreview->shortcut(), QKeySequence(QStringLiteral("F12")));
    EXPECT_TRUE(form->ADoubleBuffer->isChecked());
    EXPECT_TRUE(form->AEnableSelect->isChecked());
    EXPECT_TRUE(form->AShowSelection->isChecked());
    EXPECT_FALSE(form->ANoSelectText->isChecked());
    EXPECT_FALSE(form->AAutoExit->isChecked());
    EXPECT_FALSE(form->AEnglishInspector->isVisible());
    EXPECT_FALSE(form->ADeleteButton->isEnabled());
    EXPECT_EQ(form->AFileReset->property("category").toString(), QStringLiteral("File"));
    form->AAutoExit->trigger();   // check actions toggle themselves
    EXPECT_TRUE(Tree().AutoExit());
}

TEST_F(MainFormFixture, AddButtonsCreateSelectAndMarkModified)
{
    RecordingDesignView view(Tree());
    form->SetDesignView(&view);
    form->show();
    Click(ikGroup);
    ASSERT_EQ(Tree().Count(), 1);
    EXPECT_TRUE(form->Project().Modified());
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("Группа"));
    EXPECT_EQ(form->tsCommands->stNumber->text(), QStringLiteral("1"));
    EXPECT_EQ(form->focusWidget(), form->tsCommands->leName);
    EXPECT_GT(view.refreshes, 0);
    Click(ikProgram);
    EXPECT_EQ(Tree().CurrentItem()->Parent(), Tree().TopLevel()[0]);
    QCoreApplication::processEvents();   // the view follows once the event loop runs
    EXPECT_EQ(form->tsCommands->TreeView->currentIndex(), Tree().IndexOf(Tree().CurrentItem()));
    EXPECT_EQ(view.lastLevel.groupCaption, QStringLiteral("Группа"));

    QTest::mouseClick(form->tsCommands->rbBeside, Qt::LeftButton);
    Click(ikUrl);
    EXPECT_EQ(Tree().CurrentItem()->Parent(), Tree().TopLevel()[0]);   // beside the program
}

TEST_F(MainFormFixture, FieldsPanelFollowsTheKindAndFillingIsNoEdit)
{
    form->show();
    Click(ikProgram);
    EXPECT_TRUE(form->tsCommands->pParams->isVisible());
    EXPECT_TRUE(form->tsCommands->pCustom->isVisible());
    EXPECT_EQ(form->tsCommands->LCustom->text(), QStringLiteral("Путь"));
    EXPECT_TRUE(form->tsCommands->leCustom->BrowseVisible());
    Click(ikUrl);
    EXPECT_FALSE(form->tsCommands->pParams->isVisible());
    EXPECT_TRUE(form->tsCommands->pCustom->isVisible());
    EXPECT_EQ(form->tsCommands->LCustom->text(), QStringLiteral("Адрес"));
    EXPECT_FALSE(form->tsCommands->leCustom->BrowseVisible());
    Click(ikComment);
    EXPECT_FALSE(form->tsCommands->pParams->isVisible());
    EXPECT_FALSE(form->tsCommands->pCustom->isVisible());
    Click(ikExit);
    EXPECT_FALSE(form->tsCommands->pCustom->isVisible());

    form->Project().SetModified(false);
    Tree().Select(Tree().TopLevel()[0]);
    Tree().Select(Tree().TopLevel()[1]);
    EXPECT_FALSE(form->Project().Modified());
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("URL"));
}

TEST_F(MainFormFixture, EditingFieldsWritesTheCurrentEntry)
{
    RecordingDesignView view(Tree());
    form->SetDesignView(&view);
    form->show();
    Click(ikProgram);
    form->Project().SetModified(false);
    form->tsCommands->leName->setText(QStringLiteral("Установка"));
    EXPECT_EQ(Tree().CurrentItem()->Name(), QStringLiteral("Установка"));
    EXPECT_EQ(view.lastLevel.entries[0].caption, QStringLiteral("Установка"));
    EXPECT_TRUE(form->Project().Modified());
    form->tsCommands->mComment->setPlainText(QStringLiteral("строка 1\nстрока 2"));
    EXPECT_EQ(Tree().CurrentItem()->Comment(), QStringLiteral("строка 1\r\nстрока 2"));
    EXPECT_EQ(view.comments.constLast(), QStringLiteral("строка 1\r\nстрока 2"));
    form->tsCommands->leCustom->setText(QStringLiteral("setup.exe"));
    form->tsCommands->leParams->setText(QStringLiteral("/S"));
    form->tsCommands->cbHidden->setChecked(true);
    const TBaseItem *item = Tree().CurrentItem();
    EXPECT_EQ(item->Custom(), QStringLiteral("setup.exe"));
    EXPECT_EQ(item->Params(), QStringLiteral("/S"));
    EXPECT_TRUE(item->Hidden());
    EXPECT_TRUE(view.lastLevel.entries[0].hidden);

    prompt.openNames = {QStringLiteral("/media/disc/run.exe")};
    emit form->tsCommands->leCustom->BrowseClicked();
    EXPECT_EQ(item->Custom(), QStringLiteral("/media/disc/run.exe"));

    // After the last entry is gone, the fields keep its values and edit nothing.
    form->tsCommands->bDelete->click();
    EXPECT_TRUE(Tree().IsEmpty());
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("Установка"));
    form->tsCommands->leName->setText(QStringLiteral("nothing"));
    EXPECT_TRUE(Tree().IsEmpty());
}

TEST_F(MainFormFixture, DeleteButtonAsksForGroupsAndMarksModified)
{
    form->show();
    Click(ikGroup);
    Click(ikProgram);
    Tree().Select(Tree().TopLevel()[0]);
    form->Project().SetModified(false);
    prompt.answers = {UserPrompt::Answer::Cancel};
    form->tsCommands->bDelete->click();
    EXPECT_EQ(Tree().Count(), 2);
    EXPECT_EQ(prompt.asked.size(), 1);
    // The group stops being the current group even though it stays.
    EXPECT_EQ(Tree().CurrentGroup(), nullptr);
    Click(ikUrl);
    EXPECT_EQ(Tree().CurrentItem()->Parent(), nullptr);

    Tree().Select(Tree().TopLevel()[0]);
    prompt.answers = {UserPrompt::Answer::Yes};
    form->tsCommands->bDelete->click();
    EXPECT_EQ(Tree().Count(), 2);
    EXPECT_EQ(Tree().TopLevel()[0]->Name(), QStringLiteral("Программа"));
    // The selection goes to the entry that follows at the group's place.
    EXPECT_EQ(Tree().CurrentItem(), Tree().TopLevel()[1]);
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("URL"));
}

TEST_F(MainFormFixture, DroppingAnEntryMovesItAndMarksModified)
{
    form->show();
    Click(ikGroup);
    QTest::mouseClick(form->tsCommands->rbBeside, Qt::LeftButton);
    Click(ikProgram);
    TBaseItem *group = Tree().TopLevel()[0];
    TBaseItem *program = Tree().TopLevel()[1];
    form->Project().SetModified(false);
    const QRect groupRect = form->tsCommands->TreeView->visualRect(Tree().IndexOf(group));
    EXPECT_TRUE(form->tsCommands->TreeView->DropAt(groupRect.center(), Qt::ShiftModifier));
    EXPECT_EQ(program->Parent(), group);
    EXPECT_EQ(Tree().CurrentGroup(), group);
    EXPECT_TRUE(form->Project().Modified());
    EXPECT_EQ(form->tsCommands->TreeView->currentIndex(), Tree().IndexOf(program));
    EXPECT_TRUE(form->tsCommands->TreeView->isExpanded(Tree().IndexOf(group)));   // the moved entry stays in sight
    // Empty space under the entries: nothing happens.
    EXPECT_FALSE(form->tsCommands->TreeView->DropAt(QPoint(5, form->tsCommands->TreeView->viewport()->height() - 2), {}));

    // Resting over groups during a drag opens the closed ones and never closes an open one.
    TCommandTreeView *view = form->tsCommands->TreeView;
    Click(ikGroup);
    TBaseItem *closed = Tree().CurrentItem();
    view->collapse(Tree().IndexOf(closed));
    Tree().AddItem(QStringLiteral("x"), ikUrl, TCommandTree::TPlace::LastChildOf(closed), false);
    for (TBaseItem *hovered : {group, closed}) {
        view->DragHover(view->visualRect(Tree().IndexOf(hovered)).center());
        QTest::qWait(TCommandTreeView::kAutoExpandDelayMs * 2);
        EXPECT_TRUE(view->isExpanded(Tree().IndexOf(hovered))) << hovered->Name().toStdString();
    }
}

TEST_F(MainFormFixture, CtrlXCutsInATextFieldAndExitsElsewhere)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Click(ikProgram);
    form->activateWindow();
    form->tsCommands->leName->setFocus();
    form->tsCommands->leName->selectAll();
    QTest::keyClick(form->tsCommands->leName, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->tsCommands->leName->text(), QString());

    form->Project().SetModified(false);
    form->tsCommands->TreeView->setFocus();
    QTest::keyClick(form->tsCommands->TreeView, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainFormFixture, CloseQuestionNeverLosesWork)
{
    form->show();
    Click(ikProgram);
    prompt.answers = {UserPrompt::Answer::Cancel};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].caption, QStringLiteral("Закрытие"));
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("Сохранить изменения?"));

    // Yes, then the save dialog is cancelled: nothing closes.
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(prompt.dialogsShown.size(), 1);
    EXPECT_TRUE(form->Project().Modified());

    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_TRUE(form->close());
}

TEST_F(MainFormFixture, ControlsAreFoundByTheirNamesWithTheirCaptions)
{
    const std::pair<const char *, const char *> buttons[] = {
        {"bAdd1", "Группа"}, {"bAdd2", "Программа"}, {"bAdd3", "URL"}, {"bAdd4", "Комментарий"},
        {"bAdd5", "Выход"}, {"bDelete", "Удалить"}, {"bAddFolder", "Каталог..."},
        {"cbHidden", "Скрытый"}, {"cbExitLevelUp", "Выход по кнопке Вверх"},
        {"cbExitAnyCommand", "Выход после любой команды"}, {"cbExitCross", "Вопрос при выходе крестиком"},
        {"cbExitQuestion", "Вопрос при выходе кнопкой"},
        {"cbCdRoot", "От корня компакт-диска, если Velmora.EXE или Velmora.XML на нём"},
        {"rbCdRoot", "От Корневого Каталога"}, {"rbProject", "От расположения файла проекта (Velmora.XML)"},
        {"rbVelmora", "От расположения программы автозапуска (Velmora.EXE)"},
        {"rbCurrentDir", "От текущего каталога"}};
    for (const auto &[name, caption] : buttons) {
        auto *b = form->findChild<QAbstractButton *>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << name;
    }
    for (const char *name : {"leName", "leCustom", "leParams"})
        EXPECT_NE(form->findChild<QLineEdit *>(QString::fromLatin1(name)), nullptr) << name;
    for (const char *name : {"mComment", "mAbout"})
        EXPECT_NE(form->findChild<QPlainTextEdit *>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_NE(form->findChild<QLabel *>(QStringLiteral("stNumber")), nullptr);
}

TEST_F(MainFormFixture, OptionsPageEditsTheProjectOptions)
{
    form->show();
    const TProjectOptions &o = form->Project().Options();
    EXPECT_TRUE(form->tsText->rbVelmora->isChecked());
    EXPECT_TRUE(form->tsText->cbCdRoot->isChecked());
    EXPECT_FALSE(form->tsText->cbExitCross->isChecked());
    EXPECT_TRUE(form->tsText->cbExitLevelUp->toolTip().contains(QLatin1Char('\n')));
    form->tsText->cbExitCross->click();
    EXPECT_TRUE(o.ExitCross());
    EXPECT_TRUE(form->Project().Modified());
    form->tsText->rbProject->click();
    EXPECT_EQ(o.PathOption(), TProjectOptions::poProject);
    EXPECT_FALSE(form->tsText->rbVelmora->isChecked());
    form->tsText->mAbout->setPlainText(QStringLiteral("Диск\nверсия 2"));
    EXPECT_EQ(o.About(), QStringLiteral("Диск\nверсия 2"));

    // A project whose option names no button shows all four off.
    form->Project().Options().SetPathOption(TProjectOptions::poNone);
    for (QRadioButton *rb : {form->tsText->rbCdRoot, form->tsText->rbProject, form->tsText->rbVelmora, form->tsText->rbCurrentDir})
        EXPECT_FALSE(rb->isChecked());
}

TEST_F(MainFormFixture, DiscFolderBecomesTheRootDirAndTheDialogsFolder)
{
    prompt.folders = {QString()};
    form->ADiscFolder->trigger();
    EXPECT_FALSE(form->Project().Modified());
    prompt.folders = {QStringLiteral("/media/disc")};
    form->ADiscFolder->trigger();
    EXPECT_EQ(prompt.dialogsShown.constLast(),
              QStringLiteral("Каталог, в котором располагаются файлы компакт-диска так же, как они будут на диске"));
    EXPECT_EQ(form->Project().Options().RootDir(), QStringLiteral("/media/disc"));
    EXPECT_EQ(form->DialogFolder(), QStringLiteral("/media/disc"));
    EXPECT_TRUE(form->Project().Modified());
}

TEST_F(MainFormFixture, HelpAndAboutOnlyAnnounceThemselves)
{
    int help = 0, about = 0;
    QObject::connect(form.get(), &TMainForm::HelpRequested, [&] { ++help; });
    QObject::connect(form.get(), &TMainForm::AboutRequested, [&] { ++about; });
    form->AHelp->trigger();
    form->AAbout->trigger();
    EXPECT_EQ(help, 1);
    EXPECT_EQ(about, 1);
}

TEST_F(MainFormFixture, ClickingAnEntrySelectsItAndFillsTheFields)
{
    form->show();
    Click(ikGroup);
    Click(ikProgram);
    QCoreApplication::processEvents();
    const QRect rect = form->tsCommands->TreeView->visualRect(Tree().IndexOf(Tree().TopLevel()[0]));
    QTest::mouseClick(form->tsCommands->TreeView->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(Tree().CurrentItem(), Tree().TopLevel()[0]);
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("Группа"));
    EXPECT_FALSE(form->tsCommands->pCustom->isVisible());
}

TEST_F(MainFormFixture, AFileDroppedOnThePathFieldBecomesTheProgramPath)
{
    form->show();
    Click(ikProgram);
    QMimeData mime;
    mime.setUrls({QUrl(QStringLiteral("https://example.org/x")), QUrl::fromLocalFile(QStringLiteral("/media/disc/setup.exe"))});
    const QPoint at = form->tsCommands->leCustom->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(form->tsCommands->leCustom, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(form->tsCommands->leCustom, &drop);
    EXPECT_EQ(Tree().CurrentItem()->Custom(), QStringLiteral("/media/disc/setup.exe"));
    EXPECT_TRUE(form->Project().Modified());
    // Two files at once: neither is taken, and the user is told.
    prompt.asked.clear();
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(QStringLiteral("/media/disc/a.exe")), QUrl::fromLocalFile(QStringLiteral("/media/disc/b.exe"))});
    QDragEnterEvent twoEnter(at, Qt::CopyAction, &two, Qt::LeftButton, {});
    QCoreApplication::sendEvent(form->tsCommands->leCustom, &twoEnter);
    QDropEvent twoDrop(QPointF(at), Qt::CopyAction, &two, Qt::LeftButton, {});
    QCoreApplication::sendEvent(form->tsCommands->leCustom, &twoDrop);
    EXPECT_EQ(Tree().CurrentItem()->Custom(), QStringLiteral("/media/disc/setup.exe"));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QLatin1Char('2')));

    // Something that is not a local file is refused.
    QMimeData text;
    text.setUrls({QUrl(QStringLiteral("https://example.org/x"))});
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(form->tsCommands->leCustom, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainFormFixture, RecentSubmenuIsFoundByItsNameAsMenuAndAsMenuItem)
{
    auto *item = form->findChild<QAction *>(QStringLiteral("MRecentFiles"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Открыть еще раз"));
    EXPECT_EQ(item->menu(), form->MRecentFiles);
    EXPECT_EQ(form->findChild<QMenu *>(QStringLiteral("MRecentFiles")), form->MRecentFiles);
    EXPECT_EQ(form->objectName(), QStringLiteral("MainForm"));
    EXPECT_EQ(form->findChild<QTabWidget *>(QStringLiteral("PageControl")), form->PageControl);
}

TEST_F(MainFormFixture, DeletingTheLastEntryLeavesThePanelsAsTheyWere)
{
    form->show();
    Click(ikProgram);
    form->tsCommands->leCustom->setText(QStringLiteral("setup.exe"));
    form->tsCommands->bDelete->click();
    ASSERT_TRUE(Tree().IsEmpty());
    // A change to no entry changes nothing on the page.
    EXPECT_TRUE(form->tsCommands->pCustom->isVisible());
    EXPECT_TRUE(form->tsCommands->pParams->isVisible());
    EXPECT_EQ(form->tsCommands->LCustom->text(), QStringLiteral("Путь"));
    EXPECT_EQ(form->tsCommands->leCustom->text(), QStringLiteral("setup.exe"));
}

TEST_F(MainFormFixture, FieldLabelsLeadToTheirFields)
{
    auto buddyOf = [this](const char *caption) -> QWidget * {
        for (QLabel *l : form->findChildren<QLabel *>())
            if (l->text() == QString::fromUtf8(caption))
                return l->buddy();
        return nullptr;
    };
    EXPECT_EQ(buddyOf("Заголовок"), form->tsCommands->leName);
    EXPECT_EQ(buddyOf("Параметры"), form->tsCommands->leParams);
    EXPECT_EQ(buddyOf("Комментарий"), form->tsCommands->mComment);
    Click(ikUrl);
    EXPECT_EQ(buddyOf("Адрес"), form->tsCommands->leCustom);
}

TEST_F(MainFormFixture, HiddenEnglishInspectorItemStillToggles)
{
    QAction *item = nullptr;
    for (QAction *menu : form->menuBar()->actions())
        if (menu->text() == QStringLiteral("&Вид"))
            for (QAction *a : menu->menu()->actions())
                if (a->text() == QStringLiteral("Просмотрщик на английском"))
                    item = a;
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isVisible());
    EXPECT_EQ(item, form->AEnglishInspector);
    EXPECT_FALSE(item->isChecked());
    // The inspector uses the action although the menu does not offer it.
    item->trigger();
    EXPECT_TRUE(item->isChecked());
}

TEST_F(MainFormFixture, ResetLeavesTheFieldsOfTheLastSelection)
{
    form->show();
    Click(ikUrl);
    form->tsCommands->leCustom->setText(QStringLiteral("https://example.org"));
    prompt.answers = {UserPrompt::Answer::No};
    form->AFileReset->trigger();
    ASSERT_TRUE(Tree().IsEmpty());
    EXPECT_TRUE(form->tsCommands->pCustom->isVisible());
    EXPECT_EQ(form->tsCommands->LCustom->text(), QStringLiteral("Адрес"));
    EXPECT_EQ(form->tsCommands->leCustom->text(), QStringLiteral("https://example.org"));
}

TEST_F(MainFormFixture, EditMenuUndoesStepsByNameWhileTextFieldsKeepTheirKeys)
{
    const QList<QAction *> menus = form->menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Правка"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Вид"));
    EXPECT_FALSE(form->AEditUndo->isEnabled());
    EXPECT_FALSE(form->AEditRedo->isEnabled());

    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    Click(ikGroup);
    form->tsCommands->leName->setText(QStringLiteral("Игры"));
    Click(ikProgram);
    form->tsCommands->leName->setText(QStringLiteral("Установка"));
    Tree().Select(Tree().TopLevel()[0]);
    prompt.answers = {UserPrompt::Answer::No};
    form->tsCommands->bDelete->click();
    EXPECT_EQ(form->AEditUndo->text(), QStringLiteral("Отменить: удаление «Игры»"));

    // Ctrl+Z outside a text field takes the step back; the fields follow.
    form->tsCommands->TreeView->setFocus();
    QTest::keyClick(form->tsCommands->TreeView, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Tree().Count(), 2);
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("Игры"));
    EXPECT_EQ(form->AEditRedo->text(), QStringLiteral("Повторить: удаление «Игры»"));
    EXPECT_TRUE(form->AEditRedo->isEnabled());
    form->AEditUndo->trigger();
    EXPECT_EQ(Tree().CurrentItem()->Name(), QStringLiteral("Программа"));
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("Программа"));

    // In a text field the keys act on the field: its own undo, which then
    // reaches the entry as an edit of its own.
    form->tsCommands->leName->setFocus();
    QTest::keyClicks(form->tsCommands->leName, QStringLiteral("X"));
    const int steps = form->Project().UndoStack().index();
    QTest::keyClick(form->tsCommands->leName, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->tsCommands->leName->text(), QStringLiteral("Программа"));
    EXPECT_EQ(Tree().Count(), 2);
    EXPECT_EQ(form->Project().UndoStack().index(), steps - 1);   // the typed step merged back to nothing
    QTest::keyClick(form->tsCommands->leName, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Tree().CurrentItem()->Name(), QStringLiteral("ПрограммаX"));
}
