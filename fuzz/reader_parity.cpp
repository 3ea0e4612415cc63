// Feeds the same bytes to the editor's reader (the XML document and the
// project's loading, as the test-run reads) and to the player's
// (rules::ReadProject). Both must refuse them for the same reason, naming the
// same line where the editor knows it, or both must give the same project:
// the command tree (kinds, names, hidden flags, paths, parameters, numbers),
// the options, the window's size and caption, the stand-alone buttons.
#include "app/cli/CliEditor.h"
#include "base/BrenwickError.h"
#include "rules/ProjectReader.h"
#include "rules/XmlReader.h"
#include "window/TPicButton.h"
#include "xml/TXDocument.h"

#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

QApplication *g_app = nullptr;
cli::Editor *g_editor = nullptr;
std::string g_fresh;

[[noreturn]] void Differ(const char *what, const std::string &editor, const std::string &player)
{
    std::fprintf(stderr, "the readers differ on %s: editor «%s», player «%s»\n", what, editor.c_str(), player.c_str());
    std::abort();
}

void Same(const char *what, const QString &editor, const std::string &player)
{
    if (editor.toStdString() != player)
        Differ(what, editor.toStdString(), player);
}

void Same(const char *what, long long editor, long long player)
{
    if (editor != player)
        Differ(what, std::to_string(editor), std::to_string(player));
}

void SameCommands(const QList<TBaseItem *> &editor, const std::vector<rules::Command> &player)
{
    Same("the number of commands", editor.size(), qsizetype(player.size()));
    for (qsizetype i = 0; i < editor.size(); ++i) {
        const TBaseItem &e = *editor[i];
        const rules::Command &p = player[size_t(i)];
        Same("a command's kind", e.Kind(), int(p.kind));
        Same("a command's name", e.Name(), p.name);
        Same("a command's comment", e.Comment(), p.comment);
        Same("a command's path", e.Custom(), p.custom);
        Same("a command's parameters", e.Params(), p.params);
        Same("a command's number", e.Id(), p.id);
        Same("a command's hidden flag", e.Hidden(), p.hidden);
        SameCommands(e.Children(), p.children);
    }
}

void SameProject(const rules::Project &p)
{
    SameCommands(g_editor->project.Tree().TopLevel(), p.commands);
    const TProjectOptions &o = g_editor->project.Options();
    Same("the disc folder", o.RootDir(), p.options.rootDir);
    Same("levelup", o.ExitLevelUp(), p.options.exitLevelUp);
    Same("anycom", o.ExitAnyCommand(), p.options.exitAnyCommand);
    Same("cross", o.ExitCross(), p.options.exitCross);
    Same("question", o.ExitQuestion(), p.options.exitQuestion);
    Same("the path option", o.PathOption(), int(p.options.pathOption));
    Same("cdroot", o.CdRoot(), p.options.cdRoot);
    const TPreviewForm &form = g_editor->form;
    Same("the window's width", form.ClientWidth(), p.design.window.clientWidth);
    Same("the window's height", form.ClientHeight(), p.design.window.clientHeight);
    Same("the window's caption", form.Caption(), p.design.window.caption);
    const QList<TPicButton *> buttons = g_editor->layout.PicButtons();
    Same("the number of buttons", buttons.size(), qsizetype(p.buttons.size()));
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const TPicButton &e = *buttons[i];
        const rules::PicButton &b = p.buttons[size_t(i)];
        Same("a button's caption", e.Caption(), b.caption);
        Same("a button's action", e.Action(), int(b.action));
        Same("a button's command", e.ItemID(), b.itemId);
        Same("a button's visibility", e.Visible(), b.visible);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_app = new QApplication(*argc, *argv);
    g_editor = new cli::Editor;
    // A file without a design takes a new project's: the player is given
    // the same one.
    TXDocument fresh;
    fresh.SetRootName(QStringLiteral("Velmora"));
    g_editor->parts.AddNewDesign(*fresh.Root());
    g_fresh = fresh.ToBytes().toStdString();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    rules::Project player;
    std::optional<rules::ReadError> refused;
    try {
        player = rules::ReadProject(bytes, g_fresh);
    } catch (const rules::ReadError &e) {
        refused = e;
    }
    TProject &project = g_editor->project;
    try {
        project.ApplyProject(project.ReadProjectBytes(QByteArray(bytes.data(), qsizetype(bytes.size()))));
    } catch (const BrenwickError &e) {
        if (!refused)
            Differ("whether the file reads", e.message().toStdString(), "read");
        Same("the reason", e.message(), refused->Reason());
        if (e.place().line > 0)
            Same("the line", e.place().line, refused->Line());
        return 0;
    }
    if (refused)
        Differ("whether the file reads", "read", refused->what());
    SameProject(player);
    return 0;
}
