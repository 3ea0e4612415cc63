#pragma once

#include <QKeyCombination>

class QObject;

// Who takes Ctrl+Z and Ctrl+Y (Ctrl+Shift+Z) typed in a text field: the field
// itself while it has a change of its own to take back (or bring back), else
// the project's undo stack, so that the keys never do nothing. A field that
// was just filled from outside (the fields of an entry after it is added or
// selected) has no history of its own and hands the keys on.
class TFieldUndo
{
public:
    enum class Key { None, Undo, Redo };

    static Key KeyOf(QKeyCombination key);
    // An editable text field, which claims the undo keys unless told otherwise.
    static bool IsTextField(const QObject *watched);
    // True when watched is an editable text field with a step of its own in
    // the key's direction; false for anything else.
    static bool FieldTakes(const QObject *watched, Key key);
    // Performs the field's own undo or redo (FieldTakes must hold).
    static void Apply(QObject *watched, Key key);
};
