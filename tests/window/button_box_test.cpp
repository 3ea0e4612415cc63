#include "WindowTestSupport.h"
#include "window/TButtonBox.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace wtest;

namespace {

// A menu area that records each button it draws and the text each one shows.
class RecordingButtonBox : public TButtonBox
{
public:
    using TButtonBox::TButtonBox;
    QList<Row> buttons;
    QList<Row> texts;
    void DrawItem(const QString &text, int x, int y, bool selected) override
    {
        buttons.append({text, x, y, selected});
        TButtonBox::DrawItem(text, x, y, selected);
    }
};

class ButtonBoxTest : public ::testing::Test
{
protected:
    TPaintSurface surface;
    RecordingButtonBox box{&surface};

    void SetUp() override
    {
        surface.resize(300, 100);
        box.setTextMeasure(fixedMeasure());
        box.setShadow(false);            // buttons of 20 + 0 = 20 pixels by default
        box.ButtonStyle()->setAutoSize(false);
        box.ButtonStyle()->setHeight(25);   // ih = 25
        box.ButtonStyle()->setWidth(80);
    }

    void fill(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines << QStringLiteral("b%1").arg(i);
        box.setText(lines);
    }

    QList<Row> paint()
    {
        box.buttons.clear();
        render(box);
        return box.buttons;
    }
};

} // namespace

TEST_F(ButtonBoxTest, DefaultsAfterCreation)
{
    TPaintSurface s;
    TButtonBox fresh(&s);
    EXPECT_FALSE(fresh.WordWrap());
    EXPECT_EQ(fresh.ColorSelected().value(), TColor::clRed);
    EXPECT_EQ(fresh.Columns(), 1);
    EXPECT_FALSE(fresh.HorizAlloc());
    EXPECT_TRUE(fresh.AutoColumns());
    EXPECT_EQ(fresh.SelectedIndex(), 0);
    TStyledButton *style = fresh.ButtonStyle();
    EXPECT_EQ(style->Style(), TStyledButton::bssText);
    EXPECT_EQ(style->Color().value(), TColor::clNone);
    EXPECT_EQ(style->Width(), 200);
    EXPECT_EQ(style->Height(), 25);
    EXPECT_TRUE(style->AutoSize());
    EXPECT_EQ(style->Box(), &fresh);
}

TEST_F(ButtonBoxTest, NineButtonsFillColumnsFirst)
{
    fill(9);
    const QList<Row> rows = paint();
    EXPECT_EQ(box.LastRows(), 4);
    EXPECT_EQ(box.LastColumns(), 3);
    EXPECT_EQ(box.ColumnWidth(), 100);
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[5].x, 100);
    EXPECT_EQ(rows[5].y, 25);
    EXPECT_EQ(rows[8].x, 200);
    EXPECT_EQ(rows[8].y, 0);
}

TEST_F(ButtonBoxTest, NineButtonsFillRowsFirst)
{
    box.setHorizAlloc(true);
    fill(9);
    const QList<Row> rows = paint();
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[5].x, 200);
    EXPECT_EQ(rows[5].y, 25);
    EXPECT_EQ(rows[8].x, 200);
    EXPECT_EQ(rows[8].y, 50);
}

TEST_F(ButtonBoxTest, AutomaticColumns)
{
    for (auto [n, cols] : {std::pair{0, 1}, {1, 1}, {4, 1}, {5, 2}, {16, 4}, {17, 5}}) {
        fill(n);
        paint();
        EXPECT_EQ(box.LastColumns(), cols) << n << " buttons";
    }
    box.setAutoColumns(false);
    box.setColumns(2);
    fill(9);
    const QList<Row> rows = paint();
    EXPECT_EQ(box.LastColumns(), 2);
    EXPECT_EQ(box.ColumnWidth(), 150);
    EXPECT_EQ(rows[8].x, 300);   // beyond the area, clipped by the surface
}

TEST_F(ButtonBoxTest, RowPitchOfZeroOrLessGivesOneRow)
{
    box.setRowSpacing(-25);
    fill(3);
    QList<Row> rows = paint();
    EXPECT_EQ(box.LastRows(), 1);
    EXPECT_EQ(box.LastColumns(), 3);
    box.setRowSpacing(-40);
    rows = paint();
    EXPECT_EQ(box.LastRows(), 1);
    surface.resize(300, 10);   // shorter than one button
    box.setRowSpacing(0);
    paint();
    EXPECT_EQ(box.LastRows(), 1);
}

