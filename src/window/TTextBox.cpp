#include "window/TTextBox.h"

#include "window/DrawBevel.h"
#include "window/DrawText.h"
#include "window/PixelMath.h"

#include <QFontMetrics>
#include <QPainter>
#include <limits>

namespace {

// Restores the canvas pointer when a paint ends, also by an exception.
struct CanvasScope
{
    QPainter *&slot;
    QPainter *previous;
    CanvasScope(QPainter *&s, QPainter *p) : slot(s), previous(s) { slot = p; }
    ~CanvasScope() { slot = previous; }
};
// The lines a text becomes when it is joined with line breaks and split
// again: a string holding CR LF, CR or LF counts as several lines, so a
// multi-line comment put in as one string still paints row by row.
QStringList splitLines(const QStringList &text)
{
    QStringList lines;
    lines.reserve(text.size());
    for (const QString &line : text) {
        if (!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n'))) {
            lines.append(line);
            continue;
        }
        qsizetype start = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
                continue;
            lines.append(line.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
        lines.append(line.mid(start));   // the line's own end follows its last piece
    }
    return lines;
}

} // namespace

TTextBox::TTextBox(TPaintSurface *surface, QObject *parent)
    : TControlWrapper(parent), m_surface(surface), m_measure(std::make_shared<TFontMeasure>())
{
    // Updating is on until the wrapper's initialisation below.
    surface->setColor(TColor::clNone);
    surface->setOnPaint([this](QPainter &painter) { Paint(painter); });
    initWrapper(surface);
}

TTextBox::~TTextBox()
{
    if (m_surface)
        m_surface->setOnPaint({});
}

TFont *TTextBox::Font() const
{
    return m_surface->Font();
}

void TTextBox::setFont(TFont *font)
{
    if (font)
        m_surface->Font()->assign(*font);
}

TColor TTextBox::Color() const
{
    return m_surface->Color();
}

void TTextBox::setColor(TColor color)
{
    m_surface->setColor(color);
}

void TTextBox::setShadow(bool shadow)
{
    m_shadow = shadow;
    Repaint();
}

void TTextBox::setShadowColor(TColor color)
{
    m_shadowColor = color;
    Repaint();
}

void TTextBox::setShadowSize(int size)
{
    m_shadowSize = size;
    Repaint();
}

void TTextBox::setRowSpacing(int spacing)
{
    m_rowSpacing = spacing;
    Repaint();
}

void TTextBox::setText(const QStringList &text)
{
    m_text = text;
    TextChanged();
}

void TTextBox::setBorderStyle(TBBorderStyle style)
{
    m_borderStyle = style;
    Repaint();
}

void TTextBox::setBorderColor(TColor color)
{
    m_borderColor = color;
    if (m_borderStyle == tbsLine)
        Repaint();
}

void TTextBox::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Repaint();
}

void TTextBox::setAllowChange(bool allow)
{
    m_allowChange = allow;
    if (m_refreshMenu)
        m_refreshMenu();
    else
        ShowGroupCaption(m_lastCaption);
}

void TTextBox::TextChanged()
{
    if (!m_groupCaptionShown) {
        QStringList lines = splitLines(m_text);
        if (m_lines != lines)
            m_lines = std::move(lines);
    }
    Repaint();
}

void TTextBox::ShowGroupCaption(const QString &caption)
{
    m_lastCaption = caption;
    if (m_allowChange) {
        m_groupCaptionShown = !caption.isEmpty();
        m_lines = splitLines(m_groupCaptionShown ? QStringList{caption} : m_text);
        Repaint();
    } else {
        m_groupCaptionShown = false;
        m_lines = splitLines(m_text);
        Repaint();
    }
}

void TTextBox::setTextMeasure(std::shared_ptr<const TTextMeasure> measure)
{
    if (measure)
        m_measure = std::move(measure);
}

QColor TTextBox::resolve(TColor color) const
{
    return color.toQColor(m_surface->palette());
}

QSize TTextBox::MeasureItem(const QString &text)
{
    const int s = shadowExtent();
    return QSize(addClamped(m_measure->textWidth(*Font(), text), s), addClamped(Font()->charHeight(), s));
}

