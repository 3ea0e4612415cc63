#include "app/cli/Cli.h"

#include "app/cli/CliEditor.h"
#include "support/CliRunner.h"

#include <QBuffer>
#include <QTemporaryDir>

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

    CliRun none = runCli({});
    EXPECT_EQ(none.status, 2);

    CliRun bad = runCli({QStringLiteral("frobnicate")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.startsWith(QStringLiteral("brenwick-cli: unknown command")));
}

// Whatever the locale, the tool's messages are English; the check's findings
// are in the language of the reports.
TEST(Cli, MessagesAreEnglishAndFindingsFollowTheReportLanguage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.xml"));
    auto run = [](const QStringList &args, shell::TLanguage reports) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QBuffer in;
        in.open(QIODevice::ReadOnly);
        cli::Context ctx{outStream, errStream, in, reports};
        const int status = cli::run(QStringList{QStringLiteral("brenwick-cli")} + args, ctx);
        outStream.flush();
        errStream.flush();
        return std::make_pair(status, out + err);
    };
    const QString cannotOpen = QStringLiteral("brenwick-cli: Cannot open the file: %1\n").arg(missing);
    for (const shell::TLanguage reports : {shell::TLanguage::Russian, shell::TLanguage::English}) {
        for (const char *command : {"tree", "check", "try"})
            EXPECT_EQ(run({QString::fromLatin1(command), missing}, reports), std::make_pair(1, cannotOpen)) << command;
        EXPECT_EQ(run({QStringLiteral("resave"), missing, dir.filePath(QStringLiteral("out.xml"))}, reports).second,
                  cannotOpen);
    }

    // A program entry without its file.
    const QString project = dir.filePath(QStringLiteral("p.xml"));
    {
        cli::Editor editor;
        editor.project.Tree().AddItem(QStringLiteral("P"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr), false);
        editor.project.SaveProject(project, TProject::WholeProject());
    }
    const auto russian = run({QStringLiteral("check"), project}, shell::TLanguage::Russian);
    EXPECT_TRUE(russian.second.contains(QString::fromUtf8("ошибка: #1 «P»: не указан файл программы")))
        << qPrintable(russian.second);
    const auto english = run({QStringLiteral("check"), project}, shell::TLanguage::English);
    EXPECT_TRUE(english.second.contains(QString::fromUtf8("error: #1 “P”: no program file is given")))
        << qPrintable(english.second);
    // Afterwards the tool's own texts are in the caller's language again.
    EXPECT_EQ(QCoreApplication::translate("TXDocument", "Ошибка"), QString::fromUtf8("Ошибка"));
}
