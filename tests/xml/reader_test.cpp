#include "XmlTestUtil.h"

#include "xml/XmlText.h"

#include <QTemporaryDir>
#include <random>

namespace {

const QByteArray kProlog = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<!DOCTYPE Velmora>\r";

QString attrOf(const QByteArray &element, const char *name = "v")
{
    TXDocument doc;
    readDocument(doc, element);
    return doc.Root()->GetAttr(QString::fromLatin1(name)).Value();
}

} // namespace

TEST(XmlReader, ReadsWhatTheWriterWrites)
{
    TXDocument doc;
    doc.SetHeader(QString::fromLatin1(kProlog));
    doc.SetRootName(QStringLiteral("Velmora"));
    TXNode *c = doc.Root()->AddChild(QStringLiteral("commentbox"));
    c->Child(QStringLiteral("appearance"))->SetAttr(QStringLiteral("text"), QStringLiteral("Автозапуск\r\n"));
    c->Child(QStringLiteral("font"))->SetAttr(QStringLiteral("name"), QStringLiteral("a<b>&\"c\"'"));
    doc.Root()->AddChild(QStringLiteral("about"))->SetText(QStringLiteral("x & y\r\n<z>"));
    doc.Root()->AddChild(QStringLiteral("rootdir"));

    const QByteArray bytes = doc.ToBytes();
    TXDocument back;
    readDocument(back, bytes);
    EXPECT_EQ(back.RootName(), QStringLiteral("Velmora"));
    TXNode *cb = back.Root()->Child(QStringLiteral("commentbox"));
    EXPECT_EQ(cb->Child(QStringLiteral("appearance"))->GetAttr(QStringLiteral("text")).ToString(),
              QStringLiteral("Автозапуск\r\n"));
    EXPECT_EQ(cb->Child(QStringLiteral("font"))->GetAttr(QStringLiteral("name")).ToString(),
              QStringLiteral("a<b>&\"c\"'"));
    EXPECT_EQ(back.Root()->Child(QStringLiteral("about"))->Text(), QStringLiteral("x & y\r\n<z>"));
    // The blank element was not written; Child recreates it empty.
    EXPECT_EQ(back.Root()->ChildCount(), 2);
    TXNode *rootdir = back.Root()->Child(QStringLiteral("rootdir"));
    EXPECT_TRUE(rootdir->Text().isEmpty());
    EXPECT_EQ(back.Root()->ChildCount(), 3);
    // Blank text between a start tag and its first child reads as empty.
    EXPECT_TRUE(back.Root()->Text().isEmpty());
    EXPECT_TRUE(cb->Text().isEmpty());
    EXPECT_EQ(back.ToBytes(), bytes.mid(kProlog.size()));
}

TEST(XmlReader, ValueDecoding)
{
    EXPECT_EQ(attrOf("<e v=\"&amp;quot;\"/>"), QStringLiteral("&quot;"));
    EXPECT_EQ(attrOf("<e v=\"&amp;lt;&lt;&gt;&quot;\"/>"), QStringLiteral("&lt;<>\""));
    EXPECT_EQ(attrOf("<e v=\"&apos;&#65;&AMP;&\"/>"), QStringLiteral("&apos;&#65;&AMP;&"));
    EXPECT_EQ(attrOf("<e v=\"\xD0\x90\xD1\x8F\"/>"), QStringLiteral("Ая"));
    // Windows-1251 bytes instead of UTF-8 make the value empty.
    EXPECT_EQ(attrOf("<e v=\"\xC0\xFF\"/>"), QString());
    // Four-byte sequences are characters; anything not well-formed empties the value.
    EXPECT_EQ(attrOf("<e v=\"a\xF0\x9F\x98\x80\"/>"), QString::fromUtf8("a\xF0\x9F\x98\x80"));
    for (const char *bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "x\x80",
                            "\xE2\x82", "\xD0", "\xF0\x9F\x98", "\xE0\x80\xAF"}) {
        EXPECT_EQ(XmlDecode(QByteArray(bad)), QString()) << bad;
    }
    // An attribute ending with "=" has an empty value; quotes come off once.
    TXDocument doc;
    readDocument(doc, "<e a= b=\"\"x\"\" c=\"q/>");
    EXPECT_EQ(doc.Root()->GetAttr(QStringLiteral("a")).Value(), QString());
    EXPECT_FALSE(doc.Root()->GetAttr(QStringLiteral("a")).IsMissing());
    EXPECT_EQ(doc.Root()->GetAttr(QStringLiteral("b")).Value(), QStringLiteral("\"x\""));
    EXPECT_EQ(doc.Root()->GetAttr(QStringLiteral("c")).Value(), QStringLiteral("q"));
}

