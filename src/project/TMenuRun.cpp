#include "project/TMenuRun.h"

#include "project/TBaseItem.h"
#include "project/TCommandTree.h"
#include "project/TDiscFolder.h"
#include "project/TProjectCheck.h"
#include "project/TProjectOptions.h"

TMenuRun::TMenuRun(const TCommandTree &tree, const TProjectOptions &options, QList<TRunButton> buttons,
                   const QString &projectFile, const QString &discDir)
    : m_tree(tree), m_options(options), m_buttons(std::move(buttons)), m_projectFile(projectFile),
      m_discDir(discDir.isEmpty() ? options.RootDir() : discDir)
{
    m_selected = Entries().isEmpty() ? -1 : 0;
}

TMenuRun::~TMenuRun() = default;

QString TMenuRun::ExitQuestion()
{
    return tr("Выйти?");
}

QList<const TBaseItem *> TMenuRun::Entries() const
{
    QList<const TBaseItem *> entries;
    for (const TBaseItem *item : m_group ? m_group->Children() : m_tree.TopLevel()) {
        if (!item->Hidden())
            entries << item;
    }
    return entries;
}

const TBaseItem *TMenuRun::SelectedItem() const
{
    const QList<const TBaseItem *> entries = Entries();
    return m_selected >= 0 && m_selected < entries.size() ? entries.at(m_selected) : nullptr;
}

QString TMenuRun::LevelPath() const
{
    QStringList names;
    for (const TBaseItem *g = m_group; g; g = g->Parent())
        names.prepend(g->Name());
    return QLatin1Char('/') + names.join(QLatin1Char('/'));
}

QString TMenuRun::GroupCaption() const
{
    return m_group ? m_group->Name() : QString();
}

QString TMenuRun::Comment() const
{
    const TBaseItem *item = SelectedItem();
    return item ? item->Comment() : QString();
}

int TMenuRun::FindButton(const QString &caption) const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i).caption == caption)
            return i;
    }
    return -1;
}

void TMenuRun::Select(int index)
{
    if (m_ended || index < 0 || index >= Entries().size())
        return;
    m_selected = index;
}

void TMenuRun::SelectNext()
{
    Select(m_selected + 1);
}

void TMenuRun::SelectPrevious()
{
    if (m_selected > 0)
        Select(m_selected - 1);
}

void TMenuRun::Activate()
{
    if (m_ended)
        return;
    if (const TBaseItem *item = SelectedItem())
        Run(*item, QString());
}

void TMenuRun::ActivateEntry(int index)
{
    if (m_ended || index < 0 || index >= Entries().size())
        return;
    m_selected = index;
    Activate();
}

void TMenuRun::PressButton(int index)
{
    if (m_ended || index < 0 || index >= m_buttons.size())
        return;
    const TRunButton &button = m_buttons.at(index);
    switch (button.action) {
    case TPicButton::baExit:
        Exit(m_options.ExitQuestion());
        break;
    case TPicButton::baLevelUp:
        if (!GoUp()) {
            if (m_options.ExitLevelUp())
                Exit(false);
            else
                AddLine(tr("Кнопка «%1»: это верхний уровень, а «Выход по кнопке Вверх» выключен")
                            .arg(button.caption));
        }
        break;
    case TPicButton::baExecute:
        if (const TBaseItem *item = m_tree.FindById(button.itemId))
            Run(*item, button.caption);
        else
            AddLine(tr("Кнопка «%1»: команда №%2 не найдена").arg(button.caption).arg(button.itemId));
        break;
    case TPicButton::baBrowse:
        AddLine(tr("Открыть папку диска"));
        break;
    case TPicButton::baHelp:
        AddLine(tr("Справка"));
        break;
    case TPicButton::baMinimize:
        AddLine(tr("Свернуть окно"));
        m_minimized = true;
        break;
    }
}

void TMenuRun::Close()
{
    if (!m_ended)
        Exit(m_options.ExitCross());
}

