#pragma once

#include <QString>

// What stops a file from being written or opened, said in the interface
// language with the place named; the runtime's own message, when there is
// one, follows in brackets.

// For a file that could not be written (a save, a disc's file).
QString WriteFailureText(const QString &fileName, const QString &runtimeMessage);
// For a path opened as a project that is a folder; empty when it is not one.
QString FolderAsFileText(const QString &fileName);
