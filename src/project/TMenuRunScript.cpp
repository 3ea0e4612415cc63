#include "project/TMenuRunScript.h"

#include "rules/MenuScript.h"

#include <algorithm>

// The words and the state lines are the shared rules' own: the player's
// console mode prints the same.

QString TMenuRunScript::Step(TMenuRun &run, const QString &step)
{
    return QString::fromStdString(rules::MenuScript::Step(run.Rules(), step.toStdString()));
}

QString TMenuRunScript::StateLine(const TMenuRun &run)
{
    return QString::fromStdString(rules::MenuScript::StateLine(run.Rules()));
}

QStringList TMenuRunScript::LogLines(const TMenuRun &run, qsizetype from)
{
    QStringList lines;
    const auto words = [](const rules::LogLine &line) { return TMenuRun::Words(line).toStdString(); };
    for (const std::string &line : rules::MenuScript::LogLines(run.Rules(), size_t(std::max<qsizetype>(from, 0)), words))
        lines << QString::fromStdString(line);
    return lines;
}
