#include "window/TTextMeasure.h"

#include "window/TFont.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <cmath>

QList<int> TTextMeasure::prefixWidths(const TFont &font, QStringView text, int stopAbove) const
{
    QList<int> widths{0};
    for (qsizetype k = 1; k <= text.size(); ++k) {
        const int width = textWidth(font, text.left(k));
        widths.append(width);
        if (width > stopAbove)
            break;
    }
    return widths;
}

namespace {

// Characters whose advance does not depend on their neighbours once kerning
// and shaping are off: Latin, Greek and Cyrillic letters, digits, common
// punctuation; not marks, controls, soft hyphens or surrogates.
bool isSimple(QChar ch)
{
    const char16_t u = ch.unicode();
    constexpr char16_t kFirstPrintable = 0x20;
    constexpr char16_t kDelete = 0x7F;
    constexpr char16_t kSoftHyphen = 0xAD;
    constexpr char16_t kEndOfCyrillic = 0x0530;
    constexpr char16_t kFirstDash = 0x2010;
    constexpr char16_t kLastPunctuation = 0x2027;
    if (u < kFirstPrintable || u == kDelete || u == kSoftHyphen)
        return false;
    if (u < kEndOfCyrillic)
        return !ch.isMark();
    return u >= kFirstDash && u <= kLastPunctuation;
}

} // namespace

int TFontMeasure::textWidth(const TFont &font, QStringView text) const
{
    // Adding up cached advances gives what measuring the whole text gives, for
    // the characters menus are written in; anything else is measured whole.
    qreal sum = 0;
    for (const QChar ch : text) {
        if (!isSimple(ch))
            return font.metrics().horizontalAdvance(text.toString());
        sum += font.advance(ch);
    }
    return int(std::lround(sum));
}

int TFontMeasure::cellHeight(const TFont &font) const
{
    const QFontMetrics &metrics = font.metrics();
    return metrics.ascent() + metrics.descent();
}

QList<int> TFontMeasure::prefixWidths(const TFont &font, QStringView text, int stopAbove) const
{
    // Without kerning the advance of a text is the sum of its characters'
    // advances, rounded once; summing them here gives every prefix in one pass.
    for (const QChar ch : text)
        if (!isSimple(ch))
            return TTextMeasure::prefixWidths(font, text, stopAbove);
    QList<int> widths{0};
    qreal sum = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        sum += font.advance(text.at(k));
        const int width = int(std::lround(sum));
        widths.append(width);
        if (width > stopAbove)
            break;
    }
    return widths;
}

int TFixedPitchMeasure::textWidth(const TFont &, QStringView text) const
{
    return int(text.size()) * m_charWidth;
}

int TFixedPitchMeasure::cellHeight(const TFont &) const
{
    return m_cellHeight;
}

QList<int> TFixedPitchMeasure::prefixWidths(const TFont &, QStringView text, int stopAbove) const
{
    QList<int> widths{0};
    for (qsizetype k = 1; k <= text.size(); ++k) {
        const int width = int(k) * m_charWidth;
        widths.append(width);
        if (width > stopAbove)
            break;
    }
    return widths;
}

int TFontMetrics::CharHeight() const
{
    return m_font.charHeight();
}

std::vector<int> TFontMetrics::PrefixWidths(std::u16string_view text, int stopAbove) const
{
    const QList<int> widths = m_measure.prefixWidths(m_font, QtView(text), stopAbove);
    return std::vector<int>(widths.begin(), widths.end());
}
