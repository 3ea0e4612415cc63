#include "app/TCheckForm.h"
#include "app/TDiscLink.h"
#include "app/TMainForm.h"
#include "app/WriteFailure.h"
#include "project/TCommandEditor.h"
#include "app/TDesignWindowLink.h"
#include "layout/TPreviewForm.h"
#include "support/ScriptedPrompt.h"
#include "window/TTextBox.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct DiscLinkTest : ::testing::Test
{
    QTemporaryDir temp;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TPreviewForm> preview;
    std::unique_ptr<TDiscLink> link;

    QString Disc(const QString &name = {}) const
    {
        return temp.filePath(QStringLiteral("disc")) + (name.isEmpty() ? QString() : QLatin1Char('/') + name);
    }
    QByteArray Bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // As the user adds it: each step an undo step that marks the project modified.
    TBaseItem *AddProgram(const char *custom)
    {
        form->Tree().SetWhereAdd(TCommandTree::waBeside);
        TBaseItem *item = form->Editor().Add(ikProgram);
        form->Editor().SetField(TSetFieldCommand::fName, QStringLiteral("P"));
        form->Editor().SetField(TSetFieldCommand::fCustom, QString::fromUtf8(custom));
        return item;
    }
    void SetUp() override
    {
        form = std::make_unique<TMainForm>(temp.filePath(QStringLiteral("brenwick.ini")), &prompt);
        preview = std::make_unique<TPreviewForm>();
        linkDesignWindow(*form, *preview);
        link = std::make_unique<TDiscLink>(*form, *preview);
        preview->setCaption(QStringLiteral("Menu"));   // the design window's own title is warned of
        QDir().mkpath(Disc());
        Write(Disc(QStringLiteral("Velmora.EXE")), "player");
        form->Project().Options().SetRootDir(Disc());
    }
    void TearDown() override
    {
        link.reset();
        preview.reset();
        form.reset();
    }
};

TEST_F(DiscLinkTest, ErrorsLetTheUserStopBeforeAnythingIsWritten)
{
    AddProgram("missing.exe");
    Write(Disc(QStringLiteral("autorun.inf")), "[autorun]\r\nopen=mine.exe\r\n");
    const QStringList before = QDir(Disc()).entryList(QDir::Files);

    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_FALSE(link->APrepareDiscExecute());
    EXPECT_EQ(QDir(Disc()).entryList(QDir::Files), before);
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QString::fromUtf8("ошибка: #1 «P»: файл missing.exe не найден")));
    EXPECT_EQ(link->CheckForm().Findings().size(), 3);   // and the disc's size, the font's stand-in
    EXPECT_TRUE(link->CheckForm().isVisible());            // shown to the user who stopped
    link->CheckForm().hide();

    // Going on writes the project; the different autorun.inf is kept when the user says no.
    prompt.asked.clear();
    prompt.answers = {UserPrompt::Answer::Yes, UserPrompt::Answer::No};
    EXPECT_TRUE(link->APrepareDiscExecute());
    EXPECT_EQ(prompt.asked.size(), 3);   // errors, autorun.inf, done
    EXPECT_TRUE(Bytes(Disc(QStringLiteral("Velmora.XML"))).contains("custom=\"missing.exe\""));
    EXPECT_EQ(Bytes(Disc(QStringLiteral("autorun.inf"))), QByteArray("[autorun]\r\nopen=mine.exe\r\n"));
    EXPECT_TRUE(form->Project().FileName().isEmpty());
    EXPECT_TRUE(form->Project().Modified());
}

TEST_F(DiscLinkTest, TheProjectsOwnFileOnTheDiscIsSavedAsUsual)
{
    AddProgram("Velmora.EXE");
    ASSERT_TRUE(form->SaveProject(Disc(QStringLiteral("Velmora.XML")), TProject::WholeProject()));
    AddProgram("velmora.exe");
    ASSERT_TRUE(form->Project().Modified());
    // Preparing writes the project's own file: only after the question.
    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_FALSE(link->APrepareDiscExecute());
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked.first().text, QString::fromUtf8("Проект будет сохранён в %1. Продолжить?")
                                             .arg(QDir::toNativeSeparators(Disc(QStringLiteral("Velmora.XML")))));
    EXPECT_TRUE(form->Project().Modified());
    EXPECT_FALSE(QFile::exists(Disc(QStringLiteral("autorun.inf"))));
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_TRUE(link->APrepareDiscExecute());
    EXPECT_FALSE(form->Project().Modified());
    EXPECT_EQ(Bytes(Disc(QStringLiteral("autorun.inf"))), QByteArray("[autorun]\r\nopen=Velmora.EXE\r\nicon=Velmora.EXE,0\r\n"));
}

