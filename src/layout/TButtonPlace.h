#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a new stand-alone button of the given size goes in a window's client
// area so that it covers none of the buttons already there (taken, in their
// order): in a row with one of them, as the default buttons stand (left or
// right, a small gap apart), else above or below one, else the first free
// place from the top left; the top left corner when no place is free.
QPoint FreeButtonPlace(const QSize &client, const QSize &size, const QList<QRect> &taken);
