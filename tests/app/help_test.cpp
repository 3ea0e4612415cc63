#include "app/THelpWindow.h"
#include "kit/HelpContext.h"
#include "layout/TPreviewForm.h"
#include "project/TAddFolderForm.h"
#include "support/ScriptedPrompt.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString pageText(const QString &page)
{
    return readResource(QStringLiteral(":/help/") + page);
}

QString titleOf(const QString &html)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(html).captured(1);
}

QStringList helpPages()
{
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
}

// The English pages, named from the help's folder ("en/index.html").
QStringList englishPages()
{
    QStringList pages;
    for (const QString &page : QDir(QStringLiteral(":/help/en")).entryList({QStringLiteral("*.html")}, QDir::Files))
        pages << QStringLiteral("en/") + page;
    return pages;
}

// Every href, src and stylesheet reference of a page.
QStringList referencesOf(const QString &html)
{
    static const QRegularExpression ref(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    QStringList result;
    for (auto it = ref.globalMatch(html); it.hasNext();)
        result << it.next().captured(1);
    return result;
}

bool hasAnchor(const QString &html, const QString &anchor)
{
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor))
        || html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

} // namespace

TEST(HelpContexts, EveryContextHasTheRightPage)
{
    // the title names the window or page the context belongs to
    const struct { int context; const char *titleWord; } expected[] = {
        {37, "Главное окно"},
        {39, "Команды"},
        {40, "Внешний вид"},
        {41, "Опции проекта"},
        {42, "Предварительный просмотр"},
        {44, "Добавить каталог"},
    };
    for (const auto &e : expected) {
        const QString page = help::pageForContext(e.context);
        ASSERT_FALSE(page.isEmpty()) << e.context;
        const QString html = pageText(page);
        ASSERT_FALSE(html.isEmpty()) << page.toStdString();
        EXPECT_TRUE(titleOf(html).contains(QString::fromUtf8(e.titleWord)))
            << e.context << " -> " << page.toStdString();
    }
    const QString tree = help::pageForKeyword(QStringLiteral("lay_ObjectTree"));
    ASSERT_FALSE(tree.isEmpty());
    EXPECT_TRUE(titleOf(pageText(tree)).contains(QStringLiteral("Дерево объектов")));
    EXPECT_FALSE(pageText(help::contentsPage()).isEmpty());
}

TEST(HelpContexts, KnownContextsAllResolveAndUnknownOnesDoNot)
{
    EXPECT_EQ(help::knownContexts().size(), 6);
    for (int context : help::knownContexts())
        EXPECT_FALSE(pageText(help::pageForContext(context)).isEmpty()) << context;
    for (const QString &keyword : help::knownKeywords())
        EXPECT_FALSE(pageText(help::pageForKeyword(keyword)).isEmpty()) << keyword.toStdString();
    EXPECT_TRUE(help::pageForContext(0).isEmpty());
    EXPECT_TRUE(help::pageForContext(38).isEmpty());
    EXPECT_TRUE(help::pageForKeyword(QStringLiteral("LAY_OBJECTTREE")).isEmpty());
    EXPECT_TRUE(help::pageForKeyword(QString()).isEmpty());
}

