#include "app/TEditActions.h"

#include "app/TFieldUndo.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoStack>

TEditActions::TEditActions(QWidget &window, QUndoStack &stack, QAction *undo, QAction *redo)
    : QObject(&window), m_window(window), m_stack(stack), AEditUndo(undo), AEditRedo(redo)
{
    connect(AEditUndo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(AEditRedo, &QAction::triggered, &stack, &QUndoStack::redo);
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(&stack, signal, this, &TEditActions::UpdateEditActions);
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(&stack, signal, this, &TEditActions::UpdateEditActions);
    UpdateEditActions();
    qApp->installEventFilter(this);   // the text fields' own undo keys
}

void TEditActions::UpdateEditActions()
{
    // "&" in a step's name is text, not a menu accelerator.
    auto escaped = [](QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); };
    const QUndoStack &stack = m_stack;
    AEditUndo->setEnabled(stack.canUndo());
    AEditUndo->setText(stack.canUndo() ? tr("Отменить: ") + escaped(stack.undoText()) : tr("Отменить"));
    AEditRedo->setEnabled(stack.canRedo());
    AEditRedo->setText(stack.canRedo() ? tr("Повторить: ") + escaped(stack.redoText()) : tr("Повторить"));
}

bool TEditActions::eventFilter(QObject *watched, QEvent *event)
{
    // In a text field with a change of its own the undo and redo keys act on
    // the field, as the cut key does; otherwise they reach the project's steps.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &m_window)
        return QObject::eventFilter(watched, event);
    const TFieldUndo::Key key = TFieldUndo::KeyOf(static_cast<QKeyEvent *>(event)->keyCombination());
    if (key == TFieldUndo::Key::None || !TFieldUndo::IsTextField(watched))
        return QObject::eventFilter(watched, event);
    if (!TFieldUndo::FieldTakes(watched, key)) {
        // The field would claim the key for nothing: it goes to the menu's action.
        if (event->type() == QEvent::ShortcutOverride) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    TFieldUndo::Apply(watched, key);
    return true;
}
