#pragma once

#include <string>
#include <string_view>

// How Windows compares file names: without regard to case, by upper-casing
// each UTF-16 unit through its simple upper-case mapping (one unit to one
// unit, as the file systems' upcase tables do), never by full case folding.
// So "ſ" meets "s" ("ſtraße.exe" is "STRAßE.EXE", the "ß" staying), while the
// Kelvin sign, an upper-case letter already, stays apart from "K" and "k".
// Every part of the editor that decides whether two names are the same file
// compares them through these functions.
namespace rules {

// The unit Windows compares c as.
char16_t WindowsUpper(char16_t c);

// A UTF-8 name or path upper-cased unit by unit as above; bytes that are not
// UTF-8 stay as they are.
std::string WindowsUpper(std::string_view utf8);

}   // namespace rules
