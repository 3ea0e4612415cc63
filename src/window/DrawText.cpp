#include "window/DrawText.h"

#include "window/PixelMath.h"
#include "window/TFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {

QList<TTextRun> *gRecord = nullptr;

void record(QPainter &painter, const QFont &font, const QString &text, int x, int y)
{
    const QFontMetrics metrics(font);
    QRect cell = painter.transform().mapRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()));
    auto *widget = dynamic_cast<QWidget *>(painter.device());
    if (widget)
        cell &= widget->rect();
    if (painter.hasClipping())
        cell &= painter.clipBoundingRect().toAlignedRect();
    if (cell.isEmpty())
        return;
    QPoint at = painter.transform().map(QPoint(x, y));
    if (widget)
        at = widget->mapTo(widget->window(), at);
    gRecord->append({at.x(), at.y(), text});
}

} // namespace

void SetTextRunRecord(QList<TTextRun> *runs)
{
    gRecord = runs;
}

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
    if (gRecord)
        record(painter, qfont, text, x, y);
}
