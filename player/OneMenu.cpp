#include "OneMenu.h"

#include <cwchar>

namespace player {

namespace {

const wchar_t *const kMenuProperty = L"Velmora.Menu";

struct FoundMenu
{
    DWORD key;
    HWND window;
};

BOOL CALLBACK findMenu(HWND window, LPARAM lp)
{
    auto *found = reinterpret_cast<FoundMenu *>(lp);
    if (DWORD(reinterpret_cast<UINT_PTR>(GetPropW(window, kMenuProperty))) != found->key)
        return TRUE;
    found->window = window;
    return FALSE;
}

} // namespace

DWORD MenuKey(const std::wstring &projectFile)
{
    std::wstring upper = projectFile;
    if (!upper.empty())
        CharUpperBuffW(upper.data(), DWORD(upper.size()));
    DWORD hash = 2166136261u;
    for (const wchar_t c : upper)
        hash = (hash ^ DWORD(c)) * 16777619u;
    return hash ? hash : 1;
}

bool BringRunningMenu(DWORD key, HANDLE &instance)
{
    wchar_t name[64];
    swprintf(name, 64, L"Local\\Velmora.Menu.%08lx", static_cast<unsigned long>(key));
    instance = CreateMutexW(nullptr, FALSE, name);
    if (!instance || GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    // The first start may still be reading its file.
    FoundMenu found{key, nullptr};
    for (int i = 0; i < 100 && !found.window; ++i) {
        EnumWindows(findMenu, reinterpret_cast<LPARAM>(&found));
        if (!found.window)
            Sleep(100);
    }
    if (found.window) {
        if (IsIconic(found.window))
            ShowWindow(found.window, SW_RESTORE);
        SetForegroundWindow(found.window);
    }
    return true;
}

void MarkMenuWindow(HWND window, DWORD key)
{
    SetPropW(window, kMenuProperty, reinterpret_cast<HANDLE>(UINT_PTR(key)));
}

void UnmarkMenuWindow(HWND window)
{
    RemovePropW(window, kMenuProperty);
}

} // namespace player
