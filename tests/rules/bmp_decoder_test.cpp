// The one BMP decoder: every layout to the pixels it stores, the editor's
// reader giving the same pixels, and what it refuses.
#include "base/BmpFile.h"
#include "rules/BmpDecoder.h"
#include "rules/XmlReader.h"
#include "support/BmpRecipe.h"

#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace bmp_test;

std::span<const std::uint8_t> Span(const QByteArray &b)
{
    return {reinterpret_cast<const std::uint8_t *>(b.constData()), std::size_t(b.size())};
}

std::string Refusal(const QByteArray &bytes)
{
    try {
        rules::DecodeBmp(Span(bytes));
    } catch (const rules::ReadError &e) {
        return e.what();
    }
    return "read";
}

// The colour a recipe's pixel value stands for, worked out from the recipe.
QRgb Expected(const BmpRecipe &r, quint32 v)
{
    if (r.bits <= 8)
        return int(v) < r.palette.size() ? r.palette[int(v)] : qRgb(0, 0, 0);
    QList<quint32> masks = r.masks;
    if (masks.isEmpty())
        masks = r.bits == 16 ? QList<quint32>{0x7C00, 0x03E0, 0x001F} : QList<quint32>{0xFF0000, 0xFF00, 0xFF};
    int c[4] = {0, 0, 0, 255};
    for (int i = 0; i < masks.size(); ++i) {
        int shift = 0;
        while (!((masks[i] >> shift) & 1))
            ++shift;
        const double max = double(masks[i] >> shift);
        c[i] = int(std::lround(double((v & masks[i]) >> shift) / max * 255.0));
    }
    return qRgba(c[0], c[1], c[2], c[3]);
}

QList<quint32> Row(std::initializer_list<quint32> values)
{
    return QList<quint32>(values);
}

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 200, 0), kBlue = qRgb(0, 0, 150), kGrey = qRgb(9, 9, 9);

// One bitmap of each layout, with rows of uneven widths and values at the ends.
QList<BmpRecipe> Layouts()
{
    const QList<QRgb> three = {kRed, kGreen, kBlue};
    return {
        {40, 9, 2, 1, 0, {}, {kBlue, kRed}, {Row({0, 1, 1, 0, 1, 0, 0, 1, 1}), Row({1, 0, 0, 0, 0, 0, 0, 0, 1})}},
        {40, 5, 2, 4, 0, {}, {kRed, kGreen, kBlue, kGrey}, {Row({0, 1, 2, 3, 0}), Row({3, 3, 3, 3, 2})}},
        // A short palette: index 7 lies beyond it.
        {40, 3, 2, 8, 0, {}, three, {Row({0, 1, 2}), Row({2, 7, 0})}},
        {12, 9, 1, 1, 0, {}, {kBlue, kRed}, {Row({0, 1, 1, 0, 1, 0, 0, 1, 1})}},
        {12, 5, 2, 4, 0, {}, three, {Row({0, 1, 2, 1, 0}), Row({2, 2, 2, 2, 1})}},
        {12, 3, 2, 8, 0, {}, three, {Row({0, 1, 2}), Row({2, 2, 0})}},
        {12, 2, 2, 24, 0, {}, {}, {Row({0x123456, 0xABCDEF}), Row({0, 0xFFFFFF})}},
        {40, 3, 2, 16, 0, {}, {}, {Row({0x7FFF, 0, 0x4210}), Row({0x7C00, 0x03E0, 0x001F})}},
        {40, 3, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {}, {Row({0xFFFF, 0x0821, 0xF81F})}},
        {40, 3, 2, 24, 0, {}, {}, {Row({0x123456, 0xABCDEF, 0}), Row({0xFFFFFF, 1, 0x800000})}},
        {40, 2, 2, 32, 0, {}, {}, {Row({0xFF123456, 0x00ABCDEF}), Row({0, 0xFFFFFFFF})}},
        // 10-11-11 bits: channels wider than 8 bits.
        {40, 2, 1, 32, 3, {0xFFC00000, 0x003FF800, 0x000007FF}, {}, {Row({0xFFFFFFFF, 0x80200401})}},
        {52, 2, 1, 16, 3, {0x0F00, 0x00F0, 0x000F}, {}, {Row({0x0F0F, 0x00F0})}},
        {56, 2, 1, 32, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {}, {Row({0x80102030, 0xFFFFFFFF})}},
        {108, 2, 2, 16, 3, {0x0F00, 0x00F0, 0x000F, 0xF000}, {}, {Row({0xF00F, 0x0F00}), Row({0x80F0, 0xFFFF})}},
        {124, 2, 1, 32, 3, {0xFF000000, 0xFF0000, 0xFF00, 0xFF}, {}, {Row({0x11223344, 0xFFFFFF00})}},
    };
}

} // namespace

