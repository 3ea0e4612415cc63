#include "XmlTestUtil.h"

#include "base/TPicture.h"
#include "xml/PictureText.h"

#include <QPainter>
#include <QtEndian>
#include <cstring>
#include <random>
#include <zlib.h>

namespace {

const QString kEmptyPictureText = QStringLiteral("0;eJwDAAAAAAE=");

QByteArray inflateAll(const QByteArray &compressed, qsizetype size)
{
    QByteArray out(size, '\0');
    uLongf length = uLongf(size);
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef *>(out.data()), &length,
                         reinterpret_cast<const Bytef *>(compressed.constData()), uLong(compressed.size())),
              Z_OK);
    out.truncate(qsizetype(length));
    return out;
}

QString textFor(const QByteArray &data, qint64 sizeField)
{
    QByteArray compressed(qsizetype(compressBound(uLong(data.size()))), '\0');
    uLongf length = uLongf(compressed.size());
    compress2(reinterpret_cast<Bytef *>(compressed.data()), &length,
              reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), Z_DEFAULT_COMPRESSION);
    compressed.truncate(qsizetype(length));
    return QString::number(sizeField) + u';' + QString::fromLatin1(compressed.toBase64());
}

QImage twoByTwo()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(1, 2, 3));
    return image;
}

bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

QString errorOfText(const QString &text)
{
    TPicture picture;
    return errorOf([&] { TextToPicture(picture, text); });
}

const QString kNotValid = QStringLiteral("Bitmap image is not valid");

} // namespace

TEST(PictureText, EmptyPicturesAndEmptyTexts)
{
    TPicture picture;
    int changes = 0;
    picture.setOnChange([&](TPicture *) { ++changes; });
    EXPECT_EQ(PictureToText(picture), kEmptyPictureText);
    EXPECT_EQ(picture.kind(), TPicture::gkBitmap);   // it now holds an empty bitmap
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_EQ(changes, 1);

    // Empty text, or a size of 0 or below, gives an empty bitmap whatever follows.
    for (const QString &text : {QString(), kEmptyPictureText, QStringLiteral("0;not base64 at all!"),
                                QStringLiteral("-7;"), QStringLiteral("-2147483648;x")}) {
        TPicture p;
        p.setBitmap(twoByTwo());
        TextToPicture(p, text);
        EXPECT_EQ(p.kind(), TPicture::gkBitmap) << text.toStdString();
        EXPECT_TRUE(p.isEmpty()) << text.toStdString();
    }
}

TEST(PictureText, TrueColourBitmapRoundTripsWithItsLayout)
{
    TPicture picture;
    picture.setBitmap(twoByTwo());
    const QString text = PictureToText(picture);
    const qsizetype semicolon = text.indexOf(u';');
    const qsizetype size = text.left(semicolon).toLongLong();
    const QByteArray bmp = inflateAll(QByteArray::fromBase64(text.mid(semicolon + 1).toLatin1()), size);

    // The size field is the uncompressed length; the data is a 24-bit BMP.
    ASSERT_EQ(bmp.size(), size);
    EXPECT_EQ(size, 14 + 40 + 2 * 8);   // rows of 6 bytes padded to 8
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(bmp.constData() + 2), quint32(size));
    EXPECT_EQ(qFromLittleEndian<quint32>(bmp.constData() + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);
    EXPECT_FALSE(text.contains(u'\n'));

    TPicture back;
    TextToPicture(back, text);
    EXPECT_EQ(back.kind(), TPicture::gkBitmap);
    EXPECT_TRUE(samePixels(back.image(), twoByTwo()));
}

TEST(PictureText, PalettesOfOneAndEightBitBitmapsAreKept)
{
    QImage mono(9, 3, QImage::Format_Mono);
    mono.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 9; ++x)
            mono.setPixel(x, y, (x + y) % 2);
    QImage indexed(5, 4, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 40; ++i)
        table << qRgb(i * 6, 255 - i, i);
    indexed.setColorTable(table);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            indexed.setPixel(x, y, (x * 7 + y * 3) % 40);

    for (const auto &[image, bits] : {std::pair{mono, 1}, std::pair{indexed, 8}}) {
        TPicture picture;
        picture.setBitmap(image);
        const QByteArray bmp = PictureTextToBytes(PictureToText(picture));
        EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), bits);
        TPicture back;
        TextToPicture(back, PictureToText(picture));
        EXPECT_EQ(back.image().depth(), bits);
        EXPECT_TRUE(samePixels(back.image(), image)) << bits;
    }
}

