#include "layout/TDesignFileParts.h"

#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "window/TPictureSet.h"
#include "window/TStyledButton.h"
#include "xml/PictureBatch.h"
#include "xml/TXNode.h"
#include "xml/WindowDesign.h"

namespace {

QString L(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

bool FillsParent(const TSurface *control)
{
    return control && control->Align() == TSurface::alClient;
}

bool FillsParent(const TControlWrapper *object)
{
    return FillsParent(object->Control());
}

// The three text objects in the file's order.
struct TBoxPlace
{
    const char *element;
    TTextBoxRole role;
};
constexpr TBoxPlace kHeadingPlace{"toplabel", TTextBoxRole::Heading};
constexpr TBoxPlace kMenuPlace{"menubox", TTextBoxRole::Menu};
constexpr TBoxPlace kCommentPlace{"commentbox", TTextBoxRole::Plain};

} // namespace

TDesignFileParts::TDesignFileParts(TPreviewForm &form, TLayoutEditor *buttons) : m_form(form), m_buttons(buttons) {}

void TDesignFileParts::WriteDesign(TXNode &root)
{
    WriteWindow(*root.AddChild(L("window")), m_form);
    WriteImage(*root.AddChild(L("background")), *m_form.BackImage(), FillsParent(m_form.BackImage()));
    WriteImage(*root.AddChild(L("theme")), *m_form.ThemeImage(), FillsParent(m_form.ThemeImage()));
    const std::pair<TBoxPlace, TTextBox *> boxes[] = {
        {kHeadingPlace, m_form.Heading()}, {kMenuPlace, m_form.MenuArea()}, {kCommentPlace, m_form.CommentArea()}};
    for (const auto &[place, box] : boxes)
        WriteTextBox(*root.AddChild(L(place.element)), *box, place.role, FillsParent(box));
}

void TDesignFileParts::WriteButtons(TXNode &root)
{
    if (!m_buttons)
        return;
    for (TPicButton *button : m_buttons->PicButtons())
        WritePicButton(*root.AddChild(L("button")), *button, FillsParent(button));
}

TDesignParts::Apply TDesignFileParts::ReadDesign(TXNode &root)
{
    TPreviewForm &form = m_form;
    TDesignValues window = ReadWindow(*root.Child(L("window")));
    TDesignValues back = ReadImage(*root.Child(L("background")), FillsParent(form.BackImage()));
    TDesignValues theme = ReadImage(*root.Child(L("theme")), FillsParent(form.ThemeImage()));
    TDesignValues heading = ReadTextBox(*root.Child(L(kHeadingPlace.element)), kHeadingPlace.role,
                                        FillsParent(form.Heading()));
    TDesignValues menu = ReadTextBox(*root.Child(L(kMenuPlace.element)), kMenuPlace.role, FillsParent(form.MenuArea()));
    TDesignValues comment = ReadTextBox(*root.Child(L(kCommentPlace.element)), kCommentPlace.role,
                                        FillsParent(form.CommentArea()));
    return [&form, window, back, theme, heading, menu, comment] {
        window.ApplyTo(form);
        back.ApplyTo(*form.BackImage());
        theme.ApplyTo(*form.ThemeImage());
        heading.ApplyTo(*form.Heading());
        menu.ApplyTo(*form.MenuArea());
        comment.ApplyTo(*form.CommentArea());
    };
}

TDesignParts::Apply TDesignFileParts::ReadButtons(TXNode &root)
{
    // Only the document element's own children named exactly "button".
    QList<TDesignValues> buttons;
    for (TXNode *el = root.FirstChild(); el; el = el->Next())
        if (el->Name() == L("button"))
            buttons << ReadPicButton(*el, false);
    TLayoutEditor *host = m_buttons;
    return [host, buttons] {
        if (!host)
            return;
        host->DeleteAllPicButtons();
        for (const TDesignValues &values : buttons)
            values.ApplyTo(*host->CreatePicButton(QString()));
    };
}

void TDesignFileParts::ClearButtons()
{
    if (m_buttons)
        m_buttons->DeleteAllPicButtons();
}

void TDesignFileParts::EncodePictures(bool design, bool buttons)
{
    // In the order the writers meet them.
    QList<TPicture *> pictures;
    auto addSet = [&pictures](const TPictureSet *set) { pictures << set->Default() << set->Selected() << set->Pressed(); };
    if (design) {
        pictures << m_form.BackImage()->Picture() << m_form.ThemeImage()->Picture();
        addSet(m_form.MenuArea()->ButtonStyle()->Pictures());
    }
    if (buttons && m_buttons) {
        for (TPicButton *button : m_buttons->PicButtons())
            addSet(button->Pictures());
    }
    ::EncodePictures(pictures);
}
