#pragma once

#include <string>
#include <vector>

// The player's console mode: the menu run as text, exactly as
// `brenwick-cli try` prints it.
namespace player {

// Velmora.EXE --try [--answer yes|no] [--project FILE] [--disc DIR] STEP...
// args: what follows --try. Status 0, 1 for a project that cannot be read,
// 2 for a bad argument or step.
int TryMain(const std::vector<std::wstring> &args, const std::wstring &playerDir);

// Velmora.EXE --try-batch FILE: several runs in one start. FILE holds one run
// a line, UTF-8: a name, then TryMain's arguments, separated by TAB. Each run
// prints "=== NAME", its output, "status: N" and, for a failure, the message
// as "error: ...".
int TryBatch(const std::wstring &file, const std::wstring &playerDir);

// UTF-8 and UTF-16 text.
std::string ToUtf8(const std::wstring &text);
std::wstring FromUtf8(const std::string &text);
// Writes UTF-8 bytes to standard output or error (a console gets the text
// through the wide API).
void WriteOut(const std::string &utf8, bool error = false);
// The whole file, or false with a Russian message naming it.
bool ReadWholeFile(const std::wstring &path, std::string &bytes, std::wstring &error);

} // namespace player
