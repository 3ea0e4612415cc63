// Folder import timing: a generated tree of 50,000 files in 5,000 folders,
// imported headless through the scan the dialog uses, against a bare
// recursive directory walk of the same tree in the same run. Prints times,
// ratios and the memory each imported entry takes. Then the import as one undo
// step in the main window's project: undo and redo against the import's own
// time, and the stack's memory after the undo against the entries' own.

#include "app/TMainForm.h"
#include "project/TCommandTree.h"
#include "project/TCommandTreeTarget.h"
#include "project/TFolderScan.h"
#include "project/TImportTree.h"
#include "kit/TProgressForm.h"
#include "project/TTreeCommands.h"
#include "PairTiming.h"
#include "Target.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <malloc.h>
#include <vector>

namespace {

constexpr int kTopFolders = 50;
constexpr int kSubFolders = 99;          // per top folder: 50 + 50 * 99 = 5,000 folders
constexpr int kFilesPerFolder = 10;      // 50,000 files
const int kRounds = bench::Rounds(5, 2);
constexpr int kLabelWidth = 42;
constexpr double kDialogTarget = 1.5;

const char *const kExtensions[] = {".exe", ".zip", ".txt", ".rtf", ".pdf"};

void writeFiles(const QString &folder)
{
    for (int f = 0; f < kFilesPerFolder; ++f) {
        QFile file(QStringLiteral("%1/File %2%3").arg(folder).arg(f).arg(QLatin1String(kExtensions[f % 5])));
        (void)file.open(QIODevice::WriteOnly);
    }
}

int generate(const QString &root)
{
    int folders = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const QString top = QStringLiteral("%1/Раздел %2").arg(root).arg(t);
        QDir().mkpath(top);
        writeFiles(top);
        ++folders;
        for (int s = 0; s < kSubFolders; ++s) {
            const QString sub = QStringLiteral("%1/Sub.%2").arg(top).arg(s);
            QDir().mkpath(sub);
            writeFiles(sub);
            ++folders;
        }
    }
    return folders;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/Soft");
    const int folders = generate(root);
    std::printf("tree: %d folders, %d files\n", folders, folders * kFilesPerFolder);

    long walked = 0;
    const double fsWalk = bench::best(kRounds, [&] {
        walked = 0;
        for (const auto &e : std::filesystem::recursive_directory_iterator(root.toStdString()))
            walked += e.is_regular_file() ? 1 : 0;
    });
    const double qtWalk = bench::best(kRounds, [&] {
        QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            it.next();
    });
    std::printf("bare walk, std::filesystem:   %8.1f ms (%ld files)\n", fsWalk * 1e3, walked);
    std::printf("bare walk, QDirIterator:      %8.1f ms\n", qtWalk * 1e3);

    // The main window's tree, with its view attached (the window is hidden
    // during the import, as in the editor).
    QTemporaryDir settings;
    TMainForm mainForm(settings.filePath(QStringLiteral("brenwick.ini")));
    mainForm.show();

    enum class Into { CommandTree, MainWindow, PlainTree };
    struct Result
    {
        double seconds = 0;
        int entries = 0;
        size_t bytes = 0;   // heap held by the imported entries
    };
    // One import: only the import itself is timed and measured.
    auto importOnce = [&](bool oneGroup, Into into, TProgressForm *progress) {
        TImportOptions o;
        o.dirName = root;
        o.oneGroup = oneGroup;
        Result r;
        auto run = [&](TImportTarget &target) {
            const size_t before = heapInUse();
            r.seconds = bench::seconds([&] {
                TFolderScan scan(o, target);
                if (progress)
                    scan.setProgress([progress](const QString &p) { progress->ShowFolder(p); });
                target.begin();
                scan.Run();
                target.end();
            });
            r.bytes = heapInUse() - before;
        };
        switch (into) {
        case Into::PlainTree: {
            TImportTree tree;
            run(tree);
            r.entries = tree.entryCount();
            break;
        }
        case Into::CommandTree: {
            TCommandTree tree;
            TCommandTreeTarget target(tree);
            run(target);
            r.entries = tree.Count();
            break;
        }
        case Into::MainWindow: {
            TCommandTree &tree = mainForm.Tree();
            TCommandTreeTarget target(tree);
            target.onBegin = [&] { mainForm.hide(); };
            target.onEnd = [&] { mainForm.show(); };
            run(target);
            r.entries = tree.Count();
            tree.Clear();
            break;
        }
        }
        return r;
    };

