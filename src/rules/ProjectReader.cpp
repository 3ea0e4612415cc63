#include "rules/ProjectReader.h"

#include "rules/BmpDecoder.h"
#include "rules/PictureText.h"
#include "rules/ReadReasons.h"
#include "rules/XmlReader.h"
#include "rules/XmlRules.h"

#include <algorithm>
#include <array>
#include <functional>

namespace rules {

namespace {

// A window is at most 2^24 - 1 pixels wide and tall, never less than 0; a
// place beyond 2^24 pixels is never seen. Sizes and places are kept within
// these, as the editor's windows keep them.
constexpr std::int32_t kMaxSide = (1 << 24) - 1;
constexpr std::int32_t kFarPixel = 1 << 24;

std::int32_t Side(std::int32_t v)
{
    return std::clamp(v, 0, kMaxSide);
}

std::int32_t Place(std::int32_t v)
{
    return std::clamp(v, -kFarPixel, kFarPixel);
}

const XmlNode &Empty()
{
    static const XmlNode empty;
    return empty;
}

// An element's child, or an empty one when it is missing (as the editor reads).
const XmlNode &ChildOf(const XmlNode &el, std::string_view name)
{
    const XmlNode *c = el.Child(name);
    return c ? *c : Empty();
}

// Reads the attributes of one element, naming the place in a failure.
class Attrs
{
public:
    Attrs(const XmlNode &el, std::string path, int fallbackLine)
        : m_el(el), m_path(std::move(path)), m_line(el.line ? el.line : fallbackLine)
    {
    }
    // A command element: its path is made only for a failure.
    Attrs(const XmlNode &el, int commandNumber) : m_el(el), m_command(commandNumber), m_line(el.line) {}

    [[noreturn]] void Fail(std::string_view attr, const std::string *value, const std::string &what) const
    {
        const std::string path =
            m_command > 0 ? "root/" + m_el.name + " (команда " + std::to_string(m_command) + ")" : m_path;
        std::string text = "элемент «" + path + "»";
        if (!attr.empty()) {
            text += ", атрибут «" + std::string(attr) + "»";
            text += value ? " = «" + *value + "»" : std::string(" отсутствует");
        }
        throw ReadError(text + ": " + what, m_line, what, path, std::string(attr),
                        value ? std::optional<std::string>(*value) : std::nullopt);
    }

    std::int32_t Int(std::string_view name, const char *missing = nullptr) const
    {
        const std::string *v = m_el.Attr(name);
        const std::string fallback = missing ? missing : "";
        const std::optional<std::int32_t> n = AttrToInt(v ? *v : fallback);
        if (!n || (!v && !missing))
            Fail(name, v, kNotConverting);
        return *n;
    }
    std::uint8_t Byte(std::string_view name) const { return std::uint8_t(std::uint32_t(Int(name)) & 0xFF); }
    std::int16_t Cursor(std::string_view name) const { return std::int16_t(std::uint16_t(std::uint32_t(Int(name)))); }
    std::uint8_t Enum(std::string_view name, int values) const
    {
        const std::uint8_t v = Byte(name);
        if (v >= values)
            Fail(name, m_el.Attr(name), kNoSuchValue);
        return v;
    }
    bool Bool(std::string_view name, const char *missing = nullptr) const
    {
        const std::string *v = m_el.Attr(name);
        if (!v && missing)
            return *AttrToBool(missing);
        const std::optional<bool> b = v ? AttrToBool(*v) : std::nullopt;
        if (!b)
            Fail(name, v, kNotConverting);
        return *b;
    }
    std::string Text(std::string_view name, const char *missing = nullptr) const
    {
        const std::string *v = m_el.Attr(name);
        if (!v && !missing)
            Fail(name, v, kNotConverting);
        return v ? *v : std::string(missing);
    }

private:
    const XmlNode &m_el;
    std::string m_path;
    int m_command = 0;
    int m_line;
};

std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

struct Reader
{
    const XmlNode &doc;
    int commandNumber = 0;

