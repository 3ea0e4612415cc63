// The shared reader against the editor's: the same file gives the same
// commands, options and design values; failures name the line.
#include "app/cli/CliEditor.h"
#include "project/TProjectOptions.h"
#include "rules/PictureText.h"
#include "rules/ProjectReader.h"
#include "rules/XmlReader.h"
#include "window/TPicButton.h"
#include "xml/PictureText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

std::string ReadError(const std::string &file, int *line = nullptr)
{
    try {
        rules::ReadProject(file);
    } catch (const rules::ReadError &e) {
        if (line)
            *line = e.Line();
        return e.what();
    }
    return "read";
}

TEST(RulesReader, ReadsWhatTheEditorSaves)
{
    QTemporaryDir temp;
    cli::Editor editor;
    TCommandTree &tree = editor.project.Tree();
    TBaseItem *games = tree.AddItem(QStringLiteral("Игры & <ко>"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    TBaseItem *run = tree.AddItem(QStringLiteral("Тетрис"), ikProgram, TCommandTree::TPlace::LastChildOf(games), false);
    tree.SetCustom(run, QStringLiteral("\"games\\tetris.exe\""));
    tree.SetParams(run, QStringLiteral("/a"));
    tree.SetComment(run, QStringLiteral("две\nстроки"));
    tree.SetHidden(run, true);
    tree.SetId(run, -7);
    tree.AddItem(QStringLiteral("Выход"), ikExit, TCommandTree::TPlace::LastChildOf(nullptr), false);
    TProjectOptions &o = editor.project.Options();
    o.SetExitCross(true);
    o.SetExitAnyCommand(true);
    o.SetPathOption(TProjectOptions::poProject);
    o.SetCdRoot(false);
    o.SetAbout(QStringLiteral("первая\n\nтретья"));
    o.SetRootDir(QStringLiteral("/диск"));
    TPicButton *b = editor.layout.CreatePicButton(QStringLiteral("Кнопка"));
    b->setAction(TPicButton::baLevelUp);
    b->setVisible(false);
    const QString file = temp.filePath(QStringLiteral("Velmora.XML"));
    editor.project.SaveProject(file, TProject::WholeProject());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();

    const rules::Project p = rules::ReadProject(bytes.toStdString());
    ASSERT_EQ(p.commands.size(), 2u);
    EXPECT_EQ(p.commands[0].name, "Игры & <ко>");
    ASSERT_EQ(p.commands[0].children.size(), 1u);
    const rules::Command &c = p.commands[0].children[0];
    EXPECT_EQ(c.kind, rules::ItemKind::Program);
    EXPECT_EQ(c.custom, "\"games\\tetris.exe\"");
    EXPECT_EQ(c.params, "/a");
    EXPECT_EQ(c.comment, "две\nстроки");
    EXPECT_EQ(c.id, -7);
    EXPECT_TRUE(c.hidden);
    EXPECT_EQ(p.commands[1].kind, rules::ItemKind::Exit);
    EXPECT_TRUE(p.options.exitCross && p.options.exitAnyCommand);
    EXPECT_FALSE(p.options.exitQuestion || p.options.exitLevelUp);
    EXPECT_EQ(p.options.pathOption, rules::PathOption::Project);
    EXPECT_FALSE(p.options.cdRoot);
    EXPECT_EQ(p.options.about, (std::vector<std::string>{"первая", "", "третья"}));
    EXPECT_EQ(p.options.rootDir, "/диск");
    ASSERT_TRUE(p.hasDesign);
    ASSERT_FALSE(p.buttons.empty());
    const rules::PicButton &last = p.buttons.back();
    EXPECT_EQ(last.caption, "Кнопка");
    EXPECT_EQ(last.action, rules::ButtonAction::LevelUp);
    EXPECT_FALSE(last.visible);
    EXPECT_EQ(last.control.width, b->Width());
    EXPECT_EQ(last.control.top, b->Top());
    // The design's pictures arrive as the BMP bytes the editor wrote.
    EXPECT_EQ(p.design.window.clientWidth, editor.form.ClientWidth());
    const rules::ButtonStyle &style = p.design.menu.buttonStyle;
    EXPECT_TRUE(style.pictures.normal.empty() || (style.pictures.normal[0] == 'B' && style.pictures.normal[1] == 'M'));
}

TEST(RulesReader, TheEditorsXmlRules)
{
    // Declarations and comments skipped, entities, TAB dropped from text, any
    // end tag closing the innermost element, names of kinds in lower case only.
    const std::string file =
        "<?xml version=\"1.0\"?>\r<!DOCTYPE Velmora>\r<Any>\n<!-- note -->\n<root>\n"
        "  <Program name=\"&quot;a&amp;b&lt;&gt;&amp;amp;\" id=\"1\" hidden=\"0\"><exit id=\"2\" hidden=\"TRUE\"/></x>\n"
        "  <url name=\"u\" ID=\" +3 \" Hidden=\"false\" custom=\"x y\"><group id=\"x\" hidden=\"0\"/></url>\n"
        "</root>\n<rootdir>\tD:\\disc\t</rootdir>\n<about>one\r\ntwo\r\n</about>\n"
        "<pathoptions option=\"CDROOT\"/>\n</Any>\n";
    const rules::Project p = rules::ReadProject(file);
    ASSERT_EQ(p.commands.size(), 2u);
    EXPECT_EQ(p.commands[0].kind, rules::ItemKind::Group);   // "Program" is no kind's name
    EXPECT_EQ(p.commands[0].name, "\"a&b<>&amp;");
    ASSERT_EQ(p.commands[0].children.size(), 1u);
    EXPECT_TRUE(p.commands[0].children[0].hidden);
    EXPECT_EQ(p.commands[1].id, 3);
    EXPECT_TRUE(p.commands[1].children.empty());   // only groups' children are read
    EXPECT_EQ(p.options.rootDir, "D:\\disc");
    EXPECT_EQ(p.options.about, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(p.options.pathOption, rules::PathOption::None);
    EXPECT_TRUE(p.options.cdRoot);
    EXPECT_FALSE(p.hasDesign);
    // A missing option reads as "velmora".
    EXPECT_EQ(rules::ReadProject("<V><pathoptions cdroot=\"0\"/></V>").options.pathOption, rules::PathOption::Velmora);
    EXPECT_FALSE(rules::ReadProject("<V><pathoptions cdroot=\"0\"/></V>").options.cdRoot);
    // Text that is not UTF-8 reads as empty.
    EXPECT_EQ(rules::ReadProject("<V><rootdir>\xC3(</rootdir></V>").options.rootDir, "");
}

TEST(RulesReader, NumbersAsTheEditorConvertsThem)
{
    EXPECT_EQ(rules::AttrToInt("4294967295"), -1);
    EXPECT_EQ(rules::AttrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(rules::AttrToInt("4294967296"), std::nullopt);
    EXPECT_EQ(rules::AttrToInt("-2147483649"), std::nullopt);
    EXPECT_EQ(rules::AttrToInt("\t-0012\r\n"), -12);
    EXPECT_EQ(rules::AttrToInt("+"), std::nullopt);
    EXPECT_EQ(rules::AttrToInt("1e3"), std::nullopt);
    EXPECT_EQ(rules::AttrToBool(" True "), true);
    EXPECT_EQ(rules::AttrToBool("-1"), true);
    EXPECT_EQ(rules::AttrToBool("0"), false);
    EXPECT_EQ(rules::AttrToBool("yes"), std::nullopt);
}

TEST(RulesReader, FailuresNameTheLineAndThePlace)
{
    int line = 0;
    // A bad id after a group with children names the right command.
    const std::string badId = "<V>\n<root>\n<group id=\"1\" hidden=\"0\">\n<exit id=\"2\" hidden=\"0\"/>\n</group>\n"
                              "<url id=\"abc\" hidden=\"0\"/>\n</root>\n</V>\n";
    const std::string what = ReadError(badId, &line);
    EXPECT_EQ(line, 6);
    EXPECT_NE(what.find("команда 3"), std::string::npos) << what;
    EXPECT_NE(what.find("«id» = «abc»"), std::string::npos) << what;
    EXPECT_NE(ReadError("<V><root><exit id=\"1\"/></root></V>").find("«hidden» отсутствует"), std::string::npos);
    // A file cut right after a line break names the last line that holds anything.
    ReadError("<V>\r\n<root>\r\n<exit id=\"1\"\r\n", &line);
    EXPECT_EQ(line, 3);
    ReadError("<V>\n<root>\n", &line);
    EXPECT_EQ(line, 2);
    // An enumeration beyond its values, and a design element with nothing in it.
    EXPECT_NE(ReadError("<V><window/></V>").find("window/colors"), std::string::npos);
    // Nesting deeper than the editor reads.
    std::string deep;
    for (int i = 0; i <= rules::XmlReader::kMaxNestingDepth; ++i)
        deep += "<a>";
    EXPECT_EQ(ReadError(deep), "Element nesting too deep");
    std::string fits = "<V>";
    for (int i = 1; i < rules::XmlReader::kMaxNestingDepth; ++i)
        fits += "<a>";
    EXPECT_EQ(ReadError(fits), "Unexpected end of file");
}

std::string Compressed(const std::string &bytes, int level = Z_DEFAULT_COMPRESSION)
{
    uLongf size = compressBound(uLong(bytes.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(bytes.data()),
              uLong(bytes.size()), level);
    out.resize(size);
    return QByteArray::fromStdString(out).toBase64().toStdString();
}

TEST(RulesPictureText, DecodesAsTheEditorDecodes)
{
    const std::string bmp = "BM" + std::string(60, 'x');
    const std::string text = "62;" + Compressed(bmp);
    EXPECT_EQ(rules::DecodePictureText(text), std::vector<std::uint8_t>(bmp.begin(), bmp.end()));
    // Lines broken anywhere, another level of compression.
    std::string broken = "62;" + Compressed(bmp, 9);
    broken.insert(7, "\r\n");
    EXPECT_EQ(rules::DecodePictureText(broken).size(), 62u);
    EXPECT_TRUE(rules::DecodePictureText("").empty());
    EXPECT_TRUE(rules::DecodePictureText("0;eAEDAAAAAAE=").empty());
    EXPECT_TRUE(rules::DecodePictureText("-5;garbage").empty());
    auto error = [](const std::string &t) {
        try {
            rules::DecodePictureText(t);
        } catch (const rules::ReadError &e) {
            return std::string(e.what());
        }
        return std::string("decoded");
    };
    EXPECT_EQ(error("62"), "'' is not a valid integer value");
    EXPECT_EQ(error("6x;AAAA"), "'6x' is not a valid integer value");
    EXPECT_EQ(error("2147483648;AAAA"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(error("62;" + Compressed(bmp).insert(4, " ")), "Coding table entry not found.");
    EXPECT_EQ(error("62;" + Compressed(bmp) + "=A"), "Coding table entry not found.");
    EXPECT_EQ(error("61;" + Compressed(bmp)), "Bitmap image is not valid");   // one byte more than the size
    EXPECT_EQ(error("63;" + Compressed(bmp)), "Bitmap image is not valid");   // one byte less
    EXPECT_EQ(error("62;" + Compressed("PM" + std::string(60, 'x'))), "Bitmap image is not valid");
    // A size no deflate stream of this length can reach is refused before any allocation.
    EXPECT_EQ(error("2000000000;" + Compressed(bmp)), "Bitmap image is not valid");
    // The last partial group's bytes.
    EXPECT_EQ(rules::DecodeBase64("QUI="), (std::vector<std::uint8_t>{'A', 'B'}));
    EXPECT_EQ(rules::DecodeBase64("QUJD\nRA"), (std::vector<std::uint8_t>{'A', 'B', 'C', 'D'}));
}

TEST(RulesPictureText, TheEditorsOwnPictureTextsGiveItsBytes)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(2, 1, qRgb(1, 2, 3));
    TPicture picture;
    picture.setBitmap(image);
    const QString text = PictureToText(picture);
    const std::vector<std::uint8_t> bytes = rules::DecodePictureText(text.toStdString());
    const QByteArray editor = PictureTextToBytes(text);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())), editor);
}

} // namespace
