// Times the opening of the design gallery: every shipped design's thumbnail
// drawn (read, rendered at its own size, scaled down on every core) and the
// gallery dialog built, with nothing kept from before, against one render of
// a new project's menu window, in the same run; then the opening again with
// the thumbnails kept. The gallery must open in under 300 ms.
#include "app/TDesignGalleryForm.h"
#include "app/cli/CliEditor.h"
#include "layout/TDesignThumbnails.h"

#include "PairTiming.h"
#include "Target.h"

#include <QApplication>
#include <cstdio>

namespace {

constexpr int kRounds = 5;
constexpr double kLimitMs = 300.0;

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<TGalleryDesign> shipped;
    for (const TGalleryDesign &d : TDesignGallery(QStringLiteral("/nonexistent")).Designs())
        shipped << d;
    const TMenuSource::Level level = TDesignThumbnails::SampleLevel();

    cli::Editor editor;
    const auto [galleryMs, renderMs] = bench::medianPairMs(
        kRounds,
        [&] {
            TDesignThumbnails thumbnails;
            const QList<QImage> images = thumbnails.Draw(shipped, level);
            TDesignGalleryForm form(shipped, images, {});
        },
        [&] {
            editor.form.fillMenu();
            editor.form.renderClient(false);
        });
    TDesignThumbnails kept;
    kept.Draw(shipped, level);
    const double keptMs = bench::best(kRounds, [&] {
        const QList<QImage> images = kept.Draw(shipped, level);
        TDesignGalleryForm form(shipped, images, {});
    }) * 1e3;

    std::printf("gallery of %d designs, nothing kept: %.1f ms\n", int(shipped.size()), galleryMs);
    std::printf("one render of a new project:        %.1f ms (ratio %.1f)\n", renderMs, galleryMs / renderMs);
    std::printf("gallery again, thumbnails kept:     %.1f ms\n", keptMs);
    bench::Target("gallery opened, nothing kept", galleryMs, "ms", kLimitMs);
    return 0;
}
