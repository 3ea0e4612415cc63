#pragma once

#include <QString>

// The values the property grid accepts for the design's whole-number rows:
// every value a design file can hold and the grid shows (a font stored with a
// cell height shows a negative size, a small shaped window a client size
// below 100). Places may lie partly outside the window; sizes stay within
// what one screen holds.
namespace PropertyRanges {

inline constexpr int kMaxExtent = 4096;          // the largest window or object side
inline constexpr int kMaxShadowOffset = 64;
inline constexpr int kMinRowSpacing = -64;
inline constexpr int kMaxRowSpacing = 256;
inline constexpr int kMaxPad = 256;
inline constexpr int kMinSpacing = -1;           // -1: the glyph's default spacing
inline constexpr int kMaxSpacing = 256;

// The range of a row by its path ("Font.Size", "Constraints.MaxWidth");
// false when the row takes any int.
bool Of(const QString &path, int *min, int *max);
// True for a row whose setter holds a value outside its range at the nearest
// end (Columns 7 is 4): the grid does the same instead of refusing it.
bool Clamps(const QString &path);

} // namespace PropertyRanges
