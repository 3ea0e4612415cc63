#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Help contexts: every window and page of the editor carries a help context
// number or a help keyword; F1 opens the help page mapped to the context of the
// focused control, inherited from its parents as far as needed.
namespace help {

constexpr int kMainWindow = 37;
constexpr int kCommandsPage = 39;
constexpr int kLayoutPage = 40;
constexpr int kOptionsPage = 41;
constexpr int kDesignWindow = 42;
constexpr int kFolderImport = 44;
inline constexpr char kObjectTreeKeyword[] = "lay_ObjectTree";
inline constexpr char kCheckKeyword[] = "disc_Check";
inline constexpr char kPrepareDiscKeyword[] = "disc_Prepare";
inline constexpr char kDiscImageKeyword[] = "disc_Image";

// The widget properties that hold a control's context and keyword.
inline constexpr char kContextProperty[] = "HelpContext";
inline constexpr char kKeywordProperty[] = "HelpKeyword";

// The help's first page, its table of contents.
QString contentsPage();

// The page of a context number or keyword; empty when it has none.
QString pageForContext(int context);
QString pageForKeyword(const QString &keyword);

// The resource URL of a help page in the interface language ("commands.html" ->
// qrc:/help/commands.html, qrc:/help/en/commands.html in English).
QUrl pageUrl(const QString &page);

// All contexts and keywords with a page of their own (for checks of the help).
QList<int> knownContexts();
QStringList knownKeywords();

void setHelpContext(QWidget *widget, int context);
void setHelpKeyword(QWidget *widget, const QString &keyword);

// The page for F1 pressed while `widget` has the focus: the first of the widget
// and its parents within its window that has a context or keyword with a page.
// On a page control's tab bar, the current page counts. The contents when
// nothing is found.
QString pageForWidget(const QWidget *widget);

} // namespace help
