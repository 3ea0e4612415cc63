#pragma once

#include <QString>

class QPlainTextEdit;

// The text of a multi-line box exactly as held: toPlainText() would turn
// no-break spaces into plain ones, and files keep them.
QString BoxText(const QPlainTextEdit *box);
