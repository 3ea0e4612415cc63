#include "PaintMenu.h"

#include "rules/Bevel.h"
#include "rules/ControlSize.h"
#include "rules/MenuGrid.h"
#include "rules/PicturePlacement.h"
#include "rules/TextRows.h"

#include <algorithm>
#include <climits>
#include <functional>

// The menu window drawn with GDI: every place and size comes from the shared
// geometry in rules/, measured with the canvas's fonts.
namespace player {

namespace {

std::u16string utf16(const std::wstring &text)
{
    return std::u16string(text.begin(), text.end());
}

std::wstring wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

// The shared geometry's view of one font on the canvas.
class CanvasMetrics : public rules::TextMetrics
{
public:
    CanvasMetrics(Canvas &c, const rules::Font &font) : m_c(c), m_font(font) {}

    int Width(std::u16string_view text) const override { return m_c.textWidth(m_font, wide(text)); }
    int CellHeight() const override { return m_c.cellHeight(m_font); }
    int CharHeight() const override { return m_c.charHeight(m_font); }
    std::vector<int> PrefixWidths(std::u16string_view text, int stopAbove) const override
    {
        std::vector<int> widths{0};
        for (const int w : m_c.prefixWidths(m_font, wide(text))) {
            widths.push_back(w);
            if (w > stopAbove)
                break;
        }
        return widths;
    }

private:
    Canvas &m_c;
    const rules::Font &m_font;
};

RECT toRect(const rules::Rect &r)
{
    return RECT{r.left, r.top, rules::ClampToInt(r.right()), rules::ClampToInt(r.bottom())};
}

rules::Size sizeOf(const Pixels &p)
{
    return p.empty() ? rules::Size{} : rules::Size{p.width, p.height};
}

const Pixels &forState(const std::vector<Pixels> &set, int state)
{
    if (state == MenuView::Selected && !set[1].empty())
        return set[1];
    if (state == MenuView::Pressed && !set[2].empty())
        return set[2];
    return set[0];
}

void drawBevel(Canvas &c, const rules::Rect &r, bool sunken)
{
    std::uint32_t light = 0, shadow = 0, dark = 0;
    ResolveColor(std::int32_t(0xFF000014), light);    // button highlight
    ResolveColor(std::int32_t(0xFF000010), shadow);   // button shadow
    ResolveColor(std::int32_t(0xFF000015), dark);     // 3-D dark shadow
    for (const rules::BevelLine &line : rules::BevelLines(r, sunken)) {
        const std::uint32_t rgb = line.color == rules::BevelColor::Highlight ? light
                                  : line.color == rules::BevelColor::Shadow  ? shadow
                                                                             : dark;
        c.fill(line.rect.left, line.rect.top, line.rect.width, line.rect.height, rgb);
    }
}

void drawTextIn(Canvas &c, const rules::Font &font, const std::wstring &text, int x, int y, std::int32_t color)
{
    std::uint32_t rgb = 0;
    if (ResolveColor(color, rgb))
        c.drawText(font, text, x, y, rgb);
}

// Text with its shadow first.
void drawShadowed(Canvas &c, const rules::Font &font, const std::wstring &text, int x, int y, bool shadow,
                  int shadowSize, std::int32_t shadowColor, std::int32_t color)
{
    if (shadow)
        drawTextIn(c, font, text, rules::ClampToInt((long long)x + shadowSize),
                   rules::ClampToInt((long long)y + shadowSize), shadowColor);
    drawTextIn(c, font, text, x, y, color);
}

// The heading, the comment area and the menu area: background and border.
void paintFrame(Canvas &c, const rules::TextBox &box, int w, int h)
{
    std::uint32_t rgb = 0;
    if (ResolveColor(box.color, rgb))
        c.fill(0, 0, w, h, rgb);
    const rules::Rect r{0, 0, w, h};
    switch (box.borderStyle) {
    case rules::BoxBorder::None: break;
    case rules::BoxBorder::Raised: drawBevel(c, r, false); break;
    case rules::BoxBorder::Sunken: drawBevel(c, r, true); break;
    case rules::BoxBorder::Line:
        if (ResolveColor(box.borderColor, rgb))
            for (const rules::Rect &line : rules::BorderLines(r))
                c.fill(line.left, line.top, line.width, line.height, rgb);
        break;
    }
}

// A text box's rows.
void paintText(Canvas &c, const rules::TextBox &box, int w, int h, const std::vector<std::wstring> &lines)
{
    paintFrame(c, box, w, h);
    std::vector<std::u16string> text;
    for (const std::wstring &line : lines)
        text.push_back(utf16(line));
    const std::vector<std::u16string_view> views(text.begin(), text.end());
    rules::TextLook look;
    look.width = w;
    look.height = h;
    look.rowSpacing = box.rowSpacing;
    look.shadowExtent = box.shadow ? box.shadowSize : 0;
    look.alignment = box.alignment;
    const CanvasMetrics metrics(c, box.font);
    for (const rules::TextRow &row : rules::TextRows(metrics, views, look))
        drawShadowed(c, box.font, wide(views[row.line].substr(row.piece.start, row.piece.length)), row.x, row.y,
                     box.shadow, box.shadowSize, box.shadowColor, box.font.color);
}

// The menu area: a grid of buttons in the style of its button look.
void paintMenu(Canvas &c, const rules::TextBox &box, const Pixels *style, int w, int h, const MenuView &view)
{
    paintFrame(c, box, w, h);
    rules::MenuLook look = rules::MenuLookOf(box, sizeOf(style[0]));
    look.width = w;
    look.height = h;
    const CanvasMetrics metrics(c, box.font);
    const int count = int(std::min<std::size_t>(view.menuLines.size(), INT_MAX));
    const rules::MenuGrid grid = rules::MakeGrid(metrics, look, count);
    const rules::ButtonStyle &bs = box.buttonStyle;
    const rules::CaptionLook captionLook{bs.alignment, bs.padHorizontal, bs.padVertical, look.shadowExtent, true};
    for (int i = 0; i < count; ++i) {
        const std::u16string text = utf16(view.menuLines[std::size_t(i)]);
        const rules::Rect at = rules::ItemRect(metrics, look, grid, i, text);
        const rules::Size size = rules::ButtonSize(metrics, look, text, grid.columnWidth);
        const rules::Rect button{at.left, at.top, size.width, size.height};
        const bool pressed = i == view.pressed;
        const bool selected = pressed || i == view.selected;
        switch (bs.style) {
        case rules::ButtonStyleKind::Text: break;
        case rules::ButtonStyleKind::Button: {
            std::uint32_t rgb = 0;
            if (ResolveColor(bs.color, rgb))
                c.fill(button.left, button.top, button.width, button.height, rgb);
            drawBevel(c, button, pressed);
            break;
        }
        case rules::ButtonStyleKind::Skinned: {
            const Pixels &p = pressed ? (style[2].empty() ? style[0] : style[2])
                              : selected ? (style[1].empty() ? style[0] : style[1])
                                         : style[0];
            c.drawPixels(p, button.left, button.top, p.width, p.height, false, 0);
            break;
        }
        }
        const rules::Caption caption = rules::PlaceCaption(metrics, captionLook, button, text);
        std::wstring drawn = wide(std::u16string_view(text).substr(0, caption.text.keep));
        if (caption.text.ellipsis)
            drawn += wide(rules::kEllipsis);
        drawShadowed(c, box.font, drawn, caption.x, caption.y, box.shadow, box.shadowSize, box.shadowColor,
                     selected ? box.colorSelected : box.font.color);
    }
}

void paintPicture(Canvas &c, const Pixels &p, int cw, int ch, const rules::PictureFit &fit, bool transparent)
{
    if (p.empty())
        return;
    const rules::Rect d = rules::PictureRect(sizeOf(p), rules::Size{cw, ch}, fit);
    const std::uint32_t key = rules::KeyColor(p.twoColors, p.px[std::size_t(p.height - 1) * std::size_t(p.width)]);
    c.drawPixels(p, d.left, d.top, d.width, d.height, transparent, key);
}

void withControl(Canvas &c, const RECT &r, const std::function<void(int, int)> &paint)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    c.setClip(r, r.left, r.top);
    paint(r.right - r.left, r.bottom - r.top);
    c.clearClip();
}

void paintBackground(Canvas &c, const rules::Project &project, const MenuPictures &pictures)
{
    const rules::Window &win = project.design.window;
    const rules::Image &back = project.design.background;
    const int cw = c.width(), ch = c.height();
    std::uint32_t rgb = 0;
    if (ResolveColor(win.colorTop, rgb))
        c.fill(0, 0, cw, ch, rgb);
    bool gradient = win.gradient;
    if (back.stretch && (!back.proportional || !back.visible))
        gradient = false;
    if (pictures.background.width >= cw && pictures.background.height >= ch && back.visible)
        gradient = false;
    if (!gradient || ch <= 0)
        return;
    const auto t = std::uint32_t(win.colorTop), b = std::uint32_t(win.colorBottom);
    for (int y = 0; y < ch; ++y) {
        std::uint32_t out = 0;
        for (int i = 0; i < 3; ++i) {
            const long long tb = (t >> (8 * i)) & 0xFF, bb = (b >> (8 * i)) & 0xFF;
            const long long v = tb + ((long long)y * (bb - tb)) / ch;
            out |= std::uint32_t(v) << (8 * (2 - i));
        }
        c.fill(0, y, cw, 1, out);
    }
}

std::vector<std::wstring> textLines(const std::vector<std::string> &text)
{
    std::vector<std::wstring> lines;
    for (const std::string &line : text)
        for (std::wstring &piece : SplitLines(Widen(line)))
            lines.push_back(std::move(piece));
    return lines;
}

RECT imageBounds(const rules::Image &image, const Pixels &p)
{
    return toRect(rules::AutoSizedRect(image.control, image.autoSize, sizeOf(p)));
}

void paintPicButton(Canvas &c, const rules::PicButton &b, const std::vector<Pixels> &set, int state)
{
    const RECT r = PicButtonBounds(b, set, state);
    withControl(c, r, [&](int w, int h) {
        paintPicture(c, forState(set, state), w, h, rules::PictureFit{b.stretch, b.proportional, b.center},
                     b.transparent);
        if (!b.showCaption || b.caption.empty())
            return;
        const std::wstring caption = Widen(b.caption);
        const CanvasMetrics metrics(c, b.font);
        const rules::CaptionLook look{b.alignment, b.padHorizontal, b.padVertical, b.shadow ? b.shadowSize : 0, false};
        const rules::Caption at = rules::PlaceCaption(metrics, look, rules::Rect{0, 0, w, h}, utf16(caption));
        const bool hot = state == MenuView::Selected && b.colorSelected != rules::kColorNone;
        drawShadowed(c, b.font, caption, at.x, at.y, b.shadow, b.shadowSize, b.shadowColor,
                     hot ? b.colorSelected : b.font.color);
    });
}

} // namespace

