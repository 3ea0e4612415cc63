#include "app/QtTranslation.h"

#include "app/TSettingsFile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace shell {

namespace {

const char *const kQtTranslationPrefix = "qtbase_";
const char *const kEditorTranslationPrefix = ":/i18n/brenwick_";
const char *const kViewSection = "view";
const char *const kLanguageKey = "language";

QTranslator *Install(QCoreApplication &app, const QString &fileName, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(fileName, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

QString Key()
{
    return QString::fromLatin1(kViewSection) + QLatin1Char('/') + QString::fromLatin1(kLanguageKey);
}

} // namespace

QString LanguageCode(TLanguage language)
{
    return language == TLanguage::English ? QStringLiteral("en") : QStringLiteral("ru");
}

std::optional<TLanguage> LanguageOfCode(const QString &code)
{
    const QString plain = code.trimmed().toLower();
    if (plain == LanguageCode(TLanguage::Russian))
        return TLanguage::Russian;
    if (plain == LanguageCode(TLanguage::English))
        return TLanguage::English;
    return std::nullopt;
}

TLanguage LanguageOfLocale(const QLocale &locale)
{
    const QLocale::Language language = locale.language();
    if (language == QLocale::Russian || language == QLocale::C || language == QLocale::AnyLanguage)
        return TLanguage::Russian;
    return TLanguage::English;
}

std::optional<TLanguage> StoredLanguage(const QString &settingsPath)
{
    const QSettings settings(settingsPath, settings_file::Format());
    return LanguageOfCode(settings.value(Key()).toString());
}

void StoreLanguage(const QString &settingsPath, TLanguage language)
{
    QSettings settings(settingsPath, settings_file::Format());
    settings.setValue(Key(), LanguageCode(language));
    settings.sync();
}

TLanguage StartupLanguage(const QString &settingsPath, const QLocale &locale)
{
    return StoredLanguage(settingsPath).value_or(LanguageOfLocale(locale));
}

QTranslator *InstallQtTranslation(QCoreApplication &app, TLanguage language)
{
    return Install(app, QString::fromLatin1(kQtTranslationPrefix) + LanguageCode(language),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QTranslator *InstallEditorTranslation(QCoreApplication &app, TLanguage language)
{
    if (language == TLanguage::Russian)
        return nullptr;
    return Install(app, QString::fromLatin1(kEditorTranslationPrefix) + LanguageCode(language), QString());
}

} // namespace shell
