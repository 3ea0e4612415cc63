#include "WindowTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace wtest;

namespace {

// A text box that records every row it draws.
class RecordingTextBox : public TTextBox
{
public:
    using TTextBox::TTextBox;
    QList<Row> rows;
    void DrawItem(const QString &text, int x, int y, bool selected) override
    {
        rows.append({text, x, y, selected});
        TTextBox::DrawItem(text, x, y, selected);
    }
};

class TextBoxTest : public ::testing::Test
{
protected:
    TPaintSurface surface;
    RecordingTextBox box{&surface};

    void SetUp() override
    {
        surface.resize(45, 200);   // holds four characters but not five
        box.setTextMeasure(fixedMeasure());
        box.Font()->setHeight(-20);   // rows of 20 + shadow 3 = 23
    }

    QList<Row> paint()
    {
        box.rows.clear();
        render(box);
        return box.rows;
    }
    QStringList texts()
    {
        QStringList out;
        for (const Row &r : paint())
            out << r.text;
        return out;
    }
};

} // namespace

TEST_F(TextBoxTest, DefaultsAfterCreation)
{
    EXPECT_FALSE(box.Updating());
    EXPECT_TRUE(box.Shadow());
    EXPECT_EQ(box.ShadowSize(), 3);
    EXPECT_EQ(box.ShadowColor().value(), TColor::clBlack);
    EXPECT_EQ(box.Color().value(), TColor::clNone);
    EXPECT_TRUE(box.WordWrap());
    EXPECT_FALSE(box.AllowChange());
    EXPECT_FALSE(box.GroupCaptionShown());
    EXPECT_EQ(box.BorderStyle(), TTextBox::tbsNone);
    EXPECT_EQ(box.Alignment(), TControlWrapper::taLeftJustify);
    EXPECT_EQ(box.RowSpacing(), 0);
}

TEST_F(TextBoxTest, WrapsAtSpacesKeepingTheSpaceOnTheRow)
{
    box.setText({"one two three"});
    const QList<Row> rows = paint();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (Row{"one ", 0, 0, false}));
    EXPECT_EQ(rows[1], (Row{"two ", 0, 23, false}));
    EXPECT_EQ(rows[2], (Row{"three", 0, 46, false}));   // overflows by one character

    // A piece exactly as wide as the box fits: only a wider one breaks.
    surface.resize(5 * kCharWidth, 200);
    box.setText({"ab cd ef"});
    EXPECT_EQ(texts(), (QStringList{"ab cd ", "ef"}));
    box.setText({"ab cde"});   // all but the last character fit exactly: one row
    EXPECT_EQ(texts(), QStringList{"ab cde"});
}

TEST_F(TextBoxTest, OverflowingWordsAndLastCharacters)
{
    box.setText({"abcdefghij"});
    EXPECT_EQ(texts(), QStringList{"abcdefghij"});
    box.setText({"abcdefg hi"});   // first word wider than the box: drawn whole
    EXPECT_EQ(texts(), (QStringList{"abcdefg", "hi"}));
    box.setText({"ab cd"});        // only the last character crosses the edge
    EXPECT_EQ(texts(), QStringList{"ab cd"});
}

TEST_F(TextBoxTest, LeadingSpacesOfLaterPiecesAreDropped)
{
    box.setText({"  ab   cd"});
    EXPECT_EQ(texts(), (QStringList{"  ab ", "cd"}));
    box.setText({"  x"});
    EXPECT_EQ(texts(), QStringList{"  x"});
}

TEST_F(TextBoxTest, ZeroWidthPutsEveryWordOnItsOwnRow)
{
    surface.resize(0, 200);
    box.setText({"ab cd ef"});
    EXPECT_EQ(texts(), (QStringList{"ab", "cd", "ef"}));
}

TEST_F(TextBoxTest, EmptyLinesTakeOneRow)
{
    box.setText({"", "a", "", "b"});
    const QList<Row> rows = paint();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].y, 23);
    EXPECT_EQ(rows[1].y, 69);
}

TEST_F(TextBoxTest, LineBreaksInsideAStringPaintAsSeparateLines)
{
    // A multi-line comment handed over as one string paints row by row, as
    // joining the text with line breaks and splitting it again gives.
    surface.resize(200, 200);
    box.setText({"one\r\ntwo", "three\nfour\rfive", "six\r\n"});
    EXPECT_EQ(box.Text().size(), 3);   // what is saved stays as given
    EXPECT_EQ(box.Lines(), (QStringList{"one", "two", "three", "four", "five", "six", ""}));
    const QList<Row> rows = paint();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[1].text, "two");
    EXPECT_EQ(rows[1].y, 23);
    box.setAllowChange(true);
    box.ShowGroupCaption("");
    EXPECT_EQ(box.Lines().size(), 7);
}

