#include "app/QtTranslation.h"
#include "app/cli/Cli.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {

// The tool's standard error carries only its own "brenwick-cli: ..." lines.
// Qt's notices about the environment (no runtime folder, no window masks on
// the offscreen platform) are dropped unless BRENWICK_QT_MESSAGES is set;
// critical and fatal messages always get through.
void filterQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg || qEnvironmentVariableIsSet("BRENWICK_QT_MESSAGES"))
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(filterQtMessages);
    // The tool draws without a screen (render) and never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // What the tool reports from the editor's work (the check's findings, the
    // test-run's log) follows the locale as the editor does; its own messages
    // are English whatever the locale (cli::run lays English over this).
    shell::InstallEditorTranslation(app, shell::LanguageOfLocale(QLocale::system()));

    QFile in;
    (void)in.open(stdin, QIODevice::ReadOnly);
    QTextStream out(stdout);
    QTextStream err(stderr);
    cli::Context ctx{out, err, in};
    const int status = cli::run(QCoreApplication::arguments(), ctx);
    out.flush();
    err.flush();
    return status;
}
