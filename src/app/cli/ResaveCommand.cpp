#include "app/cli/Cli.h"

#include "app/cli/CliEditor.h"

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
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional = positionalArguments(parser, 2, 2, QStringLiteral("resave: expected IN and OUT"));

    Editor editor;
    TProject &project = editor.project;
    project.LoadProject(positional[0], TProject::WholeProject());
    project.SaveProject(positional[1], TProject::WholeProject());
    return ExitOk;
}

} // namespace cli
