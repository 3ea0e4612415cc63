#include "project/TCommandTree.h"
#include "project/TMenuRun.h"
#include "project/TMenuRunScript.h"
#include "project/TProjectOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The menu:               the stand-alone buttons:
//  1 Игры (group)          Выход: exit, Вверх: level up, Обзор, Помощь, Свернуть,
//    2 Тетрис              and by number: Тетрис 2, Игры 1, Заметка 8,
//    3 Секрет (hidden)     Назад 4 (exit in a group), Секрет 3 (hidden), Нет 99
//    4 Выход
//  5 Сайт (url)
//  6 Скрыто (hidden)
//  7 Пусто (empty group)
//  8 Примечание (comment)
//  9 Выход
// 10 Пустой адрес (hidden url of blanks)     Конец 9, Тайник 11, Пустой 10;
// 11 Тайник (hidden group)                   hidden or sizeless: Невидимка,
//    12 Внутри (comment)                     Точка, Полоска, and Двойник twice
struct MenuRunTest : ::testing::Test
{
    QTemporaryDir temp;
    TCommandTree tree;
    TProjectOptions options;
    QList<TRunButton> buttons;

    TBaseItem *Add(const char *name, TItemKind kind, TBaseItem *parent = nullptr, const char *custom = "")
    {
        TBaseItem *item = tree.AddItem(U(name), kind, TCommandTree::TPlace::LastChildOf(parent), false);
        tree.SetCustom(item, U(custom));
        return item;
    }
    void SetUp() override
    {
        QDir(temp.path()).mkpath(QStringLiteral("GAMES"));
        QFile(temp.filePath(QStringLiteral("GAMES/Tetris.exe"))).open(QIODevice::WriteOnly);
        TBaseItem *games = Add("Игры", ikGroup);
        tree.SetComment(Add("Тетрис", ikProgram, games, "games\\tetris.exe"), U("Падающие фигуры"));
        tree.SetHidden(Add("Секрет", ikProgram, games, "secret.exe"), true);
        Add("Выход", ikExit, games);
        Add("Сайт", ikUrl, nullptr, " http://example.org ");
        tree.SetHidden(Add("Скрыто", ikComment), true);
        Add("Пусто", ikGroup);
        Add("Примечание", ikComment);
        Add("Выход", ikExit);
        tree.SetHidden(Add("Пустой адрес", ikUrl, nullptr, "  \t "), true);
        TBaseItem *hiddenGroup = Add("Тайник", ikGroup);
        tree.SetHidden(hiddenGroup, true);
        Add("Внутри", ikComment, hiddenGroup);
        using B = TPicButton;
        const QList<std::tuple<const char *, B::TButtonAction, int>> list = {
            {"Выход", B::baExit, 0},     {"Вверх", B::baLevelUp, 0},  {"Обзор", B::baBrowse, 0},
            {"Помощь", B::baHelp, 0},    {"Свернуть", B::baMinimize, 0}, {"Тетрис", B::baExecute, 2},
            {"Игры", B::baExecute, 1},   {"Заметка", B::baExecute, 8}, {"Назад", B::baExecute, 4},
            {"Секрет", B::baExecute, 3}, {"Нет", B::baExecute, 99}, {"Конец", B::baExecute, 9},
            {"Тайник", B::baExecute, 11}, {"Пустой", B::baExecute, 10}};
        for (const auto &[caption, action, id] : list)
            buttons << TRunButton{U(caption), action, id};
        // Buttons the visitor cannot see, and of two with one caption the seen one.
        buttons << TRunButton{U("Невидимка"), B::baExit, 0, false, 40, 40}
                << TRunButton{U("Точка"), B::baExit, 0, true, 0, 0} << TRunButton{U("Полоска"), B::baExit, 0, true, 40, 0}
                << TRunButton{U("Двойник"), B::baExit, 0, true, 0, 5} << TRunButton{U("Двойник"), B::baHelp, 0};
    }
    // The lines brenwick-cli try prints after the start: each step's log, then the state.
    QStringList Transcript(TMenuRun &run, const QString &steps)
    {
        QStringList lines;
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const qsizetype before = run.Log().size();
            const QString error = TMenuRunScript::Step(run, step);
            if (!error.isEmpty())
                return lines << QStringLiteral("bad step: ") + error;
            lines << TMenuRunScript::LogLines(run, before) << TMenuRunScript::StateLine(run);
        }
        return lines;
    }
};

