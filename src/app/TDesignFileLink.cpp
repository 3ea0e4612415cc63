#include "app/TDesignFileLink.h"

#include "app/TMainForm.h"
#include "layout/TDesignFileParts.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"

namespace {

struct TFileLink : QObject
{
    TFileLink(TMainForm &main, TPreviewForm &form, TLayoutEditor &buttons) : QObject(&main), parts(form, &buttons.Document()) {}
    TDesignFileParts parts;
};

} // namespace

void linkDesignFile(TMainForm &mainForm, TPreviewForm &preview, TLayoutEditor &buttons)
{
    TProject &project = mainForm.Project();
    auto *link = new TFileLink(mainForm, preview, buttons);
    project.SetDesignParts(&link->parts);
    // Whichever goes first, the project never writes a design window that is gone.
    QObject::connect(&preview, &QObject::destroyed, &project, [&project] { project.SetDesignParts(nullptr); });
    QObject::connect(link, &QObject::destroyed, &project, [&project] { project.SetDesignParts(nullptr); });
}
