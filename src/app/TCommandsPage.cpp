#include "app/TCommandsPage.h"

#include "app/BoxText.h"
#include "base/LazyIcon.h"
#include "kit/TFileNameEdit.h"
#include "base/UserPrompt.h"
#include "app/TCommandTreeView.h"
#include "project/DiscFolderGuess.h"
#include "project/TOptionsCommand.h"
#include "project/TPlayerPath.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const kProgramFilter = QT_TRANSLATE_NOOP("TCommandsPage", "Программы|*.exe;*.com;*.bat;*.cmd|Все файлы|*.*");
const int kFieldSpacing = 6;
const int kLabelPadding = 8;


} // namespace

TCommandsPage::TCommandsPage(TProject &project, UserPrompt &prompt, QWidget *parent)
    : QWidget(parent), m_project(project), m_prompt(&prompt)
{
    setObjectName(QStringLiteral("tsCommands"));
    m_editor.SetPrompt(m_prompt);
    CreateCommandsPage();
    connect(&m_project, &TProject::CurrentChanged, this, &TCommandsPage::TreeViewChange);
    TreeViewChange(nullptr);
}

TCommandTree &TCommandsPage::Tree()
{
    return m_project.Tree();
}

void TCommandsPage::CreateCommandsPage()
{
    TreeView = new TCommandTreeView(Tree(), this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setAccessibleName(tr("Дерево команд"));

    auto *gbAdd = new QGroupBox(tr("Добавить элемент"), this);
    auto *addGrid = new QGridLayout(gbAdd);
    addGrid->setContentsMargins(6, 4, 6, 6);
    addGrid->setSpacing(4);
    for (int k = 0; k < kItemKindCount; ++k) {
        const auto kind = TItemKind(k);
        bAdd[k] = new QPushButton(icons::Lazy(ItemKindIconPath(kind)), ItemKindCaption(kind), gbAdd);
        bAdd[k]->setObjectName(QStringLiteral("bAdd%1").arg(k + 1));
        bAdd[k]->setProperty("tag", k);
        connect(bAdd[k], &QPushButton::clicked, this, [this, kind] { bAddClick(kind); });
    }
    auto *rgWhereAdd = new QGroupBox(tr("Куда"), gbAdd);
    rgWhereAdd->setObjectName(QStringLiteral("rgWhereAdd"));
    rgWhereAdd->setAccessibleName(rgWhereAdd->title());   // not the box around it
    auto *whereLayout = new QVBoxLayout(rgWhereAdd);
    whereLayout->setContentsMargins(6, 2, 6, 2);
    whereLayout->setSpacing(0);
    rbInside = new QRadioButton(tr("Внутрь"), rgWhereAdd);
    rbBeside = new QRadioButton(tr("Рядом"), rgWhereAdd);
    rbInside->setChecked(true);
    whereLayout->addWidget(rbInside);
    whereLayout->addWidget(rbBeside);
    connect(rbBeside, &QRadioButton::toggled, this, [this](bool on) {
        Tree().SetWhereAdd(on ? TCommandTree::waBeside : TCommandTree::waInside);
    });
    bDelete = new QPushButton(icons::Lazy(QStringLiteral(":/icons/action-delete.png")), tr("Удалить"), gbAdd);
    bDelete->setObjectName(QStringLiteral("bDelete"));
    bAddFolder = new QPushButton(tr("Каталог..."), gbAdd);
    bAddFolder->setObjectName(QStringLiteral("bAddFolder"));
    connect(bDelete, &QPushButton::clicked, this, &TCommandsPage::bDeleteClick);
    // The Delete key on the tree is the button "Удалить", question included.
    connect(TreeView, &TCommandTreeView::DeleteRequested, this, &TCommandsPage::bDeleteClick);
    connect(bAddFolder, &QPushButton::clicked, this, &TCommandsPage::AddFolderRequested);
    addGrid->addWidget(bAdd[ikGroup], 0, 0);
    addGrid->addWidget(bAdd[ikProgram], 0, 1);
    addGrid->addWidget(bAdd[ikUrl], 1, 0);
    addGrid->addWidget(bAdd[ikComment], 1, 1);
    addGrid->addWidget(bAdd[ikExit], 2, 0);
    addGrid->addWidget(bAddFolder, 2, 1);
    addGrid->addWidget(rgWhereAdd, 0, 2, 2, 1);
    addGrid->addWidget(bDelete, 2, 2);

    auto *gbProps = new QGroupBox(tr("Свойства элемента"), this);
    auto *form = new QFormLayout(gbProps);
    form->setContentsMargins(6, 4, 6, 6);
    form->setVerticalSpacing(3);
    form->setHorizontalSpacing(kFieldSpacing);
    // One label width for the form's rows and the kind's panels, so the fields line up.
    int labelWidth = 0;
    for (const QString &caption : {tr("Заголовок"), tr("Номер"), tr("Путь"), tr("Адрес"), tr("Параметры")})
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(caption));
    labelWidth += kLabelPadding;
    auto label = [&](const QString &caption, QWidget *parent) {
        auto *l = new QLabel(caption, parent);
        l->setFixedWidth(labelWidth);
        return l;
    };
    leName = new QLineEdit(gbProps);
    leName->setObjectName(QStringLiteral("leName"));
    QLabel *LName = label(tr("Заголовок"), gbProps);
    LName->setBuddy(leName);
    form->addRow(LName, leName);

    auto *numberRow = new QHBoxLayout;
    stNumber = new QLabel(gbProps);
    stNumber->setObjectName(QStringLiteral("stNumber"));
    stNumber->setMinimumWidth(40);
    cbHidden = new QCheckBox(tr("Скрытый"), gbProps);
    cbHidden->setObjectName(QStringLiteral("cbHidden"));
    numberRow->addWidget(stNumber);
    numberRow->addStretch();
    numberRow->addWidget(cbHidden);
    form->addRow(label(tr("Номер"), gbProps), numberRow);

    pCustom = new QWidget(gbProps);
    auto *customLayout = new QHBoxLayout(pCustom);
    customLayout->setContentsMargins(0, 0, 0, 0);
    customLayout->setSpacing(kFieldSpacing);
    LCustom = label(QString(), pCustom);
    leCustom = new TFileNameEdit(pCustom);
    leCustom->setObjectName(QStringLiteral("leCustom"));
    leCustom->BrowseButton()->setObjectName(QStringLiteral("bBrowseCustom"));
    LCustom->setBuddy(leCustom);
    leCustom->setAccessibleName(tr("Путь или адрес"));   // the label is empty until an entry is chosen
    customLayout->addWidget(LCustom);
    customLayout->addWidget(leCustom, 1);
    form->addRow(pCustom);

    pParams = new QWidget(gbProps);
    auto *paramsLayout = new QHBoxLayout(pParams);
    paramsLayout->setContentsMargins(0, 0, 0, 0);
    paramsLayout->setSpacing(kFieldSpacing);
    QLabel *LParams = label(tr("Параметры"), pParams);
    leParams = new QLineEdit(pParams);
    leParams->setObjectName(QStringLiteral("leParams"));
    LParams->setBuddy(leParams);
    paramsLayout->addWidget(LParams);
    paramsLayout->addWidget(leParams, 1);
    form->addRow(pParams);

    mComment = new QPlainTextEdit(gbProps);
    mComment->setObjectName(QStringLiteral("mComment"));
    mComment->setTabChangesFocus(true);
    auto *LComment = new QLabel(tr("Комментарий"), gbProps);
    LComment->setBuddy(mComment);
    form->addRow(LComment);
    form->addRow(mComment);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(gbAdd);
    right->addWidget(gbProps, 1);
    auto *page = new QHBoxLayout(this);
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
    // A path changed elsewhere (the check's «Исправить», an undo) shows at once.
    connect(&Tree(), &TCommandTree::Edited, this, [this] {
        const TBaseItem *item = Tree().CurrentItem();
        if (!item || leCustom->text() == item->Custom())
            return;
        m_filling = true;
        leCustom->setText(item->Custom());
        m_filling = false;
    });
    connect(leCustom, &TFileNameEdit::BrowseClicked, this, &TCommandsPage::leCustomBrowse);
    connect(leCustom, &TFileNameEdit::FileDropped, this, &TCommandsPage::TakeFile);
    connect(leCustom, &TFileNameEdit::SeveralFilesDropped, this, [this](int count) {
        m_prompt->inform(tr("Путь"), tr("Перетащено файлов: %1. Путь программы ведёт к одному файлу: перетащите "
                                        "его один.")
                                         .arg(count));
    });
    // The mark's picture comes from the style's icon theme, which is slow to
    // look up: it is fetched when a mark first shows, not at start-up.
    m_pathMark = leCustom->addAction(QIcon(), QLineEdit::LeadingPosition);
    m_pathMark->setObjectName(QStringLiteral("aPathMark"));
    m_pathMark->setText(tr("Предупреждение о пути"));   // the mark's accessible name
    m_pathMark->setVisible(false);
    connect(leCustom, &QLineEdit::textChanged, this, &TCommandsPage::UpdatePathMark);
    connect(&m_project.Options(), &TProjectOptions::Changed, this, &TCommandsPage::UpdatePathMark);
    // A move by dragging is an undo step like any other edit.
    TreeView->SetDropHandler([this](TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift) {
        return m_editor.Drop(dragged, target, ctrl, shift);
    });
}

