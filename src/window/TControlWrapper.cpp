#include "window/TControlWrapper.h"

#include <QPainter>

TControlWrapper::TControlWrapper(TSurface *control, QObject *parent) : QObject(parent)
{
    initWrapper(control);
}

TControlWrapper::TControlWrapper(QObject *parent) : QObject(parent), m_updating(true)
{
    TColor::registerMetaType();
    TCursor::registerMetaType();
}

void TControlWrapper::initWrapper(TSurface *control)
{
    TColor::registerMetaType();
    TCursor::registerMetaType();
    m_control = control;
    m_updating = false;
}

void TControlWrapper::Repaint()
{
    if (!m_updating && m_control)
        m_control->repaint();
}

int TControlWrapper::Top() const { return m_control->y(); }
int TControlWrapper::Left() const { return m_control->x(); }
int TControlWrapper::Width() const { return m_control->width(); }
int TControlWrapper::Height() const { return m_control->height(); }

void TControlWrapper::setTop(int top)
{
    m_control->setBoundsRect(Left(), top, Width(), Height());
}

void TControlWrapper::setLeft(int left)
{
    m_control->setBoundsRect(left, Top(), Width(), Height());
}

void TControlWrapper::setWidth(int width)
{
    m_control->setBoundsRect(Left(), Top(), width, Height());
}

void TControlWrapper::setHeight(int height)
{
    m_control->setBoundsRect(Left(), Top(), Width(), height);
}

bool TControlWrapper::Visible() const { return m_control->Visible(); }
void TControlWrapper::setVisible(bool visible) { m_control->setVisible(visible); }
TSurface::TAnchors TControlWrapper::Anchors() const { return m_control->Anchors(); }
void TControlWrapper::setAnchors(TSurface::TAnchors anchors) { m_control->setAnchors(anchors); }
TSizeConstraints *TControlWrapper::Constraints() const { return m_control->Constraints(); }
TCursor TControlWrapper::Cursor() const { return m_control->Cursor(); }
void TControlWrapper::setCursor(TCursor cursor) { m_control->setCursorId(cursor); }
QString TControlWrapper::Hint() const { return m_control->Hint(); }
void TControlWrapper::setHint(const QString &hint) { m_control->setHint(hint); }
bool TControlWrapper::ShowHint() const { return m_control->ShowHint(); }
void TControlWrapper::setShowHint(bool show) { m_control->setShowHint(show); }

void TControlWrapper::renderInParent(QPainter &painter)
{
    if (!m_control || !m_control->Visible())
        return;
    painter.save();
    painter.translate(Left(), Top());
    painter.setClipRect(0, 0, Width(), Height(), Qt::IntersectClip);
    m_control->paintContent(painter);
    painter.restore();
}
