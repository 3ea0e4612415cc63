#include "window/TTextMeasure.h"

#include "window/TFont.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <cmath>

QList<int> TTextMeasure::prefixWidths(const TFont &font, const QString &text, int stopAbove) const
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

int TFontMeasure::textWidth(const TFont &font, const QString &text) const
{
    return QFontMetrics(font.toQFont()).horizontalAdvance(text);
}

int TFontMeasure::cellHeight(const TFont &font) const
{
    const QFontMetrics metrics(font.toQFont());
    return metrics.ascent() + metrics.descent();
}

QList<int> TFontMeasure::prefixWidths(const TFont &font, const QString &text, int stopAbove) const
{
    // Without kerning the advance of a text is the sum of its characters'
    // advances, rounded once; summing them here gives every prefix in one pass.
    const QFontMetricsF metrics(font.toQFont());
    QList<int> widths{0};
    qreal sum = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        sum += metrics.horizontalAdvance(text.at(k));
        const int width = int(std::lround(sum));
        widths.append(width);
        if (width > stopAbove)
            break;
    }
    return widths;
}

int TFixedPitchMeasure::textWidth(const TFont &, const QString &text) const
{
    return int(text.size()) * m_charWidth;
}

int TFixedPitchMeasure::cellHeight(const TFont &) const
{
    return m_cellHeight;
}

QList<int> TFixedPitchMeasure::prefixWidths(const TFont &, const QString &text, int stopAbove) const
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
