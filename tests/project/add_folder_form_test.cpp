#include "import_fixture.h"
#include "kit/HelpContext.h"
#include "kit/THistoryEdit.h"
#include "project/TAddFolderForm.h"
#include "project/TFolderImport.h"
#include "project/TImportTree.h"
#include "kit/TProgressForm.h"
#include "support/ScriptedPrompt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Records the folder each picker starts at.
class PickerPrompt : public ScriptedPrompt
{
public:
    QStringList startDirs;
    QString folder(const QString &caption, const QString &dir) override
    {
        startDirs << dir;
        return ScriptedPrompt::folder(caption, dir);
    }
};

// Runs something inside the dialog's own event loop, then closes it.
void whileOpen(TAddFolderForm &form, std::function<void()> action, bool ok = true)
{
    QTimer::singleShot(0, &form, [&form, action, ok] {
        action();
        if (ok)
            form.bOK->click();
        else
            QTest::keyClick(&form, Qt::Key_Escape);
    });
}

} // namespace

TEST(AddFolderForm, CaptionsAndDefaults)
{
    PickerPrompt prompt;
    TAddFolderForm form(prompt);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Добавить каталог..."));
    EXPECT_GE(form.width(), 309);
    EXPECT_GE(form.height(), 404);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());   // a fixed dialog border
    EXPECT_EQ(form.property("HelpContext").toInt(), 44);
    // F1 in any of its fields opens the folder import's help page.
    EXPECT_FALSE(help::pageForContext(44).isEmpty());
    EXPECT_EQ(help::pageForWidget(form.heFileMask), help::pageForContext(44));
    EXPECT_EQ(form.LDirName->text(), QStringLiteral("Каталог:"));
    EXPECT_EQ(form.bBrowse->text(), QStringLiteral("Пролистать"));
    EXPECT_EQ(form.gbSearch->title(), QStringLiteral("Настройки поиска"));
    EXPECT_EQ(form.cbRecurseDirs->text(), QStringLiteral("Включать подкаталоги"));
    EXPECT_EQ(form.LDirMask->text(), QStringLiteral("Маска каталогов"));
    EXPECT_EQ(form.cbDepth->text(), QStringLiteral("Ограничить вложенность каталогов до"));
    EXPECT_EQ(form.LFileMask->text(), QStringLiteral("Маска файлов"));
    EXPECT_EQ(form.cbExtension->text(), QStringLiteral("Расширение файла"));
    EXPECT_EQ(form.cbPathComment->text(), QStringLiteral("Путь в комментарии"));
    EXPECT_EQ(form.cbOneGroup->text(), QStringLiteral("Всё в одну группу"));
    EXPECT_EQ(form.cbNoAlone->text(), QStringLiteral("Не создавать группу для одного файла"));
    EXPECT_EQ(form.gbCommandName->title(), QStringLiteral("Имя команды"));
    EXPECT_EQ(form.gbFileName->title(), QStringLiteral("Имя файла"));
    EXPECT_EQ(form.rbFullPath->text(), QStringLiteral("Полный путь"));
    EXPECT_EQ(form.rbDirPath->text(), QStringLiteral("Путь от каталога"));
    EXPECT_EQ(form.rbNoPath->text(), QStringLiteral("Без пути"));
    EXPECT_EQ(form.rbFFullPath->text(), QStringLiteral("Полный путь"));
    EXPECT_EQ(form.rbFDirPath->text(), QStringLiteral("Путь от каталога"));
    EXPECT_EQ(form.rbFIncDirPath->text(), QStringLiteral("Путь с каталогом"));
    EXPECT_EQ(form.LDirPrefix->text(), QStringLiteral("Приставка к пути"));
    EXPECT_EQ(form.bOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.bCancel->text(), QStringLiteral("Отмена"));

    EXPECT_EQ(form.leDirName->text(), QString());
    EXPECT_TRUE(form.cbRecurseDirs->isChecked());
    EXPECT_EQ(form.heDirMask->text(), QStringLiteral("*.*"));
    EXPECT_EQ(form.heDirMask->history(), QStringList{QStringLiteral("*.*")});
    EXPECT_FALSE(form.cbDepth->isChecked());
    EXPECT_EQ(form.DirDepth->text(), QStringLiteral("0"));
    EXPECT_EQ(form.heFileMask->text(), QStringLiteral("*.*"));
    EXPECT_EQ(form.heFileMask->history(),
              (QStringList{QStringLiteral("*.exe;*.zip;*.txt"), QStringLiteral("*.exe"), QStringLiteral("*.exe;*.zip;*.rtf"),
                           QStringLiteral("*.exe;*.zip"), QStringLiteral("*.*")}));
    for (QCheckBox *cb : {form.cbExtension, form.cbPathComment, form.cbOneGroup, form.cbNoAlone})
        EXPECT_FALSE(cb->isChecked()) << cb->objectName().toStdString();
    EXPECT_TRUE(form.rbNoPath->isChecked());
    EXPECT_TRUE(form.rbFIncDirPath->isChecked());
    EXPECT_EQ(form.leDirPrefix->text(), QString());

    // The defaults are the import's defaults.
    const TImportOptions o = form.Options();
    const TImportOptions d;
    EXPECT_EQ(o.recurseDirs, d.recurseDirs);
    EXPECT_EQ(o.dirMask, d.dirMask);
    EXPECT_EQ(o.fileMask, d.fileMask);
    EXPECT_EQ(o.limitDepth, d.limitDepth);
    EXPECT_EQ(o.nameMode, d.nameMode);
    EXPECT_EQ(o.pathMode, d.pathMode);
}

