#include "XmlTestUtil.h"

TEST(XmlNode, ChildLookupIsExactAndCreatesWhatIsMissing)
{
    TXNode root(QStringLiteral("r"));
    TXNode *a = root.AddChild(QStringLiteral("item"));
    TXNode *b = root.AddChild(QStringLiteral("item"));
    EXPECT_EQ(root.Child(QStringLiteral("item")), a);
    EXPECT_NE(a, b);
    EXPECT_EQ(root.FindChild(QStringLiteral("Item")), nullptr);
    TXNode *created = root.Child(QStringLiteral("Item"));
    EXPECT_EQ(root.ChildCount(), 3);
    EXPECT_EQ(root.ChildAt(2), created);
    EXPECT_EQ(created->Name(), QStringLiteral("Item"));
    EXPECT_EQ(root.ChildAt(3), nullptr);
    EXPECT_EQ(root.ChildAt(-1), nullptr);
}

TEST(XmlNode, RemovingChildrenKeepsTheListConsistent)
{
    TXNode root(QStringLiteral("r"));
    TXNode *a = root.AddChild(QStringLiteral("a"));
    TXNode *b = root.AddChild(QStringLiteral("b"));
    TXNode *c = root.AddChild(QStringLiteral("c"));
    c->AddChild(QStringLiteral("grandchild"));

    TXNode stranger(QStringLiteral("s"));
    root.RemoveChild(&stranger);   // not a child: nothing happens
    root.RemoveChild(nullptr);
    EXPECT_EQ(root.ChildCount(), 3);

    root.RemoveChild(c);   // the last one: appending must still work
    TXNode *d = root.AddChild(QStringLiteral("d"));
    EXPECT_EQ(b->Next(), d);
    root.RemoveChild(a);
    EXPECT_EQ(root.FirstChild(), b);
    root.RemoveChild(b);
    root.RemoveChild(d);
    EXPECT_EQ(root.FirstChild(), nullptr);
    TXNode *e = root.AddChild(QStringLiteral("e"));
    EXPECT_EQ(root.FirstChild(), e);
    EXPECT_EQ(root.ChildCount(), 1);
}

TEST(XmlNode, ClearChildrenKeepsNameAttributesAndText)
{
    TXNode root(QStringLiteral("r"));
    root.SetAttr(QStringLiteral("k"), 1);
    root.SetText(QStringLiteral("t"));
    root.AddChild(QStringLiteral("a"))->AddChild(QStringLiteral("b"));
    root.ClearChildren();
    EXPECT_EQ(root.ChildCount(), 0);
    EXPECT_EQ(root.Name(), QStringLiteral("r"));
    EXPECT_EQ(root.Text(), QStringLiteral("t"));
    EXPECT_EQ(root.GetAttr(QStringLiteral("k")).ToInt(), 1);
    root.AddChild(QStringLiteral("c"));
    EXPECT_EQ(root.ChildCount(), 1);
}

TEST(XmlNode, SetAttrReplacesInPlaceIgnoringLetterCase)
{
    TXNode node(QStringLiteral("n"));
    node.SetAttr(QStringLiteral("Top"), 1);
    node.SetAttr(QStringLiteral("left"), 2);
    node.SetAttr(QStringLiteral("TOP"), 3);
    ASSERT_EQ(node.AttrCount(), 2);
    EXPECT_EQ(node.AttrName(0), QStringLiteral("Top"));
    EXPECT_EQ(node.AttrAt(0).Value(), QStringLiteral("3"));
    EXPECT_EQ(node.GetAttr(QStringLiteral("tOp")).ToInt(), 3);
    EXPECT_TRUE(node.GetAttr(QStringLiteral("width")).IsMissing());
    EXPECT_TRUE(node.AttrAt(2).IsMissing());
    EXPECT_TRUE(node.AttrAt(-1).IsMissing());
    // Only Latin letters have a case: not the long s, not Cyrillic letters.
    node.SetAttr(QStringLiteral("Имя"), "x");
    EXPECT_TRUE(node.GetAttr(QStringLiteral("ИМЯ")).IsMissing());
    EXPECT_TRUE(node.GetAttr(QStringLiteral("ſize")).IsMissing());
    EXPECT_EQ(node.GetAttr(QStringLiteral("Имя")).ToString(), QStringLiteral("x"));
}

