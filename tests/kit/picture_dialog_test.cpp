#include "kit/TPictureDialog.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PictureDialog, LoadsSavesAsBitmapClearsAndKeepsThePictureOnBadFiles)
{
    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    const QString png = dir.filePath("a.png");
    ASSERT_TRUE(image.save(png));
    const QString junk = dir.filePath("b.jpg");
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    ScriptedPrompt prompt;
    TPictureDialog dialog(TPictureValue(), &prompt);
    EXPECT_EQ(dialog.sizeText(), QStringLiteral("Нет картинки"));
    ASSERT_TRUE(dialog.load(png));
    EXPECT_EQ(dialog.sizeText(), QStringLiteral("3 x 2"));
    EXPECT_EQ(dialog.value().kind, TPicture::gkBitmap);

    EXPECT_FALSE(dialog.load(junk));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(dialog.value().kind, TPicture::gkBitmap);   // unchanged
    EXPECT_FALSE(dialog.load(dir.filePath("missing.bmp")));
    EXPECT_EQ(prompt.asked.size(), 2);

    const QString bmp = dir.filePath("out.bmp");
    ASSERT_TRUE(dialog.save(bmp));
    QImageReader reader(bmp);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    EXPECT_EQ(reader.read().pixel(2, 1), qRgb(10, 200, 30));
    EXPECT_FALSE(dialog.save(dir.filePath("no/such/dir/out.bmp")));
    EXPECT_EQ(prompt.asked.size(), 3);

    dialog.copy();
    dialog.clear();
    EXPECT_EQ(dialog.sizeText(), QStringLiteral("Нет картинки"));
    ASSERT_TRUE(dialog.paste());
    EXPECT_EQ(dialog.sizeText(), QStringLiteral("3 x 2"));
}
