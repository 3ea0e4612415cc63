#pragma once

#include "layout/TPreviewForm.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

// The transparent top layer: takes every mouse event and draws the frame.
class TFrontBox : public QWidget
{
public:
    explicit TFrontBox(TPreviewForm *form) : QWidget(form), m_form(form)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_TranslucentBackground);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_form->FrontBoxPaint(painter);
    }
    void mousePressEvent(QMouseEvent *e) override { m_form->FrontBoxMouseDown(e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent *e) override { m_form->FrontBoxMouseMove(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent *e) override { m_form->FrontBoxMouseUp(e->position().toPoint()); }

private:
    TPreviewForm *m_form;
};