TEST(XmlValues, TypedValuesAreStoredInTheirTextForm)
{
    EXPECT_EQ(TAttrValue(true).Value(), QStringLiteral("-1"));
    EXPECT_EQ(TAttrValue(false).Value(), QStringLiteral("0"));
    EXPECT_EQ(TAttrValue(-16777201).Value(), QStringLiteral("-16777201"));
    EXPECT_EQ(TAttrValue(quint8(255)).Value(), QStringLiteral("255"));
    EXPECT_EQ(TAttrValue(qint16(-32768)).Value(), QStringLiteral("-32768"));
    EXPECT_EQ(TAttrValue(quint32(0xFFFFFFFFu)).Value(), QStringLiteral("4294967295"));
    EXPECT_EQ(TAttrValue(0x1FFFFFFF).Value(), QStringLiteral("536870911"));
    EXPECT_EQ(TAttrValue("text").Value(), QStringLiteral("text"));
    // Enumerations are written as ordinals, not as Booleans.
    enum Style { First, Second, Third };
    enum class Action : quint8 { Exit, Minimize, Browse };
    EXPECT_EQ(TAttrValue(Third).Value(), QStringLiteral("2"));
    EXPECT_EQ(TAttrValue(Action::Browse).Value(), QStringLiteral("2"));
    static_assert(!std::is_constructible_v<TAttrValue, double>);
    static_assert(!std::is_constructible_v<TAttrValue, int *>);
}

TEST(XmlValues, ConversionsBackAndTheirFailures)
{
    EXPECT_EQ(TAttrValue("-16777201").ToInt(), -16777201);
    EXPECT_EQ(TAttrValue("4294967295").ToInt(), -1);
    EXPECT_EQ(TAttrValue("4294967295").ToUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(TAttrValue("-2147483648").ToInt(), INT_MIN);
    EXPECT_EQ(TAttrValue(" 7 ").ToInt(), 7);
    EXPECT_TRUE(TAttrValue("-1").ToBool());
    EXPECT_TRUE(TAttrValue("5").ToBool());
    EXPECT_FALSE(TAttrValue("0").ToBool());
    EXPECT_TRUE(TAttrValue("TRUE").ToBool());
    EXPECT_TRUE(TAttrValue("true").ToBool());
    EXPECT_FALSE(TAttrValue("False").ToBool());
    EXPECT_EQ(TAttrValue("").ToString(), QString());

    const QString conv = QStringLiteral("Invalid variant type conversion");
    for (const char *bad : {"", "abc", "1.5", "12a", "-", "4294967296", "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(errorOf([&] { (void)TAttrValue(bad).ToInt(); }), conv) << bad;
    }
    EXPECT_EQ(errorOf([] { (void)TAttrValue("yes").ToBool(); }), conv);
    EXPECT_EQ(errorOf([] { (void)TAttrValue::Missing().ToInt(); }), conv);
    EXPECT_EQ(errorOf([] { (void)TAttrValue::Missing().ToBool(); }), conv);
    EXPECT_EQ(errorOf([] { (void)TAttrValue::Missing().ToString(); }), conv);
}

TEST(XmlValues, ValueOrDefaultReplacesOnlyTheMissingMarker)
{
    EXPECT_EQ(ValueOrDefault(TAttrValue::Missing(), 1).ToInt(), 1);
    EXPECT_EQ(ValueOrDefault(TAttrValue(""), "d").ToString(), QString());
    EXPECT_EQ(ValueOrDefault(TAttrValue("0"), true).ToBool(), false);
}
