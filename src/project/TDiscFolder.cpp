#include "project/TDiscFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

const QString TDiscFolder::kForbiddenChars = QStringLiteral("<>:\"|?*");

namespace {

bool HasForbiddenChar(QStringView name)
{
    for (const QChar c : name) {
        if (TDiscFolder::kForbiddenChars.contains(c))
            return true;
    }
    return false;
}

// Appends text with its letters case-folded as QString::toCaseFolded does,
// without a second string: ASCII directly, the rest through QChar.
void AppendFolded(QString &out, QStringView text)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    QChar *dst = out.data() + at;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            *dst++ = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u);
        else if (c.isSurrogate())
            *dst++ = c;
        else
            *dst++ = QChar(char16_t(QChar::toCaseFolded(char32_t(u))));
    }
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
        QString key;
        AppendFolded(key, QStringView(path).mid(prefix));
        m_keys.insert(key);
        const QStringView name = QStringView(path).mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        const bool tooLong = name.size() > kMaxNameLength;
        if (tooLong || HasForbiddenChar(name))
            m_unfit.append({path.mid(prefix).replace(QLatin1Char('/'), QLatin1Char('\\')), tooLong});
    }
}

bool TDiscFolder::Contains(QStringView relativePath) const
{
    const std::optional<QString> key = Key(relativePath);
    return key && ContainsKey(*key);
}

std::optional<QString> TDiscFolder::Key(QStringView relativePath)
{
    // Built in one pass: each step is appended case-folded, and ".." cuts the
    // key back to its previous separator.
    QString key;
    key.reserve(relativePath.size());
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
            if (key.isEmpty())
                return std::nullopt;
            key.truncate(std::max<qsizetype>(key.lastIndexOf(QLatin1Char('/')), 0));
            continue;
        }
        if (!key.isEmpty())
            key += QLatin1Char('/');
        AppendFolded(key, step);
    }
    return key;
}
