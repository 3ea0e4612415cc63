// Timing of the design window: a full repaint at 512 x 316 and at 1920 x 1080
// with a gradient, a stretched background picture, three text objects and ten
// picture buttons, and a drag of 200 mouse moves. The baseline is one copy of
// a client-sized frame, measured in the same run. Target: each move of the
// drag handled within one frame at 60 Hz.
#include "layout/TPreviewForm.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TTextBox.h"
#include "Target.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QMouseEvent>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kRepaints = 50;
constexpr int kMoves = 200;
constexpr int kButtons = 10;
constexpr double kFrameMs = 1000.0 / 60;

QImage sample(QSize size, QRgb a, QRgb b)
{
    QImage img(size, QImage::Format_RGB888);
    QPainter p(&img);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor::fromRgb(a));
    g.setColorAt(1, QColor::fromRgb(b));
    p.fillRect(img.rect(), g);
    return img;
}

void sendMouse(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

double baselineCopyMs(QSize size)
{
    const QImage frame = sample(size, qRgb(10, 20, 30), qRgb(200, 100, 50));
    QImage target(size, QImage::Format_RGB32);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRepaints; ++i) {
        QPainter p(&target);
        p.drawImage(0, 0, frame);
    }
    return double(t.nsecsElapsed()) / 1e6 / kRepaints;
}

void measure(QSize client, bool holes = false)
{
    TPreviewForm form;
    std::vector<std::unique_ptr<TImageEx>> buttons;
    form.BackImage()->Picture()->setBitmap(sample(QSize(320, 200), qRgb(0, 0, 80), qRgb(0, 80, 160)));
    form.BackImage()->setStretch(true);
    form.BackImage()->setProportional(true);   // the gradient still shows beside it
    form.CommentArea()->setText({QStringLiteral("Программа установки драйверов видеокарты и звука"),
                                 QStringLiteral("Вторая строка комментария")});
    for (int i = 0; i < kButtons; ++i) {
        auto button = std::make_unique<TImageEx>();
        button->Picture()->setBitmap(sample(QSize(64, 64), qRgb(255, 200, 0), qRgb(120, 0, 0)));
        button->setAutoSize(true);
        button->move(20 + 70 * i, 250);
        form.placePictureControl(button.get());
        buttons.push_back(std::move(button));
    }
    if (holes) {
        // Colour-keyed holes: the window's shape follows every repaint.
        form.setTransparentColorValue(TColor::clBlack);
        form.setTransparentColor(true);
    }
    form.setClientWidth(client.width());
    form.setClientHeight(client.height());
    form.show();
    QApplication::processEvents();

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRepaints; ++i)
        form.repaint();
    const double repaintMs = double(t.nsecsElapsed()) / 1e6 / kRepaints;

    t.restart();
    for (int i = 0; i < kRepaints; ++i)
        (void)form.renderClient();
    const double renderMs = double(t.nsecsElapsed()) / 1e6 / kRepaints;

    // Drag the first button about the window, processing every repaint.
    form.SetSelection(buttons.front().get());
    QWidget *front = form.FrontBox();
    const QPoint start = buttons.front()->geometry().center();
    sendMouse(front, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QApplication::processEvents();
    t.restart();
    for (int i = 0; i < kMoves; ++i) {
        const QPoint p = start + QPoint((i * 7) % (client.width() / 2), -(i * 3) % (client.height() / 2));
        sendMouse(front, QEvent::MouseMove, p, Qt::LeftButton);
        QApplication::processEvents();
    }
    const double moveMs = double(t.nsecsElapsed()) / 1e6 / kMoves;
    const QRect dragged = buttons.front()->geometry();
    sendMouse(front, QEvent::MouseButtonRelease, start, Qt::NoButton);

    const double base = baselineCopyMs(client);
    if (dragged.center() == start)
        std::printf("warning: the drag did not move the button\n");
    std::printf("%s%4d x %-4d  repaint %7.3f ms  render %7.3f ms  move %7.3f ms  "
                "(frame copy %6.3f ms; repaint/copy %5.1fx; move/frame@60Hz %4.2f)\n",
                holes ? "holes " : "", client.width(), client.height(), repaintMs, renderMs, moveMs, base, repaintMs / base,
                moveMs / kFrameMs);
    char name[64];
    std::snprintf(name, sizeof name, "%sdrag move at %d x %d", holes ? "holes, " : "", client.width(), client.height());
    bench::Target(name, moveMs, "ms", kFrameMs);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("design window: %d repaints, %d move events, %d picture buttons\n", kRepaints, kMoves, kButtons);
    measure(QSize(512, 316));
    measure(QSize(1920, 1080));
    measure(QSize(1920, 1080), true);
    return 0;
}