TEST_F(DiscLinkTest, ChoosingAFindingSelectsItsEntryOrObject)
{
    TBaseItem *missing = AddProgram("missing.exe");
    AddProgram("Velmora.EXE");
    preview->Heading()->setLeft(preview->ClientWidth() + 1);
    const QList<TFinding> findings = link->RunCheck(QString());
    ASSERT_EQ(findings.size(), 4);   // and the two lines of the size

    form->PageControl->setCurrentWidget(form->tsLayout);
    link->CheckForm().ShowFindings(findings);
    link->CheckForm().Choose(0);
    EXPECT_EQ(form->Tree().CurrentItem(), missing);
    EXPECT_EQ(form->PageControl->currentWidget(), form->tsCommands);

    EXPECT_EQ(findings.at(1).subject, QString::fromUtf8("«Надпись наверху»"));
    link->CheckForm().Choose(1);
    EXPECT_EQ(preview->SelectedControl(), preview->TopLabel());
    EXPECT_EQ(form->PageControl->currentWidget(), form->tsLayout);

    // A finding whose entry is gone since the check does nothing.
    form->Tree().DeleteItem(missing);
    link->CheckForm().Choose(0);
    EXPECT_NE(form->Tree().CurrentItem(), nullptr);
}

TEST_F(DiscLinkTest, TheImageRunsInTheBackgroundAndReportsAMissingProgram)
{
    link->Image().SetProgram(temp.filePath(QStringLiteral("no-xorriso")));
    prompt.texts = {QStringLiteral("DISC")};
    prompt.saveNames = {temp.filePath(QStringLiteral("disc.iso"))};
    link->ADiscImageExecute();
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked.first().text, TDiscImage::MissingMessage());

    if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
        return;
    link->Image().SetProgram(QString());
    prompt.asked.clear();
    prompt.texts = {QString::fromUtf8("Диск")};
    prompt.saveNames = {temp.filePath(QStringLiteral("disc.iso"))};
    QSignalSpy finished(&link->Image(), &TDiscImage::Finished);
    link->ADiscImageExecute();
    ASSERT_NE(link->ProgressDialog(), nullptr);
    EXPECT_TRUE(link->ProgressDialog()->isVisible() || finished.size() == 1);
    ASSERT_TRUE(finished.size() == 1 || finished.wait(30000));
    EXPECT_TRUE(finished.first().first().toBool());
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("disc.iso"))));
    EXPECT_FALSE(link->ProgressDialog()->isVisible());
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QStringLiteral("disc.iso")));
}

TEST_F(DiscLinkTest, AnotherProjectsFileIsReplacedOnlyAfterTheQuestion)
{
    AddProgram("Velmora.EXE");
    const QByteArray other = "<?xml version=\"1.0\"?>\r<Velmora><root><program name=\"X\" id=\"1\" hidden=\"0\"/>"
                             "<group name=\"G\" id=\"2\" hidden=\"0\"><url name=\"U\" id=\"3\" hidden=\"0\"/></group>"
                             "</root></Velmora>";
    Write(Disc(QStringLiteral("Velmora.XML")), other);
    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_FALSE(link->APrepareDiscExecute());
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked.first().text,
              QString::fromUtf8("В папке «%1» уже есть другой Velmora.XML (3 команды), не файл этого проекта. Заменить его?")
                  .arg(QDir::toNativeSeparators(Disc())));
    EXPECT_EQ(Bytes(Disc(QStringLiteral("Velmora.XML"))), other);

    prompt.asked.clear();
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_TRUE(link->APrepareDiscExecute());
    EXPECT_TRUE(Bytes(Disc(QStringLiteral("Velmora.XML"))).contains("name=\"P\""));
    EXPECT_EQ(TDiscLink::CommandCount(21), QString::fromUtf8("21 команда"));
    EXPECT_EQ(TDiscLink::CommandCount(12), QString::fromUtf8("12 команд"));
    EXPECT_EQ(TDiscLink::CommandCount(104), QString::fromUtf8("104 команды"));
    for (const auto &[count, words] : {std::pair{14, "14 команд"}, std::pair{22, "22 команды"},
                                        std::pair{11, "11 команд"}, std::pair{1, "1 команда"},
                                        std::pair{5, "5 команд"}, std::pair{111, "111 команд"},
                                        std::pair{0, "0 команд"}, std::pair{2, "2 команды"}})
        EXPECT_EQ(TDiscLink::CommandCount(count), QString::fromUtf8(words)) << count;
}

