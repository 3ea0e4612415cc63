// The English interface: every text of the sources translated, the language
// chosen from the locale or the settings file, the English interface itself,
// and project files that never depend on the interface language.

#include "app/QtTranslation.h"
#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLanguageMenu.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "kit/HelpContext.h"
#include "layout/TInspectorConfig.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The editor's and Qt's translations for one language while it lives.
struct Interface
{
    QList<QTranslator *> translators;
    explicit Interface(shell::TLanguage language)
    {
        QCoreApplication &app = *QCoreApplication::instance();
        for (QTranslator *t : {shell::InstallEditorTranslation(app, language), shell::InstallQtTranslation(app, language)})
            if (t)
                translators << t;
    }
    ~Interface()
    {
        for (QTranslator *t : translators) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The "%1", "%2"... a text refers to, sorted: a translation must keep them all.
QStringList Placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression kMarker(QStringLiteral("%\\d"));
    for (auto it = kMarker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

TEST(Translations, EveryTextOfTheSourcesHasAFinishedEnglishTranslation)
{
    // lupdate refreshes a copy of the file from the sources, as
    // scripts/update-translations.sh does; what it leaves unfinished is missing.
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("brenwick_en.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(BRENWICK_SOURCE_DIR "/resources/translations/brenwick_en.ts"), ts));
    QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(BRENWICK_LUPDATE),
                  {QStringLiteral(BRENWICK_SOURCE_DIR "/src"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete"), QStringLiteral("-source-language"), QStringLiteral("ru_RU"),
                   QStringLiteral("-ts"), ts});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();

    QFile file(ts);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context, source;
    QStringList missing, brokenPlaceholders;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (unfinished || text.isEmpty())
                missing << context + QStringLiteral(": ") + source;
            else if (Placeholders(text) != Placeholders(source))
                brokenPlaceholders << context + QStringLiteral(": ") + source + QStringLiteral(" -> ") + text;
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 300);
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " texts without a finished English translation "
                                   << "(run scripts/update-translations.sh, then translate them):\n  "
                                   << missing.join(QStringLiteral("\n  ")).toStdString();
    EXPECT_TRUE(brokenPlaceholders.isEmpty()) << "translations that lose or add a %n:\n  "
                                              << brokenPlaceholders.join(QStringLiteral("\n  ")).toStdString();
}

TEST(Translations, TheLanguageFollowsTheLocaleUnlessTheSettingsFileChooses)
{
    using shell::TLanguage;
    EXPECT_EQ(shell::LanguageOfLocale(QLocale(QStringLiteral("en_US"))), TLanguage::English);
    EXPECT_EQ(shell::LanguageOfLocale(QLocale(QStringLiteral("de_DE"))), TLanguage::English);
    EXPECT_EQ(shell::LanguageOfLocale(QLocale(QStringLiteral("ru_UA"))), TLanguage::Russian);
    EXPECT_EQ(shell::LanguageOfLocale(QLocale::c()), TLanguage::Russian);

    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("brenwick.ini"));
    EXPECT_FALSE(shell::StoredLanguage(ini).has_value());
    EXPECT_EQ(shell::StartupLanguage(ini, QLocale(QStringLiteral("en_GB"))), TLanguage::English);

    // The menu stores the choice; closing the main window afterwards keeps it.
    ScriptedPrompt prompt;
    {
        TMainForm main(ini, &prompt);
        TLanguageMenu menu(*main.findChild<QMenu *>(QStringLiteral("MView")), ini, TLanguage::English, prompt);
        ASSERT_TRUE(menu.Action(TLanguage::English)->isChecked());
        menu.Action(TLanguage::Russian)->trigger();
        ASSERT_EQ(prompt.asked.size(), 1);   // told: at the next start
        menu.Action(TLanguage::English)->trigger();
        EXPECT_EQ(prompt.asked.size(), 1);   // back to the running language: nothing to tell
        menu.Action(TLanguage::Russian)->trigger();
        main.close();
    }
    EXPECT_EQ(shell::StartupLanguage(ini, QLocale(QStringLiteral("en_GB"))), TLanguage::Russian);
    const QSettings settings(ini, QSettings::IniFormat);
    EXPECT_TRUE(settings.contains(QStringLiteral("window/width")));

    // A value the program does not know counts as no choice.
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[view]\nlanguage=fr\n");
    file.close();
    EXPECT_EQ(shell::StartupLanguage(ini, QLocale(QStringLiteral("ru_RU"))), TLanguage::Russian);
    EXPECT_EQ(shell::StartupLanguage(ini, QLocale(QStringLiteral("fr_FR"))), TLanguage::English);
}

TEST(Translations, TheEnglishInterfaceSpeaksEnglishQtsDialogsIncluded)
{
    Interface english(shell::TLanguage::English);
    ASSERT_FALSE(english.translators.isEmpty());
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    TMainForm main(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
    QStringList menus;
    for (QAction *a : main.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                                  QStringLiteral("&Help")}));
    EXPECT_EQ(main.findChild<QPushButton *>(QStringLiteral("bAdd1"))->text(), QStringLiteral("Group"));

    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));

    // The inspector translates what follows "=", never the property's name.
    const TInspectorConfig config;
    EXPECT_EQ(config.DisplayName(QStringLiteral("AlphaBlend"), QStringLiteral("AlphaBlend")),
              QStringLiteral("Translucent"));
    EXPECT_EQ(config.Alias(QStringLiteral("ALPHABLEND")), QStringLiteral("Translucent"));
    EXPECT_EQ(config.Group(QStringLiteral("Color")), QStringLiteral("Colours"));

    // The help opens its English pages, and each page of a context exists.
    EXPECT_EQ(help::pageUrl(help::contentsPage()), QUrl(QStringLiteral("qrc:/help/en/index.html")));
    QStringList pages{help::contentsPage()};
    for (int context : help::knownContexts())
        pages << help::pageForContext(context);
    for (const QString &keyword : help::knownKeywords())
        pages << help::pageForKeyword(keyword);
    for (const QString &page : pages)
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/en/") + page)) << page.toStdString();
}

