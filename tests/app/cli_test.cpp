#include "app/cli/Cli.h"

#include "app/cli/CliEditor.h"
#include "support/CliRunner.h"
#include "window/TPicButton.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

CliRun runCli(const QStringList &args)
{
    return RunCli(args);
}

} // namespace

TEST(Cli, VersionAndHelpAndUsageErrors)
{
    CliRun v = runCli({QStringLiteral("--version")});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, QStringLiteral("brenwick-cli 1.1.2\n"));

    CliRun h = runCli({QStringLiteral("--help")});
    EXPECT_EQ(h.status, 0);
    EXPECT_TRUE(h.out.contains(QStringLiteral("picture")));
    // A command's usage names the tool and the command, not the program's path.
    CliRun tree = runCli({QStringLiteral("tree"), QStringLiteral("--help")});
    EXPECT_EQ(tree.status, 0);
    EXPECT_TRUE(tree.out.startsWith(QStringLiteral("Usage: brenwick-cli tree [options] PROJECT\n")))
        << qPrintable(tree.out.left(80));

    CliRun none = runCli({});
    EXPECT_EQ(none.status, 2);

    CliRun bad = runCli({QStringLiteral("frobnicate")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.startsWith(QStringLiteral("brenwick-cli: unknown command")));
}

// Whatever the language of the process (the tool's main takes the locale's),
// the tool's messages are English; the check's findings and the test-run's
// log are in the process's language.
TEST(Cli, MessagesAreEnglishFindingsAndLogsInTheProcesssLanguage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.xml"));
    const QString cannotOpen = QStringLiteral("brenwick-cli: Cannot open the file: %1\n").arg(missing);
    const QString project = dir.filePath(QStringLiteral("p.xml"));
    {
        // A program entry without its file, and a URL without an address.
        cli::Editor editor;
        TCommandTree &tree = editor.project.Tree();
        tree.AddItem(QStringLiteral("P"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr), false);
        tree.AddItem(QStringLiteral("U"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
        // A stand-alone button bound to no command: its name is part of the finding.
        TPicButton *button = editor.layout.PicButtons().value(0);
        ASSERT_TRUE(button);
        button->setCaption(QStringLiteral("B"));
        button->setAction(TPicButton::baExecute);
        button->setItemID(77);
        editor.project.SaveProject(project, TProject::WholeProject());
    }
    auto runAll = [&](const char *finding, const char *log, const char *buttonFinding) {
        for (const char *command : {"tree", "check", "try"}) {
            const CliRun r = runCli({QString::fromLatin1(command), missing});
            EXPECT_EQ(r.status, 1) << command;
            EXPECT_EQ(r.err, cannotOpen) << command;
        }
        EXPECT_EQ(runCli({QStringLiteral("resave"), missing, dir.filePath(QStringLiteral("out.xml"))}).err, cannotOpen);
        const CliRun check = runCli({QStringLiteral("check"), project});
        EXPECT_TRUE(check.out.contains(QString::fromUtf8(finding))) << qPrintable(check.out);
        EXPECT_TRUE(check.out.contains(QString::fromUtf8(buttonFinding))) << qPrintable(check.out);
        const CliRun trial = runCli({QStringLiteral("try"), project, QStringLiteral("down"), QStringLiteral("enter")});
        EXPECT_TRUE(trial.out.contains(QString::fromUtf8(log))) << qPrintable(trial.out);
    };
    runAll("ошибка: #1 «P»: не указан файл программы", "log: Открыть адрес: адрес не указан",
           "ошибка: кнопка «B»: «Пункт меню» 77 не указывает ни на одну команду");
    // Afterwards the process's texts are its own again.
    EXPECT_EQ(QCoreApplication::translate("TXDocument", "Ошибка"), QString::fromUtf8("Ошибка"));

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/brenwick_en.qm")));
    QCoreApplication::installTranslator(&english);
    runAll("error: #1 “P”: no program file is given", "log: Open address: no address given",
           "error: button “B”: “Menu entry” 77 points to no command");
    QCoreApplication::removeTranslator(&english);
}
