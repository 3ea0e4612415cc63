#pragma once

#include <QStringList>
#include <QTextStream>

class QIODevice;
class QCommandLineParser;
class TCommandTree;
class TProject;
struct TFinding;

// The command-line companion: "brenwick-cli COMMAND ARGS...". Each command is a
// function in src/app/cli/ listed in the table of Cli.cpp. Commands print their
// result to out, errors to err (the caller prefixes "brenwick-cli: "), and return
// the exit status. They throw BrenwickError for failures (status 1) and
// CliUsageError for bad arguments (status 2).
namespace cli {

struct Context
{
    QTextStream &out;
    QTextStream &err;
    QIODevice &in;   // standard input
};

// The tool speaks English whatever the locale: while a command runs, the
// editor's texts are in English, except within a ReportLanguage, where they
// are in the language the process had before (the tool's main installs the
// locale's): the check's findings and the test-run's log follow the locale.
class ReportLanguage
{
public:
    ReportLanguage();
    ~ReportLanguage();
    ReportLanguage(const ReportLanguage &) = delete;
    ReportLanguage &operator=(const ReportLanguage &) = delete;

private:
    bool m_removed = false;
};

using Command = int (*)(const QStringList &args, Context &ctx);

struct CommandInfo
{
    const char *name;
    const char *summary;   // one line for --help
    Command run;
};

class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString text;
};

enum ExitStatus { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

// Runs the whole tool: argv[0] is the program name. A QCoreApplication (or
// QApplication) must exist.
int run(const QStringList &arguments, Context &ctx);

// Parses a command's arguments with its parser (which has the help option).
// Throws UsageError for arguments the parser refuses; prints the help and
// returns true when --help was given, so the command just returns ExitOk.
bool parseOrShowHelp(QCommandLineParser &parser, const QStringList &args, Context &ctx);

// The positional arguments, which must number between min and max; otherwise
// UsageError(message).
QStringList positionalArguments(const QCommandLineParser &parser, int min, int max, const QString &message);

// The commands.
int pictureCommand(const QStringList &args, Context &ctx);
int treeCommand(const QStringList &args, Context &ctx);
// The lines "brenwick-cli tree" prints for a command tree.
QString FormatCommandTree(const TCommandTree &tree);
int resaveCommand(const QStringList &args, Context &ctx);
int renderCommand(const QStringList &args, Context &ctx);
int designCommand(const QStringList &args, Context &ctx);
int importCommand(const QStringList &args, Context &ctx);
int checkCommand(const QStringList &args, Context &ctx);
int discCommand(const QStringList &args, Context &ctx);
int tryCommand(const QStringList &args, Context &ctx);
struct Editor;
// Opens fileName into the editor, design and buttons included, and checks it
// against discDir (empty: the project's own disc folder).
QList<TFinding> CheckProjectFile(Editor &editor, const QString &fileName, const QString &discDir);
// One finding a line.
void PrintFindings(const QList<TFinding> &findings, QTextStream &out);

} // namespace cli
