#include "kit/HelpContext.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace help {

namespace {

struct ContextPage
{
    int context;
    const char *page;
};

const ContextPage kContextPages[] = {
    {kMainWindow, "main-window.html"},
    {kCommandsPage, "commands.html"},
    {kLayoutPage, "layout-page.html"},
    {kOptionsPage, "options.html"},
    {kDesignWindow, "design-window.html"},
    {kFolderImport, "folder-import.html"},
};

struct KeywordPage
{
    const char *keyword;
    const char *page;
};

const KeywordPage kKeywordPages[] = {
    {kObjectTreeKeyword, "object-tree.html"},
    {kCheckKeyword, "check.html"},
    {kPrepareDiscKeyword, "disc.html"},
    {kDiscImageKeyword, "disc-image.html"},
};

// The page of the widget itself, without looking at its parents.
QString ownPage(const QWidget *widget)
{
    const QVariant keyword = widget->property(kKeywordProperty);
    if (keyword.isValid()) {
        const QString page = pageForKeyword(keyword.toString());
        if (!page.isEmpty())
            return page;
    }
    const QVariant context = widget->property(kContextProperty);
    if (context.isValid()) {
        bool ok = false;
        const int number = context.toInt(&ok);
        if (ok) {
            const QString page = pageForContext(number);
            if (!page.isEmpty())
                return page;
        }
    }
    return {};
}

} // namespace

QString contentsPage()
{
    return QStringLiteral("index.html");
}

QString pageForContext(int context)
{
    for (const ContextPage &entry : kContextPages)
        if (entry.context == context)
            return QString::fromLatin1(entry.page);
    return {};
}

QString pageForKeyword(const QString &keyword)
{
    for (const KeywordPage &entry : kKeywordPages)
        if (keyword == QLatin1String(entry.keyword))
            return QString::fromLatin1(entry.page);
    return {};
}

QUrl pageUrl(const QString &page)
{
    // The help's folder follows the interface language as its texts do.
    //: The folder of the help pages written in this language (the English pages are in qrc:/help/en/).
    return QUrl(QCoreApplication::translate("help", "qrc:/help/") + page);
}

QList<int> knownContexts()
{
    QList<int> result;
    for (const ContextPage &entry : kContextPages)
        result << entry.context;
    return result;
}

QStringList knownKeywords()
{
    QStringList result;
    for (const KeywordPage &entry : kKeywordPages)
        result << QString::fromLatin1(entry.keyword);
    return result;
}

void setHelpContext(QWidget *widget, int context)
{
    if (widget)
        widget->setProperty(kContextProperty, context);
}

void setHelpKeyword(QWidget *widget, const QString &keyword)
{
    if (widget)
        widget->setProperty(kKeywordProperty, keyword);
}

namespace {

// The page shown by the window's page control: what F1 means while the focus
// is on the window itself (as after a page switch with the mouse, which leaves
// the focus on no control). The menu bar keeps the window's own page.
QString pageInView(const QWidget *window)
{
    for (const QTabWidget *tabs : window->findChildren<const QTabWidget *>()) {
        if (!tabs->isVisibleTo(window))
            continue;
        if (const QWidget *current = tabs->currentWidget())
            return ownPage(current);
        break;
    }
    return {};
}

} // namespace

QString pageForWidget(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w == widget && w->isWindow()) {
            const QString page = pageInView(w);
            if (!page.isEmpty())
                return page;
        }
        // The tab bar of a page control is not inside any page: the page shown
        // is what the user is looking at.
        if (qobject_cast<const QTabBar *>(w)) {
            if (const auto *tabs = qobject_cast<const QTabWidget *>(w->parentWidget()))
                if (const QWidget *current = tabs->currentWidget())
                    return pageForWidget(current);
        }
        const QString page = ownPage(w);
        if (!page.isEmpty())
            return page;
        if (w->isWindow())
            break;  // a dialog without a context of its own does not borrow its owner's
    }
    return contentsPage();
}

} // namespace help
