#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// How a file on this machine is named for the player on the disc. Plain
// string work on both sides (no file system), so that the same rule can serve
// the player: paths are split at "/" and "\", empty and "." steps dropped,
// ".." steps taken back.
namespace TPlayerPath {

// The path the player, resolving from baseFolder (relative to the disc's
// root, "" for the root itself), takes to reach file: "\"-separated, with
// ".." steps where file lies outside baseFolder ("soft\setup.exe",
// "..\soft\setup.exe"). discDir and file are absolute paths of this machine;
// nothing when file does not lie inside discDir (or is discDir itself).
std::optional<QString> FromLocal(QStringView discDir, QStringView file, QStringView baseFolder = {});

// Whether a program path as an entry holds it (blanks and enclosing quotes
// allowed) is a full path of this machine ("/home/anna/disc/setup.exe"): it
// starts with one "/" and holds no "\". The player would take it as a path
// from the disc's root, where such a path never exists.
bool IsLocalFullPath(QStringView custom);

} // namespace TPlayerPath
