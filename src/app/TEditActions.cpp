#include "app/TEditActions.h"

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
    // In a text field the undo and redo keys act on the field itself, as the
    // cut key does: the field claims them before the menu's actions.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &m_window)
        return QObject::eventFilter(watched, event);
    auto *line = qobject_cast<QLineEdit *>(watched);
    auto *text = qobject_cast<QPlainTextEdit *>(watched);
    if ((!line || line->isReadOnly()) && (!text || text->isReadOnly()))
        return QObject::eventFilter(watched, event);
    const QKeyCombination key = static_cast<QKeyEvent *>(event)->keyCombination();
    const bool undo = key == QKeyCombination(Qt::CTRL | Qt::Key_Z);
    const bool redo = key == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
        || key == QKeyCombination(Qt::CTRL | Qt::Key_Y);
    if (!undo && !redo)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (line)
        undo ? line->undo() : line->redo();
    else
        undo ? text->undo() : text->redo();
    return true;
}