TEST(AddFolderForm, EnablingRulesHoldAtAllTimes)
{
    PickerPrompt prompt;
    TAddFolderForm form(prompt);
    EXPECT_TRUE(form.heDirMask->isEnabled());
    EXPECT_TRUE(form.cbDepth->isEnabled());
    EXPECT_FALSE(form.DirDepth->isEnabled());
    EXPECT_TRUE(form.cbNoAlone->isEnabled());

    form.cbDepth->click();
    EXPECT_TRUE(form.DirDepth->isEnabled());

    form.cbRecurseDirs->click();   // off
    EXPECT_FALSE(form.heDirMask->isEnabled());
    EXPECT_FALSE(form.LDirMask->isEnabled());
    EXPECT_FALSE(form.cbDepth->isEnabled());
    EXPECT_FALSE(form.DirDepth->isEnabled());
    EXPECT_TRUE(form.cbDepth->isChecked());   // keeps its state while disabled
    EXPECT_TRUE(form.heFileMask->isEnabled());

    form.cbRecurseDirs->click();   // on again
    EXPECT_TRUE(form.heDirMask->isEnabled());
    EXPECT_TRUE(form.LDirMask->isEnabled());
    EXPECT_TRUE(form.DirDepth->isEnabled());
    form.cbDepth->click();
    EXPECT_FALSE(form.DirDepth->isEnabled());

    form.cbOneGroup->click();
    EXPECT_FALSE(form.cbNoAlone->isEnabled());
    form.cbOneGroup->click();
    EXPECT_TRUE(form.cbNoAlone->isEnabled());
}

TEST(AddFolderForm, DepthFieldTakesOneDigit)
{
    PickerPrompt prompt;
    TAddFolderForm form(prompt);
    form.cbDepth->click();
    form.DirDepth->clear();
    QTest::keyClicks(form.DirDepth, QStringLiteral("x-7"));
    EXPECT_EQ(form.DirDepth->text(), QStringLiteral("7"));
    QTest::keyClicks(form.DirDepth, QStringLiteral("3"));
    EXPECT_EQ(form.DirDepth->text(), QStringLiteral("7"));
    EXPECT_EQ(form.Options().depthLimit, 7);
    EXPECT_TRUE(form.Options().limitDepth);
    form.DirDepth->clear();
    EXPECT_EQ(form.Options().depthLimit, 0);   // an emptied field counts as 0
}

