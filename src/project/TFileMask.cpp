#include "project/TFileMask.h"

namespace {
const QChar kStar = QLatin1Char('*');
const QChar kAny = QLatin1Char('?');
const QChar kDot = QLatin1Char('.');
const QChar kListSeparator = QLatin1Char(';');
}

TFileMask::TFileMask(const QString &mask)
    : m_text(mask), m_folded(mask.toCaseFolded())
{
    // "*" and "*.*" match every name; the common case needs no matching at all.
    if (m_folded == QLatin1String("*") || m_folded == QLatin1String("*.*")) {
        m_kind = Kind::Everything;
        return;
    }
    if (m_folded.size() >= 2 && m_folded.endsWith(QLatin1String(".*"))) {
        m_optionalExtension = true;
        m_noDotStem = m_folded.left(m_folded.size() - 2);
    } else if (m_folded.size() >= 2 && m_folded.endsWith(kDot)) {
        m_noExtensionOnly = true;
        m_noDotStem = m_folded.left(m_folded.size() - 1);
    }
}

bool TFileMask::glob(const QChar *m, qsizetype mlen, const QChar *n, qsizetype nlen)
{
    // Iterative wildcard matching with one backtracking point (the last "*"):
    // linear in practice, never exponential.
    qsizetype mi = 0, ni = 0;
    qsizetype starM = -1, starN = 0;
    while (ni < nlen) {
        if (mi < mlen && (m[mi] == kAny || (m[mi] != kStar && m[mi] == n[ni]))) {
            ++mi;
            ++ni;
        } else if (mi < mlen && m[mi] == kStar) {
            starM = mi++;
            starN = ni;
        } else if (starM >= 0) {
            mi = starM + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (mi < mlen && m[mi] == kStar)
        ++mi;
    return mi == mlen;
}

bool TFileMask::matchesFolded(const QString &name) const
{
    if (m_kind == Kind::Everything)
        return true;
    const bool hasDot = name.contains(kDot);
    if (m_noExtensionOnly)
        return !hasDot && glob(m_noDotStem.constData(), m_noDotStem.size(), name.constData(), name.size());
    if (glob(m_folded.constData(), m_folded.size(), name.constData(), name.size()))
        return true;
    return m_optionalExtension && !hasDot
        && glob(m_noDotStem.constData(), m_noDotStem.size(), name.constData(), name.size());
}

QList<TFileMask> TFileMask::parseList(const QString &text)
{
    QList<TFileMask> masks;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(kListSeparator, start);
        if (end < 0)
            end = text.size();
        if (end == start)
            break;   // an empty mask ends the list
        masks.append(TFileMask(text.mid(start, end - start)));
        start = end + 1;
    }
    return masks;
}
