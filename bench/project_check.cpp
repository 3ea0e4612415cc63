// Project check timing: a project of 50,000 program entries checked against a
// disc folder of 50,000 files, against a recursive walk of that folder in the
// same run that reads every file's size, as the check must for the disc's
// size. Target: at most 1.3x that walk.

#include "project/TDiscFolder.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"
#include "PairTiming.h"
#include "Target.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kFolders = 500;
constexpr int kFilesPerFolder = 100;   // 50,000 files, one program entry each
const int kRounds = bench::Rounds(5, 2);
constexpr double kTargetRatio = 1.3;

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temp;
    const QString disc = temp.filePath(QStringLiteral("disc"));
    TProject project;
    TCommandTree &tree = project.Tree();
    tree.BeginUpdate();
    for (int d = 0; d < kFolders; ++d) {
        const QString folder = QStringLiteral("Раздел %1").arg(d);
        QDir().mkpath(disc + QLatin1Char('/') + folder);
        TBaseItem *group = tree.AddItem(folder, ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
        for (int f = 0; f < kFilesPerFolder; ++f) {
            const QString name = QStringLiteral("Setup %1.exe").arg(f);
            QFile file(disc + QLatin1Char('/') + folder + QLatin1Char('/') + name);
            (void)file.open(QIODevice::WriteOnly);
            TBaseItem *item = tree.AddItem(name, ikProgram, TCommandTree::TPlace::LastChildOf(group), false);
            // The player's spelling: other letter case, backslashes.
            tree.SetCustom(item, (folder + QLatin1Char('\\') + name).toUpper());
        }
    }
    QFile player(disc + QStringLiteral("/Velmora.EXE"));
    (void)player.open(QIODevice::WriteOnly);
    tree.EndUpdate();
    std::printf("disc folder: %d files in %d folders; project: %d entries\n", kFolders * kFilesPerFolder + 1,
                kFolders, tree.Count());

    long walked = 0;
    const double walk = bench::best(kRounds, [&] {
        walked = 0;
        QDirIterator it(disc, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++walked;
        }
    });
    qint64 walkedBytes = 0;
    const double sizedWalk = bench::best(kRounds, [&] {
        walkedBytes = 0;
        QDirIterator it(disc, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            walkedBytes += it.nextFileInfo().size();
    });
    int entries = 0;
    const double folder = bench::best(kRounds, [&] { entries = TDiscFolder(disc).EntryCount(); });
    std::printf("disc folder index:       %8.1f ms (%d entries)\n", folder * 1e3, entries);
    // The disc's size takes one stat() a file on top of the walk.
    qint64 bytes = 0;
    const double sized = bench::best(kRounds, [&] { bytes = TDiscFolder(disc, true).TotalSize(); });
    std::printf("index with sizes:        %8.1f ms (%lld bytes)\n", sized * 1e3, static_cast<long long>(bytes));
    qsizetype findings = 0;
    const double check = bench::best(kRounds, [&] { findings = TProjectCheck::Run(project, disc, nullptr).size(); });
    std::printf("bare walk, QDirIterator: %8.1f ms (%ld entries)\n", walk * 1e3, walked);
    std::printf("walk reading every size: %8.1f ms (%lld bytes)\n", sizedWalk * 1e3,
                static_cast<long long>(walkedBytes));
    std::printf("project check:           %8.1f ms (%lld findings)  %5.2fx the bare walk\n", check * 1e3,
                static_cast<long long>(findings), check / walk);
    bench::Target("project check, of a walk reading every size", check / sizedWalk, "x", kTargetRatio);
    return 0;
}
