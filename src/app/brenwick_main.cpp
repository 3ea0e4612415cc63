#include "app/QtTranslation.h"
#include "app/StartupOptions.h"
#include "app/TAutosave.h"
#include "app/TDesignGalleryLink.h"
#include "app/TDiscLink.h"
#include "app/TTrialLink.h"
#include "app/TFolderImportLink.h"
#include "app/THelpWindow.h"
#include "app/TLanguageMenu.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "app/TShellHooks.h"
#include "app/TTerminationSignal.h"
#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "base/LazyIcon.h"
#include "layout/TPreviewForm.h"
#include "kit/TProgressForm.h"

#include <QApplication>
#include <QTimer>
#include <QMenu>
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
    TTerminationSignal termination;   // from here on SIGTERM waits for the main window
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

    TMainForm mainForm(settingsPath);
    TPreviewForm preview;
    linkDesignWindow(mainForm, preview);
    linkDesignFile(mainForm, preview, *linkLayoutPage(mainForm, preview));
    TProgressForm progressForm(&mainForm);
    // The about box and the folder import's dialog are made when first asked
    // for, not at start-up; the dialog keeps its choices from then on.
    TFolderImportLink folderImport(mainForm, progressForm);
    TDiscLink discLink(mainForm, preview);
    TTrialLink trialLink(mainForm);
    TDesignGalleryLink galleryLink(mainForm);
    TLanguageMenu languageMenu(*mainForm.findChild<QMenu *>(QStringLiteral("MView")), settingsPath, language,
                               mainForm.Prompt());
    THelp help;
    shell::ConnectHelpAndAbout(mainForm, help);
    QObject::connect(&termination, &TTerminationSignal::Requested, &mainForm, &QWidget::close);
    mainForm.show();
    preview.show();
    mainForm.PlaceBesideDesign(preview.frameGeometry());
    shell::SetHelpContexts(mainForm);
    // Unsaved work of an earlier session first; the file named here asks on opening.
    QTimer::singleShot(0, &mainForm, [&mainForm, &options] { mainForm.Autosave().OfferAtStart(options.projectFile); });
    shell::OpenAtStart(mainForm, options.projectFile);
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
