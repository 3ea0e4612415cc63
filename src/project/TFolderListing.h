#pragma once

#include <QList>
#include <QString>

// The entries of one folder on disk, read once and sorted as the import takes
// them: by name without regard to case (ties in the exact spelling), "." and
// ".." left out. A folder that does not exist or cannot be read lists nothing.
class TFolderListing
{
public:
    enum class Kind {
        File,         // anything that is not a folder (a link to a file counts as the file)
        Folder,       // a real folder
        FolderLink    // a symbolic link to a folder: a folder, but never entered
    };

    struct Entry
    {
        QString name;
        QString folded;   // name.toCaseFolded(), for mask matching and sorting
        Kind kind = Kind::File;
    };

    // folderPath may end with a separator.
    static QList<Entry> read(const QString &folderPath);
};
