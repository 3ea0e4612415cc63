#include "app/TMainForm.h"
#include "app/cli/CliEditor.h"
#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "base/BrenwickError.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "xml/PictureText.h"
#include "xml/WindowDesign.h"
#include "support/CliRunner.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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

// Equal bytes, or the first line where they part.
::testing::AssertionResult SameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> la = a.split('\n'), lb = b.split('\n');
    for (qsizetype i = 0; i < qMax(la.size(), lb.size()); ++i)
        if (la.value(i) != lb.value(i))
            return ::testing::AssertionFailure() << "line " << i + 1 << ":\n  " << la.value(i).left(300).constData()
                                                 << "\n  " << lb.value(i).left(300).constData();
    return ::testing::AssertionFailure();
}

// The lines of one element written at depth 1, its start and end tags included.
QList<QByteArray> ElementLines(const QByteArray &file, const QByteArray &name)
{
    const qsizetype start = file.indexOf("  <" + name + ">\r\n");
    const QByteArray endTag = "  </" + name + ">\r\n";
    const qsizetype end = file.indexOf(endTag, start);
    if (start < 0 || end < 0)
        return {};
    QList<QByteArray> lines = file.mid(start, end + endTag.size() - start).split('\n');
    lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1);   // the CR
    return lines;
}

struct DesignFileTest : ::testing::Test
{
    QTemporaryDir dir;
    QString Path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    // Saves the editor's whole project and returns the bytes.
    QByteArray Saved(cli::Editor &editor, const char *name = "saved.xml")
    {
        editor.project.SaveProject(Path(name), TProject::WholeProject());
        return Bytes(Path(name));
    }
};

QImage Pattern(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, rng.generate() | 0xFF000000u);
    return image;
}

