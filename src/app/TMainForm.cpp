#include "app/TMainForm.h"

#include "app/TFieldUndo.h"
#include "app/TSettingsFile.h"
#include "kit/BrenwickError.h"
#include "kit/HelpContext.h"
#include "kit/TFileNameEdit.h"
#include "kit/UserPrompt.h"
#include "project/TCommandTreeView.h"
#include "project/TOptionsCommand.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

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
const char *const kProgramFilter = "Программы|*.exe;*.com;*.bat;*.cmd|Все файлы|*.*";
const char *const kFileCategory = "File";
const char *const kHelpCategory = "Help";
const char *const kSaveSuffix = "xml";
const int kFieldSpacing = 6;
const int kLabelPadding = 8;

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The Part's hints mark tooltip line breaks with a carriage return.
QString Hint(const char *utf8)
{
    return U(utf8).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The text of a multi-line box exactly as held: toPlainText() would turn
// no-break spaces into plain ones, and files keep them.
QString BoxText(const QPlainTextEdit *box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// Shows a window again after a long operation if it was visible before.
class HiddenWhileWorking
{
public:
    explicit HiddenWhileWorking(QWidget *w) : m_w(w), m_wasVisible(w->isVisible())
    {
        if (m_wasVisible)
            m_w->hide();
    }
    ~HiddenWhileWorking()
    {
        if (m_wasVisible)
            m_w->show();
    }

private:
    QWidget *m_w;
    bool m_wasVisible;
};

} // namespace

TMainForm::TMainForm(const QString &settingsPath, UserPrompt *prompt, QWidget *parent)
    : QMainWindow(parent), m_settingsPath(settingsPath)
{
    if (!prompt) {
        m_ownPrompt = std::make_unique<QtUserPrompt>(this);
        prompt = m_ownPrompt.get();
    }
    m_prompt = prompt;
    m_editor.SetPrompt(m_prompt);

    UpdateTitle();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    setMinimumSize(kDesignWidth, kDesignHeight);

    setObjectName(QStringLiteral("MainForm"));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    tsCommands = new QWidget;
    tsLayout = new QWidget;
    tsText = new QWidget;
    tsCommands->setObjectName(QStringLiteral("tsCommands"));
    tsLayout->setObjectName(QStringLiteral("tsLayout"));
    tsText->setObjectName(QStringLiteral("tsText"));
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
    CreateCommandsPage();
    CreateOptionsPage();

    connect(&m_project, &TProject::CurrentChanged, this, &TMainForm::TreeViewChange);
    connect(&m_project.Options(), &TProjectOptions::Changed, this, &TMainForm::FillOptions);

    connect(&m_project, &TProject::ModifiedChanged, this, &TMainForm::UpdateTitle);
    qApp->installEventFilter(this);   // the text fields' own undo keys
    resize(kDesignWidth, kDesignHeight);
    FitToPages();
    move(kDesignLeft, kDesignTop);
    ReadSettings();
    FillOptions();
    TreeViewChange(nullptr);
}

TMainForm::~TMainForm() = default;

QString TMainForm::DefaultSettingsPath()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QString name = exe.completeBaseName() + QStringLiteral(".ini");
    const QFileInfo dir(exe.absolutePath());
    if (dir.isWritable())
        return exe.absolutePath() + QLatin1Char('/') + name;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config + QLatin1Char('/') + name;
}

