#include "window/DrawBevel.h"

#include "window/TColor.h"

#include <QPainter>

namespace {

// One-pixel edges of the rectangle (left, top) .. (right, bottom), right and
// bottom exclusive, filled as pixel runs so that no pen geometry is involved.
struct Edges
{
    int left, top, right, bottom;

    bool valid() const { return right > left && bottom > top; }
    Edges shrunk(int l, int t, int r, int b) const { return {left + l, top + t, right - r, bottom - b}; }
};

void leftTop(QPainter &p, const Edges &e, const QColor &c)
{
    if (!e.valid())
        return;
    p.fillRect(QRect(e.left, e.top, 1, e.bottom - e.top), c);
    p.fillRect(QRect(e.left, e.top, e.right - e.left, 1), c);
}

void rightBottom(QPainter &p, const Edges &e, const QColor &c)
{
    if (!e.valid())
        return;
    p.fillRect(QRect(e.right - 1, e.top, 1, e.bottom - e.top), c);
    p.fillRect(QRect(e.left, e.bottom - 1, e.right - e.left, 1), c);
}

} // namespace

void DrawBevel(QPainter &painter, const QRect &r, bool sunken, const QPalette &palette)
{
    const QColor highlight = TColor(TColor::clBtnHighlight).toQColor(palette);
    const QColor shadow = TColor(TColor::clBtnShadow).toQColor(palette);
    const QColor darkShadow = TColor(TColor::cl3DDkShadow).toQColor(palette);
    const Edges outer{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    painter.save();
    painter.setPen(Qt::NoPen);
    if (sunken) {
        rightBottom(painter, outer, highlight);
        leftTop(painter, outer.shrunk(0, 0, 1, 1), darkShadow);
        leftTop(painter, outer.shrunk(1, 1, 1, 1), shadow);
    } else {
        rightBottom(painter, outer, darkShadow);
        leftTop(painter, outer.shrunk(0, 0, 1, 1), highlight);
        rightBottom(painter, outer.shrunk(1, 1, 1, 1), shadow);
    }
    painter.restore();
}
