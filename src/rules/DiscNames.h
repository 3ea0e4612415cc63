#pragma once

#include <cstdint>
#include <string_view>

// The names and sizes a disc made of a folder can hold and Windows can open:
// the image is ISO 9660 with Joliet names (what Windows reads), as the
// editor's image program makes it. Each rule stands once, here.
namespace rules {

// What goes wrong with one name (a set of these bits).
enum NameProblem : unsigned {
    // A character Windows forbids in names: < > : " | ? * \ or a control
    // character; no program can open the file by its name.
    npWindowsChar = 1u << 0,
    // A character the Joliet name replaces by "_": ; * : ? \ or a control
    // character; an entry naming the original misses.
    npJolietChar = 1u << 1,
    // A device name, with any extension and blanks before it (CON, PRN, AUX,
    // NUL, COM1-COM9, LPT1-LPT9): Windows opens the device, not the file.
    npDeviceName = 1u << 2,
    // A trailing dot or blank, which Windows drops when it opens a name.
    npTrailingDotOrBlank = 1u << 3,
    // Longer than the kMaxJolietName units a Joliet name holds: it is cut.
    npLongName = 1u << 4,
    // Another name in the same folder differs from it only in letter case
    // (WindowsUpper): Windows reaches one of the two.
    npCaseTwin = 1u << 5,
    // The path is longer than the image's Joliet tree keeps (kMaxJolietPath).
    npJolietPath = 1u << 6,
    // The path is longer than Windows opens (kMaxWindowsPath).
    npWindowsPath = 1u << 7,
    // A file of 4 GiB or more: the image cannot hold it at all.
    npHugeFile = 1u << 8,
};

constexpr std::size_t kMaxJolietName = 64;
// The longest path from the disc's root, in UTF-16 units with its
// separators, that the image keeps in its Joliet tree (240 bytes with the
// leading separator): longer ones are left out of what Windows shows.
constexpr std::size_t kMaxJolietPath = 119;
// The longest path from the root of a drive that Windows opens ("D:\" and
// the path within 259 units).
constexpr std::size_t kMaxWindowsPath = 256;
// The largest file the image holds: 4 GiB less one byte.
constexpr std::int64_t kMaxImageFile = (std::int64_t(1) << 32) - 1;

// The problems of one name (UTF-16, no separators).
unsigned NameProblems(std::u16string_view name);
// The problems of a path from the disc's root of this many UTF-16 units.
unsigned PathProblems(std::size_t length);
// The problems of a file of this many bytes.
unsigned SizeProblems(std::int64_t bytes);

}   // namespace rules
