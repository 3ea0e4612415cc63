#include "rules/ProgramPath.h"

#include "rules/MenuRun.h"

namespace rules {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Appends the steps of path to key ("/"-separated), as Windows takes them.
// Returns whether the last step names a folder by its form alone.
bool AppendSteps(std::string &key, const std::string &path)
{
    const bool endsWithSeparator = !path.empty() && IsSeparator(path.back());
    bool folder = true;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i]))
            continue;
        std::string step = path.substr(start, i - start);
        start = i + 1;
        const bool last = i == path.size();
        if (step.empty() || step == ".") {
            folder = true;
            continue;
        }
        if (step == "..") {
            // At the root ".." stays there.
            const std::size_t slash = key.rfind('/');
            key.resize(slash == std::string::npos ? 0 : slash);
            folder = true;
            continue;
        }
        if (step.find_first_not_of('.') != std::string::npos) {
            if (last && !endsWithSeparator) {
                while (!step.empty() && (step.back() == '.' || step.back() == ' '))
                    step.pop_back();
            } else if (step.back() == '.') {
                step.pop_back();
            }
        }
        if (step.empty())
            continue;
        if (!key.empty())
            key += '/';
        key += step;
        folder = false;
    }
    return folder || endsWithSeparator;
}

}   // namespace

ProgramPath ResolveProgramPath(const std::string &custom, const std::string &baseFolder)
{
    std::string path = TrimSpaces(custom);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = TrimSpaces(path.substr(1, path.size() - 2));
    ProgramPath result;
    if (path.empty())
        return result;
    const char first = path[0];
    const bool drive = path.size() >= 2 && path[1] == ':'
        && ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'));
    const bool network = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (drive || network) {
        result.kind = ProgramPath::Absolute;
        result.absolute = path;
        for (char &c : result.absolute) {
            if (c == '/')
                c = '\\';
        }
        return result;
    }
    result.kind = ProgramPath::OnDisc;
    if (!IsSeparator(first))
        AppendSteps(result.relative, baseFolder + "/");
    result.folder = AppendSteps(result.relative, path);
    return result;
}

std::string BaseFolder(const Options &options, const std::string &projectFolderOnDisc)
{
    if (options.cdRoot || options.pathOption != PathOption::Project)
        return std::string();
    return projectFolderOnDisc;
}

}   // namespace rules
