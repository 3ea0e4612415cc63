#include "project/TAddFolderForm.h"

#include "kit/HelpContext.h"
#include "kit/THistoryEdit.h"
#include "base/UserPrompt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kDefaultMask = QStringLiteral("*.*");
const QStringList kFileMaskHistory = {
    QStringLiteral("*.exe;*.zip;*.txt"), QStringLiteral("*.exe"), QStringLiteral("*.exe;*.zip;*.rtf"),
    QStringLiteral("*.exe;*.zip"), QStringLiteral("*.*"),
};
const char *const kPickerCaption = QT_TRANSLATE_NOOP("TAddFolderForm", "Выберите каталог");
constexpr int kMargin = 8;
constexpr int kSpacing = 4;
constexpr int kMaxDepthLimit = 9;   // one digit

template <class W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TAddFolderForm::TAddFolderForm(UserPrompt &prompt, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_prompt(prompt)
{
    setObjectName(QStringLiteral("AddFolderForm"));
    setWindowTitle(tr("Добавить каталог..."));
    help::setHelpContext(this, help::kFolderImport);

    LDirName = named(new QLabel(tr("Каталог:"), this), "LDirName");
    leDirName = named(new QLineEdit(this), "leDirName");
    LDirName->setBuddy(leDirName);
    bBrowse = named(new QPushButton(tr("Пролистать"), this), "bBrowse");
    bBrowse->setAutoDefault(false);

    gbSearch = named(new QGroupBox(tr("Настройки поиска"), this), "gbSearch");
    cbRecurseDirs = named(new QCheckBox(tr("Включать подкаталоги"), gbSearch), "cbRecurseDirs");
    cbRecurseDirs->setChecked(true);
    LDirMask = named(new QLabel(tr("Маска каталогов"), gbSearch), "LDirMask");
    heDirMask = named(new THistoryEdit(gbSearch), "heDirMask");
    heDirMask->setHistory({kDefaultMask});
    heDirMask->setText(kDefaultMask);
    LDirMask->setBuddy(heDirMask);
    cbDepth = named(new QCheckBox(tr("Ограничить вложенность каталогов до"), gbSearch), "cbDepth");
    // One digit with arrows beside it; its size hint holds the digit and the arrows.
    DirDepth = named(new QSpinBox(gbSearch), "DirDepth");
    DirDepth->setRange(0, kMaxDepthLimit);
    DirDepth->setAlignment(Qt::AlignCenter);
    DirDepth->setValue(kMaxDepthLimit);   // a change of value writes the field's text at once,
    DirDepth->setValue(0);                // not only when it is first shown
    LFileMask = named(new QLabel(tr("Маска файлов"), gbSearch), "LFileMask");
    heFileMask = named(new THistoryEdit(gbSearch), "heFileMask");
    heFileMask->setHistory(kFileMaskHistory);
    heFileMask->setText(kDefaultMask);
    LFileMask->setBuddy(heFileMask);

    cbExtension = named(new QCheckBox(tr("Расширение файла"), this), "cbExtension");
    cbPathComment = named(new QCheckBox(tr("Путь в комментарии"), this), "cbPathComment");
    cbOneGroup = named(new QCheckBox(tr("Всё в одну группу"), this), "cbOneGroup");
    cbNoAlone = named(new QCheckBox(tr("Не создавать группу для одного файла"), this), "cbNoAlone");

    gbCommandName = named(new QGroupBox(tr("Имя команды"), this), "gbCommandName");
    rbFullPath = named(new QRadioButton(tr("Полный путь"), gbCommandName), "rbFullPath");
    rbDirPath = named(new QRadioButton(tr("Путь от каталога"), gbCommandName), "rbDirPath");
    rbNoPath = named(new QRadioButton(tr("Без пути"), gbCommandName), "rbNoPath");
    rbNoPath->setChecked(true);
    gbFileName = named(new QGroupBox(tr("Имя файла"), this), "gbFileName");
    rbFFullPath = named(new QRadioButton(tr("Полный путь"), gbFileName), "rbFFullPath");
    rbFDirPath = named(new QRadioButton(tr("Путь от каталога"), gbFileName), "rbFDirPath");
    rbFIncDirPath = named(new QRadioButton(tr("Путь с каталогом"), gbFileName), "rbFIncDirPath");
    rbFIncDirPath->setChecked(true);

    LDirPrefix = named(new QLabel(tr("Приставка к пути"), this), "LDirPrefix");
    leDirPrefix = named(new QLineEdit(this), "leDirPrefix");
    LDirPrefix->setBuddy(leDirPrefix);

    bOK = named(new QPushButton(QStringLiteral("OK"), this), "bOK");
    bOK->setDefault(true);
    bCancel = named(new QPushButton(tr("Отмена"), this), "bCancel");
    bCancel->setAutoDefault(false);

    // Layout.
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    root->setSpacing(kSpacing);
    root->addWidget(LDirName);
    auto *dirRow = new QHBoxLayout;
    dirRow->addWidget(leDirName, 1);
    dirRow->addWidget(bBrowse);
    root->addLayout(dirRow);

    auto *search = new QGridLayout(gbSearch);
    search->setContentsMargins(kMargin, kSpacing, kMargin, kSpacing);
    search->setVerticalSpacing(kSpacing);
    search->addWidget(cbRecurseDirs, 0, 0, 1, 2);
    search->addWidget(LDirMask, 1, 0);
    search->addWidget(heDirMask, 1, 1);
    auto *depthRow = new QHBoxLayout;
    depthRow->addWidget(cbDepth);
    depthRow->addWidget(DirDepth);
    depthRow->addStretch(1);
    search->addLayout(depthRow, 2, 0, 1, 2);
    search->addWidget(LFileMask, 3, 0);
    search->addWidget(heFileMask, 3, 1);
    search->setColumnStretch(1, 1);
    root->addWidget(gbSearch);

    auto *checks = new QVBoxLayout;
    checks->setSpacing(0);
    for (QCheckBox *cb : {cbExtension, cbPathComment, cbOneGroup, cbNoAlone})
        checks->addWidget(cb);
    root->addLayout(checks);

    auto *names = new QHBoxLayout;
    for (QGroupBox *gb : {gbCommandName, gbFileName}) {
        auto *v = new QVBoxLayout(gb);
        v->setContentsMargins(kMargin, kSpacing, kMargin, kSpacing);
        v->setSpacing(0);
        names->addWidget(gb, 1);
    }
    for (QRadioButton *rb : {rbFullPath, rbDirPath, rbNoPath})
        gbCommandName->layout()->addWidget(rb);
    for (QRadioButton *rb : {rbFFullPath, rbFDirPath, rbFIncDirPath})
        gbFileName->layout()->addWidget(rb);
    root->addLayout(names);

    auto *prefixRow = new QHBoxLayout;
    prefixRow->addWidget(LDirPrefix);
    prefixRow->addWidget(leDirPrefix, 1);
    root->addLayout(prefixRow);
    root->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK);
    buttons->addWidget(bCancel);
    root->addLayout(buttons);

    // The dialog's size is fixed: its design size, or larger where the
    // system's font needs more room, so that no caption is cut.
    setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));

    connect(bBrowse, &QPushButton::clicked, this, &TAddFolderForm::bBrowseClick);
    connect(bOK, &QPushButton::clicked, this, &TAddFolderForm::accept);
    connect(bCancel, &QPushButton::clicked, this, &TAddFolderForm::reject);
    connect(cbRecurseDirs, &QCheckBox::toggled, this, &TAddFolderForm::UpdateEnabled);
    connect(cbDepth, &QCheckBox::toggled, this, &TAddFolderForm::UpdateEnabled);
    connect(cbOneGroup, &QCheckBox::toggled, this, &TAddFolderForm::UpdateEnabled);
    UpdateEnabled();
}

