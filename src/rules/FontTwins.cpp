#include "rules/FontTwins.h"

namespace rules {

const std::vector<FontTwin> &FontTwins()
{
    static const std::vector<FontTwin> kTwins = {
        {"Arial", "Liberation Sans", true},
        {"Times New Roman", "Liberation Serif", true},
        {"Courier New", "Liberation Mono", true},
        {"Calibri", "Carlito", true},
        {"Cambria", "Caladea", true},
        // Without a twin of the same metrics, the nearest free face.
        {"Tahoma", "DejaVu Sans", false},
        {"Verdana", "DejaVu Sans", false},
        {"MS Sans Serif", "DejaVu Sans", false},
        {"Segoe UI", "DejaVu Sans", false},
        {"Trebuchet MS", "DejaVu Sans", false},
        {"Georgia", "DejaVu Serif", false},
        {"Comic Sans MS", "DejaVu Sans", false},
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
    return twin && twin->sameMetrics;
}

} // namespace rules
