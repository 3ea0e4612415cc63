#include "xml/WindowDesign.h"

#include "base/TextLiterals.h"
#include "base/BrenwickError.h"
#include "base/TPicture.h"
#include "base/TPropertyLayer.h"
#include "xml/PictureBatch.h"
#include "xml/PictureText.h"
#include "xml/TXNode.h"

#include <QObject>
#include <span>

namespace {

// How a value stands in an attribute.
enum class TKind {
    Int,      // signed decimal 32-bit
    Byte,     // 0 to 255; read through the low 8 bits
    Cursor,   // signed 16-bit identifier; read through the low 16 bits
    Bool,     // "-1" / "0"
    Flag,     // a Boolean the player never reads: anything not a number reads as false
    Colour,   // the colour's 32 bits as a signed decimal
    Enum,     // ordinal; read through the low 8 bits
    Set,      // bits as an unsigned decimal; read through the low 8 bits
    Text,     // unchanged
    Lines,    // each line followed by CR LF
};

constexpr quint32 kLowByte = 0xFF;

// One attribute: its name, its kind, the property it carries and, for the
// few attributes that have one, the value a missing attribute reads as.
struct TRow
{
    const char *attr;
    TKind kind;
    const char *path;
    const char *missing = nullptr;
    int values = 0;   // an enumeration's number of values: ordinals 0 to values - 1
};

// The enumerations' numbers of values, in the order their values are declared.
constexpr int kAlignmentValues = 3;     // left, right, centre
constexpr int kFormBorderValues = 6;    // none, single, sizeable, dialog, tool window, sizeable tool window
constexpr int kBoxBorderValues = 4;     // none, raised, sunken, line
constexpr int kButtonStyleValues = 3;   // text, button, skinned
constexpr int kButtonActionValues = 6;  // exit, minimise, browse, execute, help, level up

using TRows = std::span<const TRow>;

// The object an object-valued path holds ("ButtonStyle", "Pictures.Default"), or nullptr.
QObject *ObjectAt(QObject &object, const char *path)
{
    return TPropertyLayer::resolve(&object, L(path)).target();
}

TAttrValue Encode(const QVariant &v, TKind kind)
{
    switch (kind) {
    case TKind::Int:
    case TKind::Colour:
        return qint32(v.toInt());
    case TKind::Byte:
    case TKind::Enum:
    case TKind::Set:
        return quint32(v.toUInt() & kLowByte);
    case TKind::Cursor:
        return qint16(v.toInt());
    case TKind::Bool:
    case TKind::Flag:
        return v.toBool();
    case TKind::Text:
        return v.toString();
    case TKind::Lines:
        return LinesToText(v.toStringList());
    }
    return TAttrValue(QString());
}

// A Boolean that reads as false when missing or not a number.
bool FlagOf(const TAttrValue &a)
{
    try {
        return a.ToBool();
    } catch (const BrenwickError &) {
        return false;
    }
}

QVariant Decode(const TAttrValue &a, TKind kind)
{
    switch (kind) {
    case TKind::Int:
    case TKind::Colour:
        return a.ToInt();
    case TKind::Byte:
    case TKind::Enum:
    case TKind::Set:
        return int(a.ToUInt() & kLowByte);
    case TKind::Cursor:
        return int(qint16(a.ToInt()));
    case TKind::Bool:
        return a.ToBool();
    case TKind::Flag:
        return FlagOf(a);
    case TKind::Text:
        return a.ToString();
    case TKind::Lines:
        return TextToLines(a.ToString());
    }
    return QVariant();
}

void WriteRows(TXNode &el, QObject &object, TRows rows)
{
    for (const TRow &row : rows)
        el.SetAttr(L(row.attr), Encode(TPropertyLayer::read(&object, L(row.path)), row.kind));
}

void ReadRows(const TXNode &el, TRows rows, TDesignValues &out)
{
    for (const TRow &row : rows) {
        TAttrValue a = el.GetAttr(L(row.attr));
        if (row.missing)
            a = ValueOrDefault(a, TAttrValue(row.missing));
        try {
            const QVariant value = Decode(a, row.kind);
            // A number that names no value would be refused by the property and
            // leave whatever the object held before.
            if (row.values > 0 && value.toInt() >= row.values)
                throw BrenwickError(QStringLiteral("Invalid property value"), TFilePlace::fwEnum);
            out.Add(L(row.path), value);
        } catch (BrenwickError &e) {
            TFilePlace &place = e.place();
            if (place.what == TFilePlace::fwUnknown)
                place.what = TFilePlace::fwValue;
            place.attribute = L(row.attr);
            if (!a.IsMissing())
                place.value = a.Value();
            throw;
        }
    }
}

void WriteGroup(TXNode &parent, const char *element, QObject &object, TRows rows)
{
    WriteRows(*parent.AddChild(L(element)), object, rows);
}

void ReadGroup(TXNode &parent, const char *element, TRows rows, TDesignValues &out)
{
    InElement(L(element), [&] { ReadRows(*parent.Child(L(element)), rows, out); });
}

// A picture as the text of its own element.
void WritePicture(TXNode &parent, const char *element, QObject &object, const char *path)
{
    auto *picture = qobject_cast<TPicture *>(ObjectAt(object, path));
    TPicture empty;
    parent.AddChild(L(element))->SetText(PictureToText(picture ? *picture : empty));
}

void ReadPicture(TXNode &parent, const char *element, const char *path, TDesignValues &out)
{
    const TXNode &node = *parent.Child(L(element));
    try {
        bool writerForm = false;
        const TBmpImage bitmap = DecodePictureElement(node, &writerForm);
        // Only a text in the writer's own form is kept to be written back.
        out.AddPicture(L(path), bitmap, writerForm ? node.Text() : QString());
    } catch (BrenwickError &e) {
        e.place().what = TFilePlace::fwPicture;
        e.place().elements.prepend(L(element));
        throw;
    }
}

// --- the tables, rows in the order the attributes stand in their element ---

constexpr TRow kWindowPosition[] = {{"width", TKind::Int, "ClientWidth"}, {"height", TKind::Int, "ClientHeight"}};
constexpr TRow kWindowColors[] = {{"gradient", TKind::Bool, "ColorGradient"},
                                  {"topcolor", TKind::Colour, "ColorTop"},
                                  {"bottomcolor", TKind::Colour, "ColorBottom"}};
constexpr TRow kWindowTranslucency[] = {{"alphablend", TKind::Bool, "AlphaBlend"},
                                        {"alphablendvalue", TKind::Byte, "AlphaBlendValue"},
                                        {"transparentcolor", TKind::Bool, "TransparentColor"},
                                        {"transparentcolorvalue", TKind::Colour, "TransparentColorValue"}};
constexpr TRow kWindowAppearance[] = {{"caption", TKind::Text, "Caption"},
                                      {"cursor", TKind::Cursor, "Cursor"},
                                      {"borderstyle", TKind::Enum, "BorderStyle", nullptr, kFormBorderValues}};

constexpr TRow kControlPosition[] = {{"top", TKind::Int, "Top"},
                                     {"left", TKind::Int, "Left"},
                                     {"width", TKind::Int, "Width"},
                                     {"height", TKind::Int, "Height"}};
constexpr TRow kControlResize[] = {{"anchors", TKind::Set, "Anchors"},
                                   {"minwidth", TKind::Int, "Constraints.MinWidth"},
                                   {"minheight", TKind::Int, "Constraints.MinHeight"},
                                   {"maxwidth", TKind::Int, "Constraints.MaxWidth"},
                                   {"maxheight", TKind::Int, "Constraints.MaxHeight"}};
constexpr TRow kControlHint[] = {{"text", TKind::Text, "Hint"},
                                 {"showhint", TKind::Bool, "ShowHint"},
                                 {"cursor", TKind::Cursor, "Cursor"}};

constexpr TRow kSizing[] = {{"autosize", TKind::Bool, "AutoSize"},
                            {"stretch", TKind::Bool, "Stretch"},
                            {"proportional", TKind::Bool, "Proportional"},
                            {"center", TKind::Bool, "Center"}};
// Files written before Transparent was restored may lack it, and the player
// never reads it: missing or not a number, it reads as false.
constexpr TRow kImageAppearance[] = {{"visible", TKind::Bool, "Visible"},
                                     {"transparent", TKind::Flag, "Transparent"}};

// Text objects: what every one writes in appearance, then the heading's and
// the menu area's own attributes; read with their defaults in reading order.
constexpr TRow kBoxAppearance[] = {{"visible", TKind::Bool, "Visible"},
                                   {"alignment", TKind::Enum, "Alignment", nullptr, kAlignmentValues},
                                   {"borderstyle", TKind::Enum, "BorderStyle", nullptr, kBoxBorderValues},
                                   {"bordercolor", TKind::Colour, "BorderColor"},
                                   {"color", TKind::Colour, "Color"}};
constexpr TRow kHeadingAppearance[] = {{"text", TKind::Lines, "Text", ""}, {"allowchange", TKind::Bool, "AllowChange", "0"}};
constexpr TRow kMenuAppearance[] = {{"columns", TKind::Int, "Columns", "1"},
                                    {"autocolumns", TKind::Bool, "AutoColumns", "0"},
                                    {"halloc", TKind::Bool, "HorizAlloc", "0"},
                                    {"colorselected", TKind::Colour, "ColorSelected"}};
constexpr TRow kBoxFont[] = {{"name", TKind::Text, "Font.Name"},
                             {"charset", TKind::Byte, "Font.Charset"},
                             {"height", TKind::Int, "Font.Height"},
                             {"color", TKind::Colour, "Font.Color"},
                             {"style", TKind::Set, "Font.Style"},
                             {"shadow", TKind::Bool, "Shadow"},
                             {"shadowcolor", TKind::Colour, "ShadowColor"},
                             {"shadowsize", TKind::Int, "ShadowSize"},
                             {"rowspacing", TKind::Int, "RowSpacing"}};
// A picture button's font group has no row spacing.
constexpr TRows kButtonFont = TRows(kBoxFont).first(std::size(kBoxFont) - 1);

constexpr TRow kStyleAppearance[] = {{"style", TKind::Enum, "Style", nullptr, kButtonStyleValues},
                                     {"color", TKind::Colour, "Color"}};
constexpr TRow kPadding[] = {{"alignment", TKind::Enum, "Alignment", nullptr, kAlignmentValues},
                             {"padh", TKind::Int, "PadHorizontal"},
                             {"padv", TKind::Int, "PadVertical"}};
constexpr TRow kStyleSizing[] = {{"width", TKind::Int, "Width"},
                                 {"height", TKind::Int, "Height"},
                                 {"autosize", TKind::Bool, "AutoSize"}};

constexpr TRow kButtonAppearance[] = {{"visible", TKind::Bool, "Visible"},
                                      {"transparent", TKind::Bool, "Transparent"},
                                      {"caption", TKind::Text, "Caption"},
                                      {"action", TKind::Enum, "Action", nullptr, kButtonActionValues},
                                      {"itemid", TKind::Int, "ItemID"},
                                      {"showcaption", TKind::Bool, "ShowCaption"},
                                      {"colorselected", TKind::Colour, "ColorSelected"}};

// The three pictures of a button, each the text of its own element.
struct TPictureRow
{
    const char *element;
    const char *path;
};
constexpr TPictureRow kButtonPictures[] = {
    {"default", "Pictures.Default"}, {"selected", "Pictures.Selected"}, {"pressed", "Pictures.Pressed"}};

// Automatic sizing once more after the picture: a picture change sizes the
// control only to a picture with pixels, so without this an empty picture
// would leave whatever size the control's previous picture gave it.
void FollowPicture(TXNode &el, TDesignValues &out)
{
    ReadGroup(el, "sizing", TRows(kSizing).first(1), out);
}

void WriteButtonPictures(TXNode &el, QObject &object)
{
    for (const TPictureRow &p : kButtonPictures)
        WritePicture(el, p.element, object, p.path);
}

void ReadButtonPictures(TXNode &el, TDesignValues &out)
{
    for (const TPictureRow &p : kButtonPictures)
        ReadPicture(el, p.element, p.path, out);
}

} // namespace