TEST_F(TextBoxTest, NegativeRowSpacing)
{
    box.setRowSpacing(-5);
    box.setText({"a", "b"});
    const QList<Row> rows = paint();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].y, -5);
    EXPECT_EQ(rows[1].y, -5 + 23 - 5);
}

TEST_F(TextBoxTest, StopsAfterTheLineThatReachesTheBottom)
{
    surface.resize(45, 50);
    box.setText({"a", "b", "c", "d"});
    EXPECT_EQ(texts(), (QStringList{"a", "b", "c"}));
    // The pieces of one wrapped line all draw, even below the bottom edge.
    box.setText({"aa bb cc dd ee"});
    const QList<Row> rows = paint();
    ASSERT_EQ(rows.size(), 4);   // 'aa ', 'bb ', 'cc ', 'dd ee'
    EXPECT_EQ(rows.last().y, 69);
}

TEST_F(TextBoxTest, AlignmentCountsTheShadow)
{
    surface.resize(100, 50);
    box.setText({"abc"});
    box.setAlignment(TControlWrapper::taRightJustify);
    QList<Row> rows = paint();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].x + 3 + 30, 100);   // the shadow's right edge touches the edge
    box.setAlignment(TControlWrapper::taCenter);
    EXPECT_EQ(paint()[0].x, (100 - 33) / 2);
    box.setShadow(false);
    box.setAlignment(TControlWrapper::taRightJustify);
    EXPECT_EQ(paint()[0].x, 70);
    // Centre division truncates toward zero when the text is wider than the box.
    surface.resize(5, 50);
    box.setText({"abcdefghij"});
    box.setAlignment(TControlWrapper::taCenter);
    EXPECT_EQ(paint()[0].x, (5 - 100) / 2);
}

TEST_F(TextBoxTest, RowHeightFollowsTheSignedFontHeight)
{
    box.setTextMeasure(std::make_shared<TFontMeasure>());
    box.Font()->setName("Liberation Serif");
    box.Font()->setHeight(-24);
    EXPECT_EQ(box.MeasureItem("x").height(), 27);
    EXPECT_EQ(box.MeasureItem("").height(), 27);
    box.Font()->setHeight(-16);
    EXPECT_EQ(box.MeasureItem("Wide text").height(), 19);
    box.setShadow(false);
    EXPECT_EQ(box.MeasureItem("x").height(), 16);
    box.setShadow(true);
    box.setShadowSize(-2);
    EXPECT_EQ(box.MeasureItem("x").height(), 14);
    // A positive height is a cell height; rows never run upwards.
    box.Font()->setHeight(20);
    EXPECT_GT(box.MeasureItem("x").height(), 0);
}

TEST_F(TextBoxTest, GroupCaptionReplacesTheTextWhileAllowed)
{
    box.setText({"Line one", "Line two"});
    box.setAllowChange(true);
    box.ShowGroupCaption("Games");
    EXPECT_TRUE(box.GroupCaptionShown());
    EXPECT_EQ(box.Lines(), QStringList{"Games"});
    EXPECT_EQ(texts(), QStringList{"Games"});
    // Editing Text changes what is saved, not what is painted.
    box.setText({"Edited"});
    EXPECT_EQ(box.Text(), QStringList{"Edited"});
    EXPECT_EQ(box.Lines(), QStringList{"Games"});
    box.ShowGroupCaption("");
    EXPECT_FALSE(box.GroupCaptionShown());
    EXPECT_EQ(box.Lines(), QStringList{"Edited"});
}

TEST_F(TextBoxTest, SwitchingAllowChangeOffBringsTextBackThroughRefreshMenu)
{
    int refreshes = 0;
    box.setRefreshMenuHandler([&] {
        ++refreshes;
        box.ShowGroupCaption("Games");   // what the design window would report
    });
    box.setText({"Autorun"});
    box.setAllowChange(true);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(box.Lines(), QStringList{"Games"});
    box.setAllowChange(false);
    EXPECT_EQ(refreshes, 2);
    EXPECT_FALSE(box.GroupCaptionShown());
    EXPECT_EQ(box.Lines(), QStringList{"Autorun"});
    box.setText({"Later edit"});
    EXPECT_EQ(box.Lines(), QStringList{"Later edit"});
}

