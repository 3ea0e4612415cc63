#include "app/TFieldUndo.h"

#include <QLineEdit>
#include <QPlainTextEdit>

TFieldUndo::Key TFieldUndo::KeyOf(QKeyCombination key)
{
    if (key == QKeyCombination(Qt::CTRL | Qt::Key_Z))
        return Key::Undo;
    if (key == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) || key == QKeyCombination(Qt::CTRL | Qt::Key_Y))
        return Key::Redo;
    return Key::None;
}

bool TFieldUndo::IsTextField(const QObject *watched)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(watched))
        return !line->isReadOnly();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(watched))
        return !text->isReadOnly();
    return false;
}

bool TFieldUndo::FieldTakes(const QObject *watched, Key key)
{
    if (key == Key::None)
        return false;
    if (const auto *line = qobject_cast<const QLineEdit *>(watched); line && !line->isReadOnly())
        return key == Key::Undo ? line->isUndoAvailable() : line->isRedoAvailable();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(watched); text && !text->isReadOnly())
        return key == Key::Undo ? text->document()->isUndoAvailable() : text->document()->isRedoAvailable();
    return false;
}

void TFieldUndo::Apply(QObject *watched, Key key)
{
    if (auto *line = qobject_cast<QLineEdit *>(watched))
        key == Key::Undo ? line->undo() : line->redo();
    else if (auto *text = qobject_cast<QPlainTextEdit *>(watched))
        key == Key::Undo ? text->undo() : text->redo();
}
