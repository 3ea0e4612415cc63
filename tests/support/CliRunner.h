#pragma once

#include "app/cli/Cli.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

// Runs brenwick-cli in process, as the tool's main does, with the given
// standard input, and keeps what it printed.
struct CliRun
{
    int status = 0;
    QString out;
    QString err;
};

inline CliRun RunCli(const QStringList &args, const QByteArray &stdinBytes = QByteArray())
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    QByteArray input = stdinBytes;
    QBuffer in(&input);
    in.open(QIODevice::ReadOnly);
    cli::Context ctx{outStream, errStream, in};
    CliRun r;
    r.status = cli::run(QStringList{QStringLiteral("brenwick-cli")} + args, ctx);
    outStream.flush();
    errStream.flush();
    r.out = out;
    r.err = err;
    return r;
}
