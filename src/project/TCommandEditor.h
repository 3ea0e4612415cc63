#pragma once

#include "project/TTreeCommands.h"

class TProject;
class UserPrompt;

// The editing of the page "Команды" as the user asks for it: asks the
// questions first, then makes each edit one undo step on the project's stack.
// The main window's buttons, fields and drops call it; tests drive it directly.
class TCommandEditor
{
public:
    explicit TCommandEditor(TProject &project, UserPrompt *prompt = nullptr)
        : m_project(project), m_prompt(prompt) {}

    // Where the group question goes; without one it is answered Cancel.
    void SetPrompt(UserPrompt *prompt) { m_prompt = prompt; }

    // An add button: an entry of the kind, named by its caption, placed by
    // "Куда", with its automatic exit entry. Returns the new entry.
    TBaseItem *Add(TItemKind kind);
    // "Удалить": the current item; a group with children asks whether its
    // contents move one level up (Yes), go with it (No) or stay (Cancel). A
    // cancelled delete changes nothing but still marks the project modified.
    void DeleteCurrent();
    // A drop of dragged onto target with the keys held; false when nothing moved.
    bool Drop(TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift);
    // A field of the current item; nothing without one or when unchanged.
    void SetField(TSetFieldCommand::TField field, const QVariant &value);

private:
    TProject &m_project;
    UserPrompt *m_prompt;
};
