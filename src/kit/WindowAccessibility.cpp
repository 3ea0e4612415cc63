#include "kit/WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace {

QSet<QString> &WindowClasses()
{
    static QSet<QString> classes;
    return classes;
}

QAccessibleInterface *WindowFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !WindowClasses().contains(className))
        return nullptr;
    // The name of a window is its title (or its accessible name when set).
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void ExposeAsWindow(const char *className)
{
    if (WindowClasses().isEmpty())
        QAccessible::installFactory(WindowFactory);
    WindowClasses().insert(QString::fromLatin1(className));
}
