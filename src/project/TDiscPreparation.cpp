#include "project/TDiscPreparation.h"

#include "kit/BrenwickError.h"
#include "project/TProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const char *const TDiscPreparation::kProjectName = "Velmora.XML";
const char *const TDiscPreparation::kAutorunName = "autorun.inf";

namespace {
// Larger files are not autorun.inf files this editor wrote.
const qint64 kAutorunReadLimit = 64 * 1024;
} // namespace

QByteArray TDiscPreparation::AutorunText()
{
    return QByteArrayLiteral("[autorun]\r\nopen=Velmora.EXE\r\nicon=Velmora.EXE\r\n");
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
    if (!file.open(QIODevice::ReadOnly) || file.size() > kAutorunReadLimit)
        return true;
    return file.readAll() != AutorunText();
}

void TDiscPreparation::WriteAutorun(const QString &dir)
{
    const QString name = FileIn(dir, QString::fromLatin1(kAutorunName));
    QSaveFile file(name);
    const QByteArray text = AutorunText();
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

void TDiscPreparation::WriteProject(TProject &project, const QString &dir)
{
    project.SaveCopy(FileIn(dir, QString::fromLatin1(kProjectName)));
}