void TCommandsPage::leCustomBrowse()
{
    const QString name = m_prompt->openFileName(tr("Программа"), m_dialogFolder(), tr(kProgramFilter));
    if (!name.isEmpty())
        TakeFile(name);
}

void TCommandsPage::SetRootDir(const QString &folder)
{
    TProjectOptions &options = m_project.Options();
    TProjectOptions changed;
    changed.Assign(options);
    changed.SetRootDir(folder);
    m_project.Push(new TOptionsCommand(options, changed));
}

void TCommandsPage::AskRootDir(const QFileInfo &file)
{
    const QString caption = tr("Корневой Каталог");
    const QString disc = m_project.Options().RootDir();
    const QString guess = GuessDiscFolder(file.absoluteFilePath(), m_project.FileName(), QDir::homePath());
    if (disc.isEmpty()) {
        if (m_discAsked || guess.isEmpty())
            return;
        m_discAsked = true;
        const QString text = tr("Корневой Каталог не задан. Сделать им папку %1, чтобы пути вели к файлам на "
                                "диске?\n\n«Нет» — выбрать другую папку, «Отмена» — не задавать.")
                                 .arg(QDir::toNativeSeparators(guess));
        switch (m_prompt->ask(caption, text, UserPrompt::Buttons::YesNoCancel, UserPrompt::Icon::Question)) {
        case UserPrompt::Answer::Yes:
            SetRootDir(guess);
            return;
        case UserPrompt::Answer::No:
            break;
        default:
            return;
        }
    } else {
        const QString text = tr("Файл %1 лежит вне Корневого Каталога %2: на диске его не будет.\n\nВыбрать "
                                "другой Корневой Каталог?")
                                 .arg(QDir::toNativeSeparators(file.absoluteFilePath()),
                                      QDir::toNativeSeparators(disc));
        if (m_prompt->ask(caption, text, UserPrompt::Buttons::YesNo, UserPrompt::Icon::Warning)
            != UserPrompt::Answer::Yes)
            return;
    }
    const QString chosen = m_prompt->folder(caption, guess.isEmpty() ? file.absolutePath() : guess);
    if (!chosen.isEmpty())
        SetRootDir(chosen);
}

