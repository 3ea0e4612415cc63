#include "app/TDesignWindowLink.h"

#include "app/TMainForm.h"
#include "layout/TPreviewForm.h"

#include <QAction>

void linkDesignWindow(TMainForm &mainForm, TPreviewForm &preview)
{
    TProject &project = mainForm.Project();
    preview.setMenuSource(&project.Tree());
    // A move or resize with the mouse is a step of the design document, made
    // at the release; without a document it still marks the project modified.
    preview.setOnModified([&project] { project.Changed(TCommandTree::tcData); });
    // Undo and redo work from the design window too, where the drags are made.
    preview.addAction(mainForm.AEditUndo);
    preview.addAction(mainForm.AEditRedo);
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

    mainForm.SetDesignView(&preview);
    // Whichever goes first, the project never calls a design window that is gone.
    QObject::connect(&preview, &QObject::destroyed, &project, [&project] { project.SetDesignView(nullptr); });
}