TEST(XmlReader, RawLineBreaksInValuesAndTabsInText)
{
    TXDocument doc;
    readDocument(doc, "<e v=\"one\r\ntwo three\">\t a\tb \t</e>");
    EXPECT_EQ(doc.Root()->GetAttr(QStringLiteral("v")).Value(), QStringLiteral("one\r\ntwo three"));
    EXPECT_EQ(doc.Root()->Text(), QStringLiteral(" ab "));
    readDocument(doc, "<e>\r\n\t  \r\n</e>");
    EXPECT_EQ(doc.Root()->Text(), QString());
}

TEST(XmlReader, AttributesAsTheyStandInTheTag)
{
    TXDocument doc;
    // Two names that differ only in case: both are kept, lookups find the first.
    readDocument(doc, "<e Name=\"1\" NAME=\"2\" bare/>");
    TXNode *e = doc.Root();
    ASSERT_EQ(e->AttrCount(), 3);
    EXPECT_EQ(e->GetAttr(QStringLiteral("name")).Value(), QStringLiteral("1"));
    EXPECT_EQ(e->GetAttr(QStringLiteral("NAME")).Value(), QStringLiteral("1"));
    EXPECT_EQ(e->AttrName(2), QStringLiteral("bare"));
    EXPECT_EQ(e->AttrAt(2).Value(), QStringLiteral("bare"));
    // Quoted blanks stay inside the value; names are taken without decoding.
    TXDocument doc2;
    readDocument(doc2, "<x  a&amp;b=\"p q\"\tc=\"r\"  >text</x>");
    EXPECT_EQ(doc2.Root()->Name(), QStringLiteral("x"));
    EXPECT_EQ(doc2.Root()->AttrName(0), QStringLiteral("a&amp;b"));
    EXPECT_EQ(doc2.Root()->AttrAt(0).Value(), QStringLiteral("p q"));
    EXPECT_EQ(doc2.Root()->AttrAt(1).Value(), QStringLiteral("r"));
    EXPECT_EQ(doc2.Root()->Text(), QStringLiteral("text"));
}

// A name is written as it stands, so one holding a double quote would read
// back as other attributes: it is refused, naming the elements it stands in.
TEST(XmlReader, AnAttributeNameWithADoubleQuoteIsRefused)
{
    struct Case
    {
        QByteArray bytes;
        QStringList elements;
        QString attribute;
    };
    const Case cases[] = {
        {"<e \"quoted\"/>", {"e"}, "\"quoted\""},
        {"<t \xE8\"=\n/>", {"t"}, QString::fromUtf8("\xEF\xBF\xBD\"")},
        {"<r>\r\n  <a>\r\n    <b x=\"1\" y\"=\"2\"/>\r\n  </a>\r\n</r>\r\n", {"r", "a", "b"}, "y\""},
    };
    for (const Case &c : cases) {
        TXDocument doc;
        doc.Root()->SetAttr(QStringLiteral("kept"), QStringLiteral("1"));
        try {
            readDocument(doc, c.bytes);
            ADD_FAILURE() << c.bytes.constData();
        } catch (const BrenwickError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Invalid attribute name"));
            EXPECT_EQ(e.place().what, TFilePlace::fwName);
            EXPECT_EQ(e.place().elements, c.elements) << c.bytes.constData();
            EXPECT_EQ(e.place().attribute, c.attribute);
        }
        EXPECT_EQ(doc.Root()->AttrCount(), 1);
        EXPECT_EQ(doc.Root()->ChildCount(), 0);
    }
    // An element name holding a quote is written back as it stands, and reads so.
    TXDocument doc;
    const QByteArray odd = "<r>\r\n  <c\"x y\"z a=\"1\"/>\r\n</r>\r\n";
    readDocument(doc, odd);
    doc.SetRootName(QStringLiteral("r"));
    EXPECT_EQ(doc.ToBytes(), odd);
}

