#include "app/cli/Cli.h"
#include "app/cli/CliEditor.h"
#include "layout/TPreviewForm.h"

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

TEST(RenderCommand, NewProjectIsWhatTheWindowPaints)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("new.png"));
    ASSERT_EQ(render({QStringLiteral("-o"), png}).status, 0);
    const QImage written(png);
    ASSERT_FALSE(written.isNull());
    // The new project as the editor starts it: its default buttons included.
    cli::Editor editor;
    editor.form.fillMenu();
    const QImage expected = editor.form.renderClient(false);
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), expected);
    // The placeholders: the second one drawn in the selected colour (red).
    bool red = false;
    for (int y = 64; y < 90 && !red; ++y)
        for (int x = 228; x < 340 && !red; ++x)
            red = written.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST(RenderCommand, BadArgumentsAndFilesFailCleanly)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("x.png"));
    EXPECT_EQ(render({}).status, 2);                                               // no -o
    EXPECT_EQ(render({QStringLiteral("-o"), png, QStringLiteral("--item"), QStringLiteral("1")}).status, 2);
    EXPECT_EQ(render({QStringLiteral("a.xml"), QStringLiteral("-o"), png, QStringLiteral("--item"), QStringLiteral("x")}).status, 2);
    EXPECT_EQ(render({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("-o"), png}).status, 2);
    // An output folder that does not exist.
    const CliRun r = render({QStringLiteral("-o"), dir.filePath(QStringLiteral("no/such/dir.png"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Cannot create file")));
}
