#pragma once

#include "rules/PixelMath.h"
#include "rules/ProjectModel.h"
#include "rules/TextMetrics.h"

#include <string>
#include <string_view>
#include <vector>

// Where the rows of a text box fall: line breaks, word wrap, row spacing,
// alignment; and how a button's text is shortened with "..." to fit.
namespace rules {

// A piece of a text: its first character and its length.
struct Piece
{
    std::size_t start = 0;
    std::size_t length = 0;
};

// The lines a text becomes: CR LF, CR and LF each end one.
std::vector<Piece> SplitLines(std::u16string_view text);

// The pieces a line is broken into at width: a piece ends after the last
// space that lets it fit, the spaces after it are skipped; a first word wider
// than width stays whole.
std::vector<Piece> WrapLine(const TextMetrics &metrics, std::u16string_view line, int width);

// How a text box lays out its rows.
struct TextLook
{
    int width = 0;
    int height = 0;
    int rowSpacing = 0;
    int shadowExtent = 0;   // the shadow's size when it is on, else 0
    Alignment alignment = Alignment::Left;
    bool wordWrap = true;
};

// One row to draw: a piece of line number `line`, its cell's top-left corner.
struct TextRow
{
    std::size_t line = 0;
    Piece piece;
    int x = 0;
    int y = 0;
};

// Every row is CharHeight plus the shadow tall and rowSpacing apart, the first
// rowSpacing below the top; an empty line takes a row. Rows stop after the
// line that reaches the bottom.
std::vector<TextRow> TextRows(const TextMetrics &metrics, const std::vector<std::u16string_view> &lines,
                              const TextLook &look);

// What is left of a text that must fit limit pixels (its shadow counted): the
// whole text when it fits, else the longest beginning followed by "..." that
// fits ("..." alone when none does).
struct Shortened
{
    std::size_t keep = 0;    // characters kept
    bool ellipsis = false;   // "..." follows them
    int width = 0;           // the drawn width, shadow included
};

inline constexpr std::u16string_view kEllipsis = u"...";

Shortened Shorten(const TextMetrics &metrics, std::u16string_view text, long long limit, int shadowExtent);

} // namespace rules
