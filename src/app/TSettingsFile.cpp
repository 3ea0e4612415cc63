#include "app/TSettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QMap>
#include <QStandardPaths>

namespace settings_file {

namespace {

// Qt's own INI writer escapes names: "%20" for a blank, "%U0416" for other
// characters. Files written that way must read the same as plain ones.
QString UnescapeName(const QString &name)
{
    const int kByteDigits = 2;
    const int kUnicodeDigits = 4;
    const int kHexBase = 16;
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == QLatin1Char('%')) {
            const bool wide = i + 1 < name.size() && name[i + 1] == QLatin1Char('U');
            const int digits = wide ? kUnicodeDigits : kByteDigits;
            const qsizetype from = i + 1 + (wide ? 1 : 0);
            bool ok = false;
            const uint code = name.mid(from, digits).toUInt(&ok, kHexBase);
            if (ok && from + digits <= name.size()) {
                out += QChar(char16_t(code));
                i = from + digits - 1;
                continue;
            }
        }
        out += name[i];
    }
    return out;
}

// A value in double quotes stands for the text between them.
QString Unquote(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QSettings::SettingsMap Parse(const QByteArray &text)
{
    QSettings::SettingsMap map;
    QString section;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = UnescapeName(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || section.isEmpty())
            continue;
        map.insert(section + QLatin1Char('/') + UnescapeName(line.left(eq).trimmed()),
                   Unquote(line.mid(eq + 1).trimmed()));
    }
    return map;
}

QByteArray Compose(const QSettings::SettingsMap &map)
{
    QMap<QString, QList<QPair<QString, QString>>> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QStringLiteral("General") : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        // A value that would break the line layout is written on one line.
        QString value = it.value().toString();
        value.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        sections[section].append({key, value});
    }
    QByteArray out;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!out.isEmpty())
            out += '\n';
        out += '[' + it.key().toUtf8() + "]\n";
        for (const auto &pair : it.value())
            out += pair.first.toUtf8() + '=' + pair.second.toUtf8() + '\n';
    }
    return out;
}

namespace {

bool Read(QIODevice &device, QSettings::SettingsMap &map)
{
    map = Parse(device.readAll());
    return true;
}

bool Write(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QByteArray text = Compose(map);
    return device.write(text) == text.size();
}

} // namespace

QSettings::Format Format()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), Read, Write, Qt::CaseSensitive);
    return format;
}

bool IsInstalled(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    // The system's own folders belong to the package manager.
    for (const char *system : {"/usr", "/bin", "/sbin", "/lib", "/opt"}) {
        const QString root = QLatin1StringView(system);
        if (path == root || path.startsWith(root + QLatin1Char('/')))
            return true;
    }
    // An installed tree elsewhere (/usr/local, ~/.local, a package unpacked
    // into a scratch root): the program in bin/ with its files in share/.
    const QDir prefix(path + QStringLiteral("/.."));
    return QFileInfo(folder).fileName() == QLatin1String("bin")
        && (prefix.exists(QStringLiteral("share/applications/brenwick.desktop"))
            || prefix.exists(QStringLiteral("share/doc/brenwick")));
}

QString PathFor(const QString &executable, const QString &configFolder)
{
    const QFileInfo exe(executable);
    const QString name = exe.completeBaseName() + QStringLiteral(".ini");
    const QString folder = exe.absolutePath();
    const QString beside = folder + QLatin1Char('/') + name;
    if (!IsInstalled(folder) && (QFileInfo(folder).isWritable() || QFileInfo::exists(beside)))
        return beside;
    return configFolder + QLatin1Char('/') + name;
}

QString DefaultPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString path = PathFor(QCoreApplication::applicationFilePath(), config);
    if (path.startsWith(config + QLatin1Char('/')))
        QDir().mkpath(config);
    return path;
}

} // namespace settings_file
