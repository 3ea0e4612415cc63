#pragma once

#include "rules/TextMetrics.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <string_view>

class TFont;

// How the window objects measure text. The program measures with the font's
// real metrics (TFontMeasure); layout tests use a fixed pitch
// (TFixedPitchMeasure), so that rows and positions are exact numbers.
class TTextMeasure
{
public:
    virtual ~TTextMeasure() = default;

    // Advance width of the text in pixels.
    virtual int textWidth(const TFont &font, QStringView text) const = 0;
    // Full cell height of the font (ascent plus descent); the same for every text.
    virtual int cellHeight(const TFont &font) const = 0;

    // widths[k] = textWidth of the first k characters, for k = 0, 1, ... up to
    // text.size(), stopping early after the first width greater than stopAbove.
    // The default measures every prefix anew; measures whose widths add up
    // character by character override it with cumulative advances.
    virtual QList<int> prefixWidths(const TFont &font, QStringView text, int stopAbove) const;
};

// Measures with the font's real metrics. Fonts are drawn without kerning, so
// the width of a prefix is the sum of its characters' advances.
class TFontMeasure : public TTextMeasure
{
public:
    int textWidth(const TFont &font, QStringView text) const override;
    int cellHeight(const TFont &font) const override;
    QList<int> prefixWidths(const TFont &font, QStringView text, int stopAbove) const override;
};

// Every character is charWidth pixels wide; every cell cellHeight pixels tall.
class TFixedPitchMeasure : public TTextMeasure
{
public:
    TFixedPitchMeasure(int charWidth, int cellHeight)
        : m_charWidth(charWidth), m_cellHeight(cellHeight) {}

    int textWidth(const TFont &font, QStringView text) const override;
    int cellHeight(const TFont &font) const override;
    QList<int> prefixWidths(const TFont &font, QStringView text, int stopAbove) const override;

private:
    int m_charWidth;
    int m_cellHeight;
};

// The same text, seen by the shared geometry and by Qt (no copy).
inline std::u16string_view StdView(QStringView text)
{
    return std::u16string_view(text.utf16(), std::size_t(text.size()));
}
inline QStringView QtView(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size()));
}

// One font measured for the menu's shared geometry.
class TFontMetrics : public rules::TextMetrics
{
public:
    TFontMetrics(const TTextMeasure &measure, const TFont &font) : m_measure(measure), m_font(font) {}

    int Width(std::u16string_view text) const override { return m_measure.textWidth(m_font, QtView(text)); }
    int CellHeight() const override { return m_measure.cellHeight(m_font); }
    int CharHeight() const override;
    std::vector<int> PrefixWidths(std::u16string_view text, int stopAbove) const override;

private:
    const TTextMeasure &m_measure;
    const TFont &m_font;
};