    Attrs Group(const XmlNode &el, const std::string &path, std::string_view name) const
    {
        return Attrs(ChildOf(el, name), path + "/" + std::string(name), el.line);
    }

    std::vector<std::uint8_t> Picture(const XmlNode &el, const std::string &path, std::string_view name) const
    {
        const XmlNode &p = ChildOf(el, name);
        try {
            std::vector<std::uint8_t> bytes = DecodePictureText(p.text);
            // A bitmap the editor would refuse is refused here too.
            if (!bytes.empty())
                (void)BmpDecoder(bytes);
            return bytes;
        } catch (const ReadError &e) {
            const std::string element = path + "/" + std::string(name);
            throw ReadError("картинка «" + element + "»: " + e.what(), p.line ? p.line : el.line, e.Reason(),
                            element, "", std::nullopt);
        }
    }

    void Commands(const XmlNode &parent, std::vector<Command> &out, int depth)
    {
        for (const auto &el : parent.children) {
            ++commandNumber;
            Command c;
            static const std::array<const char *, 5> kKinds = {"group", "program", "url", "comment", "exit"};
            for (std::size_t k = 0; k < kKinds.size(); ++k)
                if (el->name == kKinds[k])
                    c.kind = ItemKind(k);
            const Attrs a(*el, commandNumber);
            // The texts move out of the element, which is read only once.
            auto take = [&el](std::string_view name) {
                std::string *v = el->Attr(name);
                return v ? std::move(*v) : std::string();
            };
            c.name = take("name");
            c.comment = take("comment");
            c.custom = take("custom");
            c.params = take("params");
            c.id = a.Int("id");
            c.hidden = a.Bool("hidden");
            if (c.kind == ItemKind::Group)
                Commands(*el, c.children, depth + 1);
            out.push_back(std::move(c));
        }
    }

    void ReadControl(const XmlNode &el, const std::string &path, bool fills, Control &c) const
    {
        if (!fills) {
            const Attrs pos = Group(el, path, "position");
            c.top = Place(pos.Int("top"));
            c.left = Place(pos.Int("left"));
            c.width = Side(pos.Int("width"));
            c.height = Side(pos.Int("height"));
        }
        const Attrs r = Group(el, path, "resize");
        c.anchors = r.Byte("anchors");
        c.minWidth = r.Int("minwidth");
        c.minHeight = r.Int("minheight");
        c.maxWidth = r.Int("maxwidth");
        c.maxHeight = r.Int("maxheight");
        const Attrs h = Group(el, path, "hint");
        c.hint = h.Text("text");
        c.showHint = h.Bool("showhint");
        c.cursor = h.Cursor("cursor");
    }

    template <typename T>
    void ReadSizing(const XmlNode &el, const std::string &path, T &o) const
    {
        const Attrs s = Group(el, path, "sizing");
        o.autoSize = s.Bool("autosize");
        o.stretch = s.Bool("stretch");
        o.proportional = s.Bool("proportional");
        o.center = s.Bool("center");
    }

    void ReadPictures(const XmlNode &el, const std::string &path, PictureSet &p) const
    {
        p.normal = Picture(el, path, "default");
        p.selected = Picture(el, path, "selected");
        p.pressed = Picture(el, path, "pressed");
    }

    void ReadFont(const Attrs &f, Font &font) const
    {
        font.name = f.Text("name");
        font.charset = f.Byte("charset");
        font.height = f.Int("height");
        font.color = f.Int("color");
        font.style = f.Byte("style");
    }