TEST(XmlReader, DeclarationsAndCommentsAreSkippedUpToTheirFirstGreaterThan)
{
    TXDocument doc;
    readDocument(doc, kProlog + "<r>\r\n<!-- note --><a/>\r\n<?pi x?>\r\n<b/></r>");
    ASSERT_EQ(doc.Root()->ChildCount(), 2);
    EXPECT_EQ(doc.Root()->ChildAt(1)->Name(), QStringLiteral("b"));

    // A comment holding ">" is cut there and the rest is read as markup: <b/>
    // is an element, "-->" a start tag of an element named "-" that holds <c/>
    // and is closed by "</r>", so the root needs one more end tag.
    readDocument(doc, "<r><!-- a > <b/> --><c/></r></r>");
    ASSERT_EQ(doc.Root()->ChildCount(), 2);
    EXPECT_EQ(doc.Root()->ChildAt(0)->Name(), QStringLiteral("b"));
    EXPECT_EQ(doc.Root()->ChildAt(1)->Name(), QStringLiteral("-"));
    EXPECT_EQ(doc.Root()->ChildAt(1)->FirstChild()->Name(), QStringLiteral("c"));
}

TEST(XmlReader, RootNameComesFromTheFileAndEndTagsAreNotCompared)
{
    TXDocument doc;
    doc.SetRootName(QStringLiteral("Velmora"));
    readDocument(doc, "<Other><a></b></Other>");
    EXPECT_EQ(doc.RootName(), QStringLiteral("Other"));
    EXPECT_EQ(doc.Root()->ChildCount(), 1);
    // Nothing after the root's end tag is read.
    readDocument(doc, "<r/>garbage <<<");
    EXPECT_EQ(doc.RootName(), QStringLiteral("r"));
    // An end tag where the root should start is refused; the document stays.
    doc.Root()->AddChild(QStringLiteral("c"))->SetText(QStringLiteral("x"));
    EXPECT_EQ(errorOf([&] { readDocument(doc, "<?xml?></Velmora>"); }),
              QStringLiteral("End tag before the document element"));
    EXPECT_EQ(doc.Root()->ChildCount(), 1);
    EXPECT_EQ(doc.RootName(), QStringLiteral("r"));
}

TEST(XmlReader, AByteOrderMarkIsNotSkipped)
{
    TXDocument doc;
    doc.SetRootName(QStringLiteral("Velmora"));
    // The declaration is taken for the document element, which then never ends.
    const QByteArray bytes = "\xEF\xBB\xBF" + kProlog + "<Velmora><creator name=\"x\"/></Velmora>";
    EXPECT_EQ(errorOf([&] { readDocument(doc, bytes); }), QStringLiteral("Unexpected end of file"));
    EXPECT_EQ(doc.RootName(), QStringLiteral("Velmora"));
    // With one more end tag it closes, and the real root is its child.
    readDocument(doc, bytes + "</x>");
    EXPECT_NE(doc.RootName(), QStringLiteral("Velmora"));
    EXPECT_EQ(doc.Root()->ChildAt(0)->Name(), QStringLiteral("Velmora"));
}

TEST(XmlReader, EndOfInputFailsAndLeavesTheDocumentAsItWas)
{
    TXDocument doc;
    readDocument(doc, "<r k=\"1\"><old/></r>");
    const QByteArray before = doc.ToBytes();
    for (const char *truncated : {"", "   \r\n", "<?xml version=\"1.0\"?>", "<r", "<r>", "<r>text", "<r><a/>",
                                  "<r><a>", "<r><a></a>", "<r><a x=\"1>", "<!-- never closed"}) {
        EXPECT_EQ(errorOf([&] { readDocument(doc, truncated); }), QStringLiteral("Unexpected end of file"))
            << truncated;
        EXPECT_EQ(doc.ToBytes(), before) << truncated;
    }
}