void TMainForm::FitToPages()
{
    const QSize least = minimumSizeHint().expandedTo(QSize(kDesignWidth, kDesignHeight));
    setMinimumSize(least);
    resize(size().expandedTo(least));
}

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
    AFileNew = make("Создать", "AFileNew", ":/icons/action-new.png");
    AFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AFileNew->setProperty("category", QString::fromLatin1(kFileCategory));
    addAction(AFileNew);
    connect(AFileNew, &QAction::triggered, this, &TMainForm::AFileNewExecute);
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

    QUndoStack &stack = m_project.UndoStack();
    connect(AEditUndo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(AEditRedo, &QAction::triggered, &stack, &QUndoStack::redo);
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(&stack, signal, this, &TMainForm::UpdateEditActions);
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(&stack, signal, this, &TMainForm::UpdateEditActions);
    UpdateEditActions();

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
    file->addAction(AFileNew);
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
    MRecentFiles->clear();
    if (m_recent.IsEmpty()) {
        MRecentFiles->addAction(U(TRecentFiles::kPlaceholder));
        return;
    }
    const QStringList paths = m_recent.Paths();
    for (int i = 0; i < paths.size(); ++i) {
        // A "&" inside the path is shown as itself, not as an accelerator.
        QString caption = TRecentFiles::Caption(i + 1, paths[i]);
        caption = caption.left(2) + caption.mid(2).replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *a = MRecentFiles->addAction(caption);
        a->setData(paths[i]);
        const QString path = paths[i];
        connect(a, &QAction::triggered, this, [this, path] { OnRecentClick(path); });
    }
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
// Page "Команды"

void TMainForm::CreateCommandsPage()
{
    TreeView = new TCommandTreeView(Tree(), tsCommands);
    TreeView->setObjectName(QStringLiteral("TreeView"));

    auto *gbAdd = new QGroupBox(U("Добавиь элемент"), tsCommands);
    auto *addGrid = new QGridLayout(gbAdd);
    addGrid->setContentsMargins(6, 4, 6, 6);
    addGrid->setSpacing(4);
    for (int k = 0; k < kItemKindCount; ++k) {
        const auto kind = TItemKind(k);
        bAdd[k] = new QPushButton(QIcon(ItemKindIconPath(kind)), ItemKindCaption(kind), gbAdd);
        bAdd[k]->setObjectName(QStringLiteral("bAdd%1").arg(k + 1));
        bAdd[k]->setProperty("tag", k);
        connect(bAdd[k], &QPushButton::clicked, this, [this, kind] { bAddClick(kind); });
    }
    auto *rgWhereAdd = new QGroupBox(U("Куда"), gbAdd);
    rgWhereAdd->setObjectName(QStringLiteral("rgWhereAdd"));
    auto *whereLayout = new QVBoxLayout(rgWhereAdd);
    whereLayout->setContentsMargins(6, 2, 6, 2);
    whereLayout->setSpacing(0);
    rbInside = new QRadioButton(U("Внутрь"), rgWhereAdd);
    rbBeside = new QRadioButton(U("Рядом"), rgWhereAdd);
    rbInside->setChecked(true);
    whereLayout->addWidget(rbInside);
    whereLayout->addWidget(rbBeside);
    connect(rbBeside, &QRadioButton::toggled, this, [this](bool on) {
        Tree().SetWhereAdd(on ? TCommandTree::waBeside : TCommandTree::waInside);
    });
    bDelete = new QPushButton(QIcon(QStringLiteral(":/icons/action-delete.png")), U("Удалить"), gbAdd);
    bDelete->setObjectName(QStringLiteral("bDelete"));
    bAddFolder = new QPushButton(U("Каталог..."), gbAdd);
    bAddFolder->setObjectName(QStringLiteral("bAddFolder"));
    connect(bDelete, &QPushButton::clicked, this, &TMainForm::bDeleteClick);
    // The Delete key on the tree is the button "Удалить", question included.
    connect(TreeView, &TCommandTreeView::DeleteRequested, this, &TMainForm::bDeleteClick);
    connect(bAddFolder, &QPushButton::clicked, this, [this] { bAddFolderClick(); });
    addGrid->addWidget(bAdd[ikGroup], 0, 0);
    addGrid->addWidget(bAdd[ikProgram], 0, 1);
    addGrid->addWidget(bAdd[ikUrl], 1, 0);
    addGrid->addWidget(bAdd[ikComment], 1, 1);
    addGrid->addWidget(bAdd[ikExit], 2, 0);
    addGrid->addWidget(bAddFolder, 2, 1);
    addGrid->addWidget(rgWhereAdd, 0, 2, 2, 1);
    addGrid->addWidget(bDelete, 2, 2);

    auto *gbProps = new QGroupBox(U("Свойства элемента"), tsCommands);
    auto *form = new QFormLayout(gbProps);
    form->setContentsMargins(6, 4, 6, 6);
    form->setVerticalSpacing(3);
    form->setHorizontalSpacing(kFieldSpacing);
    // One label width for the form's rows and the kind's panels, so the fields line up.
    int labelWidth = 0;
    for (const char *caption : {"Заголовок", "Номер", "Путь", "Адрес", "Параметры"})
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(U(caption)));
    labelWidth += kLabelPadding;
    auto label = [&](const char *caption, QWidget *parent) {
        auto *l = new QLabel(U(caption), parent);
        l->setFixedWidth(labelWidth);
        return l;
    };
    leName = new QLineEdit(gbProps);
    leName->setObjectName(QStringLiteral("leName"));
    QLabel *LName = label("Заголовок", gbProps);
    LName->setBuddy(leName);
    form->addRow(LName, leName);

    auto *numberRow = new QHBoxLayout;
    stNumber = new QLabel(gbProps);
    stNumber->setObjectName(QStringLiteral("stNumber"));
    stNumber->setMinimumWidth(40);
    cbHidden = new QCheckBox(U("Скрытый"), gbProps);
    cbHidden->setObjectName(QStringLiteral("cbHidden"));
    numberRow->addWidget(stNumber);
    numberRow->addStretch();
    numberRow->addWidget(cbHidden);
    form->addRow(label("Номер", gbProps), numberRow);

    pCustom = new QWidget(gbProps);
    auto *customLayout = new QHBoxLayout(pCustom);
    customLayout->setContentsMargins(0, 0, 0, 0);
    customLayout->setSpacing(kFieldSpacing);
    LCustom = label("", pCustom);
    leCustom = new TFileNameEdit(pCustom);
    leCustom->setObjectName(QStringLiteral("leCustom"));
    leCustom->BrowseButton()->setObjectName(QStringLiteral("bBrowseCustom"));
    LCustom->setBuddy(leCustom);
    customLayout->addWidget(LCustom);
    customLayout->addWidget(leCustom, 1);
    form->addRow(pCustom);

    pParams = new QWidget(gbProps);
    auto *paramsLayout = new QHBoxLayout(pParams);
    paramsLayout->setContentsMargins(0, 0, 0, 0);
    paramsLayout->setSpacing(kFieldSpacing);
    QLabel *LParams = label("Параметры", pParams);
    leParams = new QLineEdit(pParams);
    leParams->setObjectName(QStringLiteral("leParams"));
    LParams->setBuddy(leParams);
    paramsLayout->addWidget(LParams);
    paramsLayout->addWidget(leParams, 1);
    form->addRow(pParams);

    mComment = new QPlainTextEdit(gbProps);
    mComment->setObjectName(QStringLiteral("mComment"));
    mComment->setTabChangesFocus(true);
    auto *LComment = new QLabel(U("Комментарий"), gbProps);
    LComment->setBuddy(mComment);
    form->addRow(LComment);
    form->addRow(mComment);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(gbAdd);
    right->addWidget(gbProps, 1);
    auto *page = new QHBoxLayout(tsCommands);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(TreeView, 1);
    page->addLayout(right, 1);

    // Field edits go into the current item as undo steps; filling the fields
    // does not.
    auto field = [this](TSetFieldCommand::TField which, const QVariant &value) {
        if (!m_filling)
            m_editor.SetField(which, value);
    };
    connect(leName, &QLineEdit::textChanged, this,
            [field](const QString &text) { field(TSetFieldCommand::fName, text); });
    connect(mComment, &QPlainTextEdit::textChanged, this, [this, field] {
        if (m_filling)
            return;
        QString text = BoxText(mComment);
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        field(TSetFieldCommand::fComment, text);
    });
    connect(leCustom, &QLineEdit::textChanged, this,
            [field](const QString &text) { field(TSetFieldCommand::fCustom, text); });
    connect(leParams, &QLineEdit::textChanged, this,
            [field](const QString &text) { field(TSetFieldCommand::fParams, text); });
    connect(cbHidden, &QCheckBox::toggled, this, [field](bool on) { field(TSetFieldCommand::fHidden, on); });
    connect(leCustom, &TFileNameEdit::BrowseClicked, this, &TMainForm::leCustomBrowse);
    // A move by dragging is an undo step like any other edit.
    TreeView->SetDropHandler([this](TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift) {
        return m_editor.Drop(dragged, target, ctrl, shift);
    });
}

