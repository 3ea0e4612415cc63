#include "app/TMainForm.h"

#include "app/HiddenWhileWorking.h"
#include "app/TEditActions.h"
#include "app/TSettingsFile.h"
#include "kit/BrenwickError.h"
#include "kit/HelpContext.h"
#include "kit/UserPrompt.h"
#include "project/TOptionsCommand.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>

const char *const TMainForm::kTitle = "Velmora Brenwick";
const char *const TMainForm::kFileFilter = "Файлы XML|*.xml";

namespace {

const char *const kWindowSection = "window";
const char *const kCloseCaption = "Закрытие";
const char *const kErrorCaption = "Ошибка";
const char *const kOpenFailed = "Не удалось открыть файл «%1».";
const char *const kSaveFailed = "Не удалось сохранить файл «%1».";
// The title names the open file; Qt puts the modified mark in place of "[*]".
const char *const kFileTitle = "%1[*] — %2";
const char *const kCloseText = "Сохранить изменения?";
const char *const kDiscFolderTitle =
    "Каталог, в котором располагаются файлы компакт-диска так же, как они будут на диске";
const char *const kFileCategory = "File";
const char *const kHelpCategory = "Help";
const char *const kSaveSuffix = "xml";

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TMainForm::TMainForm(const QString &settingsPath, UserPrompt *prompt, QWidget *parent)
    : QMainWindow(parent), m_settingsPath(settingsPath)
{
    if (!prompt) {
        m_ownPrompt = std::make_unique<QtUserPrompt>(this);
        prompt = m_ownPrompt.get();
    }
    m_prompt = prompt;

    setWindowTitle(U(kTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    setMinimumSize(kDesignWidth, kDesignHeight);

    setObjectName(QStringLiteral("MainForm"));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    tsCommands = new TCommandsPage(m_project, *m_prompt);
    tsLayout = new QWidget;
    tsText = new TOptionsPage(m_project);
    tsLayout->setObjectName(QStringLiteral("tsLayout"));
    PageControl->addTab(tsCommands, QIcon(QStringLiteral(":/icons/page-commands.png")), U("Команды"));
    PageControl->addTab(tsLayout, QIcon(QStringLiteral(":/icons/page-design.png")), U("Внешний вид"));
    PageControl->addTab(tsText, QIcon(QStringLiteral(":/icons/page-options.png")), U("Опции проекта"));
    setCentralWidget(PageControl);
    help::setHelpContext(this, help::kMainWindow);
    help::setHelpContext(tsCommands, help::kCommandsPage);
    help::setHelpContext(tsLayout, help::kLayoutPage);
    help::setHelpContext(tsText, help::kOptionsPage);

    CreateActions();
    CreateMenus();
    connect(tsCommands, &TCommandsPage::AddFolderRequested, this, &TMainForm::AddFolderRequested);
    tsCommands->SetDialogFolder([this] { return m_dialogFolder; });

    connect(&m_project, &TProject::ModifiedChanged, this, &TMainForm::UpdateTitle);
    resize(kDesignWidth, kDesignHeight);
    move(kDesignLeft, kDesignTop);
    ReadSettings();
}

TMainForm::~TMainForm() = default;

void TMainForm::SetDesignView(TDesignView *view)
{
    m_project.SetDesignView(view);
    m_project.RefreshDesign();
}

// ---------------------------------------------------------------------------
// Actions and menus

void TMainForm::CreateActions()
{
    auto make = [this](const char *text, const char *name, const char *icon = nullptr) {
        auto *a = new QAction(U(text), this);
        a->setObjectName(QString::fromLatin1(name));
        if (icon)
            a->setIcon(QIcon(QString::fromLatin1(icon)));
        return a;
    };
    auto check = [&](const char *text, const char *name, bool on) {
        QAction *a = make(text, name);
        a->setCheckable(true);
        a->setChecked(on);
        return a;
    };
    AFileOpen = make("Открыть", "AFileOpen", ":/icons/action-open.png");
    AFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AFileSave = make("Сохранить", "AFileSave", ":/icons/action-save.png");
    AFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AFileSaveAs = make("Сохранить как...", "AFileSaveAs", ":/icons/action-saveas.png");
    AFileReset = make("Сбросить", "AFileReset", ":/icons/action-new.png");
    AFileExit = make("Выход", "AFileExit", ":/icons/action-exit.png");
    // Text fields keep Ctrl+X for cutting: they claim the key before the action.
    AFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    AEditUndo = make("Отменить", "AEditUndo");
    AEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    AEditRedo = make("Повторить", "AEditRedo");
    AEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ALoadDesign = make("Загрузить оформление", "ALoadDesign");
    ASaveDesign = make("Сохранить оформление", "ASaveDesign");
    ADiscFolder = make("Корневой каталог", "ADiscFolder");
    ACheckProject = make("Проверить проект...", "ACheckProject");
    APrepareDisc = make("Подготовить диск...", "APrepareDisc");
    ADiscImage = make("Создать образ диска...", "ADiscImage");
    for (QAction *a : {AFileOpen, AFileSave, AFileSaveAs, AFileReset, AFileExit, ALoadDesign, ASaveDesign, ADiscFolder,
                       ACheckProject, APrepareDisc, ADiscImage})
        a->setProperty("category", QString::fromLatin1(kFileCategory));

    APreview = make("Предварительный просмотр", "APreview", ":/icons/action-preview.png");
    APreview->setShortcut(QKeySequence(Qt::Key_F12));
    ADoubleBuffer = check("Буферизация вывода графики", "ADoubleBuffer", true);
    AEnglishInspector = check("Просмотрщик на английском", "AEnglishInspector", false);
    AEnableSelect = check("Разрешить выделение", "AEnableSelect", true);
    AShowSelection = check("Показывать выделение", "AShowSelection", true);
    ANoSelectText = check("Не выделять текст", "ANoSelectText", false);
    AAutoExit = check("Добавлять \"Выход\"", "AAutoExit", false);

    AHelp = make("Справка", "AHelp", ":/icons/action-help.png");
    AAbout = make("О Программе...", "AAbout", ":/icons/action-about.png");
    AHelp->setProperty("category", QString::fromLatin1(kHelpCategory));
    AAbout->setProperty("category", QString::fromLatin1(kHelpCategory));
    AAddButton = make("Добавить кнопку", "AAddButton");
    ADeleteButton = make("Удалить кнопку", "ADeleteButton", ":/icons/action-delete.png");
    ADeleteButton->setEnabled(false);

    for (QAction *a : {AFileOpen, AFileSave, AFileSaveAs, AFileReset, AFileExit, AEditUndo, AEditRedo, APreview, AHelp})
        addAction(a);   // shortcuts work from every page

    new TEditActions(*this, m_project.UndoStack(), AEditUndo, AEditRedo);

    connect(AFileOpen, &QAction::triggered, this, &TMainForm::AFileOpenExecute);
    connect(AFileSave, &QAction::triggered, this, &TMainForm::AFileSaveExecute);
    connect(AFileSaveAs, &QAction::triggered, this, &TMainForm::AFileSaveAsExecute);
    connect(AFileReset, &QAction::triggered, this, &TMainForm::AFileResetExecute);
    connect(AFileExit, &QAction::triggered, this, &TMainForm::AFileExitExecute);
    connect(ALoadDesign, &QAction::triggered, this, &TMainForm::ALoadDesignExecute);
    connect(ASaveDesign, &QAction::triggered, this, &TMainForm::ASaveDesignExecute);
    connect(ADiscFolder, &QAction::triggered, this, &TMainForm::ADiscFolderExecute);
    connect(APreview, &QAction::triggered, this, &TMainForm::APreviewExecute);
    connect(AHelp, &QAction::triggered, this, [this] { AHelpExecute(); });
    connect(AAbout, &QAction::triggered, this, [this] { AAboutExecute(); });
    connect(AAutoExit, &QAction::toggled, this, [this](bool on) { Tree().SetAutoExit(on); });
}

void TMainForm::CreateMenus()
{
    QMenu *file = menuBar()->addMenu(U("&Файл"));
    file->addAction(AFileOpen);
    file->addAction(AFileSave);
    file->addAction(AFileSaveAs);
    MRecentFiles = file->addMenu(U("Открыть еще раз"));
    MRecentFiles->setObjectName(QStringLiteral("MRecentFiles"));
    MRecentFiles->menuAction()->setObjectName(QStringLiteral("MRecentFiles"));   // the item in "&Файл"
    file->addSeparator();
    file->addAction(ALoadDesign);
    file->addAction(ASaveDesign);
    file->addSeparator();
    file->addAction(ADiscFolder);
    file->addAction(ACheckProject);
    file->addAction(APrepareDisc);
    file->addAction(ADiscImage);
    file->addSeparator();
    file->addAction(AFileExit);

    QMenu *edit = menuBar()->addMenu(U("&Правка"));
    edit->addAction(AEditUndo);
    edit->addAction(AEditRedo);

    QMenu *view = menuBar()->addMenu(U("&Вид"));
    view->addAction(APreview);
    view->addAction(ADoubleBuffer);
    view->addAction(AEnglishInspector);
    AEnglishInspector->setVisible(false);   // kept for the inspector, not offered
    view->addAction(AEnableSelect);
    view->addAction(AShowSelection);
    view->addAction(ANoSelectText);
    view->addAction(AAutoExit);

    QMenu *help = menuBar()->addMenu(U("&Справка"));
    help->addAction(AHelp);
    help->addSeparator();
    help->addAction(AAbout);
    RebuildRecentMenu();
}

void TMainForm::RebuildRecentMenu()
{
    m_recent.FillMenu(MRecentFiles, [this](const QString &path) { OnRecentClick(path); });
}

void TMainForm::AddRecentFile(const QString &path)
{
    m_recent.AddFirst(path);
    RebuildRecentMenu();
}

void TMainForm::OnRecentClick(const QString &path)
{
    LoadProject(path, TProject::WholeProject());
}

// ---------------------------------------------------------------------------
// Settings

void TMainForm::ReadSettings()
{
    QSettings settings(m_settingsPath, settings_file::Format());
    settings.beginGroup(U(kWindowSection));
    // A value that is not a number counts as missing: the current one stays.
    auto number = [&settings](const char *key, int current) {
        bool ok = false;
        const int value = settings.value(QString::fromLatin1(key)).toString().trimmed().toInt(&ok);
        return ok ? value : current;
    };
    const int left = number("left", x());
    const int top = number("top", y());
    const int width = number("width", this->width());
    const int height = number("height", this->height());
    m_splitterPos = number("splitterpos", m_splitterPos);
    settings.endGroup();
    resize(width, height);
    move(left, top);
    m_recent.Read(settings);
    RebuildRecentMenu();
}

void TMainForm::WriteSettings()
{
    // A settings file that cannot be written is no reason to keep the window open.
    QSettings settings(m_settingsPath, settings_file::Format());
    settings.beginGroup(U(kWindowSection));
    settings.setValue(QStringLiteral("left"), x());
    settings.setValue(QStringLiteral("top"), y());
    settings.setValue(QStringLiteral("width"), width());
    settings.setValue(QStringLiteral("height"), height());
    settings.setValue(QStringLiteral("splitterpos"), m_splitterPos);
    settings.endGroup();
    if (!m_recent.IsEmpty())
        m_recent.Write(settings);
    settings.sync();
}

// ---------------------------------------------------------------------------
// Closing and the file commands

bool TMainForm::FormCloseQuery()
{
    if (!m_project.Modified())
        return true;
    switch (m_prompt->ask(U(kCloseCaption), U(kCloseText), UserPrompt::Buttons::YesNoCancel,
                          UserPrompt::Icon::Question)) {
    case UserPrompt::Answer::Yes:
        // Unsaved work is never lost: a cancelled or failed save counts as Cancel.
        AFileSaveExecute();
        return !m_project.Modified();
    case UserPrompt::Answer::No:
        return true;
    default:
        return false;
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    WriteSettings();
    event->accept();
}

void TMainForm::ShowError(const char *failed, const QString &fileName, const QString &message)
{
    const QString text = U(failed).arg(QDir::toNativeSeparators(fileName)) + QLatin1Char('\n') + message;
    m_prompt->inform(U(kErrorCaption), text, UserPrompt::Icon::Error);
}

void TMainForm::UpdateTitle()
{
    const QString fileName = m_project.FileName();
    if (fileName.isEmpty())
        setWindowTitle(U(kTitle));
    else
        setWindowTitle(U(kFileTitle).arg(QFileInfo(fileName).fileName(), U(kTitle)));
    // Without a file there is no mark to show (and Qt would warn of its absence).
    setWindowModified(!fileName.isEmpty() && m_project.Modified());
}

void TMainForm::AFileOpenExecute()
{
    const QString name = m_prompt->openFileName(U("Открыть"), m_dialogFolder, U(kFileFilter));
    if (!name.isEmpty())
        LoadProject(name, TProject::WholeProject());
}

void TMainForm::AFileSaveExecute()
{
    const QString name = m_project.FileName();
    if (name.isEmpty())
        AFileSaveAsExecute();
    else
        SaveProject(name, TProject::WholeProject());
}

void TMainForm::AFileSaveAsExecute()
{
    const QString name = m_prompt->saveFileName(U("Сохранить как"), m_dialogFolder, U(kFileFilter), U(kSaveSuffix));
    if (!name.isEmpty())
        SaveProject(name, TProject::WholeProject());
}

void TMainForm::ALoadDesignExecute()
{
    const QString name = m_prompt->openFileName(U("Загрузить оформление"), m_dialogFolder, U(kFileFilter));
    if (!name.isEmpty())
        LoadProject(name, TProject::DesignFile());
}

void TMainForm::ASaveDesignExecute()
{
    const QString name =
        m_prompt->saveFileName(U("Сохранить оформление"), m_dialogFolder, U(kFileFilter), U(kSaveSuffix));
    if (!name.isEmpty())
        SaveProject(name, TProject::DesignFile());
}

void TMainForm::AFileResetExecute()
{
    if (!FormCloseQuery())
        return;
    m_project.DesignView().HidePreview();
    {
        HiddenWhileWorking hide(this);
        ClearProject(TProject::WholeProject());
    }
    m_project.DesignView().ShowPreview();
}

void TMainForm::AFileExitExecute()
{
    close();
}

void TMainForm::ADiscFolderExecute()
{
    const QString folder = m_prompt->folder(U(kDiscFolderTitle), m_project.Options().RootDir());
    if (folder.isEmpty())
        return;
    TProjectOptions changed;
    changed.Assign(m_project.Options());
    changed.SetRootDir(folder);
    m_dialogFolder = folder;
    if (changed.SameAs(m_project.Options()))
        m_project.Changed(TCommandTree::tcData);   // the same folder again still counts as an edit
    else
        m_project.Push(new TOptionsCommand(m_project.Options(), changed));
}

void TMainForm::APreviewExecute()
{
    m_project.DesignView().ShowPreview();
}

bool TMainForm::SaveProject(const QString &fileName, TProject::TParts parts)
{
    try {
        m_project.SaveProject(fileName, parts);
    } catch (const BrenwickError &e) {
        ShowError(kSaveFailed, fileName, e.message());
        return false;
    }
    // A design file leaves the project's own file as unsaved as it was.
    if (parts == TProject::WholeProject()) {
        AddRecentFile(fileName);
        m_project.SetModified(false);   // the state saved: undo and redo find it again
    }
    UpdateTitle();
    return true;
}

bool TMainForm::LoadProject(const QString &fileName, TProject::TParts parts)
{
    if (fileName.isEmpty())
        return false;
    if (parts == TProject::WholeProject() && !FormCloseQuery())
        return false;
    TProject::TLoadedPtr loaded;
    try {
        loaded = m_project.ReadProject(fileName, parts);
    } catch (const BrenwickError &e) {
        ShowError(kOpenFailed, fileName, e.message());
        return false;
    }
    if (!loaded) {
        // The file could not be opened.
        ShowError(kOpenFailed, fileName, m_project.LastOpenError());
        return false;
    }
    m_project.DesignView().HidePreview();
    {
        HiddenWhileWorking hide(this);
        m_project.ApplyProject(std::move(loaded));
        tsText->FillOptions();
        if (parts == TProject::WholeProject())
            AddRecentFile(fileName);
    }
    UpdateTitle();
    m_project.RefreshDesign();
    m_project.DesignView().ShowPreview();
    return true;
}

void TMainForm::ClearProject(TProject::TParts parts)
{
    m_project.ClearProject(parts);
}
