#pragma once

#include "app/TTrialForm.h"

#include <QObject>
#include <QPointer>

class TMainForm;

// "Вид" → "Проверить меню" (F9): writes the open project into memory as the
// project file, as Save writes it, and opens the test-run on those bytes. The
// project, its modified flag and its undo stack stay as they were.
class TTrialLink : public QObject
{
    Q_OBJECT

public:
    explicit TTrialLink(TMainForm &mainForm);
    // The test-run's window while it is open.
    TTrialForm *Form() const { return m_form; }

public slots:
    void ATryMenuExecute();

private:
    TMainForm &m_main;
    QPointer<TTrialForm> m_form;
};