TEST(BmpDecoder, EveryLayoutGivesItsPixelsAndTheEditorReadsTheSame)
{
    for (const BmpRecipe &r : Layouts()) {
        for (const bool topDown : {false, true}) {
            if (topDown && r.headerSize == 12)
                continue;   // a core header's height has no sign
            QByteArray bytes = makeBmp(r);
            if (topDown) {
                // The same rows stored the other way round, announced by a negative height.
                const qint64 stride = (qint64(r.width) * r.bits + 31) / 32 * 4;
                const qint64 start = bytes.size() - stride * r.height;
                QByteArray flipped = bytes.left(start);
                for (int y = r.height - 1; y >= 0; --y)
                    flipped += bytes.mid(start + y * stride, stride);
                bytes = flipped;
                qToLittleEndian<qint32>(-r.height, bytes.data() + 22);
            }
            const std::string what = std::to_string(r.headerSize) + "-byte header, " + std::to_string(r.bits)
                + " bits" + (topDown ? ", top-down" : "");
            const rules::BmpPixels p = rules::DecodeBmp(Span(bytes));
            ASSERT_EQ(p.width, r.width) << what;
            ASSERT_EQ(p.height, r.height) << what;
            const QImage editor = ReadBmp(bytes).image;
            const bool wide = editor.depth() == 64;
            const QImage editor32 = editor.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < r.height; ++y)
                for (int x = 0; x < r.width; ++x) {
                    const QRgb got = p.px[std::size_t(y * r.width + x)];
                    EXPECT_EQ(got, Expected(r, r.rows[y][x])) << what << " at " << x << "," << y;
                    const QRgb shown = editor32.pixel(x, y);
                    if (!wide) {
                        EXPECT_EQ(shown, got) << what << " at " << x << "," << y;
                    }
                    for (const int shift : {0, 8, 16, 24})   // 16 bits rounded to 8 may differ by one
                        EXPECT_LE(std::abs(int((shown >> shift) & 0xFF) - int((got >> shift) & 0xFF)), 1) << what;
                }
        }
    }
}

TEST(BmpDecoder, RunLengthCodesFillTheirRowsAndLeaveSkippedPixelsAtTheFirstColour)
{
    auto coded = [](int width, int height, int bits, const QByteArray &code, const QList<QRgb> &palette) {
        BmpRecipe r{40, width, height, bits, quint32(bits == 8 ? 1 : 2), {}, palette, {}};
        for (int y = 0; y < height; ++y)
            r.rows << QList<quint32>(width, 0);
        QByteArray bytes = makeBmp(r);
        const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
        bytes.chop(stride * height);
        bytes += code;
        qToLittleEndian<quint32>(quint32(bytes.size()), bytes.data() + 2);
        return rules::DecodeBmp(Span(bytes));
    };
    const QList<QRgb> pal = {kGrey, kRed, kGreen, kBlue, kRed, kGreen};
    // Bottom row: a run of three, an absolute run of three (padded) cut at the
    // width; then a delta over the middle row to the top row's third pixel.
    const QByteArray rle8("\x03\x01\x00\x03\x02\x03\x01\x00\x00\x00\x00\x02\x02\x01\x02\x04\x00\x01", 18);
    const rules::BmpPixels p8 = coded(5, 3, 8, rle8, pal);
    const QList<quint32> want8 = {0, 0, 4, 4, 0, /**/ 0, 0, 0, 0, 0, /**/ 1, 1, 1, 2, 3};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(p8.px[std::size_t(i)], pal[int(want8[i])]) << "RLE8 pixel " << i;
    // Alternating pairs, then an absolute run of three 4-bit pixels.
    const QByteArray rle4("\x04\x12\x00\x03\x34\x50\x00\x01", 8);
    const rules::BmpPixels p4 = coded(7, 1, 4, rle4, pal);
    const QList<quint32> want4 = {1, 2, 1, 2, 3, 4, 5};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(p4.px[std::size_t(i)], pal[int(want4[i])]) << "RLE4 pixel " << i;
    // A code that stops in the middle of an absolute run leaves the rest at the first colour.
    const rules::BmpPixels cut = coded(4, 1, 8, QByteArray("\x00\x04\x01", 3), pal);
    EXPECT_EQ(cut.px[0], kRed);
    EXPECT_EQ(cut.px[3], kGrey);
}

