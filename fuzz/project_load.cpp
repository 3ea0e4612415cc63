// Loads arbitrary bytes as a whole project (commands, options, design and
// stand-alone buttons). A failed load must leave the project exactly as it
// was; whatever loads must save, load again and save to the same bytes.
#include "app/cli/CliEditor.h"
#include "kit/BrenwickError.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

QApplication *g_app = nullptr;
cli::Editor *g_editor = nullptr;
QString g_input, g_first, g_second;

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
    const QByteArray once = Saved(g_first);
    project.LoadProject(g_first, TProject::WholeProject());
    if (Saved(g_second) != once)
        std::abort();
    return 0;
}
