#include "app/cli/Cli.h"

#include "base/BrenwickError.h"
#include "app/cli/CliEditor.h"
#include "window/DrawText.h"

#include <QCommandLineParser>
#include <QSaveFile>

namespace cli {

// brenwick-cli render [PROJECT] -o OUT.png [--item N]: draws the design window's
// client area as the editor paints it, without the selection frame.
int renderCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the menu window of a project (or of a new project) as a PNG."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("project file to open (optional)"),
                                 QStringLiteral("[PROJECT]"));
    const QCommandLineOption outOption({QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("PNG file to write"), QStringLiteral("OUT.png"));
    const QCommandLineOption itemOption(QStringLiteral("item"),
                                       QStringLiteral("number of the command to make current (default: the first)"),
                                       QStringLiteral("N"));
    parser.addOption(outOption);
    parser.addOption(itemOption);
    if (!parser.parse(args))
        throw UsageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        ctx.out << parser.helpText();
        return ExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        throw UsageError(QStringLiteral("render: at most one PROJECT"));
    if (!parser.isSet(outOption) || parser.value(outOption).isEmpty())
        throw UsageError(QStringLiteral("render: -o OUT.png is required"));
    int item = 0;
    if (parser.isSet(itemOption)) {
        bool ok = false;
        item = parser.value(itemOption).toInt(&ok);
        if (!ok)
            throw UsageError(QStringLiteral("render: --item needs a whole number"));
        if (positional.isEmpty())
            throw UsageError(QStringLiteral("render: --item needs a PROJECT"));
    }
    // A new project, as the editor starts, or the file opened as Open does it
    // (which makes the first command current).
    Editor editor;
    TPreviewForm &form = editor.form;
    TProject &project = editor.project;
    if (!positional.isEmpty()) {
        project.LoadProject(positional.first(), TProject::WholeProject());
        if (parser.isSet(itemOption)) {
            TBaseItem *current = project.Tree().FindById(item);
            if (!current)
                throw BrenwickError(QStringLiteral("render: the project has no command numbered %1").arg(item));
            project.Tree().Select(current);
        }
    }
    // The picture shows what the editor paints, in the locale's language (the
    // menu's placeholders), as the editor's window does.
    const ReportLanguage paintedInTheLocalesLanguage;
    project.RefreshDesign();
    // The window is never shown here: fill its menu as a visible one would be.
    form.fillMenu();
    // BRENWICK_TEXT_CELLS=1: the text runs drawn go to OUT.png.texts, "x y text"
    // a line, as the player writes its own for comparing the two drawings.
    QList<TTextRun> runs;
    const bool recordRuns = qEnvironmentVariableIntValue("BRENWICK_TEXT_CELLS") == 1;
    if (recordRuns)
        SetTextRunRecord(&runs);
    const QImage image = form.renderClient(false);
    SetTextRunRecord(nullptr);

    const QString outName = parser.value(outOption);
    QSaveFile file(outName);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(outName));
    if (recordRuns) {
        QSaveFile texts(outName + QStringLiteral(".texts"));
        QByteArray lines;
        for (const TTextRun &run : std::as_const(runs))
            lines += QByteArray::number(run.x) + ' ' + QByteArray::number(run.y) + ' ' + run.text.toUtf8() + '\n';
        if (!texts.open(QIODevice::WriteOnly) || texts.write(lines) != lines.size() || !texts.commit())
            throw BrenwickError(QStringLiteral("Cannot create file %1").arg(texts.fileName()));
    }
    return ExitOk;
}

} // namespace cli
