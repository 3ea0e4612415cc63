#include "project/TCommandEditor.h"

#include "base/UserPrompt.h"
#include "project/TProject.h"

#include <QCoreApplication>

namespace {
const char *const kGroupQuestionCaption = QT_TRANSLATE_NOOP("TCommandEditor", "Удаление группы");
const char *const kGroupQuestionText =
    QT_TRANSLATE_NOOP("TCommandEditor", "Поместить всё содержимое на один уровень вверх?");
} // namespace

TBaseItem *TCommandEditor::Add(TItemKind kind)
{
    auto *command = new TAddItemCommand(m_project.Tree(), ItemKindDefaultName(kind), kind);
    m_project.Push(command);
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
            ? m_prompt->ask(QCoreApplication::translate("TCommandEditor", kGroupQuestionCaption),
                            QCoreApplication::translate("TCommandEditor", kGroupQuestionText),
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
    m_project.Push(new TDeleteItemCommand(tree, item, contents));
}

bool TCommandEditor::Drop(TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift)
{
    if (!dragged || !target)
        return false;
    return m_project.Push(new TMoveItemCommand(m_project.Tree(), dragged, target, ctrl, shift));
}

void TCommandEditor::SetField(TSetFieldCommand::TField field, const QVariant &value)
{
    TBaseItem *item = m_project.Tree().CurrentItem();
    if (!item)
        return;
    m_project.Push(new TSetFieldCommand(m_project.Tree(), item, field, value));
}
