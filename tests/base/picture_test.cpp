#include "base/BrenwickError.h"
#include "base/TPicture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage halfTransparent()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    return image;
}

QString loadError(const QString &path)
{
    TPicture picture;
    try {
        picture.loadFromFile(path);
    } catch (const BrenwickError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(Picture, ReportsEveryChangeToItsListener)
{
    TPicture picture;
    int changes = 0;
    picture.setOnChange([&](TPicture *p) {
        EXPECT_EQ(p, &picture);
        ++changes;
    });
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_FALSE(picture.hasGraphic());
    picture.setBitmap(QImage(5, 6, QImage::Format_RGB32));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.width(), 5);
    EXPECT_EQ(picture.height(), 6);
    picture.setTransparent(true);
    picture.setTransparent(true);   // no change, no report
    EXPECT_EQ(changes, 2);
    picture.makeBitmap();   // already a bitmap: nothing happens
    EXPECT_EQ(changes, 2);
    picture.clear();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(picture.kind(), TPicture::gkNone);
    EXPECT_EQ(picture.width(), 0);
}

TEST(Picture, MakeBitmapDrawsOtherKindsOverWhiteAtTheirOwnSize)
{
    TPicture picture;
    picture.makeBitmap();
    EXPECT_EQ(picture.kind(), TPicture::gkBitmap);
    EXPECT_TRUE(picture.isEmpty());

    picture.setGraphic(halfTransparent(), TPicture::gkPng);
    picture.makeBitmap();
    EXPECT_EQ(picture.kind(), TPicture::gkBitmap);
    EXPECT_EQ(picture.image().size(), QSize(4, 3));
    EXPECT_FALSE(picture.image().hasAlphaChannel());
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(picture.image().pixel(3, 2), qRgb(255, 255, 255));
}

TEST(Picture, TransparentColourOfABitmap)
{
    TPicture picture;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(0, 1, qRgb(9, 8, 7));
    picture.setBitmap(image);
    EXPECT_EQ(picture.bitmapTransparentColor(), qRgb(9, 8, 7));   // bottom-left pixel
    picture.setExplicitTransparentColor(qRgb(4, 5, 6));
    EXPECT_EQ(picture.bitmapTransparentColor(), qRgb(4, 5, 6));
    picture.setBitmap(QImage(8, 1, QImage::Format_Mono));
    EXPECT_EQ(picture.bitmapTransparentColor(), qRgb(255, 255, 255));   // new graphic, no explicit colour
}

TEST(Picture, LoadsByContentAndRejectsWhatItCannotShow)
{
    QTemporaryDir dir;
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    struct Case
    {
        const char *format;
        TPicture::GraphicKind kind;
    };
    for (const Case &c : {Case{"png", TPicture::gkPng}, Case{"bmp", TPicture::gkBitmap}, Case{"jpg", TPicture::gkJpeg}}) {
        // The extension lies: the content decides.
        const QString path = dir.filePath(QStringLiteral("picture.%1.dat").arg(QLatin1String(c.format)));
        ASSERT_TRUE(image.save(path, c.format));
        TPicture picture;
        picture.loadFromFile(path);
        EXPECT_EQ(picture.kind(), c.kind) << c.format;
        EXPECT_EQ(picture.image().size(), QSize(7, 5));
    }

    const QString missing = dir.filePath(QStringLiteral("missing.png"));
    EXPECT_EQ(loadError(missing), QStringLiteral("Невозможно открыть файл: ") + missing);
    const QString text = dir.filePath(QStringLiteral("text.png"));
    QFile t(text);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write("just text");
    t.close();
    EXPECT_EQ(loadError(text), QStringLiteral("Неизвестный формат картинки: ") + text);
    const QString wmf = dir.filePath(QStringLiteral("a.wmf"));
    QFile w(wmf);
    ASSERT_TRUE(w.open(QIODevice::WriteOnly));
    w.write(QByteArray("\xD7\xCD\xC6\x9A") + QByteArray(60, '\0'));
    w.close();
    EXPECT_EQ(loadError(wmf), QStringLiteral("Метафайлы не поддерживаются: ") + wmf);
}
