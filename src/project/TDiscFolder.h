#pragma once

#include "project/TImageSize.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

// A disc folder as Windows will see it on the disc: every file and folder
// under it, found by a path relative to its root ("\" or "/" between steps)
// whose letters match as Windows matches them (rules::WindowsUpper), the
// names the disc or Windows cannot take as they are, and the size of the
// image made of it. The folder is walked once, when the object is made.
class TDiscFolder
{
public:
    // A file or folder under the root that the disc or Windows cannot take as
    // it is.
    struct TUnfitName
    {
        QString path;            // relative, "\"-separated as the player writes paths
        QString key;             // its lookup key (Key)
        unsigned problems = 0;   // rules::NameProblem bits
    };

    // Walks dir. A missing or unreadable folder gives Exists() false and no
    // entries. withSizes also reads every file's size, which costs one more
    // system call a file.
    explicit TDiscFolder(const QString &dir, bool withSizes = false);

    const QString &Dir() const { return m_dir; }
    bool Exists() const { return m_exists; }
    int EntryCount() const { return int(m_keys.size()); }
    // The bytes of all files under the folder, what links to files lead to
    // included (0 unless walked withSizes).
    qint64 TotalSize() const { return m_totalSize; }
    // The bytes of the image made of the folder (0 unless walked withSizes).
    qint64 ImageSize() const { return m_withSizes ? m_image.Bytes() : 0; }
    // Whether a relative path (no "." or ".." steps) names a file or folder
    // under the root; the empty path is the root.
    bool Contains(QStringView relativePath) const { return ContainsKey(Key(relativePath)); }
    bool ContainsKey(const QString &key) const { return key.isEmpty() || m_keys.contains(key); }
    // Whether the key names a folder (the root included).
    bool IsFolderKey(const QString &key) const { return key.isEmpty() || m_folderKeys.contains(key); }
    const QList<TUnfitName> &UnfitNames() const { return m_unfit; }

    // The lookup key of a relative path: separators made "/", letters
    // upper-cased as Windows compares them.
    static QString Key(QStringView relativePath);

private:
    // Takes in one entry: relative is its path under the root ("/"-separated),
    // nameAt where its own name starts there.
    void AddEntry(const QString &relative, qsizetype nameAt, bool folder, qint64 bytes);
    // The walk through POSIX calls (no QString per full path, sizes from the
    // same directory handle); false when it is not available here.
    bool WalkDirect(const QString &rootPath);

    QString m_dir;
    qint64 m_totalSize = 0;
    bool m_exists = false;
    bool m_withSizes = false;
    QSet<QString> m_keys;
    QSet<QString> m_folderKeys;
    QList<TUnfitName> m_unfit;
    TImageSize m_image;
};
