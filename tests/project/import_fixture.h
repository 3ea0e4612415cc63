#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// A folder tree on disk for import checks: paths relative to a temporary
// folder, those ending with "/" are folders, the rest are files (each file
// holds its own name).
class ImportFixture
{
public:
    explicit ImportFixture(const QStringList &paths = {})
    {
        for (const QString &p : paths)
            add(p);
    }

    QString path(const QString &relative = QString()) const { return m_dir.path() + QLatin1Char('/') + relative; }

    void add(const QString &relative)
    {
        const QString full = path(relative);
        if (relative.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(full);
            return;
        }
        QDir().mkpath(full.left(full.lastIndexOf(QLatin1Char('/'))));
        QFile f(full);
        if (f.open(QIODevice::WriteOnly))
            f.write(relative.toUtf8());
    }

    bool link(const QString &target, const QString &relative) const
    {
        return QFile::link(target, path(relative));
    }

    // The text with the temporary folder replaced by "T", in its native form
    // and in the form with backslashes that split paths take.
    QString tidy(QString text) const
    {
        QString native = m_dir.path();
        QString back = native;
        back.replace(QLatin1Char('/'), QLatin1Char('\\'));
        text.replace(native, QStringLiteral("T"));
        text.replace(back, QStringLiteral("T"));
        return text;
    }

private:
    QTemporaryDir m_dir;
};
