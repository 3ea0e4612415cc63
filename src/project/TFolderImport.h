#pragma once

class QWidget;
class TAddFolderForm;
class TImportTarget;
class TProgressForm;

// The button "Каталог...": asks with the dialog "Добавить каталог...", then
// imports the folder into the target while the progress dialog shows each
// folder being searched.
class TFolderImport
{
public:
    TFolderImport(TAddFolderForm &form, TProgressForm &progress) : m_form(form), m_progress(progress) {}

    // Returns false when the dialog was cancelled or the folder field is empty
    // (nothing changes then). mainWindow centres the progress dialog.
    bool Execute(TImportTarget &target, QWidget *mainWindow);

    // The two halves of Execute, for an import made as one undo step: the
    // question first, then the scan with the dialog's choices.
    bool Ask();
    void Run(TImportTarget &target, QWidget *mainWindow);

private:
    TAddFolderForm &m_form;
    TProgressForm &m_progress;
};
