#include "project/TMenuRun.h"

#include "project/TBaseItem.h"
#include "project/TCommandTree.h"
#include "project/TDiscFolder.h"
#include "project/TProjectCheck.h"
#include "project/TProjectOptions.h"
#include "rules/MenuTexts.h"

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
    return QCoreApplication::translate("TMenuRun", rules::MessageText(rules::Msg::ExitQuestion));
}

// The player's words (rules/MenuTexts), translated into the interface language.
QString TMenuRun::Words(const rules::LogLine &line)
{
    const auto translated = [](const char *text) { return QCoreApplication::translate("TMenuRun", text); };
    std::vector<std::string> args = line.args;
    if (line.msg == rules::Msg::RunProgram)
        args.push_back(translated(rules::DiscStateText(line.disc)).toStdString());
    return FromUtf8(rules::Fill(translated(rules::MessageText(line.msg)).toStdString(), args));
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
    const rules::ProgramPath path =
        TProjectCheck::ResolveProgram(m_options, m_projectFile, m_discDir, FromUtf8(customText));
    rules::DiscFolder folder = rules::DiscFolder::NotGiven;
    if (!m_discDir.isEmpty()) {
        if (!m_disc)
            m_disc = std::make_unique<TDiscFolder>(m_discDir);
        folder = m_disc->Exists() ? rules::DiscFolder::There : rules::DiscFolder::NotFound;
    }
    return rules::DiscStateOf(path, folder, [this](const std::string &relative) {
        const QString key = TDiscFolder::Key(QString::fromStdString(relative));
        return !m_disc->IsFolderKey(key) && m_disc->ContainsKey(key);
    });
}
