#include "app/cli/Cli.h"
#include "app/cli/CliEditor.h"
#include "support/CliRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {


struct DiscCommandTest : ::testing::Test
{
    QTemporaryDir temp;
    QString Path(const char *name) const { return temp.filePath(QString::fromUtf8(name)); }
    void Write(const char *name, const QByteArray &bytes)
    {
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A project with the editor's fresh design and the given commands.
    QByteArray Project(const QByteArray &commands)
    {
        cli::Editor editor;
        editor.form.setCaption(QStringLiteral("Menu"));   // not the design window's own title, which the check warns of
        editor.project.SaveProject(Path("fresh.xml"), TProject::WholeProject());
        QFile fresh(Path("fresh.xml"));
        EXPECT_TRUE(fresh.open(QIODevice::ReadOnly));
        QByteArray bytes = fresh.readAll();
        const qsizetype afterCreator = bytes.indexOf("/>\r\n") + 4;
        return bytes.insert(afterCreator, "  <root>" + commands + "</root>\r\n");
    }
    void SetUp() override
    {
        Write("disc/Velmora.EXE", "player");
        Write("disc/Soft/setup.exe", "setup");
        Write("good.xml", Project("<program name=\"Setup\" custom=\"Soft\\SETUP.exe\" id=\"12\" hidden=\"0\"/>"
                                  "<group name=\"Empty\" id=\"2\" hidden=\"0\"/>"));
        Write("bad.xml", Project(QString::fromUtf8("<program name=\"Установка\" custom=\"Soft\\setup2.exe\" "
                                                   "id=\"12\" hidden=\"0\"/>").toUtf8()));
    }
};

TEST_F(DiscCommandTest, CheckPrintsOneFindingALineAndFailsOnErrorsOnly)
{
    const CliRun good = RunCli({QStringLiteral("check"), Path("good.xml"), QStringLiteral("--disc"), Path("disc")});
    EXPECT_EQ(good.status, cli::ExitOk) << qPrintable(good.err);
    EXPECT_TRUE(good.out.startsWith(QString::fromUtf8("предупреждение: #2 «Empty»: группа пуста, меню группы будет пустым\n")))
        << qPrintable(good.out);
    EXPECT_TRUE(good.out.contains(QString::fromUtf8("\nсведения: образ диска займёт "))) << qPrintable(good.out);
    // and what a USB stick takes, and the buttons' font shown with a stand-in (once for its three buttons)
    EXPECT_EQ(good.out.count(u'\n'), 4);

    const CliRun bad = RunCli({QStringLiteral("check"), Path("bad.xml"), QStringLiteral("--disc"), Path("disc")});
    EXPECT_EQ(bad.status, cli::ExitFailure);
    EXPECT_TRUE(bad.out.startsWith(QString::fromUtf8("ошибка: #12 «Установка»: файл Soft\\setup2.exe не найден на диске\n")));

    EXPECT_EQ(RunCli({QStringLiteral("check")}).status, cli::ExitUsage);
    const CliRun missing = RunCli({QStringLiteral("check"), Path("none.xml")});
    EXPECT_EQ(missing.status, cli::ExitFailure);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("brenwick-cli: ")));
}

TEST_F(DiscCommandTest, DiscWritesNothingAfterAnErrorAndTheProjectAndAutorunOtherwise)
{
    const QStringList before = QDir(Path("disc")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const CliRun bad = RunCli({QStringLiteral("disc"), Path("bad.xml"), Path("disc")});
    EXPECT_EQ(bad.status, cli::ExitFailure);
    EXPECT_EQ(QDir(Path("disc")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);

    Write("disc/AUTORUN.INF", "[autorun]\r\nopen=mine.exe\r\n");
    const CliRun kept = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc")});
    EXPECT_EQ(kept.status, cli::ExitOk) << qPrintable(kept.err);
    EXPECT_TRUE(kept.err.contains(QStringLiteral("autorun.inf")));
    QFile autorun(Path("disc/AUTORUN.INF"));
    ASSERT_TRUE(autorun.open(QIODevice::ReadOnly));
    EXPECT_EQ(autorun.readAll(), QByteArray("[autorun]\r\nopen=mine.exe\r\n"));
    autorun.close();
    QFile project(Path("disc/Velmora.XML"));
    ASSERT_TRUE(project.open(QIODevice::ReadOnly));
    const QByteArray written = project.readAll();
    EXPECT_TRUE(written.contains("custom=\"Soft\\SETUP.exe\""));
    // The disc's copy carries the design and the stand-alone buttons too.
    EXPECT_TRUE(written.contains("<window>") && written.contains("<button>")) << written.left(600).constData();

    const CliRun replaced = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc"),
                                    QStringLiteral("--replace-autorun")});
    EXPECT_EQ(replaced.status, cli::ExitOk);
    ASSERT_TRUE(autorun.open(QIODevice::ReadOnly));
    EXPECT_EQ(autorun.readAll(), QByteArray("[autorun]\r\nopen=Velmora.EXE\r\nicon=Velmora.EXE,0\r\n"));

    EXPECT_EQ(RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc"), QStringLiteral("--iso"),
                      Path("x.iso"), QStringLiteral("--label"), QString(40, QLatin1Char('L'))})
                  .status,
              cli::ExitUsage);
    if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
        return;
    const CliRun image = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc"), QStringLiteral("--iso"),
                                 Path("out/disc.iso")});
    EXPECT_EQ(image.status, cli::ExitFailure) << "the image's folder does not exist";
    QDir().mkpath(Path("out"));
    const CliRun made = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc"), QStringLiteral("--iso"),
                                Path("out/disc.iso")});
    EXPECT_EQ(made.status, cli::ExitOk) << qPrintable(made.err);
    EXPECT_EQ(QDir(Path("out")).entryList(QDir::Files), QStringList{QStringLiteral("disc.iso")});
}

