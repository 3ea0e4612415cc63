#include "WindowTestSupport.h"
#include "window/TButtonBox.h"
#include "window/TPicButton.h"

#include <QMetaProperty>
#include <gtest/gtest.h>
#include <limits>

using namespace wtest;

// The property grid and design files accept any int for sizes, spacings, pads
// and font heights. Painting and layout with such values must neither overflow
// (the sanitizer build stops at the first signed overflow) nor fail.
namespace {

constexpr int kLowest = std::numeric_limits<int>::min();
constexpr int kHighest = std::numeric_limits<int>::max();
const int kExtremes[] = {kLowest, kLowest + 1, -1, kHighest - 1, kHighest};

// The writable int properties of an object: sizes, spacings, pads, font
// heights, and a wrapper's place and size in the window.
QList<QByteArray> intProperties(const QObject &object)
{
    QList<QByteArray> names;
    const QMetaObject *meta = object.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.metaType().id() == QMetaType::Int && p.isWritable())
            names << p.name();
    }
    return names;
}

// Paints onto a canvas of its own size, whatever size the object has.
template<typename Box>
void paintOn(Box &box)
{
    QImage canvas(200, 80, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    box.Paint(painter);
}

struct Objects
{
    TPaintSurface heading;
    TPaintSurface menu;
    TImageEx *image = new TImageEx;
    TTextBox text{&heading};
    TButtonBox box{&menu};
    std::unique_ptr<TPicButton> button = std::make_unique<TPicButton>(image, QStringLiteral("Выход"));

    Objects(bool fixedPitch)
    {
        heading.resize(200, 80);
        menu.resize(200, 80);
        image->resize(90, 40);
        if (fixedPitch) {
            text.setTextMeasure(fixedMeasure());
            box.setTextMeasure(fixedMeasure());
            button->setTextMeasure(fixedMeasure());
        }
        const QStringList lines{QStringLiteral("Установка программы"), QString(), QStringLiteral("a b c d e f")};
        text.setText(lines);
        box.setText(lines);
        box.setSelectedIndex(0);
        button->setShowCaption(true);
        button->setShadow(true);
        button->setAutoSize(false);
    }
    ~Objects()
    {
        button.reset();
        delete image;
    }
    QList<QObject *> targets()
    {
        return {&text, text.Font(), &box, box.ButtonStyle(), box.Font(), button.get(), button->Font()};
    }
    void paintAll()
    {
        for (int alignment = TControlWrapper::taLeftJustify; alignment <= TControlWrapper::taCenter; ++alignment) {
            const auto a = TControlWrapper::TAlignment(alignment);
            text.setAlignment(a);
            box.setAlignment(a);
            box.ButtonStyle()->setAlignment(a);
            button->setAlignment(a);
            for (const auto style : {TStyledButton::bssText, TStyledButton::bssButton, TStyledButton::bssSkinned}) {
                box.ButtonStyle()->setStyle(style);
                paintOn(text);
                paintOn(box);
            }
            QImage canvas(90, 40, QImage::Format_ARGB32);
            QPainter painter(&canvas);
            image->paintContent(painter);
        }
    }
};

} // namespace

TEST(ExtremeValues, NoIntPropertyOverflowsLayoutOrPainting)
{
    for (const bool fixedPitch : {true, false}) {
        // One property at a time...
        Objects prototype(fixedPitch);
        const QList<QObject *> targets = prototype.targets();
        for (qsizetype t = 0; t < targets.size(); ++t) {
            for (const QByteArray &name : intProperties(*targets[t])) {
                for (const int value : kExtremes) {
                    Objects objects(fixedPitch);
                    objects.targets().at(t)->setProperty(name.constData(), value);
                    objects.paintAll();
                }
            }
        }
        // ...and all of them at once, at either end.
        for (const int value : {kLowest, kHighest}) {
            Objects objects(fixedPitch);
            for (QObject *target : objects.targets())
                for (const QByteArray &name : intProperties(*target))
                    target->setProperty(name.constData(), value);
            objects.paintAll();
        }
    }
}
