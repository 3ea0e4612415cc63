#include "project/TDiscPreparation.h"

#include "base/BrenwickError.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"
#include "xml/TXDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const char *const TDiscPreparation::kProjectName = "Velmora.XML";
const char *const TDiscPreparation::kAutorunName = "autorun.inf";
const char *const TDiscPreparation::kPlayerName = "Velmora.EXE";

namespace {
// Larger files are not autorun.inf files this editor wrote.
const qint64 kAutorunReadLimit = 64 * 1024;
// Larger files are no player of ours.
const qint64 kPlayerReadLimit = 64 * 1024 * 1024;
const QByteArray kAutorunHead = QByteArrayLiteral("[autorun]\r\nopen=Velmora.EXE\r\nicon=");
const QByteArray kPlayerIcon = QByteArrayLiteral("Velmora.EXE,0");

#ifndef BRENWICK_PLAYER_INSTALL_DIR
#define BRENWICK_PLAYER_INSTALL_DIR "/usr/share/brenwick/player"
#endif

// An autorun.inf in dir that is ours but for its icon: that icon; else nothing.
std::optional<QByteArray> IconOfOurs(const QString &dir)
{
    QFile file(TDiscPreparation::FileIn(dir, QString::fromLatin1(TDiscPreparation::kAutorunName)));
    if (!file.exists() || !file.open(QIODevice::ReadOnly) || file.size() > kAutorunReadLimit)
        return std::nullopt;
    const QByteArray text = file.readAll();
    if (!text.startsWith(kAutorunHead) || !text.endsWith("\r\n"))
        return std::nullopt;
    const QByteArray icon = text.mid(kAutorunHead.size(), text.size() - kAutorunHead.size() - 2);
    if (icon.isEmpty() || icon.contains('\r') || icon.contains('\n'))
        return std::nullopt;
    return icon;
}
} // namespace

QByteArray TDiscPreparation::AutorunText(const QString &icon)
{
    return kAutorunHead + (icon.isEmpty() ? kPlayerIcon : icon.toUtf8()) + "\r\n";
}

QString TDiscPreparation::AuthorsIcon(const QString &dir)
{
    const std::optional<QByteArray> icon = IconOfOurs(dir);
    // The player's own icon, as this and earlier versions wrote it, is no choice of the author's.
    if (!icon || *icon == kPlayerIcon || *icon == QByteArrayLiteral("Velmora.EXE"))
        return QString();
    return QString::fromUtf8(*icon);
}

QString TDiscPreparation::FileIn(const QString &dir, const QString &name)
{
    const QDir folder(dir);
    const QStringList present = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : present) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return folder.filePath(name);
}

bool TDiscPreparation::AutorunDiffers(const QString &dir)
{
    QFile file(FileIn(dir, QString::fromLatin1(kAutorunName)));
    if (!file.exists())
        return false;
    return !IconOfOurs(dir);
}

void TDiscPreparation::WriteAutorun(const QString &dir)
{
    const QByteArray text = AutorunText(AuthorsIcon(dir));
    const QString name = FileIn(dir, QString::fromLatin1(kAutorunName));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(name));
}

bool TDiscPreparation::IsOwnFile(const TProject &project, const QString &dir)
{
    if (project.FileName().isEmpty())
        return false;
    const QFileInfo own(project.FileName());
    const QFileInfo disc(FileIn(dir, QString::fromLatin1(kProjectName)));
    if (own.exists() && disc.exists())
        return own.canonicalFilePath() == disc.canonicalFilePath();
    return own.absoluteFilePath() == disc.absoluteFilePath();
}

namespace {

int CountCommands(const TXNode &el)
{
    int count = 0;
    for (const TXNode *child = el.FirstChild(); child; child = child->Next())
        count += 1 + CountCommands(*child);
    return count;
}

} // namespace

std::optional<int> TDiscPreparation::OtherProject(TProject &project, const QString &dir)
{
    const QString name = FileIn(dir, QString::fromLatin1(kProjectName));
    if (!QFileInfo(name).isFile() || IsOwnFile(project, dir))
        return std::nullopt;
    // A file holding exactly what would be written loses nothing when replaced.
    QFile file(name);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == project.ProjectBytes())
        return std::nullopt;
    TXDocument document;
    try {
        if (!document.LoadFromFile(name))
            return -1;
    } catch (const BrenwickError &) {
        return -1;
    }
    const TXNode *commands = document.Root()->FindChild(QStringLiteral("root"));
    return commands ? CountCommands(*commands) : 0;
}

void TDiscPreparation::WriteProject(TProject &project, const QString &dir)
{
    project.SaveCopy(FileIn(dir, QString::fromLatin1(kProjectName)));
}

QString TDiscPreparation::PlayerSource(const QString &appDir)
{
    const QString name = QString::fromLatin1(kPlayerName);
    const QString chosen = qEnvironmentVariable("BRENWICK_PLAYER");
    if (!chosen.isEmpty())
        return QFileInfo(chosen).isFile() ? chosen : QString();
    const QStringList places = {QDir(appDir).filePath(name), QDir(appDir).filePath(QStringLiteral("player/") + name),
                                QDir(QStringLiteral(BRENWICK_PLAYER_INSTALL_DIR)).filePath(name)};
    for (const QString &place : places) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return QString();
}

TDiscPreparation::TPlayerState TDiscPreparation::PlayerState(const QString &dir, const QString &source)
{
    QFile present(FileIn(dir, QString::fromLatin1(kPlayerName)));
    if (!QFileInfo(present.fileName()).isFile())
        return psNone;
    QFile ours(source);
    if (present.size() != ours.size() || present.size() > kPlayerReadLimit || !present.open(QIODevice::ReadOnly)
        || !ours.open(QIODevice::ReadOnly))
        return psOther;
    return present.readAll() == ours.readAll() ? psSame : psOther;
}

void TDiscPreparation::CopyPlayer(const QString &source, const QString &dir)
{
    const QString name = FileIn(dir, QString::fromLatin1(kPlayerName));
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly) || from.size() > kPlayerReadLimit)
        throw BrenwickError(QStringLiteral("Cannot open file %1").arg(source));
    const QByteArray bytes = from.readAll();
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(name));
}

QList<TFinding> TDiscPreparation::WithPlayerSupplied(QList<TFinding> findings)
{
    findings.removeIf([](const TFinding &f) {
        return f.severity == TFinding::fsError && f.subject == QString::fromLatin1(kPlayerName) && !f.item;
    });
    return findings;
}

QString TDiscPreparation::PlayerVersion(const QString &file)
{
    QFile player(file);
    if (!player.open(QIODevice::ReadOnly) || player.size() > kPlayerReadLimit)
        return QString();
    const QByteArray bytes = player.readAll();
    // The version resource's string "ProductVersion", then its value after
    // the padding to a four-byte boundary, both in UTF-16.
    const QString key = QStringLiteral("ProductVersion");
    const QByteArray pattern(reinterpret_cast<const char *>(key.utf16()), (key.size() + 1) * 2);
    qsizetype at = bytes.indexOf(pattern);
    if (at < 0)
        return QString();
    at += pattern.size();
    at = (at + 3) & ~qsizetype(3);
    QString version;
    for (; at + 1 < bytes.size() && version.size() < 64; at += 2) {
        const char16_t c = char16_t(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
        if (c == 0)
            break;
        version += QChar(c);
    }
    return version;
}
