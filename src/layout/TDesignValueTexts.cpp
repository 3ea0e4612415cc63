#include "layout/TDesignValueTexts.h"

#include "kit/TPropertyGridModel.h"
#include "rules/FontTwins.h"
#include "window/TFont.h"
#include "window/TPictureSet.h"
#include "window/TSizeConstraints.h"

#include <QCoreApplication>

namespace {

const char *const kContext = "TDesignValueTexts";

QString translated(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

QString noneText()
{
    return translated(QT_TRANSLATE_NOOP("TDesignValueTexts", "(нет)"));
}

// "от 100×50 до 800×600"; a side without a limit reads 0, as it is stored.
QString constraintsText(const TSizeConstraints &limits)
{
    QStringList parts;
    if (limits.MinWidth() || limits.MinHeight())
        parts << translated(QT_TRANSLATE_NOOP("TDesignValueTexts", "от %1×%2"))
                     .arg(limits.MinWidth())
                     .arg(limits.MinHeight());
    if (limits.MaxWidth() || limits.MaxHeight())
        parts << translated(QT_TRANSLATE_NOOP("TDesignValueTexts", "до %1×%2"))
                     .arg(limits.MaxWidth())
                     .arg(limits.MaxHeight());
    return parts.isEmpty() ? noneText() : parts.join(QLatin1Char(' '));
}

// The names of the pictures a set holds: "Обычная, Нажатая".
QString pictureSetText(const TPictureSet &set)
{
    const std::pair<const TPicture *, const char *> pictures[] = {
        {set.Default(), QT_TRANSLATE_NOOP("TDesignValueTexts", "Обычная")},
        {set.Selected(), QT_TRANSLATE_NOOP("TDesignValueTexts", "Выделенная")},
        {set.Pressed(), QT_TRANSLATE_NOOP("TDesignValueTexts", "Нажатая")},
    };
    QStringList present;
    for (const auto &[picture, name] : pictures)
        if (picture && !picture->isEmpty())
            present << translated(name);
    return present.isEmpty() ? noneText() : present.join(QStringLiteral(", "));
}

} // namespace

QString FontText(const TFont &font)
{
    const std::pair<TFont::TFontStyle, const char *> styles[] = {
        {TFont::fsBold, QT_TRANSLATE_NOOP("TDesignValueTexts", "жирный")},
        {TFont::fsItalic, QT_TRANSLATE_NOOP("TDesignValueTexts", "курсив")},
        {TFont::fsUnderline, QT_TRANSLATE_NOOP("TDesignValueTexts", "подчёркнутый")},
        {TFont::fsStrikeOut, QT_TRANSLATE_NOOP("TDesignValueTexts", "зачёркнутый")},
    };
    QStringList parts{font.Name(), QString::number(font.Size())};
    QStringList words;
    for (const auto &[flag, word] : styles)
        if (font.Style().testFlag(flag))
            words << translated(word);
    if (!words.isEmpty())
        parts << words.join(QLatin1Char(' '));
    // Without a twin of the same metrics, lines may fall differently on Windows.
    if (!rules::HasMetricTwin(font.Name().trimmed().toStdString()))
        parts << translated(QT_TRANSLATE_NOOP("TDesignValueTexts", "здесь похожим шрифтом, строки в Windows могут лечь иначе"));
    return parts.join(QStringLiteral(", "));
}

void RegisterDesignValueTexts(TPropertyGridModel &model)
{
    model.SetObjectText(QStringLiteral("TFont"), [](QObject *object) {
        const auto *font = qobject_cast<TFont *>(object);
        return font ? FontText(*font) : QString();
    });
    model.SetObjectText(QStringLiteral("TSizeConstraints"), [](QObject *object) {
        const auto *limits = qobject_cast<TSizeConstraints *>(object);
        return limits ? constraintsText(*limits) : QString();
    });
    model.SetObjectText(QStringLiteral("TPictureSet"), [](QObject *object) {
        const auto *set = qobject_cast<TPictureSet *>(object);
        return set ? pictureSetText(*set) : QString();
    });
}
