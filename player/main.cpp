// Velmora.EXE: the menu player. Started from the disc it reads Velmora.XML
// beside itself and shows the menu window; --try runs the menu as text.

#include "MenuWindow.h"
#include "PaintCanvas.h"
#include "TryMode.h"

#include "FreshDesign.h"

#include "rules/ProjectReader.h"
#include "rules/ReadReasons.h"
#include "rules/XmlReader.h"

#include <windows.h>

#include <string>
#include <vector>

#ifndef BRENWICK_VERSION
#define BRENWICK_VERSION "0"
#endif

namespace {

std::wstring FolderOf(const std::wstring &file)
{
    const std::size_t slash = file.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return L".";
    // A drive's root keeps its separator.
    return file.substr(0, slash == 2 && file[1] == L':' ? 3 : slash);
}

std::wstring PlayerDir()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0)
            return L".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return FolderOf(path);
}

std::wstring Child(const std::wstring &folder, const wchar_t *name)
{
    return folder + (folder.empty() || folder.back() == L'\\' ? L"" : L"\\") + name;
}

std::wstring FullPath(const std::wstring &path)
{
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::wstring full(n, L'\0');
    const DWORD got = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    full.resize(got < n ? got : 0);
    return full.empty() ? path : full;
}

// The root of the CD that holds folder, or "" when it is on no CD.
std::wstring CdRootOf(const std::wstring &folder)
{
    wchar_t root[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(folder.c_str(), root, MAX_PATH))
        return std::wstring();
    return GetDriveTypeW(root) == DRIVE_CDROM ? std::wstring(root) : std::wstring();
}

rules::PlayerFolders Folders(const std::wstring &playerDir, const std::wstring &projectFile)
{
    rules::PlayerFolders folders;
    folders.player = player::ToUtf8(playerDir);
    const std::wstring projectDir = FolderOf(projectFile);
    folders.project = player::ToUtf8(projectDir);
    std::wstring current(MAX_PATH + 1, L'\0');
    const DWORD n = GetCurrentDirectoryW(DWORD(current.size()), current.data());
    current.resize(n < current.size() ? n : 0);
    folders.current = player::ToUtf8(current.empty() ? playerDir : current);
    std::wstring cd = CdRootOf(playerDir);
    if (cd.empty())
        cd = CdRootOf(projectDir);
    folders.cdRoot = player::ToUtf8(cd);
    return folders;
}

void ShowFailure(const std::wstring &text)
{
    MessageBoxW(nullptr, text.c_str(), L"Ошибка", MB_OK | MB_ICONERROR);
}

// The project file, or a message box naming it and the place; false then.
bool LoadProject(const std::wstring &file, rules::Project &project, bool quiet, std::wstring &message)
{
    std::string bytes;
    if (!player::ReadWholeFile(file, bytes, message)) {
        if (!quiet)
            ShowFailure(message);
        return false;
    }
    try {
        project = rules::ReadProject(bytes, player::FreshDesign());
        return true;
    } catch (const rules::ReadError &e) {
        message = L"Файл " + file + L" не читается:\n" + player::FromUtf8(rules::RussianFailure(e));
    } catch (const std::exception &) {
        message = L"Файл " + file + L" слишком велик.";
    }
    if (!quiet)
        ShowFailure(message);
    return false;
}

int Render(const std::vector<std::wstring> &args, const std::wstring &dir)
{
    // --render OUT.bmp [--item N] [--project FILE]
    std::wstring out;
    std::wstring file = Child(dir, L"Velmora.XML");
    int item = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--item" && i + 1 < args.size())
            item = _wtoi(args[++i].c_str());
        else if (args[i] == L"--project" && i + 1 < args.size())
            file = args[++i];
        else if (out.empty())
            out = args[i];
    }
    if (out.empty()) {
        player::WriteOut("Velmora.EXE: --render needs an output file\n", true);
        return 2;
    }
    rules::Project project;
    std::wstring message;
    if (!LoadProject(file, project, true, message)) {
        player::WriteOut("Velmora.EXE: " + player::ToUtf8(message) + "\n", true);
        return 1;
    }
    // The menu shows without a picture too large to hold; the author hears why.
    for (const std::string &refused : player::RefusedPictures(project))
        player::WriteOut("Velmora.EXE: " + refused + "\n", true);
    std::wstring error;
    if (!player::RenderMenuWindow(project, out, item, error)) {
        player::WriteOut("Velmora.EXE: " + player::ToUtf8(error) + "\n", true);
        return 1;
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::wstring dir = PlayerDir();
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const std::wstring first = args.empty() ? std::wstring() : args.front();
    const std::vector<std::wstring> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (first == L"--try")
        return player::TryMain(rest, dir);
    if (first == L"--try-batch" && rest.size() == 1)
        return player::TryBatch(rest.front(), dir);
    if (first == L"--render")
        return Render(rest, dir);
    if (first == L"--version") {
        player::WriteOut(std::string("Velmora.EXE ") + BRENWICK_VERSION + "\n");
        return 0;
    }
    // Velmora.EXE [PROJECT]: the menu of Velmora.XML beside the player, or of the file named.
    const std::wstring file = FullPath(first.empty() ? Child(dir, L"Velmora.XML") : first);
    rules::Project project;
    std::wstring message;
    if (!LoadProject(file, project, false, message))
        return 1;
    return player::RunMenuWindow(project, Folders(dir, file), file);
}
