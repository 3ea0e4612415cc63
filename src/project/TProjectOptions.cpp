#include "project/TProjectOptions.h"

#include <QRegularExpression>
#include <QSignalBlocker>
#include <array>

namespace {
const std::array<const char *, 4> kPathWords = {"cdroot", "project", "velmora", "current"};
const QString kFileLineEnd = QStringLiteral("\r\n");
} // namespace

QString TProjectOptions::PathOptionWord(TPathOption option)
{
    if (option < poCdRoot || option > poCurrent)
        return {};
    return QString::fromLatin1(kPathWords[option]);
}

TProjectOptions::TPathOption TProjectOptions::PathOptionFromWord(const QString &word, bool missing)
{
    if (missing)
        return poVelmora;
    for (int i = 0; i < int(kPathWords.size()); ++i)
        if (word == QLatin1String(kPathWords[i]))
            return TPathOption(i);
    return poNone;
}

QString TProjectOptions::AboutToFileText(const QString &about)
{
    if (about.isEmpty())
        return {};
    // Every line of the box, the last one too even when empty, is followed by
    // CR LF: reading takes exactly one line end off, so the text comes back
    // line for line ("Disc", "", "" stays three lines).
    const QStringList lines = about.split(QLatin1Char('\n'));
    QString text;
    for (const QString &line : lines)
        text += line + kFileLineEnd;
    return text;
}

QString TProjectOptions::AboutFromFileText(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

void TProjectOptions::Assign(const TProjectOptions &other)
{
    bool changed = false;
    {
        const QSignalBlocker blocker(this);
        auto copy = [&](auto &field, const auto &value) {
            if (field != value) {
                field = value;
                changed = true;
            }
        };
        copy(m_rootDir, other.m_rootDir);
        copy(m_about, other.m_about);
        copy(m_exitLevelUp, other.m_exitLevelUp);
        copy(m_exitAnyCommand, other.m_exitAnyCommand);
        copy(m_exitCross, other.m_exitCross);
        copy(m_exitQuestion, other.m_exitQuestion);
        copy(m_pathOption, other.m_pathOption);
        copy(m_cdRoot, other.m_cdRoot);
    }
    if (changed)
        emit Changed();
}

bool TProjectOptions::SameAs(const TProjectOptions &other) const
{
    return m_rootDir == other.m_rootDir && m_about == other.m_about && m_exitLevelUp == other.m_exitLevelUp
        && m_exitAnyCommand == other.m_exitAnyCommand && m_exitCross == other.m_exitCross
        && m_exitQuestion == other.m_exitQuestion && m_pathOption == other.m_pathOption
        && m_cdRoot == other.m_cdRoot;
}
