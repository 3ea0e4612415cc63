#pragma once

#include "xml/PictureBatch.h"

#include <QWidget>
#include <memory>

class QLabel;
class QListWidget;
class TMenuRun;
class TTrialDesign;
class UserPrompt;

// The test-run «Проверка меню — <file>»: the menu window as the player shows
// it, read from the project file's bytes and read-only, and below it this
// window with the log of what the player would have done. The mouse and the
// keys in the menu window drive a menu run; this window only paints and
// forwards them. Closing it ends the test-run.
class TTrialForm : public QWidget
{
    Q_OBJECT

public:
    // Reads the bytes (throws BrenwickError when they are not a readable
    // project), taking the known pictures' bitmaps for their texts;
    // projectFile and discDir resolve programs' paths. Questions go through
    // prompt.
    TTrialForm(const QByteArray &bytes, const TKnownPictures &known, const QString &projectFile,
               const QString &discDir, UserPrompt &prompt, QWidget *parent = nullptr);
    ~TTrialForm() override;

    // Shows the menu window and the log below it.
    void Start();
    TTrialDesign &Design() { return *m_design; }
    TMenuRun &Run() { return *m_run; }
    QListWidget *Log() const { return m_log; }
    // The menu window's client area as it looks now.
    QImage RenderMenu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void MouseMove(const QPoint &pos);
    void MousePress(const QPoint &pos);
    void MouseRelease(const QPoint &pos);
    void Key(int key);
    // Shows the run's state and the log lines added since the last call.
    void Follow();

    std::unique_ptr<TTrialDesign> m_design;
    std::unique_ptr<TMenuRun> m_run;
    UserPrompt &m_prompt;
    QListWidget *m_log = nullptr;
    QLabel *m_state = nullptr;
    qsizetype m_shownLines = 0;
    int m_hoverButton = -1;
    int m_pressedButton = -1;   // the stand-alone button held down
    int m_pressedEntry = -1;    // the menu button held down
};
