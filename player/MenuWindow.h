#pragma once

#include "rules/PlayerPaths.h"
#include "rules/ProjectModel.h"

#include <string>

// The menu window of the player: shown and run until the visitor leaves, or
// painted into a bitmap without being shown.
namespace player {

// Shows the menu and runs its message loop; the exit code of the player.
// folders: where the player, the project file and the start were;
// projectFile names the menu: a second start for the same file brings the
// running menu to the front and ends.
int RunMenuWindow(const rules::Project &project, const rules::PlayerFolders &folders,
                  const std::wstring &projectFile);

// Paints the window's client area into a 24-bit BMP, with the command numbered
// item current (item 0: the first command, as a freshly opened project shows
// it). False with a message in error when the item is not there or the file
// cannot be written.
bool RenderMenuWindow(const rules::Project &project, const std::wstring &outBmp, int item, std::wstring &error);

} // namespace player
