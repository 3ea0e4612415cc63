#include "layout/TDesignPaint.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr quint32 kBlue = 0xFF0000;   // $00BBGGRR
constexpr quint32 kBlack = 0;

QImage gradientImage(QSize size, quint32 top, quint32 bottom)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter p(&img);
    paintGradient(p, size, top, bottom);
    return img;
}

} // namespace

TEST(Gradient, DefaultColoursRowByRow)
{
    EXPECT_EQ(gradientRowColor(kBlue, kBlack, 0, 316), qRgb(0, 0, 255));
    EXPECT_EQ(gradientRowColor(kBlue, kBlack, 1, 316), qRgb(0, 0, 255));
    EXPECT_EQ(gradientRowColor(kBlue, kBlack, 2, 316), qRgb(0, 0, 254));
    EXPECT_EQ(gradientRowColor(kBlue, kBlack, 157, 316), qRgb(0, 0, 129));
    EXPECT_EQ(gradientRowColor(kBlue, kBlack, 315, 316), qRgb(0, 0, 1));

    const QImage img = gradientImage({512, 316}, kBlue, kBlack);
    for (int y : {0, 1, 2, 157, 315}) {
        EXPECT_EQ(img.pixel(0, y), gradientRowColor(kBlue, kBlack, y, 316)) << y;
        EXPECT_EQ(img.pixel(511, y), gradientRowColor(kBlue, kBlack, y, 316)) << y;
    }
}

TEST(Gradient, RisingAndFallingBytesTruncateTowardZero)
{
    // Red rises 0 -> 255, green falls 255 -> 0, blue stays: each byte alone.
    const quint32 top = 0x3000FF00;   // the fourth byte is ignored
    const quint32 bottom = 0x000000FF;
    EXPECT_EQ(gradientRowColor(top, bottom, 0, 100), qRgb(0, 255, 0));
    EXPECT_EQ(gradientRowColor(top, bottom, 99, 100), qRgb(252, 3, 0));
    // -255 * 1 / 2 = -127 (toward zero), not -128.
    EXPECT_EQ(gradientRowColor(0x0000FF00, 0, 1, 2), qRgb(0, 128, 0));
}

TEST(Gradient, DirtyRectangleRowsMatchTheFullPaint)
{
    const QImage full = gradientImage({64, 100}, 0x00FF8000, 0x000080FF);
    QImage part(64, 100, QImage::Format_RGB32);
    part.fill(Qt::magenta);
    QPainter p(&part);
    paintGradient(p, {64, 100}, 0x00FF8000, 0x000080FF, QRect(10, 37, 20, 30));
    p.end();
    EXPECT_EQ(part.pixel(10, 37), full.pixel(10, 37));
    EXPECT_EQ(part.pixel(29, 66), full.pixel(29, 66));
    EXPECT_EQ(part.pixel(30, 66), QColor(Qt::magenta).rgb());
    EXPECT_EQ(part.pixel(10, 67), QColor(Qt::magenta).rgb());
}

TEST(Gradient, SystemColourTakenAsItStands)
{
    // A system colour ($FF00000F) is not resolved: its low bytes are used.
    EXPECT_EQ(gradientRowColor(0xFF00000Fu, 0xFF00000Fu, 10, 20), qRgb(15, 0, 0));
}

TEST(Gradient, EqualColoursAndEmptyWindow)
{
    const QImage img = gradientImage({20, 50}, 0x123456, 0x123456);
    for (int y = 0; y < 50; ++y)
        EXPECT_EQ(img.pixel(10, y), qRgb(0x56, 0x34, 0x12));
    // A client height of 0 draws nothing.
    QImage none(10, 10, QImage::Format_RGB32);
    none.fill(Qt::magenta);
    QPainter p(&none);
    paintGradient(p, {10, 0}, kBlue, kBlack);
    p.end();
    EXPECT_EQ(none.pixel(0, 0), QColor(Qt::magenta).rgb());
}

TEST(Gradient, WhenTheBackgroundPictureSuppressesIt)
{
    const QSize client(512, 316);
    TBackgroundPicture none;   // empty, not stretched, visible
    EXPECT_TRUE(paintsGradient(none, client, true));
    EXPECT_FALSE(paintsGradient(none, client, false));

    TBackgroundPicture covering{false, false, true, QSize(512, 316)};
    EXPECT_FALSE(paintsGradient(covering, client, true));
    covering.visible = false;
    EXPECT_TRUE(paintsGradient(covering, client, true));
    TBackgroundPicture narrow{false, false, true, QSize(511, 400)};
    EXPECT_TRUE(paintsGradient(narrow, client, true));

    TBackgroundPicture stretched{true, false, true, QSize(10, 10)};
    EXPECT_FALSE(paintsGradient(stretched, client, true));
    stretched.proportional = true;
    EXPECT_TRUE(paintsGradient(stretched, client, true));
    stretched.visible = false;
    EXPECT_FALSE(paintsGradient(stretched, client, true));
}

TEST(SelectionFrame, OutlineEndsBeforeRightAndBottom)
{
    QImage img(60, 60, QImage::Format_RGB32);
    img.fill(qRgb(0, 128, 0));
    QPainter p(&img);
    paintSelectionFrame(p, QRect(10, 10, 30, 20));
    p.end();
    const QRgb green = qRgb(0, 128, 0);
    // The outline is white dashes with black dots over them (where both pens
    // leave a gap the background shows); nothing off the outline changes.
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool onOutline = (x >= 10 && x <= 39 && (y == 10 || y == 29))
                || (y >= 10 && y <= 29 && (x == 10 || x == 39));
            const QRgb c = img.pixel(x, y);
            if (!onOutline) {
                EXPECT_EQ(c, green) << x << "," << y;
            }
        }
    }
    // Dots over dashes: both colours appear along the top edge.
    int white = 0, black = 0, other = 0;
    for (int x = 10; x <= 39; ++x) {
        const QRgb c = img.pixel(x, 10);
        (c == qRgb(0, 0, 0) ? black : c == qRgb(255, 255, 255) ? white : other)++;
    }
    EXPECT_GT(white, black / 2);
    EXPECT_GT(black, 5);
    EXPECT_LT(other, 10);
    // All four edges are drawn.
    auto marked = [&](QPoint from, QPoint step, int n) {
        int count = 0;
        for (int i = 0; i < n; ++i)
            count += img.pixel(from + step * i) != green;
        return count;
    };
    EXPECT_GT(marked({10, 10}, {1, 0}, 30), 15);
    EXPECT_GT(marked({10, 29}, {1, 0}, 30), 15);
    EXPECT_GT(marked({10, 10}, {0, 1}, 20), 10);
    EXPECT_GT(marked({39, 10}, {0, 1}, 20), 10);
}
