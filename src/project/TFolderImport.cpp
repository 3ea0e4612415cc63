#include "project/TFolderImport.h"

#include "project/TAddFolderForm.h"
#include "project/TFolderScan.h"
#include "kit/TProgressForm.h"

namespace {

// Hides the progress dialog and gives the editor its windows back however the
// scan ends.
struct ImportWindows
{
    TImportTarget &target;
    TProgressForm &progress;
    ~ImportWindows()
    {
        progress.Flush();   // the last folder searched is what the dialog shows last
        progress.hide();
        target.end();
    }
};

} // namespace

bool TFolderImport::Execute(TImportTarget &target, QWidget *mainWindow)
{
    if (!Ask())
        return false;
    Run(target, mainWindow);
    return true;
}

bool TFolderImport::Ask()
{
    return m_form.Execute() && !m_form.Options().dirName.isEmpty();
}

void TFolderImport::Run(TImportTarget &target, QWidget *mainWindow)
{
    const TImportOptions options = m_form.Options();
    target.begin();
    m_progress.PopUp(mainWindow);
    ImportWindows restore{target, m_progress};
    TFolderScan scan(options, target);
    scan.setProgress([this](const QString &path) { m_progress.ShowFolder(path); });
    scan.Run();
}
