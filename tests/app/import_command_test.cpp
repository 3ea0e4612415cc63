#include "../project/import_fixture.h"
#include "app/cli/Cli.h"

#include <QBuffer>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int status = 0;
    QString out;
    QString err;
};

CliRun runImport(const QStringList &args)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    QBuffer in;
    in.open(QIODevice::ReadOnly);
    cli::Context ctx{outStream, errStream, in};
    CliRun r;
    r.status = cli::run(QStringList{QStringLiteral("brenwick-cli"), QStringLiteral("import")} + args, ctx);
    outStream.flush();
    errStream.flush();
    r.out = out;
    r.err = err;
    return r;
}

} // namespace

TEST(ImportCommand, WrongArgumentsWriteNothing)
{
    ImportFixture fx({QStringLiteral("Soft/a.exe")});
    const QString dir = fx.path(QStringLiteral("Soft"));
    const QString out = fx.path(QStringLiteral("out.xml"));
    const QList<QStringList> usage = {
        {},
        {dir},                                                        // no -o
        {QStringLiteral("-o"), out},                                  // no DIR
        {dir, dir, QStringLiteral("-o"), out},                        // two folders
        {dir, QStringLiteral("-o"), out, QStringLiteral("--depth"), QStringLiteral("12")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--depth"), QStringLiteral("x")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--depth"), QStringLiteral("-1")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--name"), QStringLiteral("base")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--path"), QStringLiteral("none")},
        {dir, QStringLiteral("-o"), out, QStringLiteral("--frobnicate")},
    };
    for (const QStringList &args : usage) {
        const CliRun r = runImport(args);
        EXPECT_EQ(r.status, cli::ExitUsage) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("brenwick-cli: "))) << r.err.toStdString();
    }
    const CliRun missing = runImport({fx.path(QStringLiteral("Missing")), QStringLiteral("-o"), out});
    EXPECT_EQ(missing.status, cli::ExitFailure);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Missing"))) << missing.err.toStdString();
    const CliRun file = runImport({fx.path(QStringLiteral("Soft/a.exe")), QStringLiteral("-o"), out});
    EXPECT_EQ(file.status, cli::ExitFailure);
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(ImportCommand, HelpListsEveryOption)
{
    const CliRun r = runImport({QStringLiteral("--help")});
    EXPECT_EQ(r.status, cli::ExitOk);
    for (const char *option : {"--output", "--into", "--no-subdirs", "--dir-mask", "--depth", "--file-mask", "--extension",
                               "--path-comment", "--one-group", "--no-alone", "--name", "--path", "--prefix", "--auto-exit"})
        EXPECT_TRUE(r.out.contains(QLatin1String(option))) << option;
}
