// Times the test-run of a project that carries ten 1920x1080 pictures: opening
// it (writing the project into memory and reading those bytes into a window of
// its own) against opening the same project from its file, in the same run;
// and one hover repaint of a 1920x1080 menu window.
#include "app/cli/CliEditor.h"
#include "layout/TTrialDesign.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

#include "BenchPictures.h"
#include "PairTiming.h"
#include "Target.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int kWidth = bench::kPictureWidth;
constexpr int kHeight = bench::kPictureHeight;
constexpr int kPictures = 10;
constexpr int kRounds = 3;
constexpr int kHovers = 20;
constexpr int kEntries = 12;

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velmora.XML"));

    cli::Editor editor;
    TPreviewForm &form = editor.form;
    form.setClientWidth(kWidth);
    form.setClientHeight(kHeight);
    QList<TPicture *> pictures = bench::DesignPictures(editor, kPictures);
    for (int i = 0; i < kPictures; ++i)
        pictures[i]->setBitmap(bench::MakePicture(unsigned(i + 1)));
    for (int i = 0; i < kEntries; ++i)
        editor.project.Tree().AddItem(QStringLiteral("Команда %1").arg(i + 1), ikProgram,
                                      TCommandTree::TPlace::LastChildOf(nullptr), false);
    editor.project.SaveProject(file, TProject::WholeProject());

    cli::Editor reader;
    const auto [trial, open] = bench::medianPairMs(
        kRounds,
        [&] {
            const QByteArray written = editor.project.ProjectBytes();
            TTrialDesign design(written, editor.project.KnownPictures());
        },
        [&] { reader.project.LoadProject(file, TProject::WholeProject()); });

    QByteArray bytes;
    const double writing = bench::msOf([&] { bytes = editor.project.ProjectBytes(); });
    const double reading = bench::msOf([&] { TTrialDesign again(bytes, editor.project.KnownPictures()); });
    TTrialDesign design(editor.project.ProjectBytes());
    const std::unique_ptr<TMenuRun> run = design.MakeRun(QString(), QString());
    design.Show(*run);
    design.Render();
    std::vector<double> hovers;
    for (int i = 0; i < kHovers; ++i) {
        hovers.push_back(bench::msOf([&] {
            run->Select((i + 1) % kEntries);
            design.Show(*run);
            design.Render();
        }));
    }
    std::sort(hovers.begin(), hovers.end());

    std::printf("project with %d pictures of %dx%d, window %dx%d (median of %d runs)\n", kPictures, kWidth, kHeight,
                form.ClientWidth(), form.ClientHeight(), kRounds);
    std::printf("test-run open %8.1f ms   open from file %8.1f ms   ratio %.3f\n", trial, open, trial / open);
    std::printf("  of which: the project written into memory %8.1f ms, those bytes read into the window %8.1f ms\n",
                writing, reading);
    std::printf("hover repaint %8.1f ms median, %.1f ms worst of %d\n", hovers[hovers.size() / 2], hovers.back(),
                kHovers);
    bench::Target("test-run open, of open from file", trial / open, "x", 1.3);
    bench::Target("hover repaint, median", hovers[hovers.size() / 2], "ms", 16);
    return 0;
}