QString LinesToText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1StringView("\r\n");
    }
    return text;
}

QStringList TextToLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

void WriteWindow(TXNode &el, QObject &window)
{
    WriteGroup(el, "position", window, kWindowPosition);
    WriteGroup(el, "colors", window, kWindowColors);
    WriteGroup(el, "translucency", window, kWindowTranslucency);
    WriteGroup(el, "appearance", window, kWindowAppearance);
}

TDesignValues ReadWindow(TXNode &el)
{
    // The size last, once the window's look is in place.
    TDesignValues out;
    ReadGroup(el, "colors", kWindowColors, out);
    ReadGroup(el, "translucency", kWindowTranslucency, out);
    ReadGroup(el, "appearance", kWindowAppearance, out);
    ReadGroup(el, "position", kWindowPosition, out);
    return out;
}

void WriteControl(TXNode &el, QObject &control, bool fillsParent)
{
    if (!fillsParent)
        WriteGroup(el, "position", control, kControlPosition);
    WriteGroup(el, "resize", control, kControlResize);
    WriteGroup(el, "hint", control, kControlHint);
}

void ReadControl(TXNode &el, bool fillsParent, TDesignValues &out)
{
    if (!fillsParent)
        ReadGroup(el, "position", kControlPosition, out);
    ReadGroup(el, "resize", kControlResize, out);
    // The position once more under the new size limits: set only before them,
    // it would be cut by the limits the control had until then.
    if (!fillsParent)
        ReadGroup(el, "position", kControlPosition, out);
    ReadGroup(el, "hint", kControlHint, out);
}

