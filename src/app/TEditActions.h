#pragma once

#include "app/TFieldUndo.h"

#include <QList>
#include <QObject>

class QAction;
class QUndoStack;
class QWidget;

// "Правка": the undo and redo actions follow the project's undo stack
// ("Отменить: <step>", "Повторить: <step>"). In a text field of the window the
// undo and redo keys act on the field itself, as the cut key does: the field
// claims them before the menu's actions. The field's steps and the project's
// make one history: redo brings back what undo took, latest first, whichever
// of the two took it, and the actions' texts say where the next key goes.
class TEditActions : public QObject
{
    Q_OBJECT

public:
    TEditActions(QWidget &window, QUndoStack &stack, QAction *undo, QAction *redo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Target { Field, Project };
    // The focused text field of the window, or null.
    QObject *FocusedField() const;
    // Where the key goes from the field (null: no field has the focus).
    Target TargetOf(const QObject *field, TFieldUndo::Key key) const;
    // Undo or redo in the field (the focused one, or null) or the project.
    void Perform(TFieldUndo::Key key, QObject *field);
    void UpdateEditActions();

    QWidget &m_window;
    QUndoStack &m_stack;
    QAction *AEditUndo;
    QAction *AEditRedo;
    // Where each undo since the last new edit went, the latest last.
    QList<Target> m_undone;
    bool m_stepping = false;   // the stack moves by our own undo or redo
};
