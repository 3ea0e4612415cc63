#pragma once

#include "base/BmpFile.h"

#include <QtGlobal>
#include <bit>

// The numbers of the BMP layout that its reader and its writer share.
namespace bmp_format {

// Header sizes.
constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;
constexpr quint32 kV2HeaderSize = 52;    // with the three colour masks
constexpr quint32 kV3HeaderSize = 56;    // and the alpha mask
constexpr quint32 kOs2HeaderSize = 64;   // the later OS/2 header
constexpr quint32 kV4HeaderSize = 108;
constexpr quint32 kV5HeaderSize = 124;
// Where the fields of the information header lie in the file.
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
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;
constexpr quint32 kBiBitfields = 3;
constexpr quint32 kBiAlphaBitfields = 6;

// The implicit masks of 16 and 32 bits without colour masks.
constexpr quint32 kRed555 = 0x7C00, kGreen555 = 0x03E0, kBlue555 = 0x001F;
constexpr quint32 kRed888 = 0xFF0000, kGreen888 = 0x00FF00, kBlue888 = 0x0000FF;

// Bitmaps beyond these are refused, read or decoded (Qt's own reader stops at
// 256 MB too).
constexpr qint64 kMaxSide = kBmpMaxSide;
constexpr qint64 kMaxPixelBytes = 256 * 1024 * 1024;

constexpr int kMax8 = 255;
constexpr int kMax16 = 65535;

// One colour channel of a mask: where it starts and its largest value.
struct Channel
{
    int shift = 0;
    quint64 max = 0;   // 0: the mask is empty

    static Channel of(quint32 mask)
    {
        Channel c;
        if (mask) {
            c.shift = std::countr_zero(mask);
            c.max = quint64(mask) >> c.shift;
        }
        return c;
    }
    int bits() const { return std::popcount(max); }
    // The channel's value of a pixel, scaled to 0..top.
    quint64 scaled(quint32 pixel, quint64 top) const
    {
        return max ? ((quint64(pixel) >> shift & max) * top + max / 2) / max : 0;
    }
    // A value of 0..top scaled to the channel and put in place.
    quint32 packed(quint64 value, quint64 top) const
    {
        return quint32((value * max + top / 2) / top) << shift;
    }
};

} // namespace bmp_format
