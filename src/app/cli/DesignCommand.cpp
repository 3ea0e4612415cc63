#include "app/cli/Cli.h"

#include "app/cli/CliEditor.h"
#include "base/BrenwickError.h"
#include "project/TDesignGallery.h"
#include "project/TOptionsCommand.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace cli {

// brenwick-cli design extract PROJECT -o DESIGN.xml: what "Сохранить оформление"
// writes for the opened project.
// brenwick-cli design apply DESIGN PROJECT -o OUT: the project with the design
// file's options, design and buttons, as "Загрузить оформление" then Save would
// write it. DESIGN may also name a design of the gallery; its look then comes
// without its options (the project keeps its disc folder and about text).
// brenwick-cli design list: the gallery, one design a line: name, tab, title,
// tab, description; the author's own designs after the shipped ones.
int designCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "extract PROJECT -o DESIGN.xml: writes the project's design file (options, design, buttons).\n"
        "apply DESIGN PROJECT -o OUT: writes the project with the design file's options, design and buttons\n"
        "  (DESIGN may be a name from \"design list\").\n"
        "list: the gallery of designs: name, title and description, tab-separated."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("ACTION"), QStringLiteral("extract, apply or list"));
    parser.addPositionalArgument(QStringLiteral("FILES"), QStringLiteral("PROJECT, or DESIGN and PROJECT"),
                                 QStringLiteral("FILES..."));
    const QCommandLineOption outOption({QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("file to write"), QStringLiteral("OUT"));
    parser.addOption(outOption);
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional =
        positionalArguments(parser, 1, 3, QStringLiteral("design: expected extract PROJECT or apply DESIGN PROJECT"));
    if (positional[0] == QLatin1String("list")) {
        if (positional.size() != 1 || parser.isSet(outOption))
            throw UsageError(QStringLiteral("design list: takes no arguments"));
        for (const TGalleryDesign &d : TDesignGallery().Designs())
            ctx.out << d.name << '\t' << d.title << '\t' << d.description << '\n';
        return ExitOk;
    }
    if (positional.size() < 2)
        throw UsageError(QStringLiteral("design: expected extract PROJECT or apply DESIGN PROJECT"));
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
        const std::optional<TGalleryDesign> named =
            QFileInfo::exists(positional[1]) ? std::nullopt : TDesignGallery().Find(positional[1]);
        TProjectOptions kept;
        kept.Assign(editor.project.Options());
        editor.project.LoadProject(named ? named->fileName : positional[1], TProject::DesignFile());
        if (named && !kept.SameAs(editor.project.Options()))
            editor.project.Push(new TOptionsCommand(editor.project.Options(), kept));
        editor.project.SaveProject(out, TProject::WholeProject());
        return ExitOk;
    }
    throw UsageError(QStringLiteral("design: unknown action \"%1\" (extract, apply or list)").arg(action));
}

} // namespace cli
