#include "layout/TDesignGesture.h"

QPoint TDesignGesture::convert(const QPoint &clientPos) const
{
    // The window's own bounds are on the screen: move the pointer there too.
    if (m_host.selection() == TGestureHost::Selection::Window)
        return clientPos + m_host.windowPosition();
    return clientPos;
}

TDragParts TDesignGesture::hitTest(const QPoint &point) const
{
    if (m_host.selection() == TGestureHost::Selection::None)
        return {};
    return HitTest(m_host.selectionBounds(), point);
}

void TDesignGesture::press(const QPoint &clientPos)
{
    // A second button pressed during a move or resize leaves the gesture as it
    // is, so that its release still ends the edit.
    if (m_parts && m_parts != TDragParts(dpSelect))
        return;
    const QPoint p = convert(clientPos);
    if (m_host.selection() != TGestureHost::Selection::None && !m_parts
        && insideBounds(m_host.selectionBounds(), p) && !m_host.selectionFillsParent()) {
        m_lastPoint = p;
        m_parts = hitTest(p);
        m_startBounds = m_host.selectionBounds();
    } else if (m_enableSelect) {
        // A press elsewhere selects at once; on an object it also starts
        // moving it, so that a press and drag selects and moves.
        m_host.clickSelect(clientPos);
        const QPoint q = convert(clientPos);
        m_parts = dpSelect;
        if (m_host.selection() == TGestureHost::Selection::Object && !m_host.selectionFillsParent()
            && insideBounds(m_host.selectionBounds(), q)) {
            m_lastPoint = q;
            m_parts = dpMove;
            m_startBounds = m_host.selectionBounds();
        }
    }
}

void TDesignGesture::move(const QPoint &clientPos)
{
    m_host.setFrontCursor(Qt::ArrowCursor);
    if (m_parts == TDragParts(dpSelect) || m_host.selection() == TGestureHost::Selection::None)
        return;

    const QRect start = m_host.selectionBounds();
    const int L0 = start.x(), T0 = start.y(), W0 = start.width(), H0 = start.height();
    const QPoint p = convert(clientPos);
    const bool isWindow = m_host.selection() == TGestureHost::Selection::Window;
    const QSize client = m_host.clientSize();
    const int CW = client.width(), CH = client.height();
    const int dx = p.x() - m_lastPoint.x();
    const int dy = p.y() - m_lastPoint.y();

    if (m_parts.testFlag(dpMove)) {
        int T = T0 + dy;
        int L = L0 + dx;
        if (!isWindow) {
            if (T < 0)
                T = 0;
            else if (T + H0 >= CH)
                T = CH - H0;
            if (L < 0)
                L = 0;
            else if (L + W0 >= CW)
                L = CW - W0;
        }
        const QRect cur = m_host.selectionBounds();
        m_host.setSelectionBounds(QRect(L, T, cur.width(), cur.height()));
    }
    if (m_parts.testFlag(dpTop)) {
        int T = T0 + dy;
        const QRect cur = m_host.selectionBounds();
        if (!isWindow) {
            if (T < 0)
                T = 0;
            else if (T >= cur.y() + cur.height())
                T = cur.y();   // the edge does not move
        }
        // Height first, then Top, each from the control's current bounds.
        m_host.setSelectionBounds(QRect(cur.x(), cur.y(), cur.width(), cur.height() + cur.y() - T));
        const QRect now = m_host.selectionBounds();
        m_host.setSelectionBounds(QRect(now.x(), T, now.width(), now.height()));
    }
    if (m_parts.testFlag(dpLeft)) {
        int L = L0 + dx;
        const QRect cur = m_host.selectionBounds();
        if (!isWindow) {
            if (L < 0)
                L = 0;
            else if (L >= cur.x() + cur.width())
                L = cur.x();
        }
        m_host.setSelectionBounds(QRect(cur.x(), cur.y(), cur.width() + cur.x() - L, cur.height()));
        const QRect now = m_host.selectionBounds();
        m_host.setSelectionBounds(QRect(L, now.y(), now.width(), now.height()));
    }
    if (m_parts.testFlag(dpBottom)) {
        int H = H0 + dy;
        if (!isWindow) {
            if (H <= 0)
                H = 1;
            else if (T0 + H >= CH)
                H = CH - T0;
        }
        const QRect cur = m_host.selectionBounds();
        m_host.setSelectionBounds(QRect(cur.x(), cur.y(), cur.width(), H));
    }
    if (m_parts.testFlag(dpRight)) {
        int W = W0 + dx;
        if (!isWindow) {
            if (W <= 0)
                W = 1;
            else if (L0 + W >= CW)
                W = CW - L0;
        }
        const QRect cur = m_host.selectionBounds();
        m_host.setSelectionBounds(QRect(cur.x(), cur.y(), W, cur.height()));
    }

    // The pointer's movement since this event is what the next event applies;
    // movement lost against a limit is not made up later.
    m_lastPoint = p;
    if (!m_parts)
        m_host.setFrontCursor(cursorForDragParts(hitTest(p)));
}

void TDesignGesture::release(const QPoint &)
{
    // Selecting (dpSelect) selected at the press already.
    // A press and release that changed nothing is no edit. The window's place
    // on the screen is not part of the design: moving it is no edit either.
    if (m_parts && m_parts != TDragParts(dpSelect) && m_host.selection() != TGestureHost::Selection::None) {
        const QRect now = m_host.selectionBounds();
        const bool windowMoved =
            m_host.selection() == TGestureHost::Selection::Window && now.size() == m_startBounds.size();
        if (now != m_startBounds && !windowMoved)
            m_host.boundsEdited(m_startBounds, now);
    }
    m_parts = {};
}
