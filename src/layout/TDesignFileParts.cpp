#include "layout/TDesignFileParts.h"

#include "base/TextLiterals.h"
#include "base/BrenwickError.h"
#include "layout/TDesignSession.h"
#include "layout/TDesignDocument.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "window/TPictureSet.h"
#include "window/TStyledButton.h"
#include "xml/PictureBatch.h"
#include "xml/TXNode.h"
#include "xml/WindowDesign.h"

namespace {

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

// The elements a design consists of: a file with none of them is a command list.
const char *const kDesignElements[] = {"window", "background", "theme", "toplabel", "menubox", "commentbox", "button"};

// Reads one design element, naming it in a failure.
template <typename F>
TDesignValues ReadElement(TXNode &root, const QString &name, F &&read)
{
    return InElement(name, [&] { return read(*root.Child(name)); });
}

} // namespace

TDesignFileParts::TDesignFileParts(TPreviewForm &form, TDesignDocument *buttons) : m_form(form), m_buttons(buttons) {}

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
    for (TPicButton *button : m_buttons->Buttons())
        WritePicButton(*root.AddChild(L("button")), *button, FillsParent(button));
}

bool TDesignFileParts::AddNewDesign(TXNode &root)
{
    for (const char *name : kDesignElements)
        if (root.FindChild(L(name)))
            return false;
    // The design and the default buttons of a project just begun, written
    // from a design window of its own as a save would write them.
    TDesignSession fresh;
    fresh.parts.WriteDesign(root);
    fresh.parts.WriteButtons(root);
    return true;
}

TDesignParts::Apply TDesignFileParts::ReadDesign(TXNode &root)
{
    TPreviewForm &form = m_form;
    TDesignValues window = ReadElement(root, L("window"), [](TXNode &el) { return ReadWindow(el); });
    TDesignValues back = ReadElement(root, L("background"),
                                     [&](TXNode &el) { return ReadImage(el, FillsParent(form.BackImage())); });
    TDesignValues theme = ReadElement(root, L("theme"),
                                      [&](TXNode &el) { return ReadImage(el, FillsParent(form.ThemeImage())); });
    auto readBox = [&](const TBoxPlace &place, TTextBox *box) {
        return ReadElement(root, L(place.element),
                           [&](TXNode &el) { return ReadTextBox(el, place.role, FillsParent(box)); });
    };
    TDesignValues heading = readBox(kHeadingPlace, form.Heading());
    TDesignValues menu = readBox(kMenuPlace, form.MenuArea());
    TDesignValues comment = readBox(kCommentPlace, form.CommentArea());
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
            buttons << InElement(QStringLiteral("button[%1]").arg(buttons.size() + 1),
                                 [&] { return ReadPicButton(*el, false); });
    TDesignDocument *host = m_buttons;
    return [host, buttons] {
        if (!host)
            return;
        host->DeleteAllButtons();
        for (const TDesignValues &values : buttons)
            values.ApplyTo(*host->CreateButton(QString()));
    };
}

void TDesignFileParts::ClearButtons()
{
    if (m_buttons)
        m_buttons->DeleteAllButtons();
}

QList<TPicture *> TDesignFileParts::Pictures(bool design, bool buttons) const
{
    QList<TPicture *> pictures;
    auto addSet = [&pictures](const TPictureSet *set) { pictures << set->Default() << set->Selected() << set->Pressed(); };
    if (design) {
        pictures << m_form.BackImage()->Picture() << m_form.ThemeImage()->Picture();
        addSet(m_form.MenuArea()->ButtonStyle()->Pictures());
    }
    if (buttons && m_buttons) {
        for (TPicButton *button : m_buttons->Buttons())
            addSet(button->Pictures());
    }
    return pictures;
}

void TDesignFileParts::EncodePictures(bool design, bool buttons)
{
    ::EncodePictures(Pictures(design, buttons));
}

TKnownPictures TDesignFileParts::KnownPictures() const
{
    return ::KnownPictures(Pictures(true, true));
}
