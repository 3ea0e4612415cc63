#pragma once

#include "layout/TPicButtonHost.h"

#include <memory>
#include <vector>

class TImageEx;
class TPreviewForm;

// Stand-alone buttons kept without an object tree (the command-line tool):
// each button with its picture control, placed in the design window, freed together.
class TPicButtonList : public TPicButtonHost
{
public:
    explicit TPicButtonList(TPreviewForm &form);
    ~TPicButtonList() override;

    QList<TPicButton *> PicButtons() const override;
    TPicButton *CreatePicButton(const QString &caption) override;
    void DeleteAllPicButtons() override;

private:
    struct TOwned;
    TPreviewForm &m_form;
    std::vector<std::unique_ptr<TOwned>> m_buttons;
};
