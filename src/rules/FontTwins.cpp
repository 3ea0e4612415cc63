#include "rules/FontTwins.h"

namespace rules {

const std::vector<FontTwin> &FontTwins()
{
    static const std::vector<FontTwin> kTwins = {
        {"Arial", "Liberation Sans", true, true},
        {"Times New Roman", "Liberation Serif", true, true},
        {"Courier New", "Liberation Mono", true, true},
        {"Calibri", "Carlito", true, true},
        {"Cambria", "Caladea", true, false},
        // Without a twin of the same metrics, the nearest free face.
        {"Tahoma", "DejaVu Sans", false, true},
        {"Verdana", "DejaVu Sans", false, true},
        {"MS Sans Serif", "DejaVu Sans", false, true},
        {"Segoe UI", "DejaVu Sans", false, true},
        {"Trebuchet MS", "DejaVu Sans", false, true},
        {"Georgia", "DejaVu Serif", false, true},
        {"Comic Sans MS", "DejaVu Sans", false, true},
    };
    return kTwins;
}

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace

const FontTwin *FindFontTwin(std::string_view windowsName)
{
    for (const FontTwin &twin : FontTwins())
        if (sameName(twin.windowsName, windowsName))
            return &twin;
    return nullptr;
}

bool HasMetricTwin(std::string_view family)
{
    const FontTwin *twin = FindFontTwin(family);
    return twin && twin->sameMetrics && twin->cyrillic;
}

} // namespace rules
