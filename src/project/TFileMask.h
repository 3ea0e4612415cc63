#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One file-name mask as the player's platform matches it: "*" stands for any
// run of characters, "?" for exactly one, letters compare without regard to
// case. A mask ending in ".*" also matches names without a dot ("*.*" matches
// every name, "setup.*" matches "setup"), and a mask ending in "." matches
// only names without a dot ("*." matches "README" but not "a.txt").
class TFileMask
{
public:
    explicit TFileMask(const QString &mask);

    const QString &text() const { return m_text; }

    // name must already be case-folded (QString::toCaseFolded).
    bool matchesFolded(const QString &foldedName) const;
    bool matches(const QString &name) const { return matchesFolded(name.toCaseFolded()); }

    // A mask list as typed in a mask field: cut at each ";" left to right,
    // without trimming blanks. The list ends at the first empty mask, so a
    // leading ";" or ";;" ends it there and nothing after it is used.
    static QList<TFileMask> parseList(const QString &text);

private:
    enum class Kind { Everything, Pattern };

    static bool glob(const QChar *m, qsizetype mlen, const QChar *n, qsizetype nlen);

    QString m_text;
    QString m_folded;      // the pattern, case-folded
    QString m_noDotStem;   // for "X.*": X; for "X.": X; empty otherwise
    bool m_optionalExtension = false;  // "X.*": X alone matches a name without a dot
    bool m_noExtensionOnly = false;    // "X.": only names without a dot
    Kind m_kind = Kind::Pattern;
};