TEST(AddFolderForm, BrowseStartsAtTheFieldAndReplacesItOnlyWhenAFolderIsChosen)
{
    PickerPrompt prompt;
    TAddFolderForm form(prompt);
    prompt.folders << QStringLiteral("/media/disc/Soft");
    form.bBrowse->click();
    EXPECT_EQ(form.leDirName->text(), QStringLiteral("/media/disc/Soft"));
    form.bBrowse->click();   // cancelled: no folder
    EXPECT_EQ(form.leDirName->text(), QStringLiteral("/media/disc/Soft"));
    EXPECT_EQ(prompt.startDirs, (QStringList{QString(), QStringLiteral("/media/disc/Soft")}));
    EXPECT_EQ(prompt.dialogsShown.size(), 2);
}

TEST(AddFolderForm, ChoicesAndHistoriesLastBetweenOpenings)
{
    PickerPrompt prompt;
    TAddFolderForm form(prompt);
    whileOpen(form, [&form] {
        form.leDirName->setText(QStringLiteral("/data/Soft"));
        form.heFileMask->setText(QStringLiteral("*.exe"));
        form.heDirMask->setText(QStringLiteral("Tools*"));
        form.cbExtension->click();
        form.rbDirPath->click();
        form.rbFFullPath->click();
        form.leDirPrefix->setText(QStringLiteral("cd\\"));
    });
    ASSERT_TRUE(form.Execute());
    // The texts went to the top of their histories, without duplicates.
    EXPECT_EQ(form.heFileMask->history().first(), QStringLiteral("*.exe"));
    EXPECT_EQ(form.heFileMask->history().count(QStringLiteral("*.exe")), 1);
    EXPECT_EQ(form.heFileMask->history().size(), 5);
    EXPECT_EQ(form.heDirMask->history(), (QStringList{QStringLiteral("Tools*"), QStringLiteral("*.*")}));

    TImportOptions seen;
    whileOpen(form, [&form, &seen] { seen = form.Options(); }, false);
    EXPECT_FALSE(form.Execute());
    EXPECT_EQ(seen.dirName, QStringLiteral("/data/Soft"));
    EXPECT_EQ(seen.fileMask, QStringLiteral("*.exe"));
    EXPECT_EQ(seen.dirMask, QStringLiteral("Tools*"));
    EXPECT_TRUE(seen.extension);
    EXPECT_EQ(seen.nameMode, TImportOptions::NameMode::DirPath);
    EXPECT_EQ(seen.pathMode, TImportOptions::PathMode::FullPath);
    EXPECT_EQ(seen.dirPrefix, QStringLiteral("cd\\"));
    // Cancel adds nothing to the histories.
    EXPECT_EQ(form.heDirMask->history().size(), 2);
}

