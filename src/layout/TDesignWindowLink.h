#pragma once

class TMainForm;
class TPreviewForm;

// Connects the design window to the main window: the project's design view,
// the command tree as the menu's source, the modified flag at the end of a
// mouse gesture, and the "Вид" menu's switches of the design window.
void linkDesignWindow(TMainForm &mainForm, TPreviewForm &preview);
