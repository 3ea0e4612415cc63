#include "app/TSettingsFile.h"

#include <QIODevice>
#include <QMap>

namespace settings_file {

QSettings::SettingsMap Parse(const QByteArray &text)
{
    QSettings::SettingsMap map;
    QString section;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || section.isEmpty())
            continue;
        map.insert(section + QLatin1Char('/') + line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
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

} // namespace settings_file
