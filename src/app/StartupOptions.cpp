#include "app/StartupOptions.h"

#include <QFileInfo>

namespace {

constexpr int kUsageExit = 2;

QString usage()
{
    return QStringLiteral(
        "Usage: brenwick [FILE]\n"
        "Starts the Velmora Brenwick editor; with FILE, opens that project file at start.\n"
        "\n"
        "  --help       show this text\n"
        "  --version    show the version\n");
}

StartupOptions exitWith(int code, const QString &message)
{
    StartupOptions options;
    options.outcome = StartupOptions::Outcome::Exit;
    options.exitCode = code;
    options.message = message;
    return options;
}

} // namespace

StartupOptions StartupOptions::parseInfoRequest(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("--version"))
            return parse({arguments.first(), arg});
    }
    return {};
}

StartupOptions StartupOptions::parse(const QStringList &arguments)
{
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            return exitWith(0, usage());
        } else if (!optionsEnded && arg == QLatin1String("--version")) {
            return exitWith(0, QStringLiteral("brenwick %1\n").arg(QStringLiteral(BRENWICK_VERSION)));
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            // Qt's own options (-style, -platform...) are taken out before this runs.
            return exitWith(kUsageExit, QStringLiteral("brenwick: unknown option %1\n").arg(arg) + usage());
        } else {
            files << arg;
        }
    }
    if (files.size() > 1)
        return exitWith(kUsageExit, QStringLiteral("brenwick: only one project file can be opened\n") + usage());

    StartupOptions options;
    if (!files.isEmpty() && !files.first().isEmpty())
        options.projectFile = QFileInfo(files.first()).absoluteFilePath();
    return options;
}