// Row padding and the spare bits of a 1-bit row are memory the image never
// set: the same pixels must give the same bytes whatever that memory holds.
TEST(PictureText, SamePixelsGiveTheSameBytesWhateverTheRowPaddingHolds)
{
    // 1 bit; 8 bits; 8 bits with few colours, which Qt writes as 4-bit pixels
    // and packs reading one byte beyond an odd row's last pixel.
    struct Case
    {
        QImage::Format format;
        int colours;
        QByteArray firstRow;
    };
    const Case cases[] = {{QImage::Format_Mono, 2, QByteArray("\x40\0\0\0", 4)},
                          {QImage::Format_Indexed8, 40, QByteArray("\0\1\0\0", 4)},
                          {QImage::Format_Indexed8, 3, QByteArray("\x01\0\0\0", 4)}};
    for (const Case &c : cases) {
        QList<QRgb> table;
        for (int i = 0; i < c.colours; ++i)
            table << qRgb(i, 2 * i, 3 * i);
        QImage clean(3, 2, c.format);
        clean.setColorTable(table);
        QImage dirty = clean.copy();
        for (int y = 0; y < 2; ++y) {
            std::memset(clean.scanLine(y), 0, size_t(clean.bytesPerLine()));
            std::memset(dirty.scanLine(y), 0xA5, size_t(dirty.bytesPerLine()));
            for (int x = 0; x < 3; ++x) {
                clean.setPixel(x, y, uint(x % 2));
                dirty.setPixel(x, y, uint(x % 2));
            }
        }
        const QByteArray bytes = BitmapBytes(dirty);
        EXPECT_EQ(bytes, BitmapBytes(clean)) << c.colours;
        // Every row: the pixels, then zeros up to the next 4-byte boundary.
        const int offBits = int(qFromLittleEndian<quint32>(bytes.constData() + 10));
        EXPECT_EQ(bytes.mid(offBits, 4), c.firstRow) << c.colours;
        TPicture back;
        TextToPicture(back, BytesToPictureText(bytes));
        EXPECT_TRUE(samePixels(back.image(), clean)) << c.colours;
    }
}

