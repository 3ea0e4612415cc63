#pragma once

#include "project/TProjectCheck.h"

#include <QList>
#include <QPair>
#include <QString>

class TBaseItem;
class TDiscFolder;

// What the check finds about the disc folder itself: the names the disc or
// Windows cannot take as they are, and the size of the image.
namespace TDiscFindings {

// The entries' lookup keys on the disc (TDiscFolder::Key) and the entries.
using TEntryKeys = QList<QPair<QString, const TBaseItem *>>;

// One finding a problem of each unfit name, naming the entries that reach
// it (its path or one under it): an error when an entry does or the image
// cannot hold the file, a warning otherwise.
QList<TFinding> Names(const TDiscFolder &disc, const TEntryKeys &entries);

// How big the image will be and which media it fits; what a USB stick takes.
QList<TFinding> Size(const TDiscFolder &disc);

// "730,5 МБ", "3 КБ", "4,3 ГБ": whole kilobytes (rounded up) below a megabyte.
QString SizeText(qint64 bytes);

}   // namespace TDiscFindings