    void ReadWindow(Window &w) const
    {
        const XmlNode &el = ChildOf(doc, "window");
        const std::string path = "window";
        const Attrs colors = Group(el, path, "colors");
        w.gradient = colors.Bool("gradient");
        w.colorTop = colors.Int("topcolor");
        w.colorBottom = colors.Int("bottomcolor");
        const Attrs t = Group(el, path, "translucency");
        w.alphaBlend = t.Bool("alphablend");
        w.alphaBlendValue = t.Byte("alphablendvalue");
        w.transparentColor = t.Bool("transparentcolor");
        w.transparentColorValue = t.Int("transparentcolorvalue");
        const Attrs a = Group(el, path, "appearance");
        w.caption = a.Text("caption");
        w.cursor = a.Cursor("cursor");
        w.borderStyle = FormBorder(a.Enum("borderstyle", 6));
        const Attrs p = Group(el, path, "position");
        w.clientWidth = Side(p.Int("width"));
        w.clientHeight = Side(p.Int("height"));
    }

    void ReadImage(const char *name, bool fills, Image &im) const
    {
        const XmlNode &el = ChildOf(doc, name);
        const std::string path = name;
        im.fillsWindow = fills;
        ReadControl(el, path, fills, im.control);
        ReadSizing(el, path, im);
        const Attrs a = Group(el, path, "appearance");
        im.visible = a.Bool("visible");
        // Read as false when missing or not a number, as the editor reads it.
        const std::string *tr = ChildOf(el, "appearance").Attr("transparent");
        const std::optional<bool> transparent = tr ? AttrToBool(*tr) : std::nullopt;
        im.transparent = transparent.value_or(false);
        im.picture = Picture(el, path, "source");
    }

    void ReadBox(const char *name, BoxRole role, TextBox &b) const
    {
        const XmlNode &el = ChildOf(doc, name);
        const std::string path = name;
        ReadControl(el, path, false, b.control);
        const Attrs a = Group(el, path, "appearance");
        b.visible = a.Bool("visible");
        b.text = Lines(a.Text("text", ""));
        b.allowChange = a.Bool("allowchange", "0");
        b.alignment = Alignment(a.Enum("alignment", 3));
        b.borderStyle = BoxBorder(a.Enum("borderstyle", 4));
        b.borderColor = a.Int("bordercolor");
        b.color = a.Int("color");
        if (role == BoxRole::Menu) {
            b.columns = a.Int("columns", "1");
            b.autoColumns = a.Bool("autocolumns", "0");
            b.horizAlloc = a.Bool("halloc", "0");
            b.colorSelected = a.Int("colorselected");
        }
        const Attrs f = Group(el, path, "font");
        ReadFont(f, b.font);
        b.shadow = f.Bool("shadow");
        b.shadowColor = f.Int("shadowcolor");
        b.shadowSize = f.Int("shadowsize");
        b.rowSpacing = f.Int("rowspacing");
        if (role != BoxRole::Menu)
            return;
        const XmlNode &st = ChildOf(el, "buttonstyle");
        const std::string sp = path + "/buttonstyle";
        ButtonStyle &s = b.buttonStyle;
        const Attrs sa = Group(st, sp, "appearance");
        s.style = ButtonStyleKind(sa.Enum("style", 3));
        s.color = sa.Int("color");
        const Attrs al = Group(st, sp, "alignment");
        s.alignment = Alignment(al.Enum("alignment", 3));
        s.padHorizontal = al.Int("padh");
        s.padVertical = al.Int("padv");
        const Attrs sz = Group(st, sp, "sizing");
        s.width = sz.Int("width");
        s.height = sz.Int("height");
        s.autoSize = sz.Bool("autosize");
        ReadPictures(st, sp, s.pictures);
    }

