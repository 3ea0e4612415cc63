#include "app/TMainForm.h"

#include "app/TAutosave.h"
#include "app/TEditActions.h"
#include "base/LazyIcon.h"

#include <QAction>
#include <QMenuBar>

// The main window's actions and its menus, in the order the menu bar shows them.

namespace {

const char *const kFileCategory = "File";
const char *const kHelpCategory = "Help";

} // namespace

void TMainForm::CreateActions()
{
    auto make = [this](const QString &text, const char *name, const char *icon = nullptr) {
        auto *a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (icon)
            a->setIcon(icons::Lazy(QString::fromLatin1(icon)));
        return a;
    };
    auto check = [&](const QString &text, const char *name, bool on) {
        QAction *a = make(text, name);
        a->setCheckable(true);
        a->setChecked(on);
        return a;
    };
    AFileNew = make(tr("Создать"), "AFileNew", ":/icons/action-new.png");
    AFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AFileNew->setProperty("category", QString::fromLatin1(kFileCategory));
    addAction(AFileNew);
    connect(AFileNew, &QAction::triggered, this, &TMainForm::AFileNewExecute);
    AFileOpen = make(tr("Открыть"), "AFileOpen", ":/icons/action-open.png");
    AFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AFileSave = make(tr("Сохранить"), "AFileSave", ":/icons/action-save.png");
    AFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AFileSaveAs = make(tr("Сохранить как..."), "AFileSaveAs", ":/icons/action-saveas.png");
    AFileReset = make(tr("Сбросить"), "AFileReset", ":/icons/action-new.png");
    AFileExit = make(tr("Выход"), "AFileExit", ":/icons/action-exit.png");
    // Text fields keep Ctrl+X for cutting: they claim the key before the action.
    AFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    AEditUndo = make(tr("Отменить"), "AEditUndo");
    AEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    AEditRedo = make(tr("Повторить"), "AEditRedo");
    AEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ALoadDesign = make(tr("Загрузить оформление"), "ALoadDesign");
    ASaveDesign = make(tr("Сохранить оформление"), "ASaveDesign");
    ADesignGallery = make(tr("Создать по образцу..."), "ADesignGallery");
    ASaveAsSample = make(tr("Сохранить как образец..."), "ASaveAsSample");
    ADiscFolder = make(tr("Корневой каталог"), "ADiscFolder");
    ACheckProject = make(tr("Проверить проект..."), "ACheckProject");
    APrepareDisc = make(tr("Подготовить диск..."), "APrepareDisc");
    ADiscImage = make(tr("Создать образ диска..."), "ADiscImage");
    for (QAction *a : {AFileOpen, AFileSave, AFileSaveAs, AFileReset, AFileExit, ALoadDesign, ASaveDesign, ADiscFolder,
                       ACheckProject, APrepareDisc, ADiscImage, ADesignGallery, ASaveAsSample})
        a->setProperty("category", QString::fromLatin1(kFileCategory));

    APreview = make(tr("Предварительный просмотр"), "APreview", ":/icons/action-preview.png");
    APreview->setShortcut(QKeySequence(Qt::Key_F12));
    ATryMenu = make(tr("Проверить меню"), "ATryMenu");
    ATryMenu->setShortcut(QKeySequence(Qt::Key_F9));
    ADoubleBuffer = check(tr("Буферизация вывода графики"), "ADoubleBuffer", true);
    AEnglishInspector = check(tr("Просмотрщик на английском"), "AEnglishInspector", false);
    AEnableSelect = check(tr("Разрешить выделение"), "AEnableSelect", true);
    AShowSelection = check(tr("Показывать выделение"), "AShowSelection", true);
    ANoSelectText = check(tr("Не выделять текст"), "ANoSelectText", false);
    AAutoExit = check(tr("Добавлять \"Выход\""), "AAutoExit", false);
    AAutosave = new QAction(tr("Автосохранение"), this);
    AAutosave->setObjectName(QStringLiteral("AAutosave"));
    AAutosave->setCheckable(true);
    AAutosave->setChecked(m_autosave->Enabled());
    connect(AAutosave, &QAction::toggled, this, [this](bool on) { m_autosave->SetEnabled(on); });

    AHelp = make(tr("Справка"), "AHelp", ":/icons/action-help.png");
    AAbout = make(tr("О Программе..."), "AAbout", ":/icons/action-about.png");
    AHelp->setProperty("category", QString::fromLatin1(kHelpCategory));
    AAbout->setProperty("category", QString::fromLatin1(kHelpCategory));
    AAddButton = make(tr("Добавить кнопку"), "AAddButton");
    ADeleteButton = make(tr("Удалить кнопку"), "ADeleteButton", ":/icons/action-delete.png");
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
    QMenu *file = menuBar()->addMenu(tr("&Файл"));
    file->addAction(AFileNew);
    file->addAction(ADesignGallery);
    file->addAction(AFileOpen);
    file->addAction(AFileSave);
    file->addAction(AFileSaveAs);
    MRecentFiles = file->addMenu(tr("Открыть еще раз"));
    MRecentFiles->setObjectName(QStringLiteral("MRecentFiles"));
    MRecentFiles->menuAction()->setObjectName(QStringLiteral("MRecentFiles"));   // the item in "&Файл"
    file->addSeparator();
    file->addAction(ALoadDesign);
    file->addAction(ASaveDesign);
    file->addAction(ASaveAsSample);
    file->addSeparator();
    file->addAction(ADiscFolder);
    file->addAction(ACheckProject);
    file->addAction(APrepareDisc);
    file->addAction(ADiscImage);
    file->addSeparator();
    file->addAction(AFileExit);

    QMenu *edit = menuBar()->addMenu(tr("&Правка"));
    edit->addAction(AEditUndo);
    edit->addAction(AEditRedo);

    QMenu *view = menuBar()->addMenu(tr("&Вид"));
    view->setObjectName(QStringLiteral("MView"));
    view->addAction(APreview);
    view->addAction(ATryMenu);
    view->addAction(ADoubleBuffer);
    view->addAction(AEnglishInspector);
    AEnglishInspector->setVisible(false);   // kept for the inspector, not offered
    view->addAction(AEnableSelect);
    view->addAction(AShowSelection);
    view->addAction(ANoSelectText);
    view->addAction(AAutoExit);
    view->addAction(AAutosave);

    QMenu *help = menuBar()->addMenu(tr("&Справка"));
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
