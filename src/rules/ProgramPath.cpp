#include "rules/ProgramPath.h"

#include "rules/MenuRun.h"

namespace rules {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

ProgramPath ResolveProgramPath(const std::string &custom, const std::string &baseFolder)
{
    std::string path = TrimSpaces(custom);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = TrimSpaces(path.substr(1, path.size() - 2));
    if (path.empty())
        return {ProgramPath::Empty, {}, {}};
    const char first = path[0];
    const bool drive = path.size() >= 2 && path[1] == ':' && ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'));
    const bool network = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (drive || network)
        return {ProgramPath::Absolute, {}, path};
    const std::string joined = IsSeparator(first) ? path : baseFolder + "/" + path;
    std::string key;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= joined.size(); ++i) {
        if (i < joined.size() && !IsSeparator(joined[i]))
            continue;
        const std::string step = joined.substr(start, i - start);
        start = i + 1;
        if (step.empty() || step == ".")
            continue;
        if (step == "..") {
            if (key.empty())
                return {ProgramPath::Outside, {}, path};
            const std::size_t slash = key.rfind('/');
            key.resize(slash == std::string::npos ? 0 : slash);
            continue;
        }
        if (!key.empty())
            key += '/';
        key += step;
    }
    return {ProgramPath::OnDisc, key, path};
}

std::string BaseFolder(const Options &options, const std::string &projectFolderOnDisc)
{
    if (options.cdRoot || options.pathOption != PathOption::Project)
        return std::string();
    return projectFolderOnDisc;
}

} // namespace rules
