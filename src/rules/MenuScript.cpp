#include "rules/MenuScript.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace rules {

namespace {

const std::string kEntryPrefix = "entry:";
const std::string kButtonPrefix = "button:";

bool StartsWith(const std::string &s, const std::string &prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

// A whole number as the editor's command line reads it: blanks around, a sign.
std::optional<std::int32_t> WholeNumber(const std::string &text)
{
    std::size_t i = 0;
    std::size_t end = text.size();
    auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < end && blank(text[i]))
        ++i;
    while (end > i && blank(text[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return std::int32_t(value);
}

} // namespace

std::string MenuScript::Quoted(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string MenuScript::Step(MenuRun &run, const std::string &step)
{
    if (run.Ended())
        return "the run has ended";
    run.Restore();
    static const std::pair<const char *, Key> kKeys[] = {{"down", Key::Down},           {"up", Key::Up},
                                                        {"enter", Key::Enter},         {"escape", Key::Escape},
                                                        {"backspace", Key::Backspace}, {"left", Key::Left}};
    for (const auto &[word, key] : kKeys) {
        if (step == word) {
            run.PressKey(key);
            return "";
        }
    }
    if (step == "close") {
        run.Close();
    } else if (StartsWith(step, kEntryPrefix)) {
        const std::optional<std::int32_t> id = WholeNumber(step.substr(kEntryPrefix.size()));
        if (!id)
            return "entry:N needs a whole number";
        const std::vector<const Command *> entries = run.Entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i]->id == *id) {
                run.ActivateEntry(int(i));
                return "";
            }
        }
        return "the menu lists no entry numbered " + std::to_string(*id);
    } else if (StartsWith(step, kButtonPrefix)) {
        const std::string caption = step.substr(kButtonPrefix.size());
        const int index = run.FindButton(caption);
        if (index < 0)
            return "no stand-alone button is captioned " + Quoted(caption);
        const RunButton &button = run.Buttons()[std::size_t(index)];
        const Msg why = WhyNotPressable(button);
        if (why == Msg::ButtonHidden)
            return "the stand-alone button " + Quoted(caption) + " is hidden (Visible off): it cannot be pressed";
        if (why == Msg::ButtonNoSize)
            return "the stand-alone button " + Quoted(caption) + " has no size (" + std::to_string(button.width)
                   + "x" + std::to_string(button.height) + "): it cannot be pressed";
        run.PressButton(index);
    } else {
        return "unknown step (down, up, enter, escape, backspace, left, close, entry:N, button:CAPTION)";
    }
    return "";
}

std::string MenuScript::StateLine(const MenuRun &run)
{
    if (run.Ended())
        return "state: ended";
    std::string line = "state: level " + Quoted(run.LevelPath());
    if (const Command *item = run.SelectedItem())
        line += " selected #" + std::to_string(item->id) + " " + Quoted(item->name);
    else
        line += " selected none";
    std::string captions;
    for (const Command *entry : run.Entries())
        captions += (captions.empty() ? "" : " | ") + Quoted(entry->name);
    line += " menu " + (captions.empty() ? std::string("none") : captions);
    if (run.Minimized())
        line += " minimized";
    return line;
}

std::vector<std::string> MenuScript::LogLines(const MenuRun &run, std::size_t from, const Wording &wording)
{
    std::vector<std::string> lines;
    const std::vector<LogLine> &log = run.Log();
    for (std::size_t i = from; i < log.size(); ++i) {
        const LogLine &l = log[i];
        if (l.question)
            lines.push_back("ask: " + wording(l) + (l.answer ? " -> yes" : " -> no"));
        else
            lines.push_back("log: " + wording(l));
    }
    return lines;
}

} // namespace rules
