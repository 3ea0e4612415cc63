#include "WindowTestSupport.h"
#include "window/TPicButton.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace wtest;

namespace {

QImage solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class ImageExTest : public ::testing::Test
{
protected:
    TImageEx image;

    void SetUp() override { image.resize(100, 100); }
    void setPicture(int w, int h) { image.Picture()->setBitmap(solid(w, h, qRgb(1, 2, 3))); }
};

class PicButtonTest : public ::testing::Test
{
protected:
    TImageEx *image = new TImageEx;
    std::unique_ptr<TPicButton> button;

    void SetUp() override
    {
        button = std::make_unique<TPicButton>(image, QStringLiteral("Выход"));
        button->setTextMeasure(fixedMeasure());
    }
    void TearDown() override
    {
        button.reset();
        delete image;
    }
};

} // namespace

TEST_F(ImageExTest, CreatedEmptyAt105)
{
    TImageEx fresh;
    EXPECT_EQ(fresh.size(), QSize(105, 105));
    EXPECT_TRUE(fresh.Picture()->isEmpty());
    EXPECT_FALSE(fresh.Stretch());
    EXPECT_FALSE(fresh.AutoSize());
    EXPECT_EQ(fresh.DestRect(), QRect(0, 0, 0, 0));
}

TEST_F(ImageExTest, ProportionalShrinksLargePicturesOnly)
{
    image.setProportional(true);
    setPicture(200, 100);
    EXPECT_EQ(image.DestRect(), QRect(QPoint(0, 0), QPoint(99, 49)));   // (0, 0, 100, 50)
    image.setCenter(true);
    EXPECT_EQ(image.DestRect(), QRect(0, 25, 100, 50));
    image.setCenter(false);
    setPicture(50, 20);
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 50, 20));
    image.setStretch(true);
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 100, 40));
}

TEST_F(ImageExTest, StretchedTallPictureKeepsItsRatio)
{
    image.setStretch(true);
    image.setProportional(true);
    setPicture(30, 40);
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 75, 100));
    image.setCenter(true);
    EXPECT_EQ(image.DestRect(), QRect(12, 0, 75, 100));
    // Stretch without Proportional fills the client area.
    image.setProportional(false);
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 100, 100));
    // A picture larger than the control keeps its size and is clipped.
    image.setStretch(false);
    image.setCenter(false);
    setPicture(300, 20);
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 300, 20));
}

TEST_F(ImageExTest, WideStretchedPictureLimitedByHeight)
{
    image.resize(100, 30);
    image.setStretch(true);
    image.setProportional(true);
    setPicture(40, 20);   // a = 2: w 100 gives h 50 > 30, so h 30, w 60
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 60, 30));
}

TEST_F(ImageExTest, TransparentBitmapLeavesItsBottomLeftColourUndrawn)
{
    QImage bitmap = solid(4, 4, qRgb(255, 0, 255));
    bitmap.setPixel(1, 1, qRgb(0, 128, 0));
    image.Picture()->setBitmap(bitmap);
    image.resize(4, 4);
    QImage out = image.renderImage(Qt::blue);
    EXPECT_EQ(out.pixel(0, 0), qRgb(255, 0, 255));
    image.setTransparent(true);
    EXPECT_TRUE(image.Picture()->transparent());
    out = image.renderImage(Qt::blue);
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(out.pixel(1, 1), qRgb(0, 128, 0));
}

TEST_F(ImageExTest, StretchedTransparentBitmapHasNoBlendedEdges)
{
    // Scaling repeats picture pixels; no pixel mixes the picture with what lies beneath.
    QImage bitmap = solid(2, 1, qRgb(255, 0, 0));   // bottom-left red is the transparent colour
    bitmap.setPixel(1, 0, qRgb(255, 255, 255));
    image.Picture()->setBitmap(bitmap);
    image.setTransparent(true);
    image.setStretch(true);
    const QImage out = image.renderImage(Qt::blue);
    for (int y = 0; y < 100; y += 7)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(out.pixel(x, y), x < 50 ? qRgb(0, 0, 255) : qRgb(255, 255, 255)) << x << "," << y;
}

