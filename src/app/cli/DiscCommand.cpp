#include "app/cli/Cli.h"
#include "app/cli/CliEditor.h"

#include "base/BrenwickError.h"
#include "project/TDiscImage.h"
#include "project/TDiscPreparation.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace cli {

// brenwick-cli disc PROJECT DIR [--iso OUT.iso] [--label NAME] [--replace-autorun] [--replace-project]
//                   [--replace-player]
int discCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks a project, writes it as Velmora.XML with the player Velmora.EXE and an autorun.inf into the disc "
        "folder DIR, and optionally makes an ISO image of DIR. Nothing is written when the check finds an error."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("the project file"));
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("the disc folder"));
    const QCommandLineOption isoOption(QStringLiteral("iso"), QStringLiteral("ISO image to make of DIR"),
                                       QStringLiteral("OUT.iso"));
    const QCommandLineOption labelOption(QStringLiteral("label"),
                                         QStringLiteral("the image's volume label (default: %1)")
                                             .arg(QString::fromLatin1(TDiscImage::kDefaultLabel)),
                                         QStringLiteral("NAME"));
    const QCommandLineOption replaceOption(QStringLiteral("replace-autorun"),
                                           QStringLiteral("replace an autorun.inf that differs from ours"));
    parser.addOption(isoOption);
    parser.addOption(labelOption);
    parser.addOption(replaceOption);
    const QCommandLineOption replaceProjectOption(
        QStringLiteral("replace-project"), QStringLiteral("replace a Velmora.XML of another project in DIR"));
    parser.addOption(replaceProjectOption);
    const QCommandLineOption replacePlayerOption(
        QStringLiteral("replace-player"), QStringLiteral("replace another Velmora.EXE in DIR with this editor's player"));
    parser.addOption(replacePlayerOption);
    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional =
        positionalArguments(parser, 2, 2, QStringLiteral("disc: expected PROJECT and DIR"));
    const QString dir = positional.at(1);
    const QString label = parser.isSet(labelOption) ? parser.value(labelOption)
                                                    : QString::fromLatin1(TDiscImage::kDefaultLabel);
    const bool makeImage = parser.isSet(isoOption);
    if (makeImage) {
        if (parser.value(isoOption).isEmpty())
            throw UsageError(QStringLiteral("disc: --iso needs a file name"));
        const QString problem = TDiscImage::LabelProblem(label);
        if (!problem.isEmpty())
            throw UsageError(problem);
    }
    if (!QFileInfo(dir).isDir())
        throw BrenwickError(QStringLiteral("disc: %1 is not a folder").arg(dir));

    Editor editor;
    TProject &project = editor.project;
    // The player this editor ships goes onto the disc: the check need not find one there.
    const QString player = TDiscPreparation::PlayerSource(QCoreApplication::applicationDirPath());
    QList<TFinding> findings = CheckProjectFile(editor, positional.constFirst(), dir);
    if (!player.isEmpty())
        findings = TDiscPreparation::WithPlayerSupplied(findings);
    PrintFindings(findings, ctx.out);
    if (TProjectCheck::HasErrors(findings))
        throw BrenwickError(QStringLiteral("the check found errors; nothing was written"));
    if (const std::optional<int> other = TDiscPreparation::OtherProject(project, dir);
        other && !parser.isSet(replaceProjectOption)) {
        const QString what = *other < 0 ? QStringLiteral("an unreadable Velmora.XML")
                                        : QStringLiteral("the Velmora.XML of another project (%1 commands)").arg(*other);
        throw BrenwickError(
            QStringLiteral("%1 holds %2; nothing was written (--replace-project replaces it)").arg(dir, what));
    }

    TDiscPreparation::WriteProject(project, dir);
    if (!player.isEmpty()) {
        const TDiscPreparation::TPlayerState state = TDiscPreparation::PlayerState(dir, player);
        if (state == TDiscPreparation::psNone || (state == TDiscPreparation::psOther && parser.isSet(replacePlayerOption)))
            TDiscPreparation::CopyPlayer(player, dir);
        else if (state == TDiscPreparation::psOther)
            ctx.err << "brenwick-cli: " << dir
                    << " holds another Velmora.EXE, which was kept (--replace-player replaces it)\n";
    }
    if (!TDiscPreparation::AutorunDiffers(dir) || parser.isSet(replaceOption))
        TDiscPreparation::WriteAutorun(dir);
    else
        ctx.err << "brenwick-cli: autorun.inf differs from ours and was kept (--replace-autorun replaces it)\n";

    if (makeImage) {
        TDiscImage image;
        if (!image.Start(dir, parser.value(isoOption), label))
            throw BrenwickError(image.LastError());
        if (!image.WaitForFinished())
            throw BrenwickError(image.LastError());
    }
    return ExitOk;
}

} // namespace cli
