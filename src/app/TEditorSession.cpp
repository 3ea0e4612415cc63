#include "app/TEditorSession.h"

#include "app/TAutosave.h"
#include "app/TDesignFileLink.h"
#include "app/TDesignGalleryLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TDiscLink.h"
#include "app/TFolderImportLink.h"
#include "app/THelpWindow.h"
#include "app/TLanguageMenu.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "app/TShellHooks.h"
#include "app/TTerminationSignal.h"
#include "app/TTrialLink.h"
#include "layout/TPreviewForm.h"
#include "kit/TProgressForm.h"

#include "app/TSettingsFile.h"
#include "app/WindowPlace.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace {

const char *const kDesignLeftKey = "designleft";
const char *const kDesignTopKey = "designtop";

// The main window and the design window, bound to each other.
struct TLinkedWindows
{
    explicit TLinkedWindows(const QString &settingsPath) : mainForm(settingsPath)
    {
        linkDesignWindow(mainForm, preview);
        linkDesignFile(mainForm, preview, *linkLayoutPage(mainForm, preview));
    }

    TMainForm mainForm;
    TPreviewForm preview;
};

} // namespace

// In the order of making; they go in the reverse order.
struct TEditorSession::TParts
{
    TParts(const QString &settingsPath, shell::TLanguage language)
        : windows(settingsPath), mainForm(windows.mainForm), preview(windows.preview), progressForm(&mainForm),
          folderImport(mainForm, progressForm), discLink(mainForm, preview), trialLink(mainForm),
          galleryLink(mainForm),
          languageMenu(*mainForm.findChild<QMenu *>(QStringLiteral("MView")), settingsPath, language,
                       mainForm.Prompt())
    {
    }

    TTerminationSignal termination;   // from here on SIGTERM and SIGINT wait for the main window
    TLinkedWindows windows;
    TMainForm &mainForm;
    TPreviewForm &preview;
    // The about box and the folder import's dialog are made when first asked
    // for, not at start-up; the dialog keeps its choices from then on.
    TProgressForm progressForm;
    TFolderImportLink folderImport;
    TDiscLink discLink;
    TTrialLink trialLink;
    TDesignGalleryLink galleryLink;
    TLanguageMenu languageMenu;
    THelp help;
};

TEditorSession::TEditorSession(const QString &settingsPath, shell::TLanguage language)
    : m_parts(std::make_unique<TParts>(settingsPath, language)), m_settingsPath(settingsPath)
{
    TMainForm &main = m_parts->mainForm;
    shell::ConnectHelpAndAbout(main, m_parts->help);
    connect(&main, &TMainForm::Closed, this, &TEditorSession::Finish);
    connect(&m_parts->termination, &TTerminationSignal::Requested, this, [this] {
        if (m_finished)
            QCoreApplication::quit();
        else
            m_parts->mainForm.CloseKeepingCopy();
    });
}

TEditorSession::~TEditorSession() = default;

TMainForm &TEditorSession::MainForm()
{
    return m_parts->mainForm;
}

TPreviewForm &TEditorSession::Preview()
{
    return m_parts->preview;
}

TTrialLink &TEditorSession::Trial()
{
    return m_parts->trialLink;
}

THelp &TEditorSession::Help()
{
    return m_parts->help;
}

void TEditorSession::Start(const QString &projectFile)
{
    TMainForm &main = m_parts->mainForm;
    TPreviewForm &preview = m_parts->preview;
    {
        // Where the user left the design window.
        QSettings settings(m_settingsPath, settings_file::Format());
        settings.beginGroup(QStringLiteral("window"));
        bool okLeft = false, okTop = false;
        const int left = settings.value(QLatin1String(kDesignLeftKey)).toInt(&okLeft);
        const int top = settings.value(QLatin1String(kDesignTopKey)).toInt(&okTop);
        if (okLeft && okTop)
            preview.move(left, top);
    }
    main.show();
    preview.show();
    main.PlaceBesideDesign(preview.frameGeometry());
    ArrangeWindows();
    preview.installEventFilter(this);
    shell::SetHelpContexts(main);
    // Unsaved work of an earlier session first; the file named here asks on opening.
    QTimer::singleShot(0, &main, [&main, projectFile] { main.Autosave().OfferAtStart(projectFile); });
    shell::OpenAtStart(main, projectFile);
}

void TEditorSession::ArrangeWindows()
{
    TMainForm &main = m_parts->mainForm;
    TPreviewForm &preview = m_parts->preview;
    const QScreen *screen = main.screen();
    if (!screen || !main.isVisible())
        return;
    const QRect design = preview.frameGeometry();
    const shell::TWindowPlaces places =
        shell::ArrangeWindows(screen->availableGeometry(), main.frameGeometry(), design.size(), design.topLeft());
    if (places.main != main.frameGeometry().topLeft())
        main.move(places.main);
    if (places.design != design.topLeft())
        preview.move(places.design);
}

bool TEditorSession::eventFilter(QObject *watched, QEvent *event)
{
    // Shown, or made larger by a design (not by the user's own drag).
    if (watched == &m_parts->preview
        && (event->type() == QEvent::Show
            || (event->type() == QEvent::Resize && QGuiApplication::mouseButtons() == Qt::NoButton)))
        ArrangeWindows();
    return QObject::eventFilter(watched, event);
}

void TEditorSession::Finish()
{
    // The main window owns the run: whatever else is open goes with it.
    m_finished = true;
    {
        QSettings settings(m_settingsPath, settings_file::Format());
        settings.beginGroup(QStringLiteral("window"));
        settings.setValue(QLatin1String(kDesignLeftKey), m_parts->preview.x());
        settings.setValue(QLatin1String(kDesignTopKey), m_parts->preview.y());
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &m_parts->mainForm && window->isVisible())
            window->close();
    }
    QCoreApplication::quit();
}
