#include "project/TDiscPreparation.h"

#include "base/BrenwickError.h"
#include "project/TProject.h"
#include "xml/TXDocument.h"

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

namespace {

// Whether the command elements under el are the entries as the project would
// write them: kind, name, comment, custom, params, number and hidden flag.
bool SameCommands(const TXNode &el, const QList<TBaseItem *> &items)
{
    int index = 0;
    for (const TXNode *child = el.FirstChild(); child; child = child->Next(), ++index) {
        if (index >= items.size())
            return false;
        const TBaseItem &item = *items.at(index);
        const auto text = [child](const char *name) { return child->GetAttr(QString::fromLatin1(name)).Value(); };
        const TAttrValue id = child->GetAttr(QStringLiteral("id"));
        const TAttrValue hidden = child->GetAttr(QStringLiteral("hidden"));
        if (child->Name() != ItemKindElementName(item.Kind()) || text("name") != item.Name()
            || text("comment") != item.Comment() || text("custom") != item.Custom() || text("params") != item.Params()
            || id != TAttrValue(item.Id()) || hidden != TAttrValue(item.Hidden()))
            return false;
        if (!SameCommands(*child, item.Children()))
            return false;
    }
    return index == items.size();
}

int CountCommands(const TXNode &el)
{
    int count = 0;
    for (const TXNode *child = el.FirstChild(); child; child = child->Next())
        count += 1 + CountCommands(*child);
    return count;
}

} // namespace

std::optional<int> TDiscPreparation::OtherProject(const TProject &project, const QString &dir)
{
    const QString name = FileIn(dir, QString::fromLatin1(kProjectName));
    if (!QFileInfo(name).isFile() || IsOwnFile(project, dir))
        return std::nullopt;
    TXDocument document;
    try {
        if (!document.LoadFromFile(name))
            return -1;
    } catch (const BrenwickError &) {
        return -1;
    }
    const TXNode *commands = document.Root()->FindChild(QStringLiteral("root"));
    if (!commands)
        return project.Tree().IsEmpty() ? std::nullopt : std::optional<int>(0);
    if (SameCommands(*commands, project.Tree().TopLevel()))
        return std::nullopt;
    return CountCommands(*commands);
}

void TDiscPreparation::WriteProject(TProject &project, const QString &dir)
{
    project.SaveCopy(FileIn(dir, QString::fromLatin1(kProjectName)));
}
