#pragma once

#include <QString>

class THelp;
class TMainForm;

// Ties the about box, the help and the command line to the main window:
// "О Программе..." shows the about box modally, "Справка" opens the help's
// contents, F1 opens the page of the focused control's help context, and a
// project named on the command line is opened once the main window is up,
// as "Открыть" would open it.
namespace shell {

// Help contexts of the main window (37) and its pages (39, 40, 41), and the
// object tree's keyword once the tree exists (it is looked up by its name,
// "ObjectTree", on the page "Внешний вид"). Safe to call again.
void SetHelpContexts(TMainForm &form);

// Connects "Справка" and "О Программе..." and catches F1 in every window. The
// about box is made when first asked for (not at start-up) and kept.
void ConnectHelpAndAbout(TMainForm &form, THelp &help);

// Opens projectFile as a whole project as soon as the event loop runs (after
// the main window's first showing); nothing when the name is empty. A file that
// cannot be read is reported as by "Открыть".
void OpenAtStart(TMainForm &form, const QString &projectFile);

} // namespace shell
