#include "app/MessagePath.h"

#include <QDir>
#include <QTextBoundaryFinder>

namespace {

constexpr QChar kNoBreakSpace(u'\u00A0');
constexpr QChar kWordJoiner(u'\u2060');
constexpr QChar kZeroWidthSpace(u'\u200B');

// One name kept on one line.
QString Unbroken(const QString &name)
{
    QString text = name;
    text.replace(QLatin1Char(' '), kNoBreakSpace);
    QString out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    qsizetype from = 0;
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size(); at = finder.toNextBoundary()) {
        out += text.mid(from, at - from) + kWordJoiner;
        from = at;
    }
    return out + text.mid(from);
}

} // namespace

QString MessagePath(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    const QChar separator = QDir::separator();
    QString out;
    qsizetype from = 0;
    for (qsizetype at = native.indexOf(separator); at >= 0; at = native.indexOf(separator, from)) {
        out += Unbroken(native.mid(from, at - from)) + separator + kZeroWidthSpace;
        from = at + 1;
    }
    return out + Unbroken(native.mid(from));
}
