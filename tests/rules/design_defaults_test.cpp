// A project file without a design: the player lays out its menu area as the
// editor does a new project's: its columns, how they share the width, the alignment.
#include "app/cli/CliEditor.h"
#include "rules/ProjectReader.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RulesDefaults, AFileWithoutADesignShowsTheMenuAreaOfANewProject)
{
    QTemporaryDir temp;
    cli::Editor editor;
    const QString file = temp.filePath(QStringLiteral("Velmora.XML"));
    editor.project.SaveProject(file, TProject::WholeProject());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(f.readAll());
    const rules::Project saved = rules::ReadProject(text.toStdString());
    for (const char *name : {"window", "background", "theme", "toplabel", "menubox", "commentbox", "button"})
        text.remove(QRegularExpression(QStringLiteral("<%1>.*?</%1>").arg(QLatin1String(name)),
                                       QRegularExpression::DotMatchesEverythingOption));
    const rules::Project bare = rules::ReadProject(text.toStdString());
    ASSERT_FALSE(bare.hasDesign);
    const rules::TextBox &menu = bare.design.menu, &want = saved.design.menu;
    EXPECT_EQ(menu.columns, want.columns);
    EXPECT_EQ(menu.horizAlloc, want.horizAlloc);
    EXPECT_EQ(menu.alignment, want.alignment);
}
