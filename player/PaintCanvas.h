#pragma once

#include "rules/BmpDecoder.h"
#include "rules/ProjectModel.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace player {

// A picture's pixels, top row first, 0x00RRGGBB.
using Pixels = rules::BmpPixels;

// The pixels of a picture's BMP bytes, read by the editor's decoder; a picture
// it refuses (or one too large to hold) is empty, and reason, if given, says why.
Pixels PictureOf(const std::vector<std::uint8_t> &bytes, std::string *reason = nullptr);

// "элемент «place»: reason" (in the player's words for the editor's reason)
// for every picture of the project that is not empty and does not read: the
// reader refuses a file with a picture the editor refuses, so these are
// pictures too large for the player to hold (the menu shows without them).
std::vector<std::string> RefusedPictures(const rules::Project &project);

// The colour a stored value paints in, 0x00RRGGBB; system colours are those
// the editor's design window shows. False for "no colour".
bool ResolveColor(std::int32_t value, std::uint32_t &rgb);

// A 32-bit off-screen surface with a GDI device context: everything the menu
// window shows is composed here, then shown or written at once.
class Canvas
{
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    std::uint32_t *bits() const { return m_bits; }

    // Clipping to a control's bounds, in canvas coordinates; origin for drawing.
    void setClip(const RECT &clip, int originX, int originY);
    void clearClip();

    void fill(int x, int y, int w, int h, std::uint32_t rgb);
    // Nearest-pixel scaling by the shared rule; with a key, pixels of that colour are not drawn.
    void drawPixels(const Pixels &picture, int x, int y, int w, int h, bool keyed, std::uint32_t key);

    // Text measured and drawn in one font: the face, height, style and
    // character set of the project's font.
    int textWidth(const rules::Font &font, const std::wstring &text);
    // Widths of the text's first 1, 2, ... characters.
    std::vector<int> prefixWidths(const rules::Font &font, const std::wstring &text);
    int cellHeight(const rules::Font &font);
    int charHeight(const rules::Font &font);
    void drawText(const rules::Font &font, const std::wstring &text, int x, int y, std::uint32_t rgb);

    // Cells of the text drawn so far, in canvas coordinates (for comparisons),
    // and the runs of text seen in them.
    struct TextRun
    {
        int x = 0;
        int y = 0;
        std::wstring text;
    };
    const std::vector<RECT> &textCells() const { return m_textCells; }
    const std::vector<TextRun> &textRuns() const { return m_textRuns; }

private:
    // A font in the size drawn, and its characters' advances in 1/64 pixel
    // taken from the font's design (as the editor measures them: a text's
    // width is the rounded sum of its characters' unhinted advances).
    struct FontEntry
    {
        HFONT font = nullptr;
        HFONT design = nullptr;
        int em = 0;
        int pixels = 0;
        std::map<wchar_t, long long> advances;
    };
    FontEntry &entryFor(const rules::Font &font);
    HFONT fontFor(const rules::Font &font) { return entryFor(font).font; }
    long long advance64(FontEntry &entry, wchar_t c);

    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    std::uint32_t *m_bits = nullptr;
    RECT m_clip{};
    bool m_clipped = false;
    int m_originX = 0;
    int m_originY = 0;
    std::map<std::string, FontEntry> m_fonts;
    std::vector<RECT> m_textCells;
    std::vector<TextRun> m_textRuns;
};

std::wstring Widen(const std::string &utf8);

} // namespace player
