#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

// Icons from picture files that are read when first drawn, not when made:
// a window, a tab or a button gets its icon at once, and the files are decoded
// only when something paints them. Each file is given with its size, so that
// layouts and window managers learn the sizes without reading the pictures.
// Copies of one icon share what was read.
namespace icons {

struct File
{
    QString path;
    QSize size;
};

// An icon from square picture files of the given sizes ("path" holds "%1",
// replaced by the size: ":/icons/app-%1.png").
QIcon Lazy(const QString &path, const QList<int> &sizes);
// An icon from one square picture file of the given size.
QIcon Lazy(const QString &path, int size = 32);

// The program's own icon, in the sizes window managers ask for.
QIcon Program();

}   // namespace icons
