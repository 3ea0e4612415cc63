// The player words the menu's log in Russian from the shared rules; the editor
// words the same messages through its translations. With no translation
// loaded the two must say the same.
#include "project/TMenuRun.h"
#include "rules/MenuTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuWords, ThePlayersRussianIsTheEditorsRussian)
{
    using rules::Msg;
    const Msg all[] = {Msg::ExitQuestion, Msg::ExitMenu,  Msg::UpAtTopOff,  Msg::ItemNotFound,
                       Msg::Browse,       Msg::Help,      Msg::Minimize,    Msg::UrlNotGiven,
                       Msg::OpenUrl,      Msg::CommentButton, Msg::ProgramNotGiven, Msg::EmptyGroup};
    for (const Msg msg : all) {
        rules::LogLine line;
        line.msg = msg;
        line.args = {"«а»", "%1 -7"};
        EXPECT_EQ(rules::Words(line), TMenuRun::Words(line).toStdString()) << int(msg);
    }
    const rules::DiscState states[] = {rules::DiscState::NotGiven,     rules::DiscState::Absolute,
                                       rules::DiscState::Outside,      rules::DiscState::NoDiscFolder,
                                       rules::DiscState::DiscNotFound, rules::DiscState::Present,
                                       rules::DiscState::Missing};
    for (const rules::DiscState state : states) {
        rules::LogLine line;
        line.msg = Msg::RunProgram;
        line.args = {"a.exe /b"};
        line.disc = state;
        EXPECT_EQ(rules::Words(line), TMenuRun::Words(line).toStdString()) << int(state);
    }
}

TEST(MenuWords, FillReplacesEachPlaceOnce)
{
    EXPECT_EQ(rules::Fill("%2-%1-%3 100%", {"%2", "b"}), "b-%2-%3 100%");
}

} // namespace
