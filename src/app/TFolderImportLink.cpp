#include "app/TFolderImportLink.h"

#include "app/TMainForm.h"
#include "project/TCommandTreeTarget.h"
#include "project/TFolderImport.h"

TFolderImportLink::TFolderImportLink(TMainForm &mainForm, TAddFolderForm &form, TProgressForm &progress)
    : QObject(&mainForm), m_main(mainForm), m_form(form), m_progress(progress)
{
    connect(&mainForm, &TMainForm::AddFolderRequested, this, &TFolderImportLink::bAddFolderClick);
}

void TFolderImportLink::bAddFolderClick()
{
    TCommandTreeTarget target(m_main.Tree());
    TDesignView &design = m_main.Project().DesignView();
    const bool mainWasVisible = m_main.isVisible();
    target.onBegin = [&] {
        m_main.hide();
        design.HidePreview();
    };
    target.onEnd = [&] {
        design.ShowPreview();
        if (mainWasVisible)
            m_main.show();
    };
    // Every import that ran marks the project modified, even one that found
    // nothing to add: the user is asked before closing either way.
    if (TFolderImport(m_form, m_progress).Execute(target, &m_main))
        m_main.Project().SetModified(true);
}
