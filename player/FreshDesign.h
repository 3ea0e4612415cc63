#pragma once

#include <string_view>

namespace player {

// The design file of a new project (its design's elements and stand-alone
// buttons with their pictures), which a project file without any design
// takes, as the editor gives it. Built into the program as a resource; empty
// when the program was built without it.
std::string_view FreshDesign();

} // namespace player
