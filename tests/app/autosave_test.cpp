// Recovery copies of unsaved work: when they are written and deleted, the
// question at start and at open, copies that do not read, and a real kill of
// an editor process.
#include "app/MessagePath.h"
#include "app/TAutosave.h"
#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "base/TPropertyLayer.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "support/ScriptedPrompt.h"
#include "window/TImageEx.h"
#include "xml/TXDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

const char *const kChildVariable = "BRENWICK_AUTOSAVE_CHILD";

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage Noise(int w, int h, unsigned seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = 0xFF000000u | (rng() & 0xFFFFFFu);
    }
    return image;
}

// The editor as the program puts it together, with its recovery copies.
struct TEditor
{
    ScriptedPrompt prompt;
    TMainForm main;
    TPreviewForm preview;
    TLayoutEditor *layout;

    explicit TEditor(const QString &settings) : main(settings, &prompt)
    {
        linkDesignWindow(main, preview);
        layout = linkLayoutPage(main, preview);
        linkDesignFile(main, preview, *layout);
        layout->FormShow();
    }
    TAutosave &Autosave() { return main.Autosave(); }
    // A few edits of every kind: commands, a field, the design, a picture.
    void Edit(const QString &caption)
    {
        main.Editor().Add(ikGroup);
        main.Editor().SetField(TSetFieldCommand::fName, QStringLiteral("Игры"));
        main.Editor().Add(ikProgram);
        main.Editor().SetField(TSetFieldCommand::fCustom, QStringLiteral("games\\tetris.exe"));
        layout->SetProperty(&preview, QStringLiteral("Caption"), caption);
        layout->SetProperty(preview.BackImage(), QStringLiteral("Picture"),
                            QVariant::fromValue(TPictureValue{Noise(21, 13, 7), TPicture::gkBitmap, false}));
    }
    QByteArray Saved(const QString &file)
    {
        main.Project().SaveCopy(file);
        return Bytes(file);
    }
};

class AutosaveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The copies of earlier tests of this run are not this test's (an
        // editor child leaves those of its parent's other editors alone).
        if (qEnvironmentVariableIsEmpty(kChildVariable))
            QDir(TRecoveryFolder::DefaultFolder()).removeRecursively();
        QFile settings(Path("brenwick.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[autosave]\ninterval=1\n");
    }
    QString Path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    static QStringList CopyFiles()
    {
        return QDir(TRecoveryFolder::DefaultFolder()).entryList(QDir::Files, QDir::Name);
    }
    // An editor that made copies and then vanished, as after a crash.
    void Crash(const QString &project, const QString &caption)
    {
        auto gone = std::make_unique<TEditor>(Path("brenwick.ini"));
        if (!project.isEmpty()) {
            ASSERT_TRUE(gone->main.LoadProject(project, TProject::WholeProject()));
        }
        gone->Edit(caption);
        gone->Autosave().WriteNow();
        gone->Autosave().WaitForWrite();
        expected = gone->Saved(Path("expected.xml"));
    }

    QTemporaryDir dir;
    QByteArray expected;
};

} // namespace

