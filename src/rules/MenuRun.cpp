#include "rules/MenuRun.h"

namespace rules {

namespace {

// The code point at i in UTF-8 text and its length; a bad byte counts as one.
char32_t CodePointAt(const std::string &s, std::size_t i, std::size_t &length)
{
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (i + std::size_t(extra) >= s.size() + (extra ? 0 : 1))
        extra = 0;
    char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= extra; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + std::size_t(k)]) & 0x3F);
    length = std::size_t(extra) + 1;
    return cp;
}

bool IsSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
           || c == 0x3000;
}

void MapParents(const std::vector<Command> &level, const Command *parent,
                std::unordered_map<const Command *, const Command *> &parents)
{
    for (const Command &c : level) {
        parents[&c] = parent;
        MapParents(c.children, &c, parents);
    }
}

const Command *FindIn(const std::vector<Command> &level, std::int32_t id)
{
    for (const Command &c : level) {
        if (c.id == id)
            return &c;
        if (const Command *found = FindIn(c.children, id))
            return found;
    }
    return nullptr;
}

} // namespace

std::string TrimSpaces(const std::string &text)
{
    std::size_t start = 0;
    std::size_t length = 0;
    while (start < text.size() && IsSpace(CodePointAt(text, start, length)))
        start += length;
    std::size_t end = start;
    for (std::size_t i = start; i < text.size(); i += length) {
        if (!IsSpace(CodePointAt(text, i, length)))
            end = i + length;
    }
    return text.substr(start, end - start);
}

DiscState DiscStateOf(const ProgramPath &path, DiscFolder folder,
                      const std::function<bool(const std::string &relative)> &onDisc)
{
    switch (path.kind) {
    case ProgramPath::Empty: return DiscState::NotGiven;
    case ProgramPath::Absolute: return DiscState::Absolute;
    case ProgramPath::Outside:
    case ProgramPath::OnDisc: break;
    }
    if (folder == DiscFolder::NotGiven)
        return DiscState::NoDiscFolder;
    if (folder == DiscFolder::NotFound)
        return DiscState::DiscNotFound;
    // A folder is no program: the player cannot run it.
    return !path.folder && onDisc(path.relative) ? DiscState::Present : DiscState::Missing;
}

Msg WhyNotPressable(const RunButton &button)
{
    if (!button.visible)
        return Msg::ButtonHidden;
    if (button.width <= 0 || button.height <= 0)
        return Msg::ButtonNoSize;
    return Msg::ExitMenu;
}

MenuRun::MenuRun(const std::vector<Command> &commands, const Options &options, std::vector<RunButton> buttons)
    : m_commands(commands), m_options(options), m_buttons(std::move(buttons))
{
    MapParents(m_commands, nullptr, m_parents);
    m_selected = Entries().empty() ? -1 : 0;
}

const Command *MenuRun::Parent(const Command *item) const
{
    const auto it = m_parents.find(item);
    return it == m_parents.end() ? nullptr : it->second;
}

std::vector<const Command *> MenuRun::Entries() const
{
    std::vector<const Command *> entries;
    for (const Command &c : m_group ? m_group->children : m_commands)
        if (!c.hidden)
            entries.push_back(&c);
    return entries;
}

const Command *MenuRun::SelectedItem() const
{
    const std::vector<const Command *> entries = Entries();
    return m_selected >= 0 && m_selected < int(entries.size()) ? entries[std::size_t(m_selected)] : nullptr;
}

std::string MenuRun::LevelPath() const
{
    std::vector<const Command *> groups;
    for (const Command *g = m_group; g; g = Parent(g))
        groups.push_back(g);
    std::string path;
    for (auto it = groups.rbegin(); it != groups.rend(); ++it)
        path += "/" + (*it)->name;
    return path.empty() ? "/" : path;
}

int MenuRun::FindButton(const std::string &caption) const
{
    int first = -1;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].caption != caption)
            continue;
        if (WhyNotPressable(m_buttons[i]) == Msg::ExitMenu)
            return int(i);
        if (first < 0)
            first = int(i);
    }
    return first;
}

const Command *MenuRun::FindById(std::int32_t id) const
{
    return FindIn(m_commands, id);
}

void MenuRun::Select(int index)
{
    if (m_ended || index < 0 || index >= int(Entries().size()))
        return;
    m_selected = index;
}

void MenuRun::SelectNext()
{
    Select(m_selected + 1);
}

void MenuRun::SelectPrevious()
{
    if (m_selected > 0)
        Select(m_selected - 1);
}

