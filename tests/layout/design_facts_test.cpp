#include "layout/TDesignFactsReader.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"
#include "window/TButtonBox.h"
#include "window/TFont.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QStringList Lines(const TProject &project, const TDesignFacts &design)
{
    QStringList lines;
    for (const TFinding &f : TProjectCheck::Run(project, QString(), &design))
        if (f.severity != TFinding::fsInfo)
            lines << f.Line();
    lines.removeFirst();   // no disc folder
    return lines;
}

TEST(DesignFacts, TheLiveDesignWindowAndItsButtonsAreChecked)
{
    TPreviewForm form;
    TProject project;
    TBaseItem *item = project.Tree().AddItem(QStringLiteral("Go"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr));
    project.Tree().SetCustom(item, QStringLiteral("http://example.org/"));
    // The editor's starting design is sound but for the title, the design window's own.
    EXPECT_EQ(Lines(project, ReadDesignFacts(form, {})),
              QStringList({QString::fromUtf8("предупреждение: «Окно»: «Заголовок» окна всё ещё «Предварительный "
                                             "просмотр»: автозапуск покажет его в заголовке меню")}));
    form.setCaption(QStringLiteral("Menu"));
    EXPECT_EQ(Lines(project, ReadDesignFacts(form, {})), QStringList());

    auto *image = new TImageEx;
    form.placePictureControl(image);
    TPicButton button(image, QString::fromUtf8("Выход"));
    button.setAutoSize(false);
    button.setItemID(item->Id() + 1);
    QImage big(form.ClientWidth() + 1, 10, QImage::Format_RGB32);
    big.fill(Qt::red);
    image->Picture()->setBitmap(big);
    image->setGeometry(form.ClientWidth() + 5, 0, 20, 20);
    form.MenuArea()->setHeight(form.MenuArea()->MeasureItem(TButtonBox::kRowSample).height() - 1);

    const TDesignFacts facts = ReadDesignFacts(form, {&button});
    // The button's own font is shown here with a stand-in, and the check says so.
    const QList<TFinding> all = TProjectCheck::Run(project, QString(), &facts);
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const TFinding &f) {
        return f.severity == TFinding::fsInfo && f.text.contains(QStringLiteral("MS Sans Serif"));
    }));
    EXPECT_EQ(Lines(project, facts), QStringList({
        QString::fromUtf8("ошибка: кнопка «Выход»: «Пункт меню» 2 не указывает ни на одну команду"),
        QString::fromUtf8("ошибка: «Область меню»: в области меню нет места ни для одной кнопки"),
        QString::fromUtf8("предупреждение: кнопка «Выход»: объект целиком за пределами окна"),
        QString::fromUtf8("предупреждение: кнопка «Выход»: картинка %1×10 больше окна %2×%3")
            .arg(form.ClientWidth() + 1).arg(form.ClientWidth()).arg(form.ClientHeight()),
    }));
    button.setItemID(item->Id());
    image->setGeometry(0, 0, 20, 20);
    image->setStretch(true);
    EXPECT_EQ(Lines(project, ReadDesignFacts(form, {&button})).size(), 1);
    delete image;
}

TEST(DesignFacts, FontsAndUpButtonsAreRead)
{
    TPreviewForm form;
    form.Heading()->Font()->setName(QStringLiteral("URW Bookman"));
    auto *image = new TImageEx;
    form.placePictureControl(image);
    TPicButton button(image, QStringLiteral("Up"));
    button.setAction(TPicButton::baLevelUp);
    button.Font()->setName(QStringLiteral("Comic Neue"));
    image->setVisible(false);
    const TDesignFacts facts = ReadDesignFacts(form, {&button});
    ASSERT_EQ(facts.buttons.size(), 1);
    EXPECT_TRUE(facts.buttons.first().levelUp);
    EXPECT_FALSE(facts.buttons.first().visible);
    QStringList families;
    for (const TDesignFacts::Font &f : facts.fonts)
        families << f.family;
    EXPECT_EQ(families.size(), 4);   // heading, comment, menu, the button
    EXPECT_EQ(families.first(), QStringLiteral("URW Bookman"));
    EXPECT_EQ(facts.fonts.first().object, form.Heading());
    EXPECT_EQ(families.last(), QStringLiteral("Comic Neue"));
    delete image;
}

} // namespace
