#pragma once

#include <QString>

// The disc folder a user most likely means for a file chosen for a program
// entry, when the project has none yet. Going up from the file's folder:
// - a folder that already looks like a disc's root (it holds Velmora.EXE,
//   autorun.inf, or the project's own file) is taken, the highest such one;
// - otherwise the highest folder that is still inside the home folder (never
//   the home folder itself nor anything above it), or, outside the home
//   folder, below the file system's first level ("/tmp", "/media");
// never passing a folder that holds another project's Velmora.XML.
// projectFile: the project's own file, empty when it has none; home: the
// home folder. Empty when the file has no folder to offer.
QString GuessDiscFolder(const QString &file, const QString &projectFile, const QString &home);

// The disc folder that would hold both the current disc folder disc and file:
// their nearest common folder, unless that is the home folder, above it, or
// the file system's first level, where the guess above is taken instead.
QString WiderDiscFolder(const QString &disc, const QString &file, const QString &projectFile, const QString &home);
