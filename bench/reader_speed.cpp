// Times the player's reader (rules::ReadProject, the whole project) on a
// project of 20,000 entries against the editor's XML parse of the same bytes
// (the document model alone), measured in the same run.
#include "PairTiming.h"
#include "Target.h"
#include "app/cli/CliEditor.h"
#include "rules/ProjectReader.h"
#include "xml/TXDocument.h"

#include <QApplication>
#include <cstdio>
#include <string>

namespace {

constexpr int kEntries = 20000;
constexpr int kPerGroup = 10;   // a group and nine programs
constexpr double kLimit = 1.5;

// The editor's new project with kEntries entries written as it writes them.
QByteArray LargeProject()
{
    cli::Editor editor;
    QByteArray bytes = editor.project.ProjectBytes();
    QByteArray entries = "  <root>\r\n";
    for (int id = 1; id <= kEntries; ++id) {
        const QByteArray n = QByteArray::number(id);
        if (id % kPerGroup == 1) {
            entries += "    <group name=\"Группа " + n + "\" comment=\"Описание &quot;" + n + "&quot;\r\nвторая строка\" id=\""
                + n + "\" hidden=\"0\">\r\n";
            continue;
        }
        entries += "      <program name=\"Программа " + n + "\" custom=\"Programs\\Setup " + n
            + "\\setup.exe\" params=\"/silent\" id=\"" + n + "\" hidden=\"" + (id % 7 == 0 ? "-1" : "0") + "\"/>\r\n";
        if (id % kPerGroup == 0)
            entries += "    </group>\r\n";
    }
    entries += "  </root>\r\n";
    const qsizetype creatorEnd = bytes.indexOf("/>\r\n", bytes.indexOf("<creator")) + 4;
    bytes.insert(creatorEnd, entries);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray bytes = LargeProject();
    const std::string_view view(bytes.constData(), size_t(bytes.size()));
    std::size_t read = 0;
    const int rounds = bench::Rounds(7, 3);
    const auto [rulesMs, editorMs] = bench::medianPairMs(
        rounds, [&] { read += rules::ReadProject(view).commands.size(); },
        [&] {
            TXDocument doc;
            TXInput in{QByteArrayView(bytes)};
            doc.ReadFrom(in);
        });
    if (read != std::size_t(rounds) * (kEntries / kPerGroup)) {
        std::fprintf(stderr, "the project did not read as written\n");
        return 1;
    }
    const double ratio = rulesMs / editorMs;
    std::printf("%d entries, %.1f MB: rules::ReadProject %.1f ms, the editor's XML parse %.1f ms (medians of %d)\n",
                kEntries, double(bytes.size()) / 1e6, rulesMs, editorMs, rounds);
    return bench::Target("reader_vs_editor_parse", ratio, "x", kLimit) ? 0 : 1;
}
