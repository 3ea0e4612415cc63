#pragma once

#include "rules/PixelMath.h"
#include "rules/ProjectModel.h"
#include "rules/TextMetrics.h"
#include "rules/TextRows.h"

#include <string_view>
#include <vector>

// The menu area: a grid of equal columns, one button per entry; the buttons'
// sizes; and where a button's caption goes.
namespace rules {

// What of the menu area and its button look the grid depends on.
struct MenuLook
{
    int width = 0;
    int height = 0;
    int rowSpacing = 0;
    int shadowExtent = 0;
    Alignment alignment = Alignment::Left;   // of the buttons within their column
    int columns = 1;
    bool autoColumns = false;
    bool horizAlloc = false;
    ButtonStyleKind style = ButtonStyleKind::Button;
    bool autoSize = false;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int padHorizontal = 0;
    int padVertical = 0;
    Alignment buttonAlignment = Alignment::Center;   // of the caption within its button
    Size skin;   // the skinned style's default picture
};

constexpr int kMinColumns = 1;
constexpr int kMaxColumns = 4;
// The sample that sizes a row: one letter with an ascender, one with a descender.
inline constexpr std::u16string_view kRowSample = u"qb";

// The look of a menu area as the file describes it; skin is the size of the
// button style's default picture.
MenuLook MenuLookOf(const TextBox &menu, Size skin);

struct MenuGrid
{
    int rows = 1;
    int cols = 1;
    int columnWidth = 0;
};

// A button's size: fixed, or the text's with the shadow and the padding (at
// least the skin's for a skinned button); never wider than a column.
Size ButtonSize(const TextMetrics &metrics, const MenuLook &look, std::u16string_view text, int columnWidth);

// As many rows as the sample button fits (at least one); the columns given,
// or as many as the entries need.
MenuGrid MakeGrid(const TextMetrics &metrics, const MenuLook &look, int count);

// Entry index's button: filled down the columns, or along the rows with horizAlloc.
Rect ItemRect(const TextMetrics &metrics, const MenuLook &look, const MenuGrid &grid, int index,
              std::u16string_view text);

// The entry whose button holds the point (the area's coordinates), or -1.
int ItemAt(const TextMetrics &metrics, const MenuLook &look, const std::vector<std::u16string_view> &texts,
           long long x, long long y);

// Where a caption is drawn within a button: placed by its alignment and the
// padding, centred in height; a menu button's caption is shortened to fit.
struct CaptionLook
{
    Alignment alignment = Alignment::Center;
    int padHorizontal = 0;
    int padVertical = 0;
    int shadowExtent = 0;
    bool shorten = false;
};

struct Caption
{
    Shortened text;
    int x = 0;   // the top-left corner of its cell
    int y = 0;
};

Caption PlaceCaption(const TextMetrics &metrics, const CaptionLook &look, const Rect &button,
                     std::u16string_view text);

} // namespace rules
