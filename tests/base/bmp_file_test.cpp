#include "base/BmpFile.h"
#include "base/BrenwickError.h"
#include "base/TPicture.h"
#include "support/BmpRecipe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace bmp_test;

QString readError(const QByteArray &bytes)
{
    try {
        ReadBmp(bytes);
    } catch (const BrenwickError &e) {
        return e.message();
    }
    return QStringLiteral("read");
}

const QString kNotValid = QStringLiteral("Bitmap image is not valid");

} // namespace

// Old core-header files, often with a palette shorter than the bit count
// allows: read with the right colours and written back byte for byte.
TEST(BmpFile, CoreHeaderBitmapsReadRightAndWriteBackUnchanged)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 200, 0), blue = qRgb(0, 0, 150);
    BmpRecipe eight{12, 3, 2, 8, 0, {}, {red, green, blue}, {{0, 1, 2}, {2, 2, 0}}};
    BmpRecipe four{12, 5, 2, 4, 0, {}, {red, green, blue}, {{0, 1, 2, 1, 0}, {2, 2, 2, 2, 1}}};
    BmpRecipe one{12, 9, 1, 1, 0, {}, {blue, red}, {{0, 1, 1, 0, 1, 0, 0, 1, 1}}};
    BmpRecipe rgb{12, 2, 2, 24, 0, {}, {}, {{0x123456, 0xABCDEF}, {0, 0xFFFFFF}}};
    for (const BmpRecipe &recipe : {eight, four, one, rgb}) {
        const QByteArray bytes = makeBmp(recipe);
        const TBmpImage read = ReadBmp(bytes);
        ASSERT_EQ(read.image.size(), QSize(recipe.width, recipe.height)) << recipe.bits;
        for (int y = 0; y < recipe.height; ++y)
            for (int x = 0; x < recipe.width; ++x) {
                const quint32 v = recipe.rows[y][x];
                const QRgb want = recipe.bits == 24 ? (v | 0xFF000000u) : recipe.palette[int(v)];
                EXPECT_EQ(read.image.pixel(x, y), want) << recipe.bits << " at " << x << "," << y;
            }
        EXPECT_TRUE(read.layout.coreHeader);
        EXPECT_EQ(WriteBmp(read.image, read.layout), bytes) << recipe.bits;
    }
    // An index beyond the palette is black, not a neighbour's colour.
    BmpRecipe beyond{12, 2, 1, 8, 0, {}, {red}, {{0, 7}}};
    EXPECT_EQ(ReadBmp(makeBmp(beyond)).image.pixel(1, 0), qRgb(0, 0, 0));
}

