#include "app/cli/Cli.h"
#include "layout/TPreviewForm.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliResult
{
    int status = 0;
    QString err;
};

CliResult render(const QStringList &args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    QBuffer in;
    in.open(QIODevice::ReadOnly);
    cli::Context ctx{o, e, in};
    CliResult r;
    r.status = cli::run(QStringList{QStringLiteral("brenwick-cli"), QStringLiteral("render")} + args, ctx);
    e.flush();
    r.err = err;
    return r;
}

} // namespace

TEST(RenderCommand, NewProjectIsWhatTheWindowPaints)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("new.png"));
    ASSERT_EQ(render({QStringLiteral("-o"), png}).status, 0);
    const QImage written(png);
    ASSERT_FALSE(written.isNull());
    TPreviewForm form;
    const QImage expected = form.renderClient(false);
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
    const CliResult r = render({QStringLiteral("-o"), dir.filePath(QStringLiteral("no/such/dir.png"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Cannot create file")));
}
