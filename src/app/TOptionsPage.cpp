#include "app/TOptionsPage.h"

#include "app/BoxText.h"
#include "project/TOptionsCommand.h"
#include "project/TProject.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {


// The hints mark tooltip line breaks with a carriage return.
QString Hint(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

TOptionsPage::TOptionsPage(TProject &project, QWidget *parent) : QWidget(parent), m_project(project)
{
    setObjectName(QStringLiteral("tsText"));
    CreateOptionsPage();
    connect(&m_project.Options(), &TProjectOptions::Changed, this, &TOptionsPage::FillOptions);
    FillOptions();
}

void TOptionsPage::CreateOptionsPage()
{
    auto *gbExit = new QGroupBox(tr("Выход из Автозапуска"), this);
    auto *exitLayout = new QVBoxLayout(gbExit);
    cbExitLevelUp = new QCheckBox(tr("Выход по кнопке Вверх"), gbExit);
    cbExitLevelUp->setToolTip(Hint(tr("Если есть отдельно стоящая кнопка с действием LevelUp или привязанная к\r"
                                   "команде типа Выход, то выходить, если она нажата в корневой группе")));
    cbExitAnyCommand = new QCheckBox(tr("Выход после любой команды"), gbExit);
    cbExitAnyCommand->setToolTip(Hint(tr("Выходить после исполнения любой команды типа Программа или URL")));
    cbExitQuestion = new QCheckBox(tr("Вопрос при выходе кнопкой"), gbExit);
    cbExitQuestion->setToolTip(Hint(tr("Спрашивать при нажатии на кнопку Выход")));
    cbExitCross = new QCheckBox(tr("Вопрос при выходе крестиком"), gbExit);
    cbExitCross->setToolTip(Hint(tr("Спрашивать при нажатии на системную кнопку в углу окна или по сообщению окну")));
    for (QCheckBox *cb : {cbExitLevelUp, cbExitAnyCommand, cbExitQuestion, cbExitCross})
        exitLayout->addWidget(cb);

    auto *gbPath = new QGroupBox(tr("Обработка путей файлов"), this);
    auto *pathLayout = new QVBoxLayout(gbPath);
    cbCdRoot = new QCheckBox(tr("От корня компакт-диска, если Velmora.EXE или Velmora.XML на нём"), gbPath);
    cbCdRoot->setToolTip(Hint(tr("Если Velmora.EXE или Velmora.XML находятся на компакт-диске, то в начало\r"
                              "пути ставится имя этого диска, если нет - то один из вариантов внизу")));
    rbCdRoot = new QRadioButton(tr("От Корневого Каталога"), gbPath);
    rbCdRoot->setToolTip(Hint(tr("В начало пути вставляется \"Корневой Каталог\"")));
    rbProject = new QRadioButton(tr("От расположения файла проекта (Velmora.XML)"), gbPath);
    rbProject->setToolTip(Hint(tr("В начало пути вставляется путь к Velmora.XML")));
    rbVelmora = new QRadioButton(tr("От расположения программы автозапуска (Velmora.EXE)"), gbPath);
    rbVelmora->setToolTip(Hint(tr("В начало пути вставляется путь к Velmora.EXE")));
    rbCurrentDir = new QRadioButton(tr("От текущего каталога"), gbPath);
    rbCurrentDir->setToolTip(Hint(tr("В начало пути вставляется каталог, из которого запущен Velmora.EXE,\r"
                                  "даже если он там не лежит. Для компакт-дисков это путь к Velmora.EXE")));
    // Not exclusive through Qt: a file may turn all four off.
    for (QRadioButton *rb : {rbCdRoot, rbProject, rbVelmora, rbCurrentDir})
        rb->setAutoExclusive(false);
    pathLayout->addWidget(cbCdRoot);
    for (QRadioButton *rb : {rbCdRoot, rbProject, rbVelmora, rbCurrentDir})
        pathLayout->addWidget(rb);
    auto *rootRow = new QHBoxLayout;
    auto *LRootDir = new QLabel(tr("Корневой Каталог:"), gbPath);
    leRootDir = new QLineEdit(gbPath);
    leRootDir->setReadOnly(true);
    leRootDir->setPlaceholderText(tr("не задан"));
    leRootDir->setAccessibleName(tr("Корневой Каталог"));
    LRootDir->setBuddy(leRootDir);
    bRootDir = new QPushButton(tr("Изменить..."), gbPath);
    bRootDir->setAccessibleName(tr("Изменить Корневой Каталог"));
    rootRow->addWidget(LRootDir);
    rootRow->addWidget(leRootDir, 1);
    rootRow->addWidget(bRootDir);
    pathLayout->addLayout(rootRow);
    connect(bRootDir, &QPushButton::clicked, this, &TOptionsPage::RootDirRequested);

    auto *gbAbout = new QGroupBox(tr("Текст \"О Программе\""), this);
    gbAbout->setToolTip(tr("Текст, который оказывается внизу окна \"О Программе...\" Автозапуска"));
    auto *aboutLayout = new QVBoxLayout(gbAbout);
    mAbout = new QPlainTextEdit(gbAbout);
    mAbout->setObjectName(QStringLiteral("mAbout"));
    mAbout->setLineWrapMode(QPlainTextEdit::NoWrap);
    mAbout->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on, as in every other field: the file could not keep a TAB anyway.
    mAbout->setTabChangesFocus(true);
    aboutLayout->addWidget(mAbout);

    auto *page = new QGridLayout(this);
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
        {rbVelmora, "rbVelmora"}, {rbCurrentDir, "rbCurrentDir"}, {leRootDir, "leRootDir"},
        {bRootDir, "bRootDir"}};
    for (const auto &[widget, name] : named)
        widget->setObjectName(QString::fromLatin1(name));

    // cbOptionClick: every box and button writes the options at once.
    for (QCheckBox *cb : {cbExitLevelUp, cbExitAnyCommand, cbExitQuestion, cbExitCross, cbCdRoot})
        connect(cb, &QCheckBox::toggled, this, &TOptionsPage::OptionsFromControls);
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

void TOptionsPage::OptionsFromControls()
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

void TOptionsPage::FillOptions()
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
    leRootDir->setText(QDir::toNativeSeparators(o.RootDir()));
    if (BoxText(mAbout) != o.About())
        mAbout->setPlainText(o.About());
    m_filling = false;
}
