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
    const int countBefore = m_main.Tree().Count();
    const bool wasModified = m_main.Project().Modified();
    TFolderImport(m_form, m_progress).Execute(target, &m_main);
    // An import that added nothing (an empty folder, masks that match
    // nothing) leaves the project as it was, so it is not marked modified.
    if (m_main.Tree().Count() == countBefore)
        m_main.Project().SetModified(wasModified);
}
