// Opening files: a command list without a design, damaged files and the
// reasons they are refused with, in the editor and on the command line.
#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "layout/TLayoutEditor.h"
#include "app/TMainForm.h"
#include "app/cli/CliEditor.h"
#include "base/BrenwickError.h"
#include "base/LoadFailure.h"
#include "support/CliRunner.h"
#include "support/ScriptedPrompt.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

#include <QFile>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const QByteArray kProlog = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<!DOCTYPE Velmora>\r";

struct FileTrustTest : ::testing::Test
{
    QTemporaryDir temp;

    QString Path(const char *name) const { return temp.filePath(QString::fromLatin1(name)); }
    QString Write(const char *name, const QByteArray &bytes) const
    {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray Read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray Saved(cli::Editor &editor, const QString &path)
    {
        editor.project.SaveProject(path, TProject::WholeProject());
        return Read(path);
    }
    // A new project's file with one program.
    QByteArray Fresh()
    {
        cli::Editor editor;
        QByteArray bytes = Saved(editor, Path("fresh.xml"));
        return bytes.insert(bytes.indexOf("/>\r\n") + 4,
                            "  <root>\r\n    <program name=\"A\" id=\"1\" hidden=\"0\"/>\r\n"
                            "    <program name=\"B\" id=\"2\" hidden=\"0\"/>\r\n  </root>\r\n");
    }
    // Opening bytes as a project: the reason and the command line's place, or "opened".
    std::pair<QString, QString> Failure(const QByteArray &bytes)
    {
        cli::Editor editor;
        const QByteArray before = Saved(editor, Path("before.xml"));
        try {
            editor.project.LoadProject(Write("damaged.xml", bytes), TProject::WholeProject());
        } catch (const BrenwickError &e) {
            EXPECT_EQ(Saved(editor, Path("after.xml")), before) << "a refused file changed the project";
            return {LoadFailureText(e), LoadFailurePlace(e)};
        }
        return {QStringLiteral("opened"), QString()};
    }
};

QByteArray Replaced(QByteArray bytes, const char *from, const char *to)
{
    const qsizetype at = bytes.indexOf(from);
    EXPECT_GE(at, 0) << from;
    return bytes.replace(at, qsizetype(qstrlen(from)), to);
}

TEST_F(FileTrustTest, EachDamagedFileNamesWhatIsWrong)
{
    const QByteArray fresh = Fresh();
    auto failure = Failure(Replaced(fresh, "<position width=\"512\"", "<position width=\"abc\""));
    EXPECT_EQ(failure.first, U("Элемент «window/position», атрибут «width»: нет значения или оно не число («abc»). "
                               "(Invalid variant type conversion)"));
    EXPECT_EQ(failure.second, QStringLiteral("window/position/@width"));

    // The second command, by its number in the file.
    failure = Failure(Replaced(fresh, "name=\"B\" id=\"2\"", "name=\"B\" id=\"2x\""));
    EXPECT_EQ(failure.first, U("Команда №2 (элемент «program»), атрибут «id»: нет значения или оно не число («2x»). "
                               "(Invalid variant type conversion)"));
    EXPECT_EQ(failure.second, QStringLiteral("root/program/@id (command 2)"));

    failure = Failure(Replaced(fresh, " hidden=\"0\"/>\r\n    <program name=\"B\"", "/>\r\n    <program name=\"B\""));
    EXPECT_TRUE(failure.first.startsWith(U("Команда №1 (элемент «program»): нет атрибута «hidden».")));

    failure = Failure(Replaced(fresh, "<exitoptions levelup=\"0\"", "<exitoptions levelup=\"yes\""));
    EXPECT_EQ(failure.second, QStringLiteral("exitoptions/@levelup"));

    // A picture of the background, and one of a button's.
    failure = Failure(Replaced(fresh, "<background>\r\n", "<background>\r\n    <source>@@@@</source>\r\n"));
    EXPECT_TRUE(failure.first.startsWith(U("Картинка в элементе «background» повреждена. ("))) << qPrintable(failure.first);
    const qsizetype picture = fresh.indexOf("<default>", fresh.indexOf("<button>")) + 9;
    failure = Failure(QByteArray(fresh).insert(picture, "%"));
    EXPECT_TRUE(failure.first.startsWith(U("Картинка в элементе «button[1]/default» повреждена.")))
        << qPrintable(failure.first);

    // Cut off inside line 14: the prolog's two lines end with a lone CR.
    qsizetype cut = 0;
    for (int line = 1; line < 14; ++line)
        cut = fresh.indexOf('\r', cut) + (line <= 2 ? 1 : 2);
    failure = Failure(fresh.left(cut + 3));
    EXPECT_EQ(failure.first, U("Файл обрывается на строке 14. (Unexpected end of file)"));
    EXPECT_EQ(failure.second, QStringLiteral("line 14"));
    // Cut right after the line break that ends line 14: still line 14.
    EXPECT_EQ(Failure(fresh.left(fresh.indexOf('\r', cut) + 2)).second, QStringLiteral("line 14"));

    // A bad number after a group with children: the group's children count.
    failure = Failure(Replaced(fresh, "    <program name=\"A\" id=\"1\" hidden=\"0\"/>\r\n",
                               "    <group name=\"G\" id=\"1\" hidden=\"0\">\r\n"
                               "      <program id=\"3\" hidden=\"0\"/>\r\n      <url id=\"4\" hidden=\"0\"/>\r\n"
                               "    </group>\r\n"));
    EXPECT_EQ(Failure(Replaced(Replaced(fresh, "name=\"B\" id=\"2\"", "name=\"B\" id=\"two\""),
                               "    <program name=\"A\" id=\"1\" hidden=\"0\"/>\r\n",
                               "    <group name=\"G\" id=\"1\" hidden=\"0\">\r\n"
                               "      <program id=\"3\" hidden=\"0\"/>\r\n      <url id=\"4\" hidden=\"0\"/>\r\n"
                               "    </group>\r\n"))
                  .second,
              QStringLiteral("root/program/@id (command 4)"));
    EXPECT_EQ(failure.first, QStringLiteral("opened"));

    // A name the writer could not write back as it was read.
    failure = Failure(Replaced(fresh, "<Velmora>", "<Velmora a\"b=\"1\">"));
    EXPECT_EQ(failure.first, U("Элемент «Velmora»: в имени атрибута «a\"b» стоит кавычка. (Invalid attribute name)"));
    EXPECT_EQ(failure.second, QStringLiteral("Velmora/@a\"b, line 3"));

    // The command line puts the place before the runtime's message.
    Write("cli.xml", Replaced(fresh, "<position width=\"512\"", "<position width=\"abc\""));
    const CliRun run = RunCli({QStringLiteral("resave"), Path("cli.xml"), Path("out.xml")});
    EXPECT_EQ(run.status, cli::ExitFailure);
    EXPECT_EQ(run.err, QStringLiteral("brenwick-cli: window/position/@width: Invalid variant type conversion\n"));
}

TEST_F(FileTrustTest, AnEnumerationNumberThatNamesNoValueIsRefused)
{
    const QByteArray fresh = Fresh();
    const qsizetype button = fresh.indexOf("<button>");
    const QByteArray action = QByteArray(fresh).replace(fresh.indexOf("action=\"0\"", button), 10, "action=\"9\"");
    EXPECT_EQ(Failure(action).first,
              U("Элемент «button[1]/appearance», атрибут «action»: число «9» не означает ни одного из допустимых "
                "значений. (Invalid property value)"));
    const qsizetype heading = fresh.indexOf("<toplabel>");
    // Alignments run to 2 (centre).
    const qsizetype alignment = fresh.indexOf(" alignment=\"", heading) + 12;
    EXPECT_EQ(Failure(QByteArray(fresh).replace(alignment, 1, "2")).first, QStringLiteral("opened"));
    EXPECT_EQ(Failure(QByteArray(fresh).replace(alignment, 1, "3")).second,
              QStringLiteral("toplabel/appearance/@alignment"));
    const qsizetype style = fresh.indexOf("borderstyle=\"", heading) + 13;
    EXPECT_EQ(Failure(QByteArray(fresh).replace(style, 1, "7")).second,
              QStringLiteral("toplabel/appearance/@borderstyle"));
    // The window's border styles run to 5; numbers are read through their low 8 bits.
    const qsizetype window = fresh.indexOf("borderstyle=\"", fresh.indexOf("<window>")) + 13;
    EXPECT_EQ(Failure(QByteArray(fresh).replace(window, 1, "6")).second,
              QStringLiteral("window/appearance/@borderstyle"));
    EXPECT_EQ(Failure(QByteArray(fresh).replace(window, 1, "261")).first, QStringLiteral("opened"));
}

TEST_F(FileTrustTest, PicturesWithoutTransparentReadItAsFalse)
{
    cli::Editor editor;
    editor.form.ThemeImage()->setTransparent(true);
    QByteArray bytes = Saved(editor, Path("transparent.xml"));
    for (const char *picture : {"<background>", "<theme>"}) {
        const qsizetype at = bytes.indexOf(" transparent=\"", bytes.indexOf(picture));
        bytes.remove(at, bytes.indexOf('"', at + 14) + 1 - at);
    }
    ASSERT_EQ(bytes.count("transparent="), 3);   // the three buttons keep theirs
    editor.project.LoadProject(Write("old.xml", bytes), TProject::WholeProject());
    EXPECT_FALSE(editor.form.ThemeImage()->Transparent());
    // Present but not a number: false as well; a number still counts.
    for (const char *value : {"abc", "", "-1", "TRUE"}) {
        editor.form.ThemeImage()->setTransparent(value[0] == 'a' || value[0] == 0);
        QByteArray odd = bytes;
        odd.insert(odd.indexOf(" visible=", odd.indexOf("<theme>")), QByteArray(" transparent=\"") + value + "\"");
        editor.project.LoadProject(Write("odd.xml", odd), TProject::WholeProject());
        EXPECT_EQ(editor.form.ThemeImage()->Transparent(), value[0] == '-' || value[0] == 'T') << value;
    }
    // A button still needs its own.
    EXPECT_EQ(Failure(bytes.replace(" transparent=\"0\" caption", " caption")).second,
              QStringLiteral("button[1]/appearance/@transparent"));
}

TEST_F(FileTrustTest, ACommandListOpensWithTheDesignOfANewProject)
{
    const QByteArray list = kProlog + "<Velmora>\r\n  <root>\r\n    <program name=\"Setup\" custom=\"setup.exe\" "
                                      "id=\"1\" hidden=\"0\"/>\r\n  </root>\r\n"
                                      "  <exitoptions levelup=\"-1\"/>\r\n</Velmora>\r\n";
    const QString file = Write("list.xml", list);
    cli::Editor fresh;
    const QByteArray freshDesign = Saved(fresh, Path("fresh.xml"));

    // Into an editor whose design and buttons were changed first.
    cli::Editor editor;
    editor.form.setClientWidth(300);
    editor.layout.DeleteAllPicButtons();
    editor.project.LoadProject(file, TProject::WholeProject());
    EXPECT_TRUE(editor.project.TookNewDesign());
    EXPECT_EQ(editor.form.ClientWidth(), 512);
    ASSERT_EQ(editor.layout.PicButtons().size(), 3);
    EXPECT_EQ(editor.layout.PicButtons().at(2)->Caption(), U("Справка"));
    EXPECT_TRUE(editor.project.Options().ExitLevelUp());
    const QByteArray saved = Saved(editor, Path("saved.xml"));
    EXPECT_EQ(saved.mid(saved.indexOf("<window>")), freshDesign.mid(freshDesign.indexOf("<window>")));

    // Each command takes it the same way.
    EXPECT_EQ(RunCli({QStringLiteral("resave"), file, Path("resaved.xml")}).status, cli::ExitOk);
    EXPECT_EQ(Read(Path("resaved.xml")).count("<button>"), 3);
    EXPECT_EQ(RunCli({QStringLiteral("render"), file, QStringLiteral("-o"), Path("list.png")}).status, cli::ExitOk);
    const CliRun check = RunCli({QStringLiteral("check"), file});
    EXPECT_FALSE(check.err.contains(QStringLiteral("brenwick-cli"))) << qPrintable(check.err);
    EXPECT_EQ(RunCli({QStringLiteral("design"), QStringLiteral("apply"), file, Path("saved.xml"), QStringLiteral("-o"),
                      Path("applied.xml")})
                  .status,
              cli::ExitOk);
    EXPECT_EQ(Read(Path("applied.xml")).count("<button>"), 3);

    // Some design elements but not all: damaged, refused as before; a button is one of them.
    EXPECT_EQ(Failure(Replaced(list, "<root>", "<window/>\r\n  <root>")).second,
              QStringLiteral("window/colors/@gradient"));
    EXPECT_EQ(Failure(Replaced(list, "<root>", "<button/>\r\n  <root>")).second,
              QStringLiteral("window/colors/@gradient"));
}

TEST_F(FileTrustTest, TheEditorSaysWhenItTookANewDesignAndNamesAFailure)
{
    ScriptedPrompt prompt;
    TMainForm form(Path("brenwick.ini"), &prompt);
    TPreviewForm preview;
    linkDesignWindow(form, preview);
    TLayoutEditor *layout = linkLayoutPage(form, preview);
    linkDesignFile(form, preview, *layout);
    layout->FormShow();
    const QByteArray list = kProlog + "<Velmora><root><url name=\"Site\" custom=\"http://x\" id=\"1\" hidden=\"0\"/>"
                                      "</root></Velmora>";
    ASSERT_TRUE(form.LoadProject(Write("list.xml", list), TProject::WholeProject()));
    EXPECT_EQ(form.statusBar()->currentMessage(), U("В файле нет оформления: взято оформление нового проекта"));

    EXPECT_FALSE(form.LoadProject(Write("bad.xml", Replaced(list, "id=\"1\"", "id=\"\"")), TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.endsWith(
        U("\nКоманда №1 (элемент «url»), атрибут «id»: нет значения или оно не число («»). "
          "(Invalid variant type conversion)")))
        << qPrintable(prompt.asked.first().text);
}

} // namespace
