#include "app/TEditActions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QUndoStack>

TEditActions::TEditActions(QWidget &window, QUndoStack &stack, QAction *undo, QAction *redo)
    : QObject(&window), m_window(window), m_stack(stack), AEditUndo(undo), AEditRedo(redo)
{
    connect(AEditUndo, &QAction::triggered, this, [this] { Perform(TFieldUndo::Key::Undo, FocusedField()); });
    connect(AEditRedo, &QAction::triggered, this, [this] { Perform(TFieldUndo::Key::Redo, FocusedField()); });
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(&stack, signal, this, &TEditActions::UpdateEditActions);
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(&stack, signal, this, &TEditActions::UpdateEditActions);
    // A new edit of the project starts a new history: nothing undone is left.
    connect(&stack, &QUndoStack::indexChanged, this, [this] {
        if (!m_stepping)
            m_undone.clear();
    });
    connect(qApp, &QApplication::focusChanged, this, &TEditActions::UpdateEditActions);
    UpdateEditActions();
    qApp->installEventFilter(this);   // the text fields' own undo keys
    // A window's project, and its stack, go before the window's children: the
    // focus moving as the fields are deleted must not reach the stack.
    connect(&stack, &QObject::destroyed, this, [this] {
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
        qApp->removeEventFilter(this);
    });
}

QObject *TEditActions::FocusedField() const
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != &m_window || !TFieldUndo::IsTextField(focus))
        return nullptr;
    return focus;
}

TEditActions::Target TEditActions::TargetOf(const QObject *field, TFieldUndo::Key key) const
{
    const bool fieldTakes = TFieldUndo::FieldTakes(field, key);
    if (key == TFieldUndo::Key::Redo && !m_undone.isEmpty()) {
        // Redo brings back the latest undo first, wherever it went.
        if (m_undone.last() == Target::Project && m_stack.canRedo())
            return Target::Project;
        if (m_undone.last() == Target::Field && fieldTakes)
            return Target::Field;
    }
    return fieldTakes ? Target::Field : Target::Project;
}

void TEditActions::Perform(TFieldUndo::Key key, QObject *field)
{
    const Target target = TargetOf(field, key);
    if (target == Target::Field) {
        TFieldUndo::Apply(field, key);
    } else {
        if (!(key == TFieldUndo::Key::Undo ? m_stack.canUndo() : m_stack.canRedo()))
            return;
        m_stepping = true;
        key == TFieldUndo::Key::Undo ? m_stack.undo() : m_stack.redo();
        m_stepping = false;
    }
    // The field's own step may have reached the project as a new edit, which
    // cleared what was undone; the undo itself is remembered after it.
    if (key == TFieldUndo::Key::Undo)
        m_undone.append(target);
    else if (!m_undone.isEmpty())
        m_undone.removeLast();
    UpdateEditActions();
}

void TEditActions::UpdateEditActions()
{
    // "&" in a step's name is text, not a menu accelerator.
    auto escaped = [](QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); };
    const QUndoStack &stack = m_stack;
    const QObject *field = FocusedField();
    if (TargetOf(field, TFieldUndo::Key::Undo) == Target::Field) {
        AEditUndo->setEnabled(true);
        AEditUndo->setText(tr("Отменить: ввод в поле"));
    } else {
        AEditUndo->setEnabled(stack.canUndo());
        AEditUndo->setText(stack.canUndo() ? tr("Отменить: ") + escaped(stack.undoText()) : tr("Отменить"));
    }
    if (TargetOf(field, TFieldUndo::Key::Redo) == Target::Field) {
        AEditRedo->setEnabled(true);
        AEditRedo->setText(tr("Повторить: ввод в поле"));
    } else {
        AEditRedo->setEnabled(stack.canRedo());
        AEditRedo->setText(stack.canRedo() ? tr("Повторить: ") + escaped(stack.redoText()) : tr("Повторить"));
    }
}

bool TEditActions::eventFilter(QObject *watched, QEvent *event)
{
    // In a text field with a change of its own the undo and redo keys act on
    // the field, as the cut key does; otherwise they reach the project's steps.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &m_window || !TFieldUndo::IsTextField(watched))
        return QObject::eventFilter(watched, event);
    const TFieldUndo::Key key = TFieldUndo::KeyOf(static_cast<QKeyEvent *>(event)->keyCombination());
    if (key == TFieldUndo::Key::None) {
        // Typing changes what the field can take back: the texts follow.
        if (event->type() == QEvent::KeyPress)
            QTimer::singleShot(0, this, &TEditActions::UpdateEditActions);
        return QObject::eventFilter(watched, event);
    }
    if (TargetOf(watched, key) != Target::Field) {
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
    Perform(key, watched);
    return true;
}
