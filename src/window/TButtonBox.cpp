#include "window/TButtonBox.h"

#include "window/PixelMath.h"

#include <QPainter>
#include <algorithm>
#include <climits>
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

    const rules::MenuGrid grid = ComputeGrid(count);
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

rules::MenuLook TButtonBox::Look() const
{
    rules::MenuLook look;
    look.width = Width();
    look.height = Height();
    look.rowSpacing = RowSpacing();
    look.shadowExtent = shadowExtent();
    look.alignment = RulesAlignment(Alignment());
    look.columns = m_columns;
    look.autoColumns = m_autoColumns;
    look.horizAlloc = m_horizAlloc;
    const TStyledButton &bs = *m_buttonStyle;
    look.style = bs.Style() == TStyledButton::bssText     ? rules::ButtonStyleKind::Text
                 : bs.Style() == TStyledButton::bssButton ? rules::ButtonStyleKind::Button
                                                          : rules::ButtonStyleKind::Skinned;
    look.autoSize = bs.AutoSize();
    look.buttonWidth = bs.Width();
    look.buttonHeight = bs.Height();
    look.padHorizontal = bs.PadHorizontal();
    look.padVertical = bs.PadVertical();
    look.buttonAlignment = RulesAlignment(bs.Alignment());
    const TPicture *skin = bs.Pictures()->Default();
    look.skin = rules::Size{skin->width(), skin->height()};
    return look;
}

rules::MenuGrid TButtonBox::ComputeGrid(int count)
{
    const TFontMetrics metrics(textMeasure(), *Font());
    const rules::MenuGrid grid = rules::MakeGrid(metrics, Look(), count);
    m_columnWidth = grid.columnWidth;
    return grid;
}

QRect TButtonBox::ItemRect(const rules::MenuGrid &grid, int index, const QString &text)
{
    const TFontMetrics metrics(textMeasure(), *Font());
    return toQRect(rules::ItemRect(metrics, Look(), grid, index, StdView(text)));
}

int TButtonBox::ItemAt(const QPoint &point)
{
    const QStringList lines = Text();
    std::vector<std::u16string_view> texts;
    texts.reserve(std::size_t(lines.size()));
    for (const QString &line : lines)
        texts.push_back(StdView(line));
    const TFontMetrics metrics(textMeasure(), *Font());
    const rules::MenuLook look = Look();
    m_columnWidth = rules::MakeGrid(metrics, look, int(std::min<qsizetype>(lines.size(), INT_MAX))).columnWidth;
    return rules::ItemAt(metrics, look, texts, point.x(), point.y());
}

void TButtonBox::setPressedIndex(int index)
{
    if (m_pressedIndex == index)
        return;
    m_pressedIndex = index;
    Repaint();
}
