#pragma once

#include <QObject>

class QAction;
class QUndoStack;
class QWidget;

// "Правка": the undo and redo actions follow the project's undo stack
// ("Отменить: <step>", "Повторить: <step>"). In a text field of the window the
// undo and redo keys act on the field itself, as the cut key does: the field
// claims them before the menu's actions.
class TEditActions : public QObject
{
    Q_OBJECT

public:
    TEditActions(QWidget &window, QUndoStack &stack, QAction *undo, QAction *redo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void UpdateEditActions();

    QWidget &m_window;
    QUndoStack &m_stack;
    QAction *AEditUndo;
    QAction *AEditRedo;
};
