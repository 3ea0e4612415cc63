#pragma once

#include <QSet>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// A disc folder as the player's platform sees it: every file and folder under
// it, found by a path relative to its root in which "\" and "/" both separate
// and letters match without regard to case. The folder is walked once, when
// the object is made.
class TDiscFolder
{
public:
    // The longest name a disc file system (Joliet) holds.
    static constexpr int kMaxNameLength = 64;
    // The characters no name on the disc may hold.
    static const QString kForbiddenChars;   // < > : " | ? *

    // A name under the folder that the disc cannot hold.
    struct TUnfitName
    {
        QString path;         // relative, "\"-separated as the player writes paths
        bool tooLong = false; // otherwise it holds a forbidden character
    };

    // Walks dir. A missing or unreadable folder gives Exists() false and no
    // entries. withSizes also adds up the files' sizes, which costs one more
    // system call a file (several times the walk itself).
    explicit TDiscFolder(const QString &dir, bool withSizes = false);

    const QString &Dir() const { return m_dir; }
    bool Exists() const { return m_exists; }
    int EntryCount() const { return int(m_keys.size()); }
    // The bytes of all files under the folder (0 unless walked withSizes).
    qint64 TotalSize() const { return m_totalSize; }
    // Whether the relative path names a file or folder under the root. "." and
    // ".." steps are followed; a path that climbs above the root is not there.
    bool Contains(QStringView relativePath) const;
    // The same for a path already made a key.
    bool ContainsKey(const QString &key) const { return key.isEmpty() || m_keys.contains(key); }
    const QList<TUnfitName> &UnfitNames() const { return m_unfit; }

    // The lookup key of a relative path: separators made "/", empty and "."
    // steps dropped, ".." steps taken back, letters case-folded; empty for the
    // root itself, nothing when the path climbs above the root.
    static std::optional<QString> Key(QStringView relativePath);

private:
    // Takes in one entry: relative is its path under the root ("/"-separated),
    // nameAt where its own name starts there.
    void AddEntry(const QString &relative, qsizetype nameAt);
    // The walk through POSIX calls (no QString per full path, sizes from the
    // same directory handle); false when it is not available here.
    bool WalkDirect(const QString &rootPath, bool withSizes);

    QString m_dir;
    qint64 m_totalSize = 0;
    bool m_exists = false;
    QSet<QString> m_keys;
    QList<TUnfitName> m_unfit;
};
