#pragma once

#include "project/TProjectCheck.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

// "Проверка проекта": the findings of the project check in a list, errors
// and warnings marked by their icons. Choosing a finding (double click, Enter
// or "Показать") hands it to the chooser, which selects its entry or object.
class TCheckForm : public QDialog
{
    Q_OBJECT

public:
    using Chooser = std::function<void(const TFinding &)>;
    using Fixer = std::function<void(const QList<TFinding> &)>;

    explicit TCheckForm(QWidget *parent = nullptr);

    void SetChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    // "Исправить": mends the findings that carry a fix (one undo step).
    void SetFixer(Fixer fixer) { m_fixer = std::move(fixer); }
    // Fills the list and the summary line above it.
    void ShowFindings(const QList<TFinding> &findings);
    const QList<TFinding> &Findings() const { return m_findings; }
    // Hands the finding in row to the chooser.
    void Choose(int row);

    QLabel *stSummary;
    QListWidget *lbFindings;
    QPushButton *bShow, *bFix, *bClose;

private:
    QList<TFinding> m_findings;
    Chooser m_chooser;
    Fixer m_fixer;
};
