#pragma once

#include <QObject>

class TAddFolderForm;
class TMainForm;
class TProgressForm;

// The button "Каталог..." of the main window: asks with the dialog "Добавить
// каталог...", then imports the folder into the command tree's current group.
// While the folders are searched the main window and the design window are
// hidden and the progress dialog shows each folder; afterwards the last entry
// made is selected, the design window's menu is refreshed once and both
// windows are shown again. The whole import is one undo step; an import that
// ran but added nothing makes no step yet still marks the project modified.
class TFolderImportLink : public QObject
{
    Q_OBJECT

public:
    // Makes the dialog "Добавить каталог..." on the first click, not at
    // start-up, and keeps it (with its choices) from then on.
    TFolderImportLink(TMainForm &mainForm, TProgressForm &progress);
    TAddFolderForm &Form();

public slots:
    void bAddFolderClick();

private:
    TMainForm &m_main;
    TAddFolderForm *m_form = nullptr;
    TProgressForm &m_progress;
};
