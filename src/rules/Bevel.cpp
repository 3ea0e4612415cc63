#include "rules/Bevel.h"

namespace rules {

namespace {

struct Edges
{
    long long left, top, right, bottom;

    bool valid() const { return right > left && bottom > top; }
    Edges shrunk(int l, int t, int r, int b) const { return {left + l, top + t, right - r, bottom - b}; }
};

void leftTop(std::vector<BevelLine> &out, const Edges &e, BevelColor c)
{
    if (!e.valid())
        return;
    out.push_back({NearRect(e.left, e.top, 1, e.bottom - e.top), c});
    out.push_back({NearRect(e.left, e.top, e.right - e.left, 1), c});
}

void rightBottom(std::vector<BevelLine> &out, const Edges &e, BevelColor c)
{
    if (!e.valid())
        return;
    out.push_back({NearRect(e.right - 1, e.top, 1, e.bottom - e.top), c});
    out.push_back({NearRect(e.left, e.bottom - 1, e.right - e.left, 1), c});
}

} // namespace

std::vector<BevelLine> BevelLines(const Rect &r, bool sunken)
{
    std::vector<BevelLine> out;
    const Edges outer{r.left, r.top, r.right(), r.bottom()};
    if (sunken) {
        rightBottom(out, outer, BevelColor::Highlight);
        leftTop(out, outer.shrunk(0, 0, 1, 1), BevelColor::DarkShadow);
        leftTop(out, outer.shrunk(1, 1, 1, 1), BevelColor::Shadow);
    } else {
        rightBottom(out, outer, BevelColor::DarkShadow);
        leftTop(out, outer.shrunk(0, 0, 1, 1), BevelColor::Highlight);
        rightBottom(out, outer.shrunk(1, 1, 1, 1), BevelColor::Shadow);
    }
    return out;
}

std::vector<Rect> BorderLines(const Rect &r)
{
    if (r.empty())
        return {};
    return {NearRect(r.left, r.top, r.width, 1), NearRect(r.left, r.bottom() - 1, r.width, 1),
            NearRect(r.left, r.top, 1, r.height), NearRect(r.right() - 1, r.top, 1, r.height)};
}

} // namespace rules
