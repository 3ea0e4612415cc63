#include "project/TFolderListing.h"

#include <QFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDirIterator>
#include <QFileInfo>
#endif

namespace {

void sortEntries(QList<TFolderListing::Entry> &entries)
{
    std::sort(entries.begin(), entries.end(), [](const TFolderListing::Entry &a, const TFolderListing::Entry &b) {
        const int c = a.folded.compare(b.folded);
        return c != 0 ? c < 0 : a.name < b.name;
    });
}

#ifdef Q_OS_UNIX
// Closes the directory stream on every way out.
struct DirCloser
{
    DIR *dir;
    ~DirCloser() { if (dir) closedir(dir); }
};

TFolderListing::Kind kindOf(int dirFd, const char *name, unsigned char type)
{
    struct stat st;
    switch (type) {
    case DT_DIR:
        return TFolderListing::Kind::Folder;
    case DT_LNK:
        // A link counts as what it points to; a link to a folder is never entered.
        if (fstatat(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode))
            return TFolderListing::Kind::FolderLink;
        return TFolderListing::Kind::File;
    case DT_UNKNOWN:
        if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return TFolderListing::Kind::File;
        if (S_ISDIR(st.st_mode))
            return TFolderListing::Kind::Folder;
        if (S_ISLNK(st.st_mode) && fstatat(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode))
            return TFolderListing::Kind::FolderLink;
        return TFolderListing::Kind::File;
    default:
        return TFolderListing::Kind::File;
    }
}
#endif

} // namespace

QList<TFolderListing::Entry> TFolderListing::read(const QString &folderPath)
{
    QList<Entry> entries;
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(folderPath.isEmpty() ? QStringLiteral(".") : folderPath);
    DirCloser d{opendir(native.constData())};
    if (!d.dir)
        return entries;
    const int fd = dirfd(d.dir);
    while (const dirent *e = readdir(d.dir)) {
        const char *n = e->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        Entry entry;
        entry.name = QFile::decodeName(n);
        entry.folded = entry.name.toCaseFolded();
        entry.kind = kindOf(fd, n, e->d_type);
        entries.append(std::move(entry));
    }
#else
    QDirIterator it(folderPath, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        Entry entry;
        entry.name = fi.fileName();
        entry.folded = entry.name.toCaseFolded();
        entry.kind = !fi.isDir() ? Kind::File : fi.isSymLink() ? Kind::FolderLink : Kind::Folder;
        entries.append(std::move(entry));
    }
#endif
    sortEntries(entries);
    return entries;
}
