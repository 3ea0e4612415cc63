#include "app/TFolderImportLink.h"

#include "app/TAutosave.h"
#include "app/TMainForm.h"
#include "project/TAddFolderForm.h"
#include "project/TCommandTreeTarget.h"
#include "project/TFolderImport.h"
#include "project/TProjectCheck.h"
#include "project/TTreeCommands.h"

#include <QFileInfo>

TFolderImportLink::TFolderImportLink(TMainForm &mainForm, TProgressForm &progress)
    : QObject(&mainForm), m_main(mainForm), m_progress(progress)
{
    connect(&mainForm, &TMainForm::AddFolderRequested, this, &TFolderImportLink::bAddFolderClick);
}

TAddFolderForm &TFolderImportLink::Form()
{
    if (!m_form)
        m_form = new TAddFolderForm(m_main.Prompt(), &m_main);
    return *m_form;
}

void TFolderImportLink::bAddFolderClick()
{
    TProject &project = m_main.Project();
    const QString disc = project.Options().RootDir();
    const QString discDir = disc.isEmpty() ? QString() : QFileInfo(disc).absoluteFilePath();
    TAddFolderForm &form = Form();
    form.SetDiscFolder(discDir, TProjectCheck::BaseFolder(project.Options(), project.FileName(), discDir));
    TFolderImport import(form, m_progress);
    if (!import.Ask())
        return;
    TDesignView &design = project.DesignView();
    const bool mainWasVisible = m_main.isVisible();
    bool added = false;
    auto *command = new TImportCommand(
        project.Tree(), tr("добавление каталога «%1»").arg(form.Options().dirName),
        [&](TCommandTreeTarget &target) {
            target.onBegin = [&] {
                m_main.hide();
                design.HidePreview();
            };
            target.onEnd = [&] {
                design.ShowPreview();
                if (mainWasVisible)
                    m_main.show();
            };
            import.Run(target, &m_main);
            added = !target.AddedRoots().isEmpty();
        });
    // The whole import is one step; undo takes out exactly what it added.
    project.Push(command);
    // An import that ran but found nothing still counts as an edit: the user
    // is asked before closing either way.
    if (!added)
        project.Changed(TCommandTree::tcData);
    m_main.Autosave().WriteNow();   // an import is kept at once
}
