#include "project/TDiscFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

const QString TDiscFolder::kForbiddenChars = QStringLiteral("<>:\"|?*");

namespace {

bool HasForbiddenChar(const QString &name)
{
    for (const QChar c : name) {
        if (TDiscFolder::kForbiddenChars.contains(c))
            return true;
    }
    return false;
}

} // namespace

TDiscFolder::TDiscFolder(const QString &dir) : m_dir(dir)
{
    const QFileInfo root(dir);
    m_exists = !dir.isEmpty() && root.isDir() && root.isReadable();
    if (!m_exists)
        return;
    const QString rootPath = QDir(root.absoluteFilePath()).absolutePath();
    const qsizetype prefix = rootPath.endsWith(QLatin1Char('/')) ? rootPath.size() : rootPath.size() + 1;
    // Links to folders are not followed, so the walk always ends.
    QDirIterator it(rootPath, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(prefix);
        m_keys.insert(relative.toCaseFolded(), it.fileInfo().isDir());
        const QString name = it.fileName();
        const bool tooLong = name.size() > kMaxNameLength;
        if (tooLong || HasForbiddenChar(name))
            m_unfit.append({QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\')), tooLong});
    }
}

bool TDiscFolder::Contains(QStringView relativePath) const
{
    const std::optional<QString> key = Key(relativePath);
    return key && ContainsKey(*key);
}

std::optional<QString> TDiscFolder::Key(QStringView relativePath)
{
    QList<QStringView> steps;
    qsizetype start = 0;
    const qsizetype size = relativePath.size();
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && relativePath[i] != QLatin1Char('/') && relativePath[i] != QLatin1Char('\\'))
            continue;
        const QStringView step = relativePath.mid(start, i - start);
        start = i + 1;
        if (step.isEmpty() || step == QLatin1String("."))
            continue;
        if (step == QLatin1String("..")) {
            if (steps.isEmpty())
                return std::nullopt;
            steps.removeLast();
            continue;
        }
        steps.append(step);
    }
    QString key;
    for (const QStringView step : steps) {
        if (!key.isEmpty())
            key += QLatin1Char('/');
        key += step;
    }
    return key.toCaseFolded();
}
