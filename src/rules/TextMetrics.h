#pragma once

#include <string_view>
#include <vector>

namespace rules {

// How the menu's geometry measures text in one font. The editor answers with
// its font metrics, the player with GDI; tests with a fixed pitch.
class TextMetrics
{
public:
    virtual ~TextMetrics() = default;

    // Advance width of the text in pixels.
    virtual int Width(std::u16string_view text) const = 0;
    // Full cell height (ascent plus descent), the same for every text.
    virtual int CellHeight() const = 0;
    // Height of a character (the cell without its internal leading): the
    // height of a row in the heading and the comment area.
    virtual int CharHeight() const = 0;
    // widths[k] = Width of the first k characters, for k = 0, 1, ... up to
    // text.size(), stopping after the first width greater than stopAbove.
    // Measures whose widths add up character by character override it.
    virtual std::vector<int> PrefixWidths(std::u16string_view text, int stopAbove) const;
};

} // namespace rules
