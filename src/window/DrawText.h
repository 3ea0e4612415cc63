#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QPainter;
class TFont;

// Draws text transparently (nothing behind the glyphs) with the top-left
// corner of its text cell at (x, y). A transparent colour draws nothing, and
// neither does a cell beyond kFarPixel (PixelMath.h), which is never seen.
void DrawTextTransparent(QPainter &painter, const TFont &font, const QString &text, int x, int y,
                         const QColor &color);

// Where text is drawn: a record of every run, in the coordinates of the
// window the surfaces lie on, for comparing rows with another drawing of the
// same menu. Off unless a record is set; only runs that can be seen count.
struct TTextRun
{
    int x = 0;
    int y = 0;
    QString text;
};
void SetTextRunRecord(QList<TTextRun> *record);
