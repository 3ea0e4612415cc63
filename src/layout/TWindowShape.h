#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <Qt>
#include <functional>

// The border styles of the menu window, in the order the design file stores
// them, and what each means for a Qt top-level window.
struct TBorderKind
{
    Qt::WindowFlags flags;
    bool fixedSize;   // the user cannot resize it by its frame
};
TBorderKind borderKind(int borderStyle);

// The part of a rendered window that stays solid when every pixel of colour
// key becomes a hole. Pixels are compared by red, green and blue only.
QRegion solidRegion(const QImage &rendered, QRgb key);

// The solid part of a window kept up to date piece by piece: only the areas
// repainted since the last update are computed again, unless the whole window
// has to be (a new size, colour key or background).
class TIncrementalMask
{
public:
    // The solid part of an area of the window, in window coordinates.
    using SolidIn = std::function<QRegion(const QRect &area)>;

    // The next update computes the whole window again.
    void invalidate() { m_known = false; }
    // Forgets the shape and what was repainted (the window has no colour key).
    void reset();
    // Notes a repainted area (an empty one only asks for an update). True when
    // the caller has to schedule an update: none is pending yet. Repaints made
    // while the shape is being computed are the computation's own: ignored.
    bool markDirty(const QRect &area);
    // Computes what changed within the window's rectangle and returns the
    // whole solid part.
    QRegion update(const QRect &window, const SolidIn &solidIn);

private:
    QRegion m_dirty;   // areas repainted since the last update
    QRegion m_shape;   // the solid part last computed
    bool m_known = false;
    bool m_pending = false;
    bool m_computing = false;
};
