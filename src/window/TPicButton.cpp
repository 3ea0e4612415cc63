#include "window/TPicButton.h"

#include "rules/MenuGrid.h"
#include "window/DrawText.h"
#include "window/TTextBox.h"
#include "window/PixelMath.h"

#include <QPainter>

TPicButton::TPicButton(TImageEx *image, const QString &caption, QObject *parent)
    : TControlWrapper(parent), m_image(image), m_measure(std::make_shared<TFontMeasure>())
{
    // Updating is on until the wrapper's initialisation at the end.
    image->setOnAfterPaint([this](QPainter &painter) { DrawCaption(painter); });
    m_pictures = new TPictureSet(this);
    m_pictures->Default()->assign(*image->Picture());
    m_pictures->setOnChange([this](TPicture *) { PicturesChanged(); });
    m_caption = caption;
    m_action = baExecute;
    m_colorSelected = TColor::clNone;
    image->setAutoSize(true);
    initWrapper(image);
}

TPicButton::~TPicButton()
{
    if (m_image)
        m_image->setOnAfterPaint({});
}

void TPicButton::setState(TPictureSet::TButtonState state)
{
    m_state = state;
    PicturesChanged();
}

void TPicButton::setCaption(const QString &caption)
{
    m_caption = caption;
    Repaint();
}

void TPicButton::setFont(TFont *font)
{
    if (font)
        m_image->Font()->assign(*font);
}

void TPicButton::setShadow(bool shadow)
{
    m_shadow = shadow;
    Repaint();
}

void TPicButton::setShadowColor(TColor color)
{
    m_shadowColor = color;
    Repaint();
}

void TPicButton::setShadowSize(int size)
{
    m_shadowSize = size;
    Repaint();
}

void TPicButton::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Repaint();
}

void TPicButton::setPadVertical(int pad)
{
    m_padVertical = pad;
    Repaint();
}

void TPicButton::setPadHorizontal(int pad)
{
    m_padHorizontal = pad;
    Repaint();
}

void TPicButton::setShowCaption(bool show)
{
    m_showCaption = show;
    Repaint();
}

void TPicButton::setColorSelected(TColor color)
{
    m_colorSelected = color;
    Repaint();
}

void TPicButton::setColorNormal(TColor color)
{
    Font()->setColor(color);
    Repaint();
}

void TPicButton::setTextMeasure(std::shared_ptr<const TTextMeasure> measure)
{
    if (measure)
        m_measure = std::move(measure);
}

void TPicButton::PicturesChanged()
{
    m_image->setPicture(m_pictures->ForState(m_state));
}

QRect TPicButton::CaptionRect() const
{
    const TFontMetrics metrics(*m_measure, *Font());
    const int s = m_shadow ? m_shadowSize : 0;
    const rules::CaptionLook look{RulesAlignment(m_alignment), m_padHorizontal, m_padVertical, s, false};
    const rules::Caption c =
        rules::PlaceCaption(metrics, look, rules::Rect{0, 0, m_image->width(), m_image->height()}, StdView(m_caption));
    return clampedRect(c.x, c.y, c.text.width, addClamped(metrics.CellHeight(), s));
}

void TPicButton::DrawCaption(QPainter &painter)
{
    if (!m_showCaption || m_caption.isEmpty())
        return;
    const QRect cell = CaptionRect();
    const QPalette palette = m_image->palette();
    painter.save();
    if (m_shadow)
        DrawTextTransparent(painter, *Font(), m_caption, addClamped(cell.x(), m_shadowSize),
                            addClamped(cell.y(), m_shadowSize),
                            m_shadowColor.toQColor(palette));
    const TColor color = m_state == TPictureSet::bsSelected && !m_colorSelected.isNone() ? m_colorSelected
                                                                                        : Font()->Color();
    DrawTextTransparent(painter, *Font(), m_caption, cell.x(), cell.y(), color.toQColor(palette));
    painter.restore();
}
