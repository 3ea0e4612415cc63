#pragma once

class TMainForm;
class TPreviewForm;

// Connects the design window to the main window: the project's design view,
// the command tree as the menu's source, a click inside the selection as an
// edit, and the "Вид" menu's switches of the design window. (The mouse's moves
// and resizes are steps of the design document.)
void linkDesignWindow(TMainForm &mainForm, TPreviewForm &preview);
