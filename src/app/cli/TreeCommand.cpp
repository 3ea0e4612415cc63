#include "app/cli/Cli.h"

#include "project/TProject.h"

#include <QCommandLineParser>

namespace cli {

namespace {
const int kIndentPerLevel = 2;
} // namespace

// The tree as the editor reads it: one line per entry, depth first.
QString FormatCommandTree(const TCommandTree &tree)
{
    QString text;
    tree.ForEach([&](TBaseItem *item, int depth) {
        text += QString(depth * kIndentPerLevel, QLatin1Char(' '));
        text += ItemKindElementName(item->Kind());
        text += QStringLiteral(" #") + QString::number(item->Id());
        if (item->Hidden())
            text += QStringLiteral(" hidden");
        text += QStringLiteral(" \"") + item->Name() + QStringLiteral("\"\n");
    });
    return text;
}

int treeCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the command tree of a project, one entry a line."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("the project file"));
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional = positionalArguments(parser, 1, 1, QStringLiteral("tree: expected one PROJECT"));

    TProject project;
    project.LoadProject(positional.constFirst(), TProject::WholeProject());
    ctx.out << FormatCommandTree(project.Tree());
    return ExitOk;
}

} // namespace cli
