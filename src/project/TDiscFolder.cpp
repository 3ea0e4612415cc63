#include "project/TDiscFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

TDiscFolder::TDiscFolder(const QString &dir, bool withSizes) : m_dir(dir)
{
    const QFileInfo root(dir);
    m_exists = !dir.isEmpty() && root.isDir() && root.isReadable();
    if (!m_exists)
        return;
    const QString rootPath = QDir(root.absoluteFilePath()).absolutePath();
    if (WalkDirect(rootPath, withSizes))
        return;
    const qsizetype prefix = rootPath.endsWith(QLatin1Char('/')) ? rootPath.size() : rootPath.size() + 1;
    // Links to folders are not followed, so the walk always ends.
    QDirIterator it(rootPath, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (withSizes && it.fileInfo().isFile())
            m_totalSize += it.fileInfo().size();
        const QString relative = path.mid(prefix);
        AddEntry(relative, relative.lastIndexOf(QLatin1Char('/')) + 1);
    }
}

void TDiscFolder::AddEntry(const QString &relative, qsizetype nameAt)
{
    QString key;
    AppendFolded(key, relative);
    m_keys.insert(key);
    const QStringView name = QStringView(relative).mid(nameAt);
    const bool tooLong = name.size() > kMaxNameLength;
    if (tooLong || HasForbiddenChar(name))
        m_unfit.append({QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\')), tooLong});
}

#ifdef Q_OS_UNIX
namespace {

struct TDirCloser
{
    void operator()(DIR *dir) const { closedir(dir); }
};

} // namespace

bool TDiscFolder::WalkDirect(const QString &rootPath, bool withSizes)
{
    const int rootFd = open(QFile::encodeName(rootPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0)
        return false;
    // Folders still to read, by their relative paths ending with "/"; each is
    // opened from the root when its turn comes, so few handles are open at once.
    QStringList pending{QString()};
    while (!pending.isEmpty()) {
        const QString folder = pending.takeLast();
        // Without the trailing "/", which would follow a link in spite of O_NOFOLLOW.
        const QByteArray encoded = folder.isEmpty() ? QByteArrayLiteral(".") : QFile::encodeName(folder.chopped(1));
        const int folderFd = openat(rootFd, encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folderFd < 0)
            continue;
        std::unique_ptr<DIR, TDirCloser> dir(fdopendir(folderFd));
        if (!dir) {
            close(folderFd);
            continue;
        }
        const int fd = dirfd(dir.get());
        while (const dirent *entry = readdir(dir.get())) {
            const char *raw = entry->d_name;
            if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
                continue;
            const QString relative = folder + QFile::decodeName(raw);
            AddEntry(relative, folder.size());
            unsigned char type = entry->d_type;
            struct stat info;
            if (type == DT_UNKNOWN) {
                if (fstatat(fd, raw, &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
            }
            // A link counts with what it leads to, as the disc's copy will.
            if (withSizes && (type == DT_REG || type == DT_LNK) && fstatat(fd, raw, &info, 0) == 0
                && S_ISREG(info.st_mode))
                m_totalSize += info.st_size;
            // Links to folders are not followed, so the walk always ends.
            if (type == DT_DIR)
                pending.append(relative + QLatin1Char('/'));
        }
    }
    close(rootFd);
    return true;
}
#else
bool TDiscFolder::WalkDirect(const QString &, bool)
{
    return false;
}
#endif

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