TEST_F(AutosaveTest, ACopyIsWrittenOnlyForUnsavedChangesAndDeletedBySaveResetAndExit)
{
    TEditor editor(Path("brenwick.ini"));
    EXPECT_EQ(editor.Autosave().IntervalSeconds(), 1);
    ASSERT_TRUE(editor.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    const QByteArray file = Bytes(Path("p.xml"));
    editor.Autosave().WriteNow();
    editor.Autosave().WaitForWrite();
    EXPECT_TRUE(CopyFiles().isEmpty());   // nothing unsaved

    // The interval's timer writes it: the whole project, its file untouched.
    editor.Edit(QStringLiteral("Меню"));
    QSignalSpy written(&editor.Autosave(), &TAutosave::Written);
    ASSERT_TRUE(written.wait(5000));
    const QString copy = editor.Autosave().CopyPath();
    ASSERT_TRUE(QFile::exists(copy));
    EXPECT_EQ(Bytes(Path("p.xml")), file);
    const TRecoveryFolder::TCopy header = TRecoveryFolder::ReadHeader(copy);
    EXPECT_EQ(header.projectFile, Path("p.xml"));
    EXPECT_LE(qAbs(header.time.secsTo(QDateTime::currentDateTimeUtc())), 5);
    QByteArray withoutHeader = Bytes(copy);
    withoutHeader.remove(withoutHeader.indexOf("<?brenwick-recovery"), withoutHeader.indexOf("<Velmora>") - withoutHeader.indexOf("<?brenwick-recovery"));
    EXPECT_EQ(withoutHeader, editor.Saved(Path("now.xml")));

    // No change since: no new copy.
    written.clear();
    EXPECT_FALSE(written.wait(2500));

    editor.main.AFileSaveExecute();
    EXPECT_FALSE(QFile::exists(copy));

    // Reset, and a normal exit, delete it too; a never-saved project has its own.
    editor.Edit(QStringLiteral("Снова"));
    editor.Autosave().WriteNow();
    editor.Autosave().WaitForWrite();
    ASSERT_EQ(CopyFiles().size(), 1);
    editor.prompt.answers = {UserPrompt::Answer::No};
    editor.main.AFileResetExecute();
    EXPECT_TRUE(CopyFiles().isEmpty());
    editor.Edit(QStringLiteral("Ещё"));
    editor.Autosave().WriteNow();
    editor.Autosave().WaitForWrite();
    ASSERT_EQ(CopyFiles().size(), 1);
    editor.prompt.answers = {UserPrompt::Answer::No};
    EXPECT_TRUE(editor.main.close());
    EXPECT_TRUE(CopyFiles().isEmpty());

    // Turned off in "Вид": no copies, and the choice is remembered.
    editor.main.AAutosave->setChecked(false);
    editor.Edit(QStringLiteral("Выкл"));
    editor.Autosave().WriteNow();
    editor.Autosave().WaitForWrite();
    EXPECT_TRUE(CopyFiles().isEmpty());
    TEditor later(Path("brenwick.ini"));
    EXPECT_FALSE(later.main.AAutosave->isChecked());
}

TEST_F(AutosaveTest, TheQuestionAtStartRestoresDeletesOrKeepsTheCopy)
{
    {
        TEditor first(Path("brenwick.ini"));
        ASSERT_TRUE(first.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    }
    QTest::qWait(20);   // the copy is newer than its file
    Crash(Path("p.xml"), QStringLiteral("После сбоя"));

    // Cancel keeps it for later.
    TEditor editor(Path("brenwick.ini"));
    editor.prompt.answers = {UserPrompt::Answer::Cancel};
    EXPECT_EQ(editor.Autosave().OfferAtStart(), TAutosave::TOffer::None);
    ASSERT_EQ(editor.prompt.asked.size(), 1);
    const QString question = editor.prompt.asked[0].text;
    EXPECT_TRUE(question.startsWith(QStringLiteral("Найдены несохранённые изменения проекта\n«%1»,\nзаписанные в ")
                                        .arg(MessagePath(Path("p.xml")))))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("«Нет» удалит эту копию")));
    EXPECT_FALSE(editor.main.Project().Modified());

    // A file named at start is left to its own question when it opens.
    EXPECT_EQ(editor.Autosave().OfferAtStart(Path("p.xml")), TAutosave::TOffer::None);
    EXPECT_EQ(editor.prompt.asked.size(), 1);

    // Yes: the copy becomes the project, modified, under the original's name.
    const TRecoveryFolder folder(TRecoveryFolder::DefaultFolder());
    ASSERT_EQ(folder.Copies().size(), 1);
    const QString session = folder.Copies().constFirst().session;
    ASSERT_FALSE(session.isEmpty());
    editor.prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_EQ(editor.Autosave().OfferAtStart(), TAutosave::TOffer::Restored);
    {
        // The restored copy's session lock is this editor's now: no other takes it.
        QLockFile other(folder.LockPathFor(session));
        EXPECT_FALSE(other.tryLock(0));
    }
    EXPECT_TRUE(editor.main.Project().Modified());
    EXPECT_EQ(editor.main.Project().FileName(), Path("p.xml"));
    EXPECT_EQ(editor.Saved(Path("restored.xml")), expected);
    editor.main.AFileSaveExecute();
    EXPECT_FALSE(editor.main.Project().Modified());
    EXPECT_EQ(Bytes(Path("p.xml")), expected);
    EXPECT_TRUE(CopyFiles().isEmpty());

    // No deletes it.
    Crash(QString(), QStringLiteral("Без имени"));
    TEditor again(Path("brenwick.ini"));
    again.prompt.answers = {UserPrompt::Answer::No};
    EXPECT_EQ(again.Autosave().OfferAtStart(), TAutosave::TOffer::None);
    EXPECT_TRUE(again.prompt.asked[0].text.contains(QStringLiteral("«новый проект»")));
    EXPECT_TRUE(CopyFiles().isEmpty());
}

