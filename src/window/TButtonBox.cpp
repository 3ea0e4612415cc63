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
    const QStringList lines = Text();
    const int count = int(std::min<qsizetype>(lines.size(), std::numeric_limits<int>::max()));

    const Grid grid = ComputeGrid(count);
    m_lastRows = grid.rows;
    m_lastColumns = grid.cols;

    for (int i = 0; i < count; ++i) {
        const QRect r = ItemRect(grid, i, lines.at(i));
        const int x = r.x();
        const int y = r.y();
        if (i == m_pressedIndex) {
            m_buttonStyle->DrawButton(Canvas(), x, y, true, lines.at(i), true);
            continue;
        }
        DrawItem(lines.at(i), x, y, i == m_selectedIndex);
    }
}

TButtonBox::Grid TButtonBox::ComputeGrid(int count)
{
    Grid grid;
    // The sample row is measured against the whole width, the buttons then
    // against one column.
    m_columnWidth = Width();
    const int sampleHeight = MeasureItem(kRowSample).height();
    const qint64 pitch = qint64(sampleHeight) + RowSpacing();
    // A row pitch of zero or less gives one row.
    grid.rows = pitch > 0 ? int(std::max<qint64>(Height() / pitch, 1)) : 1;
    grid.cols = m_autoColumns ? std::max(count - 1, 0) / grid.rows + 1 : m_columns;
    grid.columnWidth = Width() / grid.cols;
    m_columnWidth = grid.columnWidth;
    return grid;
}

QRect TButtonBox::ItemRect(const Grid &grid, int index, const QString &text)
{
    int row, col;
    if (m_horizAlloc) {
        col = index % grid.cols;
        row = index / grid.cols;
    } else {
        row = index % grid.rows;
        col = index / grid.rows;
    }
    const QSize size = MeasureItem(text);
    const qint64 y = qint64(row) * (qint64(size.height()) + RowSpacing());
    qint64 x = 0;
    switch (Alignment()) {
    case taLeftJustify: x = qint64(col) * grid.columnWidth; break;
    case taRightJustify: x = (qint64(col) + 1) * grid.columnWidth - size.width(); break;
    case taCenter: x = qint64(col) * grid.columnWidth + (qint64(grid.columnWidth) - size.width()) / 2; break;
    }
    return clampedRect(x, y, size.width(), size.height());
}

int TButtonBox::ItemAt(const QPoint &point)
{
    const QStringList lines = Text();
    const int count = int(std::min<qsizetype>(lines.size(), std::numeric_limits<int>::max()));
    const Grid grid = ComputeGrid(count);
    for (int i = 0; i < count; ++i) {
        if (ItemRect(grid, i, lines.at(i)).contains(point))
            return i;
    }
    return -1;
}

void TButtonBox::setPressedIndex(int index)
{
    if (m_pressedIndex == index)
        return;
    m_pressedIndex = index;
    Repaint();
}
