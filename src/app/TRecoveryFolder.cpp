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
// The header stands within the first bytes of a copy, after the prolog.
constexpr qint64 kHeaderReach = 4096;
// Enough of the path's hash to keep copies of different files apart.
constexpr int kHashChars = 16;

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

QString TRecoveryFolder::CopyPathFor(const QString &projectFile, const QString &session) const
{
    QString name;
    if (projectFile.isEmpty()) {
        name = QStringLiteral("new-") + session;
    } else {
        const QByteArray hash = QCryptographicHash::hash(QFileInfo(projectFile).absoluteFilePath().toUtf8(),
                                                         QCryptographicHash::Sha1)
                                    .toHex()
                                    .left(kHashChars);
        name = QFileInfo(projectFile).completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash);
    }
    return m_folder + QLatin1Char('/') + name + QLatin1StringView(kSuffix);
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

TRecoveryFolder::TCopy TRecoveryFolder::ReadHeader(const QString &copyPath)
{
    TCopy copy;
    copy.path = copyPath;
    QFile file(copyPath);
    if (!file.open(QIODevice::ReadOnly))
        return copy;
    const QString head = QString::fromUtf8(file.read(kHeaderReach));
    static const QRegularExpression kHeader(
        QStringLiteral("<\\?brenwick-recovery path=\"([^\"]*)\" time=\"([^\"]*)\"(?: session=\"([^\"]*)\")?\\?>"));
    const QRegularExpressionMatch m = kHeader.match(head);
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
