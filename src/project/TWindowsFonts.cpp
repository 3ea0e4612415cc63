#include "project/TWindowsFonts.h"

#include <algorithm>
#include <iterator>

namespace {

// The families every Windows from 7 to 11 installs, whatever its language:
// the TrueType fonts of all of them and the old raster fonts they keep.
const char16_t *const kEverywhere[] = {
    u"Arial", u"Arial Black", u"Calibri", u"Cambria", u"Cambria Math", u"Candara", u"Comic Sans MS",
    u"Consolas", u"Constantia", u"Corbel", u"Courier New", u"Ebrima", u"Franklin Gothic Medium", u"Gabriola",
    u"Georgia", u"Impact", u"Lucida Console", u"Lucida Sans Unicode", u"Malgun Gothic", u"Marlett",
    u"Microsoft Himalaya", u"Microsoft JhengHei", u"Microsoft New Tai Lue", u"Microsoft PhagsPa",
    u"Microsoft Sans Serif", u"Microsoft Tai Le", u"Microsoft YaHei", u"Microsoft Yi Baiti", u"MingLiU-ExtB",
    u"Mongolian Baiti", u"MS Gothic", u"MV Boli", u"Palatino Linotype", u"Segoe Print", u"Segoe Script",
    u"Segoe UI", u"Segoe UI Light", u"Segoe UI Semibold", u"Segoe UI Symbol", u"SimSun", u"Sylfaen",
    u"Symbol", u"Tahoma", u"Times New Roman", u"Trebuchet MS", u"Verdana", u"Webdings", u"Wingdings",
    // Raster and vector fonts of the system itself.
    u"MS Sans Serif", u"MS Serif", u"Courier", u"System", u"Fixedsys", u"Terminal", u"Small Fonts",
    u"Modern", u"Roman", u"Script",
    // The dialog font aliases every Windows resolves to one of its own fonts.
    u"MS Shell Dlg", u"MS Shell Dlg 2",
};

// Families whose characters are pictures, not letters.
const char16_t *const kSymbol[] = {
    u"Marlett", u"Symbol", u"Webdings", u"Wingdings", u"Wingdings 2", u"Wingdings 3", u"MT Extra",
    u"Segoe MDL2 Assets", u"Segoe Fluent Icons", u"Bookshelf Symbol 7",
};

// Families of every Windows that hold no Cyrillic letters: those made for
// other scripts, and the old vector fonts.
const char16_t *const kWithoutCyrillic[] = {
    u"Ebrima", u"Microsoft Himalaya", u"Microsoft New Tai Lue", u"Microsoft PhagsPa", u"Microsoft Tai Le",
    u"Microsoft Yi Baiti", u"Mongolian Baiti", u"MV Boli", u"MingLiU-ExtB", u"Modern", u"Roman", u"Script",
};

template <std::size_t N>
bool Listed(const char16_t *const (&list)[N], QStringView family)
{
    const QStringView name = family.trimmed();
    return std::any_of(std::begin(list), std::end(list), [name](const char16_t *known) {
        return name.compare(QStringView(known), Qt::CaseInsensitive) == 0;
    });
}

} // namespace

namespace TWindowsFonts {

bool IsShippedEverywhere(QStringView family)
{
    return Listed(kEverywhere, family);
}

bool IsSymbolFont(QStringView family)
{
    return Listed(kSymbol, family);
}

bool HasCyrillic(QStringView family)
{
    return !Listed(kSymbol, family) && !Listed(kWithoutCyrillic, family);
}

QString WithoutFoundry(const QString &family)
{
    const QString name = family.trimmed();
    const qsizetype open = name.lastIndexOf(u'[');
    if (open > 0 && name.endsWith(u']'))
        return name.left(open).trimmed();
    return name;
}

} // namespace TWindowsFonts