TEST_F(ImageExTest, AutoSizeFollowsThePicture)
{
    image.move(5, 6);
    image.setAutoSize(true);
    EXPECT_EQ(image.geometry(), QRect(5, 6, 0, 0));   // no picture: 0 x 0
    setPicture(64, 48);
    EXPECT_EQ(image.geometry(), QRect(5, 6, 64, 48));
    image.setBoundsRect(5, 6, 200, 200);   // the size stays with the picture
    EXPECT_EQ(image.size(), QSize(64, 48));
    image.setAlign(TSurface::alTop);       // only the height follows
    image.setBoundsRect(5, 6, 200, 200);
    EXPECT_EQ(image.size(), QSize(200, 48));
}

TEST_F(ImageExTest, SwitchesActOnlyOnChange)
{
    setPicture(10, 10);
    image.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&image));
    QApplication::processEvents();
    PaintCounter counter(&image);
    image.setStretch(false);
    image.setCenter(false);
    image.setTransparent(false);
    image.setProportional(false);
    QApplication::processEvents();
    EXPECT_EQ(counter.count, 0);
    image.setStretch(true);
    QApplication::processEvents();
    EXPECT_EQ(counter.count, 1);
    EXPECT_TRUE(image.isOpaque());   // opaque bitmap stretched without proportion
    image.setProportional(true);
    EXPECT_FALSE(image.isOpaque());
    image.hide();
}

