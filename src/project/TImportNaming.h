#pragma once

#include "project/TImportOptions.h"

#include <QString>

// The names and program paths a folder import gives its entries.
//
// The scan works on native paths and appends "/" wherever it adds a separator
// (the root is the folder's text with "/" appended when it does not end with
// one; a subfolder is P + name + "/"). Splitting a path first turns every "/"
// into "\", so every name and program path formed from the pieces uses "\",
// as the player on the disc expects. The functions take the root as it stands,
// so a root such as "D:\Soft\" gives the player's own paths unchanged.
class TImportNaming
{
public:
    struct Split
    {
        QString folder;      // up to and including the last "\" (with the drive, if any)
        QString baseName;    // the last component without its extension
        QString extension;   // from the last "." of the last component on, dot included
    };

    TImportNaming(const QString &root, const TImportOptions &options);

    // The root of an import: the folder's text, with "/" appended when it does
    // not already end with "/".
    static QString rootOf(const QString &dirText);
    // The last component of a root: the text after the last separator once the
    // trailing one is dropped ("D:\Soft\" -> "Soft", "/media/disc/Soft/" -> "Soft").
    static QString rootNameOf(const QString &root);
    // Splits a path after turning every "/" into "\". A drive ("D:") at the
    // start belongs to the folder part; a ":" anywhere else is an ordinary
    // character of a name on this platform.
    static Split split(const QString &path);

    const QString &root() const { return m_root; }
    const QString &rootName() const { return m_rootName; }

    // The command name of a folder (path ending with its separator) or a file.
    // The root itself is named by its own text.
    QString commandName(const QString &path, bool isFolder) const;
    // The program path of a file below the root.
    QString programPath(const QString &filePath) const;

private:
    QString relativeFolder(const Split &s) const;

    QString m_root;
    QString m_rootName;
    TImportOptions::NameMode m_nameMode;
    TImportOptions::PathMode m_pathMode;
    bool m_extension;
    QString m_prefix;
    QString m_discDir;
    QString m_discBase;
};