// Gives every written property of every object of the design a value other
// than the one it starts with.
void Scramble(cli::Editor &e, quint32 seed)
{
    QRandomGenerator rng(seed);
    auto pick = [&](int lo, int hi) { return int(rng.bounded(lo, hi + 1)); };
    auto colour = [&] { return TColor(qint32(rng.generate() & 0xFFFFFF)); };
    TPreviewForm &f = e.form;
    f.setColorGradient(false);
    f.setColorTop(colour());
    f.setColorBottom(TColor::clBtnShadow);
    f.setAlphaBlend(true);
    f.setAlphaBlendValue(pick(0, 254));
    f.setTransparentColor(true);
    f.setTransparentColorValue(colour());
    f.setCaption(QStringLiteral("Диск <\"&'>"));
    f.setCursorId(TCursor::crHandPoint);
    f.setBorderStyle(TPreviewForm::bsToolWindow);
    f.setClientWidth(pick(500, 700));
    f.setClientHeight(pick(300, 500));

    auto control = [&](TSurface &s) {
        s.setAnchors(TSurface::TAnchors(pick(0, 15)));
        s.Constraints()->setMinWidth(pick(1, 20));
        s.Constraints()->setMinHeight(pick(1, 20));
        s.Constraints()->setMaxWidth(pick(300, 400));
        s.Constraints()->setMaxHeight(pick(300, 400));
        s.setBoundsRect(pick(-5, 100), pick(-5, 100), pick(30, 250), pick(30, 250));
        s.setHint(QStringLiteral("подсказка\r\nвторая"));
        s.setShowHint(true);
        s.setCursorId(TCursor(qint16(-pick(1, 22))));
    };
    for (TImageEx *image : {f.BackImage(), f.ThemeImage()}) {
        control(*image);
        image->setStretch(true);
        image->setProportional(true);
        image->setCenter(true);
        image->setTransparent(true);
        image->Picture()->setBitmap(Pattern(pick(1, 9), pick(1, 9), rng.generate()));
    }
    f.ThemeImage()->setAutoSize(false);
    f.ThemeImage()->setVisible(false);
    auto box = [&](TTextBox &b) {
        control(*b.Control());
        b.setVisible(false);
        b.setAlignment(TControlWrapper::taRightJustify);
        b.setBorderStyle(TTextBox::tbsSunken);
        b.setBorderColor(colour());
        b.setColor(colour());
        b.Font()->setName(QStringLiteral("Courier New"));
        b.Font()->setCharset(pick(0, 255));
        b.Font()->setHeight(-pick(5, 40));
        b.Font()->setColor(colour());
        b.Font()->setStyle(TFont::TFontStyles(pick(1, 15)));
        b.setShadow(false);
        b.setShadowColor(colour());
        b.setShadowSize(pick(0, 9));
        b.setRowSpacing(pick(1, 9));
    };
    box(*f.Heading());
    f.Heading()->setText({QStringLiteral("Первая"), QString(), QStringLiteral("третья")});
    f.Heading()->setAllowChange(true);
    box(*f.CommentArea());
    TButtonBox &menu = *f.MenuArea();
    box(menu);
    menu.setColumns(3);
    menu.setAutoColumns(false);
    menu.setHorizAlloc(true);
    menu.setColorSelected(colour());
    TStyledButton &style = *menu.ButtonStyle();
    style.setStyle(TStyledButton::bssSkinned);
    style.setColor(colour());
    style.setAlignment(TControlWrapper::taCenter);
    style.setPadHorizontal(pick(1, 9));
    style.setPadVertical(pick(1, 9));
    style.setAutoSize(false);
    style.setWidth(pick(50, 150));
    style.setHeight(pick(10, 40));
    for (TPicture *p : {style.Pictures()->Default(), style.Pictures()->Selected(), style.Pictures()->Pressed()})
        p->setBitmap(Pattern(pick(1, 6), pick(1, 6), rng.generate()));

    e.layout.DeleteAllPicButtons();
    for (int i = 0; i < 2; ++i) {
        TPicButton &b = *e.layout.CreatePicButton(QStringLiteral("Кнопка %1").arg(i));
        for (TPicture *p : {b.Pictures()->Default(), b.Pictures()->Selected(), b.Pictures()->Pressed()})
            p->setBitmap(Pattern(pick(1, 6), pick(1, 6), rng.generate()));
        control(*b.Image());
        b.setAutoSize(false);
        b.setStretch(true);
        b.setProportional(true);
        b.setCenter(true);
        b.setTransparent(true);
        b.setVisible(i == 0);
        b.setAction(TPicButton::baHelp);
        b.setItemID(pick(1, 1000));
        b.setShowCaption(true);
        b.setColorSelected(colour());
        b.setAlignment(TControlWrapper::taCenter);
        b.setPadHorizontal(pick(1, 9));
        b.setPadVertical(pick(1, 9));
        b.Font()->setName(QStringLiteral("Arial"));
        b.Font()->setStyle(TFont::fsUnderline);
        b.Font()->setColor(colour());
        b.setShadow(true);
        b.setShadowColor(colour());
        b.setShadowSize(pick(1, 5));
    }
}

} // namespace

TEST_F(DesignFileTest, FreshDesignWritesTheThemeAsThePlayerReadsIt)
{
    cli::Editor editor;
    const QByteArray file = Saved(editor);
    const QList<QByteArray> theme = ElementLines(file, "theme");
    ASSERT_EQ(theme.size(), 8);
    EXPECT_EQ(theme[0], "  <theme>");
    EXPECT_EQ(theme[1], "    <position top=\"40\" left=\"12\" width=\"200\" height=\"200\"/>");
    EXPECT_EQ(theme[2], "    <resize anchors=\"3\" minwidth=\"0\" minheight=\"0\" maxwidth=\"0\" maxheight=\"0\"/>");
    EXPECT_EQ(theme[3], "    <hint text=\"\" showhint=\"0\" cursor=\"0\"/>");
    EXPECT_EQ(theme[4], "    <sizing autosize=\"-1\" stretch=\"0\" proportional=\"0\" center=\"0\"/>");
    EXPECT_EQ(theme[5], "    <appearance visible=\"-1\" transparent=\"0\"/>");
    EXPECT_EQ(theme[6], "    <source>" + PictureToText(*editor.form.ThemeImage()->Picture()).toLatin1() + "</source>");
    EXPECT_EQ(theme[7], "  </theme>");

    // The background fills the window: no position. The heading alone carries
    // its text, the line break inside the quotes; the menu area's additions
    // follow the font and end with the look of its buttons.
    const QList<QByteArray> back = ElementLines(file, "background");
    ASSERT_GT(back.size(), 2);
    EXPECT_TRUE(back[1].startsWith("    <resize "));
    EXPECT_TRUE(file.contains("color=\"536870911\" text=\"Автозапуск\r\n\" allowchange=\"0\"/>\r\n    <font "));
    EXPECT_FALSE(ElementLines(file, "commentbox").value(4).contains("text="));
    const QList<QByteArray> menu = ElementLines(file, "menubox");
    ASSERT_GE(menu.size(), 8);
    EXPECT_TRUE(menu[4].startsWith("    <appearance visible=\"-1\" alignment=\"0\" borderstyle=\"0\" bordercolor=\"0\" "
                                   "color=\"536870911\" columns=\"1\" autocolumns=\"-1\" halloc=\"0\" colorselected=\"255\"/>"))
        << menu[4].constData();
    EXPECT_TRUE(menu[5].startsWith("    <font name=\"Times New Roman\" charset=\"204\" height=\"-19\" color=\"65535\" "
                                   "style=\"0\" shadow=\"-1\" shadowcolor=\"0\" shadowsize=\"3\" rowspacing=\"0\"/>"))
        << menu[5].constData();
    EXPECT_EQ(menu[6], "    <buttonstyle>");
}