void WriteImage(TXNode &el, QObject &image, bool fillsParent)
{
    WriteControl(el, image, fillsParent);
    WriteGroup(el, "sizing", image, kSizing);
    WriteGroup(el, "appearance", image, kImageAppearance);
    WritePicture(el, "source", image, "Picture");
}

TDesignValues ReadImage(TXNode &el, bool fillsParent)
{
    // Automatic sizing off first, so that the stored bounds take effect.
    TDesignValues out;
    out.Add(L("AutoSize"), false);
    ReadControl(el, fillsParent, out);
    ReadGroup(el, "sizing", kSizing, out);
    // Transparent is written too, and restored with the rest.
    ReadGroup(el, "appearance", kImageAppearance, out);
    ReadPicture(el, "source", "Picture", out);
    FollowPicture(el, out);
    return out;
}

void WriteTextBox(TXNode &el, QObject &box, TTextBoxRole role, bool fillsParent)
{
    WriteControl(el, box, fillsParent);
    TXNode *appearance = el.AddChild(L("appearance"));
    WriteRows(*appearance, box, kBoxAppearance);
    if (role == TTextBoxRole::Heading)
        WriteRows(*appearance, box, kHeadingAppearance);
    WriteGroup(el, "font", box, kBoxFont);
    if (role == TTextBoxRole::Menu) {
        WriteRows(*el.Child(L("appearance")), box, kMenuAppearance);
        if (QObject *style = ObjectAt(box, "ButtonStyle"))
            WriteButtonStyle(*el.AddChild(L("buttonstyle")), *style);
    }
}