TEST_F(TextBoxTest, WithoutHandlerAllowChangeReappliesTheLastCaption)
{
    box.setText({"Autorun"});
    box.ShowGroupCaption("Games");   // ignored while AllowChange is off
    EXPECT_EQ(box.Lines(), QStringList{"Autorun"});
    box.setAllowChange(true);
    EXPECT_EQ(box.Lines(), QStringList{"Games"});
}

TEST_F(TextBoxTest, SettersRepaintAsTheirRulesSay)
{
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    PaintCounter counter(&surface);
    box.setBorderColor(TColor::clRed);   // not a line border: no repaint
    EXPECT_EQ(counter.count, 0);
    box.setBorderStyle(TTextBox::tbsLine);
    EXPECT_EQ(counter.count, 1);
    box.setBorderColor(TColor::clBlue);
    EXPECT_EQ(counter.count, 2);
    box.setUpdating(true);
    box.setShadowSize(5);
    box.setText({"x"});
    EXPECT_EQ(counter.count, 2);
    box.setUpdating(false);
    box.setShadowColor(TColor::clWhite);
    EXPECT_EQ(counter.count, 3);
    box.Font()->setHeight(-30);   // the surface repaints itself
    EXPECT_EQ(counter.count, 4);
    surface.hide();
}

TEST_F(TextBoxTest, PublishesPropertiesByName)
{
    EXPECT_TRUE(box.setProperty("Alignment", 2));
    EXPECT_EQ(box.Alignment(), TControlWrapper::taCenter);
    EXPECT_TRUE(box.setProperty("BorderStyle", QVariant::fromValue(TTextBox::tbsSunken)));
    EXPECT_EQ(box.BorderStyle(), TTextBox::tbsSunken);
    EXPECT_TRUE(box.setProperty("Color", 255));
    EXPECT_EQ(box.Color().value(), TColor::clRed);
    EXPECT_TRUE(box.setProperty("ShadowColor", -16777201));
    EXPECT_EQ(box.ShadowColor().value(), TColor::clBtnFace);
    EXPECT_EQ(box.property("Color").value<TColor>().value(), 255);
    EXPECT_EQ(box.property("Color").toInt(), 255);
    EXPECT_TRUE(box.setProperty("Text", QStringList{"a", "b"}));
    EXPECT_EQ(box.Lines(), (QStringList{"a", "b"}));
    EXPECT_TRUE(box.setProperty("Cursor", -21));
    EXPECT_EQ(box.Cursor().value(), TCursor::crHandPoint);
    EXPECT_EQ(surface.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(box.setProperty("Left", 7));
    EXPECT_TRUE(box.setProperty("Top", 9));
    EXPECT_EQ(surface.geometry(), QRect(7, 9, 45, 200));
    box.Constraints()->setMaxWidth(30);
    EXPECT_EQ(box.Width(), 30);
    box.setWidth(100);
    EXPECT_EQ(box.Width(), 30);
    EXPECT_TRUE(box.setProperty("Anchors", int(TSurface::akLeft | TSurface::akBottom)));
    EXPECT_EQ(int(box.Anchors()), 9);
    TFont other;
    other.setName("Arial");
    other.setHeight(-16);
    other.setCharset(TFont::kCyrillicCharset);
    other.setStyle(TFont::fsItalic | TFont::fsBold);
    EXPECT_TRUE(box.setProperty("Font", QVariant::fromValue(&other)));
    EXPECT_TRUE(box.Font()->sameAs(other));
    EXPECT_NE(box.Font(), &other);   // copied, not shared
}

TEST_F(TextBoxTest, PaintsBackgroundOnlyWithAColour)
{
    surface.resize(40, 30);
    box.setText({});
    const QImage clear = render(box, Qt::blue);
    EXPECT_EQ(clear.pixel(20, 15), QColor(Qt::blue).rgb());   // clNone: what lies beneath shows
    box.setColor(TColor::clRed);
    EXPECT_EQ(render(box, Qt::blue).pixel(20, 15), qRgb(255, 0, 0));
}

TEST_F(TextBoxTest, TextIsDrawnWithoutBackgroundOverTheFill)
{
    box.setTextMeasure(std::make_shared<TFontMeasure>());
    surface.resize(120, 40);
    box.setColor(TColor::fromRgb(0, 0, 255));
    box.setShadow(false);
    box.Font()->setColor(TColor::clWhite);
    box.Font()->setName("Liberation Sans");
    box.Font()->setHeight(-24);
    box.setText({"H I"});
    const QImage image = render(box);
    int white = 0, blue = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = image.pixel(x, y);
            white += p == qRgb(255, 255, 255);
            blue += p == qRgb(0, 0, 255);
        }
    EXPECT_GT(white, 20);   // the glyphs
    EXPECT_GT(blue, 200);   // the fill between and inside them
}

