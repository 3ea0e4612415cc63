#include "project/TProject.h"

#include "xml/TXDocument.h"

// The project as a recovery copy sees it: written into a document of its own,
// and read back as the still unsaved state of its original file.

std::unique_ptr<TXDocument> TProject::WholeDocument()
{
    CheckCommandDepth();
    auto document = std::make_unique<TXDocument>();
    document->SetRootName(QString::fromLatin1(kRootName));
    document->SetHeader(QString::fromLatin1(kProlog));
    WriteParts(*document->Root(), WholeProject());
    return document;
}

void TProject::ApplyRecovered(TLoadedPtr loaded, const QString &fileName)
{
    if (!loaded)
        return;
    ApplyProject(std::move(loaded));
    m_document->SetFileName(fileName);
    // No step of the stack is the state of the file: undo never clears the flag.
    m_undoStack.resetClean();
    SetModifiedFlag(true);
}
