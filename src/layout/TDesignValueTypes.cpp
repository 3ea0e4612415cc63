#include "layout/TDesignValueTypes.h"

#include "kit/TPropertyGridModel.h"
#include "kit/QtUserPrompt.h"
#include "layout/TDesignValueTexts.h"
#include "project/TWindowsFonts.h"
#include "window/TColor.h"
#include "window/TCursor.h"
#include "window/TFont.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <limits>

namespace {

constexpr int kSwatchSize = 12;
constexpr int kHexDigits = 8;
constexpr int kHexBase = 16;

QString colorText(const QVariant &value)
{
    const TColor color = value.value<TColor>();
    const QString name = color.name();
    if (!name.isEmpty())
        return name;
    return QLatin1Char('$') + QString::number(quint32(color.value()), kHexBase).toUpper().rightJustified(kHexDigits, QLatin1Char('0'));
}

bool parseColor(const QString &text, QVariant *value)
{
    TColor color;
    if (TColor::fromName(text, &color)) {
        *value = QVariant::fromValue(color);
        return true;
    }
    bool ok = false;
    qlonglong number = 0;
    if (text.startsWith(QLatin1Char('$')))
        number = text.mid(1).toLongLong(&ok, kHexBase);
    else
        number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<quint32>::max())
        return false;
    *value = QVariant::fromValue(TColor(qint32(number)));
    return true;
}

QIcon colorSwatch(const QVariant &value)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(value.value<TColor>().toQColor());
    painter.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return QIcon(pixmap);
}

bool colorDialog(QWidget *parent, const QVariant &current, QVariant *chosen)
{
    const QColor color = QColorDialog::getColor(current.value<TColor>().toQColor(), parent);
    if (!color.isValid())
        return false;
    *chosen = QVariant::fromValue(TColor::fromQColor(color));
    return true;
}

// The font dialog from the font's own name, size and style; a confirmation
// that changes none of them changes nothing.
bool fontDialog(UserPrompt &prompt, QObject *object, QVariant *chosen)
{
    auto *font = qobject_cast<TFont *>(object);
    if (!font)
        return false;
    QFont initial(font->Name());
    initial.setPointSize(std::max(1, font->Size()));
    initial.setBold(font->Style().testFlag(TFont::fsBold));
    initial.setItalic(font->Style().testFlag(TFont::fsItalic));
    initial.setUnderline(font->Style().testFlag(TFont::fsUnderline));
    initial.setStrikeOut(font->Style().testFlag(TFont::fsStrikeOut));
    QFont picked;
    if (!prompt.font(QCoreApplication::translate("TDesignValueTypes", "Шрифт"), initial, &picked))
        return false;
    TFont::TFontStyles style;
    style.setFlag(TFont::fsBold, picked.bold());
    style.setFlag(TFont::fsItalic, picked.italic());
    style.setFlag(TFont::fsUnderline, picked.underline());
    style.setFlag(TFont::fsStrikeOut, picked.strikeOut());
    // The stored height stays when the size in points does (heights that
    // points do not give exactly, such as -21, survive).
    int height = font->Height();
    if (picked.pointSize() > 0 && picked.pointSize() != font->Size()) {
        TFont sized;
        sized.setSize(picked.pointSize());
        height = sized.Height();
    }
    // The player's Windows knows the family, never the foundry Linux adds.
    const QString family = TWindowsFonts::WithoutFoundry(picked.family());
    if (family == font->Name() && height == font->Height() && style == font->Style())
        return false;
    *chosen = QVariantMap{{QStringLiteral("Name"), family},
                          {QStringLiteral("Height"), height},
                          {QStringLiteral("Style"), int(style)}};
    return true;
}

} // namespace

void RegisterDesignValueTypes(TPropertyGridModel &model, UserPrompt *prompt)
{
    TColor::registerMetaType();
    TCursor::registerMetaType();

    TPropertyValueType color;
    color.text = colorText;
    color.parse = parseColor;
    color.icon = colorSwatch;
    color.dialog = colorDialog;
    for (const TColor::Named &named : TColor::namedColors())
        color.choices.append({QString::fromLatin1(named.name), QVariant::fromValue(TColor(named.value))});
    model.SetValueType(qMetaTypeId<TColor>(), color);

    TPropertyValueType cursor;
    cursor.text = [](const QVariant &value) { return value.value<TCursor>().name(); };
    cursor.parse = [](const QString &text, QVariant *value) {
        TCursor c;
        if (!TCursor::fromName(text, &c))
            return false;
        *value = QVariant::fromValue(c);
        return true;
    };
    for (const TCursor::Named &named : TCursor::namedCursors())
        cursor.choices.append({QString::fromLatin1(named.name), QVariant::fromValue(TCursor(named.value))});
    model.SetValueType(qMetaTypeId<TCursor>(), cursor);

    model.SetObjectDialog(QStringLiteral("TFont"), [prompt](QWidget *parent, QObject *object, QVariant *chosen) {
        QtUserPrompt own(parent);
        return fontDialog(prompt ? *prompt : own, object, chosen);
    });
    RegisterDesignValueTexts(model);
}
