#include "rules/TextRows.h"

namespace rules {

std::vector<Piece> SplitLines(std::u16string_view text)
{
    std::vector<Piece> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.push_back({start, i - start});
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.push_back({start, text.size() - start});
    return lines;
}

namespace {

// The length of the next piece of line starting at pos; pos moves past it
// and the spaces that follow.
std::size_t cutPiece(const TextMetrics &metrics, std::u16string_view line, int width, std::size_t &pos)
{
    const std::u16string_view rest = line.substr(pos);
    // The piece grows one character at a time until it is wider than the box
    // or holds the whole line; the character that overflowed stays.
    const std::vector<int> widths = metrics.PrefixWidths(rest, width);
    std::size_t length = 1;
    while (length < rest.size() && length < widths.size() && widths[length] <= width)
        ++length;
    if (length < rest.size()) {
        const std::size_t lastSpace = rest.substr(0, length).rfind(u' ');
        if (lastSpace != std::u16string_view::npos) {
            length = lastSpace + 1;   // the break follows the last space, which stays
        } else {
            const std::size_t firstSpace = rest.find(u' ');
            length = firstSpace == std::u16string_view::npos ? rest.size() : firstSpace;
        }
    }
    pos += length;
    while (pos < line.size() && line[pos] == u' ')
        ++pos;
    return length;
}

long long alignedX(Alignment alignment, long long boxWidth, long long textWidth)
{
    switch (alignment) {
    case Alignment::Left: break;
    case Alignment::Right: return boxWidth - textWidth;
    case Alignment::Center: return (boxWidth - textWidth) / 2;
    }
    return 0;
}

} // namespace

std::vector<Piece> WrapLine(const TextMetrics &metrics, std::u16string_view line, int width)
{
    std::vector<Piece> pieces;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = pos;
        pieces.push_back({start, cutPiece(metrics, line, width, pos)});
    }
    return pieces;
}

std::vector<TextRow> TextRows(const TextMetrics &metrics, const std::vector<std::u16string_view> &lines,
                              const TextLook &look)
{
    std::vector<TextRow> rows;
    const long long rowHeight = (long long)metrics.CharHeight() + look.shadowExtent;
    const long long step = ClampToInt(rowHeight) + (long long)look.rowSpacing;
    long long y = look.rowSpacing;
    auto add = [&](std::size_t index, Piece piece) {
        const std::u16string_view text = lines[index].substr(piece.start, piece.length);
        const long long w = ClampToInt((long long)metrics.Width(text) + look.shadowExtent);
        rows.push_back({index, piece, ClampToInt(alignedX(look.alignment, look.width, w)), ClampToInt(y)});
        y += step;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u16string_view line = lines[i];
        if (line.empty()) {
            y += step;
        } else if (look.wordWrap) {
            std::size_t pos = 0;
            while (pos < line.size()) {
                const std::size_t start = pos;
                const std::size_t length = cutPiece(metrics, line, look.width, pos);
                add(i, {start, length});
            }
        } else {
            add(i, {0, line.size()});
        }
        if (y >= look.height)
            break;
    }
    return rows;
}

Shortened Shorten(const TextMetrics &metrics, std::u16string_view text, long long limit, int shadowExtent)
{
    const int whole = ClampToInt((long long)metrics.Width(text) + shadowExtent);
    if (whole <= limit || text.empty())
        return {text.size(), false, whole};
    // Widths of beginnings with "..." grow with their length, so the longest
    // one that fits is found by halving instead of dropping one character at
    // a time; the result is the same.
    std::u16string candidate;
    auto widthOf = [&](std::size_t n) {
        candidate.assign(text.substr(0, n));
        candidate.append(kEllipsis);
        return ClampToInt((long long)metrics.Width(candidate) + shadowExtent);
    };
    std::size_t low = 0;                 // candidate answer
    std::size_t high = text.size() - 1;  // largest length to try
    int lowWidth = -1;
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        const int w = widthOf(mid);
        if (w <= limit) {
            low = mid;
            lowWidth = w;
        } else {
            high = mid - 1;
        }
    }
    return {low, true, lowWidth >= 0 ? lowWidth : widthOf(low)};
}

} // namespace rules
