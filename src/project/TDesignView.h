#pragma once

#include <QString>

// The design window as the rest of the editor sees it. The main window talks to
// the design window only through this interface; until a design window exists,
// TNullDesignView stands in and does nothing.
class TDesignView
{
public:
    virtual ~TDesignView() = default;

    // Refills the menu area from the command tree's current level and tells the
    // heading the current group.
    virtual void RefreshMenu() = 0;
    // Puts a text into the comment area and repaints it.
    virtual void SetCommentText(const QString &text) = 0;
    // Shows and raises the design window.
    virtual void ShowPreview() = 0;
    // Hides the design window during a long operation (a folder import);
    // ShowPreview brings it back.
    virtual void HidePreview() {}
};

class TNullDesignView : public TDesignView
{
public:
    void RefreshMenu() override {}
    void SetCommentText(const QString &) override {}
    void ShowPreview() override {}
};
