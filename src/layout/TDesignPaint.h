#pragma once

#include <QRect>
#include <QRgb>
#include <QSize>
#include <QtGlobal>

class QPainter;
class QColor;

// The colour of pixel row y of the design window's vertical gradient, for a
// client height ch. Each of the red, green and blue bytes is
//   c(y) = t + (y * (b - t)) div ch
// with t and b that byte of the stored 32-bit colour values ($00BBGGRR, taken
// as they stand: a system colour is not resolved first), signed arithmetic and
// division truncating toward zero. Row 0 is exactly the top colour; the last row
// stays short of the bottom colour wherever the two differ.
QRgb gradientRowColor(quint32 top, quint32 bottom, int y, int ch);

// What decides whether the background picture hides the gradient.
struct TBackgroundPicture
{
    bool stretch = false;
    bool proportional = false;
    bool visible = true;
    QSize natural;   // the picture's own width and height (0 x 0 when empty)
};

// True when the window paints the gradient: the background picture neither
// covers the client area nor is stretched over it (stretched without keeping
// its proportions, or stretched and hidden), and the gradient is on.
bool paintsGradient(const TBackgroundPicture &picture, const QSize &client, bool colorGradient);

// Draws the gradient rows 0 .. ch - 1, each from x = 0 to client width - 1;
// with a dirty rectangle, only the rows and columns it covers.
void paintGradient(QPainter &painter, const QSize &client, quint32 top, quint32 bottom,
                   const QRect &dirty = QRect());

// The selection frame around an object with bounds (Left, Top, Width, Height):
// the rectangle from (Left, Top) to (Left + Width, Top + Height), end excluded,
// first with a white dashed pen, then with a black dotted pen over it.
void paintSelectionFrame(QPainter &painter, const QRect &bounds);
