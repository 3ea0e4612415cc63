#pragma once

#include "project/TDesignParts.h"

class TDesignDocument;
class TPreviewForm;

// The design window's and the stand-alone buttons' part of the project file:
// window, background, theme, toplabel, menubox and commentbox, then one button
// element per stand-alone button.
class TDesignFileParts : public TDesignParts
{
public:
    // Both must outlive this object. The design document keeps the stand-alone
    // buttons; without one none are written, and those read are dropped.
    TDesignFileParts(TPreviewForm &form, TDesignDocument *buttons);

    void WriteDesign(TXNode &root) override;
    void WriteButtons(TXNode &root) override;
    Apply ReadDesign(TXNode &root) override;
    Apply ReadButtons(TXNode &root) override;
    void ClearButtons() override;
    void EncodePictures(bool design, bool buttons) override;
    TKnownPictures KnownPictures() const override;
    bool AddNewDesign(TXNode &root) override;

private:
    // The pictures of the chosen parts, in the order the writers meet them.
    QList<TPicture *> Pictures(bool design, bool buttons) const;

    TPreviewForm &m_form;
    TDesignDocument *m_buttons;
};