void TMainForm::leCustomBrowse()
{
    const QString name = m_prompt->openFileName(U("Программа"), m_dialogFolder, U(kProgramFilter));
    if (!name.isEmpty())
        leCustom->setText(name);
}

void TMainForm::TreeViewChange(TBaseItem *item)
{
    const TItemKind kind = item ? item->Kind() : ikGroup;
    pParams->setVisible(kind == ikProgram);
    pCustom->setVisible(kind == ikProgram || kind == ikUrl);
    leCustom->SetBrowseVisible(kind == ikProgram);
    LCustom->setText(kind == ikProgram ? U("Путь") : kind == ikUrl ? U("Адрес") : QString());
    if (!item)
        return;
    m_filling = true;
    leName->setText(item->Name());
    QString comment = item->Comment();
    comment.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (BoxText(mComment) != comment)
        mComment->setPlainText(comment);
    leCustom->setText(item->Custom());
    leParams->setText(item->Params());
    stNumber->setText(QString::number(item->Id()));
    cbHidden->setChecked(item->Hidden());
    m_filling = false;
}

void TMainForm::bAddClick(TItemKind kind)
{
    TBaseItem *item = m_editor.Add(kind);
    // A new group opens, so that its automatic "Выход" can be seen.
    if (item && item->IsGroup())
        TreeView->expand(Tree().IndexOf(item));
    leName->setFocus();
    leName->selectAll();
}