std::vector<std::wstring> SplitLines(const std::wstring &text)
{
    const std::u16string s = utf16(text);
    std::vector<std::wstring> lines;
    for (const rules::Piece &piece : rules::SplitLines(s))
        lines.push_back(text.substr(piece.start, piece.length));
    return lines;
}

MenuPictures DecodePictures(const rules::Project &project)
{
    MenuPictures p;
    const rules::Design &d = project.design;
    p.background = PictureOf(d.background.picture);
    p.theme = PictureOf(d.theme.picture);
    p.style[0] = PictureOf(d.menu.buttonStyle.pictures.normal);
    p.style[1] = PictureOf(d.menu.buttonStyle.pictures.selected);
    p.style[2] = PictureOf(d.menu.buttonStyle.pictures.pressed);
    for (const rules::PicButton &b : project.buttons)
        p.buttons.push_back({PictureOf(b.pictures.normal), PictureOf(b.pictures.selected), PictureOf(b.pictures.pressed)});
    return p;
}

RECT ControlBounds(const rules::Control &control)
{
    return toRect(rules::ControlRect(control));
}

RECT PicButtonBounds(const rules::PicButton &button, const std::vector<Pixels> &pictures, int state)
{
    return toRect(rules::AutoSizedRect(button.control, button.autoSize, sizeOf(forState(pictures, state))));
}

