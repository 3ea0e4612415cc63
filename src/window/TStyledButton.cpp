#include "window/TStyledButton.h"

#include "window/DrawBevel.h"
#include "window/DrawPicture.h"
#include "window/PixelMath.h"
#include "window/TButtonBox.h"

#include <QPainter>

TStyledButton::TStyledButton(TButtonBox *box)
    : QObject(box), m_box(box), m_pictures(new TPictureSet(this))
{
    m_pictures->setOnChange([this](TPicture *) { m_box->Repaint(); });
}

void TStyledButton::setStyle(TButtonStyles style)
{
    m_style = style;
    m_box->Repaint();
}

void TStyledButton::setColor(TColor color)
{
    m_color = color;
    m_box->Repaint();
}

void TStyledButton::setWidth(int width)
{
    m_width = width;
    m_box->Repaint();
}

void TStyledButton::setHeight(int height)
{
    m_height = height;
    m_box->Repaint();
}

void TStyledButton::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    m_box->Repaint();
}

void TStyledButton::setAlignment(TControlWrapper::TAlignment alignment)
{
    m_alignment = alignment;
    m_box->Repaint();
}

void TStyledButton::setPadVertical(int pad)
{
    m_padVertical = pad;
    m_box->Repaint();
}

void TStyledButton::setPadHorizontal(int pad)
{
    m_padHorizontal = pad;
    m_box->Repaint();
}

TColor TStyledButton::ColorSelected() const { return m_box->ColorSelected(); }
void TStyledButton::setColorSelected(TColor color) { m_box->setColorSelected(color); }
TColor TStyledButton::ColorNormal() const { return m_box->Font()->Color(); }
void TStyledButton::setColorNormal(TColor color) { m_box->Font()->setColor(color); }
TFont *TStyledButton::Font() const { return m_box->Font(); }
void TStyledButton::setFont(TFont *font) { m_box->setFont(font); }
bool TStyledButton::Shadow() const { return m_box->Shadow(); }
void TStyledButton::setShadow(bool shadow) { m_box->setShadow(shadow); }
TColor TStyledButton::ShadowColor() const { return m_box->ShadowColor(); }
void TStyledButton::setShadowColor(TColor color) { m_box->setShadowColor(color); }
int TStyledButton::ShadowSize() const { return m_box->ShadowSize(); }
void TStyledButton::setShadowSize(int size) { m_box->setShadowSize(size); }

QSize TStyledButton::GetSize(const QString &text, TPictureSet::TButtonState)
{
    const int s = m_box->shadowExtent();
    const TTextMeasure &measure = m_box->textMeasure();
    int width, height;
    if (m_autoSize) {
        width = addClamped(measure.textWidth(*Font(), text), s, m_padHorizontal);
        height = addClamped(measure.cellHeight(*Font()), s, m_padVertical);
        if (m_style == bssSkinned) {
            width = std::max(width, m_pictures->Default()->width());
            height = std::max(height, m_pictures->Default()->height());
        }
    } else {
        width = m_width;
        height = m_height;
    }
    return QSize(std::min(width, m_box->ColumnWidth()), height);
}

QString TStyledButton::ShortenedText(const QString &text, int buttonWidth, int *drawnWidth) const
{
    const int s = m_box->shadowExtent();
    const TTextMeasure &measure = m_box->textMeasure();
    const TFont &font = *Font();
    const int limit = addClamped(buttonWidth, -qint64(m_padHorizontal));
    int tw = addClamped(measure.textWidth(font, text), s);
    if (tw <= limit || text.isEmpty()) {
        if (drawnWidth)
            *drawnWidth = tw;
        return text;
    }
    // Widths of beginnings with "..." grow with their length, so the longest
    // one that fits is found by halving instead of dropping one character at
    // a time; the result is the same. With none fitting, "..." alone is drawn.
    auto widthOf = [&](qsizetype n) { return addClamped(measure.textWidth(font, text.left(n) + kEllipsis), s); };
    qsizetype low = 0;                    // candidate answer
    qsizetype high = text.size() - 1;     // largest length to try
    int lowWidth = -1;
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        const int w = widthOf(mid);
        if (w <= limit) {
            low = mid;
            lowWidth = w;
        } else {
            high = mid - 1;
        }
    }
    if (drawnWidth)
        *drawnWidth = lowWidth >= 0 ? lowWidth : widthOf(low);
    return text.left(low) + kEllipsis;
}

void TStyledButton::DrawButton(QPainter *canvas, int x, int y, bool selected, const QString &text, bool pressed)
{
    if (!canvas)
        return;
    const QSize size = GetSize(text);
    const int bw = size.width();
    const int bh = size.height();
    switch (m_style) {
    case bssText:
        break;
    case bssButton:
        if (!m_color.isNone())
            canvas->fillRect(clampedRect(x, y, bw, bh), m_color.toQColor(m_box->Surface()->palette()));
        DrawBevel(*canvas, clampedRect(x, y, bw, bh), pressed, m_box->Surface()->palette());
        break;
    case bssSkinned: {
        const TPicture *picture =
            m_pictures->ForState(pressed    ? TPictureSet::bsPressed
                                 : selected ? TPictureSet::bsSelected
                                            : TPictureSet::bsDefault);
        DrawPicture(*canvas, *picture, clampedRect(x, y, picture->width(), picture->height()));
        break;
    }
    }
    const int s = m_box->shadowExtent();
    const int th = addClamped(m_box->textMeasure().cellHeight(*Font()), s);
    int tw = 0;
    const QString drawn = ShortenedText(text, bw, &tw);
    qint64 dx = 0;
    switch (m_alignment) {
    case TControlWrapper::taLeftJustify: dx = m_padHorizontal; break;
    case TControlWrapper::taRightJustify: dx = qint64(bw) - m_padHorizontal - tw; break;
    case TControlWrapper::taCenter: dx = (qint64(bw) - tw) / 2; break;
    }
    const int ty = addClamped(y, m_padVertical, (qint64(bh) - th) / 2);
    m_box->DrawButtonText(drawn, addClamped(x, dx), ty, selected || pressed);
}
