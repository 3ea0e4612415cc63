#include "layout/TPropertyRanges.h"

#include "window/TButtonBox.h"
#include "window/TFont.h"

#include <QHash>
#include <utility>

namespace PropertyRanges {

bool Of(const QString &path, int *min, int *max)
{
    using Range = std::pair<int, int>;
    // A font's size in points whose pixel height the font can still draw.
    constexpr int kMaxFontSize = TFont::kMaxPixelHeight * TFont::kPointsPerInch / TFont::kPixelsPerInch;
    static const QHash<QString, Range> kRanges = {
        {QStringLiteral("Left"), {-kMaxExtent, kMaxExtent}},
        {QStringLiteral("Top"), {-kMaxExtent, kMaxExtent}},
        {QStringLiteral("Width"), {0, kMaxExtent}},
        {QStringLiteral("Height"), {0, kMaxExtent}},
        {QStringLiteral("ClientWidth"), {0, kMaxExtent}},
        {QStringLiteral("ClientHeight"), {0, kMaxExtent}},
        {QStringLiteral("MinWidth"), {0, kMaxExtent}},
        {QStringLiteral("MinHeight"), {0, kMaxExtent}},
        {QStringLiteral("MaxWidth"), {0, kMaxExtent}},
        {QStringLiteral("MaxHeight"), {0, kMaxExtent}},
        {QStringLiteral("AlphaBlendValue"), {0, 255}},
        {QStringLiteral("Columns"), {TButtonBox::kMinColumns, TButtonBox::kMaxColumns}},
        {QStringLiteral("ShadowSize"), {-kMaxShadowOffset, kMaxShadowOffset}},
        {QStringLiteral("RowSpacing"), {kMinRowSpacing, kMaxRowSpacing}},
        {QStringLiteral("PadVertical"), {-kMaxPad, kMaxPad}},
        {QStringLiteral("PadHorizontal"), {-kMaxPad, kMaxPad}},
        {QStringLiteral("Spacing"), {kMinSpacing, kMaxSpacing}},
        // A font stored with a cell height (positive) shows a negative size.
        {QStringLiteral("Size"), {-kMaxFontSize, kMaxFontSize}},
    };
    const auto it = kRanges.constFind(path.section(QLatin1Char('.'), -1));
    if (it == kRanges.constEnd())
        return false;
    *min = it->first;
    *max = it->second;
    return true;
}

bool Clamps(const QString &path)
{
    return path.section(QLatin1Char('.'), -1) == QLatin1StringView("Columns");
}

} // namespace PropertyRanges
