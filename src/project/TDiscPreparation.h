#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class TProject;
struct TFinding;

// Puts a project onto a disc folder: the project file the player reads,
// "Velmora.XML", the player "Velmora.EXE" itself, and "autorun.inf", which
// starts the player when the disc is inserted. Each file is written whole or
// not at all.
class TDiscPreparation
{
public:
    static const char *const kProjectName;   // "Velmora.XML"
    static const char *const kAutorunName;   // "autorun.inf"
    static const char *const kPlayerName;    // "Velmora.EXE"

    // The bytes of autorun.inf: [autorun], open= the player and icon= (the
    // player's own icon, "Velmora.EXE,0", unless another is given), CR LF lines.
    static QByteArray AutorunText(const QString &icon = QString());
    // The icon an autorun.inf in dir names when it is ours but for another
    // icon the author set; empty otherwise.
    static QString AuthorsIcon(const QString &dir);
    // Where name goes in dir: an existing file whose name matches in any
    // letter case (the disc cannot hold both), else dir/name.
    static QString FileIn(const QString &dir, const QString &name);
    // True when dir already holds an autorun.inf with other content, which
    // only a question may replace.
    static bool AutorunDiffers(const QString &dir);
    // Writes autorun.inf into dir, keeping the icon the author set; throws
    // BrenwickError when it cannot.
    static void WriteAutorun(const QString &dir);

    // The player this editor ships: beside the editor (appDir/Velmora.EXE, or
    // appDir/player/Velmora.EXE in a build), else where the package installs
    // it; the environment variable BRENWICK_PLAYER names another. Empty when
    // there is none.
    static QString PlayerSource(const QString &appDir);
    // The version a player file carries in its version resource ("1.1.2");
    // empty when it carries none.
    static QString PlayerVersion(const QString &file);
    enum TPlayerState { psNone, psSame, psOther };
    // Whether dir holds no player, this very player (same bytes), or another.
    static TPlayerState PlayerState(const QString &dir, const QString &source);
    // Copies the player into dir (as dir's existing name for it, if any);
    // throws BrenwickError when it cannot.
    static void CopyPlayer(const QString &source, const QString &dir);
    // The check's findings without "no player on the disc" when the
    // preparation brings one.
    static QList<TFinding> WithPlayerSupplied(QList<TFinding> findings);
    // True when the project's own file is the disc's project file.
    static bool IsOwnFile(const TProject &project, const QString &dir);
    // When dir holds a project file that is not the project's own file (by
    // path: a copy of the project is another project too) and whose bytes
    // differ from what would be written, the number of commands in it, which
    // only a question may replace; -1 when it cannot be read. Nothing when
    // there is none, it is the project's own, or replacing changes nothing.
    static std::optional<int> OtherProject(TProject &project, const QString &dir);
    // Writes the whole project as the disc's project file; the project keeps
    // its own file name. Throws BrenwickError when it cannot.
    static void WriteProject(TProject &project, const QString &dir);
};