void TAddFolderForm::UpdateEnabled()
{
    const bool recurse = cbRecurseDirs->isChecked();
    heDirMask->setEnabled(recurse);
    LDirMask->setEnabled(recurse);
    cbDepth->setEnabled(recurse);
    DirDepth->setEnabled(recurse && cbDepth->isChecked());
    cbNoAlone->setEnabled(!cbOneGroup->isChecked());
}

bool TAddFolderForm::Execute()
{
    // Centred on the screen each time it opens.
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    return exec() == QDialog::Accepted;
}

void TAddFolderForm::bBrowseClick()
{
    const QString start = leDirName->text();
    const QString chosen = m_prompt.folder(tr(kPickerCaption), start);
    if (!chosen.isEmpty())
        leDirName->setText(chosen);
}

void TAddFolderForm::accept()
{
    heDirMask->AddToHistory();
    heFileMask->AddToHistory();
    QDialog::accept();
}

TImportOptions TAddFolderForm::Options() const
{
    TImportOptions o;
    o.dirName = leDirName->text();
    o.recurseDirs = cbRecurseDirs->isChecked();
    o.dirMask = heDirMask->text();
    o.limitDepth = cbDepth->isChecked();
    o.depthLimit = DirDepth->text().isEmpty() ? 0 : DirDepth->text().toInt();
    o.fileMask = heFileMask->text();
    o.extension = cbExtension->isChecked();
    o.pathComment = cbPathComment->isChecked();
    o.oneGroup = cbOneGroup->isChecked();
    o.noAlone = cbNoAlone->isChecked();
    o.nameMode = rbFullPath->isChecked() ? TImportOptions::NameMode::FullPath
               : rbDirPath->isChecked() ? TImportOptions::NameMode::DirPath
                                        : TImportOptions::NameMode::NoPath;
    o.pathMode = rbFFullPath->isChecked() ? TImportOptions::PathMode::FullPath
               : rbFDirPath->isChecked() ? TImportOptions::PathMode::DirPath
                                         : TImportOptions::PathMode::IncDirPath;
    o.dirPrefix = leDirPrefix->text();
    o.discDir = m_discDir;
    o.discBase = m_discBase;
    return o;
}