TEST_F(ButtonBoxTest, RowSpacingSeparatesRowsButNotTheFirst)
{
    box.setRowSpacing(5);
    fill(3);
    const QList<Row> rows = paint();
    EXPECT_EQ(box.LastRows(), 3);   // 100 div 30
    EXPECT_EQ(rows[0].y, 0);
    EXPECT_EQ(rows[1].y, 30);
    EXPECT_EQ(rows[2].y, 60);
}

TEST_F(ButtonBoxTest, ColumnsAreClamped)
{
    box.setColumns(0);
    EXPECT_EQ(box.Columns(), 1);
    box.setColumns(7);
    EXPECT_EQ(box.Columns(), 4);
    box.setColumns(-100);
    EXPECT_EQ(box.Columns(), 1);
    EXPECT_TRUE(box.setProperty("Columns", 3));
    EXPECT_EQ(box.Columns(), 3);
}

TEST_F(ButtonBoxTest, AlignmentOfButtonsInTheirCells)
{
    fill(9);
    box.setAlignment(TControlWrapper::taRightJustify);
    QList<Row> rows = paint();
    EXPECT_EQ(rows[5].x, 200 - 80);
    box.setAlignment(TControlWrapper::taCenter);
    rows = paint();
    EXPECT_EQ(rows[5].x, 100 + (100 - 80) / 2);
    // A button wider than its column is clipped to the column width.
    box.ButtonStyle()->setWidth(500);
    rows = paint();
    EXPECT_EQ(rows[5].x, 100);
    EXPECT_EQ(box.MeasureItem("x").width(), 100);
}

TEST_F(ButtonBoxTest, AutoSizeAddsEachPadOnce)
{
    box.ButtonStyle()->setAutoSize(true);
    box.ButtonStyle()->setPadHorizontal(7);
    box.ButtonStyle()->setPadVertical(4);
    box.setShadow(true);   // 3
    paint();               // column width = 300
    EXPECT_EQ(box.MeasureItem("abcd"), QSize(40 + 3 + 7, 20 + 3 + 4));
    box.ButtonStyle()->setStyle(TStyledButton::bssSkinned);
    QImage big(90, 60, QImage::Format_RGB32);
    big.fill(Qt::red);
    box.ButtonStyle()->Pictures()->Default()->setBitmap(big);
    EXPECT_EQ(box.MeasureItem("abcd"), QSize(90, 60));
    box.ButtonStyle()->Pictures()->Default()->clear();
    EXPECT_EQ(box.MeasureItem("abcd"), QSize(50, 27));
}

TEST_F(ButtonBoxTest, SelectedIndexPicksTheSelectedButton)
{
    fill(3);
    box.setSelectedIndex(1);
    QList<Row> rows = paint();
    EXPECT_FALSE(rows[0].selected);
    EXPECT_TRUE(rows[1].selected);
    box.setSelectedIndex(-1);
    for (const Row &r : paint())
        EXPECT_FALSE(r.selected);
    box.setSelectedIndex(3);
    for (const Row &r : paint())
        EXPECT_FALSE(r.selected);
}

TEST_F(ButtonBoxTest, ShorteningKeepsTheTextInsideTheColumn)
{
    TStyledButton *style = box.ButtonStyle();
    style->setAutoSize(true);
    style->setPadHorizontal(5);
    box.setShadow(true);
    paint();   // column width 300
    // A 60-pixel button (clipped) must show text of width + shadow <= 60 - 5.
    int drawn = 0;
    EXPECT_EQ(style->ShortenedText("abcdefghij", 60, &drawn), "ab...");
    EXPECT_EQ(drawn, 5 * 10 + 3);   // five characters and the shadow
    EXPECT_LE(drawn, 60 - 5);
    EXPECT_EQ(style->ShortenedText("abc", 60, &drawn), "abc");
    EXPECT_EQ(drawn, 33);
    EXPECT_EQ(style->ShortenedText("abcdef", 20, &drawn), "...");   // even "..." does not fit
    EXPECT_EQ(drawn, 33);
    EXPECT_EQ(style->ShortenedText("", 0, &drawn), "");
    // Exactly fitting text is kept whole.
    EXPECT_EQ(style->ShortenedText("abcde", 58, &drawn), "abcde");
}

