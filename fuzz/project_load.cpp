// Loads arbitrary bytes as a whole project (commands, options, design and
// stand-alone buttons). A failed load must leave the project exactly as it
// was; whatever loads must save, load and save again, and from that second
// save on give the same bytes (the first save may differ from the second: a
// path option word the editor does not know opens with no option, which saves
// without one and then opens as the default).
#include "app/cli/CliEditor.h"
#include "base/BrenwickError.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

QApplication *g_app = nullptr;
cli::Editor *g_editor = nullptr;
QString g_input, g_first, g_second, g_third;

QByteArray Saved(const QString &path)
{
    g_editor->project.SaveProject(path, TProject::WholeProject());
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_app = new QApplication(*argc, *argv);
    g_editor = new cli::Editor;
    const QString base = QDir::tempPath() + QStringLiteral("/brenwick-fuzz-%1-").arg(QCoreApplication::applicationPid());
    g_input = base + QStringLiteral("in.xml");
    g_first = base + QStringLiteral("first.xml");
    g_second = base + QStringLiteral("second.xml");
    g_third = base + QStringLiteral("third.xml");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile f(g_input);
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TProject &project = g_editor->project;
    const QByteArray before = Saved(g_first);
    TProject::TLoadedPtr loaded;
    try {
        loaded = project.ReadProject(g_input, TProject::WholeProject());
    } catch (const BrenwickError &) {
        if (Saved(g_second) != before)
            std::abort();
        return 0;
    }
    if (!loaded)
        std::abort();   // the file was just written
    project.ApplyProject(std::move(loaded));
    Saved(g_first);
    project.LoadProject(g_first, TProject::WholeProject());
    const QByteArray twice = Saved(g_second);
    project.LoadProject(g_second, TProject::WholeProject());
    if (Saved(g_third) != twice)
        std::abort();
    return 0;
}
