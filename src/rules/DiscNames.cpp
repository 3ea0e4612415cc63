#include "rules/DiscNames.h"

#include <array>

namespace rules {

namespace {

// Each character that a name may not hold as it is, and what it breaks.
struct CharRule
{
    char16_t c;
    unsigned problems;
};

const CharRule kChars[] = {
    {u'<', npWindowsChar},
    {u'>', npWindowsChar},
    {u'"', npWindowsChar},
    {u'|', npWindowsChar},
    {u':', npWindowsChar | npJolietChar},
    {u'?', npWindowsChar | npJolietChar},
    {u'*', npWindowsChar | npJolietChar},
    {u'\\', npWindowsChar | npJolietChar},
    {u';', npJolietChar},
};
// Control characters, U+0000 to U+001F, break both.
constexpr char16_t kFirstPrintable = 0x20;

const char16_t *const kDevices[] = {u"CON", u"PRN", u"AUX", u"NUL"};
const char16_t *const kNumberedDevices[] = {u"COM", u"LPT"};

char16_t AsciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
}

bool SameLetters(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != b[i])
            return false;
    }
    return true;
}

bool IsDevice(std::u16string_view name)
{
    std::u16string_view stem = name.substr(0, name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ')
        stem.remove_suffix(1);
    for (const char16_t *device : kDevices) {
        if (SameLetters(stem, device))
            return true;
    }
    if (stem.size() != 4 || stem[3] < u'1' || stem[3] > u'9')
        return false;
    for (const char16_t *device : kNumberedDevices) {
        if (SameLetters(stem.substr(0, 3), device))
            return true;
    }
    return false;
}

}   // namespace

unsigned NameProblems(std::u16string_view name)
{
    // The rules of the ASCII characters, looked up by code.
    static const std::array<unsigned char, 0x80> kAscii = [] {
        std::array<unsigned char, 0x80> t{};
        for (char16_t c = 0; c < kFirstPrintable; ++c)
            t[c] = npWindowsChar | npJolietChar;
        for (const CharRule &rule : kChars)
            t[rule.c] = static_cast<unsigned char>(rule.problems);
        return t;
    }();
    unsigned problems = 0;
    for (const char16_t c : name) {
        if (c < kAscii.size())
            problems |= kAscii[c];
    }
    if (IsDevice(name))
        problems |= npDeviceName;
    if (!name.empty() && (name.back() == u'.' || name.back() == u' '))
        problems |= npTrailingDotOrBlank;
    if (name.size() > kMaxJolietName)
        problems |= npLongName;
    return problems;
}

unsigned PathProblems(std::size_t length)
{
    return (length > kMaxJolietPath ? npJolietPath : 0u) | (length > kMaxWindowsPath ? npWindowsPath : 0u);
}

unsigned SizeProblems(std::int64_t bytes)
{
    return bytes > kMaxImageFile ? npHugeFile : 0u;
}

}   // namespace rules