    struct Variant
    {
        const char *label;
        bool oneGroup;
        Into into;
        bool progress;
    };
    const Variant variants[] = {
        {"command tree, defaults", false, Into::CommandTree, false},
        {"command tree, \"Всё в одну группу\"", true, Into::CommandTree, false},
        {"command tree, defaults, progress dialog", false, Into::CommandTree, true},
        {"main window, defaults", false, Into::MainWindow, false},
        {"main window, defaults, progress dialog", false, Into::MainWindow, true},
        {"plain tree in memory, defaults", false, Into::PlainTree, false},
    };
    TProgressForm progress;
    std::vector<double> times;
    for (const Variant &v : variants) {
        if (v.progress)
            progress.PopUp(nullptr);
        Result first = importOnce(v.oneGroup, v.into, v.progress ? &progress : nullptr);
        double t = first.seconds;
        for (int i = 1; i < kRounds; ++i)
            t = std::min(t, importOnce(v.oneGroup, v.into, v.progress ? &progress : nullptr).seconds);
        progress.hide();
        // Padded by characters, not bytes, so that Cyrillic labels line up.
        const QByteArray label = QString::fromUtf8(v.label).leftJustified(kLabelWidth).toUtf8();
        std::printf("import, %s %8.1f ms  %5.2fx std::filesystem walk  (%d entries, %.0f bytes/entry)\n",
                    label.constData(), t * 1e3, t / fsWalk, first.entries, double(first.bytes) / first.entries);
        times.push_back(t);
    }
    // The dialog repaints a few times a second at most: the import with it
    // shown stays close to the import without it (target: within 1.5x).
    bench::Target("import with the progress dialog, command tree, of without", times[2] / times[0], "x", kDialogTarget);
    bench::Target("import with the progress dialog, main window, of without", times[4] / times[3], "x", kDialogTarget);

    // The import as one undo step of the editor's project.
    TProject &project = mainForm.Project();
    double importTime = 1e9, undoTime = 1e9, redoTime = 1e9;
    // The entries' own memory: the same import into a bare command tree.
    const Result bare = importOnce(false, Into::CommandTree, nullptr);
    const double entriesBytes = double(bare.bytes);
    double afterImport = 0, afterUndo = 0;
    int entries = 0;
    for (int i = 0; i < kRounds; ++i) {
        project.ClearProject(TProject::WholeProject());
        TImportOptions o;
        o.dirName = root;
        const size_t empty = heapInUse();
        importTime = std::min(importTime, bench::seconds([&] {
            project.UndoStack().push(new TImportCommand(project.Tree(), QStringLiteral("import"),
                                                        [&](TCommandTreeTarget &target) {
                TFolderScan scan(o, target);
                target.begin();
                scan.Run();
                target.end();
            }));
        }));
        entries = project.Tree().Count();
        afterImport = double(heapInUse()) - double(empty);   // the tree's entries and the step
        undoTime = std::min(undoTime, bench::seconds([&] { project.UndoStack().undo(); }));
        afterUndo = double(heapInUse()) - double(empty);     // the tree is empty: all of it is the step's
        redoTime = std::min(redoTime, bench::seconds([&] { project.UndoStack().redo(); }));
    }
    project.ClearProject(TProject::WholeProject());
    std::printf("import as one undo step, main window: %8.1f ms (%d entries)\n", importTime * 1e3, entries);
    std::printf("  undo: %8.1f ms  %5.2fx the import\n", undoTime * 1e3, undoTime / importTime);
    std::printf("  redo: %8.1f ms  %5.2fx the import\n", redoTime * 1e3, redoTime / importTime);
    std::printf("  entries' own memory (bare command tree): %.0f bytes\n", entriesBytes);
    std::printf("  after the import, tree and stack: %.0f bytes (%.3fx the entries' own; the step itself %.0f)\n",
                afterImport, afterImport / entriesBytes, afterImport - entriesBytes);
    std::printf("  after the undo, stack alone:      %.0f bytes (%.3fx the entries' own)\n", afterUndo,
                afterUndo / entriesBytes);
    return 0;
}