namespace {

// A new project made with the editor's buttons in the interface language now
// installed: the default design and buttons, a group with its automatic exit
// entry, one entry of each kind and a new picture button. Returns the file's bytes.
QByteArray SaveNewProject(const QTemporaryDir &dir, const QString &name)
{
    ScriptedPrompt prompt;
    TMainForm main(dir.filePath(name + QStringLiteral(".ini")), &prompt);
    TPreviewForm preview;
    linkDesignWindow(main, preview);
    TLayoutEditor *layout = linkLayoutPage(main, preview);
    linkDesignFile(main, preview, *layout);
    layout->FormShow();   // the default buttons, as the first showing makes them
    main.AAutoExit->setChecked(true);
    for (const char *button : {"bAdd1", "bAdd2", "bAdd3", "bAdd4", "bAdd5"})
        main.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    main.AAddButton->trigger();
    const QString path = dir.filePath(name + QStringLiteral(".xml"));
    EXPECT_TRUE(main.SaveProject(path, TProject::WholeProject()));
    return Bytes(path);
}

} // namespace

TEST(Translations, AProjectSavedInEnglishIsByteForByteTheOneSavedInRussian)
{
    QTemporaryDir dir;
    const QByteArray russian = SaveNewProject(dir, QStringLiteral("russian"));
    QByteArray english;
    {
        Interface interface(shell::TLanguage::English);
        english = SaveNewProject(dir, QStringLiteral("english"));
    }
    ASSERT_FALSE(russian.isEmpty());
    EXPECT_TRUE(russian.contains("Выход"));
    EXPECT_EQ(english, russian);
}

TEST(Translations, TheCommandLinesCheckFollowsTheLocale)
{
    QTemporaryDir dir;
    SaveNewProject(dir, QStringLiteral("new"));
    const QString project = dir.filePath(QStringLiteral("new.xml"));
    auto check = [&project](const char *lang) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(BRENWICK_CLI_PATH), {QStringLiteral("check"), project});
        EXPECT_TRUE(cli.waitForFinished(30000));
        return QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    };
    // The program entry has no file: the check says so in the locale's language.
    const QString english = check("en_US.UTF-8");
    EXPECT_TRUE(english.contains(QStringLiteral("error: #3 “Программа”: no program file is given"))) << english.toStdString();
    EXPECT_TRUE(check("C").contains(QStringLiteral("ошибка: #3 «Программа»: не указан файл программы")));
    EXPECT_TRUE(check("ru_RU.UTF-8").contains(QStringLiteral("не указан файл программы")));
}

