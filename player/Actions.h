#pragma once

#include "rules/ProjectModel.h"

#include <windows.h>

#include <string>

// What the menu does on the visitor's machine.
namespace player {

// Starts a file as Windows starts it on a double-click (the shell's "open":
// a program that needs administrator rights gets the rights prompt), its
// folder as the working folder and params as written. A start that fails is
// named with the system's reason in a message box owned by owner; a refused
// rights prompt says nothing. process: the started program, when the shell
// gives one (the caller closes it). True when something started.
bool StartProgram(HWND owner, const std::wstring &file, const std::wstring &params, HANDLE &process);
bool OpenAddress(HWND owner, const std::string &address, HANDLE &process);
void ExploreFolder(HWND owner, const std::wstring &folder);
// The player's about window: its name, version and the project's about text.
void ShowAbout(HWND owner, const rules::Options &options);

// Message boxes with Russian texts, owned by owner.
void ShowError(HWND owner, const std::wstring &text);
bool AskYesNo(HWND owner, const std::wstring &text);
// The system's words for an error code, in the system's language.
std::wstring SystemReason(DWORD code);

} // namespace player
