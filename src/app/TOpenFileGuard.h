#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

// Keeps two editors from losing each other's work on one project file. While
// an editor has a project open (not read-only) it holds a lock named after
// the file in the folder "open" beside the recovery copies; another editor
// opening the file finds it and says who holds it since when. The file's
// size, time and a hash of its bytes are kept from the last open or save, so
// that a save can tell that someone else wrote the file meanwhile.
class TOpenFileGuard
{
public:
    explicit TOpenFileGuard(const QString &folder);
    ~TOpenFileGuard();

    // The editor holding projectFile open, when it is another process.
    struct THolder
    {
        QString user;
        QString host;
        QDateTime since;
    };
    std::optional<THolder> HolderOf(const QString &projectFile) const;

    // projectFile is now the project's file, just read or written: its
    // stamp is kept and, unless read-only, its lock taken (the lock of an
    // earlier file released).
    void Took(const QString &projectFile, bool readOnly);
    // No file any more (a new project).
    void Released();
    bool ReadOnly() const { return m_readOnly; }

    // When projectFile is the file last read or written and someone changed
    // it on disk since: the time of that change.
    std::optional<QDateTime> ChangedOnDisk(const QString &projectFile) const;

private:
    struct TStamp
    {
        qint64 size = -1;
        QDateTime time;
        QByteArray hash;
    };
    static TStamp StampOf(const QString &file, bool withHash);
    QString LockPathFor(const QString &projectFile) const;

    QString m_folder;
    QString m_file;
    TStamp m_stamp;
    bool m_readOnly = false;
    std::unique_ptr<QLockFile> m_lock;
};
