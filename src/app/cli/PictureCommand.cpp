#include "app/cli/Cli.h"

#include "base/BrenwickError.h"
#include "base/TPicture.h"
#include "xml/PictureText.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>

// brenwick-cli picture encode IMAGE
// brenwick-cli picture decode [TEXTFILE] -o OUT.bmp
namespace cli {

namespace {

const char *const kPictureUsage =
    "Usage: brenwick-cli picture encode IMAGE\n"
    "       brenwick-cli picture decode [TEXTFILE] -o OUT.bmp\n"
    "\n"
    "encode  prints the picture text of an image (BMP, JPEG, PNG, GIF, icon...)\n"
    "        as a project file stores it, followed by one newline.\n"
    "decode  reads a picture text from TEXTFILE or standard input (surrounding\n"
    "        blanks and line ends are ignored) and writes its BMP bytes to OUT.bmp;\n"
    "        an empty picture gives an empty file.\n";

QByteArray readText(const QStringList &positional, Context &ctx)
{
    if (positional.size() < 2)
        return ctx.in.readAll();
    QFile file(positional.at(1));
    if (!file.open(QIODevice::ReadOnly))
        throw BrenwickError(QStringLiteral("Cannot open the file: %1").arg(positional.at(1)));
    return file.readAll();
}

void writeFileAtomically(const QString &name, const QByteArray &bytes)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(name));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw BrenwickError(QStringLiteral("Stream write error"));
}

} // namespace

int pictureCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The BMP file to write (decode)."), QStringLiteral("OUT.bmp"));
    parser.addOption(help);
    parser.addOption(output);
    if (!parser.parse(args))
        throw UsageError(parser.errorText());
    if (parser.isSet(help)) {
        ctx.out << kPictureUsage;
        return ExitOk;
    }

    const QStringList positional = parser.positionalArguments();
    const QString action = positional.value(0);
    if (action == QLatin1String("encode")) {
        if (positional.size() != 2 || parser.isSet(output))
            throw UsageError(QStringLiteral("picture encode takes one IMAGE and no options"));
        TPicture picture;
        picture.loadFromFile(positional.at(1));
        ctx.out << PictureToText(picture) << '\n';
        return ExitOk;
    }
    if (action == QLatin1String("decode")) {
        if (positional.size() > 2)
            throw UsageError(QStringLiteral("picture decode takes at most one TEXTFILE"));
        if (!parser.isSet(output) || parser.value(output).isEmpty())
            throw UsageError(QStringLiteral("picture decode needs -o OUT.bmp"));
        const QString text = QString::fromLatin1(readText(positional, ctx)).trimmed();
        QByteArray bytes;
        if (!text.isEmpty()) {
            bytes = PictureTextToBytes(text);
            (void)BitmapFromBytes(bytes);   // the bytes must read as a bitmap
        }
        writeFileAtomically(parser.value(output), bytes);
        return ExitOk;
    }
    throw UsageError(action.isEmpty() ? QStringLiteral("picture needs encode or decode\n") + QLatin1String(kPictureUsage)
                                      : QStringLiteral("unknown picture action \"%1\"").arg(action));
}

} // namespace cli
