#pragma once

#include "rules/ProjectModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads a project file's bytes into the model by the editor's rules: commands
// under "root" (the element's name gives the kind, anything else is a group;
// only groups' children are read; "id" and "hidden" must stand and convert),
// the options, the design's elements and the stand-alone buttons. Every
// attribute the editor requires must stand and convert; a failure throws
// ReadError naming the line, the element, the attribute and its value.
namespace rules {

// freshDesign: the design file of a new project (its design's elements and
// stand-alone buttons), which a file without any design element takes, as
// the editor gives such a file a new project's design. Empty: such a file
// keeps the model's defaults and has no buttons.
Project ReadProject(std::string_view bytes, std::string_view freshDesign = {});

// Attribute texts as the editor converts them.
// [blanks][+|-]digits[blanks] within -2^31 .. 2^32-1, taken as 32 bits.
std::optional<std::int32_t> AttrToInt(std::string_view text);
// "true"/"false" in any letter case, else a number: 0 false, any other true.
std::optional<bool> AttrToBool(std::string_view text);

} // namespace rules
