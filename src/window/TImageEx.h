#pragma once

#include "kit/TPicture.h"
#include "window/TSurface.h"

#include <QImage>
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
public:
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
    PaintHandler m_onAfterPaint;
    QImage m_drawImage;
    bool m_drawImageValid = false;
};
