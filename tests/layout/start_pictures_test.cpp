#include "base/TPicture.h"
#include "layout/StartPictures.h"
#include "xml/PictureText.h"

#include <QImage>
#include <gtest/gtest.h>

// The texts embedded for a new project's pictures hold the artwork pixel for
// pixel, and a save writes them back as they are.
TEST(StartPictures, HoldTheArtworkAndSaveAsEmbedded)
{
    QStringList names{QStringLiteral("theme")};
    for (const char *button : {"exit", "explorer", "help"})
        for (const char *look : {"default", "selected", "pressed"})
            names << QStringLiteral("%1-%2").arg(QLatin1String(button), QLatin1String(look));
    for (const QString &name : names) {
        const QString file = name == QLatin1String("theme") ? QStringLiteral(":/pictures/theme.bmp")
                                                            : QStringLiteral(":/buttons/%1.png").arg(name);
        const QImage artwork = QImage(file).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(artwork.isNull()) << qPrintable(file);
        TPicture picture;
        SetStartPicture(picture, name);
        ASSERT_EQ(picture.kind(), TPicture::gkBitmap) << qPrintable(name);
        EXPECT_EQ(picture.image().convertToFormat(QImage::Format_RGB32), artwork) << qPrintable(name);
        EXPECT_FALSE(picture.keptText().isEmpty()) << qPrintable(name);
        // What a save writes is what a fresh encoding of the artwork gives.
        TPicture fresh;
        fresh.setBitmap(artwork);
        EXPECT_EQ(PictureToText(picture), PictureToText(fresh)) << qPrintable(name);
    }
    TPicture unknown;
    SetStartPicture(unknown, QStringLiteral("theme"));
    SetStartPicture(unknown, QStringLiteral("no-such-picture"));
    EXPECT_TRUE(unknown.isEmpty());
}
