#include "base/LazyIcon.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

TEST(LazyIcon, AnswersSizesFromTheNamesAndDrawsTheFiles)
{
    const QIcon icon = icons::Program();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    // Never enlarged; between two files, the request itself.
    EXPECT_EQ(icon.actualSize(QSize(500, 500)), QSize(128, 128));
    EXPECT_EQ(icon.actualSize(QSize(20, 20)), QSize(20, 20));
    EXPECT_EQ(icon.actualSize(QSize(10, 40)), QSize(10, 10));
    // A size that has a file draws that file.
    const QImage drawn = icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage file = QImage(QStringLiteral(":/icons/app-48.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(file.isNull());
    EXPECT_EQ(drawn, file);
    // A copy draws the same.
    const QIcon copy = icon;
    EXPECT_EQ(copy.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), file);

    // A file that is not there gives an empty picture, not a failure.
    const QIcon missing = icons::Lazy(QStringLiteral(":/icons/no-such-icon.png"));
    EXPECT_FALSE(missing.isNull());
    EXPECT_TRUE(missing.pixmap(QSize(32, 32)).isNull());
}
