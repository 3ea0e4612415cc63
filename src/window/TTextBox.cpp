#include "window/TTextBox.h"

#include "window/DrawBevel.h"
#include "window/DrawText.h"
#include "window/PixelMath.h"

#include "rules/Bevel.h"
#include "rules/TextRows.h"

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
        for (const rules::Piece &piece : rules::SplitLines(StdView(line)))
            lines.append(line.mid(qsizetype(piece.start), qsizetype(piece.length)));
    }
    return lines;
}

} // namespace

rules::Alignment RulesAlignment(TControlWrapper::TAlignment alignment)
{
    switch (alignment) {
    case TControlWrapper::taLeftJustify: break;
    case TControlWrapper::taRightJustify: return rules::Alignment::Right;
    case TControlWrapper::taCenter: return rules::Alignment::Center;
    }
    return rules::Alignment::Left;
}

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
    case tbsLine: {
        const QColor c = resolve(m_borderColor);
        for (const rules::Rect &line : rules::BorderLines(rules::Rect{0, 0, Width(), Height()}))
            m_canvas->fillRect(toQRect(line), c);
        break;
    }
    }
}

rules::TextLook TTextBox::textLook() const
{
    rules::TextLook look;
    look.width = Width();
    look.height = Height();
    look.rowSpacing = m_rowSpacing;
    look.shadowExtent = shadowExtent();
    look.alignment = RulesAlignment(m_alignment);
    look.wordWrap = m_wordWrap;
    return look;
}


QStringList TTextBox::WrapLine(const QString &line) const
{
    QStringList pieces;
    const TFontMetrics metrics(*m_measure, *Font());
    for (const rules::Piece &piece : rules::WrapLine(metrics, StdView(line), Width()))
        pieces.append(line.mid(qsizetype(piece.start), qsizetype(piece.length)));
    return pieces;
}

void TTextBox::Paint(QPainter &painter)
{
    CanvasScope scope(m_canvas, &painter);
    painter.save();
    PaintFrame();
    std::vector<std::u16string_view> lines;
    lines.reserve(std::size_t(m_lines.size()));
    for (const QString &line : std::as_const(m_lines))
        lines.push_back(StdView(line));
    const TFontMetrics metrics(*m_measure, *Font());
    for (const rules::TextRow &row : rules::TextRows(metrics, lines, textLook()))
        DrawItem(m_lines.at(qsizetype(row.line)).mid(qsizetype(row.piece.start), qsizetype(row.piece.length)), row.x,
                 row.y, false);
    painter.restore();
}
