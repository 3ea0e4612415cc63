#include "project/TDesignGallery.h"

#include "base/BrenwickError.h"
#include "project/TProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

struct TShipped
{
    const char *name;
    const char *title;
    const char *description;
};

const TShipped kShipped[] = {
    {"dark", QT_TRANSLATE_NOOP("TDesignGallery", "Тёмный"),
     QT_TRANSLATE_NOOP("TDesignGallery", "Светлый текст на тёмно-синем, диск в лучах света; 800×600")},
    {"light", QT_TRANSLATE_NOOP("TDesignGallery", "Светлый"),
     QT_TRANSLATE_NOOP("TDesignGallery", "Тёмно-синий текст на почти белом, спокойные круги; 800×600")},
    {"sunset", QT_TRANSLATE_NOOP("TDesignGallery", "Закат"),
     QT_TRANSLATE_NOOP("TDesignGallery", "Вечерние горы над озером, меню по центру; 800×600")},
    {"classic", QT_TRANSLATE_NOOP("TDesignGallery", "Классика"),
     QT_TRANSLATE_NOOP("TDesignGallery", "Серая объёмная панель с кнопками, как в старых программах; 640×480")},
    {"flat", QT_TRANSLATE_NOOP("TDesignGallery", "Минимализм"),
     QT_TRANSLATE_NOOP("TDesignGallery", "Белый лист, крупный шрифт и плоские кнопки; 1024×768")},
    {"kids", QT_TRANSLATE_NOOP("TDesignGallery", "Детский"),
     QT_TRANSLATE_NOOP("TDesignGallery", "Яркие кнопки, солнце и облака, весёлый шрифт; 800×600")},
};

QString tr(const char *text)
{
    return QCoreApplication::translate("TDesignGallery", text);
}

QString ShippedFile(const char *name)
{
    return QStringLiteral(":/designs/%1.xml").arg(QLatin1String(name));
}

bool IsShippedName(const QString &name)
{
    for (const TShipped &s : kShipped)
        if (name == QLatin1String(s.name))
            return true;
    return false;
}

// The Latin spelling of each lower-case Cyrillic letter "а" to "я", then "ё".
const char *const kLatin[] = {"a", "b", "v", "g", "d", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p", "r",
                              "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "", "y", "", "e", "yu", "ya"};

} // namespace

TDesignGallery::TDesignGallery(const QString &ownFolder) : m_ownFolder(ownFolder) {}

QString TDesignGallery::DefaultOwnFolder()
{
    // The editor's AppDataLocation, also for brenwick-cli, whose own name differs.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/brenwick/designs");
}

QList<TGalleryDesign> TDesignGallery::Designs() const
{
    QList<TGalleryDesign> designs;
    for (const TShipped &s : kShipped)
        designs.append({QLatin1String(s.name), tr(s.title), tr(s.description), ShippedFile(s.name), false});
    const QDir dir(m_ownFolder);
    for (const QString &file : dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        TGalleryDesign d;
        d.name = file.chopped(4);
        if (NameFor(d.name) != d.name)
            continue;   // not a file this gallery wrote
        d.fileName = dir.filePath(file);
        d.own = true;
        d.title = d.name;
        QFile info(dir.filePath(d.name + QStringLiteral(".txt")));
        if (info.open(QIODevice::ReadOnly)) {
            const QStringList lines = QString::fromUtf8(info.read(4096)).split(QLatin1Char('\n'));
            if (!lines.value(0).trimmed().isEmpty())
                d.title = lines.value(0).trimmed();
            d.description = lines.value(1).trimmed();
        }
        designs.append(d);
    }
    return designs;
}

std::optional<TGalleryDesign> TDesignGallery::Find(const QString &name) const
{
    for (const TGalleryDesign &d : Designs())
        if (d.name == name)
            return d;
    return std::nullopt;
}

QString TDesignGallery::NameFor(const QString &title)
{
    QString name;
    bool dash = false;
    for (const QChar c : title.toLower()) {
        QString part;
        const char16_t u = c.unicode();
        if ((u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9'))
            part = c;
        else if (u >= u'а' && u <= u'я')
            part = QLatin1String(kLatin[u - u'а']);
        else if (u == u'ё')
            part = QStringLiteral("e");
        if (part.isEmpty() && !(u >= u'а' && u <= u'я')) {
            dash = !name.isEmpty();
            continue;
        }
        if (dash)
            name += QLatin1Char('-');
        dash = false;
        name += part;
    }
    if (name.isEmpty())
        name = QStringLiteral("design");
    if (IsShippedName(name))
        name += QStringLiteral("-2");
    return name;
}

TGalleryDesign TDesignGallery::SaveOwn(TProject &project, const QString &title, const QString &description)
{
    TGalleryDesign d;
    d.title = title.simplified();
    d.description = description.simplified();
    d.name = NameFor(d.title);
    d.own = true;
    if (!QDir().mkpath(m_ownFolder))
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(m_ownFolder)));
    const QDir dir(m_ownFolder);
    d.fileName = dir.filePath(d.name + QStringLiteral(".xml"));
    const QString infoName = dir.filePath(d.name + QStringLiteral(".txt"));
    QSaveFile info(infoName);
    if (!info.open(QIODevice::WriteOnly) || info.write((d.title + QLatin1Char('\n') + d.description + QLatin1Char('\n')).toUtf8()) < 0)
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(infoName)));
    // The design first: a failure leaves neither file changed.
    project.SaveProject(d.fileName, TProject::DesignFile());
    if (!info.commit())
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(infoName)));
    return d;
}

bool TDesignGallery::RemoveOwn(const QString &name)
{
    if (NameFor(name) != name)
        return false;
    const QDir dir(m_ownFolder);
    const QString file = dir.filePath(name + QStringLiteral(".xml"));
    if (!QFile::exists(file) || !QFile::remove(file))
        return false;
    QFile::remove(dir.filePath(name + QStringLiteral(".txt")));
    return true;
}