TEST_F(DesignFileTest, SavedOpenedAndSavedAgainGivesTheSameBytes)
{
    // The fresh project, and one where every property has moved.
    for (const bool scrambled : {false, true}) {
        cli::Editor first;
        if (scrambled)
            Scramble(first, 7);
        const QByteArray once = Saved(first, "once.xml");
        cli::Editor second;
        second.project.LoadProject(Path("once.xml"), TProject::WholeProject());
        EXPECT_TRUE(SameBytes(Saved(second, "twice.xml"), once)) << "scrambled " << scrambled;
        if (!scrambled)
            continue;
        // Spot checks that the values really travelled.
        TPreviewForm &f = second.form;
        EXPECT_EQ(f.Caption(), first.form.Caption());
        EXPECT_EQ(f.ClientWidth(), first.form.ClientWidth());
        EXPECT_TRUE(f.BackImage()->Transparent());
        EXPECT_EQ(f.ThemeImage()->Picture()->image(), first.form.ThemeImage()->Picture()->image().convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(f.Heading()->Text(), first.form.Heading()->Text());
        EXPECT_EQ(f.MenuArea()->ButtonStyle()->Width(), first.form.MenuArea()->ButtonStyle()->Width());
        ASSERT_EQ(second.layout.PicButtons().size(), 2);
        EXPECT_EQ(second.layout.PicButtons()[1]->Caption(), QStringLiteral("Кнопка 1"));
        EXPECT_EQ(second.layout.PicButtons()[0]->ItemID(), first.layout.PicButtons()[0]->ItemID());
        EXPECT_FALSE(second.layout.PicButtons()[1]->Visible());
    }
}

// A bitmap stored in the old core-header layout, and one whose header gives an
// unusual resolution, come back from a design exactly as they were stored.
TEST_F(DesignFileTest, DesignPicturesKeepTheLayoutTheyWereStoredIn)
{
    const QByteArray core("BM\x24\0\0\0\0\0\0\0\x20\0\0\0"
                          "\x0c\0\0\0\x02\0\x01\0\x01\0\x08\0"
                          "\0\0\xff" "\xff\0\0"
                          "\x01\0\0\0",
                          36);
    QImage odd(3, 2, QImage::Format_RGB888);
    odd.fill(Qt::darkCyan);
    odd.setDotsPerMeterX(1234);
    odd.setDotsPerMeterY(4321);
    cli::Editor first;
    TextToPicture(*first.form.ThemeImage()->Picture(), BytesToPictureText(core));
    first.form.BackImage()->Picture()->setBitmap(odd);
    const QByteArray once = Saved(first, "layouts.xml");
    EXPECT_TRUE(once.contains(BytesToPictureText(core).toUtf8()));
    cli::Editor second;
    second.project.LoadProject(Path("layouts.xml"), TProject::WholeProject());
    EXPECT_TRUE(SameBytes(Saved(second, "layouts2.xml"), once));
}

TEST_F(DesignFileTest, ReadingKeepsToTheEdgesOfTheFormat)
{
    cli::Editor editor;
    QByteArray file = Saved(editor);
    // A position inside background is not applied; a menubox without its
    // columns reads with the defaults; a style and anchors above 255 keep their
    // low 8 bits; a missing text reads empty on every text object.
    file.replace("  <background>\r\n", "  <background>\r\n    <position top=\"7\" left=\"7\" width=\"9\" height=\"9\"/>\r\n");
    file.replace("columns=\"1\" autocolumns=\"-1\" halloc=\"0\" ", "");
    const QList<QByteArray> comment = ElementLines(file, "commentbox");
    QByteArray fontLine = comment[5];
    QByteArray newFontLine = fontLine;
    newFontLine.replace("style=\"0\"", "style=\"4097\"");
    file.replace(fontLine, newFontLine);
    file.replace("text=\"Автозапуск\r\n\" allowchange=\"0\"", "");
    file.replace("anchors=\"3\"", "anchors=\"258\"");
    Write(Path("edge.xml"), file);

    cli::Editor other;
    other.form.MenuArea()->setColumns(3);
    other.form.MenuArea()->setHorizAlloc(true);
    other.form.CommentArea()->setAllowChange(true);
    other.project.LoadProject(Path("edge.xml"), TProject::WholeProject());
    TPreviewForm &f = other.form;
    EXPECT_EQ(f.BackImage()->geometry(), QRect(0, 0, f.ClientWidth(), f.ClientHeight()));
    EXPECT_EQ(f.MenuArea()->Columns(), 1);
    EXPECT_FALSE(f.MenuArea()->AutoColumns());
    EXPECT_FALSE(f.MenuArea()->HorizAlloc());
    EXPECT_EQ(f.CommentArea()->Font()->Style(), TFont::TFontStyles(TFont::fsBold));
    EXPECT_EQ(f.ThemeImage()->Anchors(), TSurface::TAnchors(TSurface::akTop));
    EXPECT_TRUE(f.Heading()->Text().isEmpty());
    EXPECT_FALSE(f.CommentArea()->AllowChange());

    // An automatically sized picture without pixels ends the same size
    // whatever picture the control held before the load.
    QByteArray empty = Saved(editor);
    const qsizetype source = empty.indexOf("<source>", empty.indexOf("<theme>")) + 8;
    empty.replace(source, empty.indexOf("</source>", source) - source, "0;eJwDAAAAAAE=");
    Write(Path("empty.xml"), empty);
    cli::Editor small, fresh;
    small.form.ThemeImage()->Picture()->setBitmap(Pattern(5, 3, 1));
    small.project.LoadProject(Path("empty.xml"), TProject::WholeProject());
    fresh.project.LoadProject(Path("empty.xml"), TProject::WholeProject());
    EXPECT_EQ(small.form.ThemeImage()->geometry(), fresh.form.ThemeImage()->geometry());
}

TEST(DesignLines, BreaksOfEveryKindSplitAndTheLastStartsNoLine)
{
    EXPECT_EQ(LinesToText({QStringLiteral("Автозапуск")}), QStringLiteral("Автозапуск\r\n"));
    EXPECT_EQ(TextToLines(QStringLiteral("Автозапуск\r\n")), QStringList{QStringLiteral("Автозапуск")});
    EXPECT_EQ(TextToLines(QStringLiteral("a\rb\nc\r\n\r\nd")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QString(), QStringLiteral("d")}));
    EXPECT_TRUE(TextToLines(QString()).isEmpty());
    EXPECT_EQ(TextToLines(QStringLiteral("\n")), QStringList{QString()});
}

