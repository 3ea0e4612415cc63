// Times what the pictures cost a save and an open of a project with ten
// 1920x1080 pictures, against the raw work on one core measured in the same
// run, and how long a recovery copy blocks the editor:
//   save, no picture changed          <= 0.2  x raw single-core compression
//   save, every picture changed       <= 0.65 x raw single-core compression
//   open                              <= 0.65 x raw single-core decoding
//   recovery copy of that project with 20,000 entries: the editor's thread
//   blocked <= 50 ms (the file itself is written on a worker thread)
#include "BenchPictures.h"
#include "PairTiming.h"
#include "Target.h"
#include "app/TAutosave.h"
#include "app/cli/CliEditor.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "window/TPictureSet.h"
#include "window/TStyledButton.h"
#include "xml/PictureText.h"
#include "xml/TXDocument.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = bench::kPictureWidth;
constexpr int kHeight = bench::kPictureHeight;
constexpr int kPictures = 10;
constexpr int kRounds = 3;
constexpr int kEntries = 20000;
constexpr int kEntriesPerGroup = 100;

// Median of rounds of work, each after an untimed preparation.
double medianMs(const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> t;
    for (int i = 0; i < kRounds; ++i) {
        prepare();
        t.push_back(bench::msOf(work));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void report(const char *what, double ms, double rawMs, double target)
{
    std::printf("%-50s %8.1f ms  raw %8.1f ms  ratio %.3f\n", what, ms, rawMs, ms / rawMs);
    bench::Target(what, ms / rawMs, "x", target);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velmora.XML"));

    cli::Editor editor;
    const QList<TPicture *> pictures = bench::DesignPictures(editor, kPictures);
    QList<QImage> images;
    QList<QByteArray> bitmaps;
    for (int i = 0; i < kPictures; ++i) {
        images << bench::MakePicture(unsigned(i + 1));
        pictures[i]->setBitmap(images[i]);
        bitmaps << BitmapBytes(images[i]);
    }
    editor.project.SaveProject(file, TProject::WholeProject());
    QList<QString> texts;
    for (TPicture *picture : pictures)
        texts << picture->keptText();

    const auto dropTexts = [&] {
        for (int i = 0; i < kPictures; ++i)
            pictures[i]->setBitmap(images[i]);
    };
    volatile qsizetype sink = 0;
    const auto rawEncode = [&] {
        for (const QByteArray &bmp : bitmaps)
            sink = sink + BytesToPictureText(bmp).size();
    };
    const auto rawDecode = [&] {
        for (const QString &text : texts)
            sink = sink + BitmapFromBytes(PictureTextToBytes(text)).width();
    };
    const auto save = [&] { editor.project.SaveProject(file, TProject::WholeProject()); };

    const double rawEncodeMs = medianMs([] {}, rawEncode);
    const double unchangedMs = medianMs([] {}, save);
    const double changedMs = medianMs(dropTexts, save);
    const double rawDecodeMs = medianMs([] {}, rawDecode);
    cli::Editor reader;
    const double openMs = medianMs([] {}, [&] { reader.project.LoadProject(file, TProject::WholeProject()); });

    // How many cores the machine gives this run now: the same work on every
    // core at once against one core alone (a busy machine gives fewer).
    const int cores = QThread::idealThreadCount();
    std::vector<QByteArray> spread(size_t(cores), bitmaps[0]);
    const double oneCore = bench::msOf([&] { sink = sink + BytesToPictureText(bitmaps[0]).size(); });
    const double allCores = bench::msOf([&] {
        QThreadPool pool;
        pool.setMaxThreadCount(cores);
        QtConcurrent::blockingMap(&pool, spread, [&](const QByteArray &bmp) { sink = sink + BytesToPictureText(bmp).size(); });
    });
    std::printf("ten %dx%d pictures, %.1f MB file, %d cores, %.1f of them free now (median of %d runs)\n", kWidth,
                kHeight, double(QFileInfo(file).size()) / 1e6, cores, cores * oneCore / allCores, kRounds);
    report("save, no picture changed, of raw compression", unchangedMs, rawEncodeMs, 0.2);
    report("save, every picture changed, of raw compression", changedMs, rawEncodeMs, 0.65);
    report("open, of raw decoding on one core", openMs, rawDecodeMs, 0.65);

    // The recovery copy of that project with 20,000 entries.
    TCommandTree &tree = editor.project.Tree();
    tree.BeginUpdate();
    for (int g = 0; g < kEntries / kEntriesPerGroup; ++g) {
        TBaseItem *group =
            tree.AddItem(QStringLiteral("Группа %1").arg(g), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
        for (int i = 1; i < kEntriesPerGroup; ++i)
            tree.AddItem(QStringLiteral("Программа %1").arg(i), ikProgram, TCommandTree::TPlace::LastChildOf(group),
                         false);
    }
    tree.EndUpdate();
    editor.project.SetModified(true);
    TAutosave autosave(editor.project, editor.prompt, QString(), dir.filePath(QStringLiteral("recovery")));
    std::vector<double> blocked, written;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer total;
        total.start();
        blocked.push_back(bench::msOf([&] { autosave.WriteNow(); }));
        autosave.WaitForWrite();
        written.push_back(double(total.nsecsElapsed()) / 1e6);
    }
    std::sort(blocked.begin(), blocked.end());
    std::sort(written.begin(), written.end());
    std::printf("recovery copy, %d entries, %.1f MB: editor blocked %.1f ms, written in %.1f ms\n", kEntries,
                double(QFileInfo(autosave.CopyPath()).size()) / 1e6, blocked[kRounds / 2], written[kRounds / 2]);
    bench::Target("recovery copy, the editor blocked", blocked[kRounds / 2], "ms", 50);
    return 0;
}