void TMainForm::bDeleteClick()
{
    m_editor.DeleteCurrent();
}

// ---------------------------------------------------------------------------
// Page "Опции проекта"

void TMainForm::CreateOptionsPage()
{
    auto *gbExit = new QGroupBox(U("Выход из Автозапуска"), tsText);
    auto *exitLayout = new QVBoxLayout(gbExit);
    cbExitLevelUp = new QCheckBox(U("Выход по кнопке Вверх"), gbExit);
    cbExitLevelUp->setToolTip(Hint("Если есть отдельно стоящая кнопка с действием LevelUp или привязанная к\r"
                                   "команде типа Выход, то выходить, если она нажата в корневой группе"));
    cbExitAnyCommand = new QCheckBox(U("Выход после любой команды"), gbExit);
    cbExitAnyCommand->setToolTip(Hint("Выходить после исполнения любой команды типа Программа или URL"));
    cbExitQuestion = new QCheckBox(U("Вопрос при выходе кнопкой"), gbExit);
    cbExitQuestion->setToolTip(Hint("Спрашивать при нажатии на кнопку Выход"));
    cbExitCross = new QCheckBox(U("Вопрос при выходе крестиком"), gbExit);
    cbExitCross->setToolTip(Hint("Спрашивать при нажатии на системную кнопку в углу окна или по сообщению окну"));
    for (QCheckBox *cb : {cbExitLevelUp, cbExitAnyCommand, cbExitQuestion, cbExitCross})
        exitLayout->addWidget(cb);

    auto *gbPath = new QGroupBox(U("Обработка путей файлов"), tsText);
    auto *pathLayout = new QVBoxLayout(gbPath);
    cbCdRoot = new QCheckBox(U("От корня компакт-диска, если Velmora.EXE или Velmora.XML на нём"), gbPath);
    cbCdRoot->setToolTip(Hint("Если Velmora.EXE или Velmora.XML находятся на компакт-диске, то в начало\r"
                              "пути ставится имя этого диска, если нет - то один из вариантов внизу"));
    rbCdRoot = new QRadioButton(U("От Корневого Каталога"), gbPath);
    rbCdRoot->setToolTip(Hint("В начало пути вставляется \"Корневой Каталог\""));
    rbProject = new QRadioButton(U("От расположения файла проекта (Velmora.XML)"), gbPath);
    rbProject->setToolTip(Hint("В начало пути вставляется путь к Velmora.XML"));
    rbVelmora = new QRadioButton(U("От расположения программы автозапуска (Velmora.EXE)"), gbPath);
    rbVelmora->setToolTip(Hint("В начало пути вставляется путь к Velmora.EXE"));
    rbCurrentDir = new QRadioButton(U("От теукщего каталога"), gbPath);
    rbCurrentDir->setToolTip(Hint("В начало пути вставляется каталог, из которого запущен Velmora.EXE,\r"
                                  "даже если он там не лежит. Для компакт-дисков это путь к Velmora.EXE"));
    // Not exclusive through Qt: a file may turn all four off.
    for (QRadioButton *rb : {rbCdRoot, rbProject, rbVelmora, rbCurrentDir})
        rb->setAutoExclusive(false);
    pathLayout->addWidget(cbCdRoot);
    for (QRadioButton *rb : {rbCdRoot, rbProject, rbVelmora, rbCurrentDir})
        pathLayout->addWidget(rb);

    auto *gbAbout = new QGroupBox(U("Текст \"О Программе\""), tsText);
    gbAbout->setToolTip(U("Текст, который оказывается внизу окна \"О Программе...\" Автозапуска"));
    auto *aboutLayout = new QVBoxLayout(gbAbout);
    mAbout = new QPlainTextEdit(gbAbout);
    mAbout->setObjectName(QStringLiteral("mAbout"));
    mAbout->setLineWrapMode(QPlainTextEdit::NoWrap);
    mAbout->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on, as in every other field: the file could not keep a TAB anyway.
    mAbout->setTabChangesFocus(true);
    aboutLayout->addWidget(mAbout);

    auto *page = new QGridLayout(tsText);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    page->addWidget(gbExit, 0, 0);
    page->addWidget(gbAbout, 0, 1);
    page->addWidget(gbPath, 1, 0, 1, 2);
    page->setRowStretch(0, 1);
    page->setColumnStretch(1, 1);
    for (QBoxLayout *l : {exitLayout, pathLayout, aboutLayout}) {
        l->setContentsMargins(6, 2, 6, 4);
        l->setSpacing(2);
    }

    // The controls answer to their own names, as the page's other widgets do.
    const std::pair<QWidget *, const char *> named[] = {
        {cbExitLevelUp, "cbExitLevelUp"}, {cbExitAnyCommand, "cbExitAnyCommand"},
        {cbExitQuestion, "cbExitQuestion"}, {cbExitCross, "cbExitCross"},
        {cbCdRoot, "cbCdRoot"}, {rbCdRoot, "rbCdRoot"}, {rbProject, "rbProject"},
        {rbVelmora, "rbVelmora"}, {rbCurrentDir, "rbCurrentDir"}};
    for (const auto &[widget, name] : named)
        widget->setObjectName(QString::fromLatin1(name));

    // cbOptionClick: every box and button writes the options at once.
    for (QCheckBox *cb : {cbExitLevelUp, cbExitAnyCommand, cbExitQuestion, cbExitCross, cbCdRoot})
        connect(cb, &QCheckBox::toggled, this, &TMainForm::OptionsFromControls);
    for (QRadioButton *rb : {rbCdRoot, rbProject, rbVelmora, rbCurrentDir}) {
        connect(rb, &QRadioButton::clicked, this, [this, rb] {
            if (m_filling)
                return;
            m_filling = true;
            for (QRadioButton *other : {rbCdRoot, rbProject, rbVelmora, rbCurrentDir})
                other->setChecked(other == rb);
            m_filling = false;
            OptionsFromControls();
        });
    }
    connect(mAbout, &QPlainTextEdit::textChanged, this, [this] {
        if (m_filling || BoxText(mAbout) == m_project.Options().About())
            return;
        TProjectOptions changed;
        changed.Assign(m_project.Options());
        changed.SetAbout(BoxText(mAbout));
        auto *command = new TOptionsCommand(m_project.Options(), changed);
        m_filling = true;   // the options' own change signal must not refill the box midway
        m_project.Push(command);
        m_filling = false;
    });
}

