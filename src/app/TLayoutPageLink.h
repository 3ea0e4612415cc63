#pragma once

class TLayoutEditor;
class TMainForm;
class TPreviewForm;

// Fills the main window's page "Внешний вид" and binds it to the design
// window: the object tree, the property inspector, the stand-alone buttons'
// actions, the splitter's stored position, and the first showing that builds
// the tree. The editor returned lives as long as the main window.
TLayoutEditor *linkLayoutPage(TMainForm &mainForm, TPreviewForm &preview);