TEST_F(ImageExTest, AfterPaintRunsAfterThePicture)
{
    setPicture(100, 100);
    bool drawingSeen = true;
    image.setOnAfterPaint([&](QPainter &p) {
        drawingSeen = image.Drawing();
        p.fillRect(0, 0, 1, 1, Qt::white);
    });
    const QImage out = image.renderImage();
    EXPECT_FALSE(drawingSeen);
    EXPECT_FALSE(image.Drawing());
    EXPECT_EQ(out.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(out.pixel(1, 1), qRgb(1, 2, 3));
}

TEST_F(ImageExTest, OnlyASolidStretchedPictureIsOpaque)
{
    image.setStretch(true);
    image.Picture()->setBitmap(QImage());   // a bitmap without pixels
    EXPECT_FALSE(image.isOpaque());
    setPicture(4, 4);
    EXPECT_TRUE(image.isOpaque());
    QImage withAlpha(4, 4, QImage::Format_ARGB32);
    withAlpha.fill(qRgba(1, 2, 3, 128));
    image.Picture()->setGraphic(withAlpha, TPicture::gkPng);
    EXPECT_FALSE(image.isOpaque());
    EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(PictureSetTest, ForStateFallsBackToDefault)
{
    TPictureSet set;
    std::vector<TPicture *> changes;
    set.setOnChange([&](TPicture *p) { changes.push_back(p); });
    set.Default()->setBitmap(solid(2, 2, qRgb(1, 1, 1)));
    EXPECT_EQ(set.ForState(TPictureSet::bsPressed), set.Default());
    EXPECT_EQ(set.ForState(TPictureSet::bsSelected), set.Default());
    set.Selected()->setBitmap(QImage());   // a graphic without pixels counts as empty
    EXPECT_EQ(set.ForState(TPictureSet::bsSelected), set.Default());
    set.Pressed()->setBitmap(solid(2, 2, qRgb(2, 2, 2)));
    EXPECT_EQ(set.ForState(TPictureSet::bsPressed), set.Pressed());
    EXPECT_EQ(set.ForState(TPictureSet::bsDefault), set.Default());
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[1], set.Selected());
}

TEST_F(PicButtonTest, DefaultsAfterCreation)
{
    EXPECT_FALSE(button->Updating());
    EXPECT_EQ(button->Caption(), QStringLiteral("Выход"));
    EXPECT_EQ(button->Action(), TPicButton::baExecute);
    EXPECT_EQ(button->ColorSelected().value(), TColor::clNone);
    EXPECT_TRUE(button->AutoSize());
    EXPECT_FALSE(button->Shadow());
    EXPECT_EQ(button->ShadowSize(), 0);
    EXPECT_FALSE(button->ShowCaption());
    EXPECT_EQ(button->State(), TPictureSet::bsDefault);
    EXPECT_EQ(button->Control(), image);
    EXPECT_EQ(button->Width(), 0);    // auto-sized without a picture
    EXPECT_EQ(button->Height(), 0);
}

TEST_F(PicButtonTest, TakesTheControlsPictureAsDefault)
{
    TImageEx *other = new TImageEx;
    other->Picture()->setBitmap(solid(64, 48, qRgb(9, 9, 9)));
    {
        TPicButton b(other, "x");
        EXPECT_EQ(b.Pictures()->Default()->width(), 64);
        EXPECT_EQ(b.Width(), 64);
        EXPECT_EQ(b.Height(), 48);
    }
    delete other;
}

TEST_F(PicButtonTest, StatePicturesAndAutoSize)
{
    button->Pictures()->Default()->setBitmap(solid(64, 48, qRgb(10, 10, 10)));
    EXPECT_EQ(QSize(button->Width(), button->Height()), QSize(64, 48));
    button->setState(TPictureSet::bsPressed);   // empty Pressed: Default shows
    EXPECT_EQ(image->Picture()->image().pixel(0, 0), qRgb(10, 10, 10));
    button->Pictures()->Pressed()->setBitmap(solid(32, 16, qRgb(20, 20, 20)));
    EXPECT_EQ(image->Picture()->image().pixel(0, 0), qRgb(20, 20, 20));
    EXPECT_EQ(QSize(button->Width(), button->Height()), QSize(32, 16));
    button->setState(TPictureSet::bsDefault);
    EXPECT_EQ(image->Picture()->image().pixel(0, 0), qRgb(10, 10, 10));
    // Setting Stretch to its value changes nothing.
    EXPECT_TRUE(button->setProperty("Stretch", false));
    EXPECT_TRUE(button->setProperty("Stretch", true));
    EXPECT_TRUE(image->Stretch());
}

TEST_F(PicButtonTest, CaptionPlacement)
{
    button->setAutoSize(false);
    button->setWidth(100);
    button->setHeight(50);
    EXPECT_EQ(button->Width(), 100);
    button->setShowCaption(true);
    button->setCaption("abcd");   // 40 x 20
    button->setPadHorizontal(4);
    button->setPadVertical(2);
    EXPECT_EQ(button->CaptionRect(), QRect(4, 15 + 2, 40, 20));
    button->setShadow(true);
    button->setShadowSize(3);
    button->setAlignment(TControlWrapper::taRightJustify);
    const QRect r = button->CaptionRect();   // shadow included: ends PadHorizontal from the right
    EXPECT_EQ(r.x() + r.width(), 100 - 4);
    EXPECT_EQ(r.y(), (50 - 23) / 2 + 2);
    button->setAlignment(TControlWrapper::taCenter);
    EXPECT_EQ(button->CaptionRect().x(), (100 - 43) / 2);
}

TEST_F(PicButtonTest, CaptionColoursByState)
{
    button->setTextMeasure(std::make_shared<TFontMeasure>());
    button->setAutoSize(false);
    button->setWidth(120);
    button->setHeight(40);
    button->Font()->setName("Liberation Sans");
    button->Font()->setHeight(-20);
    button->setColorNormal(TColor::clWhite);
    button->setCaption("HHHH");
    auto count = [&](QRgb colour) {
        const QImage img = image->renderImage(Qt::black);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixel(x, y) == colour;
        return n;
    };
    EXPECT_EQ(count(qRgb(255, 255, 255)), 0);   // ShowCaption off
    button->setShowCaption(true);
    EXPECT_GT(count(qRgb(255, 255, 255)), 20);
    button->setState(TPictureSet::bsSelected);   // ColorSelected clNone: normal colour
    EXPECT_GT(count(qRgb(255, 255, 255)), 20);
    button->setColorSelected(TColor::clRed);
    EXPECT_EQ(count(qRgb(255, 255, 255)), 0);
    EXPECT_GT(count(qRgb(255, 0, 0)), 20);
    button->setState(TPictureSet::bsPressed);   // pressed keeps the normal colour
    EXPECT_GT(count(qRgb(255, 255, 255)), 20);
    EXPECT_EQ(count(qRgb(255, 0, 0)), 0);
}

TEST_F(PicButtonTest, CaptionChangeRepaints)
{
    button->setAutoSize(false);
    button->setWidth(50);
    button->setHeight(20);
    image->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(image));
    PaintCounter counter(image);
    button->setCaption("Справка");
    EXPECT_EQ(counter.count, 1);
    button->setAction(TPicButton::baHelp);   // stored only
    button->setItemID(12);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(button->property("Action").toInt(), 4);
    EXPECT_EQ(button->property("ItemID").toInt(), 12);
    image->hide();
}
