#include "app/TLanguageMenu.h"

#include "base/UserPrompt.h"

#include <QActionGroup>
#include <QMenu>

using shell::TLanguage;

TLanguageMenu::TLanguageMenu(QMenu &view, const QString &settingsPath, TLanguage current, UserPrompt &prompt)
    : QObject(&view), m_settingsPath(settingsPath), m_current(current),
      m_next(shell::StoredLanguage(settingsPath).value_or(current)), m_prompt(prompt)
{
    view.addSeparator();
    m_menu = view.addMenu(tr("Язык"));
    m_menu->setObjectName(QStringLiteral("MLanguage"));
    auto *group = new QActionGroup(m_menu);
    group->setExclusive(true);
    // Each language is named in its own words, so that anyone finds theirs.
    m_russian = m_menu->addAction(QStringLiteral("Русский"));
    m_english = m_menu->addAction(QStringLiteral("English"));
    m_russian->setObjectName(QStringLiteral("ALanguageRussian"));
    m_english->setObjectName(QStringLiteral("ALanguageEnglish"));
    for (QAction *a : {m_russian, m_english}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    Action(m_next)->setChecked(true);
    connect(m_russian, &QAction::triggered, this, [this] { Choose(TLanguage::Russian); });
    connect(m_english, &QAction::triggered, this, [this] { Choose(TLanguage::English); });
}

QAction *TLanguageMenu::Action(TLanguage language) const
{
    return language == TLanguage::English ? m_english : m_russian;
}

void TLanguageMenu::Choose(TLanguage language)
{
    if (language == m_next)
        return;
    m_next = language;
    shell::StoreLanguage(m_settingsPath, language);
    // Back to the language running now: nothing changes at the next start.
    if (language != m_current)
        m_prompt.inform(tr("Язык"), tr("Язык интерфейса сменится при следующем запуске программы."));
}
