#pragma once

#include "rules/PixelMath.h"

#include <cstdint>

// Where a picture lands inside its control and which of its pixels each
// pixel of the control shows.
namespace rules {

struct PictureFit
{
    bool stretch = false;        // fill the control
    bool proportional = false;   // keep the picture's proportions (and shrink one that is too large)
    bool center = false;         // centre it in the control
};

// The picture's rectangle in the control's coordinates.
Rect PictureRect(Size picture, Size control, const PictureFit &fit);

// Nearest-pixel scaling from source pixels to dest pixels: no pixel is mixed
// from neighbours, so a key colour leaves clean holes. Positions are in 16.16
// fixed point, sampled at the target pixel's centre.
class PixelSampler
{
public:
    PixelSampler(int source, int dest);
    // The source pixel drawn at dest pixel i (0 <= i < dest).
    int At(long long i) const
    {
        const long long s = (m_start + i * m_step) >> 16;
        return int(s < m_last ? (s < 0 ? 0 : s) : m_last);
    }

private:
    long long m_step = 0;
    long long m_start = 0;
    long long m_last = 0;
};

// The colour a transparently drawn bitmap loses (0x00RRGGBB): white for a
// two-colour bitmap, else the colour of its bottom-left pixel.
std::uint32_t KeyColor(bool twoColors, std::uint32_t bottomLeft);

} // namespace rules
