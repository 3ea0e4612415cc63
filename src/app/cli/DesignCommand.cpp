#include "app/cli/Cli.h"

#include "app/cli/CliEditor.h"
#include "base/BrenwickError.h"

#include <QCommandLineParser>

namespace cli {

// brenwick-cli design extract PROJECT -o DESIGN.xml: what "Сохранить оформление"
// writes for the opened project.
// brenwick-cli design apply DESIGN PROJECT -o OUT: the project with the design
// file's options, design and buttons, as "Загрузить оформление" then Save would
// write it.
int designCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "extract PROJECT -o DESIGN.xml: writes the project's design file (options, design, buttons).\n"
        "apply DESIGN PROJECT -o OUT: writes the project with the design file's options, design and buttons."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("ACTION"), QStringLiteral("extract or apply"));
    parser.addPositionalArgument(QStringLiteral("FILES"), QStringLiteral("PROJECT, or DESIGN and PROJECT"),
                                 QStringLiteral("FILES..."));
    const QCommandLineOption outOption({QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("file to write"), QStringLiteral("OUT"));
    parser.addOption(outOption);
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional =
        positionalArguments(parser, 2, 3, QStringLiteral("design: expected extract PROJECT or apply DESIGN PROJECT"));
    if (!parser.isSet(outOption) || parser.value(outOption).isEmpty())
        throw UsageError(QStringLiteral("design: -o OUT is required"));
    const QString action = positional[0];
    const QString out = parser.value(outOption);

    Editor editor;
    if (action == QLatin1String("extract")) {
        if (positional.size() != 2)
            throw UsageError(QStringLiteral("design extract: expected one PROJECT"));
        editor.project.LoadProject(positional[1], TProject::WholeProject());
        editor.project.SaveProject(out, TProject::DesignFile());
        return ExitOk;
    }
    if (action == QLatin1String("apply")) {
        if (positional.size() != 3)
            throw UsageError(QStringLiteral("design apply: expected DESIGN and PROJECT"));
        editor.project.LoadProject(positional[2], TProject::WholeProject());
        editor.project.LoadProject(positional[1], TProject::DesignFile());
        editor.project.SaveProject(out, TProject::WholeProject());
        return ExitOk;
    }
    throw UsageError(QStringLiteral("design: unknown action \"%1\" (extract or apply)").arg(action));
}

} // namespace cli