// Copies are listed newest first (those without a header last), a never-saved
// project's copy is its session's own, and an interval that is not a positive
// number of seconds keeps the default.
TEST(RecoveryFolder, CopiesNewestFirstSessionsApartIntervalsAboveZero)
{
    QTemporaryDir dir;
    const TRecoveryFolder folder(dir.path());
    const QDateTime t0 = QDateTime::currentDateTimeUtc();
    const std::pair<const char *, int> copies[] = {{"a", 0}, {"b", 2}, {"c", -1}, {"d", 1}};
    for (const auto &[name, seconds] : copies) {
        QFile f(dir.filePath(QString::fromLatin1(name) + QStringLiteral(".xml")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (seconds >= 0)
            f.write(TRecoveryFolder::HeaderLine(QStringLiteral("/p.xml"), t0.addSecs(seconds), QStringLiteral("s"))
                        .toUtf8());
    }
    QStringList order;
    for (const TRecoveryFolder::TCopy &copy : folder.Copies())
        order << QFileInfo(copy.path).completeBaseName();
    EXPECT_EQ(order, QStringList({"b", "d", "a", "c"}));

    EXPECT_NE(folder.CopyPathFor(QString(), QStringLiteral("s1")), folder.CopyPathFor(QString(), QStringLiteral("s2")));
    TProject first, second;
    ScriptedPrompt prompt;
    const QString settings = dir.filePath(QStringLiteral("brenwick.ini"));
    for (const auto &[interval, expected] : {std::pair{"0", 120}, std::pair{"-5", 120}, std::pair{"1", 1}}) {
        QFile f(settings);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("[autosave]\ninterval=") + interval + "\n");
        f.close();
        const TAutosave a(first, prompt, settings, dir.path()), b(second, prompt, settings, dir.path());
        EXPECT_EQ(a.IntervalSeconds(), expected) << interval;
        EXPECT_NE(a.CopyPath(), b.CopyPath());
    }
}

TEST_F(AutosaveTest, OpeningAProjectWithANewerCopyAsksFirst)
{
    {
        TEditor first(Path("brenwick.ini"));
        ASSERT_TRUE(first.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    }
    QTest::qWait(20);
    Crash(Path("p.xml"), QStringLiteral("Открытие"));
    const QString copy = CopyFiles().value(0);

    TEditor editor(Path("brenwick.ini"));
    editor.prompt.answers = {UserPrompt::Answer::Cancel};
    EXPECT_FALSE(editor.main.LoadProject(Path("p.xml"), TProject::WholeProject()));
    EXPECT_TRUE(editor.main.Project().FileName().isEmpty());   // not opened
    editor.prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_TRUE(editor.main.LoadProject(Path("p.xml"), TProject::WholeProject()));
    EXPECT_EQ(editor.Saved(Path("restored.xml")), expected);
    EXPECT_TRUE(editor.main.Project().Modified());
    EXPECT_EQ(editor.prompt.asked.size(), 2);

    // A copy older than its file is not offered.
    editor.prompt.answers = {UserPrompt::Answer::Yes};   // the close question: save
    EXPECT_TRUE(editor.main.LoadProject(Path("p.xml"), TProject::WholeProject()));
    EXPECT_EQ(editor.prompt.asked.size(), 3);
    EXPECT_EQ(editor.prompt.asked.last().text, QStringLiteral("Сохранить изменения?"));
    EXPECT_TRUE(CopyFiles().isEmpty());
    EXPECT_FALSE(copy.isEmpty());
}

TEST_F(AutosaveTest, ACopyThatDoesNotReadIsSetAsideAndReportedOnce)
{
    TRecoveryFolder folder(TRecoveryFolder::DefaultFolder());
    ASSERT_TRUE(folder.Make());
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const QString cut = folder.Folder() + QStringLiteral("/cut.xml");
    write(cut, QByteArray(TProject::kProlog)
                   + TRecoveryFolder::HeaderLine(Path("gone.xml"), QDateTime::currentDateTimeUtc(),
                                                 QStringLiteral("./../elsewhere"))
                         .toUtf8()
                   + "<Velmora>\r\n  <root>\r\n    <group name=\"x\"");
    // A session names a lock file beside the copies, never one elsewhere.
    EXPECT_TRUE(TRecoveryFolder::ReadHeader(cut).session.isEmpty());
    const QString bare = folder.Folder() + QStringLiteral("/bare.xml");
    write(bare, "<Velmora/>");
    write(folder.Folder() + QStringLiteral("/half.xml.Xy12Ab"), "<?xml");   // a write cut short: not a copy

    TEditor editor(Path("brenwick.ini"));
    editor.prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_EQ(editor.Autosave().OfferAtStart(), TAutosave::TOffer::None);
    // The one with a header is asked about, then reported; the bare one reported.
    ASSERT_EQ(editor.prompt.asked.size(), 3);
    EXPECT_TRUE(editor.prompt.asked[1].text.contains(QStringLiteral("cut.xml")));
    EXPECT_TRUE(editor.prompt.asked[2].text.contains(QStringLiteral("bare.xml")));
    EXPECT_TRUE(QFile::exists(cut + QStringLiteral(".broken")));
    EXPECT_TRUE(QFile::exists(bare + QStringLiteral(".broken")));
    EXPECT_FALSE(editor.main.Project().Modified());

    TEditor later(Path("brenwick.ini"));
    EXPECT_EQ(later.Autosave().OfferAtStart(), TAutosave::TOffer::None);
    EXPECT_TRUE(later.prompt.asked.isEmpty());
}

// The child side of the kill tests: an editor that edits and writes copies
// until it is killed. Runs only when the test below starts it.
TEST_F(AutosaveTest, DISABLED_ChildEditorWorksUntilKilled)
{
    const QString work = qEnvironmentVariable(kChildVariable);
    if (work.isEmpty())
        GTEST_SKIP() << "started by the kill tests only";
    const QString mode = qEnvironmentVariable("BRENWICK_AUTOSAVE_MODE");
    const auto say = [](const QString &line) {
        std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
        std::fflush(stdout);
    };
    TEditor editor(work + QStringLiteral("/brenwick.ini"));
    editor.prompt.answers = {UserPrompt::Answer::No};   // open in another editor too: open it anyway
    ASSERT_TRUE(editor.main.LoadProject(work + QStringLiteral("/p.xml"), TProject::WholeProject()));
    editor.prompt.answers.clear();
    if (mode == QLatin1String("loop")) {
        // Large copies, one after another, each announced before it starts.
        unsigned seed = 1;
        for (TImageEx *image : {editor.preview.BackImage(), editor.preview.ThemeImage()})
            editor.layout->SetProperty(image, QStringLiteral("Picture"),
                                       QVariant::fromValue(TPictureValue{Noise(1600, 1000, seed++), TPicture::gkBitmap, false}));
        for (int i = 1;; ++i) {
            editor.layout->SetProperty(&editor.preview, QStringLiteral("Caption"), QStringLiteral("v%1").arg(i));
            say(QStringLiteral("writing %1").arg(i));
            editor.Autosave().WriteNow();
            editor.Autosave().WaitForWrite();
        }
    }
    const QString caption = qEnvironmentVariable("BRENWICK_AUTOSAVE_CAPTION", QStringLiteral("Убит"));
    editor.Edit(caption);
    QSignalSpy written(&editor.Autosave(), &TAutosave::Written);   // by the interval's timer
    ASSERT_TRUE(written.wait(10000));
    editor.Saved(work + QStringLiteral("/expected.xml"));
    say(QStringLiteral("ready"));
    QTest::qWait(60000);
}

namespace {

// Starts this test program as an editor that works in dir and returns once it
// has printed the line.
std::unique_ptr<QProcess> StartChild(const QString &dir, const QString &mode, const QByteArray &line,
                                     const QString &caption = QString())
{
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), dir);
    env.insert(QStringLiteral("BRENWICK_AUTOSAVE_MODE"), mode);
    if (!caption.isEmpty())
        env.insert(QStringLiteral("BRENWICK_AUTOSAVE_CAPTION"), caption);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child->setProcessEnvironment(env);
    child->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=AutosaveTest.DISABLED_ChildEditorWorksUntilKilled"), QStringLiteral("--gtest_also_run_disabled_tests")});
    EXPECT_TRUE(child->waitForStarted());
    QByteArray out;
    while (!out.contains(line)) {
        if (!child->waitForReadyRead(60000)) {
            ADD_FAILURE() << out.toStdString();
            break;
        }
        out += child->readAllStandardOutput();
    }
    return child;
}

void Kill(QProcess &child)
{
    child.kill();   // SIGKILL: nothing of the editor runs after it
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
}

// Starts an editor child, and kills it once it has printed the line and
// whileRunning has run.
void RunAndKill(const QString &dir, const QString &mode, const QByteArray &killAt,
                const std::function<void()> &whileRunning = {})
{
    const std::unique_ptr<QProcess> child = StartChild(dir, mode, killAt);
    if (whileRunning)
        whileRunning();
    Kill(*child);
}

QStringList Locks()
{
    return QDir(TRecoveryFolder::DefaultFolder()).entryList({QStringLiteral(".*.lock")}, QDir::Files | QDir::Hidden);
}

} // namespace

