#include "app/cli/Cli.h"

#include "app/cli/CliEditor.h"
#include "layout/TDesignFactsReader.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"

#include <QCommandLineParser>

namespace cli {

QList<TFinding> CheckProjectFile(Editor &editor, const QString &fileName, const QString &discDir)
{
    // The whole project as the editor opens it: commands, options, the design
    // in a design window that is never shown, and the stand-alone buttons.
    editor.project.LoadProject(fileName, TProject::WholeProject());
    const TDesignFacts design = ReadDesignFacts(editor.form, editor.layout.PicButtons());
    const ReportLanguage findingsInTheLocalesLanguage;
    return TProjectCheck::Run(editor.project, discDir, &design);
}

void PrintFindings(const QList<TFinding> &findings, QTextStream &out)
{
    const ReportLanguage findingsInTheLocalesLanguage;
    for (const TFinding &f : findings)
        out << f.Line() << '\n';
}

// brenwick-cli check PROJECT [--disc DIR]
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
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional = positionalArguments(parser, 1, 1, QStringLiteral("check: expected one PROJECT"));

    Editor editor;
    const QList<TFinding> findings = CheckProjectFile(editor, positional.constFirst(), parser.value(discOption));
    PrintFindings(findings, ctx.out);
    return TProjectCheck::HasErrors(findings) ? ExitFailure : ExitOk;
}

} // namespace cli
