#pragma once

#include "project/TImportOptions.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QPushButton;
class QRadioButton;
class THistoryEdit;
class UserPrompt;

// The dialog "Добавить каталог...": the folder to import and the choices of
// the import. It is created once and keeps every choice, the folder and the
// history lists until the program ends.
class TAddFolderForm : public QDialog
{
    Q_OBJECT

public:
    // The design size of the client area; the dialog grows beyond it only
    // where the system's font needs more room.
    static constexpr int kClientWidth = 309;
    static constexpr int kClientHeight = 404;

    explicit TAddFolderForm(UserPrompt &prompt, QWidget *parent = nullptr);

    // Shows the dialog modally; true when it was closed with OK.
    bool Execute();
    // The choices as the controls hold them.
    TImportOptions Options() const;
    // The project's disc folder and the player's base folder in it, which
    // the options carry (full paths into it take the player's form).
    void SetDiscFolder(const QString &dir, const QString &base)
    {
        m_discDir = dir;
        m_discBase = base;
    }

    QLabel *LDirName;
    QLineEdit *leDirName;
    QPushButton *bBrowse;
    QGroupBox *gbSearch;
    QCheckBox *cbRecurseDirs;
    QLabel *LDirMask;
    THistoryEdit *heDirMask;
    QCheckBox *cbDepth;
    QSpinBox *DirDepth;
    QLabel *LFileMask;
    THistoryEdit *heFileMask;
    QCheckBox *cbExtension;
    QCheckBox *cbPathComment;
    QCheckBox *cbOneGroup;
    QCheckBox *cbNoAlone;
    QGroupBox *gbCommandName;
    QRadioButton *rbFullPath;
    QRadioButton *rbDirPath;
    QRadioButton *rbNoPath;
    QGroupBox *gbFileName;
    QRadioButton *rbFFullPath;
    QRadioButton *rbFDirPath;
    QRadioButton *rbFIncDirPath;
    QLabel *LDirPrefix;
    QLineEdit *leDirPrefix;
    QPushButton *bOK;
    QPushButton *bCancel;

public slots:
    void bBrowseClick();
    void accept() override;

private:
    void UpdateEnabled();

    UserPrompt &m_prompt;
    QString m_discDir;
    QString m_discBase;
};
