#pragma once

#include <windows.h>

#include <string>

// One menu window per project file: a second start of the same menu brings
// the running one to the front instead of opening another.
namespace player {

// The menu's name: the project file's path folded to upper case, hashed.
DWORD MenuKey(const std::wstring &projectFile);

// Claims the menu named key for this process (instance: the claim, closed
// by the caller). When another process holds it already: brings its window
// to the front and returns true.
bool BringRunningMenu(DWORD key, HANDLE &instance);

// The menu window names its menu, so that a second start finds it.
void MarkMenuWindow(HWND window, DWORD key);
void UnmarkMenuWindow(HWND window);

} // namespace player