TEST_F(AutosaveTest, AfterAKillTheEditsAreOfferedAndRestoredExactly)
{
    {
        TEditor first(Path("brenwick.ini"));
        ASSERT_TRUE(first.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    }
    QTest::qWait(20);
    const QByteArray file = Bytes(Path("p.xml"));
    RunAndKill(dir.path(), QStringLiteral("edit"), "ready");
    EXPECT_EQ(Bytes(Path("p.xml")), file);

    TEditor editor(Path("brenwick.ini"));
    editor.prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_EQ(editor.Autosave().OfferAtStart(), TAutosave::TOffer::Restored);
    ASSERT_EQ(editor.prompt.asked.size(), 1);
    EXPECT_TRUE(editor.prompt.asked[0].text.contains(MessagePath(Path("p.xml"))));
    EXPECT_EQ(editor.Saved(Path("restored.xml")), Bytes(Path("expected.xml")));
    EXPECT_EQ(editor.main.Project().FileName(), Path("p.xml"));
    EXPECT_TRUE(editor.main.Project().Modified());
}

TEST_F(AutosaveTest, AKillDuringTheWritingOfACopyLeavesThePreviousOneReadable)
{
    {
        TEditor first(Path("brenwick.ini"));
        ASSERT_TRUE(first.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    }
    QTest::qWait(20);
    RunAndKill(dir.path(), QStringLiteral("loop"), "writing 3");
    const QStringList copies = QDir(TRecoveryFolder::DefaultFolder()).entryList({QStringLiteral("*.xml")}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);

    TEditor editor(Path("brenwick.ini"));
    editor.prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_EQ(editor.Autosave().OfferAtStart(), TAutosave::TOffer::Restored);
    EXPECT_EQ(editor.prompt.asked.size(), 1);   // no report of a broken copy
    const QString caption = TPropertyLayer::read(&editor.preview, QStringLiteral("Caption")).toString();
    EXPECT_TRUE(caption == QStringLiteral("v2") || caption == QStringLiteral("v3")) << caption.toStdString();
}

TEST_F(AutosaveTest, ARunningEditorsCopyIsLeftAloneAndAFailedCopyIsTriedAgain)
{
    {
        TEditor first(Path("brenwick.ini"));
        ASSERT_TRUE(first.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    }
    QTest::qWait(20);
    TEditor other(Path("brenwick.ini"));
    other.prompt.answers = {UserPrompt::Answer::No};
    RunAndKill(dir.path(), QStringLiteral("edit"), "ready", [&] {
        // Another editor's copy, while it runs: neither offered nor deleted.
        EXPECT_EQ(other.Autosave().OfferAtStart(), TAutosave::TOffer::None);
        EXPECT_EQ(other.Autosave().OfferAtOpen(Path("p.xml")), TAutosave::TOffer::None);
        EXPECT_TRUE(other.prompt.asked.isEmpty());
        EXPECT_EQ(CopyFiles().size(), 1);
    });
    // Killed, it left its copy behind: offered, and "Нет" deletes it.
    EXPECT_EQ(other.Autosave().OfferAtStart(), TAutosave::TOffer::None);
    EXPECT_EQ(other.prompt.asked.size(), 1);
    EXPECT_TRUE(CopyFiles().isEmpty());

    // A file where the folder should be: the copy fails, the status bar says
    // so, and the next interval tries again without another change.
    QFile blocker(TRecoveryFolder::DefaultFolder());
    ASSERT_TRUE(QDir(TRecoveryFolder::DefaultFolder()).removeRecursively());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSignalSpy written(&other.Autosave(), &TAutosave::Written);
    other.Edit(QStringLiteral("Сбой"));
    ASSERT_TRUE(written.wait(5000));
    EXPECT_FALSE(written[0][1].toString().isEmpty());
    EXPECT_TRUE(other.main.statusBar()->currentMessage().startsWith(QStringLiteral("Копия для восстановления не записана")));
    ASSERT_TRUE(blocker.remove());
    ASSERT_TRUE(written.wait(5000));
    EXPECT_TRUE(written[1][1].toString().isEmpty());
    EXPECT_TRUE(QFile::exists(other.Autosave().CopyPath()));
    EXPECT_TRUE(other.main.statusBar()->currentMessage().isEmpty());   // the copy is written now

    // Failed again, the word stays until the project is saved; another
    // message in its place is left alone.
    QDir(TRecoveryFolder::DefaultFolder()).removeRecursively();
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    other.Edit(QStringLiteral("Сбой снова"));
    ASSERT_TRUE(written.wait(5000));
    EXPECT_FALSE(other.main.statusBar()->currentMessage().isEmpty());
    ASSERT_TRUE(other.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    EXPECT_TRUE(other.main.statusBar()->currentMessage().isEmpty());
    other.Edit(QStringLiteral("Сбой в третий раз"));
    ASSERT_TRUE(written.wait(5000));
    other.main.statusBar()->showMessage(QStringLiteral("другое"));
    ASSERT_TRUE(other.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    EXPECT_EQ(other.main.statusBar()->currentMessage(), QStringLiteral("другое"));
    ASSERT_TRUE(blocker.remove());
}

// Two editors of one project, both killed: each kept its own copy, and both
// are offered, each with the time it was written; their locks go at the next start.
TEST_F(AutosaveTest, TwoEditorsOfOneProjectKilledLeaveTwoCopiesBothOffered)
{
    {
        TEditor first(Path("brenwick.ini"));
        ASSERT_TRUE(first.main.SaveProject(Path("p.xml"), TProject::WholeProject()));
    }
    QTest::qWait(20);
    const std::unique_ptr<QProcess> one = StartChild(dir.path(), QStringLiteral("edit"), "ready", QStringLiteral("Первый"));
    QTest::qWait(1100);   // the copies' times differ by at least a second
    const std::unique_ptr<QProcess> two = StartChild(dir.path(), QStringLiteral("edit"), "ready", QStringLiteral("Второй"));
    EXPECT_EQ(CopyFiles().size(), 2);
    {
        // While they run, a third editor starting leaves their locks and copies alone.
        TEditor third(Path("brenwick.ini"));
        EXPECT_EQ(third.Autosave().OfferAtStart(), TAutosave::TOffer::None);
        EXPECT_TRUE(third.prompt.asked.isEmpty());
        EXPECT_EQ(Locks().size(), 2);
    }
    Kill(*one);
    Kill(*two);
    const QStringList copies = CopyFiles();
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(Locks().size(), 2);

    TEditor editor(Path("brenwick.ini"));
    editor.prompt.answers = {UserPrompt::Answer::Cancel, UserPrompt::Answer::Cancel};
    EXPECT_EQ(editor.Autosave().OfferAtStart(), TAutosave::TOffer::None);
    EXPECT_TRUE(Locks().isEmpty());
    ASSERT_EQ(editor.prompt.asked.size(), 2);
    const TRecoveryFolder folder(TRecoveryFolder::DefaultFolder());
    const QList<TRecoveryFolder::TCopy> found = folder.CopiesOf(Path("p.xml"));
    ASSERT_EQ(found.size(), 2);
    ASSERT_GT(found[0].time, found[1].time);   // newest first
    for (int i = 0; i < 2; ++i) {
        const QString time = found[i].time.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
        EXPECT_TRUE(editor.prompt.asked[i].text.contains(time)) << editor.prompt.asked[i].text.toStdString();
    }

    // Opening the project asks about both: "Нет" deletes the newer, "Да"
    // restores the older one, the first editor's edits.
    editor.prompt.answers = {UserPrompt::Answer::No, UserPrompt::Answer::Yes};
    EXPECT_TRUE(editor.main.LoadProject(Path("p.xml"), TProject::WholeProject()));
    EXPECT_EQ(editor.prompt.asked.size(), 4);
    EXPECT_EQ(TPropertyLayer::read(&editor.preview, QStringLiteral("Caption")).toString(), QStringLiteral("Первый"));
    EXPECT_FALSE(QFile::exists(found[0].path));
    EXPECT_TRUE(editor.main.Project().Modified());
}

TEST_F(AutosaveTest, AHeaderBeyondTheFirstBlockOfACopyReadsAndOneAfterTheDocumentElementDoesNot)
{
    TRecoveryFolder folder(TRecoveryFolder::DefaultFolder());
    ASSERT_TRUE(folder.Make());
    // Each of these letters takes six characters percent-encoded: the header
    // runs far beyond the first 4096 bytes.
    const QString project = dir.path() + QLatin1Char('/') + QString(1500, QChar(0x0416)) + QStringLiteral(".xml");
    const QDateTime time = QDateTime::currentDateTimeUtc();
    const QByteArray header = TRecoveryFolder::HeaderLine(project, time, QStringLiteral("s-1")).toUtf8();
    ASSERT_GT(header.size(), 8192);
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const QString copy = folder.Folder() + QStringLiteral("/long.xml");
    write(copy, QByteArray(TProject::kProlog) + header + "\n<Velmora>\r\n</Velmora>\r\n");
    const TRecoveryFolder::TCopy read = TRecoveryFolder::ReadHeader(copy);
    EXPECT_EQ(read.projectFile, project);
    EXPECT_EQ(read.time, QDateTime::fromString(time.toString(Qt::ISODateWithMs), Qt::ISODateWithMs));
    EXPECT_EQ(read.session, QStringLiteral("s-1"));
    // Inside the document, such a line is text of the project, not a header.
    write(copy, QByteArray(TProject::kProlog) + "<Velmora>\r\n" + header + "</Velmora>\r\n");
    EXPECT_FALSE(TRecoveryFolder::ReadHeader(copy).HasHeader());
    // A header whose "<" is the last byte of the first block: that "<" opens no element yet.
    QByteArray prolog = TProject::kProlog;
    prolog += QByteArray(4095 - prolog.size(), ' ');
    write(copy, prolog + header + "\n<Velmora>\r\n</Velmora>\r\n");
    EXPECT_EQ(TRecoveryFolder::ReadHeader(copy).session, QStringLiteral("s-1"));
}

TEST(MessagePath, AWrappedPathBreaksOnlyAfterASeparator)
{
    const QString path = QStringLiteral("/home/user/Мои проекты меню/диск-2026 (осень, вторая версия)/Velmora.XML");
    const QString shown = MessagePath(path);
    QString visible = shown;
    visible.remove(QChar(0x2060)).remove(QChar(0x200B)).replace(QChar(0x00A0), QLatin1Char(' '));
    EXPECT_EQ(visible, QDir::toNativeSeparators(path));
    QFont font;
    font.setPixelSize(13);
    for (int width = 90; width <= 400; width += 7) {
        QTextLayout layout(shown, font);
        layout.beginLayout();
        QStringList lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << shown.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        for (int i = 0; i + 1 < lines.size(); ++i) {
            QString end = lines[i];
            end.remove(QChar(0x200B));
            EXPECT_TRUE(end.endsWith(QDir::separator())) << width << ": " << lines.join(QLatin1Char('|')).toStdString();
        }
    }
}

TEST_F(AutosaveTest, TheCopiesOfAProjectAreThoseOfEverySessionAndTheOlderOneWithoutASession)
{
    TRecoveryFolder folder(TRecoveryFolder::DefaultFolder());
    ASSERT_TRUE(folder.Make());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto write = [&](const QString &path, const QString &project, int secondsAgo) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(TProject::kProlog)
                + TRecoveryFolder::HeaderLine(project, now.addSecs(-secondsAgo), QStringLiteral("s")).toUtf8()
                + "\n<Velmora/>");
    };
    const QString p = Path("p.xml");
    const QString stem = folder.Folder() + QLatin1Char('/') + TRecoveryFolder::ProjectStem(p);
    write(folder.CopyPathFor(p, QStringLiteral("a")), p, 30);
    write(stem + QStringLiteral(".xml"), p, 10);   // written before copies named their session
    write(folder.CopyPathFor(p, QStringLiteral("b")), p, 20);
    write(folder.CopyPathFor(Path("q.xml"), QStringLiteral("a")), Path("q.xml"), 0);
    write(stem + QStringLiteral("x.xml"), p, 0);   // another stem that only begins alike
    QStringList names;
    for (const TRecoveryFolder::TCopy &copy : folder.CopiesOf(p))
        names << QFileInfo(copy.path).fileName();
    const QString base = QFileInfo(stem).fileName();
    EXPECT_EQ(names, QStringList({base + QStringLiteral(".xml"), base + QStringLiteral("-b.xml"),
                                  base + QStringLiteral("-a.xml")}));
    EXPECT_NE(folder.CopyPathFor(p, QStringLiteral("a")), folder.CopyPathFor(p, QStringLiteral("b")));
}
