#include "app/cli/Cli.h"

#include "layout/TDesignFactsReader.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"

#include <QCommandLineParser>

namespace cli {

QList<TFinding> CheckProjectFile(TProject &project, const QString &fileName, const QString &discDir)
{
    // The design as the project reader leaves it in a design window that is
    // never shown; the stand-alone buttons come with the design's reader.
    TPreviewForm form;
    form.setMenuSource(&project.Tree());
    project.SetDesignView(&form);
    try {
        project.LoadProject(fileName, TProject::WholeProject());
    } catch (...) {
        project.SetDesignView(nullptr);
        throw;
    }
    const TDesignFacts design = ReadDesignFacts(form, FindPicButtons(form, {&project}));
    const QList<TFinding> findings = TProjectCheck::Run(project, discDir, &design);
    project.SetDesignView(nullptr);
    return findings;
}

void PrintFindings(const QList<TFinding> &findings, QTextStream &out)
{
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

    TProject project;
    const QList<TFinding> findings = CheckProjectFile(project, positional.constFirst(), parser.value(discOption));
    PrintFindings(findings, ctx.out);
    return TProjectCheck::HasErrors(findings) ? ExitFailure : ExitOk;
}

} // namespace cli
