#pragma once

#include "rules/MenuRun.h"

#include <string>

// The player's Russian words for the menu's log; the editor words the same
// messages through its translations, with these texts as their source.
namespace rules {

// The text with %1, %2 in place ("Запуск: %1 — %2" and the like).
const char *MessageText(Msg msg);
const char *DiscStateText(DiscState state);
// A log line in words: the question without its answer, or the action.
std::string Words(const LogLine &line);
// Replaces %1 .. %9 by args in one pass.
std::string Fill(const std::string &text, const std::vector<std::string> &args);

} // namespace rules
