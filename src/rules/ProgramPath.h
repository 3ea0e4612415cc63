#pragma once

#include "rules/ProjectModel.h"

#include <string>

// Where a program entry's path leads, as Windows resolves it for the player
// (and so for the project check, the test-run and "try"): blanks and quotes
// around the path dropped; a drive or network path is absolute; a leading
// separator starts at the disc's root; otherwise the path is relative to the
// base folder. "\" and "/" both separate, empty and "." steps are dropped,
// ".." steps go up and stop at the disc's root (as at a drive's root: "..\x"
// from the root is "x"); a step loses one trailing dot, the last step every
// trailing dot and blank ("x.exe." is "x.exe"). Letters keep their case:
// names are compared through WindowsUpper (WindowsCase.h) where the disc is.
namespace rules {

struct ProgramPath
{
    // Outside is not given any more: ".." stops at the root as on Windows.
    enum Kind { Empty, Absolute, Outside, OnDisc };
    Kind kind = Empty;
    std::string relative;   // OnDisc: the path from the disc's root, "/" between steps
    std::string absolute;   // Absolute: the path without blanks and quotes around it, "\" between steps
    // OnDisc: the path names a folder whatever the disc holds (the root
    // itself, or a path ending with a separator, "." or ".."). Whether any
    // other path names a folder only the disc can tell; a folder is never a
    // program.
    bool folder = false;
};

ProgramPath ResolveProgramPath(const std::string &custom, const std::string &baseFolder);

// The folder paths start from: the disc's root, unless "От расположения
// проекта" is chosen without the disc-root box: then the project file's folder
// (given relative to the disc's root; empty or outside it: the root).
std::string BaseFolder(const Options &options, const std::string &projectFolderOnDisc);

}   // namespace rules
