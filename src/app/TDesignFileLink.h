#pragma once

class TLayoutEditor;
class TMainForm;
class TPreviewForm;

// Plugs the design window and the design document's stand-alone buttons into the
// project file of the main window's project, so that Save, Open and the design
// file actions carry the whole design. Lives as long as the main window; the
// design window may go first.
void linkDesignFile(TMainForm &mainForm, TPreviewForm &preview, TLayoutEditor &buttons);
