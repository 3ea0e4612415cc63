#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TProject;

// The page "Опции проекта": how the player exits, how it completes the
// entries' paths (and the disc folder they start from), and the text of its
// about box. Every change of a box is
// one undo step of the project's options.
class TOptionsPage : public QWidget
{
    Q_OBJECT

public:
    explicit TOptionsPage(TProject &project, QWidget *parent = nullptr);

    // Shows the project's options; a change of them refills the page itself.
    void FillOptions();

    QCheckBox *cbExitLevelUp, *cbExitAnyCommand, *cbExitQuestion, *cbExitCross, *cbCdRoot;
    QRadioButton *rbCdRoot, *rbProject, *rbVelmora, *rbCurrentDir;
    QPlainTextEdit *mAbout;
    QLineEdit *leRootDir;   // the disc folder, shown; "Изменить..." changes it
    QPushButton *bRootDir;

signals:
    // "Изменить...": the disc folder's own command runs.
    void RootDirRequested();

private:
    void CreateOptionsPage();
    void OptionsFromControls();

    TProject &m_project;
    bool m_filling = false;
};
