#pragma once

#include "app/QtTranslation.h"

#include <QObject>

class QAction;
class QMenu;
class UserPrompt;

// "Вид" → "Язык": the interface language, "Русский" or "English" (each named
// in its own language). The choice goes into the settings file and takes
// effect at the next start, which the user is told; the item ticked is the
// language the next start will use.
class TLanguageMenu : public QObject
{
    Q_OBJECT

public:
    // view: the menu that receives the submenu; current: the language running now.
    TLanguageMenu(QMenu &view, const QString &settingsPath, shell::TLanguage current, UserPrompt &prompt);

    QMenu *Menu() const { return m_menu; }
    QAction *Action(shell::TLanguage language) const;

private:
    void Choose(shell::TLanguage language);

    QString m_settingsPath;
    shell::TLanguage m_current;
    shell::TLanguage m_next;
    UserPrompt &m_prompt;
    QMenu *m_menu = nullptr;
    QAction *m_russian = nullptr;
    QAction *m_english = nullptr;
};