TEST_F(DiscLinkTest, TheImageCarriesTheProjectAsItIsNow)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
        GTEST_SKIP() << "no xorriso";
    AddProgram("Velmora.EXE");
    ASSERT_TRUE(link->APrepareDiscExecute());
    // Renamed and not saved: the image must not carry the disc folder's older copy.
    form->Editor().SetField(TSetFieldCommand::fName, QStringLiteral("Renamed"));
    prompt.asked.clear();
    prompt.texts = {QString::fromUtf8("Мой диск")};
    prompt.saveNames = {temp.filePath(QStringLiteral("disc.iso"))};
    const mode_t mask = ::umask(022);
    QSignalSpy finished(&link->Image(), &TDiscImage::Finished);
    link->ADiscImageExecute();
    ASSERT_TRUE(finished.size() == 1 || finished.wait(30000));
    ::umask(mask);
    ASSERT_TRUE(finished.first().first().toBool());
    EXPECT_EQ(prompt.asked.size(), 1);   // no question about another project: only "done"
    EXPECT_TRUE(Bytes(Disc(QStringLiteral("Velmora.XML"))).contains("name=\"Renamed\""));
    const QByteArray image = Bytes(temp.filePath(QStringLiteral("disc.iso")));
    EXPECT_TRUE(image.contains("name=\"Renamed\""));
    EXPECT_TRUE(image.contains("open=Velmora.EXE"));
    // The volume names: ISO 9660's in upper-case Latin, Joliet's as typed.
    constexpr int kPrimary = 16 * 2048 + 40, kJoliet = 17 * 2048 + 40;
    EXPECT_EQ(image.mid(kPrimary, 32), QByteArray("MOJ_DISK").leftJustified(32, ' '));
    const QByteArray joliet = image.mid(kJoliet, 16);
    QString name;
    for (int i = 0; i + 1 < joliet.size(); i += 2)
        name += QChar(char16_t((quint8(joliet[i]) << 8) | quint8(joliet[i + 1])));
    EXPECT_EQ(name, QString::fromUtf8("Мой диск"));
    EXPECT_TRUE(QFileInfo(temp.filePath(QStringLiteral("disc.iso"))).permissions().testFlag(QFileDevice::ReadOther));
}

TEST_F(DiscLinkTest, TheDesignWindowsOwnTitleIsWarnedOfByItsRowName)
{
    AddProgram("Velmora.EXE");
    EXPECT_EQ(link->RunCheck(QString()).size(), 2);   // only the image's size and the USB stick's
    preview->setCaption(TPreviewForm::DefaultCaption());
    const QList<TFinding> findings = link->RunCheck(QString());
    ASSERT_EQ(findings.size(), 3);
    EXPECT_EQ(findings.first().Line(),
              QString::fromUtf8("предупреждение: «Окно»: «Заголовок» окна всё ещё «Предварительный просмотр»: "
                                "автозапуск покажет его в заголовке меню"));
    EXPECT_EQ(findings.first().object, preview.get());
}

TEST_F(DiscLinkTest, AFolderChosenForTheDiscBecomesTheProjectsDiscFolder)
{
    form->Project().Options().SetRootDir(QString());
    AddProgram("Velmora.EXE");
    prompt.folders = {Disc()};
    prompt.answers = {UserPrompt::Answer::Ok};
    EXPECT_TRUE(link->APrepareDiscExecute());
    EXPECT_EQ(form->Project().Options().RootDir(), Disc());
    EXPECT_EQ(prompt.dialogsShown.size(), 1);
    // Asked no more: the next preparation goes to the same folder.
    EXPECT_TRUE(link->APrepareDiscExecute());
    EXPECT_EQ(prompt.dialogsShown.size(), 1);
    form->Project().UndoStack().undo();
    EXPECT_TRUE(form->Project().Options().RootDir().isEmpty());
}

