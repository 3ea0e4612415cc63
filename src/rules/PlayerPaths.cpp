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

}   // namespace

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
    const ProgramPath written = ResolveProgramPath(custom, std::string());
    switch (written.kind) {
    case ProgramPath::Empty:
        return std::string();
    case ProgramPath::Absolute:
        return Backslashed(written.written);
    case ProgramPath::Outside:
    case ProgramPath::OnDisc:
        break;
    }
    std::string relativeBase;
    const bool fromRoot = IsSeparator(written.written[0]);
    if (!fromRoot && !Below(discRoot, baseFolder, relativeBase))
        return Join(baseFolder, written.written);
    const ProgramPath path = ResolveProgramPath(custom, relativeBase);
    if (path.kind == ProgramPath::OnDisc)
        return Join(discRoot, path.relative);
    return Join(fromRoot ? discRoot : baseFolder, written.written);
}

}   // namespace rules
