#include "FreshDesign.h"

#include <windows.h>

namespace player {

std::string_view FreshDesign()
{
    HRSRC found = FindResourceW(nullptr, L"FRESHDESIGN", MAKEINTRESOURCEW(10));   // RT_RCDATA
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return std::string_view(static_cast<const char *>(bytes), SizeofResource(nullptr, found));
}

} // namespace player
