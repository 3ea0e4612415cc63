#pragma once

#include "rules/ReadReasons.h"

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

// The Windows BMP file layout, read: the one decoder of the editor and the
// player. It takes the 12-byte core header and the 40-byte information header
// with its later extensions (52, 56, 64, 108 and 124 bytes); 1, 4 and 8 bits
// with a palette (also one shorter than the bit count allows: indices beyond
// it are black), run-length coded 4 and 8 bits, 16, 24 and 32 bits plain or
// with colour masks of any widths; rows bottom-up or top-down. Anything else,
// and anything short of the pixels its headers announce, is refused with
// ReadError "Bitmap image is not valid" (kBmpNotValid).
namespace rules {

inline constexpr const char *kBmpNotValid = kPictureInvalid;

namespace bmp {

// Header sizes.
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV2HeaderSize = 52;    // with the three colour masks
constexpr std::uint32_t kV3HeaderSize = 56;    // and the alpha mask
constexpr std::uint32_t kOs2HeaderSize = 64;   // the later OS/2 header
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;
// Where the fields of the headers lie in the file.
constexpr int kOffBitsAt = 10;
constexpr int kWidthAt = 18;
constexpr int kHeightAt = 22;
constexpr int kCoreWidthAt = 18;
constexpr int kCoreHeightAt = 20;
constexpr int kCoreBitCountAt = 24;
constexpr int kBitCountAt = 28;
constexpr int kCompressionAt = 30;
constexpr int kXPelsAt = 38;
constexpr int kYPelsAt = 42;
constexpr int kColorsUsedAt = 46;
constexpr int kColorsImportantAt = 50;
constexpr int kMasksAt = 54;   // right after a 40-byte header, or inside a longer one
constexpr int kMaskSize = 4;

// Compressions.
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

// The implicit masks of 16 and 32 bits without colour masks.
constexpr std::uint32_t kRed555 = 0x7C00, kGreen555 = 0x03E0, kBlue555 = 0x001F;
constexpr std::uint32_t kRed888 = 0xFF0000, kGreen888 = 0x00FF00, kBlue888 = 0x0000FF;

// Bitmaps beyond these are refused: a side, and the bytes of the pixels as
// stored or as read into memory.
constexpr std::int64_t kMaxSide = 32767;
constexpr std::int64_t kMaxPixelBytes = 256 * 1024 * 1024;

constexpr int kMax8 = 255;
constexpr int kMax16 = 65535;

// One colour channel of a mask: where it starts and its largest value.
struct Channel
{
    int shift = 0;
    std::uint64_t max = 0;   // 0: the mask is empty

    static Channel of(std::uint32_t mask)
    {
        Channel c;
        if (mask) {
            c.shift = std::countr_zero(mask);
            c.max = std::uint64_t(mask) >> c.shift;
        }
        return c;
    }
    int bits() const { return std::popcount(max); }
    // The channel's value of a pixel, scaled to 0..top.
    std::uint64_t scaled(std::uint32_t pixel, std::uint64_t top) const
    {
        return max ? ((std::uint64_t(pixel) >> shift & max) * top + max / 2) / max : 0;
    }
    // A value of 0..top scaled to the channel and put in place.
    std::uint32_t packed(std::uint64_t value, std::uint64_t top) const
    {
        return std::uint32_t((value * max + top / 2) / top) << shift;
    }
};

} // namespace bmp

// What the headers of a BMP file say.
struct BmpHeader
{
    std::uint32_t size = 0;   // of the information (or core) header
    std::int64_t width = 0;
    std::int64_t height = 0;   // negative: rows top-down
    int bitCount = 0;
    std::uint32_t compression = bmp::kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;
    std::int32_t xPels = 0;
    std::int32_t yPels = 0;
    std::uint32_t masks[4] = {0, 0, 0, 0};   // red, green, blue, alpha
    std::int64_t tableStart = 0;             // after the headers and the masks

    bool core() const { return size == bmp::kCoreHeaderSize; }
    bool masked() const { return compression == bmp::kBiBitfields || compression == bmp::kBiAlphaBitfields; }
    bool paletted() const { return bitCount <= 8; }
    bool runLength() const { return compression == bmp::kBiRle8 || compression == bmp::kBiRle4; }
    std::int64_t rows() const { return height < 0 ? -height : height; }
    std::int64_t stride() const { return ((width * bitCount + 31) / 32) * 4; }
};

// One BMP file, checked as it is made (throws ReadError kBmpNotValid), its
// rows then read top row first in the form the caller keeps them in. Holds a
// view of the bytes: they must outlive it. Not to be read from two threads at
// once (run-length coded rows are expanded when first read).
class BmpDecoder
{
public:
    explicit BmpDecoder(std::span<const std::uint8_t> bytes);

    const BmpHeader &header() const { return m_h; }
    int width() const { return int(m_h.width); }
    int height() const { return int(m_h.rows()); }
    // The stored palette (0xFFRRGGBB), possibly shorter than the bit count allows.
    const std::vector<std::uint32_t> &palette() const { return m_palette; }
    // The colour channels of 16, 24 and 32 bits: the masks or the implicit ones.
    const bmp::Channel &channel(int i) const { return m_channels[i]; }
    bool alpha() const { return m_channels[3].max != 0; }
    // A channel wider than 8 bits: read16 keeps what read32 would round away.
    bool wide() const;
    // Whether the pixels, read at bitsPerPixel into rows of whole bytes, stay
    // within the reader's memory limit.
    bool fitsRead(int bitsPerPixel) const;

    // Row y (0 the top one) of a paletted picture: one index a pixel.
    void indexRow(int y, std::uint8_t *out) const;
    // Row y as 0xAARRGGBB (alpha 255 without an alpha mask; an index beyond
    // the palette is black).
    void read32(int y, std::uint32_t *out) const;
    // Row y of 16, 24 or 32 bits as red, green, blue, alpha of 0..65535.
    void read16(int y, std::uint16_t *out) const;

private:
    const std::uint8_t *row(int y) const;

    BmpHeader m_h;
    std::vector<std::uint32_t> m_palette;
    bmp::Channel m_channels[4];
    mutable const std::uint8_t *m_pixels = nullptr;   // rows as stored, bottom-up or top-down
    std::span<const std::uint8_t> m_code;              // run-length coded pixels
    mutable std::vector<std::uint8_t> m_expanded;      // and made plain when first read
};

// A whole picture as 0xAARRGGBB, top row first.
struct BmpPixels
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> px;
    bool twoColors = false;   // a 1-bit picture: white is its key colour

    bool empty() const { return width <= 0 || height <= 0; }
};

// Decodes BMP file bytes to 32-bit pixels; throws ReadError kBmpNotValid for a
// picture the editor refuses, and for one whose 32-bit pixels pass the limit.
BmpPixels DecodeBmp(std::span<const std::uint8_t> bytes);

} // namespace rules