TEST_F(DiscLinkTest, AFileThatCannotBeWrittenIsNamedWithItsFolder)
{
    AddProgram("Velmora.EXE");
    // A folder stands where autorun.inf should go.
    QDir().mkpath(Disc(QStringLiteral("autorun.inf")));
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_FALSE(link->APrepareDiscExecute());
    ASSERT_FALSE(prompt.asked.isEmpty());
    const QString text = prompt.asked.last().text;
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("«%1» — папка").arg(QDir::toNativeSeparators(Disc(QStringLiteral("autorun.inf"))))))
        << qPrintable(text);
    EXPECT_TRUE(text.endsWith(QStringLiteral(")")));   // the runtime's words in brackets

    EXPECT_TRUE(WriteFailureText(temp.filePath(QStringLiteral("gone/x.xml")), QString())
                    .startsWith(QString::fromUtf8("Папки ")));
    const QString free = WriteFailureText(Disc(QStringLiteral("x.xml")), QStringLiteral("Oops"));
    EXPECT_EQ(free, QString::fromUtf8("Не удалось записать файл в папку %1 (Oops)").arg(QDir::toNativeSeparators(Disc())));
    // A read-only folder (the superuser writes anywhere, so it cannot be shown there).
    QFile::setPermissions(Disc(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool writable = QFileInfo(Disc()).isWritable();
    const QString readOnly = WriteFailureText(Disc(QStringLiteral("x.xml")), QString());
    QFile::setPermissions(Disc(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!writable) {
        EXPECT_EQ(readOnly, QString::fromUtf8("Нет прав на запись в папку %1").arg(QDir::toNativeSeparators(Disc())));
    }
}

TEST_F(DiscLinkTest, LinuxPathsAreFixedFromTheCheckWindowInOneStep)
{
    const QString full = QDir(Disc()).absoluteFilePath(QStringLiteral("Velmora.EXE"));
    AddProgram(full.toUtf8().constData());
    AddProgram("Velmora.EXE");
    link->ACheckProjectExecute();
    TCheckForm &check = link->CheckForm();
    EXPECT_TRUE(check.isVisible());
    ASSERT_FALSE(check.bFix->isHidden());
    const int steps = form->Project().UndoStack().index();
    check.bFix->click();
    EXPECT_EQ(form->Tree().FindById(1)->Custom(), QStringLiteral("Velmora.EXE"));
    EXPECT_EQ(form->Project().UndoStack().index(), steps + 1);
    EXPECT_TRUE(check.bFix->isHidden());   // the check ran again: nothing left to fix
    EXPECT_EQ(check.Findings().size(), 2);   // notes: the disc's size, the font's stand-in
    EXPECT_TRUE(check.stSummary->text().contains(QString::fromUtf8("ничего не нашла")));   // a note is no finding
    form->Project().UndoStack().undo();
    EXPECT_EQ(form->Tree().FindById(1)->Custom(), full);
}

TEST_F(DiscLinkTest, TheSaveDialogSuggestsTheDiscFoldersProjectFile)
{
    form->AFileSaveAsExecute();
    ASSERT_EQ(prompt.dialogFolders.size(), 1);
    EXPECT_EQ(prompt.dialogFolders.first(), Disc(QStringLiteral("Velmora.XML")));
    // A project with a file of its own starts where it was.
    ASSERT_TRUE(form->SaveProject(temp.filePath(QStringLiteral("p.xml")), TProject::WholeProject()));
    form->AFileSaveAsExecute();
    EXPECT_NE(prompt.dialogFolders.last(), Disc(QStringLiteral("Velmora.XML")));
}

TEST_F(DiscLinkTest, ADesignThatMovesTheDiscFolderSaysSoAndAFolderIsNoProject)
{
    const QString design = temp.filePath(QStringLiteral("design.xml"));
    const QString other = temp.filePath(QStringLiteral("other"));
    form->Project().Options().SetRootDir(other);
    ASSERT_TRUE(form->SaveProject(design, TProject::DesignFile()));
    form->Project().Options().SetRootDir(Disc());
    prompt.openNames = {design};
    form->ALoadDesignExecute();
    EXPECT_EQ(form->Project().Options().RootDir(), other);
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(QDir::toNativeSeparators(other)))
        << qPrintable(form->statusBar()->currentMessage());
    // The same folder again: no word of it.
    form->statusBar()->clearMessage();
    prompt.openNames = {design};
    form->ALoadDesignExecute();
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());

    const QString folder = temp.filePath(QStringLiteral("Velmora.XML"));
    QDir().mkpath(folder);
    form->Project().SetModified(false);
    prompt.asked.clear();
    EXPECT_FALSE(form->LoadProject(folder, TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QString::fromUtf8("папка, а не файл проекта")));
}

TEST_F(DiscLinkTest, TheImageOffersTheLabelTypedLast)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
        GTEST_SKIP() << "no xorriso";
    AddProgram("Velmora.EXE");
    prompt.texts = {QStringLiteral("MYDISC")};
    prompt.saveNames = {QString()};   // stops at the image's file name
    link->ADiscImageExecute();
    prompt.texts = {QString()};
    link->ADiscImageExecute();
    ASSERT_EQ(prompt.textsShown.size(), 2);
    EXPECT_EQ(prompt.textsShown.first(), QStringLiteral("disc"));   // the disc folder's name at first
    EXPECT_EQ(prompt.textsShown.last(), QStringLiteral("MYDISC"));
}

} // namespace
