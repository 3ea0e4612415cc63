#include "rules/PicturePlacement.h"

#include <cmath>

namespace rules {

Rect PictureRect(Size picture, Size control, const PictureFit &fit)
{
    int w = picture.width;
    int h = picture.height;
    const int cw = control.width;
    const int ch = control.height;
    if (fit.stretch || (fit.proportional && (w > cw || h > ch))) {
        if (fit.proportional && w > 0 && h > 0) {
            const double a = double(w) / double(h);
            if (w > h) {
                w = cw;
                h = int(std::trunc(cw / a));
                if (h > ch) {
                    h = ch;
                    w = int(std::trunc(ch * a));
                }
            } else {
                h = ch;
                w = int(std::trunc(ch * a));
                if (w > cw) {
                    w = cw;
                    h = int(std::trunc(cw / a));
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    long long x = 0, y = 0;
    if (fit.center) {
        x = ((long long)cw - w) / 2;
        y = ((long long)ch - h) / 2;
    }
    return Rect{ClampToInt(x), ClampToInt(y), w, h};
}

PixelSampler::PixelSampler(int source, int dest)
{
    if (source <= 0 || dest <= 0)
        return;
    m_step = (65536LL * source) / dest;
    m_start = (m_step + 1) / 2 - 1;
    m_last = source - 1;
}

std::uint32_t KeyColor(bool twoColors, std::uint32_t bottomLeft)
{
    return twoColors ? 0xFFFFFFu : bottomLeft & 0xFFFFFFu;
}

} // namespace rules
