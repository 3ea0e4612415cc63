#include "app/TDesignWindowLink.h"

#include "app/TMainForm.h"
#include "layout/TBoundsCommand.h"
#include "layout/TDesignFileParts.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"

#include <QAction>

void linkDesignWindow(TMainForm &mainForm, TPreviewForm &preview)
{
    TProject &project = mainForm.Project();
    preview.setMenuSource(&project.Tree());
    // A click inside the selection counts as an edit; a move or resize with
    // the mouse is one undo step, made at the release.
    preview.setOnModified([&project] { project.Changed(TCommandTree::tcData); });
    preview.setOnBoundsEdited([&project, &preview](QWidget *control, const QRect &before, const QRect &after) {
        project.UndoStack().push(new TBoundsCommand(preview, control, before, after));
    });
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

    // The stand-alone buttons and the design's part of the project file live
    // with the main window; the layout editor copes with the design window
    // going first.
    struct TFileLink : QObject
    {
        TFileLink(TPreviewForm &form, TMainForm &main)
            : QObject(&main), layout(form, main.Project(), main.Prompt()), parts(form, &layout)
        {
        }
        TLayoutEditor layout;
        TDesignFileParts parts;
    };
    auto *fileLink = new TFileLink(preview, mainForm);
    project.SetDesignParts(&fileLink->parts);
    QObject::connect(&preview, &QObject::destroyed, &project, [&project] { project.SetDesignParts(nullptr); });
    // The main window shows right after: the object tree and the default buttons.
    fileLink->layout.FormShow();

    mainForm.SetDesignView(&preview);
    // Whichever goes first, the project never calls a design window that is gone.
    QObject::connect(&preview, &QObject::destroyed, &project, [&project] { project.SetDesignView(nullptr); });
}
