#pragma once

#include "project/TMenuSource.h"

#include <QString>
#include <QStringList>

// What the menu area shows for the command tree's current level: the buttons'
// captions, the one drawn as selected, and the group whose name the heading may
// show.
struct TMenuContents
{
    QStringList lines;
    int selectedIndex = -1;     // index into lines; -1 draws no button as selected
    QString groupCaption;       // empty at the top level

    bool operator==(const TMenuContents &) const = default;
};

// Placeholder buttons of an empty command tree, the middle one selected.
inline constexpr int kPlaceholderCount = 3;
inline constexpr int kPlaceholderSelected = 1;

// The menu for a level: its entries that are not hidden, in order; the current
// command's position among them (-1 when there is none or it is hidden itself).
// An empty tree gives the placeholders "<элемент 1>" ... with the second one
// selected and no group.
TMenuContents menuContents(const TMenuSource &source);
