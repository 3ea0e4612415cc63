// Times writing and reading a generated 20 MB document with the XML document
// model, in MB/s and against a single pass that reads the same file and only
// counts its "<" bytes, measured in the same run.
#include "xml/TXDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr qint64 kTargetBytes = 20 * 1000 * 1000;
constexpr int kRounds = 5;

// A project-like tree: groups of commands with Cyrillic names, comments with
// line breaks and characters to escape, and some long texts.
void fill(TXDocument &doc)
{
    doc.SetHeader(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<!DOCTYPE Velmora>\r"));
    doc.SetRootName(QStringLiteral("Velmora"));
    TXNode *root = doc.Root()->AddChild(QStringLiteral("root"));
    int id = 0;
    constexpr int kGroupsPerCheck = 1000;
    while (doc.ToBytes().size() < kTargetBytes) {
        for (int g = 0; g < kGroupsPerCheck; ++g) {
            TXNode *group = root->AddChild(QStringLiteral("group"));
            group->SetAttr(QStringLiteral("name"), QStringLiteral("Группа номер %1").arg(++id));
            group->SetAttr(QStringLiteral("comment"), QStringLiteral("Комментарий \"%1\" <с разметкой> & так далее\r\nвторая строка").arg(id));
            group->SetAttr(QStringLiteral("id"), id);
            group->SetAttr(QStringLiteral("hidden"), false);
            for (int p = 0; p < 8; ++p) {
                TXNode *program = group->AddChild(QStringLiteral("program"));
                program->SetAttr(QStringLiteral("name"), QStringLiteral("Setup program %1").arg(p));
                program->SetAttr(QStringLiteral("custom"), QStringLiteral("Programs\\Folder %1\\setup.exe").arg(id));
                program->SetAttr(QStringLiteral("params"), QStringLiteral("/silent /dir=\"C:\\Program Files\""));
                program->SetAttr(QStringLiteral("id"), ++id);
                program->SetAttr(QStringLiteral("hidden"), p % 3 == 0);
            }
            group->AddChild(QStringLiteral("about"))->SetText(QString(600, u'x') + QStringLiteral("\r\nЁё"));
        }
    }
}

double medianMs(const std::function<void()> &f, const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        f();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmora.XML"));

    TXDocument doc;
    fill(doc);
    doc.SaveToFile(path);
    const double mb = double(QFile(path).size()) / 1e6;

    volatile qsizetype sink = 0;
    const double save = medianMs([&] { doc.SaveToFile(path); });
    // The loaded tree is released outside the timed part.
    std::unique_ptr<TXDocument> loaded;
    const double load = medianMs(
        [&] {
            loaded->LoadFromFile(path);
            sink = sink + loaded->Root()->ChildCount();
        },
        [&] {
            loaded.reset();
            loaded = std::make_unique<TXDocument>();
        });
    const double scan = medianMs([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        qsizetype count = 0;
        for (const char c : bytes)
            count += c == '<';
        sink = sink + count;
    });

    std::printf("document of %.1f MB (median of %d runs)\n", mb, kRounds);
    std::printf("scan for '<'   %8.1f ms  %8.1f MB/s\n", scan, mb / scan * 1000);
    std::printf("SaveToFile     %8.1f ms  %8.1f MB/s   ratio to scan %.2f\n", save, mb / save * 1000, save / scan);
    std::printf("LoadFromFile   %8.1f ms  %8.1f MB/s   ratio to scan %.2f\n", load, mb / load * 1000, load / scan);
    return 0;
}
