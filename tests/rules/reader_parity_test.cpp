// The editor's reader and the player's read every file alike: each case where
// they could part is read by both, and both must give what is expected.
#include "app/cli/CliEditor.h"
#include "base/BrenwickError.h"
#include "rules/ProjectReader.h"
#include "rules/ReadReasons.h"
#include "rules/XmlReader.h"
#include "window/TPicButton.h"
#include "xml/TXDocument.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>
#include <QTemporaryDir>
#include <set>
#include <gtest/gtest.h>

namespace {

std::string FreshDesign(cli::Editor &editor)
{
    TXDocument fresh;
    fresh.SetRootName(QStringLiteral("Velmora"));
    editor.parts.AddNewDesign(*fresh.Root());
    return fresh.ToBytes().toStdString();
}

std::string Refused(const std::string &reason, int line)
{
    return "refused: " + reason + (line > 0 ? " at line " + std::to_string(line) : std::string());
}

// What a reader makes of a file, in one line: the refusal, or the commands
// (kind, name, path, number, hidden), the window's size and the buttons.
std::string Summary(const std::vector<rules::Command> &commands)
{
    std::string s;
    for (const rules::Command &c : commands)
        s += std::to_string(int(c.kind)) + " " + c.name + " " + c.custom + " " + std::to_string(c.id) + " "
            + (c.hidden ? "hidden" : "shown") + (c.children.empty() ? "" : " (" + Summary(c.children) + ")") + "; ";
    return s;
}

std::string PlayerSays(const std::string &bytes, bool lineKnown = true)
{
    cli::Editor editor;
    try {
        const rules::Project p = rules::ReadProject(bytes, FreshDesign(editor));
        return Summary(p.commands) + "window " + std::to_string(p.design.window.clientWidth) + "x"
            + std::to_string(p.design.window.clientHeight) + ", " + std::to_string(p.buttons.size()) + " buttons";
    } catch (const rules::ReadError &e) {
        return Refused(e.Reason(), lineKnown ? e.Line() : 0);
    }
}

std::string EditorSays(const std::string &bytes)
{
    cli::Editor editor;
    try {
        editor.project.ApplyProject(editor.project.ReadProjectBytes(QByteArray::fromStdString(bytes)));
    } catch (const BrenwickError &e) {
        return Refused(e.message().toStdString(), e.place().line);
    }
    std::function<std::vector<rules::Command>(const QList<TBaseItem *> &)> commands = [&](const QList<TBaseItem *> &items) {
        std::vector<rules::Command> out;
        for (const TBaseItem *i : items)
            out.push_back({rules::ItemKind(i->Kind()), i->Id(), i->Name().toStdString(), {}, i->Custom().toStdString(),
                           {}, i->Hidden(), commands(i->Children())});
        return out;
    };
    return Summary(commands(editor.project.Tree().TopLevel())) + "window " + std::to_string(editor.form.ClientWidth())
        + "x" + std::to_string(editor.form.ClientHeight()) + ", " + std::to_string(editor.layout.PicButtons().size())
        + " buttons";
}

// Both readers give expected; lineKnown false: the editor names no line for
// a value that does not convert, so the player's is not compared.
void BothSay(const std::string &bytes, const std::string &expected, bool lineKnown = true)
{
    EXPECT_EQ(PlayerSays(bytes, lineKnown), expected) << "the player's reader, on " << bytes;
    EXPECT_EQ(EditorSays(bytes), expected) << "the editor's reader, on " << bytes;
}

std::string Commands(const std::string &inside)
{
    return "<V>\r\n<root>\r\n" + inside + "\r\n</root>\r\n</V>\r\n";
}

// The window of an editor's whole project, its size set to these texts.
std::string WindowSized(const std::string &width, const std::string &height)
{
    cli::Editor editor;
    QString bytes = QString::fromUtf8(editor.project.ProjectBytes());
    static const QRegularExpression kWindowPosition(QStringLiteral("(<window>.*?<position )[^/]*/>"),
                                                    QRegularExpression::DotMatchesEverythingOption);
    bytes.replace(kWindowPosition, QStringLiteral("\\1width=\"%1\" height=\"%2\"/>")
                                       .arg(QString::fromStdString(width), QString::fromStdString(height)));
    return bytes.toStdString();
}

const std::string kNoDesign = "window 512x316, 3 buttons";

TEST(ReaderParity, AttributeNamesAndWordsFoldOnlyLatinLetters)
{
    // The long s is no "s": the path is not read, and "falſe" is no Boolean.
    BothSay(Commands("<exit cuſtom=\"x\" CUSTOM=\"y\" ID=\"1\" Hidden=\"FALSE\"/>"), "4  y 1 shown; " + kNoDesign);
    BothSay(Commands("<exit id=\"1\" hidden=\"falſe\"/>"), Refused(rules::kNotConverting, 0), false);
}

TEST(ReaderParity, ValuesMayStandBetweenUnicodeBlanks)
{
    BothSay(Commands("<exit id=\"\u3000+5\u00A0\" hidden=\"true\u00A0\"/><exit id=\"\v6\" hidden=\"\f0\u2028\"/>"),
            "4   5 hidden; 4   6 shown; " + kNoDesign);
    // A blank inside a number is still no number.
    BothSay(Commands("<exit id=\"5\u00A06\" hidden=\"0\"/>"), Refused(rules::kNotConverting, 0), false);
}

TEST(ReaderParity, AQuoteInAnAttributeNameIsRefused)
{
    BothSay(Commands("<exit id=\"1\" hidden=\"0\"/>\r\n<exit na\"me=\"x\" id=\"2\" hidden=\"0\"/>"),
            Refused(rules::kInvalidAttributeName, 4));
}

TEST(ReaderParity, ALeadingByteOrderMarkIsPartOfAnElementsName)
{
    BothSay(Commands("<\xEF\xBB\xBF" "exit id=\"1\" hidden=\"0\"/><exit\xEF\xBB\xBF id=\"2\" hidden=\"0\"/>"),
            "0   1 shown; 0   2 shown; " + kNoDesign);
}

TEST(ReaderParity, ANameCutInsideACharacterIsNoOtherName)
{
    BothSay("<V><root\xDE><exit id=\"1\" hidden=\"0\"/></root\xDE></V>", kNoDesign);
}

// An editor's whole project with this picture text as its theme's.
std::string WithThemePicture(const QByteArray &text)
{
    cli::Editor editor;
    QString bytes = QString::fromUtf8(editor.project.ProjectBytes());
    static const QRegularExpression kThemeSource(QStringLiteral("(<theme>.*?<source>)[^<]*<"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    bytes.replace(kThemeSource, QStringLiteral("\\1") + QString::fromLatin1(text) + u'<');
    return bytes.toStdString();
}

TEST(ReaderParity, APictureTheDecoderRefusesIsRefused)
{
    // "BM" alone: no bitmap is shorter than its headers.
    BothSay(WithThemePicture("2;eJxz8gUAANMAkA=="), Refused(rules::kPictureInvalid, 0), false);
    // Whole headers, but 7 bits a pixel.
    QByteArray bmp(58, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(40, bmp.data() + 14);
    qToLittleEndian<qint32>(1, bmp.data() + 18);
    qToLittleEndian<qint32>(1, bmp.data() + 22);
    qToLittleEndian<quint16>(1, bmp.data() + 26);
    qToLittleEndian<quint16>(7, bmp.data() + 28);
    BothSay(WithThemePicture(QByteArray::number(bmp.size()) + ';' + qCompress(bmp).mid(4).toBase64()),
            Refused(rules::kPictureInvalid, 0), false);
}

TEST(ReaderParity, WindowSizesAreKeptWithinWhatAWindowCanBe)
{
    BothSay(WindowSized("-5", "2147483647"), "window 0x16777215, 3 buttons");
    BothSay(WindowSized("16777215", "4294967295"), "window 16777215x0, 3 buttons");
}

TEST(ReaderParity, AnEndTagBeforeTheDocumentElementIsRefused)
{
    BothSay("<?xml version=\"1.0\"?>\r\n\r\n</x><V><root><exit id=\"1\" hidden=\"0\"/></root></V>",
            Refused(rules::kEndTagFirst, 3));
}

TEST(ReaderParity, AFileWithoutADesignTakesANewProjects)
{
    BothSay(Commands("<exit id=\"1\" hidden=\"-1\"/>"), "4   1 hidden; " + kNoDesign);
    BothSay("<V/>", kNoDesign);
}

TEST(ReaderParity, Utf16AndOtherTextAreNamedAsSuch)
{
    BothSay(std::string("\xFF\xFE<\0V\0>\0", 8), Refused(rules::kUtf16File, 1));
    BothSay(std::string("\r\n<\0V\0>\0", 8), Refused(rules::kUtf16File, 2));
    BothSay("\n\nplain text, no markup", Refused(rules::kNotXml, 3));
    // A UTF-8 byte order mark starts the first tag: the declaration is taken
    // for the document element.
    BothSay("\xEF\xBB\xBF<?xml?><V/></x>", kNoDesign);
}

TEST(ReaderParity, LinesAreCountedThroughEveryKindOfBreak)
{
    // CR LF, a lone CR and a lone LF each end a line; the failing tag names its own.
    std::string bytes = "<V>\r\n<root>\r\r\n\n";
    for (int i = 0; i < 3; ++i)
        bytes += "<exit id=\"1\" hidden=\"0\"/>\r\n";
    BothSay(bytes + "<exit \"=\"x\" id=\"1\" hidden=\"0\"/>", Refused(rules::kInvalidAttributeName, 8));
    BothSay(bytes, Refused(rules::kUnexpectedEnd, 7));
}

} // namespace

namespace {

std::string ReasonOf(const std::string &bytes)
{
    try {
        rules::ReadProject(bytes);
    } catch (const rules::ReadError &e) {
        return e.Reason();
    }
    return "read";
}

// An editor's whole project with one attribute's text (the first after
// anchor) replaced.
std::string WithValue(const char *anchor, const char *value)
{
    cli::Editor editor;
    QString bytes = QString::fromUtf8(editor.project.ProjectBytes());
    const QRegularExpression attribute(QRegularExpression::escape(QString::fromUtf8(anchor)) + QStringLiteral("\"[^\"]*\""));
    bytes.replace(bytes.indexOf(attribute), attribute.match(bytes).capturedLength(),
                  QString::fromUtf8(anchor) + u'"' + QString::fromUtf8(value) + u'"');
    return bytes.toStdString();
}

TEST(ReadReasons, EveryReasonTheReaderGivesHasItsRussianWords)
{
    std::string deep;
    for (int i = 0; i <= rules::XmlReader::kMaxNestingDepth; ++i)
        deep += "<a>";
    const std::string provoked[] = {
        ReasonOf("<V>"), ReasonOf(deep), ReasonOf("<V a\"b=\"1\"/>"), ReasonOf("</V>"), ReasonOf("\xFE\xFF"),
        ReasonOf("V"), ReasonOf(Commands("<exit id=\"x\" hidden=\"0\"/>")),
        ReasonOf(WithValue("borderstyle=", "6")),
    };
    std::set<std::string> english;
    for (const rules::ReadReason &r : rules::ReadReasons()) {
        english.insert(r.english);
        EXPECT_NE(rules::RussianReason(r.english), r.english);
    }
    // Only a file over 1 GB is too large, and the pictures' reasons come
    // from their own decoder.
    std::set<std::string> seen{rules::kFileTooLarge, rules::kPictureSize, rules::kPictureCoding, rules::kPictureInvalid};
    for (const std::string &reason : provoked)
        seen.insert(reason);
    EXPECT_EQ(seen, english);
}

TEST(ReadReasons, TheRussianWordsNameThePlace)
{
    try {
        rules::ReadProject("<V>\n<root>\n\n\n\n<exit id=\"первый\" hidden=\"0\"/></root></V>");
        FAIL();
    } catch (const rules::ReadError &e) {
        EXPECT_EQ(rules::RussianFailure(e), "строка 6: атрибут «id» = «первый»: не число");
    }
    EXPECT_EQ(rules::RussianFailure(91, "", "", std::nullopt, rules::kUnexpectedEnd), "строка 91: файл обрывается");
    EXPECT_EQ(rules::RussianFailure(2, "root/exit", "hidden", std::nullopt, rules::kNotConverting),
              "строка 2: нет атрибута «hidden»");
    EXPECT_EQ(rules::RussianReason("'12a' is not a valid integer value"), "картинка повреждена: размер «12a» не число");
    EXPECT_EQ(rules::RussianReason("' is not a valid integer value"), "' is not a valid integer value");
}

} // namespace

namespace {

TEST(ReadReasons, TheCommandLineUnderARussianLocaleSpeaksThePlayersWords)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velmora.XML"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("<V>\r\n<root>\r\n<exit id=\"1\" hidden=\"0\"/>\r\n");
    out.close();
    for (const char *locale : {"ru_RU.UTF-8", "C.UTF-8"}) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(BRENWICK_CLI_PATH), {QStringLiteral("try"), file});
        ASSERT_TRUE(cli.waitForFinished(60000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_TRUE(err.contains(locale[0] == 'r' ? QStringLiteral("строка 3: файл обрывается")
                                                  : QStringLiteral("line 3: Unexpected end of file")))
            << locale << ": " << err.toStdString();
    }
}

} // namespace
