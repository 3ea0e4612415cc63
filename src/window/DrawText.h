#pragma once

#include <QColor>
#include <QString>

class QPainter;
class TFont;

// Draws text transparently (nothing behind the glyphs) with the top-left
// corner of its text cell at (x, y). A transparent colour draws nothing, and
// neither does a cell beyond kFarPixel (PixelMath.h), which is never seen.
void DrawTextTransparent(QPainter &painter, const TFont &font, const QString &text, int x, int y,
                         const QColor &color);
