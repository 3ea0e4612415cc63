#include "app/cli/Cli.h"

#include "app/cli/CliEditor.h"
#include "layout/TDesignFactsReader.h"
#include "project/TFixPathsCommand.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"

#include <QCommandLineParser>

namespace cli {

QList<TFinding> CheckProjectFile(Editor &editor, const QString &fileName, const QString &discDir)
{
    // The whole project as the editor opens it: commands, options, the design
    // in a design window that is never shown, and the stand-alone buttons.
    editor.project.LoadProject(fileName, TProject::WholeProject());
    // The design objects' names are part of the findings: in their language too.
    const ReportLanguage findingsInTheLocalesLanguage;
    const TDesignFacts design = ReadDesignFacts(editor.form, editor.layout.PicButtons());
    return TProjectCheck::Run(editor.project, discDir, &design);
}

void PrintFindings(const QList<TFinding> &findings, QTextStream &out)
{
    const ReportLanguage findingsInTheLocalesLanguage;
    for (const TFinding &f : findings)
        out << f.Line() << '\n';
}

// brenwick-cli check PROJECT [--disc DIR] [--fix-paths -o OUT]
int checkCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks a project before it goes onto a disc: one finding a line, status 1 when any is an error."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("the project file"));
    const QCommandLineOption discOption(QStringLiteral("disc"),
                                        QStringLiteral("the disc folder (default: the project's own)"),
                                        QStringLiteral("DIR"));
    parser.addOption(discOption);
    const QCommandLineOption fixOption(
        QStringLiteral("fix-paths"),
        QStringLiteral("replace full Linux paths into the disc folder by the player's paths and save to OUT"));
    parser.addOption(fixOption);
    const QCommandLineOption outOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("where --fix-paths saves the mended project"),
                                       QStringLiteral("OUT"));
    parser.addOption(outOption);
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional = positionalArguments(parser, 1, 1, QStringLiteral("check: expected one PROJECT"));
    const bool fix = parser.isSet(fixOption);
    if (fix != parser.isSet(outOption))
        throw UsageError(QStringLiteral("check: --fix-paths and -o OUT go together"));

    Editor editor;
    const QString discDir = parser.value(discOption);
    QList<TFinding> findings = CheckProjectFile(editor, positional.constFirst(), discDir);
    if (fix) {
        auto *command = new TFixPathsCommand(editor.project.Tree(), findings);
        const int count = command->Count();
        editor.project.Push(command);
        editor.project.SaveProject(parser.value(outOption), TProject::WholeProject());
        ctx.err << QStringLiteral("fixed %1 path(s), saved to %2").arg(count).arg(parser.value(outOption)) << '\n';
        const ReportLanguage findingsInTheLocalesLanguage;
        const TDesignFacts design = ReadDesignFacts(editor.form, editor.layout.PicButtons());
        findings = TProjectCheck::Run(editor.project, discDir, &design);
    }
    PrintFindings(findings, ctx.out);
    return TProjectCheck::HasErrors(findings) ? ExitFailure : ExitOk;
}

} // namespace cli
