#pragma once

#include "app/TRecoveryFolder.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QLockFile>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <memory>

class TProject;
class UserPrompt;

// The recovery copy of unsaved work. While the project has unsaved changes
// that no copy holds yet, a copy of the whole project is written every
// interval (and at once after a folder import or a design load, through
// WriteNow). The document is built on the calling thread (unchanged pictures
// keep their texts, so this is cheap) and written to disk on a worker thread,
// atomically. A save, a reset or a normal exit (Discard), and every return of
// the project to its saved state, delete the copy.
//
// At start (OfferAtStart) and when a project with a copy newer than its file
// is opened (OfferAtOpen) the user is asked whether to restore it: yes opens
// the copy as the project, modified, under the original's name; no deletes the
// copy; cancel keeps it for later. A copy that does not read is set aside
// (".broken") and reported once. Copies of another editor still running are
// its own: never offered, never deleted. A copy that could not be written is
// tried again at the next interval.
//
// Settings file, section "autosave": "enabled" (1 or 0, default 1) and
// "interval" (seconds, default 120).
class TAutosave : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultIntervalSeconds = 120;

    TAutosave(TProject &project, UserPrompt &prompt, const QString &settingsPath,
              const QString &folder = TRecoveryFolder::DefaultFolder(), QObject *parent = nullptr);
    ~TAutosave() override;

    bool Enabled() const { return m_enabled; }
    // Turns the copies on or off and stores the choice in the settings file;
    // off also deletes the copy.
    void SetEnabled(bool on);
    int IntervalSeconds() const { return m_intervalSeconds; }
    const TRecoveryFolder &Folder() const { return m_folder; }
    // Where the current project's copy goes.
    QString CopyPath() const;

    // Writes a copy when enabled and the project holds changes no copy has
    // (a write under way is followed by another). The copy is on disk once
    // the write finishes (Written, or WaitForWrite).
    void WriteNow();
    void WaitForWrite();
    // Deletes the current project's copy; a write under way is waited for.
    void Discard();

    enum class TOffer { None, Restored, Declined, Cancelled };
    // Asks about every copy that is newer than its file (or whose project was
    // never saved or is gone), newest first, except the copy of exceptFile.
    // Stops at the first one restored.
    TOffer OfferAtStart(const QString &exceptFile = QString());
    // Asks about each copy of projectFile (one per editor session that left
    // one) that is newer than the file, newest first, until one is restored
    // or a question is cancelled. Declined and None: go on opening the file;
    // Cancelled: do not open it.
    TOffer OfferAtOpen(const QString &projectFile);

signals:
    // A copy was written (or failed: error not empty).
    void Written(const QString &copyPath, const QString &error);
    // A copy was opened as the project.
    void Restored(const QString &projectFile);

private:
    void ReadSettings(const QString &settingsPath);
    void Touched();
    void OnTimer();
    void OnWriteFinished();
    TOffer Offer(const TRecoveryFolder::TCopy &copy);
    bool OwnCopy(const TRecoveryFolder::TCopy &copy) const;
    bool Restore(const TRecoveryFolder::TCopy &copy);
    void ReportBroken(const QString &copyPath, const QString &reason);
    void RemoveCopy(const QString &path);
    QString ProjectName(const QString &projectFile) const;

    TProject &m_project;
    UserPrompt &m_prompt;
    QString m_settingsPath;
    TRecoveryFolder m_folder;
    QString m_session;
    bool m_enabled = true;
    int m_intervalSeconds = kDefaultIntervalSeconds;
    QTimer m_timer;
    // Changes since the last copy was begun.
    bool m_dirty = false;
    // A write asked for while another was under way.
    bool m_again = false;
    bool m_restoring = false;
    // The copy last written for this project (deleted when the project moves
    // on to another file or is saved).
    QString m_writtenPath;
    QString m_pendingPath;
    // Held while this session runs, once it has written a copy: other editors
    // leave its copies alone.
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLockFile> m_adopted;   // the lock of the session of a restored copy
    QThreadPool m_writer;
    QFuture<QString> m_write;
    QFutureWatcher<QString> m_watcher;
};
