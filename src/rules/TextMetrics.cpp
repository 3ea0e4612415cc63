#include "rules/TextMetrics.h"

namespace rules {

std::vector<int> TextMetrics::PrefixWidths(std::u16string_view text, int stopAbove) const
{
    std::vector<int> widths{0};
    for (std::size_t k = 1; k <= text.size(); ++k) {
        const int width = Width(text.substr(0, k));
        widths.push_back(width);
        if (width > stopAbove)
            break;
    }
    return widths;
}

} // namespace rules