TEST(BmpDecoder, ShortFilesAndLyingHeadersAreRefused)
{
    // Every file cut short of its pixels, down to no bytes at all.
    for (const BmpRecipe &r : Layouts()) {
        const QByteArray whole = makeBmp(r);
        for (qsizetype n = 0; n < whole.size(); ++n)
            ASSERT_EQ(Refusal(whole.left(n)), rules::kBmpNotValid) << r.headerSize << "/" << r.bits << " cut at " << n;
    }
    const BmpRecipe base{40, 2, 2, 8, 0, {}, {kRed, kGreen}, {Row({0, 1}), Row({1, 0})}};
    auto lying = [&base](int at, qint64 value, int size = 4, BmpRecipe r = {}) {
        QByteArray bytes = makeBmp(r.width ? r : base);
        for (int i = 0; i < size; ++i)
            bytes[at + i] = char(quint64(value) >> (8 * i));
        return Refusal(bytes);
    };
    EXPECT_EQ(lying(0, 'B' | 'A' << 8, 2), rules::kBmpNotValid);
    EXPECT_EQ(lying(10, 0x7FFFFFF0), rules::kBmpNotValid);   // pixels beyond the end
    EXPECT_EQ(lying(14, 41), rules::kBmpNotValid);           // no such header
    EXPECT_EQ(lying(14, 0xFFFFFFFF), rules::kBmpNotValid);
    EXPECT_EQ(lying(18, 0), rules::kBmpNotValid);
    EXPECT_EQ(lying(18, -2), rules::kBmpNotValid);
    EXPECT_EQ(lying(22, 0), rules::kBmpNotValid);
    EXPECT_EQ(lying(18, 5), rules::kBmpNotValid);            // wider than its rows
    EXPECT_EQ(lying(28, 0, 2), rules::kBmpNotValid);
    EXPECT_EQ(lying(28, 2, 2), rules::kBmpNotValid);
    EXPECT_EQ(lying(30, 4), rules::kBmpNotValid);            // JPEG inside
    // Run-length coded rows top-down; a core header of 16 bits.
    EXPECT_EQ(lying(22, -2, 4, BmpRecipe{40, 2, 2, 8, 1, {}, {kRed}, {Row({0, 0}), Row({0, 0})}}),
              rules::kBmpNotValid);
    EXPECT_EQ(lying(24, 16, 2, BmpRecipe{12, 1, 1, 24, 0, {}, {}, {Row({0})}}), rules::kBmpNotValid);
    // A palette said to hold more colours than the bits allow takes what fits.
    EXPECT_EQ(lying(46, 0xFFFFFFFF), "read");

    // Sides: 32767 pixels read, one more does not.
    auto line = [](int width, int height) {
        BmpRecipe r{40, 1, 1, 1, 0, {}, {kRed, kBlue}, {Row({1})}};
        QByteArray bytes = makeBmp(r);
        bytes.chop(4);
        bytes += QByteArray(int((qint64(width) + 31) / 32 * 4 * height), '\xFF');
        qToLittleEndian<qint32>(width, bytes.data() + 18);
        qToLittleEndian<qint32>(height, bytes.data() + 22);
        return bytes;
    };
    EXPECT_EQ(Refusal(line(32767, 1)), "read");
    EXPECT_EQ(Refusal(line(1, 32767)), "read");
    EXPECT_EQ(Refusal(line(32768, 1)), rules::kBmpNotValid);
    EXPECT_EQ(Refusal(line(1, 32768)), rules::kBmpNotValid);
    // A picture small as stored whose 32-bit pixels would pass 256 MB.
    EXPECT_EQ(Refusal(line(16384, 4097)), rules::kBmpNotValid);
}
