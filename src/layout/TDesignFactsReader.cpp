#include "layout/TDesignFactsReader.h"

#include "layout/TPreviewForm.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TFont.h"
#include "window/TPicButton.h"
#include "window/TTextBox.h"

#include <QCoreApplication>

namespace {

// An object's name in the check's findings: the object tree's caption in quotes.
QString Quoted(const char *caption)
{
    return QCoreApplication::translate("TDesignFactsReader", "«%1»")
        .arg(QCoreApplication::translate("TDesignFactsReader", caption));
}

TDesignFacts::Object PictureFacts(TImageEx *image, const QString &caption, QObject *object)
{
    TDesignFacts::Object o;
    o.object = object;
    o.caption = caption;
    o.bounds = image->geometry();
    o.visible = image->Visible();
    if (!image->Picture()->isEmpty())
        o.picture = QSize(image->Picture()->width(), image->Picture()->height());
    o.pictureScaled = image->Stretch();
    return o;
}

TDesignFacts::Object WrapperFacts(TControlWrapper *wrapper, const QString &caption)
{
    TDesignFacts::Object o;
    o.object = wrapper;
    o.caption = caption;
    o.bounds = QRect(wrapper->Left(), wrapper->Top(), wrapper->Width(), wrapper->Height());
    o.visible = wrapper->Visible();
    return o;
}

} // namespace

QList<TPicButton *> FindPicButtons(TPreviewForm &form, const QList<QObject *> &owners)
{
    QList<TPicButton *> found = form.findChildren<TPicButton *>();
    for (QObject *owner : owners)
        found += owner->findChildren<TPicButton *>();
    QList<TPicButton *> ordered;
    for (TImageEx *control : form.pictureControls()) {
        for (TPicButton *button : found) {
            if (button->Image() == control && !ordered.contains(button))
                ordered.append(button);
        }
    }
    return ordered;
}

TDesignFacts ReadDesignFacts(TPreviewForm &form, const QList<TPicButton *> &buttons)
{
    TDesignFacts facts;
    facts.client = QSize(form.ClientWidth(), form.ClientHeight());
    facts.window = &form;
    facts.caption = form.Caption();
    facts.captionIsDefault = form.Caption() == TPreviewForm::DefaultCaption();
    // The names are the object tree's captions.
    facts.objects.append(
        PictureFacts(form.BackImage(), Quoted(QT_TRANSLATE_NOOP("TDesignFactsReader", "Фоновая картинка")), form.BackImage()));
    facts.objects.append(
        PictureFacts(form.ThemeImage(), Quoted(QT_TRANSLATE_NOOP("TDesignFactsReader", "Картинка в тему")), form.ThemeImage()));
    facts.objects.append(
        WrapperFacts(form.Heading(), Quoted(QT_TRANSLATE_NOOP("TDesignFactsReader", "Надпись наверху"))));
    facts.objects.append(
        WrapperFacts(form.CommentArea(), Quoted(QT_TRANSLATE_NOOP("TDesignFactsReader", "Комментарий"))));
    facts.menuIndex = int(facts.objects.size());
    facts.objects.append(
        WrapperFacts(form.MenuArea(), Quoted(QT_TRANSLATE_NOOP("TDesignFactsReader", "Область меню"))));
    facts.menuRowHeight = form.MenuArea()->MeasureItem(TButtonBox::kRowSample).height();
    // The menu's buttons may write with a font of their own.
    const TFont *menuFont = form.MenuArea()->Font();
    if (const TStyledButton *style = form.MenuArea()->ButtonStyle(); style && style->Font()
        && (!menuFont || menuFont->Name() != style->Font()->Name() || menuFont->Charset() != style->Font()->Charset()))
        facts.fonts.append({facts.objects.last().object, facts.objects.last().caption, style->Font()->Name(),
                            style->Font()->Charset()});
    for (qsizetype i = 2; i < facts.objects.size(); ++i) {
        const auto *box = qobject_cast<TTextBox *>(facts.objects.at(i).object);
        if (box && box->Font())
            facts.fonts.append({facts.objects.at(i).object, facts.objects.at(i).caption, box->Font()->Name(),
                                box->Font()->Charset()});
    }
    for (TPicButton *button : buttons) {
        if (!button || !button->Image())
            continue;
        const QString caption =
            QCoreApplication::translate("TDesignFactsReader", "кнопка «%1»").arg(button->Caption());
        facts.objects.append(PictureFacts(button->Image(), caption, button));
        facts.buttons.append({button, caption, button->Action() == TPicButton::baExecute, button->ItemID(),
                              button->Action() == TPicButton::baLevelUp, button->Image()->Visible()});
        if (button->Font())
            facts.fonts.append({button, caption, button->Font()->Name(), button->Font()->Charset()});
    }
    return facts;
}
