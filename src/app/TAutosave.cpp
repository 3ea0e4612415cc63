#include "app/TAutosave.h"

#include "app/MessagePath.h"
#include "app/TSettingsFile.h"
#include "base/BrenwickError.h"
#include "base/UserPrompt.h"
#include "project/TProject.h"
#include "xml/TXDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>
#include <memory>

namespace {

const char *const kSection = "autosave";
const char *const kEnabledKey = "enabled";
const char *const kIntervalKey = "interval";
constexpr int kMillisecondsPerSecond = 1000;

bool SameFile(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// A copy is worth offering when it holds more than its file: the file is
// older, gone, or the project was never saved.
bool NewerThanItsFile(const TRecoveryFolder::TCopy &copy)
{
    if (copy.projectFile.isEmpty())
        return true;
    const QFileInfo file(copy.projectFile);
    return !file.exists() || copy.time > file.lastModified().toUTC();
}

} // namespace

TAutosave::TAutosave(TProject &project, UserPrompt &prompt, const QString &settingsPath, const QString &folder,
                     QObject *parent)
    : QObject(parent), m_project(project), m_prompt(prompt), m_settingsPath(settingsPath), m_folder(folder),
      m_session(QStringLiteral("%1-%2-%3")
                    .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")))
                    .arg(QCoreApplication::applicationPid())
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')))
{
    ReadSettings(settingsPath);
    m_writer.setMaxThreadCount(1);   // copies are written one after another, in order
    m_timer.setInterval(m_intervalSeconds * kMillisecondsPerSecond);
    connect(&m_timer, &QTimer::timeout, this, &TAutosave::OnTimer);
    connect(&m_watcher, &QFutureWatcher<QString>::finished, this, &TAutosave::OnWriteFinished);
    connect(&m_project.UndoStack(), &QUndoStack::indexChanged, this, &TAutosave::Touched);
    connect(&m_project, &TProject::ModifiedChanged, this, [this](bool modified) {
        if (modified)
            Touched();
        else if (!m_restoring)
            Discard();   // saved, reset, opened anew, or undone back to the file
    });
    if (m_enabled)
        m_timer.start();
}

TAutosave::~TAutosave()
{
    WaitForWrite();
}

void TAutosave::ReadSettings(const QString &settingsPath)
{
    if (settingsPath.isEmpty())
        return;
    QSettings settings(settingsPath, settings_file::Format());
    settings.beginGroup(QLatin1StringView(kSection));
    bool ok = false;
    const int enabled = settings.value(QLatin1StringView(kEnabledKey)).toString().trimmed().toInt(&ok);
    if (ok)
        m_enabled = enabled != 0;
    const int interval = settings.value(QLatin1StringView(kIntervalKey)).toString().trimmed().toInt(&ok);
    if (ok && interval > 0)
        m_intervalSeconds = interval;
}

void TAutosave::SetEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on) {
        m_timer.start();
    } else {
        m_timer.stop();
        Discard();
    }
    if (m_settingsPath.isEmpty())
        return;
    QSettings settings(m_settingsPath, settings_file::Format());
    settings.beginGroup(QLatin1StringView(kSection));
    settings.setValue(QLatin1StringView(kEnabledKey), on ? 1 : 0);
    settings.endGroup();
    settings.sync();
}

QString TAutosave::CopyPath() const
{
    return m_folder.CopyPathFor(m_project.FileName(), m_session);
}

void TAutosave::Touched()
{
    m_dirty = true;
}

void TAutosave::OnTimer()
{
    if (m_dirty)
        WriteNow();
}

void TAutosave::WriteNow()
{
    if (!m_enabled || !m_project.Modified())
        return;
    if (!m_pendingPath.isEmpty()) {
        if (!m_write.isFinished()) {
            m_again = true;
            return;
        }
        OnWriteFinished();
    }
    std::shared_ptr<TXDocument> document;
    try {
        document = m_project.WholeDocument();
    } catch (const BrenwickError &e) {
        emit Written(QString(), e.message());
        return;
    }
    document->SetHeader(document->Header() + TRecoveryFolder::HeaderLine(m_project.FileName(),
                                                                         QDateTime::currentDateTimeUtc(), m_session));
    if (!m_lock && m_folder.Make()) {
        auto lock = std::make_unique<QLockFile>(m_folder.LockPathFor(m_session));
        if (lock->tryLock(0))
            m_lock = std::move(lock);
    }
    m_dirty = false;
    m_pendingPath = CopyPath();
    const TRecoveryFolder folder = m_folder;
    const QString path = m_pendingPath;
    m_write = QtConcurrent::run(&m_writer, [document, folder, path]() -> QString {
        if (!folder.Make())
            return QStringLiteral("Cannot create folder %1").arg(folder.Folder());
        try {
            document->SaveToFile(path);
        } catch (const BrenwickError &e) {
            return e.message();
        }
        return QString();
    });
    m_watcher.setFuture(m_write);
}

void TAutosave::WaitForWrite()
{
    // A write asked for during the last one starts when that one is taken in.
    while (!m_pendingPath.isEmpty()) {
        m_write.waitForFinished();
        OnWriteFinished();
    }
}

void TAutosave::OnWriteFinished()
{
    if (m_pendingPath.isEmpty() || !m_write.isFinished())
        return;   // already taken in, or discarded
    const QString path = std::exchange(m_pendingPath, QString());
    const QString error = m_write.result();
    if (error.isEmpty()) {
        if (m_writtenPath != path)
            RemoveCopy(m_writtenPath);   // the project moved on to another file
        m_writtenPath = path;
    } else {
        m_dirty = true;   // the changes are in no copy yet
    }
    emit Written(path, error);
    if (std::exchange(m_again, false))
        WriteNow();
}

