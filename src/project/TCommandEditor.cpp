#include "project/TCommandEditor.h"

#include "kit/UserPrompt.h"
#include "project/TProject.h"

namespace {
const char *const kGroupQuestionCaption = "Удаление группы";
const char *const kGroupQuestionText = "Поместить всё содержимое на один уровень вверх?";
} // namespace

TBaseItem *TCommandEditor::Add(TItemKind kind)
{
    auto *command = new TAddItemCommand(m_project.Tree(), ItemKindCaption(kind), kind);
    m_project.UndoStack().push(command);
    return m_project.Tree().CurrentItem();
}

void TCommandEditor::DeleteCurrent()
{
    TCommandTree &tree = m_project.Tree();
    TBaseItem *item = tree.CurrentItem();
    if (!item)
        return;
    TCommandTree::TGroupContents contents = TCommandTree::gcDelete;
    if (item->IsGroup() && item->ChildCount() > 0) {
        const UserPrompt::Answer answer = m_prompt
            ? m_prompt->ask(QString::fromUtf8(kGroupQuestionCaption), QString::fromUtf8(kGroupQuestionText),
                            UserPrompt::Buttons::YesNoCancel, UserPrompt::Icon::Question)
            : UserPrompt::Answer::Cancel;
        if (answer == UserPrompt::Answer::Yes) {
            contents = TCommandTree::gcLiftUp;
        } else if (answer != UserPrompt::Answer::No) {
            // Nothing is deleted, yet "Внутрь" no longer adds into the group
            // until the selection changes, and the project counts as edited.
            if (item == tree.CurrentGroup())
                tree.SetCurrentGroup(nullptr);
            m_project.Changed(TCommandTree::tcMenu);
            return;
        }
    }
    m_project.UndoStack().push(new TDeleteItemCommand(tree, item, contents));
}

bool TCommandEditor::Drop(TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift)
{
    if (!dragged || !target)
        return false;
    const TBaseItem *parent = dragged->Parent();
    const int row = dragged->Row();
    m_project.UndoStack().push(new TMoveItemCommand(m_project.Tree(), dragged, target, ctrl, shift));
    return dragged->Parent() != parent || dragged->Row() != row;
}

void TCommandEditor::SetField(TSetFieldCommand::TField field, const QVariant &value)
{
    TBaseItem *item = m_project.Tree().CurrentItem();
    if (!item)
        return;
    m_project.UndoStack().push(new TSetFieldCommand(m_project.Tree(), item, field, value));
}