// Colour masks of any widths give the exact colours (each channel scaled to its
// full range) and are kept: the same bytes come back, 16 bits stay 16 bits.
TEST(BmpFile, ColourMasksOfAnyWidthReadExactlyAndAreKept)
{
    struct Masks
    {
        int bits;
        quint32 r, g, b;
        quint32 compression;
    };
    const Masks cases[] = {{16, 0xF800, 0x07E0, 0x001F, 3},            // 5-6-5
                           {16, 0x7C00, 0x03E0, 0x001F, 0},            // 5-5-5 without masks
                           {16, 0x0030, 0x000E, 0x0001, 3},            // 2-3-1
                           {32, 0xFFC00000, 0x003FF800, 0x000007FF, 3},   // 10-11-11
                           {32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0}};
    std::mt19937 rng(13);
    for (const Masks &m : cases) {
        BmpRecipe recipe{40, 7, 3, m.bits, m.compression, {}, {}, {}};
        if (m.compression == 3)
            recipe.masks = {m.r, m.g, m.b};
        const quint32 used = m.r | m.g | m.b;
        for (int y = 0; y < recipe.height; ++y) {
            QList<quint32> row;
            for (int x = 0; x < recipe.width; ++x)
                row << (x == 0 ? used : x == 1 ? 0 : quint32(rng()) & used);
            recipe.rows << row;
        }
        const QByteArray bytes = makeBmp(recipe);
        const TBmpImage read = ReadBmp(bytes);
        // Channels of up to 8 bits are held at 8 bits, wider ones at 16.
        const bool wide = read.image.depth() == 64;
        auto channel = [wide](quint32 v, quint32 mask) {
            int shift = 0;
            while (!((mask >> shift) & 1))
                ++shift;
            const double value = double((v & mask) >> shift) / double(mask >> shift);
            return wide ? qRound(value * 65535.0) : qRound(value * 255.0) * 257;
        };
        for (int y = 0; y < recipe.height; ++y)
            for (int x = 0; x < recipe.width; ++x) {
                const quint32 v = recipe.rows[y][x];
                const QRgba64 c = read.image.pixelColor(x, y).rgba64();
                EXPECT_EQ(c.red(), channel(v, m.r)) << m.bits << " " << std::hex << m.r;
                EXPECT_EQ(c.green(), channel(v, m.g)) << m.bits << " " << std::hex << m.g;
                EXPECT_EQ(c.blue(), channel(v, m.b)) << m.bits << " " << std::hex << m.b;
            }
        EXPECT_EQ(read.image.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(WriteBmp(read.image, read.layout), bytes) << m.bits << " " << std::hex << m.r;
    }
}

TEST(BmpFile, AlphaMasksAndTopDownRowsReadRight)
{
    // 4-4-4-4 in a 108-byte header: alpha in the top bits.
    BmpRecipe argb{108, 2, 2, 16, 3, {0x0F00, 0x00F0, 0x000F, 0xF000}, {}, {{0xF00F, 0x0F00}, {0x80F0, 0xFFFF}}};
    const TBmpImage read = ReadBmp(makeBmp(argb));
    EXPECT_EQ(read.image.pixel(0, 0), qRgba(0, 0, 255, 255));
    EXPECT_EQ(qAlpha(read.image.pixel(1, 0)), 0);
    EXPECT_EQ(read.image.pixel(0, 1), qRgba(0, 255, 0, 136));
    EXPECT_EQ(read.image.pixel(1, 1), qRgba(255, 255, 255, 255));
    // Written back with a 40-byte header: still 16 bits with its colour masks,
    // what was transparent put over white.
    const QByteArray written = WriteBmp(read.image, read.layout);
    EXPECT_EQ(qFromLittleEndian<quint32>(written.constData() + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<quint16>(written.constData() + 28), 16);
    const TBmpImage back = ReadBmp(written);
    EXPECT_EQ(back.image.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(back.image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(back.layout.greenMask, 0x00F0u);

    // Negative height: the first stored row is the top one.
    BmpRecipe down{40, 2, 2, 24, 0, {}, {}, {{1, 2}, {3, 4}}};
    QByteArray bytes = makeBmp(down);
    qToLittleEndian<qint32>(-2, bytes.data() + 22);
    EXPECT_EQ(ReadBmp(bytes).image.pixel(0, 0), 0xFF000003u);
}

TEST(BmpFile, VariantsThatCannotBeReadExactlyAreRefused)
{
    auto masked = [](int bits, QList<quint32> masks) {
        return makeBmp(BmpRecipe{40, 1, 1, bits, 3, masks, {}, {{0}}});
    };
    EXPECT_EQ(readError(masked(16, {0xF0F0, 0x0F00, 0x000F})), kNotValid);   // a mask in two pieces
    EXPECT_EQ(readError(masked(16, {0xFF00, 0x0FF0, 0x000F})), kNotValid);   // overlapping masks
    EXPECT_EQ(readError(masked(16, {0x1F0000, 0x07E0, 0x001F})), kNotValid); // beyond the pixel
    EXPECT_EQ(readError(masked(24, {0xFF0000, 0xFF00, 0xFF})), kNotValid);   // masks need 16 or 32 bits
    EXPECT_EQ(readError(masked(16, {0, 0, 0})), kNotValid);
    EXPECT_EQ(readError(makeBmp(BmpRecipe{40, 1, 1, 2, 0, {}, {0, 0, 0, 0}, {{0}}})), kNotValid);   // 2 bits
    EXPECT_EQ(readError(makeBmp(BmpRecipe{40, 1, 1, 24, 4, {}, {}, {{0}}})), kNotValid);   // JPEG inside
    EXPECT_EQ(readError(makeBmp(BmpRecipe{64, 1, 1, 1, 3, {}, {0, 0}, {{0}}})), kNotValid);   // OS/2 Huffman
    EXPECT_EQ(readError(makeBmp(BmpRecipe{16, 1, 1, 24, 0, {}, {}, {{0}}})), kNotValid);   // unknown header
    const QByteArray whole = makeBmp(BmpRecipe{12, 4, 4, 24, 0, {}, {}, QList<QList<quint32>>(4, {0, 0, 0, 0})});
    EXPECT_EQ(readError(whole.left(whole.size() - 1)), kNotValid);
}

// The picture dialog reads bitmaps through the same reader and keeps their layout.
TEST(BmpFile, LoadedBitmapFilesKeepTheirLayout)
{
    QTemporaryDir dir;
    const QByteArray bytes = makeBmp(BmpRecipe{40, 2, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {}, {{0xF800, 0x001F}}});
    const QString good = dir.filePath(QStringLiteral("565.bmp"));
    const QString bad = dir.filePath(QStringLiteral("bad.bmp"));
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        QFile g(bad);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(bytes.left(bytes.size() - 2));
    }
    TPicture picture;
    picture.loadFromFile(good);
    EXPECT_EQ(picture.kind(), TPicture::gkBitmap);
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(WriteBmp(picture.image(), picture.bitmapLayout()), bytes);
    TPicture copy;
    copy.assign(picture);
    EXPECT_EQ(copy.bitmapLayout(), picture.bitmapLayout());
    // A new image forgets the layout it replaces.
    copy.setBitmap(picture.image().copy());
    EXPECT_FALSE(copy.bitmapLayout().known);

    TPicture untouched;
    untouched.loadFromFile(good);
    EXPECT_THROW(untouched.loadFromFile(bad), BrenwickError);
    EXPECT_EQ(untouched.bitmapLayout(), picture.bitmapLayout());
}

// A full palette announced as "0 colours used" is written back the same way;
// a shorter one names its count.
TEST(BmpFile, ColoursUsedOfAPaletteWriteBackAsRead)
{
    QList<QRgb> sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen << qRgb(i * 16, 255 - i * 16, i);
    QByteArray full = makeBmp(BmpRecipe{40, 3, 1, 4, 0, {}, sixteen, {{0, 15, 7}}});
    qToLittleEndian<quint32>(0, full.data() + 46);
    const QByteArray shorter = makeBmp(BmpRecipe{40, 3, 1, 4, 0, {}, sixteen.mid(0, 9), {{0, 8, 7}}});
    for (const QByteArray &bytes : {full, shorter}) {
        const TBmpImage read = ReadBmp(bytes);
        EXPECT_EQ(WriteBmp(read.image, read.layout), bytes);
    }
}
