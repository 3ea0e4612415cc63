#pragma once

#include <QString>

// A file's path as a message box shows it: native separators, and a wrapped
// line breaks only after a separator, never inside a folder's or the file's
// name (no-break spaces for blanks, word joiners where a name would break,
// a zero-width space after each separator).
QString MessagePath(const QString &path);
