#include "project/TMenuRunScript.h"

#include "project/TBaseItem.h"

namespace {

const QString kEntryPrefix = QStringLiteral("entry:");
const QString kButtonPrefix = QStringLiteral("button:");

} // namespace

QString TMenuRunScript::Quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString TMenuRunScript::Step(TMenuRun &run, const QString &step)
{
    if (run.Ended())
        return QStringLiteral("the run has ended");
    run.Restore();
    if (step == QLatin1String("down")) {
        run.SelectNext();
    } else if (step == QLatin1String("up")) {
        run.SelectPrevious();
    } else if (step == QLatin1String("enter")) {
        run.Activate();
    } else if (step == QLatin1String("escape") || step == QLatin1String("close")) {
        run.Close();
    } else if (step.startsWith(kEntryPrefix)) {
        bool ok = false;
        const int id = step.mid(kEntryPrefix.size()).toInt(&ok);
        if (!ok)
            return QStringLiteral("entry:N needs a whole number");
        const QList<const TBaseItem *> entries = run.Entries();
        for (int i = 0; i < entries.size(); ++i) {
            if (entries.at(i)->Id() == id) {
                run.ActivateEntry(i);
                return QString();
            }
        }
        return QStringLiteral("the menu lists no entry numbered %1").arg(id);
    } else if (step.startsWith(kButtonPrefix)) {
        const QString caption = step.mid(kButtonPrefix.size());
        const int index = run.FindButton(caption);
        if (index < 0)
            return QStringLiteral("no stand-alone button is captioned %1").arg(Quoted(caption));
        run.PressButton(index);
    } else {
        return QStringLiteral("unknown step (down, up, enter, escape, close, entry:N, button:CAPTION)");
    }
    return QString();
}

QString TMenuRunScript::StateLine(const TMenuRun &run)
{
    if (run.Ended())
        return QStringLiteral("state: ended");
    QString line = QStringLiteral("state: level ") + Quoted(run.LevelPath());
    if (const TBaseItem *item = run.SelectedItem())
        line += QStringLiteral(" selected #%1 ").arg(item->Id()) + Quoted(item->Name());
    else
        line += QStringLiteral(" selected none");
    QStringList captions;
    for (const TBaseItem *entry : run.Entries())
        captions << Quoted(entry->Name());
    line += QStringLiteral(" menu ") + (captions.isEmpty() ? QStringLiteral("none") : captions.join(QStringLiteral(" | ")));
    if (run.Minimized())
        line += QStringLiteral(" minimized");
    return line;
}

QStringList TMenuRunScript::LogLines(const TMenuRun &run, qsizetype from)
{
    QStringList lines;
    const QList<TRunLine> &log = run.Log();
    for (qsizetype i = std::max<qsizetype>(from, 0); i < log.size(); ++i) {
        const TRunLine &l = log.at(i);
        if (l.kind == TRunLine::lkQuestion)
            lines << QStringLiteral("ask: ") + l.text + (l.answer ? QStringLiteral(" -> yes") : QStringLiteral(" -> no"));
        else
            lines << QStringLiteral("log: ") + l.text;
    }
    return lines;
}