const char *const kTop = R"(state: level "/" selected #1 "Игры" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")";
const char *const kGames = R"(state: level "/Игры" selected #2 "Тетрис" menu "Тетрис" | "Выход")";
const char *const kSite = R"(state: level "/" selected #5 "Сайт" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")";
const char *const kEmpty = R"(state: level "/" selected #7 "Пусто" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")";
const char *const kNote =
    R"(state: level "/" selected #8 "Примечание" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")";
const char *const kExit = R"(state: level "/" selected #9 "Выход" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")";
const char *const kTetris = "log: Запуск: games\\tetris.exe — файл есть на диске";

struct Row
{
    const char *what;
    const char *options;   // the exit options switched on
    bool answer;           // to "Выйти?"
    const char *steps;
    QStringList expected;
};

TEST_F(MenuRunTest, VisitorStepsFollowTheOptions)
{
    const QList<Row> rows = {
        // The menu lists a level's visible entries; Up and Down stop at its ends.
        {"enter a group", "", true, "enter", {kGames}},
        {"down stops at the end", "", true, "enter down down",
         {kGames, R"(state: level "/Игры" selected #4 "Выход" menu "Тетрис" | "Выход")",
          R"(state: level "/Игры" selected #4 "Выход" menu "Тетрис" | "Выход")"}},
        {"up stops at the top", "", true, "up", {kTop}},
        {"hover skips hidden", "", true, "down down",
         {R"(state: level "/" selected #5 "Сайт" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")",
          R"(state: level "/" selected #7 "Пусто" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")"}},
        // Programs and addresses; "Выход после любой команды" ends the run after them.
        {"program runs", "", true, "enter enter", {kGames, kTetris, kGames}},
        {"program then exit", "anycom question", true, "enter enter",
         {kGames, kTetris, "log: Выход из меню", "state: ended"}},
        {"url opens", "", true, "entry:5",
         {"log: Открыть адрес: http://example.org",
          R"(state: level "/" selected #5 "Сайт" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")"}},
        {"url then exit", "anycom", true, "entry:5",
         {"log: Открыть адрес: http://example.org", "log: Выход из меню", "state: ended"}},
        {"blank url", "", true, "button:Пустой", {"log: Открыть адрес: адрес не указан", kTop}},
        {"comment does nothing", "anycom", true, "entry:8",
         {R"(state: level "/" selected #8 "Примечание" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")"}},
        // Exit entries: up inside a group (the group selected again), out at the top.
        {"exit in a group goes up", "question", true, "enter down enter",
         {kGames, R"(state: level "/Игры" selected #4 "Выход" menu "Тетрис" | "Выход")", kTop}},
        {"exit at the top", "cross", true, "entry:9", {"log: Выход из меню", "state: ended"}},
        {"exit asks, no", "question", false, "entry:9",
         {"ask: Выйти? -> no",
          R"(state: level "/" selected #9 "Выход" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")"}},
        {"exit asks, yes", "question", true, "entry:9", {"ask: Выйти? -> yes", "log: Выход из меню", "state: ended"}},
        // The close cross and Escape: the question only with "Вопрос при выходе крестиком".
        {"close", "question levelup", true, "close", {"log: Выход из меню", "state: ended"}},
        {"escape asks, no", "cross", false, "escape", {"ask: Выйти? -> no", kTop}},
        {"escape asks, yes", "cross", true, "escape", {"ask: Выйти? -> yes", "log: Выход из меню", "state: ended"}},
        // An empty group: nothing selected, the Up button leads out.
        {"empty group", "", true, "entry:7 button:Вверх",
         {"log: Группа «Пусто» пуста, в её меню нет ни одной команды",
          R"(state: level "/Пусто" selected none menu none)",
          R"(state: level "/" selected #7 "Пусто" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")"}},
        // Stand-alone buttons.
        {"exit button", "cross", true, "button:Выход", {"log: Выход из меню", "state: ended"}},
        {"exit button asks", "question", false, "button:Выход", {"ask: Выйти? -> no", kTop}},
        {"up at the top stays", "question", true, "button:Вверх",
         {"log: Кнопка «Вверх»: это верхний уровень, а «Выход по кнопке Вверх» выключен", kTop}},
        {"up at the top exits", "levelup", true, "button:Вверх", {"log: Выход из меню", "state: ended"}},
        {"up at the top asks, no", "levelup question", false, "button:Вверх", {"ask: Выйти? -> no", kTop}},
        {"up at the top asks, yes", "levelup question", true, "button:Вверх",
         {"ask: Выйти? -> yes", "log: Выход из меню", "state: ended"}},
        {"up out of a hidden group", "", true, "down button:Тайник button:Вверх",
         {R"(state: level "/" selected #5 "Сайт" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")",
          R"(state: level "/Тайник" selected #12 "Внутри" menu "Внутри")", kTop}},
        {"up in a group", "", true, "enter button:Вверх", {kGames, kTop}},
        {"button runs a program", "", true, "button:Тетрис", {kTetris, kTop}},
        {"button runs a hidden program", "", true, "button:Секрет",
         {"log: Запуск: secret.exe — файла нет на диске", kTop}},
        {"button opens a group", "", true, "button:Игры", {kGames}},
        {"button on a comment", "", true, "button:Заметка",
         {"log: Кнопка «Заметка»: команда №8 — комментарий, ничего не делает", kTop}},
        {"button on a group's exit, inside", "", true, "enter button:Назад", {kGames, kTop}},
        // An exit entry at the top ends the run the same way however it is reached.
        {"button on an exit at the top", "", true, "button:Конец", {"log: Выход из меню", "state: ended"}},
        {"button on an exit asks, no", "question", false, "button:Конец", {"ask: Выйти? -> no", kTop}},
        {"button on an exit asks, yes", "question levelup", true, "button:Конец",
         {"ask: Выйти? -> yes", "log: Выход из меню", "state: ended"}},
        {"enter on an exit asks, no", "question", false, "down down down down enter",
         {kSite, kEmpty, kNote, kExit, "ask: Выйти? -> no", kExit}},
        {"enter on an exit, no question", "cross", true, "down down down down enter",
         {kSite, kEmpty, kNote, kExit, "log: Выход из меню", "state: ended"}},
        // A button the visitor cannot see cannot be pressed.
        {"hidden button", "", true, "button:Невидимка",
         {R"(bad step: the stand-alone button "Невидимка" is hidden (Visible off): it cannot be pressed)"}},
        {"button without size", "", true, "button:Точка",
         {R"(bad step: the stand-alone button "Точка" has no size (0x0): it cannot be pressed)"}},
        {"flat button", "", true, "button:Полоска",
         {R"(bad step: the stand-alone button "Полоска" has no size (40x0): it cannot be pressed)"}},
        {"the seen one of two", "", true, "button:Двойник", {"log: Справка", kTop}},
        {"dangling ItemID", "anycom", true, "button:Нет", {"log: Кнопка «Нет»: команда №99 не найдена", kTop}},
        {"browse, help, minimise", "", true, "button:Обзор button:Помощь button:Свернуть down",
         {"log: Открыть папку диска", kTop, "log: Справка", kTop, "log: Свернуть окно", QString(kTop) + " minimized",
          R"(state: level "/" selected #5 "Сайт" menu "Игры" | "Сайт" | "Пусто" | "Примечание" | "Выход")"}},
        // Bad steps.
        {"hidden entry", "", true, "entry:6", {"bad step: the menu lists no entry numbered 6"}},
        {"entry of another level", "", true, "entry:2", {"bad step: the menu lists no entry numbered 2"}},
        {"no such button", "", true, "button:Игры2", {R"(bad step: no stand-alone button is captioned "Игры2")"}},
        {"unknown word", "", true, "right",
         {"bad step: unknown step (down, up, enter, escape, backspace, left, close, entry:N, button:CAPTION)"}},
        {"after the end", "", true, "close down", {"log: Выход из меню", "state: ended", "bad step: the run has ended"}},
    };
    for (const Row &row : rows) {
        const QString on = U(row.options);
        options.SetExitLevelUp(on.contains(QLatin1String("levelup")));
        options.SetExitAnyCommand(on.contains(QLatin1String("anycom")));
        options.SetExitCross(on.contains(QLatin1String("cross")));
        options.SetExitQuestion(on.contains(QLatin1String("question")));
        TMenuRun run(tree, options, buttons, QString(), temp.path());
        run.SetAsker([&row](const QString &) { return row.answer; });
        EXPECT_EQ(TMenuRunScript::StateLine(run), U(kTop)) << row.what;
        EXPECT_EQ(Transcript(run, U(row.steps)), row.expected) << row.what;
    }
}

TEST_F(MenuRunTest, CommentAndHeadingFollowTheSelection)
{
    TMenuRun run(tree, options, buttons, QString(), temp.path());
    EXPECT_EQ(run.GroupCaption(), QString());
    run.Activate();
    EXPECT_EQ(run.GroupCaption(), U("Игры"));
    EXPECT_EQ(run.Comment(), U("Падающие фигуры"));
    run.Select(1);
    EXPECT_EQ(run.Comment(), QString());
    run.Select(2);   // outside the menu: nothing
    EXPECT_EQ(run.Selected(), 1);
}

TEST_F(MenuRunTest, ProgramPathsAreResolvedAsTheCheckResolvesThem)
{
    tree.Clear();
    struct Case
    {
        const char *custom;
        const char *disc;   // "-" for none
        const char *expected;
    };
    const QList<Case> cases = {
        {"\\Games\\.\\TETRIS.EXE", "", "log: Запуск: \\Games\\.\\TETRIS.EXE — файл есть на диске"},
        {"games\\..\\..\\x.exe", "", "log: Запуск: games\\..\\..\\x.exe — файла нет на диске"},   // stops at the root
        {"games\\", "", "log: Запуск: games\\ — файла нет на диске"},   // a folder is no program
        {"Games", "", "log: Запуск: Games — файла нет на диске"},
        {"D:\\Soft\\setup.exe", "", "log: Запуск: D:\\Soft\\setup.exe — путь абсолютный, на диске не проверяется"},
        {"games\\tetris.exe", "-", "log: Запуск: games\\tetris.exe — Корневой Каталог не задан, файл не проверен"},
        {"games\\tetris.exe", "missing", "log: Запуск: games\\tetris.exe — Корневой Каталог не найден, файл не проверен"},
        {"", "", "log: Запуск: файл программы не указан"},
    };
    for (const Case &c : cases) {
        tree.Clear();
        TBaseItem *item = Add("П", ikProgram, nullptr, c.custom);
        tree.SetParams(item, QString());
        const QString disc = U(c.disc) == QLatin1String("-") ? QString()
                             : U(c.disc).isEmpty()            ? temp.path()
                                                              : temp.filePath(U(c.disc));
        TMenuRun run(tree, options, {}, QString(), disc);
        run.Activate();
        EXPECT_EQ(TMenuRunScript::LogLines(run, 0), QStringList{U(c.expected)}) << c.custom;
    }
    tree.SetParams(tree.FirstItem(), QStringLiteral("/S"));
    tree.SetCustom(tree.FirstItem(), QStringLiteral("GAMES/tetris.exe"));
    // The project's folder is the base when the options say so.
    options.SetCdRoot(false);
    options.SetPathOption(TProjectOptions::poProject);
    QDir(temp.path()).mkpath(QStringLiteral("menu/GAMES"));
    QFile(temp.filePath(QStringLiteral("menu/GAMES/tetris.exe"))).open(QIODevice::WriteOnly);
    TMenuRun run(tree, options, {}, temp.filePath(QStringLiteral("menu/Velmora.XML")), temp.path());
    run.Activate();
    QFile::remove(temp.filePath(QStringLiteral("menu/GAMES/tetris.exe")));
    TMenuRun missing(tree, options, {}, temp.filePath(QStringLiteral("menu/Velmora.XML")), temp.path());
    missing.Activate();
    EXPECT_EQ(TMenuRunScript::LogLines(run, 0).value(0) + TMenuRunScript::LogLines(missing, 0).value(0),
              U("log: Запуск: GAMES/tetris.exe /S — файл есть на дискеlog: Запуск: GAMES/tetris.exe /S — файла нет на диске"));
}

TEST_F(MenuRunTest, AnEmptyMenuAndNamesWithQuotes)
{
    tree.Clear();
    TMenuRun empty(tree, options, {}, QString(), QString());
    empty.Activate();
    empty.SelectNext();
    EXPECT_EQ(TMenuRunScript::StateLine(empty), QStringLiteral(R"(state: level "/" selected none menu none)"));
    TBaseItem *group = Add("a\"b\\c", ikGroup);
    Add("x", ikComment, group);
    TMenuRun run(tree, options, {}, QString(), QString());
    run.Activate();
    EXPECT_EQ(TMenuRunScript::StateLine(run),
              QStringLiteral(R"(state: level "/a\"b\\c" selected #2 "x" menu "x")"));
}

} // namespace
