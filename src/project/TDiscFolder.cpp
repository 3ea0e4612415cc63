#include "project/TDiscFolder.h"

#include "rules/DiscNames.h"
#include "rules/WindowsCase.h"

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

namespace {

std::u16string_view View(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

// text with its letters upper-cased as Windows compares them, and "\" made
// "/" when asked.
QString Upper(QStringView text, bool separators)
{
    QString upper;
    upper.resize(text.size());
    QChar *out = upper.data();
    for (const QChar c : text)
        *out++ = separators && c == QLatin1Char('\\') ? QLatin1Char('/') : QChar(rules::WindowsUpper(c.unicode()));
    return upper;
}

} // namespace

TDiscFolder::TDiscFolder(const QString &dir, bool withSizes) : m_dir(dir), m_withSizes(withSizes)
{
    const QFileInfo root(dir);
    m_exists = !dir.isEmpty() && root.isDir() && root.isReadable();
    if (!m_exists)
        return;
    const QString rootPath = QDir(root.absoluteFilePath()).absolutePath();
    if (WalkDirect(rootPath))
        return;
    // Elsewhere the image's folders are not told apart: its size is near.
    const qsizetype prefix = rootPath.endsWith(QLatin1Char('/')) ? rootPath.size() : rootPath.size() + 1;
    m_image.OpenFolder();
    // Links to folders are not followed, so the walk always ends.
    QDirIterator it(rootPath, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = path.mid(prefix);
        AddEntry(relative, relative.lastIndexOf(QLatin1Char('/')) + 1, info.isDir() && !info.isSymLink(),
                 withSizes && info.isFile() ? info.size() : 0);
    }
    m_image.CloseFolder();
}

void TDiscFolder::AddEntry(const QString &relative, qsizetype nameAt, bool folder, qint64 bytes)
{
    // A "\" in a name stays one: no path the player writes reaches it.
    const QString key = Upper(relative, false);
    const QStringView name = QStringView(relative).mid(nameAt);
    unsigned problems = rules::NameProblems(View(name));
    const qsizetype keys = m_keys.size();
    m_keys.insert(key);
    if (m_keys.size() == keys)
        problems |= rules::npCaseTwin;
    if (folder)
        m_folderKeys.insert(key);
    // A path too long is named once, at its first step too long.
    problems |= rules::PathProblems(std::size_t(relative.size()))
                & ~rules::PathProblems(std::size_t(std::max<qsizetype>(nameAt - 1, 0)));
    if (m_withSizes) {
        problems |= rules::SizeProblems(bytes);
        m_totalSize += bytes;
        if (folder)
            m_image.AddFolder(View(name));
        else
            m_image.AddFile(View(name), bytes);
    }
    if (problems)
        m_unfit.append({QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\')), key, problems});
}

#ifdef Q_OS_UNIX
namespace {

struct TDirCloser
{
    void operator()(DIR *dir) const { closedir(dir); }
};

} // namespace

bool TDiscFolder::WalkDirect(const QString &rootPath)
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
        m_image.OpenFolder();
        while (const dirent *entry = readdir(dir.get())) {
            const char *raw = entry->d_name;
            if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
                continue;
            unsigned char type = entry->d_type;
            struct stat info;
            if (type == DT_UNKNOWN) {
                if (fstatat(fd, raw, &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
            }
            // A link counts with what it leads to, as the disc's copy will.
            qint64 bytes = 0;
            if (m_withSizes && (type == DT_REG || type == DT_LNK) && fstatat(fd, raw, &info, 0) == 0
                && S_ISREG(info.st_mode))
                bytes = info.st_size;
            const QString relative = folder + QFile::decodeName(raw);
            AddEntry(relative, folder.size(), type == DT_DIR, bytes);
            // Links to folders are not followed, so the walk always ends.
            if (type == DT_DIR)
                pending.append(relative + QLatin1Char('/'));
        }
        m_image.CloseFolder();
    }
    close(rootFd);
    return true;
}
#else
bool TDiscFolder::WalkDirect(const QString &)
{
    return false;
}
#endif

QString TDiscFolder::Key(QStringView relativePath)
{
    return Upper(relativePath, true);
}
