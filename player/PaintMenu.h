#pragma once

#include "PaintCanvas.h"
#include "rules/ProjectModel.h"

#include <string>
#include <vector>

namespace player {

// What the menu shows at one moment: the current level's captions, the
// selected and pressed entries, the group's name for the heading, the
// selected entry's comment, and each stand-alone button's state.
struct MenuView
{
    std::vector<std::wstring> menuLines;
    int selected = -1;
    int pressed = -1;
    std::wstring groupCaption;
    std::wstring comment;
    enum ButtonState { Normal = 0, Selected = 1, Pressed = 2 };
    std::vector<int> buttonStates;
};

// The project's pictures, decoded once.
struct MenuPictures
{
    Pixels background;
    Pixels theme;
    Pixels style[3];
    std::vector<std::vector<Pixels>> buttons;   // three per stand-alone button
};

MenuPictures DecodePictures(const rules::Project &project);

// Paints the whole client area of the menu window.
void PaintMenu(Canvas &canvas, const rules::Project &project, const MenuPictures &pictures, const MenuView &view);

// Where things are, in client coordinates.
RECT ControlBounds(const rules::Control &control);
RECT PicButtonBounds(const rules::PicButton &button, const std::vector<Pixels> &pictures, int state);
// The menu entry under a client point, or -1.
int MenuItemAt(Canvas &canvas, const rules::Project &project, const MenuPictures &pictures,
               const MenuView &view, int x, int y);
// The lines a text becomes (CR LF, CR and LF break it).
std::vector<std::wstring> SplitLines(const std::wstring &text);

} // namespace player
