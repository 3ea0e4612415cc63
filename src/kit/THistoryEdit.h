#pragma once

#include <QComboBox>
#include <QStringList>

// A text field with a history list: the field is edited freely, the drop-down
// offers the remembered texts. AddToHistory() puts the field's text at the top
// of the list (a text already there moves up instead of appearing twice).
class THistoryEdit : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText USER true)
    Q_PROPERTY(QStringList history READ history WRITE setHistory)

public:
    static constexpr int kMaxHistory = 20;

    explicit THistoryEdit(QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }

    QStringList history() const;
    // Replaces the list; the field's text stays.
    void setHistory(const QStringList &items);
    void AddToHistory();
};
