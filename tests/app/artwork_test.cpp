#include <QColor>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

// The main window, the command tree and the object tree load these pictures by
// their resource paths; a missing or misnamed file would leave them blank.

namespace {

QImage load(const QString &path)
{
    return QImage(path);
}

} // namespace

TEST(Artwork, ProgramIconIsLargeEnoughForTheAboutBox)
{
    const QImage icon = load(QStringLiteral(":/icons/app.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_GE(icon.width(), 64);
    EXPECT_EQ(icon.width(), icon.height());
}

TEST(Artwork, EveryMenuTreeAndPageIconExists)
{
    const char *names[] = {
        "kind-group", "kind-program", "kind-url", "kind-comment", "kind-exit",
        "action-new", "action-open", "action-save", "action-saveas", "action-exit",
        "action-preview", "action-help", "action-about", "action-delete",
        "page-commands", "page-design", "page-options",
    };
    for (const char *name : names) {
        const QString path = QStringLiteral(":/icons/%1.png").arg(QLatin1String(name));
        const QImage icon = load(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(32, 32)) << path.toStdString();
        EXPECT_TRUE(icon.hasAlphaChannel()) << path.toStdString();
    }
}

// The default stand-alone buttons take these pictures as bitmaps: they must be
// 64 x 64, fully opaque, and drawn "transparent" they lose exactly their
// background, which is the colour of the bottom-left pixel.
TEST(Artwork, DefaultButtonPicturesAreOpaqueWithABackgroundKey)
{
    const char *buttons[] = {"exit", "explorer", "help"};
    const char *looks[] = {"default", "selected", "pressed"};
    for (const char *button : buttons) {
        QImage first;
        for (const char *look : looks) {
            const QString path =
                QStringLiteral(":/buttons/%1-%2.png").arg(QLatin1String(button), QLatin1String(look));
            const QImage image = load(path).convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(image.isNull()) << path.toStdString();
            EXPECT_EQ(image.size(), QSize(64, 64)) << path.toStdString();
            const QRgb key = image.pixel(0, 63);
            EXPECT_EQ(qAlpha(key), 255) << path.toStdString();
            // the four corners are background, the centre is the button
            EXPECT_EQ(image.pixel(0, 0), key) << path.toStdString();
            EXPECT_EQ(image.pixel(63, 0), key) << path.toStdString();
            EXPECT_EQ(image.pixel(63, 63), key) << path.toStdString();
            EXPECT_NE(image.pixel(32, 45), key) << path.toStdString();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << path.toStdString();
            // the three looks of one button differ from each other
            if (first.isNull())
                first = image;
            else
                EXPECT_NE(image, first) << path.toStdString();
        }
    }
}

TEST(Artwork, AboutTitleFitsItsPlace)
{
    EXPECT_EQ(load(QStringLiteral(":/pictures/about-title.png")).size(), QSize(170, 30));
}
