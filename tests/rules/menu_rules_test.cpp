// The shared menu rules driven directly, as the player drives them.
#include "rules/MenuScript.h"
#include "rules/MenuTexts.h"

#include <gtest/gtest.h>

namespace {

rules::Command Item(rules::ItemKind kind, int id, const char *name, std::vector<rules::Command> children = {})
{
    rules::Command c;
    c.kind = kind;
    c.id = id;
    c.name = name;
    c.children = std::move(children);
    return c;
}

struct MenuRules : ::testing::Test
{
    using K = rules::ItemKind;
    // A [1]: B [2]: C [3] (exit); D [4] (program), with a duplicate number 4 deeper than D.
    std::vector<rules::Command> commands = {
        Item(K::Group, 1, "A", {Item(K::Group, 2, "B", {Item(K::Exit, 3, "C"), Item(K::Comment, 4, "deep")})}),
        Item(K::Program, 4, "D"), Item(K::Exit, 5, "E")};
    rules::Options options;

    std::vector<std::string> Run(rules::MenuRun &run, const std::vector<std::string> &steps)
    {
        std::vector<std::string> out{rules::MenuScript::StateLine(run)};
        for (const std::string &step : steps) {
            const std::size_t before = run.Log().size();
            const std::string error = rules::MenuScript::Step(run, step);
            if (!error.empty())
                return out.push_back("bad: " + error), out;
            for (const std::string &line : rules::MenuScript::LogLines(run, before, rules::Words))
                out.push_back(line);
            out.push_back(rules::MenuScript::StateLine(run));
        }
        return out;
    }
};

TEST_F(MenuRules, NumbersInStepsAndTheDeepestLevels)
{
    rules::MenuRun run(commands, options, {});
    EXPECT_EQ(Run(run, {"entry: +1 ", "enter", "enter"}),
              (std::vector<std::string>{R"(state: level "/" selected #1 "A" menu "A" | "D" | "E")",
                                        R"(state: level "/A" selected #2 "B" menu "B")",
                                        R"(state: level "/A/B" selected #3 "C" menu "C" | "deep")",
                                        R"(state: level "/A" selected #2 "B" menu "B")"}));
    EXPECT_EQ(run.Parent(&commands[0].children[0]), &commands[0]);
    EXPECT_EQ(run.Parent(&commands[1]), nullptr);
    rules::MenuRun other(commands, options, {});
    EXPECT_EQ(Run(other, {"entry:2147483648"}).back(), "bad: entry:N needs a whole number");
    rules::MenuRun negative(commands, options, {});
    EXPECT_EQ(Run(negative, {"entry:-2147483648"}).back(), "bad: the menu lists no entry numbered -2147483648");
    rules::MenuRun blank(commands, options, {});
    EXPECT_EQ(Run(blank, {"entry: "}).back(), "bad: entry:N needs a whole number");
}

TEST_F(MenuRules, ButtonsFindTheFirstNumberDepthFirstAndStayInTheirBounds)
{
    // Number 4 is held by "deep" (inside A) and by D: the first depth-first wins.
    rules::MenuRun run(commands, options, {{"b", rules::ButtonAction::Execute, 4}});
    EXPECT_EQ(run.FindById(4), &commands[0].children[0].children[1]);
    EXPECT_FALSE(run.PressButton(1));
    EXPECT_FALSE(run.PressButton(-1));
    EXPECT_TRUE(run.PressButton(0));
    EXPECT_EQ(rules::Words(run.Log().back()), "Кнопка «b»: команда №4 — комментарий, ничего не делает");
    run.Select(3);   // beyond the menu: nothing
    run.Select(-1);
    EXPECT_EQ(run.Selected(), 0);
    run.Close();
    EXPECT_TRUE(run.Ended());
    EXPECT_FALSE(run.PressButton(0));   // nothing once ended
    EXPECT_EQ(run.Log().size(), 2u);
}

TEST_F(MenuRules, WithoutAProbeOrAnAsker)
{
    commands[1].custom = "d.exe";
    options.exitQuestion = true;
    rules::MenuRun run(commands, options, {});
    run.ActivateEntry(1);
    run.ActivateEntry(2);
    ASSERT_EQ(run.Log().size(), 3u);
    EXPECT_EQ(rules::Words(run.Log()[0]), "Запуск: d.exe — Корневой Каталог не задан, файл не проверен");
    EXPECT_TRUE(run.Log()[1].question && run.Log()[1].answer);
    EXPECT_TRUE(run.Ended());
}

TEST_F(MenuRules, BrokenUtf8IsTrimmedWithoutReadingPastTheEnd)
{
    EXPECT_EQ(rules::TrimSpaces(" a\xE3\x80"), "a\xE3\x80");
    EXPECT_EQ(rules::TrimSpaces("\xC2"), "\xC2");
    EXPECT_EQ(rules::TrimSpaces("\xF0\x9F\x98\x80 "), "\xF0\x9F\x98\x80");
}

TEST_F(MenuRules, KeysGoUpOneLevelAndEscapeClosesOnlyAtTheTop)
{
    options.exitCross = true;
    rules::MenuRun run(commands, options, {{"Вверх", rules::ButtonAction::LevelUp, 0}});
    run.SetAsker([](rules::Msg) { return false; });
    EXPECT_EQ(Run(run, {"enter", "enter", "backspace", "left", "left", "escape", "enter", "escape", "escape"}),
              (std::vector<std::string>{R"(state: level "/" selected #1 "A" menu "A" | "D" | "E")",
                                        R"(state: level "/A" selected #2 "B" menu "B")",
                                        R"(state: level "/A/B" selected #3 "C" menu "C" | "deep")",
                                        R"(state: level "/A" selected #2 "B" menu "B")",
                                        R"(state: level "/" selected #1 "A" menu "A" | "D" | "E")",
                                        R"(state: level "/" selected #1 "A" menu "A" | "D" | "E")",
                                        "ask: Выйти? -> no",
                                        R"(state: level "/" selected #1 "A" menu "A" | "D" | "E")",
                                        R"(state: level "/A" selected #2 "B" menu "B")",
                                        R"(state: level "/" selected #1 "A" menu "A" | "D" | "E")",
                                        "ask: Выйти? -> no",
                                        R"(state: level "/" selected #1 "A" menu "A" | "D" | "E")"}));
}

TEST_F(MenuRules, ALogLineCarriesTheCommandItRan)
{
    commands[1].custom = " d.exe ";
    commands.push_back(Item(rules::ItemKind::Url, 6, "U"));
    rules::MenuRun run(commands, options, {});
    run.ActivateEntry(1);
    run.ActivateEntry(3);
    ASSERT_EQ(run.Log().size(), 2u);
    EXPECT_EQ(run.Log()[0].command, &commands[1]);
    EXPECT_EQ(run.Log()[1].command, &commands[3]);
    EXPECT_EQ(run.Log()[1].msg, rules::Msg::UrlNotGiven);
    run.ActivateEntry(2);   // an exit runs no command
    EXPECT_EQ(run.Log().back().command, nullptr);
}

TEST_F(MenuRules, WhatTheDiscSaysOfAPath)
{
    const auto there = [](const std::string &relative) { return relative == "a.exe"; };
    using D = rules::DiscFolder;
    EXPECT_EQ(rules::DiscStateOf(rules::ResolveProgramPath("a.exe", ""), D::There, there), rules::DiscState::Present);
    EXPECT_EQ(rules::DiscStateOf(rules::ResolveProgramPath("b.exe", ""), D::There, there), rules::DiscState::Missing);
    EXPECT_EQ(rules::DiscStateOf(rules::ResolveProgramPath("a.exe", ""), D::NotFound, there),
              rules::DiscState::DiscNotFound);
    EXPECT_EQ(rules::DiscStateOf(rules::ResolveProgramPath("a.exe", ""), D::NotGiven, there),
              rules::DiscState::NoDiscFolder);
    EXPECT_EQ(rules::DiscStateOf(rules::ResolveProgramPath("a.exe\\", ""), D::There, there),
              rules::DiscState::Missing);   // a folder is no program
}

} // namespace
