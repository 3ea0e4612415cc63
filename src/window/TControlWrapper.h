#pragma once

#include "window/TCursor.h"
#include "window/TSurface.h"

#include <QObject>
#include <QPointer>

// The common base of the menu window's objects. It wraps one surface control
// and republishes the control's position, size, visibility, anchors, size
// limits, cursor and hint, so that the property grid and the design reader
// edit the surface through the object. It stores none of them itself, and
// never frees the control: the owner frees the object before its control (a
// control freed first leaves Control() null, never dangling).
class TControlWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(TSurface::TAnchors Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(TSizeConstraints *Constraints READ Constraints CONSTANT)
    Q_PROPERTY(TCursor Cursor READ Cursor WRITE setCursor)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
public:
    // Horizontal placement of text, shared by the text objects and buttons.
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)

    // Wraps the control; Updating starts false.
    explicit TControlWrapper(TSurface *control, QObject *parent = nullptr);

    TSurface *Control() const { return m_control; }

    // While true, Repaint does nothing. Owners set it around bulk changes.
    bool Updating() const { return m_updating; }
    void setUpdating(bool updating) { m_updating = updating; }

    // Asks the control to repaint at once, unless Updating.
    void Repaint();

    int Top() const;
    void setTop(int top);
    int Left() const;
    void setLeft(int left);
    int Width() const;
    void setWidth(int width);
    int Height() const;
    void setHeight(int height);
    bool Visible() const;
    void setVisible(bool visible);
    TSurface::TAnchors Anchors() const;
    void setAnchors(TSurface::TAnchors anchors);
    TSizeConstraints *Constraints() const;
    TCursor Cursor() const;
    void setCursor(TCursor cursor);
    QString Hint() const;
    void setHint(const QString &hint);
    bool ShowHint() const;
    void setShowHint(bool show);

    // Draws the wrapped control onto a painter whose coordinates are those of
    // the control's parent (the menu window's client area), clipped to the
    // control's bounds. Draws nothing for an invisible control.
    void renderInParent(QPainter &painter);

protected:
    // For descendants that must finish their own set-up before the wrapper's
    // initialisation (which clears Updating) runs.
    TControlWrapper(QObject *parent);
    void initWrapper(TSurface *control);

private:
    QPointer<TSurface> m_control;
    bool m_updating = false;
};
