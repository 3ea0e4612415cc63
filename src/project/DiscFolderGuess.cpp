#include "project/DiscFolderGuess.h"

#include "project/TDiscPreparation.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Clean(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool Inside(const QString &folder, const QString &outer)
{
    return folder.startsWith(outer + QLatin1Char('/')) || (outer == QLatin1String("/") && folder != outer);
}

// A name in folder, matched in any letter case as the disc matches it.
bool Holds(const QString &folder, const char *name)
{
    return QFileInfo::exists(TDiscPreparation::FileIn(folder, QString::fromLatin1(name)));
}

} // namespace

QString GuessDiscFolder(const QString &file, const QString &projectFile, const QString &home)
{
    const QString start = Clean(QFileInfo(file).absolutePath());
    const QString own = projectFile.isEmpty() ? QString() : Clean(projectFile);
    const QString homeDir = home.isEmpty() ? QString() : Clean(home);
    const bool inHome = !homeDir.isEmpty() && Inside(start, homeDir);
    QString highest, marked;
    for (QString folder = start;; folder = Clean(folder + QStringLiteral("/.."))) {
        const bool allowed = inHome ? Inside(folder, homeDir)
                                    : folder.count(QLatin1Char('/')) >= 2 && folder != homeDir
                                          && (homeDir.isEmpty() || !Inside(homeDir, folder));
        if (!allowed)
            break;
        const QString project = TDiscPreparation::FileIn(folder, QString::fromLatin1(TDiscPreparation::kProjectName));
        const bool ownProject = !own.isEmpty() && Clean(project) == own;
        if (QFileInfo::exists(project) && !ownProject)
            break;   // another project's disc: neither it nor anything above
        highest = folder;
        if (ownProject || Holds(folder, TDiscPreparation::kPlayerName) || Holds(folder, TDiscPreparation::kAutorunName))
            marked = folder;
        if (folder == QLatin1String("/"))
            break;
    }
    return marked.isEmpty() ? highest : marked;
}

QString WiderDiscFolder(const QString &disc, const QString &file, const QString &projectFile, const QString &home)
{
    QString common = Clean(disc);
    const QString target = Clean(file);
    while (!Inside(target, common) && common != QLatin1String("/"))
        common = Clean(common + QStringLiteral("/.."));
    const QString homeDir = home.isEmpty() ? QString() : Clean(home);
    const bool tooHigh = common.count(QLatin1Char('/')) < 2 || common == homeDir || Inside(homeDir, common);
    return tooHigh ? GuessDiscFolder(file, projectFile, home) : common;
}
