// Behaviour parity: one table of projects and steps run through
// `brenwick-cli try` and through the player's console mode under Wine (all
// cases in one start of the player); the outputs must be the same line for line.
#include "app/cli/CliEditor.h"
#include "support/CliRunner.h"
#include "window/TPicButton.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString WinePath(const QString &path)
{
    return QStringLiteral("Z:") + QDir::toNativeSeparators(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

// The menu (numbers in brackets):
//  Игры [1]: Тетрис [2] (games\tetris.exe on the disc), Скрытая [3] (hidden),
//            Вложенная [4]: Глубже [5]: Выход [6]; Выход [7]
//  Сайт [8] (url), Пустой адрес [9] (url of blanks, hidden), Пусто [10] (empty group),
//  Заметка [11] (comment), Нет файла [12] (program not on the disc),
//  Далеко [13] (..\x.exe), Абсолютный [14] (C:\x.exe), Без пути [15], Выход [16]
// Buttons: one of each action, several bound by number (one dangling), a hidden
// one and two without size (one of them auto-sized without a picture).
void MakeProject(const QString &file, const QString &options)
{
    cli::Editor editor;
    TCommandTree &tree = editor.project.Tree();
    auto add = [&tree](const char *name, TItemKind kind, TBaseItem *parent, const char *custom = "") {
        TBaseItem *item = tree.AddItem(U(name), kind, TCommandTree::TPlace::LastChildOf(parent), false);
        tree.SetCustom(item, U(custom));
        return item;
    };
    TBaseItem *games = add("Игры", ikGroup, nullptr);
    tree.SetParams(add("Тетрис", ikProgram, games, " games\\tetris.exe "), QStringLiteral(" -full "));
    tree.SetHidden(add("Скрытая", ikProgram, games, "hidden.exe"), true);
    TBaseItem *nested = add("Вложенная", ikGroup, games);
    add("Выход", ikExit, add("Глубже", ikGroup, nested));
    add("Выход", ikExit, games);
    add("Сайт", ikUrl, nullptr, "http://example.org/\"q\"");
    tree.SetHidden(add("Пустой адрес", ikUrl, nullptr, "   "), true);
    add("Пусто", ikGroup, nullptr);
    add("Заметка", ikComment, nullptr);
    add("Нет файла", ikProgram, nullptr, "\"missing\\setup.exe\"");
    add("Далеко", ikProgram, nullptr, "..\\x.exe");
    add("Абсолютный", ikProgram, nullptr, "C:\\x.exe");
    add("Без пути", ikProgram, nullptr, "");
    add("Выход", ikExit, nullptr);
    TProjectOptions &o = editor.project.Options();
    o.SetExitLevelUp(options.contains(QLatin1String("levelup")));
    o.SetExitAnyCommand(options.contains(QLatin1String("anycom")));
    o.SetExitCross(options.contains(QLatin1String("cross")));
    o.SetExitQuestion(options.contains(QLatin1String("question")));
    editor.layout.DeleteAllPicButtons();
    using B = TPicButton;
    const std::tuple<const char *, B::TButtonAction, int> buttons[] = {
        {"Выйти", B::baExit, 0},      {"Вверх", B::baLevelUp, 0},  {"Обзор", B::baBrowse, 0},
        {"Справка", B::baHelp, 0},    {"Свернуть", B::baMinimize, 0}, {"Тетрис", B::baExecute, 2},
        {"Скрытая", B::baExecute, 3}, {"Глубже", B::baExecute, 5}, {"Конец", B::baExecute, 16},
        {"Назад", B::baExecute, 7},   {"Пустой", B::baExecute, 9}, {"Заметка", B::baExecute, 11},
        {"Нет", B::baExecute, 99},    {"Невидимка", B::baHelp, 0}, {"Точка", B::baHelp, 0},
        {"Пустышка", B::baHelp, 0}};
    for (const auto &[caption, action, id] : buttons) {
        TPicButton *b = editor.layout.CreatePicButton(U(caption));
        b->setAction(action);
        b->setItemID(id);
        b->setAutoSize(false);
        b->setWidth(40);
        b->setHeight(20);
    }
    editor.layout.PicButtons().at(13)->setVisible(false);
    editor.layout.PicButtons().at(14)->setWidth(0);
    editor.layout.PicButtons().at(14)->setHeight(0);
    editor.project.SaveProject(file, TProject::WholeProject());
    // The last button auto-sized without a picture, its size in the file 40 x 20:
    // it has no size, so it cannot be pressed.
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QString xml = QString::fromUtf8(saved.readAll());
    saved.close();
    const qsizetype last = xml.lastIndexOf(QLatin1String("<button>"));
    const qsizetype sizing = xml.indexOf(QLatin1String("autosize=\"0\""), last);
    ASSERT_GT(sizing, last);
    xml.replace(sizing, 12, QStringLiteral("autosize=\"-1\""));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
    saved.write(xml.toUtf8());
}

struct Case
{
    const char *options;   // the exit options on: a project of its own per set
    const char *answer;
    const char *steps;
};

const Case kCases[] = {
    {"", "yes", "down down up enter down down enter down enter enter"},
    {"", "yes", "enter enter"},
    {"anycom", "yes", "enter enter"},
    {"anycom", "yes", "entry:8"},
    {"anycom question", "yes", "entry:11 entry:12"},
    {"", "yes", "entry:12 entry:13 entry:14 entry:15 entry:10 button:Вверх"},
    {"question", "no", "entry:16 close button:Выйти button:Конец"},
    {"question", "yes", "button:Конец"},
    {"", "yes", "button:Конец"},
    {"cross", "no", "escape"},
    {"cross", "yes", "close"},
    {"cross", "no", "button:Глубже backspace left escape escape"},
    {"", "yes", "button:Вверх"},
    {"levelup", "yes", "button:Вверх"},
    {"levelup question", "no", "button:Вверх button:Назад"},
    {"", "yes", "button:Тетрис button:Скрытая button:Пустой button:Заметка button:Нет"},
    {"", "yes", "button:Глубже button:Вверх button:Вверх"},
    {"", "yes", "button:Глубже enter enter enter"},
    {"", "yes", "button:Обзор button:Справка button:Свернуть down"},
    {"", "yes", "button:Невидимка"},
    {"", "yes", "button:Точка"},
    {"", "yes", "button:Пустышка"},
    {"", "yes", "button:Никто"},
    {"", "yes", "entry:3"},
    {"", "yes", "entry:x"},
    {"", "yes", "jump"},
    {"", "yes", "close down"},
    {"", "yes", "-- -x entry:8"},   // after "--" a step may begin with "-"
};

struct Result
{
    QString out;
    int status = -1;
};

TEST(TryParity, ThePlayerPrintsWhatTryPrints)
{
#ifndef BRENWICK_PLAYER_EXE
    GTEST_SKIP() << "the player is not built (no mingw-w64 toolchain, or BRENWICK_PLAYER off)";
#else
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty())
        GTEST_SKIP() << "wine is not installed: the player's parity is not checked";
    QTemporaryDir temp;
    QDir(temp.path()).mkpath(QStringLiteral("disc/games"));
    const QString disc = temp.filePath(QStringLiteral("disc"));
    QFile(disc + QStringLiteral("/games/TETRIS.EXE")).open(QIODevice::WriteOnly);

    QMap<QString, QString> projects;
    QMap<QString, Result> expected;
    QByteArray batch;
    int number = 0;
    for (const Case &c : kCases) {
        const QString options = U(c.options);
        if (!projects.contains(options)) {
            const QString file = temp.filePath(QStringLiteral("p%1.XML").arg(projects.size()));
            MakeProject(file, options);
            projects.insert(options, file);
        }
        const QString name = QStringLiteral("%1 [%2] %3").arg(++number).arg(options, U(c.steps));
        const QStringList steps = U(c.steps).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const CliRun r = RunCli(QStringList{QStringLiteral("try"), projects.value(options), QStringLiteral("--disc"),
                                            disc, QStringLiteral("--answer"), U(c.answer)}
                                + steps);
        expected.insert(name, {r.out, r.status});
        QStringList fields = {name,          QStringLiteral("--project"), WinePath(projects.value(options)),
                              QStringLiteral("--disc"), WinePath(disc), QStringLiteral("--answer"), U(c.answer)};
        batch += (fields + steps).join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    // An unreadable project: status 1 on both sides.
    QFile::copy(projects.first(), temp.filePath(QStringLiteral("cut.XML")));
    QFile cut(temp.filePath(QStringLiteral("cut.XML")));
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    cut.resize(cut.size() / 2);
    cut.close();
    expected.insert(QStringLiteral("cut"), {RunCli({QStringLiteral("try"), cut.fileName()}).out,
                                            RunCli({QStringLiteral("try"), cut.fileName()}).status});
    batch += "cut\t--project\t" + WinePath(cut.fileName()).toUtf8() + '\n';
    QFile batchFile(temp.filePath(QStringLiteral("batch.txt")));
    ASSERT_TRUE(batchFile.open(QIODevice::WriteOnly));
    batchFile.write(batch);
    batchFile.close();

    QProcess player;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEPREFIX"), QStringLiteral(BRENWICK_WINE_PREFIX));
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    env.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    player.setProcessEnvironment(env);
    player.start(wine, {QStringLiteral(BRENWICK_PLAYER_EXE), QStringLiteral("--try-batch"), WinePath(batchFile.fileName())});
    ASSERT_TRUE(player.waitForFinished(280000)) << "the player did not finish under Wine";
    ASSERT_EQ(player.exitCode(), 0) << player.readAllStandardError().constData();

    QMap<QString, Result> got;
    QString current;
    for (const QString &line : QString::fromUtf8(player.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("=== ")))
            current = line.mid(4);
        else if (line.startsWith(QLatin1String("status: ")))
            got[std::exchange(current, QString())].status = line.mid(8).toInt();
        else if (!line.startsWith(QLatin1String("error: ")) && !current.isEmpty())
            got[current].out += line + QLatin1Char('\n');
    }
    ASSERT_EQ(got.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        EXPECT_EQ(got.value(it.key()).out.split(QLatin1Char('\n')), it->out.split(QLatin1Char('\n'))) << qPrintable(it.key());
        EXPECT_EQ(got.value(it.key()).status, it->status) << qPrintable(it.key());
    }
#endif
}

} // namespace
