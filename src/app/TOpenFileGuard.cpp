#include "app/TOpenFileGuard.h"

#include "app/TRecoveryFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Canonical(const QString &file)
{
    const QFileInfo info(file);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

TOpenFileGuard::TOpenFileGuard(const QString &folder) : m_folder(folder) {}

TOpenFileGuard::~TOpenFileGuard() = default;

QString TOpenFileGuard::LockPathFor(const QString &projectFile) const
{
    return QDir(m_folder).filePath(QStringLiteral("open/") + TRecoveryFolder::ProjectStem(Canonical(projectFile))
                                   + QStringLiteral(".lock"));
}

std::optional<TOpenFileGuard::THolder> TOpenFileGuard::HolderOf(const QString &projectFile) const
{
    if (projectFile.isEmpty() || (m_lock && Canonical(projectFile) == Canonical(m_file)))
        return std::nullopt;
    const QString path = LockPathFor(projectFile);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QLockFile probe(path);
    probe.setStaleLockTime(0);   // a lock is stale only when its process is gone
    if (probe.tryLock(0)) {   // left by an editor that is gone: not held
        probe.unlock();
        return std::nullopt;
    }
    qint64 pid = 0;
    THolder holder;
    QString application;
    if (!probe.getLockInfo(&pid, &holder.host, &application) || pid == QCoreApplication::applicationPid())
        return std::nullopt;
    const QFileInfo info(path);
    holder.user = info.owner();
    holder.since = info.lastModified();
    return holder;
}

TOpenFileGuard::TStamp TOpenFileGuard::StampOf(const QString &file, bool withHash)
{
    TStamp stamp;
    QFile f(file);
    const QFileInfo info(file);
    if (!info.isFile())
        return stamp;
    stamp.size = info.size();
    stamp.time = info.lastModified();
    if (withHash && f.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (hash.addData(&f))
            stamp.hash = hash.result();
    }
    return stamp;
}

void TOpenFileGuard::Took(const QString &projectFile, bool readOnly)
{
    const bool sameFile = !m_file.isEmpty() && Canonical(projectFile) == Canonical(m_file);
    m_file = projectFile;
    m_stamp = StampOf(projectFile, true);
    m_readOnly = readOnly;
    if (readOnly) {
        m_lock.reset();
        return;
    }
    if (sameFile && m_lock)
        return;
    m_lock.reset();
    if (!QDir().mkpath(QDir(m_folder).filePath(QStringLiteral("open"))))
        return;
    auto lock = std::make_unique<QLockFile>(LockPathFor(projectFile));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        m_lock = std::move(lock);
}

void TOpenFileGuard::Released()
{
    m_lock.reset();
    m_file.clear();
    m_stamp = {};
    m_readOnly = false;
}

std::optional<QDateTime> TOpenFileGuard::ChangedOnDisk(const QString &projectFile) const
{
    if (m_file.isEmpty() || Canonical(projectFile) != Canonical(m_file) || m_stamp.size < 0)
        return std::nullopt;
    // The bytes decide: a copy put back with its old time is a change, a
    // touch that changed nothing is none.
    const TStamp now = StampOf(projectFile, true);
    if (now.size < 0)
        return std::nullopt;   // gone: writing it again loses nothing
    if (now.size == m_stamp.size && now.hash == m_stamp.hash)
        return std::nullopt;
    return now.time;
}
