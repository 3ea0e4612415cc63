// Timing of the page "Внешний вид": switching the inspected object between the
// 30-row stand-alone button and the window, and a drag of a button in a
// 1920 x 1080 design window while the grid shows the dragged button's values,
// against the same drag with the page hidden, in the same run.
#include "kit/UserPrompt.h"
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
#include <cstdio>

namespace {

constexpr int kSwitches = 200;
constexpr int kMoves = 200;
constexpr double kFrameMs = 1000.0 / 60;
constexpr double kAllowedRatio = 1.3;
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
    QWidget page;
    TLayoutPage *widgets;

    Setup()
    {
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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    std::printf("property inspector: %d switches, %d move events at %d x %d\n", kSwitches, kMoves, kClient.width(),
                kClient.height());
    std::printf("switch button (30 rows) <-> window (12 rows): %7.3f ms per switch\n", switchMs(s));
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
                "(ratio %4.2f, allowed %.1f; move/frame@60Hz %4.2f)\n",
                hidden, shown, ratio, kAllowedRatio, shown / kFrameMs);
    return ratio <= kAllowedRatio && shown < kFrameMs ? 0 : 1;
}