void MenuRun::Activate()
{
    if (m_ended)
        return;
    if (const Command *item = SelectedItem())
        Run(*item, nullptr);
}

void MenuRun::ActivateEntry(int index)
{
    if (m_ended || index < 0 || index >= int(Entries().size()))
        return;
    m_selected = index;
    Activate();
}

bool MenuRun::PressButton(int index)
{
    if (m_ended || index < 0 || index >= int(m_buttons.size()))
        return false;
    const RunButton &button = m_buttons[std::size_t(index)];
    if (WhyNotPressable(button) != Msg::ExitMenu)
        return false;
    switch (button.action) {
    case ButtonAction::Exit:
        Exit(m_options.exitQuestion);
        break;
    case ButtonAction::LevelUp:
        if (!GoUp()) {
            if (m_options.exitLevelUp)
                Exit(m_options.exitQuestion);
            else
                AddLine(Msg::UpAtTopOff, {button.caption});
        }
        break;
    case ButtonAction::Execute:
        if (const Command *item = FindById(button.itemId))
            Run(*item, &button.caption);
        else
            AddLine(Msg::ItemNotFound, {button.caption, std::to_string(button.itemId)});
        break;
    case ButtonAction::Browse:
        AddLine(Msg::Browse);
        break;
    case ButtonAction::Help:
        AddLine(Msg::Help);
        break;
    case ButtonAction::Minimize:
        AddLine(Msg::Minimize);
        m_minimized = true;
        break;
    }
    return true;
}

void MenuRun::PressKey(Key key)
{
    if (m_ended)
        return;
    switch (key) {
    case Key::Up: SelectPrevious(); break;
    case Key::Down: SelectNext(); break;
    case Key::Enter: Activate(); break;
    case Key::Left:
    case Key::Backspace: GoUp(); break;
    case Key::Escape:
        if (!GoUp())
            Close();
        break;
    }
}

void MenuRun::Close()
{
    if (!m_ended)
        Exit(m_options.exitCross);
}

// who: the caption of the stand-alone button that runs item; nullptr for the menu.
void MenuRun::Run(const Command &item, const std::string *who)
{
    switch (item.kind) {
    case ItemKind::Group:
        Enter(&item);
        break;
    case ItemKind::Program:
    case ItemKind::Url:
        if (item.kind == ItemKind::Program) {
            const std::string path = TrimSpaces(item.custom);
            if (path.empty()) {
                AddLine(Msg::ProgramNotGiven);
            } else {
                const std::string params = TrimSpaces(item.params);
                AddLine(Msg::RunProgram, {params.empty() ? path : path + " " + params});
                m_log.back().disc = m_probe ? m_probe(item.custom) : DiscState::NoDiscFolder;
            }
        } else {
            const std::string address = TrimSpaces(item.custom);
            if (address.empty())
                AddLine(Msg::UrlNotGiven);
            else
                AddLine(Msg::OpenUrl, {address});
        }
        m_log.back().command = &item;
        if (m_options.exitAnyCommand)
            Exit(false);
        break;
    case ItemKind::Comment:
        // A comment line in the menu does nothing; a button bound to one says so.
        if (who)
            AddLine(Msg::CommentButton, {*who, std::to_string(item.id)});
        break;
    case ItemKind::Exit:
        // In a group: up one level. At the top: the end of the run, whichever
        // way the entry was reached.
        if (!GoUp())
            Exit(m_options.exitQuestion);
        break;
    }
}

void MenuRun::Enter(const Command *group)
{
    m_group = group;
    m_selected = Entries().empty() ? -1 : 0;
    if (m_selected < 0)
        AddLine(Msg::EmptyGroup, {group->name});
}

bool MenuRun::GoUp()
{
    if (!m_group)
        return false;
    const Command *left = m_group;
    m_group = Parent(left);
    // The group just left is selected again (unless it is hidden: then the first).
    const std::vector<const Command *> entries = Entries();
    m_selected = entries.empty() ? -1 : 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == left)
            m_selected = int(i);
    return true;
}

bool MenuRun::Exit(bool ask)
{
    if (ask) {
        const bool yes = m_asker ? m_asker(Msg::ExitQuestion) : true;
        LogLine line;
        line.question = true;
        line.answer = yes;
        line.msg = Msg::ExitQuestion;
        m_log.push_back(line);
        if (!yes)
            return false;
    }
    AddLine(Msg::ExitMenu);
    m_ended = true;
    return true;
}

void MenuRun::AddLine(Msg msg, std::vector<std::string> args)
{
    LogLine line;
    line.msg = msg;
    line.args = std::move(args);
    m_log.push_back(std::move(line));
}

} // namespace rules
