#include "app/TMainForm.h"
#include "app/cli/Cli.h"
#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "base/BrenwickError.h"
#include "project/TTreeCommands.h"
#include "xml/TXNode.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kProlog = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<!DOCTYPE Velmora>\r";
const QByteArray kCreator = "  <creator name=\"Velmora Brenwick\" version=\"1.1.2\"/>\r\n";
const QByteArray kDefaultOptions = "  <exitoptions levelup=\"0\" anycom=\"0\" cross=\"0\" question=\"0\"/>\r\n"
                                   "  <pathoptions option=\"velmora\" cdroot=\"-1\"/>\r\n";

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Project(const QByteArray &body)
{
    return kProlog + "<Velmora>\r\n" + kCreator + body + "</Velmora>\r\n";
}

struct ProjectFileFixture : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> form;

    void SetUp() override { form = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("brenwick.ini")), &prompt); }
    QString Path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    TCommandTree &Tree() { return form->Tree(); }
    TBaseItem *Add(TItemKind kind, const QString &name)
    {
        form->Project().UndoStack().push(new TAddItemCommand(Tree(), name, kind));
        return Tree().CurrentItem();
    }
    QString TreeText() { return cli::FormatCommandTree(Tree()); }
};

} // namespace

TEST_F(ProjectFileFixture, EmptyProjectHoldsCreatorAndTheOptionsOnly)
{
    ASSERT_TRUE(form->SaveProject(Path("empty.xml"), TProject::WholeProject()));
    const QByteArray bytes = Bytes(Path("empty.xml"));
    EXPECT_EQ(kProlog.size(), 75);
    EXPECT_EQ(bytes, Project(kDefaultOptions));
    ASSERT_TRUE(form->LoadProject(Path("empty.xml"), TProject::WholeProject()));
    EXPECT_TRUE(Tree().IsEmpty());
}