TEST_F(DiscCommandTest, DiscRefusesToReplaceAnotherProjectsFileUnlessTold)
{
    const QByteArray other = "<?xml version=\"1.0\"?>\r<Velmora><root><program name=\"X\" id=\"1\" hidden=\"0\"/>"
                             "<group name=\"G\" id=\"2\" hidden=\"0\"><url name=\"U\" id=\"3\" hidden=\"0\"/></group>"
                             "</root></Velmora>";
    Write("disc/velmora.xml", other);
    const CliRun refused = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc")});
    EXPECT_EQ(refused.status, cli::ExitFailure);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("another project (3 commands)"))) << qPrintable(refused.err);
    QFile file(Path("disc/velmora.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), other);
    file.close();
    EXPECT_FALSE(QFile::exists(Path("disc/autorun.inf")));

    EXPECT_EQ(RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc"), QStringLiteral("--replace-project")}).status,
              cli::ExitOk);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("name=\"Setup\""));
    // Its own file again: no question.
    EXPECT_EQ(RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc")}).status, cli::ExitOk);
}

TEST_F(DiscCommandTest, ThePlayerGoesOntoTheDiscAndAnotherIsKeptUnlessTold)
{
    Write("ship/Velmora.EXE", "our player");
    qputenv("BRENWICK_PLAYER", Path("ship/Velmora.EXE").toLocal8Bit());
    // A folder without a player: the check does not miss it, and it is copied.
    Write("empty/Soft/setup.exe", "setup");
    const CliRun fresh = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("empty")});
    EXPECT_EQ(fresh.status, cli::ExitOk) << qPrintable(fresh.err + fresh.out);
    QFile copied(Path("empty/Velmora.EXE"));
    EXPECT_TRUE(copied.open(QIODevice::ReadOnly) && copied.readAll() == "our player");
    // Another player is the author's: kept, and said so, unless --replace-player.
    const CliRun kept = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc")});
    EXPECT_EQ(kept.status, cli::ExitOk);
    EXPECT_TRUE(kept.err.contains(QStringLiteral("another Velmora.EXE"))) << qPrintable(kept.err);
    QFile player(Path("disc/Velmora.EXE"));
    EXPECT_TRUE(player.open(QIODevice::ReadOnly) && player.readAll() == "player");
    player.close();
    const CliRun replaced = RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc"), QStringLiteral("--replace-player")});
    EXPECT_EQ(replaced.status, cli::ExitOk);
    EXPECT_TRUE(player.open(QIODevice::ReadOnly) && player.readAll() == "our player");
    player.close();
    // The same player again: nothing to say.
    EXPECT_FALSE(RunCli({QStringLiteral("disc"), Path("good.xml"), Path("disc")}).err.contains(QStringLiteral("Velmora.EXE")));
    // Without a player to bring, a folder without one fails the check.
    qputenv("BRENWICK_PLAYER", Path("ship/none.exe").toLocal8Bit());
    Write("bare/Soft/setup.exe", "setup");
    EXPECT_EQ(RunCli({QStringLiteral("disc"), Path("good.xml"), Path("bare")}).status, cli::ExitFailure);
    qunsetenv("BRENWICK_PLAYER");
}

} // namespace