// The English help names the controls with the captions the English interface shows.
TEST(Translations, TheEnglishHelpNamesTheEnglishCaptions)
{
    Interface english(shell::TLanguage::English);
    auto page = [](const char *name) {
        QFile file(QStringLiteral(":/help/en/") + QString::fromLatin1(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    struct Named
    {
        const char *page;
        const char *context;
        QStringList sources;
    };
    const Named named[] = {
        {"main-window.html", "TMainForm",
         {"Открыть", "Сохранить как...", "Открыть еще раз", "Загрузить оформление", "Сохранить оформление",
          "Корневой каталог", "Предварительный просмотр", "Буферизация вывода графики", "Разрешить выделение",
          "Показывать выделение", "Не выделять текст", "Добавлять \"Выход\"", "О Программе...",
          "Сохранить изменения?"}},
        {"main-window.html", "TLanguageMenu", {"Язык"}},
        {"commands.html", "TCommandsPage",
         {"Куда", "Внутрь", "Рядом", "Удалить", "Каталог...", "Заголовок", "Путь", "Адрес", "Параметры", "Номер",
          "Скрытый"}},
        {"commands.html", "TBaseItem", {"Группа", "Программа", "Комментарий", "Выход"}},
        {"commands.html", "TCommandEditor", {"Поместить всё содержимое на один уровень вверх?"}},
        {"options.html", "TOptionsPage",
         {"Выход по кнопке Вверх", "Выход после любой команды", "Вопрос при выходе кнопкой",
          "Вопрос при выходе крестиком", "От корня компакт-диска, если Velmora.EXE или Velmora.XML на нём",
          "От Корневого Каталога", "От расположения файла проекта (Velmora.XML)",
          "От расположения программы автозапуска (Velmora.EXE)"}},
        {"folder-import.html", "TAddFolderForm",
         {"Каталог:", "Пролистать", "Включать подкаталоги", "Маска каталогов", "Ограничить вложенность каталогов до",
          "Маска файлов", "Расширение файла", "Путь в комментарии", "Всё в одну группу",
          "Не создавать группу для одного файла", "Имя команды", "Имя файла", "Полный путь", "Путь от каталога",
          "Без пути", "Путь с каталогом", "Приставка к пути"}},
    };
    for (const Named &n : named) {
        const QString html = page(n.page);
        ASSERT_FALSE(html.isEmpty()) << n.page;
        for (const QString &source : n.sources) {
            const QString caption = QCoreApplication::translate(n.context, source.toUtf8().constData());
            EXPECT_TRUE(html.contains(caption)) << n.page << ": " << caption.toStdString();
        }
    }
    const TInspectorConfig config;
    const QString layout = page("layout-page.html");
    for (const char *property : {"AlphaBlend", "AlphaBlendValue", "TransparentColor", "ColorGradient", "AllowChange",
                                 "HorizAlloc", "AutoColumns", "ItemID", "Constraints", "Anchors", "RowSpacing",
                                 "ShadowSize"}) {
        const QString name = config.Alias(QString::fromLatin1(property));
        EXPECT_TRUE(layout.contains(name)) << property << ": " << name.toStdString();
    }
}

// Rows of one object that read differently in Russian read differently in
// English too, at any depth (the font's style and the button's style).
TEST(Translations, RowsThatDifferInRussianDifferInEnglish)
{
    TPreviewForm form;
    TProject project;
    ScriptedPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    editor.FormShow();
    TPropertyGridModel &model = editor.Inspector();
    // Every row's name by its path, the group headings left out.
    const auto names = [&model] {
        QHash<QString, QString> byPath;
        std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
            for (int r = 0; r < model.rowCount(parent); ++r) {
                const QModelIndex row = model.index(r, 0, parent);
                if (!model.IsGroup(row))
                    byPath.insert(model.Path(row), row.data().toString());
                walk(row);
            }
        };
        walk(QModelIndex());
        return byPath;
    };
    for (QStandardItem *node : editor.Tree().AllNodes()) {
        if (!editor.Tree().Select(node) || !model.Inspected())
            continue;
        QObject *object = model.Inspected();
        model.SetInspected(nullptr);
        model.SetInspected(object);
        const QHash<QString, QString> russian = names();
        QHash<QString, QString> english;
        {
            Interface interface(shell::TLanguage::English);
            model.SetInspected(nullptr);
            model.SetInspected(object);
            english = names();
        }
        for (auto a = russian.cbegin(); a != russian.cend(); ++a) {
            for (auto b = russian.cbegin(); b != russian.cend(); ++b) {
                if (a.value() != b.value()) {
                    EXPECT_NE(english.value(a.key()), english.value(b.key()))
                        << node->text().toStdString() << ": " << a.key().toStdString() << ", "
                        << b.key().toStdString();
                }
            }
        }
    }
}
