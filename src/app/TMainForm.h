#pragma once

#include "app/TCommandsPage.h"
#include "app/TOpenFileGuard.h"
#include "app/TOptionsPage.h"
#include "app/TRecentFiles.h"
#include "app/TSettingsFile.h"
#include "project/TProject.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QMenu;
class QTabWidget;
class QWidget;
class TAutosave;
class UserPrompt;

// The editor's main window: the pages "Команды", "Внешний вид" and "Опции
// проекта", the main menu with its actions, the recent-files list, the close
// question and the window settings. It owns the project and routes the file
// commands to the project's writer and reader.
class TMainForm : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(int SplitterPos READ SplitterPos WRITE SetSplitterPos)

public:
    static const char *const kTitle;          // "Velmora Brenwick"
    static const char *const kFileFilter;     // "Файлы XML|*.xml"
    static constexpr int kDesignLeft = 359;
    static constexpr int kDesignTop = 238;
    static constexpr int kDesignWidth = 502;
    static constexpr int kDesignHeight = 378;
    static constexpr int kDesignSplitterPos = 221;

    // settingsPath: the INI file of the window's place and the recent list.
    // prompt: where questions and file dialogs go (the real dialogs when null).
    explicit TMainForm(const QString &settingsPath, UserPrompt *prompt = nullptr, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The settings file beside the executable, or in the configuration folder.
    static QString DefaultSettingsPath() { return settings_file::DefaultPath(); }

    TProject &Project() { return m_project; }
    TCommandTree &Tree() { return m_project.Tree(); }
    // The page "Команды"'s edits as undo steps.
    TCommandEditor &Editor() { return tsCommands->Editor(); }
    TRecentFiles &RecentFiles() { return m_recent; }
    // The recovery copies of unsaved work.
    TAutosave &Autosave() { return *m_autosave; }
    UserPrompt &Prompt() { return *m_prompt; }
    // Puts the design window in place of the stand-in.
    void SetDesignView(TDesignView *view);
    // The page "Внешний вид", to be filled by the layout editor.
    QWidget *LayoutPage() const { return tsLayout; }
    int SplitterPos() const { return m_splitterPos; }
    // The smallest size (and the size, if smaller) := what the pages need
    // with this desktop's fonts, never below 502 x 378. Called again once the
    // page "Внешний вид" is filled.
    void FitToPages();
    // At the first start (no place in the settings file): right of the design
    // window, whose frame is designFrame, when the screen shows both side by
    // side; the first place otherwise.
    void PlaceBesideDesign(const QRect &designFrame);
    // Where a window of the size own goes right of designFrame, a small gap
    // apart and level with it, within the screen's available area; fallback
    // when it does not fit there.
    static QPoint BesidePlace(const QRect &available, const QRect &designFrame, const QSize &own,
                              const QPoint &fallback);
    void SetSplitterPos(int pos) { m_splitterPos = pos; }

    // --- file operations (each shows its own errors) ----------------------
    // Returns true when the file was written.
    bool SaveProject(const QString &fileName, TProject::TParts parts);
    // Returns true when the file was read into the project.
    bool LoadProject(const QString &fileName, TProject::TParts parts);
    void ClearProject(TProject::TParts parts);
    // The question before unsaved changes are lost; true when work may go on.
    bool FormCloseQuery();
    // Closes without the question, as if answered «Нет», the unsaved work
    // kept in the recovery copy (written before the window closes).
    void CloseKeepingCopy();
    void AddRecentFile(const QString &path);
    // The project was opened read-only (another editor holds it): Save asks for another name.
    bool ReadOnly() const { return m_guard.ReadOnly(); }
    // The folder the file dialogs start in: the disc folder when one is set,
    // else the project file's folder.
    QString DialogFolder() const;

    // Actions of the main menu and the action list.
    QAction *AFileOpen, *AFileSave, *AFileSaveAs, *AFileReset, *AFileExit;
    QAction *AFileNew;   // "Создать": the fresh project of a first start
    // "Правка": the project's undo stack ("Отменить: <step>", "Повторить: <step>").
    QAction *AEditUndo, *AEditRedo;
    QAction *ALoadDesign, *ASaveDesign, *ADiscFolder;
    QAction *ADesignGallery, *ASaveAsSample;   // handled by TDesignGalleryLink
    QAction *ACheckProject, *APrepareDisc, *ADiscImage;   // handled by TDiscLink
    QAction *ATryMenu;   // handled by TTrialLink
    QAction *APreview, *ADoubleBuffer, *AEnglishInspector, *AEnableSelect, *AShowSelection,
        *ANoSelectText, *AAutoExit;
    QAction *AHelp, *AAbout, *AAddButton, *ADeleteButton;
    QAction *AAutosave;   // "Вид" → "Автосохранение", check item
    QMenu *MRecentFiles;

    // The pages "Команды", "Внешний вид" and "Опции проекта".
    QTabWidget *PageControl;
    TCommandsPage *tsCommands;
    QWidget *tsLayout;
    TOptionsPage *tsText;

signals:
    // The window closed for good (the close question let it).
    void Closed();
    void HelpRequested();
    void AboutRequested();
    void AddFolderRequested();

public slots:
    void AFileNewExecute();
    void AFileOpenExecute();
    void AFileSaveExecute();
    void AFileSaveAsExecute();
    void AFileResetExecute();
    void AFileExitExecute();
    void ALoadDesignExecute();
    void ASaveDesignExecute();
    void ADiscFolderExecute();
    void APreviewExecute();

protected:
    // Help and the about box belong to their own windows; these only announce.
    virtual void AHelpExecute() { emit HelpRequested(); }
    virtual void AAboutExecute() { emit AboutRequested(); }

    void closeEvent(QCloseEvent *event) override;

private:
    void CreateActions();
    void CreateMenus();
    void ReadSettings();
    void WriteSettings();
    void RebuildRecentMenu();
    void OnRecentClick(const QString &path);
    // "Ошибка": the failed operation with the file's name, then the reason.
    void ShowError(const char *failed, const QString &fileName, const QString &message);
    // "Velmora.XML[*] — Velmora Brenwick", "Без имени[*] — Velmora Brenwick" without a file.
    void UpdateTitle();
    // After an open: a disc folder that is gone, or a Velmora.XML opened from
    // another folder than its disc folder (a copied disc), asks whether the
    // file's own folder becomes the disc folder.
    void OfferFileFolderAsDisc(const QString &fileName);

    TProject m_project;
    std::unique_ptr<UserPrompt> m_ownPrompt;
    UserPrompt *m_prompt;
    QString m_settingsPath;
    QString m_autosaveNote;   // the status bar's word of a copy not written, until one is
    TRecentFiles m_recent;
    int m_splitterPos = kDesignSplitterPos;
    bool m_placeStored = false;   // the settings file gave the window's place
    bool m_keepCopy = false;      // closing without the question
    TOpenFileGuard m_guard;   // the open file's lock and its state on disk
    std::unique_ptr<TAutosave> m_autosave;   // last: it refers to the project
};
