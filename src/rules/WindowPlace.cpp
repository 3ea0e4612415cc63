#include "rules/WindowPlace.h"

namespace rules {

namespace {

int Place(int size, int from, int to)
{
    const long long room = static_cast<long long>(to) - from - size;
    return room <= 0 ? from : from + static_cast<int>(room / 2);
}

}   // namespace

void PlaceWindow(int width, int height, const ScreenRect &work, int &left, int &top)
{
    left = Place(width, work.left, work.right);
    top = Place(height, work.top, work.bottom);
}

}   // namespace rules