void TAutosave::RemoveCopy(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

void TAutosave::Discard()
{
    m_dirty = false;
    m_again = false;
    if (!m_pendingPath.isEmpty()) {
        m_write.waitForFinished();
        RemoveCopy(std::exchange(m_pendingPath, QString()));
    }
    RemoveCopy(std::exchange(m_writtenPath, QString()));
    RemoveCopy(CopyPath());
    m_lock.reset();   // no copy left to keep: the locks go too
    m_adopted.reset();
}

QString TAutosave::ProjectName(const QString &projectFile) const
{
    return projectFile.isEmpty() ? tr("новый проект") : MessagePath(projectFile);
}

void TAutosave::ReportBroken(const QString &copyPath, const QString &reason)
{
    const QString aside = TRecoveryFolder::SetAside(copyPath);
    QString text = tr("Копию несохранённых изменений «%1» не удалось прочитать.").arg(QDir::toNativeSeparators(copyPath));
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    if (!aside.isEmpty())
        text += QLatin1Char('\n') + tr("Она отложена как «%1» и больше предлагаться не будет.").arg(QDir::toNativeSeparators(aside));
    m_prompt.inform(tr("Восстановление"), text, UserPrompt::Icon::Warning);
}

TAutosave::TOffer TAutosave::Offer(const TRecoveryFolder::TCopy &copy)
{
    if (!copy.HasHeader()) {
        ReportBroken(copy.path, tr("В ней нет заголовка копии."));
        return TOffer::None;
    }
    const QDateTime local = copy.time.toLocalTime();
    // To the second: two editors' copies of one project differ by their time.
    const QString when = local.date() == QDate::currentDate() ? local.toString(QStringLiteral("HH:mm:ss"))
                                                              : local.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    const QString text = tr("Найдены несохранённые изменения проекта\n«%1»,\nзаписанные в %2.\n\n"
                            "Восстановить их? «Нет» удалит эту копию, «Отмена» оставит её до следующего раза.")
                             .arg(ProjectName(copy.projectFile), when);
    switch (m_prompt.ask(tr("Восстановление"), text, UserPrompt::Buttons::YesNoCancel, UserPrompt::Icon::Question)) {
    case UserPrompt::Answer::Yes:
        return Restore(copy) ? TOffer::Restored : TOffer::None;
    case UserPrompt::Answer::No:
        RemoveCopy(copy.path);
        return TOffer::Declined;
    default:
        return TOffer::Cancelled;
    }
}

bool TAutosave::Restore(const TRecoveryFolder::TCopy &copy)
{
    TProject::TLoadedPtr loaded;
    try {
        loaded = m_project.ReadProject(copy.path, TProject::WholeProject());
    } catch (const BrenwickError &e) {
        ReportBroken(copy.path, e.message());
        return false;
    }
    if (!loaded) {
        ReportBroken(copy.path, m_project.LastOpenError());
        return false;
    }
    // The copy becomes the project's own: deleted when it is saved.
    WaitForWrite();
    if (m_writtenPath != copy.path)
        RemoveCopy(m_writtenPath);
    m_restoring = true;
    m_project.ApplyRecovered(std::move(loaded), copy.projectFile);
    m_restoring = false;
    m_writtenPath = copy.path;
    m_dirty = false;
    // Until this session writes it anew, the copy names the session it came from.
    if (!copy.session.isEmpty()) {
        m_adopted = std::make_unique<QLockFile>(m_folder.LockPathFor(copy.session));
        if (!m_adopted->tryLock(0))
            m_adopted.reset();
    }
    emit Restored(copy.projectFile);
    return true;
}

bool TAutosave::OwnCopy(const TRecoveryFolder::TCopy &copy) const
{
    return copy.path == m_writtenPath || copy.path == m_pendingPath || copy.session == m_session;
}

TAutosave::TOffer TAutosave::OfferAtStart(const QString &exceptFile)
{
    m_folder.RemoveStaleLocks();   // of editors that ended without a word
    for (const TRecoveryFolder::TCopy &copy : m_folder.Copies()) {
        if (OwnCopy(copy) || m_folder.InUse(copy))
            continue;   // this session's own, or another editor's still running
        if (copy.HasHeader() && (SameFile(copy.projectFile, exceptFile) || !NewerThanItsFile(copy)))
            continue;
        if (Offer(copy) == TOffer::Restored)
            return TOffer::Restored;
    }
    return TOffer::None;
}

TAutosave::TOffer TAutosave::OfferAtOpen(const QString &projectFile)
{
    // Every session's copy of the project, newest first, until one is
    // restored or the question is cancelled.
    TOffer outcome = TOffer::None;
    for (const TRecoveryFolder::TCopy &copy : m_folder.CopiesOf(projectFile)) {
        if (OwnCopy(copy) || m_folder.InUse(copy))
            continue;   // another editor has the project open and keeps its copy
        if (copy.HasHeader() && (!SameFile(copy.projectFile, projectFile) || !NewerThanItsFile(copy)))
            continue;
        const TOffer answer = Offer(copy);
        if (answer == TOffer::Restored || answer == TOffer::Cancelled)
            return answer;
        if (answer == TOffer::Declined)
            outcome = answer;
    }
    return outcome;
}
