#pragma once

#include "rules/MenuRun.h"

#include <functional>
#include <string>
#include <vector>

// The test-run as text (brenwick-cli try, Velmora.EXE --try): steps given as
// words, the state and the log printed a line each. The words are fixed.
//
//   state: level "/Игры" selected #2 "Тетрис" menu "Тетрис" | "Выход"
//   state: ended
//   log: Запуск: games\tetris.exe — файл есть на диске
//   ask: Выйти? -> yes
namespace rules {

class MenuScript
{
public:
    using Wording = std::function<std::string(const LogLine &)>;

    // One step: the keys "down", "up", "enter", "escape", "backspace",
    // "left"; "close" (the window's cross); "entry:N"; "button:CAPTION". A
    // window minimised by the previous step is restored first. Returns "" or
    // why the step is bad (a bad step changes nothing): an unknown word, a
    // number or caption that names nothing here, a button that cannot be
    // pressed, a step after the run has ended.
    static std::string Step(MenuRun &run, const std::string &step);
    static std::string StateLine(const MenuRun &run);
    // The log's lines from index from on.
    static std::vector<std::string> LogLines(const MenuRun &run, std::size_t from, const Wording &wording);
    static std::string Quoted(const std::string &text);
};

} // namespace rules
