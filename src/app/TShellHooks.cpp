#include "app/TShellHooks.h"

#include "app/TAboutForm.h"
#include "app/THelpWindow.h"
#include "app/TMainForm.h"
#include "kit/HelpContext.h"

#include <QPointer>
#include <QTimer>

namespace shell {

void SetHelpContexts(TMainForm &form)
{
    help::setHelpContext(&form, help::kMainWindow);
    help::setHelpContext(form.tsCommands, help::kCommandsPage);
    help::setHelpContext(form.tsLayout, help::kLayoutPage);
    help::setHelpContext(form.tsText, help::kOptionsPage);
    if (QWidget *tree = form.tsLayout->findChild<QWidget *>(QStringLiteral("ObjectTree")))
        help::setHelpKeyword(tree, QString::fromLatin1(help::kObjectTreeKeyword));
}

void ConnectHelpAndAbout(TMainForm &form, THelp &helpSystem)
{
    QObject::connect(&form, &TMainForm::AboutRequested, &form, [&form, about = QPointer<TAboutForm>()]() mutable {
        if (!about)
            about = new TAboutForm(&form);
        about->exec();
    });
    QObject::connect(&form, &TMainForm::HelpRequested, &helpSystem, [&helpSystem] { helpSystem.showContents(); });
    helpSystem.installF1Key();
}

void OpenAtStart(TMainForm &form, const QString &projectFile)
{
    if (projectFile.isEmpty())
        return;
    QPointer<TMainForm> target(&form);
    QTimer::singleShot(0, &form, [target, projectFile] {
        if (target)
            target->LoadProject(projectFile, TProject::WholeProject());
    });
}

} // namespace shell