void TCommandsPage::TakeFile(const QString &file)
{
    TProjectOptions &options = m_project.Options();
    const QFileInfo info(file);
    QString path = info.absoluteFilePath();
    const auto onDisc = [this, &options, &path]() -> std::optional<QString> {
        if (options.RootDir().isEmpty())
            return std::nullopt;
        const QString disc = QFileInfo(options.RootDir()).absoluteFilePath();
        const QString base = TProjectCheck::BaseFolder(options, m_project.FileName(), disc);
        return TPlayerPath::FromLocal(disc, path, base);
    };
    if (!onDisc())
        AskRootDir(info);
    if (const std::optional<QString> relative = onDisc())
        path = *relative;
    leCustom->setText(path);
}

void TCommandsPage::UpdatePathMark()
{
    const QString text = leCustom->text();
    QString tip;
    if (TPlayerPath::IsLocalFullPath(text)) {
        const QString disc = m_project.Options().RootDir();
        const bool inside = !disc.isEmpty()
                            && TPlayerPath::FromLocal(QFileInfo(disc).absoluteFilePath(), text.trimmed()).has_value();
        tip = inside ? tr("Полный путь Linux: на диске он не сработает. «Проверить проект» предложит исправить его.")
                     : tr("Файл вне Корневого Каталога: на диске его не будет.");
    }
    if (!tip.isEmpty() && m_pathMark->icon().isNull())
        m_pathMark->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    m_pathMark->setVisible(!tip.isEmpty());
    m_pathMark->setToolTip(tip);
    leCustom->setToolTip(tip);
}

void TCommandsPage::TreeViewChange(TBaseItem *item)
{
    const TItemKind kind = item ? item->Kind() : ikGroup;
    pParams->setVisible(kind == ikProgram);
    pCustom->setVisible(kind == ikProgram || kind == ikUrl);
    leCustom->SetBrowseVisible(kind == ikProgram);
    LCustom->setText(kind == ikProgram ? tr("Путь") : kind == ikUrl ? tr("Адрес") : QString());
    leCustom->setAccessibleName(LCustom->text().isEmpty() ? tr("Путь или адрес") : LCustom->text());
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

void TCommandsPage::bAddClick(TItemKind kind)
{
    TBaseItem *item = m_editor.Add(kind);
    // A new group opens, so that its automatic "Выход" can be seen.
    if (item && item->IsGroup())
        TreeView->expand(Tree().IndexOf(item));
    leName->setFocus();
    leName->selectAll();
}

void TCommandsPage::bDeleteClick()
{
    m_editor.DeleteCurrent();
}
