#pragma once

#include "window/TTextBox.h"

#include <QImage>
#include <QPainter>
#include <memory>

// Shared helpers of the window object tests.
namespace wtest {

// Every character 10 pixels wide, every cell 20 pixels tall.
inline constexpr int kCharWidth = 10;
inline constexpr int kCellHeight = 20;

inline std::shared_ptr<const TTextMeasure> fixedMeasure()
{
    return std::make_shared<TFixedPitchMeasure>(kCharWidth, kCellHeight);
}

struct Row
{
    QString text;
    int x;
    int y;
    bool selected;
    bool operator==(const Row &o) const
    {
        return text == o.text && x == o.x && y == o.y && selected == o.selected;
    }
};

inline std::ostream &operator<<(std::ostream &os, const Row &r)
{
    return os << "('" << r.text.toStdString() << "', " << r.x << ", " << r.y << (r.selected ? ", sel" : "") << ")";
}

// Renders any object's Paint onto an image of the surface's size over a fill.
template<typename Box>
QImage render(Box &box, const QColor &fill = Qt::transparent)
{
    QImage image(std::max(1, box.Width()), std::max(1, box.Height()), QImage::Format_ARGB32);
    image.fill(fill);
    QPainter painter(&image);
    box.Paint(painter);
    painter.end();
    return image;
}

// Counts the paints of a shown surface.
struct PaintCounter
{
    int count = 0;
    explicit PaintCounter(TSurface *surface)
    {
        QObject::connect(surface, &TSurface::painted, surface, [this] { ++count; });
    }
};

} // namespace wtest
