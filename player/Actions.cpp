#include "Actions.h"

#include "PaintCanvas.h"
#include "resource.h"

#include <shellapi.h>

namespace player {

namespace {

bool isFolder(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// ShellExecuteExW with the verb "open"; false with the error code in error.
bool shellOpen(HWND owner, const std::wstring &file, const wchar_t *params, const wchar_t *folder, HANDLE &process,
               DWORD &error)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = params;
    info.lpDirectory = folder;
    info.nShow = SW_SHOWNORMAL;
    process = nullptr;
    if (ShellExecuteExW(&info)) {
        process = info.hProcess;
        return true;
    }
    error = GetLastError();
    return false;
}

std::wstring aboutText(const rules::Options &options)
{
    std::wstring about;
    for (const std::string &line : options.about)
        about += Widen(line) + L"\r\n";
    while (!about.empty() && (about.back() == L'\n' || about.back() == L'\r'))
        about.pop_back();
    return about;
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG: {
#ifdef BRENWICK_VERSION
        const std::wstring name = L"Velmora — меню компакт-диска\r\nВерсия " + Widen(BRENWICK_VERSION);
#else
        const std::wstring name = L"Velmora — меню компакт-диска";
#endif
        SetDlgItemTextW(dialog, IDC_ABOUT_NAME, name.c_str());
        const auto *options = reinterpret_cast<const rules::Options *>(lp);
        HWND text = GetDlgItem(dialog, IDC_ABOUT_TEXT);
        SetWindowTextW(text, aboutText(*options).c_str());
        // The scroll bar only for a text longer than the box.
        RECT box{};
        GetClientRect(text, &box);
        HDC dc = GetDC(text);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(text, dc);
        const LRESULT lines = SendMessageW(text, EM_GETLINECOUNT, 0, 0);
        const int visible = metrics.tmHeight > 0 ? int(box.bottom - box.top) / metrics.tmHeight : 0;
        ShowScrollBar(text, SB_VERT, lines > visible);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wp));
            return TRUE;
        }
        break;
    default: break;
    }
    return FALSE;
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

std::wstring SystemReason(DWORD code)
{
    wchar_t *buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                       | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::wstring reason = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    return reason.empty() ? L"код ошибки " + std::to_wstring(code) : reason;
}

bool StartProgram(HWND owner, const std::wstring &file, const std::wstring &params, HANDLE &process)
{
    process = nullptr;
    if (file.empty())
        return false;
    if (isFolder(file)) {
        ShowError(owner, L"Не удалось запустить программу:\n" + file + L"\n\nЭто папка, а не программа.");
        return false;
    }
    const std::size_t slash = file.find_last_of(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : file.substr(0, slash + 1);
    DWORD error = 0;
    if (shellOpen(owner, file, params.empty() ? nullptr : params.c_str(), folder.empty() ? nullptr : folder.c_str(),
                  process, error))
        return true;
    // The visitor said no to the rights prompt: nothing to tell.
    if (error != ERROR_CANCELLED)
        ShowError(owner, L"Не удалось запустить программу:\n" + file + L"\n\n" + SystemReason(error));
    return false;
}

bool OpenAddress(HWND owner, const std::string &address, HANDLE &process)
{
    process = nullptr;
    const std::wstring target = Widen(address);
    if (target.empty())
        return false;
    DWORD error = 0;
    if (shellOpen(owner, target, nullptr, nullptr, process, error))
        return true;
    if (error != ERROR_CANCELLED)
        ShowError(owner, L"Не удалось открыть адрес:\n" + target + L"\n\n" + SystemReason(error));
    return false;
}

void ExploreFolder(HWND owner, const std::wstring &folder)
{
    ShellExecuteW(owner, L"explore", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowAbout(HWND owner, const rules::Options &options)
{
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutProc,
                    reinterpret_cast<LPARAM>(&options));
}

} // namespace player
