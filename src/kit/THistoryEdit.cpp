#include "kit/THistoryEdit.h"

#include <QLineEdit>

THistoryEdit::THistoryEdit(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(false);
}

QStringList THistoryEdit::history() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void THistoryEdit::setHistory(const QStringList &items)
{
    const QString keep = currentText();
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    setEditText(keep);
}

void THistoryEdit::AddToHistory()
{
    const QString current = currentText();
    if (current.isEmpty())
        return;
    QStringList items = history();
    items.removeAll(current);
    items.prepend(current);
    while (items.size() > kMaxHistory)
        items.removeLast();
    setHistory(items);
}
