#include "project/TPlayerPath.h"

#include <QList>

namespace {

bool IsSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// The steps of a path, "." and empty ones dropped, ".." taking one back
// (above the start it is dropped as well).
QList<QStringView> Steps(QStringView path)
{
    QList<QStringView> steps;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i]))
            continue;
        const QStringView step = path.mid(start, i - start);
        start = i + 1;
        if (step.isEmpty() || step == u".")
            continue;
        if (step == u"..") {
            if (!steps.isEmpty())
                steps.removeLast();
            continue;
        }
        steps.append(step);
    }
    return steps;
}

QStringView Unquoted(QStringView text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

} // namespace

namespace TPlayerPath {

std::optional<QString> FromLocal(QStringView discDir, QStringView file, QStringView baseFolder)
{
    const QList<QStringView> disc = Steps(discDir);
    const QList<QStringView> steps = Steps(file);
    if (steps.size() <= disc.size())
        return std::nullopt;
    // This machine's names match exactly.
    for (qsizetype i = 0; i < disc.size(); ++i) {
        if (disc[i] != steps[i])
            return std::nullopt;
    }
    const QList<QStringView> relative = steps.mid(disc.size());
    const QList<QStringView> base = Steps(baseFolder);
    // The disc's names match in any letter case, as the player's do.
    qsizetype common = 0;
    while (common < base.size() && common < relative.size() - 1
           && base[common].compare(relative[common], Qt::CaseInsensitive) == 0)
        ++common;
    QString path;
    for (qsizetype i = common; i < base.size(); ++i)
        path += QStringLiteral("..\\");
    for (qsizetype i = common; i < relative.size(); ++i) {
        if (i > common)
            path += u'\\';
        path += relative[i];
    }
    return path;
}

bool IsLocalFullPath(QStringView custom)
{
    const QStringView path = Unquoted(custom);
    return path.size() >= 2 && path[0] == u'/' && path[1] != u'/' && !path.contains(u'\\');
}

} // namespace TPlayerPath
