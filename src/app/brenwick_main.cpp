#include "app/TFolderImportLink.h"
#include "app/TMainForm.h"
#include "layout/TDesignWindowLink.h"
#include "layout/TPreviewForm.h"
#include "project/TAddFolderForm.h"
#include "project/TProgressForm.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brenwick"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(TMainForm::kTitle));
    QApplication::setApplicationVersion(QStringLiteral(BRENWICK_VERSION));

    TMainForm mainForm(TMainForm::DefaultSettingsPath());
    TPreviewForm preview;
    linkDesignWindow(mainForm, preview);
    // The folder import's dialogs live until the program ends, keeping their choices.
    TAddFolderForm addFolderForm(mainForm.Prompt(), &mainForm);
    TProgressForm progressForm(&mainForm);
    TFolderImportLink folderImport(mainForm, addFolderForm, progressForm);
    mainForm.show();
    preview.show();
    return app.exec();
}
