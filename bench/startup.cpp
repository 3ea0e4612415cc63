// Times the editor's start-up to its main window against a minimal Qt main
// window with one menu, both started the same way as processes, alternating,
// in the same run (median of the starts of each):
//   start-up of brenwick <= 1.5 x the minimal window's
// with the recovery folder holding twenty copies of other editors' sessions
// (still running: their locks are held by this program).
// Both are timed offscreen and, when the environment gives an X display (a
// virtual X server under xvfb-run), on that display too.
#include "app/TRecoveryFolder.h"
#include "app/cli/CliEditor.h"
#include "Target.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#ifndef BRENWICK_EDITOR_PATH
#define BRENWICK_EDITOR_PATH ""
#endif

namespace {

const int kStarts = bench::Rounds(15, 5);
constexpr int kCopies = 20;
constexpr double kLimit = 1.5;
const char *const kMinimalArgument = "--minimal-window";

// The baseline: a main window with one menu, shown; "shown" once the event
// loop runs, as the editor says it with BRENWICK_STARTUP_PROBE.
int MinimalWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Файл"))->addAction(QStringLiteral("Выход"));
    window.resize(502, 378);
    window.show();
    QTimer::singleShot(0, &app, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}

// Milliseconds from starting the program to its "shown".
double StartMs(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    QByteArray out;
    while (!out.contains("shown") && child.waitForReadyRead(30000))
        out += child.readAllStandardOutput();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!out.contains("shown"))
        std::fprintf(stderr, "%s did not show its window: %s\n", qPrintable(program), child.readAllStandardError().constData());
    if (!child.waitForFinished(10000))
        child.kill();
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], kMinimalArgument) == 0)
        return MinimalWindow(argc, argv);
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString editor = QStringLiteral(BRENWICK_EDITOR_PATH);
    if (!QFileInfo::exists(editor)) {
        std::fprintf(stderr, "build the editor first: %s\n", qPrintable(editor));
        return 1;
    }

    // Twenty copies of other sessions, whose locks this program holds.
    QTemporaryDir work;
    TRecoveryFolder folder(work.filePath(QStringLiteral("recovery")));
    folder.Make();
    cli::Editor project;
    const QByteArray bytes = project.project.ProjectBytes();
    std::vector<std::unique_ptr<QLockFile>> locks;
    for (int i = 0; i < kCopies; ++i) {
        const QString session = QStringLiteral("20260101-000000-%1-bench").arg(i);
        const QString projectFile = work.filePath(QStringLiteral("p%1/Velmora.XML").arg(i));
        QSaveFile copy(folder.CopyPathFor(projectFile, session));
        copy.open(QIODevice::WriteOnly);
        QByteArray text = bytes;
        text.insert(text.indexOf("<Velmora>"),
                    TRecoveryFolder::HeaderLine(projectFile, QDateTime::currentDateTimeUtc(), session).toUtf8() + '\n');
        copy.write(text);
        copy.commit();
        locks.push_back(std::make_unique<QLockFile>(folder.LockPathFor(session)));
        locks.back()->tryLock(0);
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BRENWICK_RECOVERY_DIR"), folder.Folder());
    env.insert(QStringLiteral("BRENWICK_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), work.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), work.filePath(QStringLiteral("config")));
    std::printf("start-up to the main window (median of %d, %d copies of other sessions in the recovery folder)\n",
                kStarts, kCopies);
    QStringList platforms{QStringLiteral("offscreen")};
    if (display)
        platforms << QStringLiteral("xcb");
    for (const QString &platform : platforms) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        std::vector<double> ours, minimal;
        StartMs(editor, {}, env);   // both once before timing: the files in the page cache
        StartMs(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kMinimalArgument)}, env);
        for (int i = 0; i < kStarts; ++i) {
            ours.push_back(StartMs(editor, {}, env));
            minimal.push_back(
                StartMs(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kMinimalArgument)}, env));
        }
        const double a = Median(ours);
        const double b = Median(minimal);
        std::printf("  %-9s brenwick %7.1f ms, minimal window %7.1f ms\n", qPrintable(platform), a, b);
        bench::Target(qPrintable(QStringLiteral("start-up, %1, of a minimal window").arg(platform)), a / b, "x", kLimit);
    }
    return 0;
}
