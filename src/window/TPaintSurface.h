#pragma once

#include "window/TSurface.h"

#include <functional>

// A paint surface: a control with a font, a background colour and a paint
// hook, which paints nothing by itself. The design window's heading, comment
// area and menu area are drawn on such surfaces by their window objects.
class TPaintSurface : public TSurface
{
    Q_OBJECT
public:
    using PaintHandler = std::function<void(QPainter &)>;

    explicit TPaintSurface(QWidget *parent = nullptr);

    // Called on every paint with a painter in the surface's coordinates.
    void setOnPaint(PaintHandler handler) { m_onPaint = std::move(handler); }
    const PaintHandler &onPaint() const { return m_onPaint; }

    void paintContent(QPainter &painter) override;

private:
    PaintHandler m_onPaint;
};
