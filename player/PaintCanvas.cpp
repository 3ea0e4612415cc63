#include "PaintCanvas.h"

#include "rules/PicturePlacement.h"
#include "rules/ReadReasons.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <new>
#include <stdexcept>

namespace player {

namespace {

constexpr std::int32_t kNone = 0x1FFFFFFF;
constexpr std::int32_t kDefault = 0x20000000;
constexpr int kMaxFontPixels = 4096;
constexpr int kDefaultFontPixels = 13;
constexpr int kFar = 1 << 24;

// The design window's system colours (its toolkit's standard palette), so
// that a menu looks the same in the editor and on any visitor's machine.
constexpr std::uint32_t kButton = 0xEFEFEF, kDark = 0x9F9F9F, kHighlight = 0x308CC6, kMid = 0xB8B8B8,
                        kWindow = 0xEFEFEF, kBase = 0xFFFFFF, kShadow = 0x767676, kBlack = 0x000000,
                        kWhite = 0xFFFFFF, kLight = 0xFFFFFF, kMidlight = 0xCACACA, kGrayText = 0xBEBEBE,
                        kToolTipBase = 0xFFFFDC, kLink = 0x0000FF;
constexpr std::uint32_t kSystem[] = {
    kButton, kDark, kHighlight, kMid, kWindow, kBase, kShadow, kBlack, kBlack, kWhite,
    kButton, kButton, kMid, kHighlight, kWhite, kButton, kDark, kGrayText, kBlack, kBlack,
    kLight, kShadow, kMidlight, kBlack, kToolTipBase, kButton, kLink, kHighlight, kMid, kHighlight,
    kWindow};

std::uint32_t rgbOf(std::int32_t bgr)
{
    const auto v = std::uint32_t(bgr);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

std::string fontKey(const rules::Font &f)
{
    return f.name + '|' + std::to_string(f.height) + '|' + std::to_string(int(f.style)) + '|'
        + std::to_string(int(f.charset));
}

} // namespace

std::wstring Widen(const std::string &utf8)
{
    if (utf8.empty() || utf8.size() > INT_MAX)
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(std::max(n, 0)), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

bool ResolveColor(std::int32_t value, std::uint32_t &rgb)
{
    if (value == kNone)
        return false;
    if (value == kDefault) {
        rgb = kWindow;
        return true;
    }
    if (value < 0) {
        const unsigned index = unsigned(value) & 0xFFu;
        rgb = index < sizeof kSystem / sizeof kSystem[0] ? kSystem[index] : kButton;
        return true;
    }
    rgb = rgbOf(value);
    return true;
}

Pixels PictureOf(const std::vector<std::uint8_t> &bytes, std::string *reason)
{
    if (bytes.empty())
        return {};
    try {
        Pixels p = rules::DecodeBmp(bytes);
        for (std::uint32_t &px : p.px)
            px &= 0xFFFFFFu;
        return p;
    } catch (const std::bad_alloc &) {
        if (reason)
            *reason = "картинка слишком велика";
    } catch (const std::exception &e) {
        if (reason)
            *reason = e.what();
    }
    return {};
}

std::vector<std::string> RefusedPictures(const rules::Project &project)
{
    std::vector<std::string> out;
    auto check = [&out](const std::vector<std::uint8_t> &bytes, const std::string &place) {
        std::string reason;
        if (PictureOf(bytes, &reason).empty() && !reason.empty())
            out.push_back(rules::RussianFailure(0, place, "", std::nullopt, reason));
    };
    auto checkSet = [&check](const rules::PictureSet &set, const std::string &path) {
        check(set.normal, path + "/default");
        check(set.selected, path + "/selected");
        check(set.pressed, path + "/pressed");
    };
    const rules::Design &d = project.design;
    check(d.background.picture, "background/source");
    check(d.theme.picture, "theme/source");
    checkSet(d.menu.buttonStyle.pictures, "menubox/buttonstyle");
    for (std::size_t i = 0; i < project.buttons.size(); ++i)
        checkSet(project.buttons[i].pictures, "button[" + std::to_string(i + 1) + "]");
    return out;
}

Canvas::Canvas(int width, int height) : m_width(std::max(width, 1)), m_height(std::max(height, 1))
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = m_width;
    bi.bmiHeader.biHeight = -m_height;   // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_bitmap) {
        m_width = m_height = 0;
        return;
    }
    m_bits = static_cast<std::uint32_t *>(bits);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    std::fill(m_bits, m_bits + std::size_t(m_width) * m_height, 0u);
    SetBkMode(m_dc, TRANSPARENT);
    SetTextAlign(m_dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
}

Canvas::~Canvas()
{
    if (m_oldBitmap)
        SelectObject(m_dc, m_oldBitmap);
    for (auto &entry : m_fonts) {
        DeleteObject(entry.second.font);
        if (entry.second.design)
            DeleteObject(entry.second.design);
    }
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_dc)
        DeleteDC(m_dc);
}

void Canvas::setClip(const RECT &clip, int originX, int originY)
{
    m_clip = {std::max<LONG>(clip.left, 0), std::max<LONG>(clip.top, 0), std::min<LONG>(clip.right, m_width),
              std::min<LONG>(clip.bottom, m_height)};
    m_clipped = true;
    m_originX = originX;
    m_originY = originY;
    HRGN region = CreateRectRgn(m_clip.left, m_clip.top, std::max(m_clip.left, m_clip.right),
                                std::max(m_clip.top, m_clip.bottom));
    SelectClipRgn(m_dc, region);
    DeleteObject(region);
}

void Canvas::clearClip()
{
    m_clipped = false;
    m_originX = m_originY = 0;
    SelectClipRgn(m_dc, nullptr);
}

void Canvas::fill(int x, int y, int w, int h, std::uint32_t rgb)
{
    if (!m_bits || w <= 0 || h <= 0)
        return;
    GdiFlush();
    const RECT bounds = m_clipped ? m_clip : RECT{0, 0, m_width, m_height};
    const long long left = std::max<long long>((long long)x + m_originX, bounds.left);
    const long long top = std::max<long long>((long long)y + m_originY, bounds.top);
    const long long right = std::min<long long>((long long)x + m_originX + w, bounds.right);
    const long long bottom = std::min<long long>((long long)y + m_originY + h, bounds.bottom);
    for (long long row = top; row < bottom; ++row)
        std::fill(m_bits + row * m_width + left, m_bits + row * m_width + std::max(left, right), rgb);
}

void Canvas::drawPixels(const Pixels &picture, int x, int y, int w, int h, bool keyed, std::uint32_t key)
{
    if (!m_bits || picture.empty() || w <= 0 || h <= 0)
        return;
    GdiFlush();
    const RECT bounds = m_clipped ? m_clip : RECT{0, 0, m_width, m_height};
    const long long x0 = (long long)x + m_originX;
    const long long y0 = (long long)y + m_originY;
    const long long left = std::max<long long>(x0, bounds.left);
    const long long top = std::max<long long>(y0, bounds.top);
    const long long right = std::min<long long>(x0 + w, bounds.right);
    const long long bottom = std::min<long long>(y0 + h, bounds.bottom);
    const rules::PixelSampler across(picture.width, w);
    const rules::PixelSampler down(picture.height, h);
    for (long long row = top; row < bottom; ++row) {
        const std::uint32_t *src = picture.px.data() + (long long)down.At(row - y0) * picture.width;
        std::uint32_t *dst = m_bits + row * m_width;
        for (long long col = left; col < right; ++col) {
            const std::uint32_t p = src[across.At(col - x0)];
            if (!keyed || p != key)
                dst[col] = p;
        }
    }
}

Canvas::FontEntry &Canvas::entryFor(const rules::Font &font)
{
    const std::string key = fontKey(font);
    const auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return found->second;
    int height = -kDefaultFontPixels;
    if (font.height < 0)
        height = font.height < -kMaxFontPixels ? -kMaxFontPixels : font.height;
    else if (font.height > 0)
        height = std::min(font.height, kMaxFontPixels);
    const std::wstring face = Widen(font.name).substr(0, LF_FACESIZE - 1);
    auto make = [&](int h) {
        return CreateFontW(h, 0, 0, 0, (font.style & rules::fsBold) ? FW_BOLD : FW_NORMAL,
                           (font.style & rules::fsItalic) != 0, (font.style & rules::fsUnderline) != 0,
                           (font.style & rules::fsStrikeOut) != 0, font.charset, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                           ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    };
    FontEntry entry;
    entry.font = make(height);
    if (!entry.font)
        entry.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectObject(m_dc, entry.font);
    TEXTMETRICW tm{};
    GetTextMetricsW(m_dc, &tm);
    entry.pixels = height < 0 ? -height : std::max<int>(1, tm.tmHeight - tm.tmInternalLeading);
    OUTLINETEXTMETRICW otm{};
    otm.otmSize = sizeof otm;
    if (GetOutlineTextMetricsW(m_dc, sizeof otm, &otm) && otm.otmEMSquare > 0) {
        entry.em = int(otm.otmEMSquare);
        entry.design = make(-entry.em);
    }
    return m_fonts.emplace(key, entry).first->second;
}

long long Canvas::advance64(FontEntry &entry, wchar_t c)
{
    const auto found = entry.advances.find(c);
    if (found != entry.advances.end())
        return found->second;
    long long value = 0;
    if (entry.design) {
        SelectObject(m_dc, entry.design);
        INT width = 0;
        if (GetCharWidth32W(m_dc, c, c, &width))
            value = ((long long)width * entry.pixels * 64 + entry.em / 2) / entry.em;
    } else {
        SelectObject(m_dc, entry.font);
        SIZE size{};
        GetTextExtentPoint32W(m_dc, &c, 1, &size);
        value = (long long)size.cx * 64;
    }
    entry.advances.emplace(c, value);
    return value;
}

int Canvas::textWidth(const rules::Font &font, const std::wstring &text)
{
    FontEntry &entry = entryFor(font);
    long long sum = 0;
    for (const wchar_t c : text)
        sum += advance64(entry, c);
    return int(std::min<long long>((sum + 32) / 64, INT_MAX));
}

std::vector<int> Canvas::prefixWidths(const rules::Font &font, const std::wstring &text)
{
    FontEntry &entry = entryFor(font);
    std::vector<int> widths;
    widths.reserve(text.size());
    long long sum = 0;
    for (const wchar_t c : text) {
        sum += advance64(entry, c);
        widths.push_back(int(std::min<long long>((sum + 32) / 64, INT_MAX)));
    }
    return widths;
}

int Canvas::cellHeight(const rules::Font &font)
{
    SelectObject(m_dc, fontFor(font));
    TEXTMETRICW tm{};
    GetTextMetricsW(m_dc, &tm);
    return tm.tmHeight;
}

int Canvas::charHeight(const rules::Font &font)
{
    if (font.height < 0)
        return font.height == INT_MIN ? INT_MAX : -font.height;
    if (font.height == 0)
        return kDefaultFontPixels;
    SelectObject(m_dc, fontFor(font));
    TEXTMETRICW tm{};
    GetTextMetricsW(m_dc, &tm);
    return std::max<int>(1, tm.tmHeight - tm.tmInternalLeading);
}

void Canvas::drawText(const rules::Font &font, const std::wstring &text, int x, int y, std::uint32_t rgb)
{
    if (!m_bits || text.empty() || x < -kFar || x > kFar || y < -kFar || y > kFar)
        return;
    const std::vector<int> ends = prefixWidths(font, text);
    std::vector<INT> dx(ends.size());
    for (std::size_t i = 0; i < ends.size(); ++i)
        dx[i] = ends[i] - (i ? ends[i - 1] : 0);
    SelectObject(m_dc, fontFor(font));
    SetTextColor(m_dc, RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    const int n = int(std::min<std::size_t>(text.size(), INT_MAX));
    const int px = x + m_originX;
    const int py = y + m_originY;
    ExtTextOutW(m_dc, px, py, 0, nullptr, text.c_str(), UINT(n), dx.data());
    RECT cell{px, py, px + ends.back(), py + cellHeight(font)};
    if (m_clipped)
        IntersectRect(&cell, &cell, &m_clip);
    if (cell.right > cell.left && cell.bottom > cell.top) {
        m_textCells.push_back(cell);
        m_textRuns.push_back({px, py, text});
    }
}

} // namespace player
