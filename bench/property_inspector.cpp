// Timing of the page "Внешний вид": switching the inspected object between the
// 30-row stand-alone button and the window, and a drag of a button in a
// 1920 x 1080 design window while the grid shows the dragged button's values,
// against the same drag with the page hidden, in the same run; likewise a
// design load and 200 undo and redo steps with the grid showing against the
// same work with the grid hidden.
#include "PairTiming.h"
#include "Target.h"
#include "base/UserPrompt.h"
#include "layout/TDesignFileParts.h"
#include "layout/TLayoutEditor.h"
#include "layout/TLayoutPage.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cstdio>

namespace {

constexpr int kSwitches = 200;
constexpr int kMoves = 200;
constexpr int kSteps = 200;
constexpr int kLoads = 10;
constexpr int kRounds = 3;
constexpr double kFrameMs = 1000.0 / 60;
constexpr double kAllowedRatio = 1.3;       // a drag with the grid showing, against hidden
constexpr double kAllowedSwitchMs = 2.0;     // the grid switched between two objects
constexpr double kAllowedLoadRatio = 1.2;    // a design load with the grid showing
constexpr double kAllowedStepRatio = 1.1;    // an undo or redo with the grid showing
const QSize kClient(1920, 1080);
const QSize kPage(700, 500);

class SilentPrompt : public UserPrompt
{
public:
    Answer ask(const QString &, const QString &, Buttons, Icon) override { return Answer::No; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }
};

void sendMouse(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

struct Setup
{
    TPreviewForm form;
    TProject project;
    SilentPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    TDesignFileParts parts{form, &editor.Document()};
    QWidget page;
    TLayoutPage *widgets;

    Setup()
    {
        project.SetDesignParts(&parts);
        widgets = new TLayoutPage(&page, editor, TLayoutPage::Actions());
        page.resize(kPage);
        editor.FormShow();
        form.setClientWidth(kClient.width());
        form.setClientHeight(kClient.height());
        form.show();
        page.show();
        QApplication::processEvents();
    }
    QStandardItem *node(int top, int child = -1)
    {
        QStandardItem *n = editor.Tree().model()->item(top);
        return child < 0 ? n : n->child(child);
    }
};

double switchMs(Setup &s)
{
    QStandardItem *window = s.node(0);
    QStandardItem *button = s.editor.ButtonsNode()->child(0);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kSwitches; ++i) {
        s.editor.Tree().Select(i % 2 ? window : button);
        QApplication::processEvents();
    }
    return double(t.nsecsElapsed()) / 1e6 / kSwitches;
}

double dragMs(Setup &s)
{
    TPicButton *button = s.editor.PicButtons().first();
    s.editor.Tree().Select(s.editor.ButtonsNode()->child(0));
    QApplication::processEvents();
    QWidget *front = s.form.FrontBox();
    const QPoint start = button->Image()->geometry().center();
    sendMouse(front, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kMoves; ++i) {
        const QPoint p = start - QPoint((i * 7) % (kClient.width() / 2), (i * 3) % (kClient.height() / 2));
        sendMouse(front, QEvent::MouseMove, p, Qt::LeftButton);
        QApplication::processEvents();
    }
    const double ms = double(t.nsecsElapsed()) / 1e6 / kMoves;
    if (button->Image()->geometry().center() == start)
        std::printf("warning: the drag did not move the button\n");
    sendMouse(front, QEvent::MouseButtonRelease, start, Qt::NoButton);
    QApplication::processEvents();
    s.project.UndoStack().undo();   // the drag's step: the next run starts where this one did
    QApplication::processEvents();
    return ms;
}

// Loads of a design file (the tree then selects the window and the grid shows it).
double loadMs(Setup &s, const QString &design)
{
    return bench::msOf([&] {
        for (int i = 0; i < kLoads; ++i) {
            s.project.LoadProject(design, TProject::DesignFile());
            QApplication::processEvents();
        }
    }) / kLoads;
}

// kSteps grid edits of the heading taken back and made again, one step at a time.
double undoRedoMs(Setup &s)
{
    s.editor.Tree().Select(s.node(2, 0));   // "Надпись наверху"
    QObject *heading = s.editor.Inspected();
    QUndoStack &stack = s.project.UndoStack();
    stack.clear();
    for (int i = 0; i < kSteps; ++i)
        s.editor.SetProperty(heading, i % 2 ? QStringLiteral("Left") : QStringLiteral("RowSpacing"),
                            i % 50 + 1);
    QApplication::processEvents();
    return bench::msOf([&] {
        for (int i = 0; i < kSteps; ++i) {
            stack.undo();
            QApplication::processEvents();
        }
        for (int i = 0; i < kSteps; ++i) {
            stack.redo();
            QApplication::processEvents();
        }
    }) / (2 * kSteps);
}

// The best of kRounds with the page hidden and with it showing, alternating.
std::pair<double, double> hiddenShown(Setup &s, const std::function<double()> &work)
{
    double hidden = 1e300;
    double shown = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        s.page.hide();
        QApplication::processEvents();
        hidden = qMin(hidden, work());
        s.page.show();
        QApplication::processEvents();
        shown = qMin(shown, work());
    }
    return {hidden, shown};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    std::printf("property inspector: %d switches, %d move events at %d x %d\n", kSwitches, kMoves, kClient.width(),
                kClient.height());
    const double switchTime = switchMs(s);
    std::printf("switch button (30 rows) <-> window (12 rows): %7.3f ms per switch\n", switchTime);
    // Hidden first, shown second, then both again: the better of each pair counts.
    s.page.hide();
    const double hidden1 = dragMs(s);
    s.page.show();
    QApplication::processEvents();
    const double shown1 = dragMs(s);
    s.page.hide();
    const double hidden2 = dragMs(s);
    s.page.show();
    QApplication::processEvents();
    const double shown2 = dragMs(s);
    const double hidden = qMin(hidden1, hidden2);
    const double shown = qMin(shown1, shown2);
    const double ratio = shown / hidden;
    std::printf("move with the inspector hidden %7.3f ms, showing the dragged button %7.3f ms "
                "(ratio %4.2f; move/frame@60Hz %4.2f)\n",
                hidden, shown, ratio, shown / kFrameMs);

    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("design.xml"));
    s.project.SaveProject(design, TProject::DesignFile());
    const auto [loadHidden, loadShown] = hiddenShown(s, [&] { return loadMs(s, design); });
    std::printf("design load with the grid hidden %7.3f ms, showing %7.3f ms (ratio %4.2f)\n", loadHidden, loadShown,
                loadShown / loadHidden);
    const auto [stepHidden, stepShown] = hiddenShown(s, [&] { return undoRedoMs(s); });
    std::printf("undo/redo of %d steps with the grid hidden %7.3f ms, showing %7.3f ms per step "
                "(ratio %4.2f)\n",
                kSteps, stepHidden, stepShown, stepShown / stepHidden);
    bench::Target("switch between two inspected objects", switchTime, "ms", kAllowedSwitchMs);
    bench::Target("drag move with the grid showing, of hidden", ratio, "x", kAllowedRatio);
    bench::Target("drag move with the grid showing", shown, "ms", kFrameMs);
    bench::Target("design load with the grid showing, of hidden", loadShown / loadHidden, "x", kAllowedLoadRatio);
    bench::Target("undo/redo step with the grid showing, of hidden", stepShown / stepHidden, "x", kAllowedStepRatio);
    s.project.SetDesignParts(nullptr);
    return 0;
}