void TMainForm::OptionsFromControls()
{
    if (m_filling)
        return;
    TProjectOptions o;
    o.Assign(m_project.Options());
    o.SetExitLevelUp(cbExitLevelUp->isChecked());
    o.SetExitAnyCommand(cbExitAnyCommand->isChecked());
    o.SetExitQuestion(cbExitQuestion->isChecked());
    o.SetExitCross(cbExitCross->isChecked());
    o.SetCdRoot(cbCdRoot->isChecked());
    TProjectOptions::TPathOption path = TProjectOptions::poNone;
    if (rbCdRoot->isChecked())
        path = TProjectOptions::poCdRoot;
    else if (rbProject->isChecked())
        path = TProjectOptions::poProject;
    else if (rbVelmora->isChecked())
        path = TProjectOptions::poVelmora;
    else if (rbCurrentDir->isChecked())
        path = TProjectOptions::poCurrent;
    o.SetPathOption(path);
    // The about text comes from its own box only when that box is edited.
    auto *command = new TOptionsCommand(m_project.Options(), o);
    m_filling = true;   // the options' own change signal must not refill the page midway
    m_project.Push(command);
    m_filling = false;
}

void TMainForm::FillOptions()
{
    if (m_filling)
        return;
    const TProjectOptions &o = m_project.Options();
    m_filling = true;
    cbExitLevelUp->setChecked(o.ExitLevelUp());
    cbExitAnyCommand->setChecked(o.ExitAnyCommand());
    cbExitQuestion->setChecked(o.ExitQuestion());
    cbExitCross->setChecked(o.ExitCross());
    cbCdRoot->setChecked(o.CdRoot());
    rbCdRoot->setChecked(o.PathOption() == TProjectOptions::poCdRoot);
    rbProject->setChecked(o.PathOption() == TProjectOptions::poProject);
    rbVelmora->setChecked(o.PathOption() == TProjectOptions::poVelmora);
    rbCurrentDir->setChecked(o.PathOption() == TProjectOptions::poCurrent);
    if (BoxText(mAbout) != o.About())
        mAbout->setPlainText(o.About());
    m_filling = false;
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
    // A project without a file yet is "Без имени": its changes show from the first edit.
    const QString shown = fileName.isEmpty() ? tr("Без имени") : QFileInfo(fileName).fileName();
    setWindowTitle(U(kFileTitle).arg(shown, U(kTitle)));
    setWindowModified(m_project.Modified());
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

void TMainForm::AFileNewExecute()
{
    if (!FormCloseQuery())
        return;
    m_project.DesignView().HidePreview();
    {
        HiddenWhileWorking hide(this);
        m_project.NewProject();
        FillOptions();
    }
    UpdateTitle();
    m_project.DesignView().ShowPreview();
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

void TMainForm::UpdateEditActions()
{
    // "&" in a step's name is text, not a menu accelerator.
    auto escaped = [](QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); };
    const QUndoStack &stack = m_project.UndoStack();
    AEditUndo->setEnabled(stack.canUndo());
    AEditUndo->setText(stack.canUndo() ? U("Отменить: ") + escaped(stack.undoText()) : U("Отменить"));
    AEditRedo->setEnabled(stack.canRedo());
    AEditRedo->setText(stack.canRedo() ? U("Повторить: ") + escaped(stack.redoText()) : U("Повторить"));
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // In a text field with a change of its own the undo and redo keys act on
    // the field, as the cut key does; otherwise they reach the project's steps.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const TFieldUndo::Key key = TFieldUndo::KeyOf(static_cast<QKeyEvent *>(event)->keyCombination());
    if (key == TFieldUndo::Key::None || !TFieldUndo::IsTextField(watched))
        return QMainWindow::eventFilter(watched, event);
    if (!TFieldUndo::FieldTakes(watched, key)) {
        // The field would claim the key for nothing: it goes to the menu's action.
        if (event->type() == QEvent::ShortcutOverride) {
            event->ignore();
            return true;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    TFieldUndo::Apply(watched, key);
    return true;
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
        FillOptions();
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
