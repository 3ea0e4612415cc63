#pragma once

#include "base/TPicture.h"
#include "window/TSurface.h"

#include <QImage>
#include <QPointer>
#include <functional>

// The picture control: draws one picture into its bounds, as is, centred,
// stretched or proportionally scaled, optionally transparent; sizes itself to
// the picture when asked; lets its owner draw over the picture after each
// paint (OnAfterPaint). Created 105 x 105 pixels.
class TImageEx : public TSurface
{
    Q_OBJECT
    Q_PROPERTY(TPicture *Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Proportional READ Proportional WRITE setProportional)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(TCursor DragCursor READ DragCursor WRITE setDragCursor)
    Q_PROPERTY(TDragKind DragKind READ DragKind WRITE setDragKind)
    Q_PROPERTY(TDragMode DragMode READ DragMode WRITE setDragMode)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE setParentShowHint)
    Q_PROPERTY(QObject *PopupMenu READ PopupMenu WRITE setPopupMenu)
public:
    // How the control could be dragged; the editor stores these and drags
    // through the design window's own selection instead.
    enum TDragKind { dkDrag, dkDock };
    Q_ENUM(TDragKind)
    enum TDragMode { dmManual, dmAutomatic };
    Q_ENUM(TDragMode)

    static constexpr int kInitialSize = 105;

    using PaintHandler = std::function<void(QPainter &)>;

    explicit TImageEx(QWidget *parent = nullptr);

    TPicture *Picture() const { return m_picture; }
    // Copies the given picture.
    void setPicture(TPicture *picture);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool Proportional() const { return m_proportional; }
    void setProportional(bool proportional);
    bool Center() const { return m_center; }
    void setCenter(bool center);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    TCursor DragCursor() const { return m_dragCursor; }
    void setDragCursor(TCursor cursor) { m_dragCursor = cursor; }
    TDragKind DragKind() const { return m_dragKind; }
    void setDragKind(TDragKind kind) { m_dragKind = kind; }
    TDragMode DragMode() const { return m_dragMode; }
    void setDragMode(TDragMode mode) { m_dragMode = mode; }
    bool Enabled() const { return isEnabled(); }
    // Whether the hint switch follows the parent's; stored only.
    bool ParentShowHint() const { return m_parentShowHint; }
    void setParentShowHint(bool parent) { m_parentShowHint = parent; }
    // The context menu of the control, not owned; stored only.
    QObject *PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QObject *menu) { m_popupMenu = menu; }

    // True while the control paints.
    bool Drawing() const { return m_drawing; }
    void setOnAfterPaint(PaintHandler handler) { m_onAfterPaint = std::move(handler); }

    // The rectangle the picture is drawn into, in client coordinates.
    QRect DestRect() const;
    // Whether the control declares itself opaque (its parent need not paint beneath).
    bool isOpaque() const { return m_opaque; }

    // With AutoSize on, the size follows the picture along the sides that the
    // alignment leaves free. Always allows the resize.
    bool CanAutoSize(int &newWidth, int &newHeight) const;

    void paintContent(QPainter &painter) override;

protected:
    void adjustBounds(int &width, int &height) const override;

private:
    void PictureChanged();

    TPicture *m_picture;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_center = false;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_drawing = false;
    bool m_opaque = false;
    TCursor m_dragCursor = TCursor::crDrag;
    TDragKind m_dragKind = dkDrag;
    TDragMode m_dragMode = dmManual;
    bool m_parentShowHint = true;
    QPointer<QObject> m_popupMenu;
    PaintHandler m_onAfterPaint;
    QImage m_drawImage;
    bool m_drawImageValid = false;
};
