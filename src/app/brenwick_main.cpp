#include "app/QtTranslation.h"
#include "app/StartupOptions.h"
#include "app/TEditorSession.h"
#include "app/TMainForm.h"
#include "base/LazyIcon.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

int printAndExit(const StartupOptions &options)
{
    std::fputs(options.message.toLocal8Bit().constData(), options.exitCode == 0 ? stdout : stderr);
    return options.exitCode;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const StartupOptions info = StartupOptions::parseInfoRequest(rawArguments);
    if (info.outcome == StartupOptions::Outcome::Exit)
        return printAndExit(info);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brenwick"));
    // No application display name: on X11 Qt would append it to every window
    // title, and the design window must show exactly the player's caption.
    QApplication::setApplicationVersion(QStringLiteral(BRENWICK_VERSION));
    QApplication::setWindowIcon(icons::Program());
    QGuiApplication::setDesktopFileName(QStringLiteral("brenwick"));
    // The interface language: the user's choice in "Вид" → "Язык", else the locale's.
    const QString settingsPath = TMainForm::DefaultSettingsPath();
    const shell::TLanguage language = shell::StartupLanguage(settingsPath, QLocale::system());
    shell::InstallEditorTranslation(app, language);
    shell::InstallQtTranslation(app, language);   // without the file Qt's dialogs stay English

    const StartupOptions options = StartupOptions::parse(QApplication::arguments());
    if (options.outcome == StartupOptions::Outcome::Exit)
        return printAndExit(options);

    TEditorSession session(settingsPath, language);
    session.Start(options.projectFile);
    // For the start-up timing (bench/startup.cpp): say so once the main window
    // is up and the recovery folder looked at, and end.
    if (qEnvironmentVariableIsSet("BRENWICK_STARTUP_PROBE"))
        QTimer::singleShot(0, &app, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    return app.exec();
}