TEST_F(ButtonBoxTest, ShorteningMatchesDroppingOneCharacterAtATime)
{
    TStyledButton *style = box.ButtonStyle();
    box.setTextMeasure(std::make_shared<TFontMeasure>());
    box.Font()->setName("Liberation Serif");
    box.Font()->setHeight(-19);
    box.setShadow(true);
    style->setPadHorizontal(3);
    const QString text = QStringLiteral("Установка программы «Просмотр» W.i.l.l");
    const TTextMeasure &m = box.textMeasure();
    for (int bw = 0; bw < 320; bw += 7) {
        // The rule as stated: drop characters one by one until it fits.
        qsizetype n = text.size();
        int tw = m.textWidth(*box.Font(), text) + 3;
        while (tw > bw - 3 && n > 0) {
            --n;
            tw = m.textWidth(*box.Font(), text.left(n) + "...") + 3;
        }
        const QString expected = n == text.size() ? text : text.left(n) + "...";
        int drawn = 0;
        EXPECT_EQ(style->ShortenedText(text, bw, &drawn), expected) << "width " << bw;
        EXPECT_EQ(drawn, tw) << "width " << bw;
    }
}

TEST_F(ButtonBoxTest, ButtonTextAlignmentInsideTheButton)
{
    // The text cell lands at x + dx; shadow off, button 80 wide, text "ab" 20 wide.
    TStyledButton *style = box.ButtonStyle();
    style->setPadHorizontal(6);
    style->setPadVertical(2);
    box.setText({"ab"});
    QImage image(300, 100, QImage::Format_ARGB32);
    auto textLeft = [&] {
        image.fill(Qt::transparent);
        QPainter p(&image);
        box.Font()->setColor(TColor::clWhite);
        box.Font()->setName("Liberation Sans");
        box.Paint(p);
        p.end();
        int minX = 1000;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x)
                if (qAlpha(image.pixel(x, y)) > 0)
                    minX = std::min(minX, x);
        return minX;
    };
    style->setAlignment(TControlWrapper::taLeftJustify);
    const int left = textLeft();
    EXPECT_GE(left, 6);
    EXPECT_LE(left, 8);
    style->setAlignment(TControlWrapper::taRightJustify);
    const int right = textLeft();
    EXPECT_EQ(right - left, (80 - 6 - 20) - 6);
}

