#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class TFont;

// How the window objects measure text. The program measures with the font's
// real metrics (TFontMeasure); layout tests use a fixed pitch
// (TFixedPitchMeasure), so that rows and positions are exact numbers.
class TTextMeasure
{
public:
    virtual ~TTextMeasure() = default;

    // Advance width of the text in pixels.
    virtual int textWidth(const TFont &font, const QString &text) const = 0;
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
    int textWidth(const TFont &font, const QString &text) const override;
    int cellHeight(const TFont &font) const override;
    QList<int> prefixWidths(const TFont &font, QStringView text, int stopAbove) const override;
};

// Every character is charWidth pixels wide; every cell cellHeight pixels tall.
class TFixedPitchMeasure : public TTextMeasure
{
public:
    TFixedPitchMeasure(int charWidth, int cellHeight)
        : m_charWidth(charWidth), m_cellHeight(cellHeight) {}

    int textWidth(const TFont &font, const QString &text) const override;
    int cellHeight(const TFont &font) const override;
    QList<int> prefixWidths(const TFont &font, QStringView text, int stopAbove) const override;

private:
    int m_charWidth;
    int m_cellHeight;
};
