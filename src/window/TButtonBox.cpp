#include "window/TButtonBox.h"

#include "window/PixelMath.h"

#include <QPainter>
#include <algorithm>
#include <limits>

TButtonBox::TButtonBox(TPaintSurface *surface, QObject *parent) : TTextBox(surface, parent)
{
    m_buttonStyle = new TStyledButton(this);
    setWordWrap(false);
    m_columnWidth = surface->width();
}

void TButtonBox::setColorSelected(TColor color)
{
    m_colorSelected = color;
    Repaint();
}

void TButtonBox::setColumns(int columns)
{
    m_columns = std::clamp(columns, kMinColumns, kMaxColumns);
    Repaint();
}

void TButtonBox::setHorizAlloc(bool horizontal)
{
    m_horizAlloc = horizontal;
    Repaint();
}

void TButtonBox::setAutoColumns(bool automatic)
{
    m_autoColumns = automatic;
    Repaint();
}

void TButtonBox::setSelectedIndex(int index)
{
    m_selectedIndex = index;
    Repaint();
}

QSize TButtonBox::MeasureItem(const QString &text)
{
    return m_buttonStyle->GetSize(text, TPictureSet::bsDefault);
}

void TButtonBox::DrawItem(const QString &text, int x, int y, bool selected)
{
    m_buttonStyle->DrawButton(Canvas(), x, y, selected, text);
}

void TButtonBox::DrawButtonText(const QString &text, int x, int y, bool selected)
{
    if (Shadow())
        drawTextAt(text, addClamped(x, ShadowSize()), addClamped(y, ShadowSize()), ShadowColor());
    drawTextAt(text, x, y, selected ? m_colorSelected : Font()->Color());
}

void TButtonBox::Paint(QPainter &painter)
{
    // The canvas and the painter's state are restored when the paint ends.
    struct Scope
    {
        TButtonBox *box;
        QPainter &painter;
        QPainter *previous;
        Scope(TButtonBox *b, QPainter &p) : box(b), painter(p), previous(b->Canvas())
        {
            painter.save();
            box->setCanvas(&painter);
        }
        ~Scope()
        {
            box->setCanvas(previous);
            painter.restore();
        }
    } scope(this, painter);
    PaintFrame();
    const int width = Width();
    const int height = Height();
    const QStringList lines = Text();
    const int count = int(std::min<qsizetype>(lines.size(), std::numeric_limits<int>::max()));

    m_columnWidth = width;
    const int sampleHeight = MeasureItem(kRowSample).height();
    const qint64 pitch = qint64(sampleHeight) + RowSpacing();
    // A row pitch of zero or less gives one row.
    const int rows = pitch > 0 ? int(std::max<qint64>(height / pitch, 1)) : 1;
    const int cols = m_autoColumns ? std::max(count - 1, 0) / rows + 1 : m_columns;
    m_columnWidth = width / cols;
    m_lastRows = rows;
    m_lastColumns = cols;

    for (int i = 0; i < count; ++i) {
        int row, col;
        if (m_horizAlloc) {
            col = i % cols;
            row = i / cols;
        } else {
            row = i % rows;
            col = i / rows;
        }
        const QSize size = MeasureItem(lines.at(i));
        const qint64 y = qint64(row) * (qint64(size.height()) + RowSpacing());
        qint64 x = 0;
        switch (Alignment()) {
        case taLeftJustify: x = qint64(col) * m_columnWidth; break;
        case taRightJustify: x = (qint64(col) + 1) * m_columnWidth - size.width(); break;
        case taCenter: x = qint64(col) * m_columnWidth + (qint64(m_columnWidth) - size.width()) / 2; break;
        }
        DrawItem(lines.at(i), clampToInt(x), clampToInt(y), i == m_selectedIndex);
    }
}
