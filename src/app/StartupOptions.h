#pragma once

#include <QString>
#include <QStringList>

// The editor's command line: "brenwick [FILE]". One optional argument, a project
// file, which the editor opens at start as "Открыть" would; "--help" and
// "--version" print and end. Anything else is a usage error.
struct StartupOptions
{
    enum class Outcome { Run, Exit };

    Outcome outcome = Outcome::Run;
    int exitCode = 0;       // when outcome is Exit
    QString message;        // what to print when outcome is Exit (stdout for 0, stderr otherwise)
    QString projectFile;    // absolute path, or empty when none was given

    // arguments as QCoreApplication::arguments() gives them (program name first),
    // after the toolkit has taken its own options out.
    static StartupOptions parse(const QStringList &arguments);

    // "--help" or "--version" among the raw arguments (before "--"), looked at
    // before the toolkit starts, so that they work without a display: the Exit
    // outcome for them, or Run when neither is there.
    static StartupOptions parseInfoRequest(const QStringList &arguments);
};
