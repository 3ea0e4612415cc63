// What assistive technology is told: the editor's windows by their titles,
// and a name for every button and field of the main window's three pages.
#include "app/TDesignFileLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "app/TTrialForm.h"
#include "app/cli/CliEditor.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "support/ScriptedPrompt.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QString AccessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

QAccessible::Role AccessibleRole(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->role() : QAccessible::NoRole;
}

// A button or a field the user reaches, not a part of another control (a spin
// box's or a combo box's own edit, a view's cell editor).
bool IsControl(QWidget *widget)
{
    for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<QAbstractSpinBox *>(up) || qobject_cast<QComboBox *>(up) || qobject_cast<QAbstractItemView *>(up))
            return false;
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
        || qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QComboBox *>(widget)
        || qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTextEdit *>(widget)
        || qobject_cast<QAbstractItemView *>(widget);
}

} // namespace

TEST(Accessibility, WindowsAreNamedByTitleAndEveryControlOfThePagesHasAName)
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    TMainForm main(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
    TPreviewForm preview;
    linkDesignWindow(main, preview);
    TLayoutEditor *layout = linkLayoutPage(main, preview);
    linkDesignFile(main, preview, *layout);
    layout->FormShow();

    // The design window and the test-run window are windows with their titles.
    EXPECT_EQ(AccessibleRole(&preview), QAccessible::Window);
    EXPECT_EQ(AccessibleName(&preview), preview.windowTitle());
    EXPECT_FALSE(preview.windowTitle().isEmpty());
    cli::Editor editor;
    auto *trial = new TTrialForm(editor.project.ProjectBytes(), {}, QString(), QString(), prompt);
    EXPECT_EQ(AccessibleRole(trial), QAccessible::Window);
    EXPECT_EQ(AccessibleName(trial), trial->windowTitle());
    delete trial;
    // Other plain widgets keep their own role.
    QWidget plain;
    EXPECT_NE(AccessibleRole(&plain), QAccessible::Window);

    auto *pages = main.findChild<QTabWidget *>(QStringLiteral("PageControl"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 3);
    QStringList unnamed;
    int controls = 0;
    for (int i = 0; i < pages->count(); ++i) {
        for (QWidget *widget : pages->widget(i)->findChildren<QWidget *>()) {
            if (!IsControl(widget))
                continue;
            ++controls;
            if (AccessibleName(widget).isEmpty())
                unnamed << QStringLiteral("%1: %2 (%3)").arg(pages->tabText(i), widget->objectName(),
                                                            QString::fromLatin1(widget->metaObject()->className()));
        }
    }
    EXPECT_GE(controls, 30);
    // A box inside another is named by its own title.
    auto *where = main.findChild<QWidget *>(QStringLiteral("rgWhereAdd"));
    ASSERT_NE(where, nullptr);
    EXPECT_EQ(AccessibleName(where), QStringLiteral("Куда"));
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
}