    PicButton ReadButton(const XmlNode &el, int number) const
    {
        PicButton b;
        const std::string path = "button[" + std::to_string(number) + "]";
        ReadControl(el, path, false, b.control);
        ReadSizing(el, path, b);
        const Attrs a = Group(el, path, "appearance");
        b.visible = a.Bool("visible");
        b.transparent = a.Bool("transparent");
        b.caption = a.Text("caption");
        b.action = ButtonAction(a.Enum("action", 6));
        b.itemId = a.Int("itemid");
        b.showCaption = a.Bool("showcaption");
        b.colorSelected = a.Int("colorselected");
        const Attrs al = Group(el, path, "alignment");
        b.alignment = Alignment(al.Enum("alignment", 3));
        b.padHorizontal = al.Int("padh");
        b.padVertical = al.Int("padv");
        const Attrs f = Group(el, path, "font");
        ReadFont(f, b.font);
        b.shadow = f.Bool("shadow");
        b.shadowColor = f.Int("shadowcolor");
        b.shadowSize = f.Int("shadowsize");
        ReadPictures(el, path, b.pictures);
        return b;
    }
};

} // namespace

std::optional<std::int32_t> AttrToInt(std::string_view text)
{
    text = TrimValue(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    constexpr std::int64_t kLimit = std::int64_t(1) << 40;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kLimit)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < std::int64_t(INT32_MIN) || value > std::int64_t(UINT32_MAX))
        return std::nullopt;
    return std::int32_t(std::uint32_t(value));
}

std::optional<bool> AttrToBool(std::string_view text)
{
    const std::string_view word = TrimValue(text);
    if (SameNoCase(word, "true"))
        return true;
    if (SameNoCase(word, "false"))
        return false;
    const std::optional<std::int32_t> n = AttrToInt(text);
    if (!n)
        return std::nullopt;
    return *n != 0;
}

namespace {

// The design's elements and the stand-alone buttons of a document.
void ReadDesign(const XmlNode &doc, Project &project)
{
    const Reader reader{doc};
    Design &d = project.design;
    reader.ReadWindow(d.window);
    reader.ReadImage("background", true, d.background);
    reader.ReadImage("theme", false, d.theme);
    reader.ReadBox("toplabel", BoxRole::Heading, d.heading);
    reader.ReadBox("menubox", BoxRole::Menu, d.menu);
    reader.ReadBox("commentbox", BoxRole::Comment, d.comment);
}

void ReadButtons(const XmlNode &doc, Project &project)
{
    const Reader reader{doc};
    int number = 0;
    for (const auto &el : doc.children)
        if (el->name == "button")
            project.buttons.push_back(reader.ReadButton(*el, ++number));
}

} // namespace

Project ReadProject(std::string_view bytes, std::string_view freshDesign)
{
    const std::unique_ptr<XmlNode> doc = XmlReader::Parse(bytes);
    Project project;
    Reader reader{*doc};
    reader.Commands(ChildOf(*doc, "root"), project.commands, 0);

    for (const char *name : {"window", "background", "theme", "toplabel", "menubox", "commentbox", "button"})
        if (doc->Child(name))
            project.hasDesign = true;
    // A file without a design (a command list) takes a new project's.
    std::unique_ptr<XmlNode> fresh;
    if (!project.hasDesign && !freshDesign.empty())
        fresh = XmlReader::Parse(freshDesign);

    Options &o = project.options;
    o.rootDir = ChildOf(*doc, "rootdir").text;
    o.about = Lines(ChildOf(*doc, "about").text);
    const Attrs exit(ChildOf(*doc, "exitoptions"), "exitoptions", doc->line);
    o.exitLevelUp = exit.Bool("levelup", "0");
    o.exitAnyCommand = exit.Bool("anycom", "0");
    o.exitCross = exit.Bool("cross", "0");
    o.exitQuestion = exit.Bool("question", "0");
    const XmlNode &path = ChildOf(*doc, "pathoptions");
    const std::string *word = path.Attr("option");
    o.pathOption = PathOption::Velmora;
    if (word) {
        static const std::array<const char *, 4> kWords = {"cdroot", "project", "velmora", "current"};
        o.pathOption = PathOption::None;
        for (std::size_t i = 0; i < kWords.size(); ++i)
            if (*word == kWords[i])
                o.pathOption = PathOption(i);
    }
    o.cdRoot = Attrs(path, "pathoptions", doc->line).Bool("cdroot", "-1");

    const XmlNode &design = fresh ? *fresh : *doc;
    if (project.hasDesign || fresh)
        ReadDesign(design, project);
    ReadButtons(design, project);
    project.freshDesign = fresh != nullptr;
    return project;
}

} // namespace rules
