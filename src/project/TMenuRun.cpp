#include "project/TMenuRun.h"

#include "project/TBaseItem.h"
#include "project/TCommandTree.h"
#include "project/TDiscFolder.h"
#include "project/TProjectCheck.h"
#include "project/TProjectOptions.h"

namespace {

// The tree's entries as the rules' commands, each mapped back to its entry.
void CopyLevel(const QList<TBaseItem *> &level, std::vector<rules::Command> &out)
{
    out.reserve(size_t(level.size()));
    for (const TBaseItem *item : level) {
        rules::Command c;
        c.kind = rules::ItemKind(item->Kind());
        c.id = item->Id();
        c.name = item->Name().toStdString();
        c.comment = item->Comment().toStdString();
        c.custom = item->Custom().toStdString();
        c.params = item->Params().toStdString();
        c.hidden = item->Hidden();
        out.push_back(std::move(c));
        CopyLevel(item->Children(), out.back().children);
    }
}

void MapLevel(const QList<TBaseItem *> &level, const std::vector<rules::Command> &copy,
              std::unordered_map<const rules::Command *, const TBaseItem *> &map)
{
    for (qsizetype i = 0; i < level.size(); ++i) {
        map[&copy[size_t(i)]] = level.at(i);
        MapLevel(level.at(i)->Children(), copy[size_t(i)].children, map);
    }
}

QString FromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

TMenuRun::TMenuRun(const TCommandTree &tree, const TProjectOptions &options, QList<TRunButton> buttons,
                   const QString &projectFile, const QString &discDir)
    : m_tree(tree), m_options(options), m_buttons(std::move(buttons)), m_projectFile(projectFile),
      m_discDir(discDir.isEmpty() ? options.RootDir() : discDir)
{
    CopyLevel(m_tree.TopLevel(), m_commands);
    MapLevel(m_tree.TopLevel(), m_commands, m_itemOf);
    m_rulesOptions.exitLevelUp = m_options.ExitLevelUp();
    m_rulesOptions.exitAnyCommand = m_options.ExitAnyCommand();
    m_rulesOptions.exitCross = m_options.ExitCross();
    m_rulesOptions.exitQuestion = m_options.ExitQuestion();
    std::vector<rules::RunButton> runButtons;
    for (const TRunButton &b : std::as_const(m_buttons))
        runButtons.push_back({b.caption.toStdString(), rules::ButtonAction(b.action), b.itemId, b.visible, b.width,
                              b.height});
    m_run = std::make_unique<rules::MenuRun>(m_commands, m_rulesOptions, std::move(runButtons));
    m_run->SetAsker([this](rules::Msg) { return m_asker ? m_asker(ExitQuestion()) : true; });
    m_run->SetProbe([this](const std::string &custom) { return DiscState(custom); });
}

TMenuRun::~TMenuRun() = default;

QString TMenuRun::ExitQuestion()
{
    return tr("Выйти?");
}

QString TMenuRun::Words(const rules::LogLine &line)
{
    const QString a1 = line.args.size() > 0 ? FromUtf8(line.args[0]) : QString();
    const QString a2 = line.args.size() > 1 ? FromUtf8(line.args[1]) : QString();
    switch (line.msg) {
    case rules::Msg::ExitQuestion: return ExitQuestion();
    case rules::Msg::ExitMenu: return tr("Выход из меню");
    case rules::Msg::UpAtTopOff:
        return tr("Кнопка «%1»: это верхний уровень, а «Выход по кнопке Вверх» выключен").arg(a1);
    case rules::Msg::ItemNotFound: return tr("Кнопка «%1»: команда №%2 не найдена").arg(a1, a2);
    case rules::Msg::Browse: return tr("Открыть папку диска");
    case rules::Msg::Help: return tr("Справка");
    case rules::Msg::Minimize: return tr("Свернуть окно");
    case rules::Msg::UrlNotGiven: return tr("Открыть адрес: адрес не указан");
    case rules::Msg::OpenUrl: return tr("Открыть адрес: %1").arg(a1);
    case rules::Msg::CommentButton:
        return tr("Кнопка «%1»: команда №%2 — комментарий, ничего не делает").arg(a1, a2);
    case rules::Msg::ProgramNotGiven: return tr("Запуск: файл программы не указан");
    case rules::Msg::RunProgram: {
        QString state;
        switch (line.disc) {
        case rules::DiscState::NotGiven: state = tr("файл программы не указан"); break;
        case rules::DiscState::Absolute: state = tr("путь абсолютный, на диске не проверяется"); break;
        case rules::DiscState::Outside: state = tr("путь ведёт за пределы диска"); break;
        case rules::DiscState::NoDiscFolder: state = tr("Корневой Каталог не задан, файл не проверен"); break;
        case rules::DiscState::DiscNotFound: state = tr("Корневой Каталог не найден, файл не проверен"); break;
        case rules::DiscState::Present: state = tr("файл есть на диске"); break;
        case rules::DiscState::Missing: state = tr("файла нет на диске"); break;
        }
        return tr("Запуск: %1 — %2").arg(a1, state);
    }
    case rules::Msg::EmptyGroup: return tr("Группа «%1» пуста, в её меню нет ни одной команды").arg(a1);
    case rules::Msg::ButtonHidden:
    case rules::Msg::ButtonNoSize: break;
    }
    return QString();
}

const TBaseItem *TMenuRun::ItemOf(const rules::Command *command) const
{
    const auto it = m_itemOf.find(command);
    return it == m_itemOf.end() ? nullptr : it->second;
}

QList<const TBaseItem *> TMenuRun::Entries() const
{
    QList<const TBaseItem *> entries;
    for (const rules::Command *c : m_run->Entries())
        entries << ItemOf(c);
    return entries;
}

const TBaseItem *TMenuRun::SelectedItem() const
{
    return ItemOf(m_run->SelectedItem());
}

QString TMenuRun::LevelPath() const
{
    return FromUtf8(m_run->LevelPath());
}

QString TMenuRun::GroupCaption() const
{
    const TBaseItem *group = Group();
    return group ? group->Name() : QString();
}

QString TMenuRun::Comment() const
{
    const TBaseItem *item = SelectedItem();
    return item ? item->Comment() : QString();
}

int TMenuRun::FindButton(const QString &caption) const
{
    return m_run->FindButton(caption.toStdString());
}

const QList<TRunLine> &TMenuRun::Log() const
{
    Follow();
    return m_log;
}

void TMenuRun::Follow() const
{
    const std::vector<rules::LogLine> &log = m_run->Log();
    for (size_t i = size_t(m_log.size()); i < log.size(); ++i) {
        const rules::LogLine &l = log[i];
        m_log.append({l.question ? TRunLine::lkQuestion : TRunLine::lkAction, Words(l), l.answer});
    }
}

void TMenuRun::Select(int index)
{
    m_run->Select(index);
}

void TMenuRun::SelectNext()
{
    m_run->SelectNext();
}

void TMenuRun::SelectPrevious()
{
    m_run->SelectPrevious();
}

void TMenuRun::Activate()
{
    m_run->Activate();
}

void TMenuRun::ActivateEntry(int index)
{
    m_run->ActivateEntry(index);
}

bool TMenuRun::PressButton(int index)
{
    return m_run->PressButton(index);
}

void TMenuRun::Close()
{
    m_run->Close();
}

rules::DiscState TMenuRun::DiscState(const std::string &customText)
{
    const QString custom = FromUtf8(customText);
    const rules::ProgramPath path = TProjectCheck::ResolveProgram(m_options, m_projectFile, m_discDir, custom);
    switch (path.kind) {
    case rules::ProgramPath::Empty:
        return rules::DiscState::NotGiven;
    case rules::ProgramPath::Absolute:
        return rules::DiscState::Absolute;
    case rules::ProgramPath::Outside:
    case rules::ProgramPath::OnDisc:
        break;
    }
    if (m_discDir.isEmpty())
        return rules::DiscState::NoDiscFolder;
    if (!m_disc)
        m_disc = std::make_unique<TDiscFolder>(m_discDir);
    if (!m_disc->Exists())
        return rules::DiscState::DiscNotFound;
    // A folder is no program: the player cannot run it.
    const QString key = TDiscFolder::Key(QString::fromStdString(path.relative));
    if (path.folder || m_disc->IsFolderKey(key))
        return rules::DiscState::Missing;
    return m_disc->ContainsKey(key) ? rules::DiscState::Present : rules::DiscState::Missing;
}