TEST(PictureText, OtherKindsOfImageAreDrawnOverWhite)
{
    QImage png(3, 2, QImage::Format_ARGB32);
    png.fill(Qt::transparent);
    png.setPixel(0, 0, qRgba(0, 0, 255, 255));
    png.setPixel(1, 0, qRgba(0, 0, 0, 0));
    for (const TPicture::GraphicKind kind : {TPicture::gkPng, TPicture::gkJpeg, TPicture::gkGif, TPicture::gkIcon}) {
        TPicture picture;
        picture.setGraphic(png, kind);
        const QString text = PictureToText(picture);
        EXPECT_EQ(picture.kind(), TPicture::gkBitmap);
        TPicture back;
        TextToPicture(back, text);
        ASSERT_EQ(back.image().size(), QSize(3, 2));
        EXPECT_EQ(back.image().pixel(0, 0), qRgb(0, 0, 255));
        EXPECT_EQ(back.image().pixel(1, 0), qRgb(255, 255, 255));
        EXPECT_EQ(back.image().pixel(2, 1), qRgb(255, 255, 255));
    }
    // A bitmap whose pixels carry transparency is flattened the same way.
    TPicture bitmap;
    bitmap.setBitmap(png);
    TPicture back;
    TextToPicture(back, PictureToText(bitmap));
    EXPECT_EQ(back.image().pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(back.image().pixel(0, 0), qRgb(0, 0, 255));
}

TEST(PictureText, LargeNoisyPictureRoundTripsExactly)
{
    QImage image(301, 157, QImage::Format_RGB32);
    std::mt19937 rng(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(int(rng() % 256), x % 256, y % 256));
    TPicture picture;
    picture.setBitmap(image);
    TPicture back;
    TextToPicture(back, PictureToText(picture));
    EXPECT_TRUE(samePixels(back.image(), image));
}

TEST(PictureText, Base64LineBreaksAreSkippedOtherCharactersAreNot)
{
    TPicture picture;
    picture.setBitmap(twoByTwo());
    const QString text = PictureToText(picture);
    const qsizetype semicolon = text.indexOf(u';');
    QString broken = text.left(semicolon + 1);
    for (qsizetype i = semicolon + 1; i < text.size(); i += 4)
        broken += text.mid(i, 4) + (i % 8 ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    TPicture back;
    TextToPicture(back, broken);
    EXPECT_TRUE(samePixels(back.image(), twoByTwo()));

    const QString coding = QStringLiteral("Coding table entry not found.");
    QString withBlank = text;
    withBlank.insert(semicolon + 5, u' ');
    QString withTab = text;
    withTab.insert(semicolon + 5, u'\t');
    QString withInnerPadding = text;
    withInnerPadding.insert(semicolon + 5, u'=');
    QString withCyrillic = text;
    withCyrillic.insert(semicolon + 5, u'Ж');
    for (const QString &bad : {withBlank, withTab, withInnerPadding, withCyrillic, QStringLiteral("4;-_-_")})
        EXPECT_EQ(errorOfText(bad), coding) << bad.toStdString();
    // A trailing "=" (even a surplus one) and a trailing line break are accepted.
    TextToPicture(back, text + QStringLiteral("=\r\n"));
    EXPECT_TRUE(samePixels(back.image(), twoByTwo()));
}

// A text that reads is written back as it stands only when it is in the
// writer's own form, whatever zlib level made it; one character off that form,
// it is written as the writer writes the picture.
TEST(PictureText, OnlyTheWritersOwnFormIsWrittenBackAsItStands)
{
    const QByteArray bytes = BitmapBytes(twoByTwo());
    auto atLevel = [](const QByteArray &data, int level) {
        uLongf length = compressBound(uLong(data.size()));
        QByteArray compressed(qsizetype(length), '\0');
        compress2(reinterpret_cast<Bytef *>(compressed.data()), &length,
                  reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), level);
        compressed.truncate(qsizetype(length));
        return QString::number(data.size()) + u';' + QString::fromLatin1(compressed.toBase64());
    };
    auto written = [](const QString &text) {
        TPicture picture;
        TextToPicture(picture, text);
        return PictureToText(picture);
    };
    const QString own = textFor(bytes, bytes.size());
    const QString fast = atLevel(bytes, Z_BEST_SPEED);
    ASSERT_NE(fast, own);
    ASSERT_TRUE(fast.endsWith(u'=') && !fast.endsWith(QStringLiteral("==")));
    const QString emptyFast = atLevel(QByteArray(), Z_BEST_SPEED);
    ASSERT_EQ(emptyFast, QStringLiteral("0;eAEDAAAAAAE="));
    for (const QString &kept : {own, fast, atLevel(bytes, Z_BEST_COMPRESSION), emptyFast, kEmptyPictureText})
        EXPECT_EQ(written(kept), kept) << kept.toStdString();

    const qsizetype semicolon = fast.indexOf(u';');
    const QString brokenLine = fast.left(semicolon + 9) + QStringLiteral("\r\n") + fast.mid(semicolon + 9);
    QString lastBitsSet = fast;
    lastBitsSet[fast.size() - 2] = QChar(lastBitsSet[fast.size() - 2].unicode() + 1);
    const QString offs[] = {QChar(u'+') + fast, QChar(u'0') + fast, brokenLine, fast + QStringLiteral("\r\n"),
                            fast + QChar(u'='), fast.chopped(1), lastBitsSet};
    for (const QString &off : offs)
        EXPECT_EQ(written(off), own) << off.toStdString();
    const QString emptyOffs[] = {QStringLiteral("00;eAEDAAAAAAE="), QStringLiteral("+0;eAEDAAAAAAE="),
                                 QStringLiteral("0;eAEDAAAAAAE"), QStringLiteral("0;eAEDAAAAAAF="),
                                 QStringLiteral("0;AAAA"), QStringLiteral("0;"), QStringLiteral("-1;eAEDAAAAAAE="),
                                 QChar(u'0') + fast.mid(semicolon)};
    for (const QString &off : emptyOffs)
        EXPECT_EQ(written(off), kEmptyPictureText) << off.toStdString();
    EXPECT_FALSE(IsWriterPictureText(QStringLiteral(";eAEDAAAAAAE=")));
    EXPECT_FALSE(IsWriterPictureText(own.left(semicolon + 1) + QStringLiteral("AAAA====")));
    EXPECT_TRUE(IsWriterPictureText(QStringLiteral("7;AA==")));
    EXPECT_FALSE(IsWriterPictureText(QStringLiteral("7;AB==")));
    EXPECT_FALSE(IsWriterPictureText(QStringLiteral("7;A===")));
}

TEST(PictureText, SizeFieldMustBeAnInteger)
{
    EXPECT_EQ(errorOfText(QStringLiteral("eJwDAAAAAAE=")), QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(errorOfText(QStringLiteral("12a;eJwDAAAAAAE=")), QStringLiteral("'12a' is not a valid integer value"));
    EXPECT_EQ(errorOfText(QStringLiteral(";eJwDAAAAAAE=")), QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(errorOfText(QStringLiteral(" 1;x")), QStringLiteral("' 1' is not a valid integer value"));
    EXPECT_EQ(errorOfText(QStringLiteral("2147483648;x")),
              QStringLiteral("'2147483648' is not a valid integer value"));
}

TEST(PictureText, SizeFieldsThatDoNotMatchTheDataAreRejected)
{
    const QByteArray bmp = BitmapBytes(twoByTwo());
    EXPECT_NO_THROW(PictureTextToBytes(textFor(bmp, bmp.size())));
    EXPECT_EQ(errorOfText(textFor(bmp, bmp.size() - 1)), kNotValid);
    EXPECT_EQ(errorOfText(textFor(bmp, bmp.size() + 1)), kNotValid);
    // Beyond what the data could ever inflate to: rejected before allocating.
    EXPECT_EQ(errorOfText(QStringLiteral("2147483647;eJwDAAAAAAE=")), kNotValid);
    EXPECT_EQ(errorOfText(QStringLiteral("5000;")), kNotValid);

    // Damaged or cut data.
    QString damaged = textFor(bmp, bmp.size());
    damaged[damaged.size() - 6] = damaged[damaged.size() - 6] == u'A' ? u'B' : u'A';
    EXPECT_EQ(errorOfText(damaged), kNotValid);
    const QString full = textFor(bmp, bmp.size());
    EXPECT_EQ(errorOfText(full.left(full.size() - 8)), kNotValid);
    EXPECT_EQ(errorOfText(QStringLiteral("10;QUJDREVGR0hJSg==")), kNotValid);   // not zlib at all
}

TEST(PictureText, DataThatIsNotACompleteBitmapIsRejected)
{
    EXPECT_EQ(errorOfText(textFor("XX not a bitmap", 15)), kNotValid);
    QByteArray bmp = BitmapBytes(twoByTwo());
    EXPECT_EQ(errorOfText(textFor(bmp.left(bmp.size() - 4), bmp.size() - 4)), kNotValid);
    QByteArray tall = bmp;
    qToLittleEndian<qint32>(4000, tall.data() + 22);   // announces more rows than it holds
    EXPECT_EQ(errorOfText(textFor(tall, tall.size())), kNotValid);
    QByteArray wide = bmp;
    qToLittleEndian<qint32>(-2, wide.data() + 18);
    EXPECT_EQ(errorOfText(textFor(wide, wide.size())), kNotValid);
    EXPECT_EQ(errorOfText(textFor(QByteArray("BM"), 2)), kNotValid);
}

TEST(PictureText, AFailedDecodeLeavesThePictureAsItWas)
{
    TPicture picture;
    picture.setBitmap(twoByTwo());
    int changes = 0;
    picture.setOnChange([&](TPicture *) { ++changes; });
    EXPECT_THROW(TextToPicture(picture, QStringLiteral("5;AAAA")), BrenwickError);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(samePixels(picture.image(), twoByTwo()));
}

namespace {

// A bottom-up BMP with a 40-byte header, a palette and the given pixel data.
QByteArray handMadeBitmap(int width, int height, int bits, quint32 compression, const QList<QRgb> &palette,
                          const QByteArray &pixels)
{
    QByteArray table;
    for (QRgb c : palette) {
        table.append(char(qBlue(c)));
        table.append(char(qGreen(c)));
        table.append(char(qRed(c)));
        table.append('\0');
    }
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(quint32(54 + table.size() + pixels.size()), b.data() + 2);
    qToLittleEndian<quint32>(quint32(54 + table.size()), b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(width, b.data() + 18);
    qToLittleEndian<qint32>(height, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(quint16(bits), b.data() + 28);
    qToLittleEndian<quint32>(compression, b.data() + 30);
    qToLittleEndian<quint32>(quint32(pixels.size()), b.data() + 34);
    qToLittleEndian<quint32>(quint32(palette.size()), b.data() + 46);
    return b + table + pixels;
}

} // namespace

// Qt's reader leaves pixels that run-length data skips unset; they must read
// as colour 0, the same every time, and never as whatever memory held.
TEST(PictureText, RunLengthBitmapsReadCompletelyAndDeterministically)
{
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    // 4x3, 8 bits: bottom row "1 1 2 3", end of line; a delta of 2 right and 1
    // up skips the middle row; absolute "3 2 1" (padded) from x=2 on the top row,
    // clipped at its edge; end of bitmap.
    const QByteArray rle8("\x02\x01\x01\x02\x01\x03\x00\x00"
                          "\x00\x02\x02\x01"
                          "\x00\x03\x03\x02\x01\x00"
                          "\x00\x01",
                          20);
    const QImage eight = BitmapFromBytes(handMadeBitmap(4, 3, 8, 1, palette, rle8));
    ASSERT_EQ(eight.size(), QSize(4, 3));
    const QRgb k = qRgb(0, 0, 0), r = qRgb(255, 0, 0), g = qRgb(0, 255, 0), bl = qRgb(0, 0, 255);
    const QList<QList<QRgb>> expected8{{k, k, bl, g}, {k, k, k, k}, {r, r, g, bl}};   // top row first
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(eight.pixel(x, y), expected8[y][x]) << x << "," << y;

    // 4 bits: a run alternating 1 and 2 over 3 pixels, then absolute "3 3 1" on the next row.
    const QByteArray rle4("\x03\x12\x00\x00\x00\x03\x33\x10\x00\x01", 10);
    const QImage four = BitmapFromBytes(handMadeBitmap(4, 2, 4, 2, palette, rle4));
    ASSERT_EQ(four.size(), QSize(4, 2));
    const QList<QList<QRgb>> expected4{{bl, bl, r, k}, {r, g, r, k}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(four.pixel(x, y), expected4[y][x]) << x << "," << y;

    // Nothing but the end of the bitmap: every pixel is colour 0.
    const QImage blank = BitmapFromBytes(handMadeBitmap(64, 64, 8, 1, palette, QByteArray("\x00\x01", 2)));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(blank.pixel(x, y), k);

    // Run-length data must match its bit count and be stored bottom-up.
    EXPECT_EQ(errorOf([&] { BitmapFromBytes(handMadeBitmap(4, 3, 4, 1, palette, rle8)); }), kNotValid);
    EXPECT_EQ(errorOf([&] { BitmapFromBytes(handMadeBitmap(4, -3, 8, 1, palette, rle8)); }), kNotValid);
    EXPECT_EQ(errorOf([&] { BitmapFromBytes(handMadeBitmap(4, 3, 8, 4, palette, rle8)); }), kNotValid);
    // So large that no reader would hold it.
    EXPECT_EQ(errorOf([&] { BitmapFromBytes(handMadeBitmap(30000, 30000, 8, 1, palette, rle8)); }), kNotValid);
}

// The design keeps a bitmap's layout from reading to writing: an old
// core-header bitmap and a 16-bit one with colour masks come back as they were.
TEST(PictureText, BitmapsAreWrittenBackInTheLayoutTheyWereReadIn)
{
    // 2 x 1, core header, 8 bits with a two-colour palette.
    const QByteArray core("BM\x24\0\0\0\0\0\0\0\x20\0\0\0"
                          "\x0c\0\0\0\x02\0\x01\0\x01\0\x08\0"
                          "\0\0\xff" "\xff\0\0"
                          "\x01\0\0\0",
                          36);
    // 2 x 1, 40-byte header, 16 bits 5-6-5 with its masks.
    QByteArray masked = handMadeBitmap(2, 1, 16, 3, {}, QByteArray("\0\xf8\x1f\0", 4));
    masked.insert(54, QByteArray("\0\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12));
    qToLittleEndian<quint32>(quint32(masked.size()), masked.data() + 2);
    qToLittleEndian<quint32>(54 + 12, masked.data() + 10);
    for (const QByteArray &bytes : {core, masked}) {
        const QString text = BytesToPictureText(bytes);
        TPicture picture;
        TextToPicture(picture, text);
        EXPECT_EQ(picture.image().pixel(0, 0), bytes == core ? qRgb(0, 0, 255) : qRgb(255, 0, 0));
        EXPECT_EQ(picture.image().pixel(1, 0), bytes == core ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        EXPECT_EQ(PictureToText(picture), text);
    }
}

// A picture wider than the reader takes is refused when written, so that no
// file is saved that cannot be opened again; one at the limit goes both ways.
TEST(PictureText, NeverWritesAPictureTheReaderRefuses)
{
    constexpr int kWidest = 32767;
    TPicture picture;
    QImage wide(kWidest + 1, 1, QImage::Format_RGB32);
    wide.fill(Qt::red);
    picture.setBitmap(wide);
    EXPECT_TRUE(errorOf([&] { PictureToText(picture); }).contains(QString::number(kWidest)));

    picture.setBitmap(wide.copy(0, 0, kWidest, 1));
    TPicture back;
    TextToPicture(back, PictureToText(picture));
    EXPECT_EQ(back.image().size(), QSize(kWidest, 1));
}

TEST(PictureText, OnePassDecodingGivesWhatTheTwoStepsGiveFailuresIncluded)
{
    // Noise compresses badly: the text runs to several pieces of decoding.
    QImage noisy(400, 400, QImage::Format_RGB32);
    std::mt19937 rng(7);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, rng() | 0xFF000000u);
    const QByteArray bmp = BitmapBytes(noisy);
    const QString text = textFor(bmp, bmp.size());
    const qsizetype start = text.indexOf(u';') + 1;

    QString broken = text;   // line breaks throughout, one across each piece's end
    for (qsizetype at = broken.size() - 1; at > start; at -= 997)
        broken.insert(at, QStringLiteral("\r\n"));
    QString damagedThenBad = text;   // the stream fails first, the Base64 later
    damagedThenBad[start + 40] = damagedThenBad[start + 40] == u'A' ? u'B' : u'A';
    damagedThenBad[damagedThenBad.size() - 30] = u'*';
    QByteArray compressed = QByteArray::fromBase64(text.sliced(start).toLatin1());
    const QString trailing = text.first(start) + QString::fromLatin1((compressed + "after the end").toBase64());
    const QStringList texts{text,       broken,        damagedThenBad,        trailing,
                            text + u'=', text + "=A",  text.first(text.size() - 6), text.first(start) + "!" + text.sliced(start),
                            QStringLiteral("-5;abc"), QStringLiteral("0;"), u'0' + text, u'+' + text};

    const auto messageOf = [](const auto &work) {
        try {
            work();
        } catch (const BrenwickError &e) {
            return e.message();
        }
        return QString();
    };
    QByteArray buffer(bmp.size() * 2, 'x');   // left over from a larger picture
    QStringList writerForm;   // of the texts that read, those the same pass finds in the writer's form
    for (const QString &t : texts) {
        QImage plain, onePass;
        bool form = false;
        const QString plainError = messageOf([&] { plain = BitmapFromBytes(PictureTextToBytes(t)); });
        EXPECT_EQ(messageOf([&] { onePass = DecodePicture(t, buffer, &form).image; }), plainError)
            << t.left(40).toStdString();
        EXPECT_EQ(onePass, plain);
        if (plainError.isEmpty()) {
            EXPECT_EQ(form, IsWriterPictureText(t)) << t.left(40).toStdString();
            if (form)
                writerForm << t;
        }
    }
    EXPECT_EQ(writerForm, QStringList({text, trailing}));
    EXPECT_EQ(DecodePicture(trailing, buffer).image, DecodePicture(broken, buffer).image);
}
