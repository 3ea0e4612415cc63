#pragma once

#include "app/QtTranslation.h"

#include <QObject>
#include <QString>
#include <memory>

class TMainForm;
class TPreviewForm;
class TTrialLink;
class THelp;

// The editor's windows for one run, tied together: the main window, the
// design window, the links that give the menu commands their work, the help.
// Closing the main window (the close question answered) ends the run: every
// other window closes and the event loop stops. SIGTERM and SIGINT close the
// main window as if the close question had been answered «Нет»: the recovery
// copy keeps the unsaved work. The design window's place is kept in the
// settings file (section "window", "designleft" and "designtop").
class TEditorSession : public QObject
{
    Q_OBJECT

public:
    TEditorSession(const QString &settingsPath, shell::TLanguage language);
    ~TEditorSession() override;

    TMainForm &MainForm();
    TPreviewForm &Preview();
    TTrialLink &Trial();
    THelp &Help();

    // Shows the windows, offers the recovery copies of earlier sessions and
    // opens projectFile (if any) once the event loop runs.
    void Start(const QString &projectFile);

    // Moves the design window off the main window when it covers it (both
    // windows when the screen needs it). Also at every showing of the design
    // window (after an open, a gallery design, a reset).
    void ArrangeWindows();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Finish();

    struct TParts;
    std::unique_ptr<TParts> m_parts;
    QString m_settingsPath;
    bool m_finished = false;
};
