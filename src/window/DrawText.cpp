#include "window/DrawText.h"

#include "window/PixelMath.h"
#include "window/TFont.h"

#include <QFontMetrics>
#include <QPainter>

void DrawTextTransparent(QPainter &painter, const TFont &font, const QString &text, int x, int y,
                         const QColor &color)
{
    if (text.isEmpty() || color.alpha() == 0 || isFar(x, y))
        return;
    const QFont &qfont = font.toQFont();
    painter.setFont(qfont);
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawText(x, addClamped(y, QFontMetrics(qfont).ascent()), text);
}
