#pragma once

// The pictures the benchmarks load into a design: full-HD and photograph-like,
// so that compressing them costs what a real project's pictures cost.

#include "app/cli/CliEditor.h"
#include "base/TPicture.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "window/TPictureSet.h"
#include "window/TStyledButton.h"

#include <QImage>
#include <QList>
#include <algorithm>
#include <random>

namespace bench {

constexpr int kPictureWidth = 1920;
constexpr int kPictureHeight = 1080;

// Smooth gradients with some noise; the same seed gives the same picture.
inline QImage MakePicture(unsigned seed)
{
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    std::mt19937 rng(seed);
    for (int y = 0; y < kPictureHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kPictureWidth; ++x) {
            const int noise = int(rng() % 9) - 4;
            line[x] = qRgb(std::clamp(x * 255 / kPictureWidth + noise, 0, 255),
                           std::clamp(y * 255 / kPictureHeight + noise, 0, 255),
                           std::clamp((x + y + int(seed)) % 256 + noise, 0, 255));
        }
    }
    return image;
}

// The first count pictures of a design, in a fixed order: the background and
// the theme, the menu buttons' three, then three of each new stand-alone button.
inline QList<TPicture *> DesignPictures(cli::Editor &editor, int count)
{
    TPreviewForm &form = editor.form;
    QList<TPicture *> pictures{form.BackImage()->Picture(), form.ThemeImage()->Picture()};
    const TPictureSet *style = form.MenuArea()->ButtonStyle()->Pictures();
    pictures << style->Default() << style->Selected() << style->Pressed();
    for (int i = 0; pictures.size() < count; ++i) {
        const TPictureSet *set = editor.layout.CreatePicButton(QStringLiteral("b%1").arg(i))->Pictures();
        pictures << set->Default() << set->Selected() << set->Pressed();
    }
    pictures.resize(count);
    return pictures;
}

} // namespace bench
