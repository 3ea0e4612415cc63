#include "app/cli/Cli.h"

#include <QApplication>
#include <QFile>

int main(int argc, char **argv)
{
    // The tool draws without a screen (render) and never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

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
