#include "TryMode.h"

#include "FreshDesign.h"
#include "PaintCanvas.h"
#include "rules/ControlSize.h"
#include "rules/MenuScript.h"
#include "rules/MenuTexts.h"
#include "rules/ProgramPath.h"
#include "rules/ProjectReader.h"
#include "rules/ReadReasons.h"
#include "rules/XmlReader.h"

#include <windows.h>

#include <stdexcept>

namespace player {

namespace {

struct TryOutput
{
    std::string out;
    std::string error;
};

class TryFailure : public std::runtime_error
{
public:
    TryFailure(const std::string &what, int exitStatus) : std::runtime_error(what), status(exitStatus) {}
    int status;
};

std::wstring FullPath(const std::wstring &path)
{
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::wstring full(n, L'\0');
    const DWORD got = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    full.resize(got < n ? got : 0);
    while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/'))
        full.pop_back();
    return full;
}

std::wstring FolderOf(const std::wstring &path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool IsFolder(const std::wstring &path)
{
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// The project's folder as a path from the disc's root ("" for the root or a
// folder outside the disc).
std::string FolderOnDisc(const std::wstring &disc, const std::wstring &projectFile)
{
    std::wstring root = FullPath(disc);
    const std::wstring folder = FullPath(FolderOf(FullPath(projectFile)));
    if (!root.empty() && root.back() != L'\\')
        root += L'\\';
    if (folder.size() <= root.size()
        || CompareStringOrdinal(folder.c_str(), int(root.size()), root.c_str(), int(root.size()), TRUE) != CSTR_EQUAL)
        return std::string();
    std::string relative = ToUtf8(folder.substr(root.size()));
    for (char &c : relative)
        if (c == '\\')
            c = '/';
    return relative;
}

// Runs one try; the output so far is kept when a step fails.
int RunTry(const std::vector<std::wstring> &args, const std::wstring &playerDir, TryOutput &result)
{
    std::wstring answer = L"yes";
    std::wstring projectFile = playerDir + L"\\Velmora.XML";
    std::wstring disc;
    std::vector<std::string> steps;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring &a = args[i];
        auto value = [&](const wchar_t *name) {
            if (i + 1 >= args.size())
                throw TryFailure("try: missing value after " + ToUtf8(name), 2);
            return args[++i];
        };
        if (!optionsEnd && a == L"--")
            optionsEnd = true;
        else if (!optionsEnd && a == L"--answer")
            answer = value(L"--answer");
        else if (!optionsEnd && a.rfind(L"--answer=", 0) == 0)
            answer = a.substr(9);
        else if (!optionsEnd && a == L"--project")
            projectFile = value(L"--project");
        else if (!optionsEnd && a == L"--disc")
            disc = value(L"--disc");
        else if (!optionsEnd && a.size() > 1 && a[0] == L'-')
            throw TryFailure("try: unknown option " + ToUtf8(a), 2);
        else
            steps.push_back(ToUtf8(a));
    }
    if (answer != L"yes" && answer != L"no")
        throw TryFailure("try: --answer is yes or no", 2);

    std::string bytes;
    std::wstring readError;
    if (!ReadWholeFile(projectFile, bytes, readError))
        throw TryFailure(ToUtf8(readError), 1);
    rules::Project project;
    try {
        project = rules::ReadProject(bytes, FreshDesign());
    } catch (const rules::ReadError &e) {
        throw TryFailure(ToUtf8(projectFile) + ": " + rules::RussianFailure(e), 1);
    }
    // The disc: the one given, else the folder the player runs from.
    if (disc.empty())
        disc = playerDir;
    const std::string base = rules::BaseFolder(project.options, FolderOnDisc(disc, projectFile));
    const bool discThere = IsFolder(disc);

    std::vector<rules::RunButton> buttons;
    for (const rules::PicButton &b : project.buttons) {
        // The size the window gives it: an auto-sized button is as large as its picture.
        rules::Size picture;
        if (b.autoSize) {
            const Pixels p = PictureOf(b.pictures.normal);
            if (!p.empty())
                picture = rules::Size{p.width, p.height};
        }
        const rules::Rect r = rules::AutoSizedRect(b.control, b.autoSize, picture);
        buttons.push_back({b.caption, b.action, b.itemId, b.visible, r.width, r.height});
    }
    rules::MenuRun run(project.commands, project.options, std::move(buttons));
    const bool yes = answer == L"yes";
    run.SetAsker([yes](rules::Msg) { return yes; });
    run.SetProbe([&](const std::string &custom) {
        const rules::DiscFolder folder = discThere ? rules::DiscFolder::There : rules::DiscFolder::NotFound;
        return rules::DiscStateOf(rules::ResolveProgramPath(custom, base), folder, [&](const std::string &relative) {
            std::wstring file = disc + L"\\" + FromUtf8(relative);
            for (wchar_t &c : file)
                if (c == L'/')
                    c = L'\\';
            const DWORD attributes = GetFileAttributesW(file.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        });
    });

    result.out += rules::MenuScript::StateLine(run) + "\n";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::size_t before = run.Log().size();
        const std::string error = rules::MenuScript::Step(run, steps[i]);
        if (!error.empty())
            throw TryFailure("try: step " + std::to_string(i + 1) + " \"" + steps[i] + "\": " + error, 2);
        for (const std::string &line : rules::MenuScript::LogLines(run, before, rules::Words))
            result.out += line + "\n";
        result.out += rules::MenuScript::StateLine(run) + "\n";
    }
    return 0;
}

int TryCatching(const std::vector<std::wstring> &args, const std::wstring &playerDir, TryOutput &result)
{
    try {
        return RunTry(args, playerDir, result);
    } catch (const TryFailure &e) {
        result.error = e.what();
        return e.status;
    } catch (const std::exception &e) {
        result.error = e.what();
        return 1;
    }
}

} // namespace

std::string ToUtf8(const std::wstring &text)
{
    if (text.empty())
        return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(const std::string &text)
{
    if (text.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(std::size_t(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
    return out;
}

void WriteOut(const std::string &utf8, bool error)
{
    const HANDLE h = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (h == nullptr || h == INVALID_HANDLE_VALUE || utf8.empty())
        return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(h, &mode)) {
        const std::wstring wide = FromUtf8(utf8);
        WriteConsoleW(h, wide.data(), DWORD(wide.size()), &written, nullptr);
        return;
    }
    std::size_t done = 0;
    while (done < utf8.size()) {
        if (!WriteFile(h, utf8.data() + done, DWORD(utf8.size() - done), &written, nullptr) || written == 0)
            return;
        done += written;
    }
}

bool ReadWholeFile(const std::wstring &path, std::string &bytes, std::wstring &error)
{
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = L"Невозможно открыть файл: " + path;
        return false;
    }
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(h, &size) && std::uint64_t(size.QuadPart) <= rules::XmlReader::kMaxFileSize;
    if (ok) {
        bytes.resize(std::size_t(size.QuadPart));
        std::size_t done = 0;
        while (ok && done < bytes.size()) {
            DWORD got = 0;
            const DWORD want = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            ok = ReadFile(h, bytes.data() + done, want, &got, nullptr) && got > 0;
            done += got;
        }
    }
    CloseHandle(h);
    if (!ok)
        error = L"Невозможно прочитать файл: " + path;
    return ok;
}

int TryMain(const std::vector<std::wstring> &args, const std::wstring &playerDir)
{
    TryOutput result;
    const int status = TryCatching(args, playerDir, result);
    WriteOut(result.out);
    if (!result.error.empty())
        WriteOut("Velmora.EXE: " + result.error + "\n", true);
    return status;
}

int TryBatch(const std::wstring &file, const std::wstring &playerDir)
{
    std::string bytes;
    std::wstring error;
    if (!ReadWholeFile(file, bytes, error)) {
        WriteOut(ToUtf8(error) + "\n", true);
        return 1;
    }
    std::string out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::wstring> fields;
        std::size_t from = 0;
        for (std::size_t tab = line.find('\t'); ; tab = line.find('\t', from)) {
            fields.push_back(FromUtf8(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from)));
            if (tab == std::string::npos)
                break;
            from = tab + 1;
        }
        const std::string name = ToUtf8(fields.front());
        fields.erase(fields.begin());
        TryOutput result;
        const int status = TryCatching(fields, playerDir, result);
        out += "=== " + name + "\n" + result.out + "status: " + std::to_string(status) + "\n";
        if (!result.error.empty())
            out += "error: " + result.error + "\n";
    }
    WriteOut(out);
    return 0;
}

} // namespace player
