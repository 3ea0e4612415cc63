#include "Actions.h"

#include "PaintCanvas.h"
#include "rules/ProgramPath.h"

#include <shellapi.h>

#include <algorithm>

namespace player {

namespace {


bool isBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0xA0 || c == 0x3000;
}

std::wstring trimmed(const std::wstring &s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && isBlank(s[a]))
        ++a;
    while (b > a && isBlank(s[b - 1]))
        --b;
    return s.substr(a, b - a);
}

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool fileExists(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isProgram(const std::wstring &path)
{
    const std::size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || path.find_first_of(L"\\/", dot) != std::wstring::npos)
        return false;
    std::wstring ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](wchar_t c) { return wchar_t(towlower(c)); });
    return ext == L".exe" || ext == L".com";
}

} // namespace

void ShowError(HWND owner, const std::wstring &text)
{
    MessageBoxW(owner, text.c_str(), L"Ошибка", MB_OK | MB_ICONERROR);
}

bool AskYesNo(HWND owner, const std::wstring &text)
{
    return MessageBoxW(owner, text.c_str(), L"Подтверждение", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::wstring ResolveProgramPath(const std::string &custom, const rules::Options &options,
                                const std::wstring &playerDir)
{
    // The project file lies beside the player, at the root of its disc.
    const rules::ProgramPath resolved = rules::ResolveProgramPath(custom, rules::BaseFolder(options, std::string()));
    std::wstring path = trimmed(Widen(custom));
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = trimmed(path.substr(1, path.size() - 2));
    std::wstring base = playerDir;
    while (!base.empty() && isSeparator(base.back()))
        base.pop_back();
    switch (resolved.kind) {
    case rules::ProgramPath::Empty: return {};
    case rules::ProgramPath::Absolute: break;
    case rules::ProgramPath::OnDisc: path = base + L'\\' + Widen(resolved.relative); break;
    case rules::ProgramPath::Outside: path = isSeparator(path[0]) ? base + path : base + L'\\' + path; break;
    }
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

bool RunProgram(HWND owner, const rules::Command &command, const rules::Options &options,
                const std::wstring &playerDir)
{
    const std::wstring path = ResolveProgramPath(command.custom, options, playerDir);
    if (path.empty())
        return false;
    if (!fileExists(path)) {
        ShowError(owner, L"Файл не найден:\n" + path);
        return false;
    }
    const std::wstring params = trimmed(Widen(command.params));
    const std::size_t slash = path.find_last_of(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? playerDir : path.substr(0, slash + 1);
    if (!isProgram(path)) {
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", path.c_str(),
                                                                    params.empty() ? nullptr : params.c_str(),
                                                                    folder.c_str(), SW_SHOWNORMAL));
        if (result <= 32)
            ShowError(owner, L"Не удалось открыть файл:\n" + path);
        return result > 32;
    }
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!params.empty())
        commandLine += L" " + params;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi)) {
        ShowError(owner, L"Не удалось запустить программу:\n" + path);
        return false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

void OpenAddress(HWND owner, const std::string &address)
{
    const std::wstring target = trimmed(Widen(address));
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        ShowError(owner, L"Не удалось открыть адрес:\n" + target);
}

void ExploreFolder(HWND owner, const std::wstring &folder)
{
    ShellExecuteW(owner, L"explore", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowAbout(HWND owner, const rules::Options &options)
{
#ifdef BRENWICK_VERSION
    std::wstring text = L"Velmora — меню компакт-диска\nВерсия " + Widen(BRENWICK_VERSION);
#else
    std::wstring text = L"Velmora — меню компакт-диска";
#endif
    std::wstring about;
    for (const std::string &line : options.about)
        about += Widen(line) + L"\n";
    while (!about.empty() && (about.back() == L'\n' || about.back() == L'\r'))
        about.pop_back();
    if (!about.empty())
        text += L"\n\n" + about;
    MessageBoxW(owner, text.c_str(), L"О программе", MB_OK | MB_ICONINFORMATION);
}

} // namespace player
