#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The folder of recovery copies: one copy per project file and editor
// session, each a whole project in the file
// format whose prolog carries a line naming the project's file and the time
// the copy was made. Copies that did not read are kept aside under ".broken"
// and never listed again. Knows files only; what to ask is TAutosave's.
class TRecoveryFolder
{
public:
    // One copy in the folder.
    struct TCopy
    {
        QString path;          // the copy itself
        QString projectFile;   // the project's own file; empty when never saved
        QDateTime time;        // when it was written (UTC); invalid without a header
        QString session;       // the editor session that wrote it; empty in older copies
        bool HasHeader() const { return time.isValid(); }
    };

    explicit TRecoveryFolder(const QString &folder);

    // BRENWICK_RECOVERY_DIR when set (tests and portable set-ups), otherwise
    // "recovery" in the user's application data folder.
    static QString DefaultFolder();
    const QString &Folder() const { return m_folder; }

    // Where a session's copy of a project file goes (a never-saved project has
    // an empty name): the project's stem, then the session.
    QString CopyPathFor(const QString &projectFile, const QString &session) const;
    // The start of the names of a project's copies: its file's name and a
    // hash of its path, or "new".
    static QString ProjectStem(const QString &projectFile);
    // The copies of one project file, of every session, newest first.
    QList<TCopy> CopiesOf(const QString &projectFile) const;
    // The line after the prolog that names the project, the time and the
    // editor session.
    static QString HeaderLine(const QString &projectFile, const QDateTime &time, const QString &session);
    // The lock an editor session holds while it runs, so that other editors
    // leave its copies alone.
    QString LockPathFor(const QString &session) const;
    // Whether the copy's session is another editor still running (its lock is
    // held by another live process). A lock left by a session that died is
    // removed.
    bool InUse(const TCopy &copy) const;
    // Removes the locks of sessions whose process is gone.
    void RemoveStaleLocks() const;
    // Reads a copy's header; TCopy::time stays invalid when it has none.
    static TCopy ReadHeader(const QString &copyPath);

    // Every copy in the folder, newest first (copies without a header last).
    QList<TCopy> Copies() const;
    // Renames the copy to "<name>.broken" (numbered when taken) so it is never
    // offered again; returns the new path, or empty when it could not be moved.
    static QString SetAside(const QString &copyPath);
    // Makes the folder when missing; false when it cannot be made.
    bool Make() const;

private:
    QString m_folder;
};
