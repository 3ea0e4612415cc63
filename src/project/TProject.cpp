#include "project/TProject.h"

void TProject::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit ModifiedChanged(modified);
}

void TProject::SetModified(bool modified)
{
    if (!modified)
        m_undoStack.setClean();
    SetModifiedFlag(modified);
}

void TProject::FollowStack()
{
    // A push, an undo or a redo: modified unless it arrived at the state last
    // saved or opened.
    SetModifiedFlag(!m_undoStack.isClean());
}

void TProject::Refresh(TCommandTree::TChanges what)
{
    if (what.testFlag(TCommandTree::tcComment)) {
        if (const TBaseItem *item = m_tree.CurrentItem())
            m_designView->SetCommentText(item->Comment());
    }
    if (what.testFlag(TCommandTree::tcMenu))
        m_designView->RefreshMenu();
}

void TProject::Changed(TCommandTree::TChanges what)
{
    Refresh(what);
    SetModifiedFlag(true);
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