TEST_F(ButtonBoxTest, RaisedButtonsLeaveAFaceOfClNoneUnpainted)
{
    TStyledButton *style = box.ButtonStyle();
    style->setStyle(TStyledButton::bssButton);
    box.setText({"ab"});
    const QPalette pal = surface.palette();
    QImage img = render(box, Qt::green);
    EXPECT_EQ(img.pixel(0, 0), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(img.pixel(79, 24), pal.color(QPalette::Shadow).rgb());
    EXPECT_EQ(img.pixel(78, 23), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(img.pixel(60, 12), QColor(Qt::green).rgb());   // face shows what is beneath
    EXPECT_EQ(img.pixel(150, 12), QColor(Qt::green).rgb());  // outside the button
    style->setColor(TColor::clBlue);
    img = render(box, Qt::green);
    EXPECT_EQ(img.pixel(60, 12), qRgb(0, 0, 255));
    // The selected button is raised too.
    box.setSelectedIndex(0);
    img = render(box, Qt::green);
    EXPECT_EQ(img.pixel(0, 0), pal.color(QPalette::Light).rgb());
}

TEST_F(ButtonBoxTest, SkinnedButtonsUseDefaultWhenSelectedIsEmpty)
{
    TStyledButton *style = box.ButtonStyle();
    style->setStyle(TStyledButton::bssSkinned);
    style->setAutoSize(true);
    QImage skin(50, 22, QImage::Format_RGB32);
    skin.fill(qRgb(10, 200, 10));
    style->Pictures()->Default()->setBitmap(skin);
    box.setText({"", "x"});   // empty captions still make buttons
    box.setSelectedIndex(0);
    box.setColorSelected(TColor::clRed);
    QImage img = render(box, Qt::black);
    EXPECT_EQ(img.pixel(25, 11), qRgb(10, 200, 10));   // selected button: Default picture
    EXPECT_EQ(img.pixel(25, 33), qRgb(10, 200, 10));   // next row at 22
    QImage sel(50, 22, QImage::Format_RGB32);
    sel.fill(qRgb(200, 10, 10));
    style->Pictures()->Selected()->setBitmap(sel);
    img = render(box, Qt::black);
    EXPECT_EQ(img.pixel(25, 11), qRgb(200, 10, 10));
    EXPECT_EQ(img.pixel(25, 33), qRgb(10, 200, 10));
    // Pressed is never used by the menu area.
    QImage pressed(50, 22, QImage::Format_RGB32);
    pressed.fill(Qt::white);
    style->Pictures()->Pressed()->setBitmap(pressed);
    img = render(box, Qt::black);
    EXPECT_NE(img.pixel(25, 11), qRgb(255, 255, 255));
}

TEST_F(ButtonBoxTest, SelectedTextColourAndShadow)
{
    box.setTextMeasure(std::make_shared<TFontMeasure>());
    box.Font()->setName("Liberation Sans");
    box.Font()->setHeight(-20);
    box.Font()->setColor(TColor::clWhite);
    box.setColorSelected(TColor::clRed);
    box.setShadow(true);
    box.setShadowColor(TColor::clBlue);
    box.setText({"HHHH", "HHHH"});
    box.setSelectedIndex(0);
    const QImage img = render(box, Qt::black);
    auto count = [&](int y0, int y1, QRgb colour) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < 100; ++x)
                n += img.pixel(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(0, 25, qRgb(255, 0, 0)), 20);
    EXPECT_EQ(count(0, 25, qRgb(255, 255, 255)), 0);
    EXPECT_GT(count(25, 50, qRgb(255, 255, 255)), 20);
    EXPECT_EQ(count(25, 50, qRgb(255, 0, 0)), 0);
    EXPECT_GT(count(0, 50, qRgb(0, 0, 255)), 20);   // shadows of both
}

TEST_F(ButtonBoxTest, StyleViewsWriteTheMenuArea)
{
    TStyledButton *style = box.ButtonStyle();
    style->setColorSelected(TColor::clLime);
    EXPECT_EQ(box.ColorSelected().value(), TColor::clLime);
    style->setColorNormal(TColor::clAqua);
    EXPECT_EQ(box.Font()->Color().value(), TColor::clAqua);
    style->setShadowSize(-4);
    EXPECT_EQ(box.ShadowSize(), -4);
    style->setShadow(true);
    EXPECT_TRUE(box.Shadow());
    EXPECT_TRUE(style->setProperty("ShadowColor", 255));
    EXPECT_EQ(box.ShadowColor().value(), 255);
    EXPECT_TRUE(style->setProperty("Style", 2));
    EXPECT_EQ(style->Style(), TStyledButton::bssSkinned);
    EXPECT_TRUE(style->setProperty("Alignment", 1));
    EXPECT_EQ(style->Alignment(), TControlWrapper::taRightJustify);
    EXPECT_EQ(style->Font(), box.Font());
}

TEST_F(ButtonBoxTest, PictureChangesAndStyleSettersRepaintTheArea)
{
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    PaintCounter counter(&surface);
    box.ButtonStyle()->setPadVertical(3);
    EXPECT_EQ(counter.count, 1);
    QImage skin(5, 5, QImage::Format_RGB32);
    skin.fill(Qt::red);
    box.ButtonStyle()->Pictures()->Selected()->setBitmap(skin);
    EXPECT_EQ(counter.count, 2);
    box.setColumns(9);
    EXPECT_EQ(counter.count, 3);
    // A refill under Updating repaints once, at the end.
    box.setUpdating(true);
    fill(5);
    box.setSelectedIndex(2);
    box.setUpdating(false);
    EXPECT_EQ(counter.count, 3);
    box.Repaint();
    EXPECT_EQ(counter.count, 4);
    surface.hide();
}
