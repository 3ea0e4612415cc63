#include "app/cli/Cli.h"

#include "base/BrenwickError.h"
#include "project/TCommandTreeTarget.h"
#include "project/TFolderScan.h"
#include "project/TProjectCheck.h"
#include "app/cli/CliEditor.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace cli {

namespace {

struct Choice
{
    const char *word;
    int value;
};

const Choice kNameChoices[] = {
    {"full", int(TImportOptions::NameMode::FullPath)},
    {"dir", int(TImportOptions::NameMode::DirPath)},
    {"none", int(TImportOptions::NameMode::NoPath)},
};
const Choice kPathChoices[] = {
    {"full", int(TImportOptions::PathMode::FullPath)},
    {"dir", int(TImportOptions::PathMode::DirPath)},
    {"withdir", int(TImportOptions::PathMode::IncDirPath)},
};

template <size_t N>
int choose(const QString &option, const QString &word, const Choice (&choices)[N])
{
    QStringList words;
    for (const Choice &c : choices) {
        if (word == QLatin1String(c.word))
            return c.value;
        words << QString::fromLatin1(c.word);
    }
    throw UsageError(QStringLiteral("--%1 takes one of %2, not \"%3\"").arg(option, words.join(QStringLiteral(", ")), word));
}

} // namespace

int importCommand(const QStringList &args, Context &ctx)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Turns a folder into menu commands: a group per folder, a program entry per file."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("the folder to import"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("the project file to write"), QStringLiteral("OUT"));
    const QCommandLineOption into(QStringLiteral("into"),
                                  QStringLiteral("add the commands at the end of this project's top level"),
                                  QStringLiteral("PROJECT"));
    const QCommandLineOption noSubdirs(QStringLiteral("no-subdirs"), QStringLiteral("do not descend into subfolders"));
    const QCommandLineOption dirMask(QStringLiteral("dir-mask"),
                                     QStringLiteral("masks of subfolders to descend into (default \"*.*\")"),
                                     QStringLiteral("MASKS"), QStringLiteral("*.*"));
    const QCommandLineOption depth(QStringLiteral("depth"), QStringLiteral("limit the depth of subfolders (0 to 9)"),
                                   QStringLiteral("N"));
    const QCommandLineOption fileMask(QStringLiteral("file-mask"),
                                      QStringLiteral("masks of files to import (default \"*.*\")"),
                                      QStringLiteral("MASKS"), QStringLiteral("*.*"));
    const QCommandLineOption extension(QStringLiteral("extension"), QStringLiteral("keep file extensions in command names"));
    const QCommandLineOption pathComment(QStringLiteral("path-comment"),
                                         QStringLiteral("each folder's group gets the folder's path as its comment"));
    const QCommandLineOption oneGroup(QStringLiteral("one-group"), QStringLiteral("put all files into one group"));
    const QCommandLineOption noAlone(QStringLiteral("no-alone"),
                                     QStringLiteral("a folder with a single entry gets no group of its own"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("command names: full, dir (path from the folder) or none (default)"),
                                  QStringLiteral("full|dir|none"), QStringLiteral("none"));
    const QCommandLineOption path(QStringLiteral("path"),
                                  QStringLiteral("program paths: full, dir (path from the folder) or withdir "
                                                 "(the folder's name and the path from it, default)"),
                                  QStringLiteral("full|dir|withdir"), QStringLiteral("withdir"));
    const QCommandLineOption prefix(QStringLiteral("prefix"), QStringLiteral("text put in front of every program path"),
                                    QStringLiteral("TEXT"));
    const QCommandLineOption autoExit(QStringLiteral("auto-exit"),
                                      QStringLiteral("every new group gets an exit entry \"Выход\""));
    parser.addOptions({output, into, noSubdirs, dirMask, depth, fileMask, extension, pathComment, oneGroup, noAlone,
                       name, path, prefix, autoExit});

    if (parseOrShowHelp(parser, args, ctx))
        return ExitOk;
    const QStringList positional = positionalArguments(parser, 1, 1, QStringLiteral("import takes one folder (DIR)"));
    if (!parser.isSet(output) || parser.value(output).isEmpty())
        throw UsageError(QStringLiteral("import needs the output file: -o OUT"));

    TImportOptions options;
    options.dirName = positional.constFirst();
    options.recurseDirs = !parser.isSet(noSubdirs);
    options.dirMask = parser.value(dirMask);
    if (parser.isSet(depth)) {
        bool ok = false;
        const int n = parser.value(depth).toInt(&ok);
        if (!ok || n < 0 || n > TImportOptions::kMaxDepthLimit || parser.value(depth).size() != 1)
            throw UsageError(QStringLiteral("--depth takes one digit, 0 to 9, not \"%1\"").arg(parser.value(depth)));
        options.limitDepth = true;
        options.depthLimit = n;
    }
    options.fileMask = parser.value(fileMask);
    options.extension = parser.isSet(extension);
    options.pathComment = parser.isSet(pathComment);
    options.oneGroup = parser.isSet(oneGroup);
    options.noAlone = parser.isSet(noAlone);
    options.nameMode = TImportOptions::NameMode(choose(QStringLiteral("name"), parser.value(name), kNameChoices));
    options.pathMode = TImportOptions::PathMode(choose(QStringLiteral("path"), parser.value(path), kPathChoices));
    options.dirPrefix = parser.value(prefix);

    if (options.dirName.isEmpty() || !QFileInfo(options.dirName).isDir())
        throw BrenwickError(QStringLiteral("folder not found: %1").arg(options.dirName));

    Editor editor;
    TProject &project = editor.project;
    if (parser.isSet(into))
        project.LoadProject(parser.value(into), TProject::WholeProject());
    TCommandTree &tree = project.Tree();
    tree.SetAutoExit(parser.isSet(autoExit));
    tree.SetCurrentGroup(nullptr);   // the commands go to the end of the top level
    const int before = tree.Count();

    if (const QString disc = project.Options().RootDir(); !disc.isEmpty()) {
        options.discDir = QFileInfo(disc).absoluteFilePath();
        options.discBase = TProjectCheck::BaseFolder(project.Options(), project.FileName(), options.discDir);
    }
    TCommandTreeTarget target(tree);
    TFolderScan scan(options, target);
    target.begin();
    scan.Run();
    target.end();

    project.SaveProject(parser.value(output), TProject::WholeProject());
    ctx.out << QStringLiteral("%1 entries imported (%2 programs from %3 folders)\n")
                   .arg(tree.Count() - before)
                   .arg(scan.programsAdded())
                   .arg(scan.foldersSearched());
    return ExitOk;
}

} // namespace cli
