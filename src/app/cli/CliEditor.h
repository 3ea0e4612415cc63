#pragma once

#include "layout/TDesignFileParts.h"
#include "layout/TPicButtonList.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"

namespace cli {

// The editor without its main window: a project whose design lives in a
// design window that is never shown, with its stand-alone buttons, so that
// opening and saving carry the whole file as the editor does.
struct Editor
{
    TPreviewForm form;
    TPicButtonList buttons{form};
    TDesignFileParts parts{form, &buttons};
    TProject project;

    Editor()
    {
        form.hide();
        form.setMenuSource(&project.Tree());
        project.SetDesignParts(&parts);
        project.SetDesignView(&form);
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
