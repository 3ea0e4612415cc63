#include "app/TMainForm.h"
#include "layout/TDesignWindowLink.h"
#include "layout/TPreviewForm.h"

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
    mainForm.show();
    preview.show();
    return app.exec();
}
