#include "project/TImportNaming.h"

#include "project/TPlayerPath.h"

#include <QFileInfo>

namespace {
const QChar kSlash = QLatin1Char('/');
const QChar kBackslash = QLatin1Char('\\');
const QChar kColon = QLatin1Char(':');
const QChar kDot = QLatin1Char('.');
// A drive: one character and a colon at the very start ("D:").
constexpr qsizetype kDriveLength = 2;
}

TImportNaming::TImportNaming(const QString &root, const TImportOptions &options)
    : m_root(root),
      m_rootName(rootNameOf(root)),
      m_nameMode(options.nameMode),
      m_pathMode(options.pathMode),
      m_extension(options.extension),
      m_prefix(options.dirPrefix),
      m_discDir(options.discDir),
      m_discBase(options.discBase)
{
}

QString TImportNaming::rootOf(const QString &dirText)
{
    return dirText.endsWith(kSlash) ? dirText : dirText + kSlash;
}

QString TImportNaming::rootNameOf(const QString &root)
{
    QString r = root;
    r.replace(kSlash, kBackslash);
    if (r.endsWith(kBackslash))
        r.chop(1);
    return r.mid(r.lastIndexOf(kBackslash) + 1);
}

TImportNaming::Split TImportNaming::split(const QString &path)
{
    QString p = path;
    p.replace(kSlash, kBackslash);
    Split s;
    const qsizetype lastSep = p.lastIndexOf(kBackslash);
    if (lastSep >= 0) {
        s.folder = p.left(lastSep + 1);
    } else if (p.size() >= kDriveLength && p.at(1) == kColon) {
        s.folder = p.left(kDriveLength);   // "D:setup.exe": the drive is the folder part
    }
    const QString last = p.mid(s.folder.size());
    const qsizetype dot = last.lastIndexOf(kDot);
    if (dot >= 0) {
        s.baseName = last.left(dot);
        s.extension = last.mid(dot);
    } else {
        s.baseName = last;
    }
    return s;
}

QString TImportNaming::relativeFolder(const Split &s) const
{
    return s.folder.mid(m_root.size());
}

QString TImportNaming::commandName(const QString &path, bool isFolder) const
{
    if (path == m_root)
        return path;
    QString p = path;
    if (p.endsWith(kSlash) || p.endsWith(kBackslash))
        p.chop(1);
    const Split s = split(p);
    QString name;
    switch (m_nameMode) {
    case TImportOptions::NameMode::FullPath: name = s.folder + s.baseName; break;
    case TImportOptions::NameMode::DirPath: name = relativeFolder(s) + s.baseName; break;
    case TImportOptions::NameMode::NoPath: name = s.baseName; break;
    }
    if (isFolder || m_extension)
        name += s.extension;
    return name;
}

QString TImportNaming::programPath(const QString &filePath) const
{
    // A full path without a prefix leaves the form open: a file inside the
    // disc folder takes the player's path, which works on the disc.
    if (m_pathMode == TImportOptions::PathMode::FullPath && m_prefix.isEmpty() && !m_discDir.isEmpty()) {
        if (const std::optional<QString> player =
                TPlayerPath::FromLocal(m_discDir, QFileInfo(filePath).absoluteFilePath(), m_discBase))
            return *player;
    }
    const Split s = split(filePath);
    QString path;
    switch (m_pathMode) {
    case TImportOptions::PathMode::FullPath: path = s.folder + s.baseName; break;
    case TImportOptions::PathMode::DirPath: path = relativeFolder(s) + s.baseName; break;
    case TImportOptions::PathMode::IncDirPath:
        path = m_rootName + kBackslash + relativeFolder(s) + s.baseName;
        break;
    }
    return m_prefix + path + s.extension;
}
