#include "XmlTestUtil.h"

#include "xml/XmlText.h"

// The player reads this exact layout: two spaces of indentation per level, CR LF
// after every element line, no space before "/>", no byte-order mark.
TEST(XmlWriter, ExactLayoutOfAWholeDocument)
{
    TXDocument doc;
    doc.SetHeader(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r"
                                 "<!DOCTYPE Velmora>\r"));
    doc.SetRootName(QStringLiteral("Velmora"));
    TXNode *root = doc.Root();
    TXNode *creator = root->AddChild(QStringLiteral("creator"));
    creator->SetAttr(QStringLiteral("name"), "Velmora Brenwick");
    creator->SetAttr(QStringLiteral("version"), "1.1.2");
    TXNode *group = root->AddChild(QStringLiteral("root"))->AddChild(QStringLiteral("group"));
    group->SetAttr(QStringLiteral("name"), "G");
    group->SetAttr(QStringLiteral("id"), 1);
    group->SetAttr(QStringLiteral("hidden"), false);
    TXNode *program = group->AddChild(QStringLiteral("program"));
    program->SetAttr(QStringLiteral("id"), 2);
    program->SetAttr(QStringLiteral("hidden"), true);
    root->AddChild(QStringLiteral("rootdir"));   // blank: left out
    root->AddChild(QStringLiteral("about"))->SetText(QStringLiteral("line 1\r\nline 2\r\n"));
    TXNode *window = root->AddChild(QStringLiteral("window"));
    window->SetText(QStringLiteral("t"));
    window->AddChild(QStringLiteral("position"))->SetAttr(QStringLiteral("top"), -16777201);

    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<!DOCTYPE Velmora>\r"
        "<Velmora>\r\n"
        "  <creator name=\"Velmora Brenwick\" version=\"1.1.2\"/>\r\n"
        "  <root>\r\n"
        "    <group name=\"G\" id=\"1\" hidden=\"0\">\r\n"
        "      <program id=\"2\" hidden=\"-1\"/>\r\n"
        "    </group>\r\n"
        "  </root>\r\n"
        "  <about>line 1\r\nline 2\r\n</about>\r\n"
        "  <window>t\r\n"
        "    <position top=\"-16777201\"/>\r\n"
        "  </window>\r\n"
        "</Velmora>\r\n";
    EXPECT_EQ(doc.ToBytes(), expected);
    EXPECT_EQ(doc.Root()->Name(), QStringLiteral("Velmora"));
}

TEST(XmlWriter, BlankNodesVanishAtEveryDepth)
{
    TXNode root(QStringLiteral("r"));
    EXPECT_EQ(writeNode(root), QByteArray());
    // A child that holds only blank children is not blank itself: it is written
    // with an empty body, and its blank children are left out.
    TXNode *a = root.AddChild(QStringLiteral("a"));
    a->AddChild(QStringLiteral("blank"));
    root.AddChild(QStringLiteral("b"));
    EXPECT_EQ(writeNode(root), QByteArray("<r>\r\n  <a>\r\n  </a>\r\n</r>\r\n"));
}

TEST(XmlWriter, EscapesFourCharactersAndKeepsTheRestRaw)
{
    TXNode node(QStringLiteral("e"));
    node.SetAttr(QStringLiteral("v"), QStringLiteral("a<b>&\"c\"'d\r\n\tz"));
    EXPECT_EQ(writeNode(node), QByteArray("<e v=\"a&lt;b&gt;&amp;&quot;c&quot;'d\r\n\tz\"/>\r\n"));
    EXPECT_EQ(XmlEncode(u"&lt;"), QByteArray("&amp;lt;"));
}

TEST(XmlWriter, CyrillicAndSupplementaryCharactersAreUtf8)
{
    TXNode node(QStringLiteral("e"));
    node.SetAttr(QStringLiteral("v"), QStringLiteral("Ая"));
    node.SetText(QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(writeNode(node), QByteArray("<e v=\"\xD0\x90\xD1\x8F\">\xF0\x9F\x98\x80</e>\r\n"));
}

TEST(XmlWriter, WritesAtTheOutputDepthAndRestoresIt)
{
    TXNode node(QStringLiteral("a"));
    node.AddChild(QStringLiteral("b"))->SetText(QStringLiteral("x"));
    QByteArray bytes;
    TXOutput out(bytes);
    out.Depth = 2;
    node.WriteTo(out);
    EXPECT_EQ(bytes, QByteArray("    <a>\r\n      <b>x</b>\r\n    </a>\r\n"));
    EXPECT_EQ(out.Depth, 2);
}

TEST(XmlWriter, VeryDeepAndVeryWideTreesWriteAndReleaseWithoutRecursion)
{
    // Each level indents by two more spaces, so the output grows with the
    // square of the depth.
    // The writer goes as deep as the reader reads; deeper trees are refused
    // whole and still released without recursion.
    constexpr int kDepth = TXNode::kMaxNestingDepth - 1;
    constexpr int kTooDeep = 3000;
    auto deep = std::make_unique<TXNode>(QStringLiteral("d"));
    TXNode *n = deep.get();
    for (int i = 0; i < kDepth; ++i)
        n = n->AddChild(QStringLiteral("d"));
    n->SetAttr(QStringLiteral("x"), 1);
    const QByteArray bytes = writeNode(*deep);
    EXPECT_TRUE(bytes.endsWith("</d>\r\n"));
    EXPECT_EQ(bytes.count("<d>"), kDepth);
    for (int i = kDepth; i < kTooDeep; ++i)
        n = n->AddChild(QStringLiteral("d"));
    n->SetAttr(QStringLiteral("x"), 1);
    EXPECT_EQ(errorOf([&] { writeNode(*deep); }), QStringLiteral("Element nesting too deep"));
    deep.reset();

    TXNode wide(QStringLiteral("w"));
    for (int i = 0; i < 1000000; ++i)
        wide.AddChild(QStringLiteral("c"));
    EXPECT_EQ(wide.ChildCount(), 1000000);
}

// The writer and the reader agree on how deep elements may nest: what is
// written is read back, and what the reader would refuse is not written.
TEST(XmlWriter, NeverWritesDeeperThanTheReaderReads)
{
    TXNode root(QStringLiteral("Velmora"));
    TXNode *node = &root;
    for (int level = 2; level <= TXNode::kMaxNestingDepth; ++level)
        node = node->AddChild(QStringLiteral("group"));
    node->SetAttr(QStringLiteral("id"), 1);
    const QByteArray bytes = writeNode(root);
    TXDocument doc;
    readDocument(doc, bytes);
    EXPECT_EQ(writeNode(*doc.Root()), bytes);

    node->AddChild(QStringLiteral("program"))->SetAttr(QStringLiteral("id"), 2);
    EXPECT_EQ(errorOf([&] { writeNode(root); }), QStringLiteral("Element nesting too deep"));
}