void TTextBox::drawTextAt(const QString &text, int x, int y, TColor color)
{
    if (m_canvas && !color.isNone())
        DrawTextTransparent(*m_canvas, *Font(), text, x, y, resolve(color));
}

void TTextBox::DrawItem(const QString &text, int x, int y, bool)
{
    if (m_shadow)
        drawTextAt(text, addClamped(x, m_shadowSize), addClamped(y, m_shadowSize), m_shadowColor);
    drawTextAt(text, x, y, Font()->Color());
}

void TTextBox::PaintFrame()
{
    if (!m_canvas)
        return;
    const QRect r(0, 0, Width(), Height());
    if (!Color().isNone())
        m_canvas->fillRect(r, resolve(Color()));
    switch (m_borderStyle) {
    case tbsNone:
        break;
    case tbsRaised:
        DrawBevel(*m_canvas, r, false, m_surface->palette());
        break;
    case tbsSunken:
        DrawBevel(*m_canvas, r, true, m_surface->palette());
        break;
    case tbsLine:
        if (r.width() > 0 && r.height() > 0) {
            const QColor c = resolve(m_borderColor);
            m_canvas->fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
            m_canvas->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
            m_canvas->fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
            m_canvas->fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
        }
        break;
    }
}

int TTextBox::drawRow(const QString &text, qint64 y)
{
    const QSize size = MeasureItem(text);
    const int right = Width();
    qint64 x = 0;
    switch (m_alignment) {
    case taLeftJustify: x = 0; break;
    case taRightJustify: x = qint64(right) - size.width(); break;
    case taCenter: x = (qint64(right) - size.width()) / 2; break;
    }
    DrawItem(text, clampToInt(x), clampToInt(y), false);
    return size.height();
}

qsizetype TTextBox::cutPiece(const QString &line, qsizetype &pos) const
{
    const int width = Width();
    const QStringView rest = QStringView(line).mid(pos);
    // Grow the piece one character at a time until it is wider than the
    // object or holds the whole line; the character that overflowed stays.
    const QList<int> widths = m_measure->prefixWidths(*Font(), rest, width);
    qsizetype length = 1;
    while (length < rest.size() && widths.value(length) <= width)
        ++length;
    if (length < rest.size()) {
        const qsizetype lastSpace = rest.left(length).lastIndexOf(QLatin1Char(' '));
        if (lastSpace >= 0) {
            length = lastSpace + 1;       // break after the last space, which stays
        } else {
            // A first word wider than the object is drawn whole.
            const qsizetype firstSpace = rest.indexOf(QLatin1Char(' '));
            length = firstSpace < 0 ? rest.size() : firstSpace;
        }
    }
    pos += length;
    while (pos < line.size() && line.at(pos) == QLatin1Char(' '))
        ++pos;
    return length;
}

QStringList TTextBox::WrapLine(const QString &line) const
{
    QStringList pieces;
    qsizetype pos = 0;
    while (pos < line.size()) {
        const qsizetype start = pos;
        const qsizetype length = cutPiece(line, pos);
        pieces.append(line.mid(start, length));
    }
    return pieces;
}

void TTextBox::Paint(QPainter &painter)
{
    CanvasScope scope(m_canvas, &painter);
    painter.save();
    PaintFrame();
    qint64 y = m_rowSpacing;
    int h = 0;
    if (!m_lines.isEmpty() && m_lines.first().isEmpty())
        h = MeasureItem(QString()).height();
    for (const QString &line : std::as_const(m_lines)) {
        if (line.isEmpty()) {
            y += qint64(h) + m_rowSpacing;
        } else if (m_wordWrap) {
            qsizetype pos = 0;
            while (pos < line.size()) {
                const qsizetype start = pos;
                const qsizetype length = cutPiece(line, pos);
                h = drawRow(line.mid(start, length), y);
                y += qint64(h) + m_rowSpacing;
            }
        } else {
            h = drawRow(line, y);
            y += qint64(h) + m_rowSpacing;
        }
        if (y >= Height())
            break;
    }
    painter.restore();
}
