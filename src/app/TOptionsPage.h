#pragma once

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QRadioButton;
class TProject;

// The page "Опции проекта": how the player exits, how it completes the
// entries' paths, and the text of its about box. Every change of a box is
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

private:
    void CreateOptionsPage();
    void OptionsFromControls();

    TProject &m_project;
    bool m_filling = false;
};