TEST(HistoryEdit, AddMovesToTopAndKeepsTheText)
{
    THistoryEdit he;
    he.setHistory({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    he.setText(QStringLiteral("typed"));
    EXPECT_EQ(he.text(), QStringLiteral("typed"));
    he.setText(QStringLiteral("c"));
    he.AddToHistory();
    EXPECT_EQ(he.history(), (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(he.text(), QStringLiteral("c"));
    he.setText(QString());
    he.AddToHistory();
    EXPECT_EQ(he.history().size(), 3);
    for (int i = 0; i < THistoryEdit::kMaxHistory + 5; ++i) {
        he.setText(QString::number(i));
        he.AddToHistory();
    }
    EXPECT_EQ(he.history().size(), THistoryEdit::kMaxHistory);
    EXPECT_EQ(he.history().first(), QString::number(THistoryEdit::kMaxHistory + 4));
}

namespace {

class RecordingTree : public TImportTree
{
public:
    QStringList calls;
    QStringList progressSeen;
    TProgressForm *progress = nullptr;
    void begin() override { calls << QStringLiteral("begin"); }
    void end() override { calls << QStringLiteral("end"); }
    Node addProgram(Node group, const QString &name, const QString &path) override
    {
        if (progress) {
            progressSeen << progress->folder();
            EXPECT_TRUE(progress->isVisible());
        }
        return TImportTree::addProgram(group, name, path);
    }
};

} // namespace

TEST(FolderImport, DialogThenScanWithProgress)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe"), QStringLiteral("Soft/Sub/b.exe")});
    PickerPrompt prompt;
    TAddFolderForm form(prompt);
    TProgressForm progress;
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("Добавление каталога"));
    EXPECT_EQ(progress.size(), QSize(334, 71));
    EXPECT_EQ(progress.LSearching->text(), QStringLiteral("Производится поиск..."));
    EXPECT_EQ(progress.LFolder->size(), QSize(317, 45));
    EXPECT_TRUE(progress.LFolder->wordWrap());

    RecordingTree tree;
    tree.progress = &progress;
    TFolderImport import(form, progress);

    // Cancel, or OK with an empty folder field: nothing happens.
    whileOpen(form, [] {}, false);
    EXPECT_FALSE(import.Execute(tree, nullptr));
    whileOpen(form, [] {});
    EXPECT_FALSE(import.Execute(tree, nullptr));
    EXPECT_TRUE(tree.calls.isEmpty());
    EXPECT_EQ(tree.dump(), QString());

    whileOpen(form, [&] { form.leDirName->setText(fx.path(QStringLiteral("Soft"))); });
    EXPECT_TRUE(import.Execute(tree, nullptr));
    EXPECT_EQ(tree.calls, (QStringList{QStringLiteral("begin"), QStringLiteral("end")}));
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(fx.tidy(tree.progressSeen.join(QLatin1Char('|'))), QStringLiteral("T/Soft/Sub/|T/Soft/Sub/"));
    EXPECT_EQ(fx.tidy(tree.dump()), QStringLiteral(
        "group #1 \"T/Soft/\"\n"
        "  group #2 \"Sub\"\n"
        "    program #3 \"b\" -> Soft\\Sub\\b.exe\n"
        "  program #4 \"a\" -> Soft\\a.exe\n"));
}

TEST(FolderImport, ProgressCannotBeClosedByTheUser)
{
    TProgressForm progress;
    progress.PopUp(nullptr);
    ASSERT_TRUE(progress.isVisible());
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_FALSE(progress.close());
    EXPECT_TRUE(progress.isVisible());
    progress.hide();
    EXPECT_FALSE(progress.isVisible());
}

// A folder import through thousands of folders spends its time importing, not
// drawing: the dialog draws a few dozen times a second at most, and the
// folder it shows last before it closes is the last one searched.
TEST(FolderImport, ProgressDrawsAtMostThirtyTimesASecondAndEndsOnTheLastFolder)
{
    TProgressForm progress;
    progress.PopUp(nullptr);
    QElapsedTimer clock;
    clock.start();
    constexpr int kFolders = 20000;
    for (int i = 0; i < kFolders; ++i)
        progress.ShowFolder(QStringLiteral("/cd/folder %1/").arg(i));
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(progress.repaintCount(), 1);   // the first folder shows at once
    EXPECT_LE(progress.repaintCount(), 1 + elapsed * TProgressForm::kRepaintsPerSecond / 1000 + 1);
    EXPECT_EQ(progress.folder(), QStringLiteral("/cd/folder %1/").arg(kFolders - 1));
    progress.Flush();
    EXPECT_EQ(progress.LFolder->text().remove(QChar(0x200B)), QStringLiteral("/cd/folder %1/").arg(kFolders - 1));
    progress.hide();
}
