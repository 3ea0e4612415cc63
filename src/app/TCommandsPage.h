#pragma once

#include "project/TCommandEditor.h"

#include <QFileInfo>
#include <QWidget>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TCommandTreeView;
class TFileNameEdit;
class TProject;
class UserPrompt;

// The page "Команды": the command tree on the left; on the right the add
// buttons with "Куда", "Удалить" and the folder import, above the fields of
// the selected entry. Every edit is an undo step of the project.
class TCommandsPage : public QWidget
{
    Q_OBJECT

public:
    TCommandsPage(TProject &project, UserPrompt &prompt, QWidget *parent = nullptr);

    // The page's edits as undo steps.
    TCommandEditor &Editor() { return m_editor; }
    // Where the program path's file dialog starts.
    void SetDialogFolder(std::function<QString()> folder) { m_dialogFolder = std::move(folder); }

    TCommandTreeView *TreeView;
    QPushButton *bAdd[kItemKindCount];
    QRadioButton *rbInside, *rbBeside;
    QPushButton *bDelete, *bAddFolder;
    QLineEdit *leName, *leParams;
    QLabel *stNumber, *LCustom;
    QCheckBox *cbHidden;
    TFileNameEdit *leCustom;
    QWidget *pCustom, *pParams;
    QPlainTextEdit *mComment;

signals:
    // "Каталог...": the folder import belongs to its own dialog.
    void AddFolderRequested();

public slots:
    void bAddClick(TItemKind kind);
    void bDeleteClick();

private:
    TCommandTree &Tree();
    void CreateCommandsPage();
    void TreeViewChange(TBaseItem *item);
    void leCustomBrowse();
    // A file picked with the browse button or dropped onto the path field:
    // the player's path when it lies in the disc folder, else its full path.
    // With no disc folder, asks once whether to make the folder the file is
    // most likely meant in it (or another, chosen); a file outside the disc
    // folder offers to choose another disc folder.
    void TakeFile(const QString &file);
    void AskRootDir(const QFileInfo &file);
    void SetRootDir(const QString &folder);   // one undo step
    // The path field's mark and tooltip for a path that will not work on the disc.
    void UpdatePathMark();

    TProject &m_project;
    UserPrompt *m_prompt;
    TCommandEditor m_editor{m_project};
    std::function<QString()> m_dialogFolder = [] { return QString(); };
    bool m_filling = false;
    bool m_discAsked = false;
    QAction *m_pathMark = nullptr;
};
