#pragma once

#include "window/TControlWrapper.h"
#include "window/TPaintSurface.h"
#include "window/TTextMeasure.h"
#include "rules/TextRows.h"

#include <QPointer>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;

// An alignment as the shared geometry names it.
rules::Alignment RulesAlignment(TControlWrapper::TAlignment alignment);

// A text object of the menu window (the heading, the comment area): paints its
// lines on a paint surface with word wrap, row spacing, alignment, a drop
// shadow, an optional background and one of four borders.
//
// Text is what the user typed and what is saved; Lines is what is painted: a
// copy of Text, or the current group's name while the heading shows it.
class TTextBox : public TControlWrapper
{
    Q_OBJECT
    Q_PROPERTY(TFont *Font READ Font WRITE setFont)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool Shadow READ Shadow WRITE setShadow)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowSize READ ShadowSize WRITE setShadowSize)
    Q_PROPERTY(int RowSpacing READ RowSpacing WRITE setRowSpacing)
    Q_PROPERTY(QStringList Text READ Text WRITE setText)
    Q_PROPERTY(TBBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool AllowChange READ AllowChange WRITE setAllowChange)
public:
    enum TBBorderStyle { tbsNone, tbsRaised, tbsSunken, tbsLine };
    Q_ENUM(TBBorderStyle)

    static constexpr int kDefaultShadowSize = 3;

    // Creates the object over a paint surface and hooks the surface's paint to
    // Paint. Defaults: shadow on, 3 pixels, black; no background (clNone);
    // word wrap on; left-aligned; no border.
    explicit TTextBox(TPaintSurface *surface, QObject *parent = nullptr);
    ~TTextBox() override;

    TPaintSurface *Surface() const { return m_surface; }

    TFont *Font() const;
    void setFont(TFont *font);
    TColor Color() const;
    void setColor(TColor color);
    bool Shadow() const { return m_shadow; }
    void setShadow(bool shadow);
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor color);
    int ShadowSize() const { return m_shadowSize; }
    void setShadowSize(int size);
    int RowSpacing() const { return m_rowSpacing; }
    void setRowSpacing(int spacing);
    QStringList Text() const { return m_text; }
    void setText(const QStringList &text);
    TBBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBBorderStyle style);
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    bool AllowChange() const { return m_allowChange; }
    void setAllowChange(bool allow);

    // What is painted.
    const QStringList &Lines() const { return m_lines; }
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap) { m_wordWrap = wrap; }
    bool GroupCaptionShown() const { return m_groupCaptionShown; }

    // The design window reports the group whose commands the menu shows (empty
    // at the top level). With AllowChange on, the caption replaces the text.
    void ShowGroupCaption(const QString &caption);

    // Setting AllowChange asks the design window to refresh its menu, which
    // calls ShowGroupCaption with the current group. Without a handler the
    // last reported caption is applied again.
    void setRefreshMenuHandler(std::function<void()> handler) { m_refreshMenu = std::move(handler); }

    // The text measure used for layout (the font's real metrics by default).
    void setTextMeasure(std::shared_ptr<const TTextMeasure> measure);
    const TTextMeasure &textMeasure() const { return *m_measure; }

    // Width and height of one row of text, shadow included.
    virtual QSize MeasureItem(const QString &text);
    // Draws one row with its top-left corner at (x, y), the shadow first.
    virtual void DrawItem(const QString &text, int x, int y, bool selected);
    // Paints background, border and rows onto the painter, in the surface's
    // coordinates. The surface's paint event calls it.
    virtual void Paint(QPainter &painter);

    // Background and border.
    void PaintFrame();

    // The pieces a line is broken into at the object's width (word wrap).
    QStringList WrapLine(const QString &line) const;

    // The painter of the paint in progress, or null outside Paint.
    QPainter *Canvas() const { return m_canvas; }

    // Shadow offset that counts in sizes: ShadowSize when Shadow is on, else 0.
    int shadowExtent() const { return m_shadow ? m_shadowSize : 0; }
    // Draws text transparently with the top of its cell at (x, y).
    void drawTextAt(const QString &text, int x, int y, TColor color);
    QColor resolve(TColor color) const;

protected:
    void setCanvas(QPainter *painter) { m_canvas = painter; }
    // Keeps Lines in step with Text unless a group caption is shown, then repaints.
    void TextChanged();
    // How the rows are laid out.
    rules::TextLook textLook() const;

private:
    // The surface and the wrapper are siblings in the design window, freed in
    // either order: a surface that went first is not touched again.
    QPointer<TPaintSurface> m_surface;
    bool m_shadow = true;
    TColor m_shadowColor = TColor::clBlack;
    int m_shadowSize = kDefaultShadowSize;
    int m_rowSpacing = 0;
    QStringList m_text;
    QStringList m_lines;
    TBBorderStyle m_borderStyle = tbsNone;
    TColor m_borderColor = TColor::clBlack;
    TAlignment m_alignment = taLeftJustify;
    bool m_allowChange = false;
    bool m_wordWrap = true;
    bool m_groupCaptionShown = false;
    QString m_lastCaption;
    std::function<void()> m_refreshMenu;
    std::shared_ptr<const TTextMeasure> m_measure;
    QPainter *m_canvas = nullptr;
};
