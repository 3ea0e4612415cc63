#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;
class QTranslator;

namespace shell {

// The interface languages. Russian is the language of the sources and the
// default; English is the translation embedded as ":/i18n/brenwick_en.qm".
enum class TLanguage { Russian, English };

// "ru" or "en": the value in the settings file and the translations' suffix.
QString LanguageCode(TLanguage language);
std::optional<TLanguage> LanguageOfCode(const QString &code);

// The user's locale decides when the settings file does not: Russian for a
// Russian locale and for the plain C/POSIX locale (headless runs, the tests),
// English for any other language.
TLanguage LanguageOfLocale(const QLocale &locale);

// The choice made in "Вид" → "Язык", kept in the settings file ("view",
// "language"); nothing when none was made or the value is unknown.
std::optional<TLanguage> StoredLanguage(const QString &settingsPath);
void StoreLanguage(const QString &settingsPath, TLanguage language);

// The language to start in: the stored choice, else the locale's.
TLanguage StartupLanguage(const QString &settingsPath, const QLocale &locale);

// Qt's own texts (the file and folder dialogs' "Look in", "File name",
// "Cancel", the standard buttons) in the interface language: installs Qt's
// translation "qtbase_ru.qm" or "qtbase_en.qm" from Qt's translations folder.
// Returns the installed translator (owned by app), or nullptr, changing
// nothing, when the file is not there.
QTranslator *InstallQtTranslation(QCoreApplication &app, TLanguage language = TLanguage::Russian);

// The editor's own texts: for English installs the embedded translation (the
// Russian sources need none). Returns the translator (owned by app) or nullptr.
QTranslator *InstallEditorTranslation(QCoreApplication &app, TLanguage language);

} // namespace shell
