#include "XmlTestUtil.h"

// The format has no mixed content; text before an element's first child is
// read without the writer's line break and indentation, so that it saves back
// unchanged instead of gaining a line at every save.
TEST(XmlMixedContent, TextBeforeTheFirstChildSavesBackUnchanged)
{
    const QByteArray file = "<Velmora>note\r\n  <creator name=\"x\"/>\r\n  <about>a\r\n</about>\r\n</Velmora>\r\n";
    TXDocument doc;
    readDocument(doc, file);
    EXPECT_EQ(doc.Root()->Text(), QStringLiteral("note"));
    // A text-only element keeps its trailing line break.
    EXPECT_EQ(doc.Root()->Child(QStringLiteral("about"))->Text(), QStringLiteral("a\r\n"));
    EXPECT_EQ(doc.ToBytes(), file);

    // Blanks inside the text stay; only those before the child go.
    TXDocument inner;
    readDocument(inner, "<a> x \r\n y \t\r\n<b/></a>");
    EXPECT_EQ(inner.Root()->Text(), QStringLiteral(" x \r\n y"));
}