TDesignValues ReadTextBox(TXNode &el, TTextBoxRole role, bool fillsParent)
{
    TDesignValues out;
    ReadControl(el, fillsParent, out);
    // Every text object reads text and allowchange, with their defaults: only
    // the heading's are ever written.
    const TXNode &appearance = *el.Child(L("appearance"));
    InElement(L("appearance"), [&] {
        ReadRows(appearance, TRows(kBoxAppearance).first(1), out);
        ReadRows(appearance, kHeadingAppearance, out);
        ReadRows(appearance, TRows(kBoxAppearance).subspan(1), out);
        if (role == TTextBoxRole::Menu)
            ReadRows(appearance, kMenuAppearance, out);
    });
    ReadGroup(el, "font", kBoxFont, out);
    if (role == TTextBoxRole::Menu)
        out.Append(InElement(L("buttonstyle"), [&] { return ReadButtonStyle(*el.Child(L("buttonstyle"))); }),
                   L("ButtonStyle."));
    return out;
}

void WriteButtonStyle(TXNode &el, QObject &style)
{
    WriteGroup(el, "appearance", style, kStyleAppearance);
    WriteGroup(el, "alignment", style, kPadding);
    WriteGroup(el, "sizing", style, kStyleSizing);
    WriteButtonPictures(el, style);
}

TDesignValues ReadButtonStyle(TXNode &el)
{
    TDesignValues out;
    ReadGroup(el, "appearance", kStyleAppearance, out);
    ReadGroup(el, "alignment", kPadding, out);
    ReadGroup(el, "sizing", kStyleSizing, out);
    ReadButtonPictures(el, out);
    return out;
}

void WritePicButton(TXNode &el, QObject &button, bool fillsParent)
{
    WriteControl(el, button, fillsParent);
    WriteGroup(el, "sizing", button, kSizing);
    WriteGroup(el, "appearance", button, kButtonAppearance);
    WriteGroup(el, "alignment", button, kPadding);
    WriteGroup(el, "font", button, kButtonFont);
    WriteButtonPictures(el, button);
}

TDesignValues ReadPicButton(TXNode &el, bool fillsParent)
{
    TDesignValues out;
    out.Add(L("AutoSize"), false);
    ReadControl(el, fillsParent, out);
    ReadGroup(el, "sizing", kSizing, out);
    ReadGroup(el, "appearance", kButtonAppearance, out);
    ReadGroup(el, "alignment", kPadding, out);
    ReadGroup(el, "font", kButtonFont, out);
    ReadButtonPictures(el, out);
    FollowPicture(el, out);
    return out;
}
