#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class TProject;

// Puts a project onto a disc folder: the project file the player reads,
// "Velmora.XML", and "autorun.inf", which starts the player when the disc is
// inserted. Each file is written whole or not at all.
class TDiscPreparation
{
public:
    static const char *const kProjectName;   // "Velmora.XML"
    static const char *const kAutorunName;   // "autorun.inf"

    // The bytes of autorun.inf: [autorun], open= and icon= the player, CR LF lines.
    static QByteArray AutorunText();
    // Where name goes in dir: an existing file whose name matches in any
    // letter case (the disc cannot hold both), else dir/name.
    static QString FileIn(const QString &dir, const QString &name);
    // True when dir already holds an autorun.inf with other content, which
    // only a question may replace.
    static bool AutorunDiffers(const QString &dir);
    // Writes autorun.inf into dir; throws BrenwickError when it cannot.
    static void WriteAutorun(const QString &dir);
    // True when the project's own file is the disc's project file.
    static bool IsOwnFile(const TProject &project, const QString &dir);
    // When dir holds a project file that is not the project's own and whose
    // commands differ from the project's (another project, or this one as it
    // was), the number of commands in it, which only a question may replace;
    // -1 when it cannot be read. Nothing when there is none or it is the same.
    static std::optional<int> OtherProject(const TProject &project, const QString &dir);
    // Writes the whole project as the disc's project file; the project keeps
    // its own file name. Throws BrenwickError when it cannot.
    static void WriteProject(TProject &project, const QString &dir);
};