// who: the caption of the stand-alone button that runs item; empty for the menu.
void TMenuRun::Run(const TBaseItem &item, const QString &who)
{
    switch (item.Kind()) {
    case ikGroup:
        Enter(&item);
        break;
    case ikProgram:
    case ikUrl:
        if (item.Kind() == ikProgram)
            RunProgram(item);
        else if (item.Custom().trimmed().isEmpty())
            AddLine(tr("Открыть адрес: адрес не указан"));
        else
            AddLine(tr("Открыть адрес: %1").arg(item.Custom().trimmed()));
        if (m_options.ExitAnyCommand())
            m_ended = true;
        break;
    case ikComment:
        // A comment line in the menu does nothing; a button bound to one says so.
        if (!who.isEmpty())
            AddLine(tr("Кнопка «%1»: команда №%2 — комментарий, ничего не делает").arg(who).arg(item.Id()));
        break;
    case ikExit:
        // In a group: up one level. At the top: the menu's exit for an entry,
        // the Up button's rule for a stand-alone button.
        if (GoUp())
            break;
        if (who.isEmpty())
            Exit(m_options.ExitQuestion());
        else if (m_options.ExitLevelUp())
            Exit(false);
        else
            AddLine(tr("Кнопка «%1»: это верхний уровень, а «Выход по кнопке Вверх» выключен").arg(who));
        break;
    }
}

void TMenuRun::RunProgram(const TBaseItem &item)
{
    const QString path = item.Custom().trimmed();
    if (path.isEmpty()) {
        AddLine(tr("Запуск: файл программы не указан"));
        return;
    }
    const QString params = item.Params().trimmed();
    const QString command = params.isEmpty() ? path : path + QLatin1Char(' ') + params;
    AddLine(tr("Запуск: %1 — %2").arg(command, DiscState(item.Custom())));
}

QString TMenuRun::DiscState(const QString &custom)
{
    const TProjectCheck::TProgramPath path =
        TProjectCheck::ResolveProgram(m_options, m_projectFile, m_discDir, custom);
    switch (path.kind) {
    case TProjectCheck::TProgramPath::pkEmpty:
        return tr("файл программы не указан");
    case TProjectCheck::TProgramPath::pkAbsolute:
        return tr("путь абсолютный, на диске не проверяется");
    case TProjectCheck::TProgramPath::pkOutside:
        return tr("путь ведёт за пределы диска");
    case TProjectCheck::TProgramPath::pkOnDisc:
        break;
    }
    if (m_discDir.isEmpty())
        return tr("Корневой Каталог не задан, файл не проверен");
    if (!m_disc)
        m_disc = std::make_unique<TDiscFolder>(m_discDir);
    if (!m_disc->Exists())
        return tr("Корневой Каталог не найден, файл не проверен");
    return m_disc->ContainsKey(path.relative) ? tr("файл есть на диске") : tr("файла нет на диске");
}

void TMenuRun::Enter(const TBaseItem *group)
{
    m_group = group;
    m_selected = Entries().isEmpty() ? -1 : 0;
    if (m_selected < 0)
        AddLine(tr("Группа «%1» пуста, в её меню нет ни одной команды").arg(group->Name()));
}

bool TMenuRun::GoUp()
{
    if (!m_group)
        return false;
    const TBaseItem *left = m_group;
    m_group = left->Parent();
    // The group just left is selected again (unless it is hidden: then the first).
    const int index = int(Entries().indexOf(left));
    m_selected = index >= 0 ? index : (Entries().isEmpty() ? -1 : 0);
    return true;
}

bool TMenuRun::Exit(bool ask)
{
    if (ask && !Ask(ExitQuestion()))
        return false;
    AddLine(tr("Выход из меню"));
    m_ended = true;
    return true;
}

bool TMenuRun::Ask(const QString &question)
{
    const bool yes = m_asker ? m_asker(question) : true;
    m_log.append({TRunLine::lkQuestion, question, yes});
    return yes;
}

void TMenuRun::AddLine(const QString &text)
{
    m_log.append({TRunLine::lkAction, text, false});
}
