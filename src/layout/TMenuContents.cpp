#include "layout/TMenuContents.h"

TMenuContents menuContents(const TMenuSource &source)
{
    TMenuContents menu;
    if (source.isTreeEmpty()) {
        for (int i = 1; i <= kPlaceholderCount; ++i)
            menu.lines << QCoreApplication::translate("TMenuContents", "<элемент %1>").arg(i);
        menu.selectedIndex = kPlaceholderSelected;
        return menu;
    }
    const TMenuSource::Level level = source.currentLevel();
    for (int i = 0; i < level.entries.size(); ++i) {
        const TMenuSource::Entry &entry = level.entries.at(i);
        if (entry.hidden)
            continue;
        if (i == level.current)
            menu.selectedIndex = menu.lines.size();
        menu.lines << entry.caption;
    }
    if (level.hasGroup)
        menu.groupCaption = level.groupCaption;
    return menu;
}
