#pragma once

#include "rules/ProjectModel.h"

#include <string>

// Where the player looks for a program entry's file on the visitor's machine.
// Folders are Windows paths as the system gives them ("M:\menu", "M:\").
namespace rules {

struct PlayerFolders
{
    std::string player;    // the folder of Velmora.EXE
    std::string project;   // the folder of Velmora.XML
    std::string current;   // the folder the player was started from
    // The root of the CD that holds Velmora.EXE or Velmora.XML; empty when
    // neither lies on a CD.
    std::string cdRoot;
};

// The disc's root: the CD's root when the menu runs from a CD, else the
// folder of Velmora.EXE (a disc folder puts it at its root).
std::string PlayerDiscRoot(const PlayerFolders &folders);

// The folder relative paths start from: the CD's root when the disc-root box
// is on and the menu runs from a CD; else by the path option: the disc's root
// («cdroot»), the project file's folder («project»), the folder of
// Velmora.EXE («velmora», and any other word), the folder the player was
// started from («current»).
std::string PlayerBaseFolder(const Options &options, const PlayerFolders &folders);

// The file a program entry names, "\" between steps; "" when none is given.
// The path is resolved by the shared rule from the disc's root, or, for a
// base folder off the disc, from the root of the base folder's drive: a
// leading separator starts there and ".." steps stop there.
std::string PlayerProgramFile(const std::string &custom, const std::string &baseFolder, const std::string &discRoot);

}   // namespace rules
