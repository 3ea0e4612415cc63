#include "app/cli/Cli.h"

#include "project/TProject.h"

#include <QCommandLineParser>

namespace cli {

int resaveCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Opens IN as a whole project, as the editor's Open does, and saves it to OUT as Save as does."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("the project to read"));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("the file to write"));
    if (!parser.parse(args))
        throw UsageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        ctx.out << parser.helpText();
        return ExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        throw UsageError(QStringLiteral("resave: expected IN and OUT"));

    TProject project;
    project.LoadProject(positional[0], TProject::WholeProject());
    project.SaveProject(positional[1], TProject::WholeProject());
    return ExitOk;
}

} // namespace cli
