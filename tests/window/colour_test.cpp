#include "window/TColor.h"
#include "window/TCursor.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(ColourTest, ExplicitColoursAreBlueGreenRed)
{
    EXPECT_EQ(TColor(TColor::clRed).toQColor(), QColor(255, 0, 0));
    EXPECT_EQ(TColor(TColor::clBlue).toQColor(), QColor(0, 0, 255));
    EXPECT_EQ(TColor(0x00336699).toQColor(), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(TColor::fromRgb(0x12, 0x34, 0x56).value(), 0x563412);
    EXPECT_EQ(TColor::fromQColor(QColor(1, 2, 3)).value(), 0x030201);
    EXPECT_EQ(TColor(TColor::clNone).toQColor().alpha(), 0);
}

TEST(ColourTest, StockValues)
{
    EXPECT_EQ(TColor::clNone, 0x1FFFFFFF);
    EXPECT_EQ(TColor::clBtnFace, -16777201);
    EXPECT_EQ(TColor::clBtnShadow, -16777200);
    EXPECT_EQ(TColor::clBtnHighlight, -16777196);
    EXPECT_EQ(TColor::cl3DDkShadow, -16777195);
    EXPECT_EQ(TColor::clOlive, 32896);
    EXPECT_EQ(TColor::clSilver, 12632256);
    EXPECT_EQ(TColor(TColor::clTeal).name(), "clTeal");
    TColor parsed;
    EXPECT_TRUE(TColor::fromName("clbtnface", &parsed));
    EXPECT_EQ(parsed.value(), TColor::clBtnFace);
    EXPECT_FALSE(TColor::fromName("clNoSuchColour", &parsed));
    EXPECT_TRUE(TColor(12345).name().isEmpty());
}

TEST(ColourTest, SystemColoursComeFromThePalette)
{
    QPalette pal;
    pal.setColor(QPalette::Button, QColor(1, 1, 1));
    pal.setColor(QPalette::Dark, QColor(2, 2, 2));
    pal.setColor(QPalette::Light, QColor(3, 3, 3));
    pal.setColor(QPalette::Shadow, QColor(4, 4, 4));
    EXPECT_EQ(TColor(TColor::clBtnFace).toQColor(pal), QColor(1, 1, 1));
    EXPECT_EQ(TColor(TColor::clBtnShadow).toQColor(pal), QColor(2, 2, 2));
    EXPECT_EQ(TColor(TColor::clBtnHighlight).toQColor(pal), QColor(3, 3, 3));
    EXPECT_EQ(TColor(TColor::cl3DDkShadow).toQColor(pal), QColor(4, 4, 4));
    EXPECT_TRUE(TColor(TColor::clBtnFace).isSystem());
}

TEST(ColourTest, ConvertsThroughVariants)
{
    TColor::registerMetaType();
    QVariant v = QVariant::fromValue(TColor(TColor::clBtnFace));
    EXPECT_EQ(v.toInt(), -16777201);
    QVariant i(255);
    ASSERT_TRUE(i.convert(QMetaType::fromType<TColor>()));
    EXPECT_EQ(i.value<TColor>().value(), 255);
    QVariant u(uint(0xFF00000Fu));   // unsigned form of the button face
    ASSERT_TRUE(u.convert(QMetaType::fromType<TColor>()));
    EXPECT_EQ(u.value<TColor>().value(), TColor::clBtnFace);
    QVariant named(QStringLiteral("clBlue"));
    ASSERT_TRUE(named.convert(QMetaType::fromType<TColor>()));
    EXPECT_EQ(named.value<TColor>().value(), TColor::clBlue);
    QVariant number(QStringLiteral("-16777200"));
    ASSERT_TRUE(number.convert(QMetaType::fromType<TColor>()));
    EXPECT_EQ(number.value<TColor>().value(), TColor::clBtnShadow);
    EXPECT_FALSE(QVariant(QStringLiteral("reddish")).convert(QMetaType::fromType<TColor>()));
}

TEST(CursorTest, IdentifiersMapToQtCursors)
{
    EXPECT_EQ(TCursor(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(TCursor(-1).shape(), Qt::BlankCursor);
    EXPECT_EQ(TCursor(-3).shape(), Qt::CrossCursor);
    EXPECT_EQ(TCursor(-4).shape(), Qt::IBeamCursor);
    EXPECT_EQ(TCursor(-6).shape(), Qt::SizeBDiagCursor);
    EXPECT_EQ(TCursor(-7).shape(), Qt::SizeVerCursor);
    EXPECT_EQ(TCursor(-8).shape(), Qt::SizeFDiagCursor);
    EXPECT_EQ(TCursor(-9).shape(), Qt::SizeHorCursor);
    EXPECT_EQ(TCursor(-11).shape(), Qt::WaitCursor);
    EXPECT_EQ(TCursor(-13).shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(TCursor(-20).shape(), Qt::WhatsThisCursor);
    EXPECT_EQ(TCursor(-21).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(TCursor(-22).shape(), Qt::SizeAllCursor);
    EXPECT_EQ(TCursor(5).shape(), Qt::ArrowCursor);
    EXPECT_EQ(TCursor(-21).name(), "crHandPoint");
    TCursor c;
    EXPECT_TRUE(TCursor::fromName("crSizeAll", &c));
    EXPECT_EQ(c.value(), -22);
    EXPECT_TRUE(TCursor::fromName("-7", &c));
    EXPECT_EQ(c.value(), -7);
    EXPECT_FALSE(TCursor::fromName("70000", &c));
}

TEST(CursorTest, VariantsKeepTheLow16Bits)
{
    TCursor::registerMetaType();
    QVariant v(65535 + 1 - 21);   // the file form keeps the low 16 bits
    ASSERT_TRUE(v.convert(QMetaType::fromType<TCursor>()));
    EXPECT_EQ(v.value<TCursor>().value(), -21);
    QVariant u(uint(65535 - 1));
    ASSERT_TRUE(u.convert(QMetaType::fromType<TCursor>()));
    EXPECT_EQ(u.value<TCursor>().value(), -2);
    QVariant named(QStringLiteral("crHandPoint"));
    ASSERT_TRUE(named.convert(QMetaType::fromType<TCursor>()));
    EXPECT_EQ(named.value<TCursor>().value(), TCursor::crHandPoint);
    EXPECT_FALSE(QVariant(QStringLiteral("pointer")).convert(QMetaType::fromType<TCursor>()));
}

#include "window/TFont.h"
#include "window/TTextMeasure.h"

TEST(TextMeasureTest, CumulativeAdvancesEqualMeasuredPrefixes)
{
    // Widths from cached advances must be exactly what Qt measures for each prefix.
    const TFontMeasure fast;
    auto measured = [](const TFont &font, const QString &text) {
        QList<int> widths;
        const QFontMetrics metrics(font.toQFont());
        for (qsizetype k = 0; k <= text.size(); ++k)
            widths << metrics.horizontalAdvance(text.left(k));
        return widths;
    };
    const QStringList texts{
        QStringLiteral("The quick brown fox jumps over the lazy dog; AV Wa To."),
        QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю!"),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii"),
        QStringLiteral("fi fl ffi office waffle AVAVAV LT Ty yo"),
        QStringLiteral("«Кавычки» — тире, №5, ½ ©"),
        QStringLiteral("tab\there e\u0301 combining, \U0001F600 emoji, 中文"),
    };
    for (const char *face : {"Liberation Serif", "Liberation Sans", "DejaVu Sans"}) {
        for (int height : {-11, -16, -19, -24}) {
            for (TFont::TFontStyles style : {TFont::TFontStyles(), TFont::TFontStyles(TFont::fsBold | TFont::fsItalic)}) {
                TFont font;
                font.setName(QString::fromLatin1(face));
                font.setHeight(height);
                font.setStyle(style);
                for (const QString &text : texts) {
                    const QList<int> expected = measured(font, text);
                    EXPECT_EQ(fast.prefixWidths(font, text, INT_MAX), expected)
                        << face << " " << height << " " << text.toStdString();
                    for (qsizetype k = 0; k <= text.size(); k += 5)
                        EXPECT_EQ(fast.textWidth(font, text.left(k)), expected.at(k));
                }
            }
        }
    }
    // Stopping early keeps the first width above the limit.
    TFont font;
    const QList<int> cut = fast.prefixWidths(font, u"abcdefghij", 5);
    EXPECT_GT(cut.last(), 5);
    EXPECT_LE(cut.at(cut.size() - 2), 5);
}

TEST(FontTest, SignedHeightsAndSizes)
{
    TFont font;
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.setHeight(-24);
    EXPECT_EQ(font.charHeight(), 24);
    EXPECT_EQ(font.toQFont().pixelSize(), 24);
    EXPECT_EQ(font.Size(), 18);
    font.setSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.setHeight(30);   // a cell height: characters somewhat smaller
    EXPECT_GT(font.charHeight(), 0);
    EXPECT_LE(font.charHeight(), 30);
    font.setHeight(0);
    EXPECT_EQ(font.charHeight(), TFont::kDefaultPixelHeight);
    int changes = 0;
    QObject::connect(&font, &TFont::changed, [&] { ++changes; });
    TFont other;
    other.setName("Arial");
    other.setStyle(TFont::fsUnderline);
    font.assign(other);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(font.toQFont().underline());
    font.assign(other);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(font.setProperty("Style", 3));
    EXPECT_TRUE(font.toQFont().bold());
    EXPECT_TRUE(font.toQFont().italic());
    EXPECT_TRUE(font.setProperty("Color", 65535));
    EXPECT_EQ(font.Color().value(), TColor::clYellow);
}
