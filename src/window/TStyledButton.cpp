#include "window/TStyledButton.h"

#include "window/DrawBevel.h"
#include "window/DrawPicture.h"
#include "window/PixelMath.h"
#include "window/TButtonBox.h"

#include "rules/MenuGrid.h"

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
    const TFontMetrics metrics(m_box->textMeasure(), *Font());
    const rules::Size size = rules::ButtonSize(metrics, m_box->Look(), StdView(text), m_box->ColumnWidth());
    return QSize(size.width, size.height);
}

QString TStyledButton::ShortenedText(const QString &text, int buttonWidth, int *drawnWidth) const
{
    const TFontMetrics metrics(m_box->textMeasure(), *Font());
    const rules::Shortened s = rules::Shorten(metrics, StdView(text), addClamped(buttonWidth, -qint64(m_padHorizontal)),
                                              m_box->shadowExtent());
    if (drawnWidth)
        *drawnWidth = s.width;
    return s.ellipsis ? text.left(qsizetype(s.keep)) + kEllipsis : text;
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
    const TFontMetrics metrics(m_box->textMeasure(), *Font());
    const rules::CaptionLook look{RulesAlignment(m_alignment), m_padHorizontal, m_padVertical, m_box->shadowExtent(), true};
    const rules::Caption caption = rules::PlaceCaption(metrics, look, rules::Rect{x, y, bw, bh}, StdView(text));
    const QString drawn = caption.text.ellipsis ? text.left(qsizetype(caption.text.keep)) + kEllipsis : text;
    m_box->DrawButtonText(drawn, caption.x, caption.y, selected || pressed);
}
