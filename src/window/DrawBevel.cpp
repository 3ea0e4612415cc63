#include "window/DrawBevel.h"

#include "rules/Bevel.h"
#include "window/PixelMath.h"
#include "window/TColor.h"

#include <QPainter>

void DrawBevel(QPainter &painter, const QRect &r, bool sunken, const QPalette &palette)
{
    const QColor highlight = TColor(TColor::clBtnHighlight).toQColor(palette);
    const QColor shadow = TColor(TColor::clBtnShadow).toQColor(palette);
    const QColor darkShadow = TColor(TColor::cl3DDkShadow).toQColor(palette);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const rules::BevelLine &line : rules::BevelLines(rules::Rect{r.left(), r.top(), r.width(), r.height()}, sunken)) {
        const QColor &c = line.color == rules::BevelColor::Highlight ? highlight
                          : line.color == rules::BevelColor::Shadow  ? shadow
                                                                     : darkShadow;
        painter.fillRect(toQRect(line.rect), c);
    }
    painter.restore();
}
