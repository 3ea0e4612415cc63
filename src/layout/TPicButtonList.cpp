#include "layout/TPicButtonList.h"

#include "layout/TPreviewForm.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

struct TPicButtonList::TOwned
{
    std::unique_ptr<TImageEx> image;
    std::unique_ptr<TPicButton> button;

    ~TOwned()
    {
        button.reset();   // the button unhooks itself from its control first
        image.reset();
    }
};

TPicButtonList::TPicButtonList(TPreviewForm &form) : m_form(form) {}

TPicButtonList::~TPicButtonList() = default;

QList<TPicButton *> TPicButtonList::PicButtons() const
{
    QList<TPicButton *> list;
    for (const auto &owned : m_buttons)
        list << owned->button.get();
    return list;
}

TPicButton *TPicButtonList::CreatePicButton(const QString &caption)
{
    auto owned = std::make_unique<TOwned>();
    owned->image = std::make_unique<TImageEx>();
    owned->button = std::make_unique<TPicButton>(owned->image.get(), caption);
    m_form.placePictureControl(owned->image.get());
    TPicButton *button = owned->button.get();
    m_buttons.push_back(std::move(owned));
    return button;
}

void TPicButtonList::DeleteAllPicButtons()
{
    m_buttons.clear();
}
