// Timing of the command tree: creating entries through the add operation at
// three sizes (the growth must stay linear), and opening a 20,000-entry
// project against parsing the same file with the document model alone.

#include "app/TMainForm.h"
#include "project/TProject.h"
#include "base/UserPrompt.h"
#include "xml/TXDocument.h"
#include "Target.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kDepth = 5;            // groups nested five deep
constexpr int kSubgroups = 3;
constexpr int kProgramsPerGroup = 16;
const int kRuns = bench::Rounds(5, 2);
constexpr double kGrowthLimit = 1.5;   // time per entry at 20,000 against at 5,000: linear
constexpr double kOpenLimit = 3.0;     // open as a project against the document parse

// Answers No to every question and cancels every dialog.
class NoPrompt : public UserPrompt
{
public:
    Answer ask(const QString &, const QString &, Buttons, Icon) override { return Answer::No; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }
};

// A design window stand-in that reads the menu level as the real one does.
class LevelReadingView : public TDesignView
{
public:
    explicit LevelReadingView(const TMenuSource &source) : m_source(source) {}
    void RefreshMenu() override { m_entries += m_source.currentLevel().entries.size(); }
    void SetCommentText(const QString &) override {}
    void ShowPreview() override {}
    qint64 m_entries = 0;

private:
    const TMenuSource &m_source;
};

// Fills the tree through the add operation ("Внутрь" into the selected group)
// until it holds count entries.
void Fill(TCommandTree &tree, int count)
{
    tree.SetWhereAdd(TCommandTree::waInside);
    std::function<void(TBaseItem *, int)> fill = [&](TBaseItem *group, int depth) {
        for (int p = 0; p < kProgramsPerGroup && tree.Count() < count; ++p) {
            if (group)
                tree.Select(group);
            tree.AddItem(QStringLiteral("Программа %1").arg(tree.Count()), ikProgram, TCommandTree::TPlace::ByChoice());
        }
        for (int g = 0; depth < kDepth && g < kSubgroups && tree.Count() < count; ++g) {
            if (group)
                tree.Select(group);
            TBaseItem *sub = tree.AddItem(QStringLiteral("Группа %1").arg(tree.Count()), ikGroup,
                                          TCommandTree::TPlace::ByChoice());
            fill(sub, depth + 1);
        }
    };
    while (tree.Count() < count) {
        if (tree.CurrentItem())
            tree.SetCurrentGroup(nullptr);   // the next top-level group
        TBaseItem *top = tree.AddItem(QStringLiteral("Раздел %1").arg(tree.Count()), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr));
        fill(top, 1);
    }
}

double Best(const std::function<void()> &run)
{
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("Creating entries through the add operation (best of %d):\n", kRuns);
    double perEntry5k = 0, growth = 0;
    for (int count : {5000, 10000, 20000}) {
        const double project = Best([&] {
            TProject p;
            LevelReadingView view(p.Tree());
            p.SetDesignView(&view);
            Fill(p.Tree(), count);
        });
        NoPrompt prompt;
        const double window = Best([&] {
            TMainForm form(QString(), &prompt);
            Fill(form.Tree(), count);
            form.Project().SetModified(false);
        });
        if (count == 5000)
            perEntry5k = project / count;
        growth = (project / count) / perEntry5k;
        std::printf("  %6d entries: %8.1f ms headless (%.2f us/entry, x%.2f of the 5,000 rate), %8.1f ms in the main window\n",
                    count, project, project * 1000 / count, (project / count) / perEntry5k, window);
    }

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velmora.XML"));
    {
        TProject p;
        Fill(p.Tree(), 20000);
        p.SaveProject(file, TProject::WholeProject());
    }
    const double parse = Best([&] {
        TXDocument doc;
        doc.LoadFromFile(file);
    });
    const double open = Best([&] {
        TProject p;
        p.LoadProject(file, TProject::WholeProject());
    });
    double readPart = 1e300, applyPart = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        TProject p;
        QElapsedTimer t;
        t.start();
        TProject::TLoadedPtr loaded = p.ReadProject(file, TProject::WholeProject());
        readPart = std::min(readPart, t.nsecsElapsed() / 1e6);
        t.restart();
        p.ApplyProject(std::move(loaded));
        applyPart = std::min(applyPart, t.nsecsElapsed() / 1e6);
    }
    NoPrompt prompt;
    const double openWindow = Best([&] {
        TMainForm form(QString(), &prompt);
        form.LoadProject(file, TProject::WholeProject());
    });
    const double save = Best([&] {
        TProject p;
        p.LoadProject(file, TProject::WholeProject());
        p.SaveProject(dir.filePath(QStringLiteral("again.xml")), TProject::WholeProject());
    });
    std::printf("Opening a project of 20,000 entries (%lld bytes):\n", (long long)QFileInfo(file).size());
    std::printf("  parse with the document model alone: %8.1f ms\n", parse);
    std::printf("  open as a project (headless):        %8.1f ms  ratio x%.2f\n", open, open / parse);
    std::printf("    of which reading and checking the file %8.1f ms, building the tree %8.1f ms\n", readPart, applyPart);
    std::printf("  open in the main window:             %8.1f ms  ratio x%.2f\n", openWindow, openWindow / parse);
    std::printf("  open and save again:                 %8.1f ms\n", save);
    bench::Target("adding 20,000 entries, time per entry of that at 5,000", growth, "x", kGrowthLimit);
    bench::Target("open of 20,000 entries, of the document parse", open / parse, "x", kOpenLimit);
    return 0;
}
