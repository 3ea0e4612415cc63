#include "window/TButtonBox.h"
#include "window/TPicButton.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <gtest/gtest.h>

// The property grid and the design reader reach these objects only by
// property name, so every name they use must be published with the right kind.
namespace {

QMetaProperty prop(const QObject &object, const char *name)
{
    const QMetaObject *meta = object.metaObject();
    return meta->property(meta->indexOfProperty(name));
}

void expectPublished(const QObject &object, const QStringList &names)
{
    for (const QString &name : names)
        EXPECT_TRUE(prop(object, name.toLatin1().constData()).isValid())
            << object.metaObject()->className() << " lacks " << name.toStdString();
}

// The enumeration's value names in ordinal order.
QStringList enumKeys(const QMetaProperty &property)
{
    QStringList keys;
    const QMetaEnum e = property.enumerator();
    for (int i = 0; i < e.keyCount(); ++i) {
        EXPECT_EQ(e.value(i), property.isFlagType() ? 1 << i : i) << e.key(i);
        keys << QString::fromLatin1(e.key(i));
    }
    return keys;
}

const QStringList kControlRows{"Left", "Top", "Width", "Height", "Cursor", "Visible",
                               "Anchors", "Constraints", "Hint", "ShowHint"};

} // namespace

TEST(PublishedTest, InspectorRowsOfEveryObjectExist)
{
    TPaintSurface heading, menu;
    TTextBox text(&heading);
    TButtonBox box(&menu);
    expectPublished(text, kControlRows);
    expectPublished(text, {"Font", "Color", "Shadow", "ShadowColor", "ShadowSize", "RowSpacing", "Text",
                           "BorderStyle", "BorderColor", "Alignment", "AllowChange"});
    expectPublished(box, {"Columns", "HorizAlloc", "AutoColumns", "ColorSelected", "ButtonStyle"});
    expectPublished(*box.ButtonStyle(),
                    {"Style", "Pictures", "Color", "Width", "Height", "AutoSize", "Alignment", "PadVertical",
                     "PadHorizontal", "ColorSelected", "ColorNormal", "Font", "Shadow", "ShadowColor",
                     "ShadowSize"});
    expectPublished(*box.ButtonStyle()->Pictures(), {"Default", "Selected", "Pressed"});
    expectPublished(*text.Font(), {"Name", "Charset", "Height", "Color", "Size", "Style"});
    expectPublished(*text.Constraints(), {"MinWidth", "MinHeight", "MaxWidth", "MaxHeight"});

    TImageEx *image = new TImageEx;
    {
        TPicButton button(image, "b");
        expectPublished(button, kControlRows);
        expectPublished(button, {"AutoSize", "Stretch", "Proportional", "Center", "Transparent", "Pictures",
                                 "State", "Caption", "Action", "ItemID", "Font", "Shadow", "ShadowColor",
                                 "ShadowSize", "Alignment", "PadVertical", "PadHorizontal", "ShowCaption",
                                 "ColorSelected", "ColorNormal"});
    }
    expectPublished(*image, kControlRows);
    expectPublished(*image, {"Picture", "Stretch", "Proportional", "Center", "Transparent", "AutoSize", "Align",
                             "DragCursor", "DragKind", "DragMode", "Enabled", "ParentShowHint", "PopupMenu"});
    EXPECT_EQ(image->property("DragCursor").toInt(), TCursor::crDrag);
    EXPECT_TRUE(image->property("Enabled").toBool());
    EXPECT_TRUE(image->property("ParentShowHint").toBool());
    EXPECT_TRUE(image->setProperty("Enabled", false));
    EXPECT_FALSE(image->isEnabled());
    delete image;
}

TEST(PublishedTest, EnumerationsAndSetsCarryTheirNamesAndValues)
{
    TPaintSurface heading, menu;
    TTextBox text(&heading);
    TButtonBox box(&menu);
    TImageEx *image = new TImageEx;
    auto *button = new TPicButton(image, "b");

    EXPECT_EQ(enumKeys(prop(text, "Alignment")), (QStringList{"taLeftJustify", "taRightJustify", "taCenter"}));
    EXPECT_EQ(enumKeys(prop(text, "BorderStyle")), (QStringList{"tbsNone", "tbsRaised", "tbsSunken", "tbsLine"}));
    EXPECT_EQ(enumKeys(prop(*box.ButtonStyle(), "Style")), (QStringList{"bssText", "bssButton", "bssSkinned"}));
    EXPECT_EQ(enumKeys(prop(*box.ButtonStyle(), "Alignment")),
              (QStringList{"taLeftJustify", "taRightJustify", "taCenter"}));
    EXPECT_EQ(enumKeys(prop(*button, "State")), (QStringList{"bsDefault", "bsSelected", "bsPressed"}));
    EXPECT_EQ(enumKeys(prop(*button, "Action")),
              (QStringList{"baExit", "baMinimize", "baBrowse", "baExecute", "baHelp", "baLevelUp"}));
    EXPECT_EQ(enumKeys(prop(*button, "Alignment")), (QStringList{"taLeftJustify", "taRightJustify", "taCenter"}));

    const QMetaProperty anchors = prop(text, "Anchors");
    EXPECT_TRUE(anchors.isFlagType());
    EXPECT_EQ(enumKeys(anchors), (QStringList{"akLeft", "akTop", "akRight", "akBottom"}));
    const QMetaProperty style = prop(*text.Font(), "Style");
    EXPECT_TRUE(style.isFlagType());
    EXPECT_EQ(enumKeys(style), (QStringList{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));

    delete button;
    delete image;
}
