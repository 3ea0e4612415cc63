// Real editor processes: quitting ends the process with the test-run and the
// help open, from the menu and from SIGTERM and SIGINT (which keep unsaved
// work in the recovery copy); a second editor on a project open in another.
#include "app/TEditorSession.h"
#include "app/THelpWindow.h"
#include "app/TMainForm.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char *const kChildFolder = "BRENWICK_EDITOR_CHILD";
const char *const kChildMode = "BRENWICK_EDITOR_MODE";
const char *const kChildProject = "BRENWICK_EDITOR_PROJECT";

// An editor in a child process, its windows up (mode: "menu" quits from the
// menu at once, "modified" leaves unsaved work, anything else waits).
std::unique_ptr<QProcess> StartEditor(const QString &folder, const QString &mode, const QString &project = {})
{
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildFolder), folder);
    env.insert(QString::fromLatin1(kChildMode), mode);
    env.insert(QString::fromLatin1(kChildProject), project);
    env.insert(QStringLiteral("BRENWICK_RECOVERY_DIR"), QDir(folder).filePath(QStringLiteral("recovery")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child->setProcessEnvironment(env);
    child->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=EditorChild.DISABLED_RunsUntilItEnds"),
                  QStringLiteral("--gtest_also_run_disabled_tests")});
    EXPECT_TRUE(child->waitForStarted());
    QByteArray out;
    while (!out.contains("windows up\n") && child->waitForReadyRead(20000))
        out += child->readAllStandardOutput();
    EXPECT_TRUE(out.contains("windows up\n")) << out.toStdString();
    return child;
}

// Sends signal (unless 0) and tells whether the process ended within 2 s, cleanly.
bool EndsWithin2s(QProcess &child, int signal)
{
    if (signal != 0)
        ::kill(pid_t(child.processId()), signal);
    if (child.waitForFinished(2000))
        return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    child.kill();
    child.waitForFinished();
    return false;
}

QStringList Copies(const QString &folder)
{
    return QDir(QDir(folder).filePath(QStringLiteral("recovery"))).entryList({QStringLiteral("*.xml")}, QDir::Files);
}

} // namespace

// The child: the editor's windows with the test-run and the help open.
TEST(EditorChild, DISABLED_RunsUntilItEnds)
{
    const QString folder = qEnvironmentVariable(kChildFolder);
    if (folder.isEmpty())
        GTEST_SKIP();
    const QString mode = qEnvironmentVariable(kChildMode);
    TEditorSession session(QDir(folder).filePath(QStringLiteral("brenwick.ini")), shell::TLanguage::Russian);
    session.Start(qEnvironmentVariable(kChildProject));
    TMainForm &main = session.MainForm();
    QTimer::singleShot(0, &main, [&] {
        main.ATryMenu->trigger();
        session.Help().showContents();
        if (mode == QLatin1String("modified"))
            main.Project().Changed(TCommandTree::tcData);
        std::fputs("windows up\n", stdout);
        std::fflush(stdout);
        if (mode == QLatin1String("menu"))
            main.AFileExit->trigger();
    });
    qApp->exec();
}

TEST(EditorProcess, QuitFromTheMenuWithTheTestRunAndTheHelpOpen)
{
    QTemporaryDir folder;
    EXPECT_TRUE(EndsWithin2s(*StartEditor(folder.path(), QStringLiteral("menu")), 0));
    EXPECT_TRUE(Copies(folder.path()).isEmpty());
}

TEST(EditorProcess, SigtermAndSigintEndTheEditorKeepingUnsavedWork)
{
    QTemporaryDir folder;
    EXPECT_TRUE(EndsWithin2s(*StartEditor(folder.path(), QStringLiteral("modified")), SIGTERM));
    EXPECT_EQ(Copies(folder.path()).size(), 1);

    QTemporaryDir other;
    EXPECT_TRUE(EndsWithin2s(*StartEditor(other.path(), QStringLiteral("wait")), SIGINT));
    EXPECT_TRUE(Copies(other.path()).isEmpty());   // nothing unsaved: nothing kept
}

// A project open in another editor: said so at opening, with who; read-only
// saves under another name. Once the other editor is gone, nothing is said.
TEST(EditorProcess, ASecondEditorOnAProjectSaysWhoHasItOpen)
{
    QTemporaryDir folder;
    const QString project = folder.filePath(QStringLiteral("Velmora.XML"));
    {
        ScriptedPrompt prompt;
        TMainForm first(folder.filePath(QStringLiteral("first.ini")), &prompt);
        ASSERT_TRUE(first.SaveProject(project, TProject::WholeProject()));
    }
    // Both editors keep their locks in one folder.
    const QByteArray recovery = qgetenv("BRENWICK_RECOVERY_DIR");
    const auto restore = qScopeGuard([&recovery] { qputenv("BRENWICK_RECOVERY_DIR", recovery); });
    qputenv("BRENWICK_RECOVERY_DIR", QDir(folder.path()).filePath(QStringLiteral("recovery")).toLocal8Bit());
    const std::unique_ptr<QProcess> other = StartEditor(folder.path(), QStringLiteral("wait"), project);
    ScriptedPrompt prompt;
    TMainForm second(folder.filePath(QStringLiteral("second.ini")), &prompt);
    prompt.answers = {UserPrompt::Answer::Yes};
    ASSERT_TRUE(second.LoadProject(project, TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QString::fromUtf8("уже открыт в другом редакторе")));
    EXPECT_TRUE(prompt.asked.first().text.contains(QSysInfo::machineHostName()));
    EXPECT_TRUE(second.ReadOnly());
    EXPECT_TRUE(second.windowTitle().contains(QString::fromUtf8("только чтение")));
    second.AFileSaveExecute();   // read-only: asks for another name
    EXPECT_EQ(prompt.dialogsShown.size(), 1);

    EXPECT_TRUE(EndsWithin2s(*other, SIGTERM));
    prompt.asked.clear();
    ASSERT_TRUE(second.LoadProject(project, TProject::WholeProject()));
    EXPECT_TRUE(prompt.asked.isEmpty());
    EXPECT_FALSE(second.ReadOnly());
}