TEST(XmlReader, NestingIsLimitedWithoutExhaustingTheStack)
{
    auto nested = [](int depth, bool empty) {
        QByteArray bytes;
        for (int i = 0; i < depth - 1; ++i)
            bytes += "<n>";
        bytes += empty ? "<n/>" : "<n></n>";
        for (int i = 0; i < depth - 1; ++i)
            bytes += "</n>";
        return bytes;
    };
    TXDocument doc;
    readDocument(doc, nested(TXNode::kMaxNestingDepth, false));
    int depth = 1;
    for (TXNode *n = doc.Root(); n->FirstChild(); n = n->FirstChild())
        ++depth;
    EXPECT_EQ(depth, TXNode::kMaxNestingDepth);
    readDocument(doc, nested(TXNode::kMaxNestingDepth, true));

    const QString tooDeep = QStringLiteral("Element nesting too deep");
    EXPECT_EQ(errorOf([&] { readDocument(doc, nested(TXNode::kMaxNestingDepth + 1, true)); }), tooDeep);
    EXPECT_EQ(errorOf([&] { readDocument(doc, nested(TXNode::kMaxNestingDepth + 1, false)); }), tooDeep);
    EXPECT_EQ(errorOf([&] { readDocument(doc, QByteArray(3000000, '<').replace("<", "<n>")); }), tooDeep);

    // The limit counts from where reading starts: a child read at depth 999
    // can hold one more level only.
    TXNode holder;
    TXInput in(QByteArrayView("<a><b/></a>"));
    EXPECT_TRUE(holder.ReadChild(in));
    EXPECT_EQ(holder.FirstChild()->FirstChild()->Name(), QStringLiteral("b"));
}

TEST(XmlReader, ReadChildAddsNothingAtAnEndTag)
{
    TXNode parent(QStringLiteral("p"));
    TXInput in(QByteArrayView("<a/><b x=\"1\"/></p>"));
    EXPECT_TRUE(parent.ReadChild(in));
    EXPECT_TRUE(parent.ReadChild(in));
    EXPECT_FALSE(parent.ReadChild(in));
    EXPECT_EQ(parent.ChildCount(), 2);
    EXPECT_EQ(parent.ChildAt(1)->GetAttr(QStringLiteral("x")).ToInt(), 1);
}

// A random tree written, read and written again gives the same bytes, across
// the input buffer's boundaries.
TEST(XmlReader, RandomTreesRoundTripThroughTheBufferedFileReader)
{
    std::mt19937 rng(12345);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    const QStringList alphabet = {QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral(" "), QStringLiteral("<"),
                                  QStringLiteral(">"), QStringLiteral("&"), QStringLiteral("\""), QStringLiteral("'"),
                                  QStringLiteral("\r"), QStringLiteral("\n"), QStringLiteral("="), QStringLiteral("/"),
                                  QStringLiteral("!"), QStringLiteral("?"), QStringLiteral("Ж"), QStringLiteral("€"),
                                  QString::fromUtf8("\xF0\x9F\x98\x80"), QStringLiteral("&amp;")};
    auto randomText = [&](int maxLen) {
        QString s;
        const int len = pick(maxLen);
        for (int i = 0; i < len; ++i)
            s += alphabet[pick(int(alphabet.size()))];
        // Text of blanks only reads back empty; keep texts meaningful.
        if (!s.trimmed().isEmpty() && !s.contains(u'\t'))
            return s;
        return QString();
    };

    TXDocument doc;
    doc.SetRootName(QStringLiteral("Velmora"));
    std::vector<TXNode *> nodes{doc.Root()};
    for (int i = 0; i < 20000; ++i) {
        TXNode *parent = nodes[size_t(pick(int(nodes.size())))];
        TXNode *child = parent->AddChild(QStringLiteral("n%1").arg(pick(5)));
        // At least one attribute: a node without any would vanish from the output.
        for (int a = pick(3) + 1; a > 0; --a)
            child->SetAttr(QStringLiteral("a%1").arg(a), randomText(12));
        nodes.push_back(child);
    }
    // Text only on leaves: the text of an element with children reads back
    // with the line break and indentation before its first child.
    for (TXNode *n : nodes) {
        if (!n->FirstChild() && pick(3) == 0)
            n->SetText(randomText(40));
    }
    const QByteArray bytes = doc.ToBytes();
    ASSERT_GT(bytes.size(), 4 * 64 * 1024);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tree.xml"));
    ASSERT_TRUE(doc.SaveToFile(path));
    TXDocument back;
    ASSERT_TRUE(back.LoadFromFile(path));
    const QByteArray again = back.ToBytes();
    qsizetype diff = 0;
    while (diff < again.size() && diff < bytes.size() && again[diff] == bytes[diff])
        ++diff;
    EXPECT_EQ(again.size(), bytes.size());
    EXPECT_EQ(diff, bytes.size()) << bytes.mid(qMax<qsizetype>(0, diff - 80), 160).toStdString() << "\n----\n" << again.mid(qMax<qsizetype>(0, diff - 80), 160).toStdString();
}
