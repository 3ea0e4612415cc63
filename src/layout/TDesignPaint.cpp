#include "layout/TDesignPaint.h"

#include <QPainter>
#include <QPen>

namespace {

// Dash and dot patterns of the window system's cosmetic pens, in pixels.
const QList<qreal> kDashPattern = {18, 6};
const QList<qreal> kDotPattern = {3, 3};

int byteOf(quint32 value, int index)
{
    return int((value >> (8 * index)) & 0xFFu);
}

} // namespace

QRgb gradientRowColor(quint32 top, quint32 bottom, int y, int ch)
{
    if (ch <= 0)
        return qRgb(byteOf(top, 0), byteOf(top, 1), byteOf(top, 2));
    int c[3];
    for (int i = 0; i < 3; ++i) {
        const qint64 t = byteOf(top, i);
        const qint64 b = byteOf(bottom, i);
        c[i] = int(t + (qint64(y) * (b - t)) / ch);   // C++ division truncates toward zero
    }
    return qRgb(c[0], c[1], c[2]);
}

bool paintsGradient(const TBackgroundPicture &picture, const QSize &client, bool colorGradient)
{
    if (picture.stretch && (!picture.proportional || !picture.visible))
        return false;
    if (picture.natural.width() >= client.width() && picture.natural.height() >= client.height()
        && picture.visible)
        return false;
    return colorGradient;
}

void paintGradient(QPainter &painter, const QSize &client, quint32 top, quint32 bottom, const QRect &dirty)
{
    const int cw = client.width();
    const int ch = client.height();
    if (cw <= 0 || ch <= 0)
        return;
    QRect area(0, 0, cw, ch);
    if (dirty.isValid())
        area &= dirty;
    for (int y = area.top(); y <= area.bottom(); ++y)
        painter.fillRect(QRect(area.left(), y, area.width(), 1),
                         QColor::fromRgb(gradientRowColor(top, bottom, y, ch)));
}

void paintSelectionFrame(QPainter &painter, const QRect &bounds)
{
    if (bounds.width() <= 0 || bounds.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // drawRect covers width + 1 pixels with a one-pixel pen; the frame ends
    // before Left + Width and Top + Height.
    const QRect outline(bounds.x(), bounds.y(), bounds.width() - 1, bounds.height() - 1);
    QPen dashed(Qt::white, 1);
    dashed.setCosmetic(true);
    dashed.setDashPattern(kDashPattern);
    painter.setPen(dashed);
    painter.drawRect(outline);
    QPen dotted(Qt::black, 1);
    dotted.setCosmetic(true);
    dotted.setDashPattern(kDotPattern);
    painter.setPen(dotted);
    painter.drawRect(outline);
    painter.restore();
}
