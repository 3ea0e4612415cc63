#pragma once

#include <QByteArray>
#include <QImage>

// The Windows BMP file layout: reading every variant the platform writes, and
// writing a bitmap back in the layout it was read in.

// How a bitmap lies in the BMP bytes it was read from. A bitmap written with
// its layout keeps its header kind, bit count and colour masks; one without
// (known false) is written the default way.
struct TBitmapLayout
{
    bool known = false;
    // The old 12-byte core header, with 3-byte palette entries.
    bool coreHeader = false;
    // 1, 4, 8, 16, 24 or 32.
    int bitCount = 0;
    // The colour masks stored after the 40-byte header (16 and 32 bits).
    bool bitFields = false;
    quint32 redMask = 0;
    quint32 greenMask = 0;
    quint32 blueMask = 0;
    // Header fields carried over unchanged.
    quint32 colorsUsed = 0;
    quint32 colorsImportant = 0;
    qint32 xPelsPerMeter = 0;
    qint32 yPelsPerMeter = 0;

    bool operator==(const TBitmapLayout &) const = default;
};

struct TBmpImage
{
    QImage image;
    TBitmapLayout layout;
};

// Reads BMP bytes: the 12-byte core header and the 40-byte information header
// with its later extensions (52, 56, 64, 108 and 124 bytes); 1, 4 and 8 bits
// with a palette (also one shorter than the bit count allows: indices beyond
// it are black), run-length coded 4 and 8 bits, 16, 24 and 32 bits plain or
// with colour masks of any widths (an alpha mask gives an image with alpha;
// channels wider than 8 bits are kept at 16 bits). Rows bottom-up or top-down.
// Anything else, and anything short of the pixels its headers announce,
// throws BrenwickError "Bitmap image is not valid". Never leaves a pixel unset.
// 1 bit gives Format_Mono, 4 and 8 bits Format_Indexed8 with the stored
// palette, more bits Format_RGB32 or Format_ARGB32 (RGBX64/RGBA64 when a
// channel is wider than 8 bits).
TBmpImage ReadBmp(const QByteArray &bytes);

// Whether ReadBmp takes bytes with these headers on size grounds: at most
// kBmpMaxSide pixels a side and 256 MB of pixels, stored or read. (The pixels
// themselves are not looked at.)
inline constexpr int kBmpMaxSide = 32767;
bool BmpWithinReadLimits(const QByteArray &bytes);

// Writes a bitmap as BMP bytes: with a known layout the image fits, in that
// layout (rows bottom-up, no run-length coding; pixels with transparency put
// over white); otherwise with a 40-byte header, 1-bit and 8-bit images with
// their palettes (Qt's writer packs up to 16 colours as 4-bit pixels), anything
// else as 24-bit pixels over white. A null image gives no bytes. The same
// pixels always give the same bytes.
QByteArray WriteBmp(const QImage &image, const TBitmapLayout &layout = {});

// The bits per pixel WriteBmp gives the image in the layout: 0 for a null
// image. Cheap: it looks at the image's format and palette, not its pixels
// (an 8-bit layout whose pixels use colours beyond its palette is still 8).
int BmpBitCount(const QImage &image, const TBitmapLayout &layout = {});
