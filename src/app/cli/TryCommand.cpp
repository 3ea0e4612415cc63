#include "app/cli/Cli.h"

#include "base/BrenwickError.h"
#include "layout/TTrialDesign.h"
#include "project/TMenuRunScript.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace cli {

namespace {

void SavePicture(const QImage &image, const QString &dir, int index)
{
    const QString name = QDir(dir).filePath(QStringLiteral("%1.png").arg(index, 3, 10, QLatin1Char('0')));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(name));
}

} // namespace

// brenwick-cli try PROJECT [--disc DIR] [--answer yes|no] [--render DIR] STEP...
int tryCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs a project's menu as a visitor would, without a window: a state line for the start and, after\n"
        "each step, the step's log lines (log:, ask:) and the new state line.\n"
        "Steps: the keys down, up, enter, escape, backspace, left (backspace and left go up one\n"
        "level, escape too and at the top it closes), close (the window's cross), entry:N (the menu's\n"
        "entry numbered N), button:CAPTION (the stand-alone button with that caption).\n"
        "Status 0, 1 for a project that cannot be read, 2 for a bad step."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("the project file"));
    parser.addPositionalArgument(QStringLiteral("STEP"), QStringLiteral("the visitor's steps, in order"),
                                 QStringLiteral("STEP..."));
    const QCommandLineOption discOption(QStringLiteral("disc"),
                                        QStringLiteral("the disc folder (default: the project's own)"),
                                        QStringLiteral("DIR"));
    const QCommandLineOption answerOption(QStringLiteral("answer"),
                                          QStringLiteral("the answer to every question: yes (default) or no"),
                                          QStringLiteral("yes|no"), QStringLiteral("yes"));
    const QCommandLineOption renderOption(QStringLiteral("render"),
                                          QStringLiteral("write each state's picture as 000.png, 001.png, ..."),
                                          QStringLiteral("DIR"));
    parser.addOption(discOption);
    parser.addOption(answerOption);
    parser.addOption(renderOption);
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional =
        positionalArguments(parser, 1, std::numeric_limits<int>::max(), QStringLiteral("try: expected a PROJECT"));
    const QString answer = parser.value(answerOption);
    if (answer != QLatin1String("yes") && answer != QLatin1String("no"))
        throw UsageError(QStringLiteral("try: --answer is yes or no"));
    const QString renderDir = parser.value(renderOption);
    if (!renderDir.isEmpty() && !QDir().mkpath(renderDir))
        throw BrenwickError(QStringLiteral("Cannot create folder %1").arg(renderDir));

    // The bytes of the file, read by the same reader as the editor's Open.
    const QString fileName = positional.constFirst();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw BrenwickError(QStringLiteral("Cannot open the file: ") + fileName);
    TTrialDesign design(file.readAll());
    const std::unique_ptr<TMenuRun> run = design.MakeRun(QFileInfo(fileName).absoluteFilePath(),
                                                         parser.value(discOption));
    const bool yes = answer == QLatin1String("yes");
    run->SetAsker([yes](const QString &) { return yes; });

    // The log is in the locale's language, as the editor's test-run window shows it.
    const ReportLanguage logInTheLocalesLanguage;
    int pictures = 0;
    auto printState = [&] {
        ctx.out << TMenuRunScript::StateLine(*run) << '\n';
        if (!renderDir.isEmpty()) {
            design.Show(*run);
            SavePicture(design.Render(), renderDir, pictures++);
        }
    };
    printState();
    const QStringList steps = positional.mid(1);
    for (int i = 0; i < steps.size(); ++i) {
        const qsizetype before = run->Log().size();
        const QString error = TMenuRunScript::Step(*run, steps.at(i));
        if (!error.isEmpty()) {
            ctx.out.flush();
            throw UsageError(QStringLiteral("try: step %1 \"%2\": %3").arg(i + 1).arg(steps.at(i), error));
        }
        for (const QString &line : TMenuRunScript::LogLines(*run, before))
            ctx.out << line << '\n';
        printState();
    }
    return ExitOk;
}

} // namespace cli
