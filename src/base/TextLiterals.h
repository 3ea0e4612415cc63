#pragma once

#include <QString>

// A QString from a literal: U for UTF-8 text (the Russian names written into
// project files), L for Latin-1 names (elements, attributes, resources).
inline QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

inline QString L(const char *latin1)
{
    return QString::fromLatin1(latin1);
}