TEST(HelpPages, EveryLinkAndPictureResolves)
{
    const QStringList pages = helpPages();
    ASSERT_GE(pages.size(), 8);
    // The English pages, in a folder of their own, are the Russian ones page for page.
    EXPECT_EQ(QDir(QStringLiteral(":/help/en")).entryList({QStringLiteral("*.html")}, QDir::Files), pages);
    int checked = 0;
    for (const QString &page : pages + englishPages()) {
        const QString html = pageText(page);
        const QUrl base(QStringLiteral("qrc:/help/") + page);
        for (const QString &ref : referencesOf(html)) {
            const QUrl url(ref);
            ASSERT_TRUE(url.isValid()) << page.toStdString() << ": " << ref.toStdString();
            if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("mailto"))
                continue;
            EXPECT_TRUE(url.isRelative()) << page.toStdString() << ": " << ref.toStdString();
            const QUrl target = base.resolved(url);
            ASSERT_EQ(target.scheme(), QStringLiteral("qrc"));
            const QString path = QLatin1Char(':') + target.path();
            EXPECT_TRUE(QFile::exists(path)) << page.toStdString() << ": " << ref.toStdString();
            if (target.hasFragment()) {
                EXPECT_TRUE(hasAnchor(readResource(path), target.fragment()))
                    << page.toStdString() << ": " << ref.toStdString();
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(HelpPages, EveryPageIsReachableFromTheContentsAndLeadsBack)
{
    QSet<QString> seen;
    QStringList queue{help::contentsPage()};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        if (seen.contains(page))
            continue;
        seen.insert(page);
        for (const QString &ref : referencesOf(pageText(page))) {
            const QString file = QUrl(ref).path();
            if (file.endsWith(QLatin1String(".html")) && !file.contains(QLatin1Char('/')))
                queue << file;
        }
    }
    // The English pages link among themselves alike, from their own contents.
    QStringList english{QStringLiteral("en/") + help::contentsPage()};
    while (!english.isEmpty()) {
        const QString page = english.takeFirst();
        if (seen.contains(page))
            continue;
        seen.insert(page);
        for (const QString &ref : referencesOf(pageText(page))) {
            const QString file = QUrl(ref).path();
            if (file.endsWith(QLatin1String(".html")) && !file.contains(QLatin1Char('/')))
                english << QStringLiteral("en/") + file;
        }
    }
    for (const QString &page : helpPages() + englishPages()) {
        EXPECT_TRUE(seen.contains(page)) << page.toStdString() << " is not linked from the contents";
        EXPECT_TRUE(pageText(page).contains(QStringLiteral("href=\"index.html\""))) << page.toStdString();
        EXPECT_FALSE(titleOf(pageText(page)).isEmpty()) << page.toStdString();
    }
}

// The pages name the controls with the captions the user sees.
TEST(HelpPages, ControlsAreNamedWithTheirCaptions)
{
    const QString options = pageText(QStringLiteral("options.html"));
    for (const char *caption : {"Выход из Автозапуска", "Выход по кнопке Вверх", "Выход после любой команды",
                                "Вопрос при выходе крестиком", "Вопрос при выходе кнопкой",
                                "Обработка путей файлов",
                                "От корня компакт-диска, если Velmora.EXE или Velmora.XML на нём",
                                "От Корневого Каталога", "От расположения файла проекта (Velmora.XML)",
                                "От расположения программы автозапуска (Velmora.EXE)", "От текущего каталога",
                                "Текст «О Программе»"})
        EXPECT_TRUE(options.contains(QString::fromUtf8(caption))) << caption;

    const QString folder = pageText(QStringLiteral("folder-import.html"));
    for (const char *caption : {"Каталог:", "Пролистать", "Включать подкаталоги", "Маска каталогов",
                                "Ограничить вложенность каталогов до", "Маска файлов", "Расширение файла",
                                "Путь в комментарии", "Всё в одну группу", "Не создавать группу для одного файла",
                                "Имя команды", "Имя файла", "Полный путь", "Путь от каталога", "Без пути",
                                "Путь с каталогом", "Приставка к пути"})
        EXPECT_TRUE(folder.contains(QString::fromUtf8(caption))) << caption;

    const QString commands = pageText(QStringLiteral("commands.html"));
    for (const char *caption : {"Группа", "Программа", "URL", "Комментарий", "Выход", "Куда", "Внутрь", "Рядом",
                                "Удалить", "Каталог...", "Заголовок", "Путь", "Адрес", "Параметры", "Номер",
                                "Скрытый", "Поместить всё содержимое на один уровень вверх?"})
        EXPECT_TRUE(commands.contains(QString::fromUtf8(caption))) << caption;

    const QString main = pageText(QStringLiteral("main-window.html"));
    for (const char *caption : {"Открыть", "Сохранить", "Сохранить как...", "Открыть еще раз",
                                "Загрузить оформление", "Сохранить оформление", "Корневой каталог", "Выход",
                                "Предварительный просмотр", "Буферизация вывода графики", "Разрешить выделение",
                                "Показывать выделение", "Не выделять текст", "Добавлять \"Выход\"", "Справка",
                                "О Программе...", "Сохранить изменения?", "Ctrl+O", "Ctrl+S", "Ctrl+X", "F12"})
        EXPECT_TRUE(main.contains(QString::fromUtf8(caption))) << caption;

    const QString layout = pageText(QStringLiteral("layout-page.html"));
    for (const char *action : {"baExit", "baMinimize", "baBrowse", "baExecute", "baHelp", "baLevelUp",
                               "bssText", "bssButton", "bssSkinned", "tbsNone", "tbsRaised", "tbsSunken", "tbsLine"})
        EXPECT_TRUE(layout.contains(QLatin1String(action))) << action;
}

namespace {

// A main window like the editor's: a context of its own, three pages with
// theirs, an object tree with a keyword, and a dialog of its own.
struct Windows
{
    QWidget main;
    QTabWidget *tabs = new QTabWidget(&main);
    QWidget *commands = new QWidget;
    QLineEdit *name = new QLineEdit(commands);
    QWidget *layoutPage = new QWidget;
    QTreeWidget *objectTree = new QTreeWidget(layoutPage);
    QLineEdit *inLayout = new QLineEdit(layoutPage);
    QWidget *options = new QWidget;
    QWidget *unmarked = new QWidget;
    QLineEdit *inUnmarked = new QLineEdit(unmarked);
    QDialog *folderDialog = new QDialog(&main);
    QLineEdit *dirName = new QLineEdit(folderDialog);
    QDialog *plainDialog = new QDialog(&main);
    QLineEdit *inPlainDialog = new QLineEdit(plainDialog);

    Windows()
    {
        tabs->addTab(commands, QStringLiteral("Команды"));
        tabs->addTab(layoutPage, QStringLiteral("Внешний вид"));
        tabs->addTab(options, QStringLiteral("Опции проекта"));
        tabs->addTab(unmarked, QStringLiteral("?"));
        help::setHelpContext(&main, help::kMainWindow);
        help::setHelpContext(commands, help::kCommandsPage);
        help::setHelpContext(layoutPage, help::kLayoutPage);
        help::setHelpContext(options, help::kOptionsPage);
        help::setHelpKeyword(objectTree, QString::fromLatin1(help::kObjectTreeKeyword));
        help::setHelpContext(folderDialog, help::kFolderImport);
    }
};

} // namespace

TEST(HelpContexts, F1PageFollowsTheFocusedControl)
{
    Windows w;
    EXPECT_EQ(help::pageForWidget(w.name), QStringLiteral("commands.html"));
    EXPECT_EQ(help::pageForWidget(w.objectTree), QStringLiteral("object-tree.html"));
    EXPECT_EQ(help::pageForWidget(w.objectTree->viewport()), QStringLiteral("object-tree.html"));
    EXPECT_EQ(help::pageForWidget(w.inLayout), QStringLiteral("layout-page.html"));
    EXPECT_EQ(help::pageForWidget(w.options), QStringLiteral("options.html"));
    // a page without a context of its own falls back to the window's
    EXPECT_EQ(help::pageForWidget(w.inUnmarked), QStringLiteral("main-window.html"));
    // with the focus outside the pages, the page in view counts
    EXPECT_EQ(help::pageForWidget(&w.main), QStringLiteral("commands.html"));
    // the tab bar stands for the page shown
    w.tabs->setCurrentIndex(2);
    EXPECT_EQ(help::pageForWidget(w.tabs->tabBar()), QStringLiteral("options.html"));
    w.tabs->setCurrentIndex(0);
    EXPECT_EQ(help::pageForWidget(w.tabs->tabBar()), QStringLiteral("commands.html"));
    // dialogs: their own context, never their owner's
    EXPECT_EQ(help::pageForWidget(w.dirName), QStringLiteral("folder-import.html"));
    EXPECT_EQ(help::pageForWidget(w.inPlainDialog), help::contentsPage());
    EXPECT_EQ(help::pageForWidget(nullptr), help::contentsPage());
}

TEST(HelpContexts, AContextWithoutAPageDoesNotHideTheParents)
{
    Windows w;
    help::setHelpContext(w.name, 12345);
    EXPECT_EQ(help::pageForWidget(w.name), QStringLiteral("commands.html"));
    help::setHelpKeyword(w.name, QStringLiteral("no-such-keyword"));
    EXPECT_EQ(help::pageForWidget(w.name), QStringLiteral("commands.html"));
    w.name->setProperty(help::kContextProperty, QStringLiteral("not a number"));
    EXPECT_EQ(help::pageForWidget(w.name), QStringLiteral("commands.html"));
}

TEST(HelpWindow, BackForwardAndLinksBetweenPages)
{
    THelpWindow window;
    QList<QUrl> external;
    window.setLinkOpener([&](const QUrl &url) {
        external << url;
        return true;
    });
    window.showContents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
    EXPECT_FALSE(window.backButton()->isEnabled());
    EXPECT_FALSE(window.browser()->toPlainText().isEmpty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Справка Velmora Brenwick"));   // said once

    window.followLink(QUrl(QStringLiteral("commands.html")));
    EXPECT_EQ(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/commands.html")));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("Перетаскивание")));
    EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("Команды")));
    EXPECT_TRUE(window.backButton()->isEnabled());
    EXPECT_FALSE(window.forwardButton()->isEnabled());

    window.followLink(QUrl(QStringLiteral("options.html#paths")));
    EXPECT_EQ(window.browser()->source().fileName(), QStringLiteral("options.html"));
    EXPECT_EQ(window.browser()->source().fragment(), QStringLiteral("paths"));

    window.backButton()->click();
    EXPECT_EQ(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/commands.html")));
    EXPECT_TRUE(window.forwardButton()->isEnabled());
    window.backButton()->click();
    EXPECT_EQ(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
    EXPECT_FALSE(window.backButton()->isEnabled());
    window.forwardButton()->click();
    EXPECT_EQ(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/commands.html")));

    // web and mail links leave the help unchanged and go to the desktop
    window.followLink(QUrl(QStringLiteral("https://example.org/")));
    window.followLink(QUrl(QStringLiteral("mailto:someone@example.org")));
    EXPECT_EQ(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/commands.html")));
    ASSERT_EQ(external.size(), 2);
    EXPECT_EQ(external[0], QUrl(QStringLiteral("https://example.org/")));

    window.contentsButton()->click();
    EXPECT_EQ(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
}

TEST(HelpWindow, PicturesAndStyleLoadRelativeToThePage)
{
    THelpWindow window;
    window.showPage(QStringLiteral("commands.html"));
    const QVariant icon = window.browser()->loadResource(QTextDocument::ImageResource,
                                                         QUrl(QStringLiteral("../icons/kind-group.png")));
    EXPECT_FALSE(icon.toByteArray().isEmpty());
    const QVariant css = window.browser()->loadResource(QTextDocument::StyleSheetResource,
                                                        QUrl(QStringLiteral("help.css")));
    EXPECT_TRUE(css.toByteArray().contains("h1"));
}

TEST(HelpWindow, F1OpensTheFocusedControlsPage)
{
    Windows w;
    THelp helpSystem;
    helpSystem.installF1Key();
    w.main.show();
    w.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.main));
    w.tabs->setCurrentIndex(1);
    w.objectTree->setFocus();
    QTest::keyClick(w.objectTree, Qt::Key_F1);
    ASSERT_TRUE(helpSystem.window()->isVisible());
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("object-tree.html"));

    w.inLayout->setFocus();
    QTest::keyClick(w.inLayout, Qt::Key_F1);
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("layout-page.html"));
    // back returns to the page F1 showed before
    EXPECT_TRUE(helpSystem.window()->backButton()->isEnabled());

    // F1 with a modifier is not help
    helpSystem.window()->hide();
    QTest::keyClick(w.inLayout, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_FALSE(helpSystem.window()->isVisible());
}

TEST(HelpWindow, ContextsAndKeywordsShowTheirPagesOrTheContents)
{
    THelp helpSystem;
    helpSystem.showContext(help::kOptionsPage);
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("options.html"));
    helpSystem.showKeyword(QString::fromLatin1(help::kObjectTreeKeyword));
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("object-tree.html"));
    helpSystem.showContext(999);
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("index.html"));
    helpSystem.showContext(help::kDesignWindow);
    helpSystem.showContents();
    EXPECT_EQ(helpSystem.window()->browser()->source().fileName(), QStringLiteral("index.html"));
}

TEST(HelpWindow, HelpBesideAModalDialogBlocksNeitherAndEscapeClosesIt)
{
    THelp helpSystem;
    QDialog dialog;
    QLineEdit field(&dialog);
    bool shownModeless = false;
    bool dialogRuns = false;
    bool closedByEscape = false;
    QTimer::singleShot(0, &dialog, [&] {
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_F1);   // F1 from inside the dialog
        THelpWindow *help = helpSystem.window();
        shownModeless = help->isVisible() && help->windowModality() == Qt::NonModal
                        && !help->isModal();
        // The dialog still takes typing while the help is open.
        QTest::keyClicks(&field, QStringLiteral("12"));
        dialogRuns = QApplication::activeModalWidget() == &dialog && field.text() == QStringLiteral("12");
        QTest::keyClick(help->browser(), Qt::Key_Escape);
        closedByEscape = !help->isVisible() && dialog.isVisible();
        dialog.reject();
    });
    helpSystem.installF1Key();
    dialog.exec();
    EXPECT_TRUE(shownModeless);
    EXPECT_TRUE(dialogRuns);
    EXPECT_TRUE(closedByEscape);
    helpSystem.showContents();
    EXPECT_EQ(helpSystem.window()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(helpSystem.window()->isWindow());
}

TEST(HelpContexts, TheDesignWindowAndTheFolderImportCarryTheirOwnPages)
{
    TPreviewForm design;
    EXPECT_EQ(help::pageForWidget(&design), help::pageForContext(42));
    for (QWidget *child : design.findChildren<QWidget *>())
        EXPECT_EQ(help::pageForWidget(child), help::pageForContext(42)) << child->objectName().toStdString();
    ScriptedPrompt prompt;
    TAddFolderForm folder(prompt);
    EXPECT_EQ(help::pageForWidget(&folder), help::pageForContext(44));
}