TEST_F(TextBoxTest, BordersUseTheirColourRoles)
{
    surface.resize(20, 10);
    const QPalette pal = surface.palette();
    box.setBorderStyle(TTextBox::tbsRaised);
    QImage img = render(box, Qt::green);
    EXPECT_EQ(img.pixel(0, 0), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(img.pixel(10, 0), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(img.pixel(19, 5), pal.color(QPalette::Shadow).rgb());
    EXPECT_EQ(img.pixel(10, 9), pal.color(QPalette::Shadow).rgb());
    EXPECT_EQ(img.pixel(18, 5), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(img.pixel(10, 8), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(img.pixel(5, 5), QColor(Qt::green).rgb());   // the face is left alone

    box.setBorderStyle(TTextBox::tbsSunken);
    img = render(box, Qt::green);
    EXPECT_EQ(img.pixel(0, 5), pal.color(QPalette::Shadow).rgb());
    EXPECT_EQ(img.pixel(10, 0), pal.color(QPalette::Shadow).rgb());
    EXPECT_EQ(img.pixel(19, 5), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(img.pixel(10, 9), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(img.pixel(1, 5), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(img.pixel(10, 1), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(img.pixel(5, 5), QColor(Qt::green).rgb());

    box.setBorderStyle(TTextBox::tbsLine);
    box.setBorderColor(TColor::clRed);
    img = render(box, Qt::green);
    for (const QPoint p : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 9), QPoint(19, 9), QPoint(10, 9)})
        EXPECT_EQ(img.pixel(p), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(1, 1), QColor(Qt::green).rgb());
}

TEST_F(TextBoxTest, OddValuesPaintWithoutError)
{
    box.setShadowSize(-100000);
    box.setRowSpacing(std::numeric_limits<int>::min());
    box.Font()->setHeight(std::numeric_limits<int>::min());
    box.setText({"a b c", "", "d"});
    EXPECT_NO_THROW(render(box));
    box.setRowSpacing(std::numeric_limits<int>::max());
    EXPECT_NO_THROW(render(box));
}

TEST(ControlWrapperTest, ForwardsToTheControlAndDrawsAtItsPlace)
{
    QWidget window;
    window.resize(100, 60);
    auto *surface = new TPaintSurface(&window);
    surface->setGeometry(10, 20, 30, 15);
    TTextBox box(surface);
    box.setColor(TColor::clRed);
    box.setHint("Подсказка");
    EXPECT_TRUE(surface->toolTip().isEmpty());   // hint stored, not shown
    box.setShowHint(true);
    EXPECT_EQ(surface->toolTip(), QStringLiteral("Подсказка"));
    EXPECT_EQ(box.Hint(), QStringLiteral("Подсказка"));
    EXPECT_TRUE(box.Visible());   // its own switch, though the window is not shown
    EXPECT_EQ(surface->property("Left").toInt(), 10);

    QImage image(100, 60, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    box.renderInParent(painter);
    painter.end();
    EXPECT_EQ(image.pixel(10, 20), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(39, 34), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(40, 34), qRgb(0, 0, 255));   // clipped to the bounds
    EXPECT_EQ(image.pixel(9, 20), qRgb(0, 0, 255));

    box.setVisible(false);
    EXPECT_FALSE(box.Visible());
    image.fill(Qt::blue);
    QPainter again(&image);
    box.renderInParent(again);
    again.end();
    EXPECT_EQ(image.pixel(10, 20), qRgb(0, 0, 255));
}

TEST_F(TextBoxTest, HugeLineWrapsWithoutStalling)
{
    // A pasted text of a quarter million characters on one line.
    QString line;
    while (line.size() < 250000)
        line += QStringLiteral("word ");
    box.setText({line});
    const QStringList pieces = box.WrapLine(line);
    EXPECT_EQ(pieces.size(), 50000);   // "word " per row at four characters' width
    EXPECT_EQ(pieces.first(), QStringLiteral("word "));
}
