#include "rules/MenuGrid.h"

namespace rules {

MenuLook MenuLookOf(const TextBox &menu, Size skin)
{
    MenuLook look;
    look.width = menu.control.width;
    look.height = menu.control.height;
    look.rowSpacing = menu.rowSpacing;
    look.shadowExtent = menu.shadow ? menu.shadowSize : 0;
    look.alignment = menu.alignment;
    look.columns = menu.columns;
    look.autoColumns = menu.autoColumns;
    look.horizAlloc = menu.horizAlloc;
    const ButtonStyle &bs = menu.buttonStyle;
    look.style = bs.style;
    look.autoSize = bs.autoSize;
    look.buttonWidth = bs.width;
    look.buttonHeight = bs.height;
    look.padHorizontal = bs.padHorizontal;
    look.padVertical = bs.padVertical;
    look.buttonAlignment = bs.alignment;
    look.skin = skin;
    return look;
}

Size ButtonSize(const TextMetrics &metrics, const MenuLook &look, std::u16string_view text, int columnWidth)
{
    int width = look.buttonWidth;
    int height = look.buttonHeight;
    if (look.autoSize) {
        width = ClampToInt((long long)metrics.Width(text) + look.shadowExtent + look.padHorizontal);
        height = ClampToInt((long long)metrics.CellHeight() + look.shadowExtent + look.padVertical);
        if (look.style == ButtonStyleKind::Skinned) {
            width = std::max(width, look.skin.width);
            height = std::max(height, look.skin.height);
        }
    }
    return Size{std::min(width, columnWidth), height};
}

MenuGrid MakeGrid(const TextMetrics &metrics, const MenuLook &look, int count)
{
    MenuGrid grid;
    // The sample row is measured against the whole width, the buttons then
    // against one column.
    const long long pitch = (long long)ButtonSize(metrics, look, kRowSample, look.width).height + look.rowSpacing;
    // A row pitch of zero or less gives one row.
    grid.rows = pitch > 0 ? int(std::max<long long>(look.height / pitch, 1)) : 1;
    grid.cols = look.autoColumns ? std::max(count - 1, 0) / grid.rows + 1
                                 : std::clamp(look.columns, kMinColumns, kMaxColumns);
    grid.columnWidth = look.width / grid.cols;
    return grid;
}

Rect ItemRect(const TextMetrics &metrics, const MenuLook &look, const MenuGrid &grid, int index,
              std::u16string_view text)
{
    int row, col;
    if (look.horizAlloc) {
        col = index % grid.cols;
        row = index / grid.cols;
    } else {
        row = index % grid.rows;
        col = index / grid.rows;
    }
    const Size size = ButtonSize(metrics, look, text, grid.columnWidth);
    const long long y = (long long)row * ((long long)size.height + look.rowSpacing);
    long long x = 0;
    switch (look.alignment) {
    case Alignment::Left: x = (long long)col * grid.columnWidth; break;
    case Alignment::Right: x = ((long long)col + 1) * grid.columnWidth - size.width; break;
    case Alignment::Center: x = (long long)col * grid.columnWidth + ((long long)grid.columnWidth - size.width) / 2; break;
    }
    return NearRect(x, y, size.width, size.height);
}

int ItemAt(const TextMetrics &metrics, const MenuLook &look, const std::vector<std::u16string_view> &texts,
           long long x, long long y)
{
    const int count = int(std::min<std::size_t>(texts.size(), INT_MAX));
    const MenuGrid grid = MakeGrid(metrics, look, count);
    for (int i = 0; i < count; ++i)
        if (ItemRect(metrics, look, grid, i, texts[std::size_t(i)]).contains(x, y))
            return i;
    return -1;
}

Caption PlaceCaption(const TextMetrics &metrics, const CaptionLook &look, const Rect &button,
                     std::u16string_view text)
{
    Caption c;
    const int s = look.shadowExtent;
    if (look.shorten)
        c.text = Shorten(metrics, text, ClampToInt((long long)button.width - look.padHorizontal), s);
    else
        c.text = {text.size(), false, ClampToInt((long long)metrics.Width(text) + s)};
    const long long th = ClampToInt((long long)metrics.CellHeight() + s);
    const long long tw = c.text.width;
    long long dx = 0;
    switch (look.alignment) {
    case Alignment::Left: dx = look.padHorizontal; break;
    case Alignment::Right: dx = (long long)button.width - look.padHorizontal - tw; break;
    case Alignment::Center: dx = ((long long)button.width - tw) / 2; break;
    }
    c.x = ClampToInt(button.left + dx);
    c.y = ClampToInt((long long)button.top + look.padVertical + ((long long)button.height - th) / 2);
    return c;
}

} // namespace rules