TEST_F(ProjectFileFixture, CommandsAreWrittenByteForByte)
{
    TBaseItem *group = Add(ikGroup, QStringLiteral("Игры"));
    TBaseItem *program = Add(ikProgram, QStringLiteral("Установка"));
    Tree().SetComment(program, QStringLiteral("первая\r\n\"вторая\" & <третья>"));
    Tree().SetCustom(program, QStringLiteral("setup.exe"));
    Tree().SetParams(program, QStringLiteral("/S"));
    Tree().SetHidden(program, true);
    Add(ikExit, QString());   // an empty name is left out
    Tree().Select(group);
    Tree().SetWhereAdd(TCommandTree::waBeside);
    TBaseItem *url = Add(ikUrl, QStringLiteral("Сайт"));
    Tree().SetCustom(url, QStringLiteral("http://example.org/?a=1&b=2"));
    Add(ikComment, QStringLiteral("---"));
    form->Project().Options().SetRootDir(QStringLiteral("/media/disc"));
    form->Project().Options().SetAbout(QStringLiteral("Диск\nверсия 2"));
    form->Project().Options().SetExitCross(true);

    ASSERT_TRUE(form->SaveProject(Path("p.xml"), TProject::WholeProject()));
    const QByteArray expected = Project(
        "  <root>\r\n"
        "    <group name=\"Игры\" id=\"1\" hidden=\"0\">\r\n"
        "      <program name=\"Установка\" comment=\"первая\r\n&quot;вторая&quot; &amp; &lt;третья&gt;\" "
        "custom=\"setup.exe\" params=\"/S\" id=\"2\" hidden=\"-1\"/>\r\n"
        "      <exit id=\"3\" hidden=\"0\"/>\r\n"
        "    </group>\r\n"
        "    <url name=\"Сайт\" custom=\"http://example.org/?a=1&amp;b=2\" id=\"4\" hidden=\"0\"/>\r\n"
        "    <comment name=\"---\" id=\"5\" hidden=\"0\"/>\r\n"
        "  </root>\r\n"
        "  <rootdir>/media/disc</rootdir>\r\n"
        "  <about>Диск\r\nверсия 2\r\n</about>\r\n"
        "  <exitoptions levelup=\"0\" anycom=\"0\" cross=\"-1\" question=\"0\"/>\r\n"
        "  <pathoptions option=\"velmora\" cdroot=\"-1\"/>\r\n");
    EXPECT_EQ(Bytes(Path("p.xml")), expected);

    // Reading it back gives the same tree, and saving that gives the same bytes.
    const QString before = TreeText();
    form->Project().SetModified(false);
    // The rebuild tells views one consistent story.
    QAbstractItemModelTester tester(&Tree(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    form->show();
    ASSERT_TRUE(form->LoadProject(Path("p.xml"), TProject::WholeProject()));
    EXPECT_EQ(TreeText(), before);
    EXPECT_EQ(Tree().TopLevel()[0]->Children()[0]->Comment(), QStringLiteral("первая\r\n\"вторая\" & <третья>"));
    EXPECT_EQ(Tree().TopLevel()[0]->Children()[1]->Name(), QString());
    EXPECT_EQ(form->Project().Options().About(), QStringLiteral("Диск\nверсия 2"));
    EXPECT_EQ(Tree().CurrentItem(), Tree().TopLevel()[0]);   // the first command is selected
    ASSERT_TRUE(form->SaveProject(Path("again.xml"), TProject::WholeProject()));
    EXPECT_EQ(Bytes(Path("again.xml")), expected);
}

TEST_F(ProjectFileFixture, ReaderTakesUnknownElementsAsGroupsAndIgnoresChildrenOfOtherKinds)
{
    Write(Path("odd.xml"), Project("  <root>\r\n"
                                   "    <Program name=\"Big P\" id=\"5\" hidden=\"0\">\r\n"
                                   "      <url name=\"inside\" id=\"6\" hidden=\"true\"/>\r\n"
                                   "    </Program>\r\n"
                                   "    <program name=\"p\" id=\"7\" hidden=\"0\">\r\n"
                                   "      <exit name=\"ignored\" id=\"8\" hidden=\"0\"/>\r\n"
                                   "    </program>\r\n"
                                   "  </root>\r\n"));
    ASSERT_TRUE(form->LoadProject(Path("odd.xml"), TProject::WholeProject()));
    EXPECT_EQ(TreeText(), QStringLiteral("group #5 \"Big P\"\n  url #6 hidden \"inside\"\nprogram #7 \"p\"\n"));
    // New entries take the smallest free number not below the next number.
    Tree().Select(Tree().TopLevel()[1]);
    const qint32 next = Tree().NextNumber();
    const qint32 id = Add(ikExit, QStringLiteral("x"))->Id();
    EXPECT_GE(id, next);
    EXPECT_FALSE(Tree().IsNumberUsed(id) && Tree().FindById(id)->Name() != QStringLiteral("x"));
}

TEST_F(ProjectFileFixture, PathOptionsMissingUnknownAndCdRoot)
{
    Write(Path("none.xml"), Project("  <pathoptions/>\r\n"));
    ASSERT_TRUE(form->LoadProject(Path("none.xml"), TProject::WholeProject()));
    EXPECT_EQ(form->Project().Options().PathOption(), TProjectOptions::poVelmora);
    EXPECT_TRUE(form->Project().Options().CdRoot());
    EXPECT_TRUE(form->tsText->rbVelmora->isChecked());

    Write(Path("upper.xml"), Project("  <pathoptions option=\"CDROOT\" cdroot=\"0\"/>\r\n"));
    ASSERT_TRUE(form->LoadProject(Path("upper.xml"), TProject::WholeProject()));
    EXPECT_EQ(form->Project().Options().PathOption(), TProjectOptions::poNone);
    EXPECT_FALSE(form->tsText->rbCdRoot->isChecked());
    EXPECT_FALSE(form->tsText->rbVelmora->isChecked());
    EXPECT_FALSE(form->tsText->cbCdRoot->isChecked());
    ASSERT_TRUE(form->SaveProject(Path("upper2.xml"), TProject::WholeProject()));
    // A word that names no button turns all four off and is not written back.
    EXPECT_TRUE(Bytes(Path("upper2.xml")).contains("  <pathoptions cdroot=\"0\"/>\r\n"));

    Write(Path("cd.xml"), Project("  <pathoptions option=\"cdroot\"/>\r\n"));
    ASSERT_TRUE(form->LoadProject(Path("cd.xml"), TProject::WholeProject()));
    EXPECT_TRUE(form->tsText->rbCdRoot->isChecked());
}

TEST_F(ProjectFileFixture, AFailedLoadLeavesEverythingAsItWas)
{
    Add(ikGroup, QStringLiteral("keep"));
    Add(ikProgram, QStringLiteral("me"));
    form->Project().Options().SetAbout(QStringLiteral("about"));
    ASSERT_TRUE(form->SaveProject(Path("good.xml"), TProject::WholeProject()));
    Add(ikUrl, QStringLiteral("unsaved"));
    const QString tree = TreeText();
    const QStringList recent = form->RecentFiles().Paths();
    TBaseItem *current = Tree().CurrentItem();

    auto expectUnchanged = [&] {
        EXPECT_EQ(TreeText(), tree);
        EXPECT_EQ(Tree().CurrentItem(), current);
        EXPECT_TRUE(form->Project().Modified());
        EXPECT_EQ(form->Project().FileName(), Path("good.xml"));
        EXPECT_EQ(form->RecentFiles().Paths(), recent);
        EXPECT_EQ(form->Project().Options().About(), QStringLiteral("about"));
    };

    // A bad number after good entries: nothing of the file is taken.
    Write(Path("bad.xml"), Project("  <root>\r\n    <group name=\"a\" id=\"1\" hidden=\"0\"/>\r\n"
                                   "    <program name=\"b\" id=\"x\" hidden=\"0\"/>\r\n  </root>\r\n"
                                   "  <about>other</about>\r\n"));
    prompt.answers = {UserPrompt::Answer::No};   // the close question
    EXPECT_FALSE(form->LoadProject(Path("bad.xml"), TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(prompt.asked[1].text.section(QLatin1Char('\n'), 1),
              QString::fromUtf8("Команда №2 (элемент «program»), атрибут «id»: нет значения или оно не число («x»). "
                                "(Invalid variant type conversion)"));
    expectUnchanged();

    // A missing "hidden".
    Write(Path("nohidden.xml"), Project("  <root>\r\n    <group name=\"a\" id=\"1\"/>\r\n  </root>\r\n"));
    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_FALSE(form->LoadProject(Path("nohidden.xml"), TProject::WholeProject()));
    expectUnchanged();

    // A file cut off inside an element.
    QByteArray cut = Bytes(Path("good.xml"));
    cut.chop(30);
    Write(Path("cut.xml"), cut);
    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_FALSE(form->LoadProject(Path("cut.xml"), TProject::WholeProject()));
    EXPECT_EQ(prompt.asked.constLast().text.section(QLatin1Char('\n'), 1),
              QStringLiteral("Файл обрывается на строке %1. (Unexpected end of file)").arg(cut.count("\r\n") + 3));
    expectUnchanged();

    // A file that does not exist.
    prompt.answers = {UserPrompt::Answer::No};
    prompt.asked.clear();
    EXPECT_FALSE(form->LoadProject(Path("missing.xml"), TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(prompt.asked[1].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(prompt.asked[1].text.section(QLatin1Char('\n'), 1), QStringLiteral("Невозможно открыть файл: ") + Path("missing.xml"));
    expectUnchanged();

    // A design file with a bad option leaves the options as they were too.
    Write(Path("baddesign.xml"), Project("  <about>new</about>\r\n  <exitoptions levelup=\"maybe\"/>\r\n"));
    EXPECT_FALSE(form->LoadProject(Path("baddesign.xml"), TProject::DesignFile()));
    expectUnchanged();
}

TEST_F(ProjectFileFixture, AFailedSaveKeepsTheNameTheFlagAndTheRecentList)
{
    Add(ikProgram, QStringLiteral("p"));
    ASSERT_TRUE(form->SaveProject(Path("first.xml"), TProject::WholeProject()));
    Add(ikProgram, QStringLiteral("q"));
    const QString target = Path("no/such/folder/x.xml");
    EXPECT_FALSE(form->SaveProject(target, TProject::WholeProject()));
    ASSERT_FALSE(prompt.asked.isEmpty());
    // What is wrong and where in the interface's words, the runtime's after it in brackets.
    EXPECT_EQ(prompt.asked.constLast().text.section(QLatin1Char('\n'), 1),
              QString::fromUtf8("Папки %1 нет (Cannot create file %2)").arg(Path("no/such/folder"), target));
    EXPECT_EQ(form->Project().FileName(), Path("first.xml"));
    EXPECT_TRUE(form->Project().Modified());
    EXPECT_EQ(form->RecentFiles().Paths(), QStringList{Path("first.xml")});
    EXPECT_EQ(Bytes(Path("first.xml")).count("<program"), 1);

    // Closing with Yes and a save that fails: the window stays open and the
    // work is still there. (A folder in the file's place fails even for root.)
    form->show();
    ASSERT_TRUE(QFile::remove(Path("first.xml")));
    ASSERT_TRUE(QDir().mkdir(Path("first.xml")));
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Project().Modified());
    EXPECT_EQ(Tree().Count(), 2);
    // The same for opening another project and for Reset.
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_FALSE(form->LoadProject(Path("first.xml"), TProject::WholeProject()));
    prompt.answers = {UserPrompt::Answer::Yes};
    form->AFileResetExecute();
    EXPECT_EQ(Tree().Count(), 2);
}

TEST_F(ProjectFileFixture, SavingAndOpeningFillTheRecentList)
{
    Add(ikProgram, QStringLiteral("p"));
    prompt.saveNames = {Path("a.xml")};
    form->AFileSaveExecute();   // no name yet: behaves as Save as
    EXPECT_EQ(prompt.dialogsShown.size(), 1);
    EXPECT_FALSE(form->Project().Modified());
    form->AFileSaveExecute();   // now saves to the same file without a dialog
    EXPECT_EQ(prompt.dialogsShown.size(), 1);
    EXPECT_EQ(form->RecentFiles().Paths(), QStringList{Path("a.xml")});
    form->SaveProject(Path("b.xml"), TProject::WholeProject());
    form->SaveProject(Path("c.xml"), TProject::WholeProject());
    ASSERT_TRUE(form->LoadProject(Path("a.xml"), TProject::WholeProject()));
    EXPECT_EQ(form->RecentFiles().Paths(), (QStringList{Path("a.xml"), Path("c.xml"), Path("b.xml")}));
    EXPECT_EQ(form->MRecentFiles->actions()[0]->text(), QStringLiteral("&1 ") + Path("a.xml"));
    // A design save leaves the list and the document's name alone.
    form->SaveProject(Path("design.xml"), TProject::DesignFile());
    EXPECT_EQ(form->Project().FileName(), Path("a.xml"));
    EXPECT_EQ(form->RecentFiles().Paths().size(), 3);
    // Clicking an entry opens it.
    form->MRecentFiles->actions()[2]->trigger();
    EXPECT_EQ(form->Project().FileName(), Path("b.xml"));
}

TEST_F(ProjectFileFixture, OpeningAsksFirstAndCancelLoadsNothing)
{
    ASSERT_TRUE(form->SaveProject(Path("empty.xml"), TProject::WholeProject()));
    Add(ikProgram, QStringLiteral("unsaved"));
    prompt.answers = {UserPrompt::Answer::Cancel};
    EXPECT_FALSE(form->LoadProject(Path("empty.xml"), TProject::WholeProject()));
    EXPECT_EQ(Tree().Count(), 1);
    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_TRUE(form->LoadProject(Path("empty.xml"), TProject::WholeProject()));
    EXPECT_TRUE(Tree().IsEmpty());
}

TEST_F(ProjectFileFixture, ADesignFileCarriesOptionsButNoCommands)
{
    form->Project().Options().SetRootDir(QStringLiteral("/cd"));
    form->Project().Options().SetAbout(QStringLiteral("design about"));
    form->Project().Options().SetExitQuestion(true);
    Add(ikProgram, QStringLiteral("not in the design"));
    ASSERT_TRUE(form->SaveProject(Path("d.xml"), TProject::DesignFile()));
    EXPECT_FALSE(Bytes(Path("d.xml")).contains("<root>"));

    // Another project takes the options and keeps its commands.
    ScriptedPrompt otherPrompt;
    TMainForm other(dir.filePath(QStringLiteral("other.ini")), &otherPrompt);
    other.Tree().AddItem(QStringLiteral("mine"), ikProgram, TCommandTree::TPlace::ByChoice());
    ASSERT_TRUE(other.LoadProject(Path("d.xml"), TProject::DesignFile()));
    EXPECT_TRUE(otherPrompt.asked.isEmpty());   // no close question for a design
    EXPECT_EQ(other.Project().Options().RootDir(), QStringLiteral("/cd"));
    EXPECT_EQ(other.Project().Options().About(), QStringLiteral("design about"));
    EXPECT_TRUE(other.tsText->cbExitQuestion->isChecked());
    EXPECT_EQ(other.Tree().Count(), 1);
    // The project now differs from its own file.
    EXPECT_TRUE(other.Project().Modified());
    EXPECT_EQ(other.Project().FileName(), QString());
    EXPECT_TRUE(other.RecentFiles().IsEmpty());
}

TEST_F(ProjectFileFixture, ReopeningWithBesideAndAutoExitRebuildsExactlyTheFile)
{
    Add(ikGroup, QStringLiteral("g"));
    Add(ikProgram, QStringLiteral("p"));
    Add(ikGroup, QStringLiteral("inner"));
    ASSERT_TRUE(form->SaveProject(Path("t.xml"), TProject::WholeProject()));
    const QString tree = TreeText();
    form->tsCommands->rbBeside->click();
    form->AAutoExit->setChecked(true);
    ASSERT_TRUE(form->LoadProject(Path("t.xml"), TProject::WholeProject()));
    EXPECT_EQ(TreeText(), tree);
}

TEST_F(ProjectFileFixture, ResetClearsCommandsButKeepsTheFileName)
{
    Add(ikProgram, QStringLiteral("p"));
    form->Project().Options().SetAbout(QStringLiteral("kept"));
    ASSERT_TRUE(form->SaveProject(Path("r.xml"), TProject::WholeProject()));
    form->AFileResetExecute();
    EXPECT_TRUE(Tree().IsEmpty());
    EXPECT_FALSE(form->Project().Modified());
    EXPECT_EQ(form->Project().FileName(), Path("r.xml"));
    form->AFileSaveExecute();
    const QByteArray bytes = Bytes(Path("r.xml"));
    EXPECT_FALSE(bytes.contains("<root>"));
    EXPECT_TRUE(bytes.contains("<about>kept\r\n</about>"));
}

TEST_F(ProjectFileFixture, RootAttributesOfAFileSurviveAResave)
{
    Write(Path("attrs.xml"), kProlog + "<Velmora player=\"2\">\r\n" + kCreator + "</Velmora>\r\n");
    ASSERT_TRUE(form->LoadProject(Path("attrs.xml"), TProject::WholeProject()));
    ASSERT_TRUE(form->SaveProject(Path("attrs2.xml"), TProject::WholeProject()));
    EXPECT_TRUE(Bytes(Path("attrs2.xml")).startsWith(kProlog + "<Velmora player=\"2\">\r\n"));
}

// --- brenwick-cli tree and resave --------------------------------------------

TEST_F(ProjectFileFixture, CliTreePrintsEntriesDepthFirst)
{
    Add(ikGroup, QStringLiteral("Игры"));
    TBaseItem *p = Add(ikProgram, QStringLiteral("Установка"));
    Tree().SetHidden(p, true);
    Tree().Select(Tree().TopLevel()[0]);
    Tree().SetWhereAdd(TCommandTree::waBeside);
    Add(ikExit, QStringLiteral("Выход"));
    ASSERT_TRUE(form->SaveProject(Path("t.xml"), TProject::WholeProject()));
    const CliRun r = RunCli({QStringLiteral("tree"), Path("t.xml")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringLiteral("group #1 \"Игры\"\n  program #2 hidden \"Установка\"\nexit #3 \"Выход\"\n"));

    EXPECT_EQ(RunCli({QStringLiteral("tree")}).status, 2);
    const CliRun missing = RunCli({QStringLiteral("tree"), Path("missing.xml")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Cannot open the file: "))) << qPrintable(missing.err);
}

TEST_F(ProjectFileFixture, CliResaveWritesWhatSaveAsWrites)
{
    // The whole editor: the command line carries the design too.
    TPreviewForm preview;
    linkDesignWindow(*form, preview);
    linkDesignFile(*form, preview, *linkLayoutPage(*form, preview));
    Add(ikGroup, QStringLiteral("g"));
    Add(ikUrl, QStringLiteral("u"));
    ASSERT_TRUE(form->SaveProject(Path("in.xml"), TProject::WholeProject()));
    // LF line ends and a different root name still read; the output is the editor's layout.
    QByteArray loose = Bytes(Path("in.xml"));
    loose.replace("\r\n", "\n").replace("Velmora>", "Menu>");
    Write(Path("loose.xml"), loose);
    EXPECT_EQ(RunCli({QStringLiteral("resave"), Path("loose.xml"), Path("out.xml")}).status, 0);
    EXPECT_EQ(Bytes(Path("out.xml")), Bytes(Path("in.xml")));

    Write(Path("bad.xml"), Project("  <root>\r\n    <group id=\"1\"/>\r\n  </root>\r\n"));
    const CliRun bad = RunCli({QStringLiteral("resave"), Path("bad.xml"), Path("out.xml")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, QStringLiteral("brenwick-cli: root/group/@hidden (command 1): Invalid variant type conversion\n"));
    EXPECT_EQ(Bytes(Path("out.xml")), Bytes(Path("in.xml")));   // untouched
    EXPECT_EQ(RunCli({QStringLiteral("resave"), Path("in.xml")}).status, 2);
}

// --- the design's plug-in point ------------------------------------------------

namespace {

// Writes one window element and one button per "button"; reading fails on a
// window whose width is "bad", as a design reader meets a bad picture.
class FakeDesignParts : public TDesignParts
{
public:
    int buttons = 0;
    QString width = QStringLiteral("512");
    QStringList calls;

    void WriteDesign(TXNode &root) override
    {
        calls << QStringLiteral("WriteDesign");
        root.AddChild(QStringLiteral("window"))->SetAttr(QStringLiteral("width"), width);
    }
    void WriteButtons(TXNode &root) override
    {
        calls << QStringLiteral("WriteButtons");
        for (int i = 0; i < buttons; ++i)
            root.AddChild(QStringLiteral("button"))->SetAttr(QStringLiteral("n"), i);
    }
    Apply ReadDesign(TXNode &root) override
    {
        calls << QStringLiteral("ReadDesign");
        const QString w = root.Child(QStringLiteral("window"))->GetAttr(QStringLiteral("width")).ToString();
        if (w == QStringLiteral("bad"))
            throw BrenwickError(QStringLiteral("Bitmap image is not valid"));
        return [this, w] { width = w; };
    }
    Apply ReadButtons(TXNode &root) override
    {
        calls << QStringLiteral("ReadButtons");
        int n = 0;
        for (TXNode *c = root.FirstChild(); c; c = c->Next())
            n += c->Name() == QStringLiteral("button");
        return [this, n] { buttons = n; };
    }
    void ClearButtons() override
    {
        calls << QStringLiteral("ClearButtons");
        buttons = 0;
    }
};

} // namespace

TEST_F(ProjectFileFixture, DesignPartsPlugInAfterTheOptionsAndLoadAllOrNothing)
{
    FakeDesignParts design;
    design.buttons = 2;
    form->Project().SetDesignParts(&design);
    ASSERT_TRUE(form->SaveProject(Path("d.xml"), TProject::WholeProject()));
    EXPECT_EQ(Bytes(Path("d.xml")), Project(kDefaultOptions + "  <window width=\"512\"/>\r\n  <button n=\"0\"/>\r\n  <button n=\"1\"/>\r\n"));

    design.calls.clear();
    design.buttons = 0;
    design.width.clear();
    ASSERT_TRUE(form->LoadProject(Path("d.xml"), TProject::WholeProject()));
    EXPECT_EQ(design.calls, (QStringList{QStringLiteral("ReadDesign"), QStringLiteral("ReadButtons"), QStringLiteral("ClearButtons")}));
    EXPECT_EQ(design.buttons, 2);
    EXPECT_EQ(design.width, QStringLiteral("512"));

    // A design that does not read leaves the commands, the options and the buttons.
    Add(ikProgram, QStringLiteral("stays"));
    form->Project().Options().SetAbout(QStringLiteral("stays"));
    Write(Path("bad.xml"), Project("  <about>new</about>\r\n  <window width=\"bad\"/>\r\n  <button/>\r\n"));
    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_FALSE(form->LoadProject(Path("bad.xml"), TProject::WholeProject()));
    EXPECT_EQ(prompt.asked.constLast().text.section(QLatin1Char('\n'), 1), QStringLiteral("Bitmap image is not valid"));
    EXPECT_EQ(design.buttons, 2);
    EXPECT_EQ(Tree().Count(), 1);
    EXPECT_EQ(form->Project().Options().About(), QStringLiteral("stays"));
    form->Project().SetDesignParts(nullptr);
}
