#include "app/cli/Cli.h"

#include <QBuffer>
#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

CliRun runCli(const QStringList &args)
{
    return RunCli(args);
}

} // namespace

TEST(Cli, VersionAndHelpAndUsageErrors)
{
    CliRun v = runCli({QStringLiteral("--version")});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, QStringLiteral("brenwick-cli 1.1.2\n"));

    CliRun h = runCli({QStringLiteral("--help")});
    EXPECT_EQ(h.status, 0);
    EXPECT_TRUE(h.out.contains(QStringLiteral("picture")));

    CliRun none = runCli({});
    EXPECT_EQ(none.status, 2);

    CliRun bad = runCli({QStringLiteral("frobnicate")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.startsWith(QStringLiteral("brenwick-cli: unknown command")));
}
