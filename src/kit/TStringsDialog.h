#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// Edits a list of lines as one multi-line text.
class TStringsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TStringsDialog(const QStringList &lines, QWidget *parent = nullptr);

    QStringList lines() const;
    QPlainTextEdit *editor() const { return m_edit; }

private:
    QPlainTextEdit *m_edit;
};
