#pragma once

#include "rules/ProjectModel.h"

#include <string>

// Where a program entry's path leads, as the project check and the player
// resolve it: quotes around the path dropped; a drive or network path is
// absolute; a leading separator starts at the disc's root; otherwise the path
// is relative to the base folder. "." steps are dropped and ".." steps go up,
// never above the disc's root.
namespace rules {

struct ProgramPath
{
    enum Kind { Empty, Absolute, Outside, OnDisc };
    Kind kind = Empty;
    std::string relative;   // OnDisc: the path from the disc's root, "/" between steps
    std::string written;    // the path as written, without the blanks and quotes around it
};

ProgramPath ResolveProgramPath(const std::string &custom, const std::string &baseFolder);

// The folder paths start from: the disc's root, unless "От расположения
// проекта" is chosen without the disc-root box: then the project file's folder
// (given relative to the disc's root; empty or outside it: the root).
std::string BaseFolder(const Options &options, const std::string &projectFolderOnDisc);

} // namespace rules
