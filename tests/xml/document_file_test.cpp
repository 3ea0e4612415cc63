#include "XmlTestUtil.h"
#include "support/ScriptedPrompt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(XmlDocumentFile, SaveAndLoadKeepFileNameHeaderAndRootName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmora.XML"));
    TXDocument doc;
    doc.SetHeader(QStringLiteral("<?xml version=\"1.0\"?>\r"));
    doc.SetRootName(QStringLiteral("Velmora"));
    doc.Root()->AddChild(QStringLiteral("creator"))->SetAttr(QStringLiteral("name"), "Velmora Brenwick");
    EXPECT_TRUE(doc.SaveToFile(path));
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_EQ(fileBytes(path),
              QByteArray("<?xml version=\"1.0\"?>\r<Velmora>\r\n  <creator name=\"Velmora Brenwick\"/>\r\n</Velmora>\r\n"));

    // An empty name saves to FileName.
    doc.Root()->Child(QStringLiteral("creator"))->SetAttr(QStringLiteral("version"), "1.1.2");
    EXPECT_TRUE(doc.SaveToFile());
    EXPECT_TRUE(fileBytes(path).contains("version=\"1.1.2\""));

    TXDocument loaded;
    loaded.SetHeader(QStringLiteral("mine"));
    EXPECT_TRUE(loaded.LoadFromFile(path));
    EXPECT_EQ(loaded.FileName(), path);
    EXPECT_EQ(loaded.Header(), QStringLiteral("mine"));
    EXPECT_EQ(loaded.RootName(), QStringLiteral("Velmora"));
    EXPECT_EQ(loaded.Root()->Child(QStringLiteral("creator"))->GetAttr(QStringLiteral("VERSION")).ToString(),
              QStringLiteral("1.1.2"));
    EXPECT_TRUE(loaded.LastError().isEmpty());
}

TEST(XmlDocumentFile, RootAttributesSurviveClearAndAccumulateOverLoads)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    writeFile(path, "<Velmora k=\"1\">root text<a/></Velmora>");
    TXDocument doc;
    TXNode *root = doc.Root();
    ASSERT_TRUE(doc.LoadFromFile(path));
    EXPECT_EQ(doc.Root(), root);   // the root object stays the same
    EXPECT_EQ(root->Text(), QStringLiteral("root text"));
    doc.Clear();
    EXPECT_EQ(root->ChildCount(), 0);
    EXPECT_EQ(root->AttrCount(), 1);
    ASSERT_TRUE(doc.LoadFromFile(path));
    ASSERT_EQ(root->AttrCount(), 2);   // the second load appends the file's attributes
    EXPECT_EQ(root->ChildCount(), 1);
    // An empty root element keeps the text the root had.
    writeFile(path, "<Other j=\"2\"/>");
    ASSERT_TRUE(doc.LoadFromFile(path));
    EXPECT_EQ(root->Text(), QStringLiteral("root text"));
    EXPECT_EQ(root->ChildCount(), 0);
    EXPECT_EQ(doc.RootName(), QStringLiteral("Other"));
    EXPECT_EQ(root->AttrName(2), QStringLiteral("j"));
}

TEST(XmlDocumentFile, AFileThatCannotBeOpenedIsReportedAndChangesNothing)
{
    QTemporaryDir dir;
    TXDocument doc;
    doc.SetFileName(QStringLiteral("previous.xml"));
    doc.Root()->AddChild(QStringLiteral("kept"))->SetText(QStringLiteral("x"));
    QStringList reports;
    doc.SetReportHandler([&](const QString &caption, const QString &text) { reports << caption << text; });

    const QString missing = dir.filePath(QStringLiteral("missing.xml"));
    EXPECT_FALSE(doc.LoadFromFile(missing));
    const QString text = QStringLiteral("Невозможно открыть файл: ") + missing;
    EXPECT_EQ(reports, (QStringList{QStringLiteral("Ошибка"), text}));
    EXPECT_EQ(doc.LastError(), text);
    EXPECT_EQ(doc.FileName(), QStringLiteral("previous.xml"));
    EXPECT_EQ(doc.Root()->ChildCount(), 1);

    // The editor shows it as an error message.
    ScriptedPrompt prompt;
    doc.SetReportHandler(TXDocument::ReportThrough(prompt));
    EXPECT_FALSE(doc.LoadFromFile(missing));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(prompt.asked[0].text, text);
    EXPECT_EQ(prompt.asked[0].icon, UserPrompt::Icon::Error);
    EXPECT_EQ(prompt.asked[0].buttons, UserPrompt::Buttons::Ok);

    // A folder is not a file either; without a handler only the result tells.
    doc.SetReportHandler(nullptr);
    EXPECT_FALSE(doc.LoadFromFile(dir.path()));
    EXPECT_EQ(doc.LastError(), QStringLiteral("Невозможно открыть файл: ") + dir.path());
}

TEST(XmlDocumentFile, ATruncatedFileFailsWithoutChangingTheDocument)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.xml"));
    const QString cut = dir.filePath(QStringLiteral("cut.xml"));
    writeFile(good, "<Velmora><a x=\"1\"/></Velmora>");
    writeFile(cut, "<Velmora><a x=\"1\"/><b>");
    TXDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(good));
    const QByteArray before = doc.ToBytes();
    EXPECT_EQ(errorOf([&] { doc.LoadFromFile(cut); }), QStringLiteral("Unexpected end of file"));
    EXPECT_EQ(doc.FileName(), good);
    EXPECT_EQ(doc.ToBytes(), before);
}

TEST(XmlDocumentFile, AFileThatCannotBeCreatedRaisesAndLeavesFileName)
{
    QTemporaryDir dir;
    TXDocument doc;
    doc.SetFileName(QStringLiteral("previous.xml"));
    doc.SetRootName(QStringLiteral("r"));
    doc.Root()->SetAttr(QStringLiteral("k"), 1);
    const QString bad = dir.filePath(QStringLiteral("no/such/folder/x.xml"));
    EXPECT_EQ(errorOf([&] { doc.SaveToFile(bad); }), QStringLiteral("Cannot create file ") + bad);
    EXPECT_EQ(doc.FileName(), QStringLiteral("previous.xml"));
    TXDocument unnamed;
    EXPECT_EQ(errorOf([&] { unnamed.SaveToFile(); }), QStringLiteral("Cannot create file "));
}

// A write that fails part way (here: the file size limit, as on a full disk)
// raises "Stream write error" and leaves the previous file as it was.
TEST(XmlDocumentFile, AFailedWriteKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmora.XML"));
    TXDocument doc;
    doc.SetRootName(QStringLiteral("Velmora"));
    doc.Root()->AddChild(QStringLiteral("small"))->SetText(QStringLiteral("previous"));
    ASSERT_TRUE(doc.SaveToFile(path));
    const QByteArray previous = fileBytes(path);

    doc.Root()->AddChild(QStringLiteral("big"))->SetText(QString(2 * 1024 * 1024, u'x'));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const QString message = errorOf([&] { doc.SaveToFile(QStringLiteral("%1").arg(dir.filePath(QStringLiteral("other.xml")))); });
    const QString message2 = errorOf([&] { doc.SaveToFile(path); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message, QStringLiteral("Stream write error"));
    EXPECT_EQ(message2, QStringLiteral("Stream write error"));
    EXPECT_EQ(fileBytes(path), previous);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("other.xml"))));
    EXPECT_EQ(doc.FileName(), path);
    // Only the file itself is in the folder: no temporary files are left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Velmora.XML")});
}
