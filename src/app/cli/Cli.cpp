#include "app/cli/Cli.h"

#include "base/BrenwickError.h"
#include "base/LoadFailure.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <iterator>

namespace cli {

namespace {

const CommandInfo kCommands[] = {
    {"picture", "encode an image as picture text, or decode picture text to BMP", pictureCommand},
    {"tree", "print the command tree of a project", treeCommand},
    {"resave", "open a project and save it again as the editor does", resaveCommand},
    {"render", "draw the menu window of a project (or of a new one) as a PNG", renderCommand},
    {"design", "extract a project's design file, or apply a design file to a project", designCommand},
    {"import", "turn a folder into menu commands, in a new project or added to one", importCommand},
    {"check", "check a project before it goes onto a disc", checkCommand},
    {"disc", "put a project onto a disc folder, and make an ISO image of it", discCommand},
    {"try", "run a project's menu step by step as a visitor would", tryCommand},
};

const QString kToolName = QStringLiteral("brenwick-cli");

// The English translation laid over the process's own while a command runs.
QTranslator *g_english = nullptr;

// Installs the editor's English texts for its lifetime.
class EnglishMessages
{
public:
    EnglishMessages()
    {
        if (!g_english && m_translator.load(QStringLiteral(":/i18n/brenwick_en.qm"))
            && QCoreApplication::installTranslator(&m_translator))
            g_english = &m_translator;
    }
    ~EnglishMessages()
    {
        if (g_english == &m_translator) {
            QCoreApplication::removeTranslator(&m_translator);
            g_english = nullptr;
        }
    }
    EnglishMessages(const EnglishMessages &) = delete;
    EnglishMessages &operator=(const EnglishMessages &) = delete;

private:
    QTranslator m_translator;
};

QString usageText()
{
    QString text = QStringLiteral("Usage: %1 [--help] [--version] COMMAND [ARGS...]\n\n"
                                  "Velmora Brenwick command-line companion.\n\nCommands:\n").arg(kToolName);
    for (const CommandInfo &c : kCommands)
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(c.name).leftJustified(10), QString::fromUtf8(c.summary));
    text += QStringLiteral("\nRun \"%1 COMMAND --help\" for a command's options.\n").arg(kToolName);
    return text;
}

} // namespace

ReportLanguage::ReportLanguage()
{
    if (g_english)
        m_removed = QCoreApplication::removeTranslator(g_english);
}

ReportLanguage::~ReportLanguage()
{
    if (m_removed && g_english)
        QCoreApplication::installTranslator(g_english);
}

bool parseOrShowHelp(QCommandLineParser &parser, const QStringList &args, Context &ctx)
{
    if (!parser.parse(args))
        throw UsageError(parser.errorText());
    if (!parser.isSet(QStringLiteral("help")))
        return false;
    // Qt names the program by its own path in the usage line; the line names
    // the tool and the command instead ("brenwick-cli tree").
    QString help = parser.helpText();
    const QString program = QCoreApplication::arguments().value(0);
    const qsizetype lineEnd = help.indexOf(QLatin1Char('\n'));
    const qsizetype at = program.isEmpty() ? -1 : help.indexOf(program);
    if (at >= 0 && (lineEnd < 0 || at < lineEnd) && !args.isEmpty())
        help.replace(at, program.size(), args.constFirst());
    ctx.out << help;
    return true;
}

QStringList positionalArguments(const QCommandLineParser &parser, int min, int max, const QString &message)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < min || positional.size() > max)
        throw UsageError(message);
    return positional;
}

int run(const QStringList &arguments, Context &ctx)
{
    const QStringList args = arguments.mid(1);
    if (args.isEmpty()) {
        ctx.err << usageText();
        ctx.err.flush();
        return ExitUsage;
    }
    const QString &first = args.constFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        ctx.out << usageText();
        return ExitOk;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        ctx.out << kToolName << ' ' << QStringLiteral(BRENWICK_VERSION) << '\n';
        return ExitOk;
    }
    const EnglishMessages english;
    for (const CommandInfo &c : kCommands) {
        if (first != QLatin1String(c.name))
            continue;
        try {
            // The command sees its own name as argv[0], as QCommandLineParser expects.
            return c.run(QStringList{kToolName + QLatin1Char(' ') + first} + args.mid(1), ctx);
        } catch (const UsageError &e) {
            ctx.err << kToolName << ": " << e.text << '\n';
            return ExitUsage;
        } catch (const BrenwickError &e) {
            // Under a Russian locale a refused file is named as the player names it.
            const QString russian = QLocale::system().language() == QLocale::Russian ? LoadFailureRussian(e) : QString();
            if (!russian.isEmpty()) {
                ctx.err << kToolName << ": " << russian << '\n';
                return ExitFailure;
            }
            const QString place = LoadFailurePlace(e);
            ctx.err << kToolName << ": " << (place.isEmpty() ? QString() : place + QStringLiteral(": ")) << e.message()
                    << '\n';
            return ExitFailure;
        } catch (const std::exception &e) {
            ctx.err << kToolName << ": " << QString::fromLocal8Bit(e.what()) << '\n';
            return ExitFailure;
        }
    }
    ctx.err << kToolName << ": unknown command \"" << first << "\"\n" << usageText();
    return ExitUsage;
}

} // namespace cli
