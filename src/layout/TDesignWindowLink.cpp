#include "layout/TDesignWindowLink.h"

#include "app/TMainForm.h"
#include "layout/TDesignFileParts.h"
#include "layout/TPicButtonList.h"
#include "layout/TPreviewForm.h"

#include <QAction>

void linkDesignWindow(TMainForm &mainForm, TPreviewForm &preview)
{
    TProject &project = mainForm.Project();
    preview.setMenuSource(&project.Tree());
    preview.setOnModified([&project] { project.SetModified(true); });
    // The design window never keeps the program running on its own.
    preview.setAttribute(Qt::WA_QuitOnClose, false);

    preview.setDoubleBuffered(mainForm.ADoubleBuffer->isChecked());
    preview.setEnableSelect(mainForm.AEnableSelect->isChecked());
    preview.setShowSelection(mainForm.AShowSelection->isChecked());
    preview.setNoSelectText(mainForm.ANoSelectText->isChecked());
    QObject::connect(mainForm.ADoubleBuffer, &QAction::toggled, &preview, &TPreviewForm::setDoubleBuffered);
    QObject::connect(mainForm.AEnableSelect, &QAction::toggled, &preview, &TPreviewForm::setEnableSelect);
    QObject::connect(mainForm.AShowSelection, &QAction::toggled, &preview, &TPreviewForm::setShowSelection);
    QObject::connect(mainForm.ANoSelectText, &QAction::toggled, &preview,
                     [&preview](bool on) { preview.setNoSelectText(on); });

    // The design and the stand-alone buttons in the project file, living as
    // long as the design window.
    struct TFileLink : QObject
    {
        TFileLink(TPreviewForm &form) : QObject(&form), buttons(form), parts(form, &buttons) {}
        TPicButtonList buttons;
        TDesignFileParts parts;
    };
    auto *fileLink = new TFileLink(preview);
    project.SetDesignParts(&fileLink->parts);
    QObject::connect(fileLink, &QObject::destroyed, &project, [&project] { project.SetDesignParts(nullptr); });

    mainForm.SetDesignView(&preview);
    // Whichever goes first, the project never calls a design window that is gone.
    QObject::connect(&preview, &QObject::destroyed, &project, [&project] { project.SetDesignView(nullptr); });
}
