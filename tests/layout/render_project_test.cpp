#include "app/cli/Cli.h"
#include "app/cli/CliEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

CliRun render(const QStringList &args)
{
    return RunCli(QStringList{QStringLiteral("render")} + args);
}

} // namespace

TEST(RenderCommand, ProjectAndItsCommandsChooseTheMenuShown)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velmora.XML"));
    {
        cli::Editor editor;   // a project as the editor writes it, design included
        TProject &project = editor.project;
        TCommandTree &tree = project.Tree();
        TBaseItem *group = tree.AddItem(QStringLiteral("Игры"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
        tree.AddItem(QStringLiteral("Шахматы"), ikProgram, TCommandTree::TPlace::LastChildOf(group), false);
        tree.AddItem(QStringLiteral("Сайт"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
        project.SaveProject(file, TProject::WholeProject());
    }
    const QString first = dir.filePath(QStringLiteral("first.png"));
    const QString inner = dir.filePath(QStringLiteral("inner.png"));
    const QString fresh = dir.filePath(QStringLiteral("fresh.png"));
    ASSERT_EQ(render({file, QStringLiteral("-o"), first}).status, 0);
    ASSERT_EQ(render({file, QStringLiteral("-o"), inner, QStringLiteral("--item"), QStringLiteral("2")}).status, 0);
    ASSERT_EQ(render({QStringLiteral("-o"), fresh}).status, 0);
    const QImage a(first), b(inner), c(fresh);
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);

    const CliRun missing = render({file, QStringLiteral("-o"), inner, QStringLiteral("--item"), QStringLiteral("99")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("99")));
}

TEST(RenderCommand, ProjectThatCannotBeReadWritesNothing)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("x.png"));
    EXPECT_EQ(render({dir.filePath(QStringLiteral("none.xml")), QStringLiteral("-o"), png}).status, 1);
    EXPECT_FALSE(QFile::exists(png));

    // Not a project: the error, and no picture.
    const QString junk = dir.filePath(QStringLiteral("junk.xml"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\"?><Velmora><root><item");
    f.close();
    EXPECT_EQ(render({junk, QStringLiteral("-o"), png}).status, 1);
    EXPECT_FALSE(QFile::exists(png));

}
