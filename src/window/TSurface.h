#pragma once

#include "window/TColor.h"
#include "window/TCursor.h"
#include "window/TFont.h"
#include "window/TSizeConstraints.h"

#include <QWidget>

class QPainter;

// A plain drawing surface of the menu window: a widget with a font, a
// background colour, anchors, an alignment within its parent, size limits, a
// stock cursor and a hint. It paints nothing of its own: paintContent() draws
// it, both from the widget's paint event and onto any painter (a QImage when
// testing or rendering without a screen).
class TSurface : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE setLeft STORED false)
    Q_PROPERTY(int Top READ Top WRITE setTop STORED false)
    Q_PROPERTY(int Width READ Width WRITE setWidth STORED false)
    Q_PROPERTY(int Height READ Height WRITE setHeight STORED false)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible STORED false)
    Q_PROPERTY(TAnchors Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(TSizeConstraints *Constraints READ Constraints CONSTANT)
    Q_PROPERTY(TCursor Cursor READ Cursor WRITE setCursorId)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
public:
    enum TAnchorKind { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
    Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
    Q_FLAG(TAnchors)
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)

    explicit TSurface(QWidget *parent = nullptr);

    // The surface's own font object; changing it repaints the surface.
    TFont *Font() const { return m_font; }
    TColor Color() const { return m_color; }
    void setColor(TColor color);

    TAnchors Anchors() const { return m_anchors; }
    void setAnchors(TAnchors anchors) { m_anchors = anchors; }
    TAlign Align() const { return m_align; }
    void setAlign(TAlign align) { m_align = align; }
    TSizeConstraints *Constraints() const { return m_constraints; }
    TCursor Cursor() const { return m_cursor; }
    void setCursorId(TCursor cursor);
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint);
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool show);

    // Visible as the object sees it: its own switch, whether or not its parent shows.
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) override;

    int Left() const { return x(); }
    void setLeft(int left) { setBoundsRect(left, y(), width(), height()); }
    int Top() const { return y(); }
    void setTop(int top) { setBoundsRect(x(), top, width(), height()); }
    int Width() const { return width(); }
    void setWidth(int w) { setBoundsRect(x(), y(), w, height()); }
    int Height() const { return height(); }
    void setHeight(int h) { setBoundsRect(x(), y(), width(), h); }

    // Moves and resizes within the size limits, the place held within
    // kFarPixel of the parent's origin (and, for controls that size
    // themselves, to their content).
    void setBoundsRect(int left, int top, int width, int height);

    // Draws the surface in its own coordinates (0, 0 at its top-left corner).
    virtual void paintContent(QPainter &painter) = 0;
    // Draws the surface onto an image of its own size, over the given fill.
    QImage renderImage(const QColor &fill = Qt::transparent);

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;
    // Lets a descendant decide the size a bounds change ends with.
    virtual void adjustBounds(int &width, int &height) const;

private:
    void updateToolTip();

    TFont *m_font;
    TColor m_color = TColor::clBtnFace;
    TAnchors m_anchors = TAnchors(akLeft | akTop);
    TAlign m_align = alNone;
    TSizeConstraints *m_constraints;
    TCursor m_cursor;
    QString m_hint;
    bool m_showHint = false;
    bool m_visible = true;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSurface::TAnchors)
