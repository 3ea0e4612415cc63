#include "app/TRecoveryFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace {

const char *const kFolderVariable = "BRENWICK_RECOVERY_DIR";
const char *const kSubfolder = "recovery";
const char *const kSuffix = ".xml";
const char *const kBrokenSuffix = ".broken";
const char *const kLockSuffix = ".lock";
// The header stands after the prolog, before the first element; a path of
// the longest kind, percent-encoded, fits many times over.
constexpr qint64 kHeaderReach = 1 << 16;
// Enough of the path's hash to keep copies of different files apart.
constexpr int kHashChars = 16;

// Where the first element begins: a "<" that opens neither a processing
// instruction nor a declaration; -1 when the bytes hold none.
qsizetype FirstElement(const QByteArray &bytes)
{
    for (qsizetype at = bytes.indexOf('<'); at >= 0 && at + 1 < bytes.size(); at = bytes.indexOf('<', at + 1)) {
        if (bytes[at + 1] != '?' && bytes[at + 1] != '!')
            return at;
    }
    return -1;
}

} // namespace

TRecoveryFolder::TRecoveryFolder(const QString &folder) : m_folder(folder) {}

QString TRecoveryFolder::DefaultFolder()
{
    const QString overridden = qEnvironmentVariable(kFolderVariable);
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QLatin1Char('/')
        + QLatin1StringView(kSubfolder);
}

QString TRecoveryFolder::ProjectStem(const QString &projectFile)
{
    if (projectFile.isEmpty())
        return QStringLiteral("new");
    const QByteArray hash =
        QCryptographicHash::hash(QFileInfo(projectFile).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(kHashChars);
    return QFileInfo(projectFile).completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash);
}

QString TRecoveryFolder::CopyPathFor(const QString &projectFile, const QString &session) const
{
    // Each session its own copy: two editors of one project never overwrite
    // or delete each other's.
    return m_folder + QLatin1Char('/') + ProjectStem(projectFile) + QLatin1Char('-') + session
        + QLatin1StringView(kSuffix);
}

QList<TRecoveryFolder::TCopy> TRecoveryFolder::CopiesOf(const QString &projectFile) const
{
    // Named by the project's stem: with a session, or without one (older copies).
    const QString stem = ProjectStem(projectFile);
    QList<TCopy> copies;
    for (const TCopy &copy : Copies()) {
        const QString name = QFileInfo(copy.path).completeBaseName();
        if (name == stem || name.startsWith(stem + QLatin1Char('-')))
            copies << copy;
    }
    return copies;
}

QString TRecoveryFolder::HeaderLine(const QString &projectFile, const QDateTime &time, const QString &session)
{
    // Percent-encoded, the path holds no character the XML reader stops at.
    return QStringLiteral("<?brenwick-recovery path=\"%1\" time=\"%2\" session=\"%3\"?>\r")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(projectFile)), time.toUTC().toString(Qt::ISODateWithMs),
             QString::fromLatin1(QUrl::toPercentEncoding(session)));
}

QString TRecoveryFolder::LockPathFor(const QString &session) const
{
    // Hidden: the folder lists copies only.
    return m_folder + QStringLiteral("/.") + session + QLatin1StringView(kLockSuffix);
}

bool TRecoveryFolder::InUse(const TCopy &copy) const
{
    if (copy.session.isEmpty() || !QFileInfo::exists(LockPathFor(copy.session)))
        return false;
    QLockFile lock(LockPathFor(copy.session));
    lock.setStaleLockTime(0);   // however old, a lock is stale only when its process is gone
    if (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError)
            return false;
        // One editor runs per process: a lock this process holds is no other editor's.
        qint64 pid = 0;
        QString host, application;
        return !(lock.getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid());
    }
    lock.unlock();   // taken over from a session that died: removed
    return false;
}

void TRecoveryFolder::RemoveStaleLocks() const
{
    const QDir dir(m_folder);
    const QStringList locks =
        dir.entryList({QStringLiteral(".*") + QLatin1StringView(kLockSuffix)}, QDir::Files | QDir::Hidden);
    for (const QString &name : locks) {
        QLockFile lock(dir.filePath(name));
        lock.setStaleLockTime(0);   // however old, a lock is stale only when its process is gone
        if (lock.tryLock(0))
            lock.unlock();   // taken over from a session that ended: removed
    }
}

TRecoveryFolder::TCopy TRecoveryFolder::ReadHeader(const QString &copyPath)
{
    TCopy copy;
    copy.path = copyPath;
    QFile file(copyPath);
    if (!file.open(QIODevice::ReadOnly))
        return copy;
    // The prolog, read on until the header is whole or an element begins
    // (the header's values are percent-encoded: no "<" inside).
    constexpr qint64 kBlock = 4096;
    QByteArray head;
    while (head.size() < kHeaderReach) {
        const QByteArray block = file.read(kBlock);
        if (block.isEmpty())
            break;
        head += block;
        const qsizetype start = head.indexOf("<?brenwick-recovery ");
        if (start >= 0 ? head.indexOf("?>", start) >= 0 : FirstElement(head) >= 0)
            break;
    }
    static const QRegularExpression kHeader(
        QStringLiteral("^<\\?brenwick-recovery path=\"([^\"]*)\" time=\"([^\"]*)\"(?: session=\"([^\"]*)\")?\\?>"));
    const qsizetype start = head.indexOf("<?brenwick-recovery ");
    const qsizetype element = FirstElement(head);
    if (start < 0 || (element >= 0 && element < start))
        return copy;
    const QRegularExpressionMatch m = kHeader.match(QString::fromUtf8(head.mid(start)));
    if (!m.hasMatch())
        return copy;
    const QDateTime time = QDateTime::fromString(m.captured(2), Qt::ISODateWithMs);
    if (!time.isValid())
        return copy;
    copy.projectFile = QUrl::fromPercentEncoding(m.captured(1).toLatin1());
    copy.time = time.toUTC();
    // A session names a lock file beside the copies: letters, digits and "-" only.
    static const QRegularExpression kSessionName(QStringLiteral("^[0-9A-Za-z-]+$"));
    const QString session = QUrl::fromPercentEncoding(m.captured(3).toLatin1());
    if (kSessionName.match(session).hasMatch())
        copy.session = session;
    return copy;
}

QList<TRecoveryFolder::TCopy> TRecoveryFolder::Copies() const
{
    QList<TCopy> copies;
    const QDir dir(m_folder);
    // Exactly "*.xml": a write cut short leaves at most a temporary file of
    // another name, and copies set aside end in ".broken".
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*") + QLatin1StringView(kSuffix)}, QDir::Files))
        copies << ReadHeader(info.absoluteFilePath());
    std::stable_sort(copies.begin(), copies.end(), [](const TCopy &a, const TCopy &b) {
        if (a.HasHeader() != b.HasHeader())
            return a.HasHeader();
        return a.time > b.time;
    });
    return copies;
}

QString TRecoveryFolder::SetAside(const QString &copyPath)
{
    QString target = copyPath + QLatin1StringView(kBrokenSuffix);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = copyPath + QStringLiteral(".%1").arg(n) + QLatin1StringView(kBrokenSuffix);
    return QFile::rename(copyPath, target) ? target : QString();
}

bool TRecoveryFolder::Make() const
{
    return QDir().mkpath(m_folder);
}
