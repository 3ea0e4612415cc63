#pragma once

#include "rules/ProgramPath.h"
#include "rules/ProjectModel.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// A visitor's session with the menu window, without the window: the current
// group, the selected entry, whether the run has ended, and the log of what
// the player does. The editor's test-run, `brenwick-cli try` and the player
// all run these rules; each words the log's messages itself (MenuTexts gives
// the player's Russian words).
namespace rules {

// What a log line says; the arguments fill the texts' %1, %2.
enum class Msg {
    ExitQuestion,     // "Выйти?"
    ExitMenu,         // "Выход из меню"
    UpAtTopOff,       // %1 the button's caption
    ItemNotFound,     // %1 caption, %2 number
    Browse,
    Help,
    Minimize,
    UrlNotGiven,
    OpenUrl,          // %1 the address
    CommentButton,    // %1 caption, %2 number
    ProgramNotGiven,
    RunProgram,       // %1 the command line; the disc state follows
    EmptyGroup,       // %1 the group's name
    ButtonHidden,     // not logged: why a button cannot be pressed (%1 caption)
    ButtonNoSize,
};

// What the disc says of a program's path.
enum class DiscState { NotGiven, Absolute, Outside, NoDiscFolder, DiscNotFound, Present, Missing };

// Whether the disc folder a program's path is looked for in is known and there.
enum class DiscFolder { NotGiven, NotFound, There };

// What the disc says of a resolved path; onDisc (the path from the disc's
// root: true when a file, not a folder, is there) is asked only for a path
// that may name a program on a disc folder that is there.
DiscState DiscStateOf(const ProgramPath &path, DiscFolder folder,
                      const std::function<bool(const std::string &relative)> &onDisc);

struct LogLine
{
    bool question = false;   // a question asked, with the answer given
    bool answer = false;
    Msg msg = Msg::ExitMenu;
    std::vector<std::string> args;
    DiscState disc = DiscState::NotGiven;   // Msg::RunProgram
    // The command that ran (RunProgram, ProgramNotGiven, OpenUrl, UrlNotGiven):
    // what the player starts or opens.
    const Command *command = nullptr;
};

// The keys of the menu window. Left and Backspace go up one level, as «Вверх»
// does; Escape goes up too, and at the top it closes as the cross does.
enum class Key { Up, Down, Left, Backspace, Enter, Escape };

// A stand-alone button as the run needs it.
struct RunButton
{
    std::string caption;
    ButtonAction action = ButtonAction::Execute;
    std::int32_t itemId = 0;
    bool visible = true;
    std::int32_t width = 1;
    std::int32_t height = 1;
};

// The rule that a visitor can press only a button that can be seen:
// Msg::ButtonHidden, Msg::ButtonNoSize, or Msg::ExitMenu for "pressable".
Msg WhyNotPressable(const RunButton &button);

// Trims what QString::trimmed trims (blanks and the Unicode spaces) off UTF-8 text.
std::string TrimSpaces(const std::string &text);

class MenuRun
{
public:
    using Asker = std::function<bool(Msg question)>;
    // The disc's word on a program's path (the "custom" text as written).
    using Probe = std::function<DiscState(const std::string &custom)>;

    // commands and options must outlive the run.
    MenuRun(const std::vector<Command> &commands, const Options &options, std::vector<RunButton> buttons);

    // Without an asker every question is answered yes; without a probe every
    // program's path is "not checked" (DiscState::NoDiscFolder).
    void SetAsker(Asker asker) { m_asker = std::move(asker); }
    void SetProbe(Probe probe) { m_probe = std::move(probe); }

    bool Ended() const { return m_ended; }
    bool Minimized() const { return m_minimized; }
    const Command *Group() const { return m_group; }
    const Command *Parent(const Command *item) const;
    std::vector<const Command *> Entries() const;
    int Selected() const { return m_selected; }
    const Command *SelectedItem() const;
    // The groups' names from the top: "/" at the top, else "/Игры/Логические".
    std::string LevelPath() const;
    const std::vector<RunButton> &Buttons() const { return m_buttons; }
    // The first button with that caption that can be pressed, else the first
    // with that caption; -1 when none.
    int FindButton(const std::string &caption) const;
    // The first command with that number in depth-first order, or nullptr.
    const Command *FindById(std::int32_t id) const;
    const std::vector<LogLine> &Log() const { return m_log; }

    // The visitor's steps; each does nothing once the run has ended.
    void Select(int index);
    void SelectNext();
    void SelectPrevious();
    void Activate();
    void ActivateEntry(int index);
    // False (and nothing happens) for a button that cannot be pressed.
    bool PressButton(int index);
    void PressKey(Key key);
    void Close();
    void Restore() { m_minimized = false; }

private:
    void Run(const Command &item, const std::string *who);
    void Enter(const Command *group);
    bool GoUp();
    bool Exit(bool ask);
    void AddLine(Msg msg, std::vector<std::string> args = {});

    const std::vector<Command> &m_commands;
    const Options &m_options;
    std::vector<RunButton> m_buttons;
    std::unordered_map<const Command *, const Command *> m_parents;
    Asker m_asker;
    Probe m_probe;
    const Command *m_group = nullptr;
    int m_selected = -1;
    bool m_ended = false;
    bool m_minimized = false;
    std::vector<LogLine> m_log;
};

} // namespace rules
