#pragma once

#include "project/TCommandTree.h"

#include <QString>

// One line per entry, depth first: two spaces per level, the kind's element
// name, " #" and the number, a blank and the name in double quotes; then
// " -> " and the path for programs, " // " and the comment when there is one
// (the lines of TImportTree::dump).
inline QString DumpCommandTree(const TCommandTree &tree)
{
    QString out;
    tree.ForEach([&out](TBaseItem *item, int depth) {
        out += QString(depth * 2, QLatin1Char(' ')) + ItemKindElementName(item->Kind());
        out += QStringLiteral(" #%1 \"%2\"").arg(item->Id()).arg(item->Name());
        if (item->Kind() == ikProgram)
            out += QStringLiteral(" -> ") + item->Custom();
        if (!item->Comment().isEmpty())
            out += QStringLiteral(" // ") + item->Comment();
        out += QLatin1Char('\n');
    });
    return out;
}
