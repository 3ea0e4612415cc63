#pragma once

#include <string_view>
#include <vector>

// The fonts of the player's machines and the free families this computer
// shows them with. The editor and the picture it renders use this table, and
// so does the Wine prefix of the player's tests.
namespace rules {

struct FontTwin
{
    std::string_view windowsName;
    std::string_view freeName;
    // True: the free family has the same advance widths and heights, so rows
    // break and fit as they will on Windows. False: only the nearest face.
    bool sameMetrics;
    // The free family has Cyrillic letters (the menus' texts are Russian);
    // without them every Russian letter comes from yet another family.
    bool cyrillic;
};

const std::vector<FontTwin> &FontTwins();

// The entry for a Windows family (ASCII letters compared without regard to
// case, as Windows compares face names), or null.
const FontTwin *FindFontTwin(std::string_view windowsName);

// Whether Russian text in this family is laid out here as on Windows: it
// has a twin of the same metrics with Cyrillic letters.
bool HasMetricTwin(std::string_view family);

} // namespace rules
