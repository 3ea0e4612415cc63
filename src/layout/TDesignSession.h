#pragma once

#include "base/UserPrompt.h"
#include "layout/TDesignFileParts.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"

// The design side of the editor without its main window: a project whose
// design lives in a design window that is never shown, with the design
// document's stand-alone buttons (the three default ones to begin with) and the
// design's part of the project file, so that opening and saving carry the
// whole file as the editor does. Nobody is there to answer: every question
// is cancelled. The command line, the test-run and a new project's design
// each run on one.
class TDesignSession
{
public:
    // Answers every question with Cancel and every dialog with nothing.
    struct TSilentPrompt : UserPrompt
    {
        Answer ask(const QString &, const QString &, Buttons, Icon) override { return Answer::Cancel; }
        QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
        QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return {}; }
        QString folder(const QString &, const QString &) override { return {}; }
    };

    // withDesignView: the project also refreshes this design window's menu
    // and comment area as the editor's does.
    explicit TDesignSession(bool withDesignView = false);
    ~TDesignSession();
    TDesignSession(const TDesignSession &) = delete;
    TDesignSession &operator=(const TDesignSession &) = delete;

    TSilentPrompt prompt;
    TPreviewForm form;
    TProject project;
    TLayoutEditor layout{form, project, prompt};
    TDesignFileParts parts{form, &layout.Document()};
};