TEST_F(DesignFileTest, AFailedReadLeavesTheProjectAsItWas)
{
    cli::Editor source;
    Scramble(source, 3);
    const QByteArray good = Saved(source, "good.xml");

    struct Damage
    {
        QByteArray from, to, message;
    };
    const QList<Damage> damages = {
        {"<appearance caption=", "<appearance captionx=", "Invalid variant type conversion"},
        {"columns=\"3\"", "columns=\"three\"", "Invalid variant type conversion"},
        {"<default>", "<default>x;", "'x' is not a valid integer value"},
        {"<pressed>", "<pressed>1;A B=", "Coding table entry not found."},
        {"<selected>", "<selected>9", "Bitmap image is not valid"},
    };
    for (const Damage &d : damages) {
        // The last button's pictures break after everything else was read.
        QByteArray bad = good;
        const qsizetype at = bad.lastIndexOf(d.from);
        ASSERT_GE(at, 0) << d.from.constData();
        bad.replace(at, d.from.size(), d.to);
        Write(Path("bad.xml"), bad);

        cli::Editor editor;
        editor.project.Tree().AddItem(QStringLiteral("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
        editor.layout.CreatePicButton(QStringLiteral("своя"));
        const QByteArray before = Saved(editor, "before.xml");
        for (const TProject::TParts parts : {TProject::WholeProject(), TProject::DesignFile()}) {
            try {
                editor.project.LoadProject(Path("bad.xml"), parts);
                ADD_FAILURE() << "loaded " << d.to.constData();
            } catch (const BrenwickError &e) {
                EXPECT_EQ(e.message(), QString::fromUtf8(d.message));
            }
            EXPECT_TRUE(SameBytes(Saved(editor, "after.xml"), before)) << d.to.constData();
            EXPECT_EQ(editor.project.UndoStack().count(), 0);
        }
    }
}

TEST_F(DesignFileTest, DesignFilesCarryNoCommandsAndLeaveTheTreeAlone)
{
    cli::Editor source;
    Scramble(source, 11);
    source.project.Tree().AddItem(QStringLiteral("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    source.project.Options().SetExitCross(true);
    source.project.SaveProject(Path("project.xml"), TProject::WholeProject());
    source.project.SaveProject(Path("design.xml"), TProject::DesignFile());
    EXPECT_EQ(source.project.FileName(), Path("project.xml"));
    const QByteArray design = Bytes(Path("design.xml"));
    EXPECT_TRUE(design.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<!DOCTYPE Velmora>\r<Velmora>\r\n"));
    EXPECT_FALSE(design.contains("<root>"));
    EXPECT_EQ(design.count("  <button>\r\n"), 2);

    // A design file opened as a project: an empty tree, the design in place.
    cli::Editor opened;
    opened.project.LoadProject(Path("design.xml"), TProject::WholeProject());
    EXPECT_TRUE(opened.project.Tree().TopLevel().isEmpty());
    EXPECT_EQ(opened.layout.PicButtons().size(), 2);

    // A project loaded as a design: its tree, file name and own commands stay;
    // options, design and buttons are replaced; one undo step puts them back.
    cli::Editor target;
    target.project.Tree().AddItem(QStringLiteral("Свой"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr), false);
    target.layout.CreatePicButton(QStringLiteral("своя"));
    target.project.SaveProject(Path("target.xml"), TProject::WholeProject());
    target.project.SetModified(false);
    const QByteArray targetBefore = Bytes(Path("target.xml"));
    target.project.LoadProject(Path("project.xml"), TProject::DesignFile());
    EXPECT_EQ(target.project.FileName(), Path("target.xml"));
    EXPECT_TRUE(target.project.Modified());
    ASSERT_EQ(target.project.Tree().TopLevel().size(), 1);
    EXPECT_EQ(target.project.Tree().TopLevel()[0]->Name(), QStringLiteral("Свой"));
    EXPECT_TRUE(target.project.Options().ExitCross());
    EXPECT_EQ(target.layout.PicButtons().size(), 2);
    EXPECT_EQ(target.project.UndoStack().count(), 1);
    // Saved, it is the design file's design with the target's commands.
    target.project.SaveProject(Path("applied.xml"), TProject::DesignFile());
    EXPECT_TRUE(SameBytes(Bytes(Path("applied.xml")), design));
    target.project.UndoStack().undo();
    EXPECT_TRUE(SameBytes(Saved(target, "undone.xml"), targetBefore));
    target.project.UndoStack().redo();
    target.project.SaveProject(Path("redone.xml"), TProject::DesignFile());
    EXPECT_TRUE(SameBytes(Bytes(Path("redone.xml")), design));
}

TEST_F(DesignFileTest, CommandLineCarriesWholeProjectsAndDesigns)
{
    cli::Editor source;
    Scramble(source, 5);
    source.project.Tree().AddItem(QStringLiteral("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    const QByteArray project = Saved(source, "project.xml");
    source.project.SaveProject(Path("design.xml"), TProject::DesignFile());

    ASSERT_EQ(RunCli({QStringLiteral("resave"), Path("project.xml"), Path("resaved.xml")}).status, 0);
    EXPECT_TRUE(SameBytes(Bytes(Path("resaved.xml")), project));
    ASSERT_EQ(RunCli({QStringLiteral("design"), QStringLiteral("extract"), Path("project.xml"), QStringLiteral("-o"),
                      Path("extracted.xml")}).status, 0);
    EXPECT_TRUE(SameBytes(Bytes(Path("extracted.xml")), Bytes(Path("design.xml"))));

    cli::Editor plain;
    plain.project.Tree().AddItem(QStringLiteral("Своё"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
    Saved(plain, "plain.xml");
    ASSERT_EQ(RunCli({QStringLiteral("design"), QStringLiteral("apply"), Path("design.xml"), Path("plain.xml"),
                      QStringLiteral("-o"), Path("out.xml")}).status, 0);
    cli::Editor out;
    out.project.LoadProject(Path("out.xml"), TProject::WholeProject());
    EXPECT_EQ(out.project.Tree().TopLevel()[0]->Name(), QStringLiteral("Своё"));
    out.project.SaveProject(Path("out-design.xml"), TProject::DesignFile());
    EXPECT_TRUE(SameBytes(Bytes(Path("out-design.xml")), Bytes(Path("design.xml"))));

    const CliRun bad = RunCli({QStringLiteral("design"), QStringLiteral("apply"), Path("design.xml"), QStringLiteral("-o"), Path("x.xml")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_FALSE(QFile::exists(Path("x.xml")));
}

TEST_F(DesignFileTest, DesignActionsKeepTheProjectsFileAndTellWhatChanged)
{
    ScriptedPrompt prompt;
    TMainForm main(Path("brenwick.ini"), &prompt);
    TPreviewForm preview;
    linkDesignWindow(main, preview);
    TLayoutEditor *layout = linkLayoutPage(main, preview);
    linkDesignFile(main, preview, *layout);
    layout->FormShow();   // as the main window's first showing does
    main.Tree().AddItem(QStringLiteral("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    ASSERT_TRUE(main.SaveProject(Path("project.xml"), TProject::WholeProject()));
    EXPECT_EQ(Bytes(Path("project.xml")).count("  <button>\r\n"), 3);   // the default buttons

    // A design save writes no commands and leaves the flag, the file name and
    // the recent list alone: the project file itself was not written.
    preview.setCaption(QStringLiteral("Другое"));
    main.Project().SetModified(true);
    prompt.saveNames = {Path("design.xml")};
    main.ASaveDesignExecute();
    EXPECT_EQ(prompt.dialogsShown.constLast(), QStringLiteral("Сохранить оформление"));
    EXPECT_TRUE(main.Project().Modified());
    EXPECT_EQ(main.Project().FileName(), Path("project.xml"));
    EXPECT_EQ(main.RecentFiles().Paths(), QStringList{Path("project.xml")});
    EXPECT_FALSE(Bytes(Path("design.xml")).contains("<root>"));

    // A bad design file: one message, nothing changed, nothing to undo.
    QByteArray bad = Bytes(Path("design.xml"));
    bad.replace("<source>", "<source>1;#");
    Write(Path("bad.xml"), bad);
    preview.setCaption(QStringLiteral("Своё"));
    main.Project().SetModified(false);
    prompt.asked.clear();
    prompt.openNames = {Path("bad.xml")};
    main.ALoadDesignExecute();
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked[0].text.endsWith(
        QString::fromUtf8("\nКартинка в элементе «background» повреждена. (Coding table entry not found.)")))
        << prompt.asked[0].text.toStdString();
    EXPECT_EQ(preview.Caption(), QStringLiteral("Своё"));
    EXPECT_FALSE(main.Project().Modified());
    EXPECT_EQ(main.Project().UndoStack().count(), 0);

    // A good one: no question, one undo step, the flag set, the tree kept.
    prompt.openNames = {Path("design.xml")};
    main.ALoadDesignExecute();
    EXPECT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(preview.Caption(), QStringLiteral("Другое"));
    EXPECT_TRUE(main.Project().Modified());
    EXPECT_EQ(main.Tree().Count(), 1);
    EXPECT_EQ(main.Project().FileName(), Path("project.xml"));
    ASSERT_EQ(main.Project().UndoStack().count(), 1);
    main.Project().UndoStack().undo();
    EXPECT_EQ(preview.Caption(), QStringLiteral("Своё"));
}
