#pragma once

#include "rules/ProjectModel.h"

#include <windows.h>

#include <string>

// What the menu does on the visitor's machine.
namespace player {

// The file a program entry names, resolved as the project check resolves it
// (the path options, "." and ".." steps), made whole from the player's folder
// at the root of the disc; quotes removed, "\" separators.
std::wstring ResolveProgramPath(const std::string &custom, const rules::Options &options,
                                const std::wstring &playerDir);

// Starts a program entry (its parameters as written, its folder as the
// working folder) or opens a document through the shell; a file that is not
// there is named in a message box owned by owner. True when something started.
bool RunProgram(HWND owner, const rules::Command &command, const rules::Options &options,
                const std::wstring &playerDir);
void OpenAddress(HWND owner, const std::string &address);
void ExploreFolder(HWND owner, const std::wstring &folder);
// The player's about window, the project's about text at its foot.
void ShowAbout(HWND owner, const rules::Options &options);

// Message boxes with Russian texts, owned by owner.
void ShowError(HWND owner, const std::wstring &text);
bool AskYesNo(HWND owner, const std::wstring &text);

} // namespace player
