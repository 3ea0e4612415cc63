#include "project/TProject.h"

void TProject::SetModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit ModifiedChanged(modified);
}

void TProject::Changed(TCommandTree::TChanges what)
{
    if (what.testFlag(TCommandTree::tcComment)) {
        if (const TBaseItem *item = m_tree.CurrentItem())
            m_designView->SetCommentText(item->Comment());
    }
    if (what.testFlag(TCommandTree::tcMenu))
        m_designView->RefreshMenu();
    SetModified(true);
}

void TProject::RefreshDesign()
{
    if (const TBaseItem *item = m_tree.CurrentItem())
        m_designView->SetCommentText(item->Comment());
    m_designView->RefreshMenu();
}

void TProject::OnCurrentChanged(TBaseItem *item)
{
    if (item)
        m_designView->SetCommentText(item->Comment());
    m_designView->RefreshMenu();
    emit CurrentChanged(item);
}
