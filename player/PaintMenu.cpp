#include "PaintMenu.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

namespace player {

namespace {

using rules::Alignment;

int clampInt(long long v)
{
    return int(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

int constrain(int value, int minimum, int maximum)
{
    if (maximum > 0 && value > maximum)
        value = maximum;
    if (minimum > 0 && value < minimum)
        value = minimum;
    return std::max(value, 0);
}

const Pixels &forState(const std::vector<Pixels> &set, int state)
{
    if (state == MenuView::Selected && !set[1].empty())
        return set[1];
    if (state == MenuView::Pressed && !set[2].empty())
        return set[2];
    return set[0];
}

void drawBevel(Canvas &c, int x, int y, int w, int h, bool sunken)
{
    std::uint32_t light = 0, shadow = 0, dark = 0;
    ResolveColor(std::int32_t(0xFF000014), light);    // button highlight
    ResolveColor(std::int32_t(0xFF000010), shadow);   // button shadow
    ResolveColor(std::int32_t(0xFF000015), dark);     // 3-D dark shadow
    auto leftTop = [&](int l, int t, int r, int b, std::uint32_t rgb) {
        if (r <= l || b <= t)
            return;
        c.fill(l, t, 1, b - t, rgb);
        c.fill(l, t, r - l, 1, rgb);
    };
    auto rightBottom = [&](int l, int t, int r, int b, std::uint32_t rgb) {
        if (r <= l || b <= t)
            return;
        c.fill(r - 1, t, 1, b - t, rgb);
        c.fill(l, b - 1, r - l, 1, rgb);
    };
    const int r = clampInt((long long)x + w), b = clampInt((long long)y + h);
    if (sunken) {
        rightBottom(x, y, r, b, light);
        leftTop(x, y, r - 1, b - 1, dark);
        leftTop(x + 1, y + 1, r - 1, b - 1, shadow);
    } else {
        rightBottom(x, y, r, b, dark);
        leftTop(x, y, r - 1, b - 1, light);
        rightBottom(x + 1, y + 1, r - 1, b - 1, shadow);
    }
}

void drawTextIn(Canvas &c, const rules::Font &font, const std::wstring &text, int x, int y, std::int32_t color)
{
    std::uint32_t rgb = 0;
    if (ResolveColor(color, rgb))
        c.drawText(font, text, x, y, rgb);
}

// The heading, the comment area and the menu area: background and border.
void paintFrame(Canvas &c, const rules::TextBox &box, int w, int h)
{
    std::uint32_t rgb = 0;
    if (ResolveColor(box.color, rgb))
        c.fill(0, 0, w, h, rgb);
    switch (box.borderStyle) {
    case rules::BoxBorder::None: break;
    case rules::BoxBorder::Raised: drawBevel(c, 0, 0, w, h, false); break;
    case rules::BoxBorder::Sunken: drawBevel(c, 0, 0, w, h, true); break;
    case rules::BoxBorder::Line:
        if (w > 0 && h > 0 && ResolveColor(box.borderColor, rgb)) {
            c.fill(0, 0, w, 1, rgb);
            c.fill(0, h - 1, w, 1, rgb);
            c.fill(0, 0, 1, h, rgb);
            c.fill(w - 1, 0, 1, h, rgb);
        }
        break;
    }
}

int shadowExtent(bool shadow, int size)
{
    return shadow ? size : 0;
}

// A text box's rows, with word wrap, row spacing and alignment.
class TextPainter
{
public:
    TextPainter(Canvas &c, const rules::TextBox &box, int w, int h) : m_c(c), m_box(box), m_w(w), m_h(h) {}

    void paint(const std::vector<std::wstring> &lines, bool wordWrap)
    {
        paintFrame(m_c, m_box, m_w, m_h);
        long long y = m_box.rowSpacing;
        int h = 0;
        if (!lines.empty() && lines.front().empty())
            h = rowHeight();
        for (const std::wstring &line : lines) {
            if (line.empty()) {
                y += (long long)h + m_box.rowSpacing;
            } else if (wordWrap) {
                std::size_t pos = 0;
                while (pos < line.size()) {
                    const std::size_t start = pos;
                    const std::size_t length = cutPiece(line, pos);
                    h = drawRow(line.substr(start, length), y);
                    y += (long long)h + m_box.rowSpacing;
                }
            } else {
                h = drawRow(line, y);
                y += (long long)h + m_box.rowSpacing;
            }
            if (y >= m_h)
                break;
        }
    }

private:
    int rowHeight() { return clampInt((long long)m_c.charHeight(m_box.font) + shadowExtent(m_box.shadow, m_box.shadowSize)); }

    int drawRow(const std::wstring &text, long long y)
    {
        const int s = shadowExtent(m_box.shadow, m_box.shadowSize);
        const long long w = (long long)m_c.textWidth(m_box.font, text) + s;
        long long x = 0;
        if (m_box.alignment == Alignment::Right)
            x = m_w - w;
        else if (m_box.alignment == Alignment::Center)
            x = (m_w - w) / 2;
        if (m_box.shadow)
            drawTextIn(m_c, m_box.font, text, clampInt(x + m_box.shadowSize), clampInt(y + m_box.shadowSize),
                       m_box.shadowColor);
        drawTextIn(m_c, m_box.font, text, clampInt(x), clampInt(y), m_box.font.color);
        return rowHeight();
    }

    std::size_t cutPiece(const std::wstring &line, std::size_t &pos)
    {
        const std::wstring rest = line.substr(pos);
        const std::vector<int> widths = m_c.prefixWidths(m_box.font, rest);
        std::size_t length = 1;
        while (length < rest.size() && widths[length - 1] <= m_w)
            ++length;
        if (length < rest.size()) {
            const std::size_t lastSpace = rest.substr(0, length).rfind(L' ');
            if (lastSpace != std::wstring::npos) {
                length = lastSpace + 1;
            } else {
                const std::size_t firstSpace = rest.find(L' ');
                length = firstSpace == std::wstring::npos ? rest.size() : firstSpace;
            }
        }
        pos += length;
        while (pos < line.size() && line[pos] == L' ')
            ++pos;
        return length;
    }

    Canvas &m_c;
    const rules::TextBox &m_box;
    int m_w;
    int m_h;
};

// The menu area: a grid of buttons in the style of its button look.
class MenuPainter
{
public:
    MenuPainter(Canvas &c, const rules::TextBox &box, const Pixels *style, int w, int h)
        : m_c(c), m_box(box), m_bs(box.buttonStyle), m_style(style), m_w(w), m_h(h)
    {
    }

    struct Grid
    {
        int rows = 1;
        int cols = 1;
        int columnWidth = 0;
    };

    Grid grid(int count)
    {
        Grid g;
        m_columnWidth = m_w;
        const long long pitch = (long long)size(L"qb").cy + m_box.rowSpacing;
        g.rows = pitch > 0 ? int(std::max<long long>(m_h / pitch, 1)) : 1;
        const int columns = std::clamp(m_box.columns, 1, 4);
        g.cols = m_box.autoColumns ? std::max(count - 1, 0) / g.rows + 1 : columns;
        g.columnWidth = m_w / g.cols;
        m_columnWidth = g.columnWidth;
        return g;
    }

    RECT itemRect(const Grid &g, int index, const std::wstring &text)
    {
        int row, col;
        if (m_box.horizAlloc) {
            col = index % g.cols;
            row = index / g.cols;
        } else {
            row = index % g.rows;
            col = index / g.rows;
        }
        const SIZE sz = size(text);
        const long long y = (long long)row * ((long long)sz.cy + m_box.rowSpacing);
        long long x = 0;
        switch (m_box.alignment) {
        case Alignment::Left: x = (long long)col * g.columnWidth; break;
        case Alignment::Right: x = ((long long)col + 1) * g.columnWidth - sz.cx; break;
        case Alignment::Center: x = (long long)col * g.columnWidth + ((long long)g.columnWidth - sz.cx) / 2; break;
        }
        return RECT{clampInt(x), clampInt(y), clampInt(x + sz.cx), clampInt(y + sz.cy)};
    }

    void paint(const MenuView &view)
    {
        paintFrame(m_c, m_box, m_w, m_h);
        const int count = int(std::min<std::size_t>(view.menuLines.size(), INT_MAX));
        const Grid g = grid(count);
        for (int i = 0; i < count; ++i) {
            const RECT r = itemRect(g, i, view.menuLines[std::size_t(i)]);
            const bool pressed = i == view.pressed;
            drawButton(r.left, r.top, pressed || i == view.selected, view.menuLines[std::size_t(i)], pressed);
        }
    }

private:
    SIZE size(const std::wstring &text)
    {
        const int s = shadowExtent(m_box.shadow, m_box.shadowSize);
        long long width, height;
        if (m_bs.autoSize) {
            width = (long long)m_c.textWidth(m_box.font, text) + s + m_bs.padHorizontal;
            height = (long long)m_c.cellHeight(m_box.font) + s + m_bs.padVertical;
            if (m_bs.style == rules::ButtonStyleKind::Skinned) {
                width = std::max<long long>(width, m_style[0].width);
                height = std::max<long long>(height, m_style[0].height);
            }
        } else {
            width = m_bs.width;
            height = m_bs.height;
        }
        return SIZE{clampInt(std::min<long long>(width, m_columnWidth)), clampInt(height)};
    }

    std::wstring shortened(const std::wstring &text, int buttonWidth, int &drawnWidth)
    {
        const int s = shadowExtent(m_box.shadow, m_box.shadowSize);
        const long long limit = (long long)buttonWidth - m_bs.padHorizontal;
        const long long tw = (long long)m_c.textWidth(m_box.font, text) + s;
        if (tw <= limit || text.empty()) {
            drawnWidth = clampInt(tw);
            return text;
        }
        auto widthOf = [&](std::size_t n) { return (long long)m_c.textWidth(m_box.font, text.substr(0, n) + L"...") + s; };
        std::size_t low = 0, high = text.size() - 1;
        long long lowWidth = -1;
        while (low < high) {
            const std::size_t mid = (low + high + 1) / 2;
            const long long w = widthOf(mid);
            if (w <= limit) {
                low = mid;
                lowWidth = w;
            } else {
                high = mid - 1;
            }
        }
        drawnWidth = clampInt(lowWidth >= 0 ? lowWidth : widthOf(low));
        return text.substr(0, low) + L"...";
    }

    void drawButton(int x, int y, bool selected, const std::wstring &text, bool pressed)
    {
        const SIZE sz = size(text);
        const int bw = sz.cx, bh = sz.cy;
        switch (m_bs.style) {
        case rules::ButtonStyleKind::Text: break;
        case rules::ButtonStyleKind::Button: {
            std::uint32_t rgb = 0;
            if (ResolveColor(m_bs.color, rgb))
                m_c.fill(x, y, bw, bh, rgb);
            drawBevel(m_c, x, y, bw, bh, pressed);
            break;
        }
        case rules::ButtonStyleKind::Skinned: {
            const Pixels &p = pressed ? (m_style[2].empty() ? m_style[0] : m_style[2])
                              : selected ? (m_style[1].empty() ? m_style[0] : m_style[1])
                                         : m_style[0];
            m_c.drawPixels(p, x, y, p.width, p.height, false, 0);
            break;
        }
        }
        const int s = shadowExtent(m_box.shadow, m_box.shadowSize);
        const long long th = (long long)m_c.cellHeight(m_box.font) + s;
        int tw = 0;
        const std::wstring drawn = shortened(text, bw, tw);
        long long dx = 0;
        switch (m_bs.alignment) {
        case Alignment::Left: dx = m_bs.padHorizontal; break;
        case Alignment::Right: dx = (long long)bw - m_bs.padHorizontal - tw; break;
        case Alignment::Center: dx = ((long long)bw - tw) / 2; break;
        }
        const long long ty = (long long)y + m_bs.padVertical + ((long long)bh - th) / 2;
        if (m_box.shadow)
            drawTextIn(m_c, m_box.font, drawn, clampInt(x + dx + m_box.shadowSize), clampInt(ty + m_box.shadowSize),
                       m_box.shadowColor);
        drawTextIn(m_c, m_box.font, drawn, clampInt(x + dx), clampInt(ty),
                   selected ? m_box.colorSelected : m_box.font.color);
    }

    Canvas &m_c;
    const rules::TextBox &m_box;
    const rules::ButtonStyle &m_bs;
    const Pixels *m_style;
    int m_w;
    int m_h;
    int m_columnWidth = 0;
};

// Where a picture lands inside its control.
RECT destRect(int w, int h, int cw, int ch, bool stretch, bool proportional, bool center)
{
    if (stretch || (proportional && (w > cw || h > ch))) {
        if (proportional && w > 0 && h > 0) {
            const double a = double(w) / double(h);
            if (w > h) {
                w = cw;
                h = int(std::trunc(cw / a));
                if (h > ch) {
                    h = ch;
                    w = int(std::trunc(ch * a));
                }
            } else {
                h = ch;
                w = int(std::trunc(ch * a));
                if (w > cw) {
                    w = cw;
                    h = int(std::trunc(cw / a));
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    RECT r{0, 0, w, h};
    if (center)
        OffsetRect(&r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void paintPicture(Canvas &c, const Pixels &p, int cw, int ch, bool stretch, bool proportional, bool center,
                  bool transparent)
{
    if (p.empty())
        return;
    const RECT d = destRect(p.width, p.height, cw, ch, stretch, proportional, center);
    const std::uint32_t key = p.px[std::size_t(p.height - 1) * std::size_t(p.width)];
    c.drawPixels(p, d.left, d.top, d.right - d.left, d.bottom - d.top, transparent, key);
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

} // namespace

std::vector<std::wstring> SplitLines(const std::wstring &text)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
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
    const int w = constrain(control.width, control.minWidth, control.maxWidth);
    const int h = constrain(control.height, control.minHeight, control.maxHeight);
    return RECT{control.left, control.top, clampInt((long long)control.left + w), clampInt((long long)control.top + h)};
}

RECT PicButtonBounds(const rules::PicButton &button, const std::vector<Pixels> &pictures, int state)
{
    rules::Control control = button.control;
    const Pixels &p = forState(pictures, state);
    if (button.autoSize && !p.empty()) {
        control.width = p.width;
        control.height = p.height;
    }
    return ControlBounds(control);
}

namespace {

RECT imageBounds(const rules::Image &image, const Pixels &p)
{
    rules::Control control = image.control;
    if (image.autoSize && !p.empty()) {
        control.width = p.width;
        control.height = p.height;
    }
    return ControlBounds(control);
}

void paintPicButton(Canvas &c, const rules::PicButton &b, const std::vector<Pixels> &set, int state)
{
    const RECT r = PicButtonBounds(b, set, state);
    withControl(c, r, [&](int w, int h) {
        paintPicture(c, forState(set, state), w, h, b.stretch, b.proportional, b.center, b.transparent);
        if (!b.showCaption || b.caption.empty())
            return;
        const std::wstring caption = Widen(b.caption);
        const int s = shadowExtent(b.shadow, b.shadowSize);
        const long long tw = (long long)c.textWidth(b.font, caption) + s;
        const long long th = (long long)c.cellHeight(b.font) + s;
        long long x = 0;
        switch (b.alignment) {
        case Alignment::Left: x = b.padHorizontal; break;
        case Alignment::Right: x = (long long)w - b.padHorizontal - tw; break;
        case Alignment::Center: x = ((long long)w - tw) / 2; break;
        }
        const long long y = ((long long)h - th) / 2 + b.padVertical;
        if (b.shadow)
            drawTextIn(c, b.font, caption, clampInt(x + b.shadowSize), clampInt(y + b.shadowSize), b.shadowColor);
        const bool hot = state == MenuView::Selected && b.colorSelected != rules::kColorNone;
        drawTextIn(c, b.font, caption, clampInt(x), clampInt(y), hot ? b.colorSelected : b.font.color);
    });
}

} // namespace

void PaintMenu(Canvas &c, const rules::Project &project, const MenuPictures &pictures, const MenuView &view)
{
    const rules::Design &d = project.design;
    paintBackground(c, project, pictures);
    if (d.background.visible)
        withControl(c, RECT{0, 0, c.width(), c.height()}, [&](int w, int h) {
            paintPicture(c, pictures.background, w, h, d.background.stretch, d.background.proportional,
                         d.background.center, d.background.transparent);
        });
    if (d.theme.visible)
        withControl(c, imageBounds(d.theme, pictures.theme), [&](int w, int h) {
            paintPicture(c, pictures.theme, w, h, d.theme.stretch, d.theme.proportional, d.theme.center,
                         d.theme.transparent);
        });
    if (d.menu.visible)
        withControl(c, ControlBounds(d.menu.control), [&](int w, int h) {
            MenuPainter(c, d.menu, pictures.style, w, h).paint(view);
        });
    if (d.comment.visible)
        withControl(c, ControlBounds(d.comment.control), [&](int w, int h) {
            std::vector<std::wstring> lines;
            if (!view.comment.empty()) {
                lines = SplitLines(view.comment);
                if (lines.size() > 1 && lines.back().empty())
                    lines.pop_back();
            }
            TextPainter(c, d.comment, w, h).paint(lines, true);
        });
    if (d.heading.visible)
        withControl(c, ControlBounds(d.heading.control), [&](int w, int h) {
            const bool group = d.heading.allowChange && !view.groupCaption.empty();
            const std::vector<std::wstring> lines = group ? SplitLines(view.groupCaption) : textLines(d.heading.text);
            TextPainter(c, d.heading, w, h).paint(lines, true);
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
    const RECT b = ControlBounds(menu.control);
    MenuPainter painter(c, menu, pictures.style, b.right - b.left, b.bottom - b.top);
    const int count = int(std::min<std::size_t>(view.menuLines.size(), INT_MAX));
    const MenuPainter::Grid g = painter.grid(count);
    const POINT pt{x - b.left, y - b.top};
    for (int i = 0; i < count; ++i) {
        const RECT r = painter.itemRect(g, i, view.menuLines[std::size_t(i)]);
        if (PtInRect(&r, pt))
            return i;
    }
    return -1;
}

} // namespace player
