#include "kit/TPictureDialog.h"
#include "support/EditorFixture.h"
#include "window/TImageEx.h"
#include "xml/PictureText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A picture loaded in the dialog is at once the bitmap the file will carry:
// what the design window shows is what a save and reopen shows.
TEST(PictureChoice, ALoadedPictureIsTheBitmapThatIsSaved)
{
    EditorFixture f;
    f.inspect(QStringLiteral("Картинка в тему"));
    TPreviewForm &form = f.form;
    ScriptedPrompt &prompt = f.prompt;
    TPropertyGridModel &model = f.model;
    const QModelIndex row = model.IndexOfPath("Picture", TPropertyGridModel::ValueColumn);

    QTemporaryDir dir;
    QImage png(3, 2, QImage::Format_ARGB32);
    png.fill(qRgba(200, 0, 0, 128));
    png.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const QString pngName = dir.filePath("alpha.png");
    ASSERT_TRUE(png.save(pngName));
    TPictureDialog dialog(TPictureValue(), &prompt);
    ASSERT_TRUE(dialog.load(pngName));
    EXPECT_FALSE(dialog.noteText().isEmpty());
    EXPECT_EQ(dialog.value().kind, TPicture::gkBitmap);
    EXPECT_FALSE(dialog.value().image.hasAlphaChannel());
    EXPECT_EQ(dialog.value().image.pixel(0, 0), qRgb(255, 255, 255));   // transparency over white
    ASSERT_TRUE(model.setData(row, QVariant::fromValue(dialog.value())));
    EXPECT_EQ(row.data().toString(), QStringLiteral("BMP 3×2, 24 бит"));

    TPicture *shown = form.ThemeImage()->Picture();
    TPicture saved;
    saved.assign(*shown);
    TPicture reopened;
    TextToPicture(reopened, PictureToText(saved));
    ASSERT_EQ(reopened.image().size(), shown->image().size());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(reopened.image().pixel(x, y), shown->image().pixel(x, y)) << x << "," << y;
    EXPECT_EQ(reopened.bitmapLayout().bitCount, 24);

    // A bitmap is taken as it is: a 16-colour one stays 4 bits through the dialog.
    QImage indexed(5, 1, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table << qRgb(i * 16, 0, 0);
    indexed.setColorTable(table);
    indexed.fill(7u);
    QFile file(dir.filePath("four.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteBmp(indexed));
    file.close();
    ASSERT_TRUE(dialog.load(file.fileName()));
    EXPECT_TRUE(dialog.noteText().isEmpty());
    ASSERT_TRUE(model.setData(row, QVariant::fromValue(dialog.value())));
    EXPECT_EQ(row.data().toString(), QStringLiteral("BMP 5×1, 4 бит"));
    EXPECT_EQ(shown->bitmapLayout().bitCount, 4);
    ASSERT_TRUE(model.setData(row, QVariant::fromValue(TPictureValue())));
    EXPECT_EQ(row.data().toString(), QStringLiteral("(нет)"));
}
