#pragma once

#include "kit/UserPrompt.h"
#include "layout/TDesignFileParts.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"

namespace cli {

// The editor without its main window: a project whose design lives in a
// design window that is never shown, with the layout editor's stand-alone
// buttons (the three default ones to begin with), so that opening and saving
// carry the whole file as the editor does.
struct Editor
{
    // Nobody is there to answer: every question is cancelled.
    struct Silent : UserPrompt
    {
        Answer ask(const QString &, const QString &, Buttons, Icon) override { return Answer::Cancel; }
        QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
        QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return {}; }
        QString folder(const QString &, const QString &) override { return {}; }
    };

    Silent prompt;
    TPreviewForm form;
    TProject project;
    TLayoutEditor layout{form, project, prompt};
    TDesignFileParts parts{form, &layout};

    Editor()
    {
        form.hide();
        form.setMenuSource(&project.Tree());
        project.SetDesignParts(&parts);
        project.SetDesignView(&form);
        layout.FormShow();
    }
    ~Editor()
    {
        project.SetDesignView(nullptr);
        project.SetDesignParts(nullptr);
    }
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;
};

} // namespace cli
