#include "rules/PlayerPaths.h"

#include "rules/ProgramPath.h"

namespace rules {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

std::string Backslashed(std::string path)
{
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string Join(const std::string &folder, std::string rest)
{
    if (folder.empty())
        return Backslashed(rest);
    while (!rest.empty() && IsSeparator(rest.front()))
        rest.erase(0, 1);
    if (rest.empty())
        return folder;
    return folder + (IsSeparator(folder.back()) ? "" : "\\") + Backslashed(rest);
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// folder as a path below root ("/" between steps), or false when it lies elsewhere.
bool Below(const std::string &root, const std::string &folder, std::string &relative)
{
    std::size_t n = root.size();
    while (n > 0 && IsSeparator(root[n - 1]))
        --n;
    if (folder.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (Lower(root[i]) != Lower(folder[i]) && !(IsSeparator(root[i]) && IsSeparator(folder[i])))
            return false;
    if (folder.size() > n && !IsSeparator(folder[n]))
        return false;
    relative = folder.substr(n);
    for (char &c : relative)
        if (c == '\\')
            c = '/';
    return true;
}

// "C:\" of "C:\Users\v", "\\server\share\" of a network path; "" for any other.
std::string DriveRoot(const std::string &folder)
{
    if (folder.size() >= 2 && folder[1] == ':')
        return folder.substr(0, 2) + "\\";
    if (folder.size() < 2 || !IsSeparator(folder[0]) || !IsSeparator(folder[1]))
        return std::string();
    std::size_t end = folder.find_first_of("\\/", 2);
    if (end != std::string::npos)
        end = folder.find_first_of("\\/", end + 1);
    return end == std::string::npos ? folder + "\\" : folder.substr(0, end + 1);
}

} // namespace

std::string PlayerDiscRoot(const PlayerFolders &folders)
{
    return folders.cdRoot.empty() ? folders.player : folders.cdRoot;
}

std::string PlayerBaseFolder(const Options &options, const PlayerFolders &folders)
{
    if (options.cdRoot && !folders.cdRoot.empty())
        return folders.cdRoot;
    switch (options.pathOption) {
    case PathOption::CdRoot:
        return PlayerDiscRoot(folders);
    case PathOption::Project:
        return folders.project;
    case PathOption::Current:
        return folders.current;
    case PathOption::Velmora:
    case PathOption::None:
        break;
    }
    return folders.player;
}

std::string PlayerProgramFile(const std::string &custom, const std::string &baseFolder, const std::string &discRoot)
{
    // The root ".." steps stop at and a leading separator starts from: the
    // disc's, or for a base folder elsewhere the root of its drive.
    std::string root = discRoot;
    std::string relativeBase;
    if (!Below(root, baseFolder, relativeBase)) {
        root = DriveRoot(baseFolder);
        if (root.empty() || !Below(root, baseFolder, relativeBase)) {
            root = baseFolder;
            relativeBase.clear();
        }
    }
    const ProgramPath path = ResolveProgramPath(custom, relativeBase);
    switch (path.kind) {
    case ProgramPath::Empty: return std::string();
    case ProgramPath::Absolute: return path.absolute;
    case ProgramPath::Outside:
    case ProgramPath::OnDisc: break;
    }
    return Join(root, path.relative);
}

} // namespace rules