void PaintMenu(Canvas &c, const rules::Project &project, const MenuPictures &pictures, const MenuView &view)
{
    const rules::Design &d = project.design;
    paintBackground(c, project, pictures);
    if (d.background.visible)
        withControl(c, RECT{0, 0, c.width(), c.height()}, [&](int w, int h) {
            paintPicture(c, pictures.background, w, h,
                         rules::PictureFit{d.background.stretch, d.background.proportional, d.background.center},
                         d.background.transparent);
        });
    if (d.theme.visible)
        withControl(c, imageBounds(d.theme, pictures.theme), [&](int w, int h) {
            paintPicture(c, pictures.theme, w, h, rules::PictureFit{d.theme.stretch, d.theme.proportional, d.theme.center},
                         d.theme.transparent);
        });
    if (d.menu.visible)
        withControl(c, ControlBounds(d.menu.control), [&](int w, int h) { paintMenu(c, d.menu, pictures.style, w, h, view); });
    if (d.comment.visible)
        withControl(c, ControlBounds(d.comment.control), [&](int w, int h) {
            std::vector<std::wstring> lines;
            if (!view.comment.empty()) {
                lines = SplitLines(view.comment);
                if (lines.size() > 1 && lines.back().empty())
                    lines.pop_back();
            }
            paintText(c, d.comment, w, h, lines);
        });
    if (d.heading.visible)
        withControl(c, ControlBounds(d.heading.control), [&](int w, int h) {
            const bool group = d.heading.allowChange && !view.groupCaption.empty();
            paintText(c, d.heading, w, h, group ? SplitLines(view.groupCaption) : textLines(d.heading.text));
        });
    for (std::size_t i = 0; i < project.buttons.size() && i < pictures.buttons.size(); ++i) {
        if (!project.buttons[i].visible)
            continue;
        const int state = i < view.buttonStates.size() ? view.buttonStates[i] : MenuView::Normal;
        paintPicButton(c, project.buttons[i], pictures.buttons[i], state);
    }
}

int MenuItemAt(Canvas &c, const rules::Project &project, const MenuPictures &pictures, const MenuView &view, int x,
               int y)
{
    const rules::TextBox &menu = project.design.menu;
    if (!menu.visible)
        return -1;
    const rules::Rect b = rules::ControlRect(menu.control);
    rules::MenuLook look = rules::MenuLookOf(menu, sizeOf(pictures.style[0]));
    look.width = b.width;
    look.height = b.height;
    std::vector<std::u16string> texts;
    for (const std::wstring &line : view.menuLines)
        texts.push_back(utf16(line));
    const std::vector<std::u16string_view> views(texts.begin(), texts.end());
    return rules::ItemAt(CanvasMetrics(c, menu.font), look, views, (long long)x - b.left, (long long)y - b.top);
}

} // namespace player
