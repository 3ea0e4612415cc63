// Times the painting of the menu window objects into images:
//  - the menu area with 500 buttons of 40 characters, automatic columns and
//    shortening, into 1024 x 768;
//  - a text box with 200 word-wrapped lines.
// For each it prints milliseconds per paint, the share of that time spent
// measuring text, and the ratio to a baseline measured in the same run (the
// same rows drawn with QPainter alone, no layout). The text box is timed with
// word wrap measuring every prefix anew and with cumulative advances.
#include "window/TButtonBox.h"
#include "window/TTextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kButtons = 500;
constexpr int kButtonChars = 40;
constexpr int kLines = 200;
constexpr int kMenuWidth = 1024;
constexpr int kMenuHeight = 768;
constexpr int kBoxWidth = 500;
constexpr int kBoxHeight = 9000;
constexpr int kRounds = 20;

// Wraps a measure and adds up the time spent in it.
class TimedMeasure : public TTextMeasure
{
public:
    explicit TimedMeasure(std::shared_ptr<const TTextMeasure> inner, bool cumulative)
        : m_inner(std::move(inner)), m_cumulative(cumulative) {}

    int textWidth(const TFont &font, QStringView text) const override
    {
        QElapsedTimer t;
        t.start();
        const int w = m_inner->textWidth(font, text);
        nanos += t.nsecsElapsed();
        ++calls;
        return w;
    }
    int cellHeight(const TFont &font) const override
    {
        QElapsedTimer t;
        t.start();
        const int h = m_inner->cellHeight(font);
        nanos += t.nsecsElapsed();
        ++calls;
        return h;
    }
    QList<int> prefixWidths(const TFont &font, QStringView text, int stopAbove) const override
    {
        if (!m_cumulative)
            return TTextMeasure::prefixWidths(font, text, stopAbove);   // one textWidth per prefix
        QElapsedTimer t;
        t.start();
        QList<int> widths = m_inner->prefixWidths(font, text, stopAbove);
        nanos += t.nsecsElapsed();
        ++calls;
        return widths;
    }

    mutable qint64 nanos = 0;
    mutable qint64 calls = 0;

private:
    std::shared_ptr<const TTextMeasure> m_inner;
    bool m_cumulative;
};

QString sampleText(int index, int length)
{
    static const QString words[] = {"Установка", "program", "Справка", "readme", "Документы",
                                    "setup", "драйверы", "video", "музыка", "tools"};
    QString text;
    int w = index;
    while (text.size() < length) {
        text += words[w++ % 10];
        text += QLatin1Char(' ');
    }
    return text.left(length);
}

struct Result
{
    double msPerPaint;
    double measureShare;
    qint64 measureCallsPerPaint;
};

template<typename Box>
Result timePaints(Box &box, TimedMeasure &measure, QImage &image)
{
    {   // warm the font caches
        QPainter p(&image);
        box.Paint(p);
    }
    measure.nanos = 0;
    measure.calls = 0;
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < kRounds; ++r) {
        image.fill(Qt::black);
        QPainter p(&image);
        box.Paint(p);
    }
    const qint64 total = timer.nsecsElapsed();
    return {total / 1e6 / kRounds, double(measure.nanos) / double(total), measure.calls / kRounds};
}

// The same texts drawn at fixed places with no layout and no measuring.
double timeBaseline(const QStringList &texts, const TFont &font, QImage &image, int rowHeight, int rowsPerColumn,
                    int columnWidth, bool shadow)
{
    QElapsedTimer timer;
    timer.start();
    const QFont &qfont = font.toQFont();
    const int ascent = QFontMetrics(qfont).ascent();
    for (int r = 0; r < kRounds; ++r) {
        image.fill(Qt::black);
        QPainter p(&image);
        p.setFont(qfont);
        for (int i = 0; i < texts.size(); ++i) {
            const int x = (i / rowsPerColumn) * columnWidth;
            const int y = (i % rowsPerColumn) * rowHeight + ascent;
            if (shadow) {
                p.setPen(Qt::black);
                p.drawText(x + 3, y + 3, texts.at(i));
            }
            p.setPen(Qt::white);
            p.drawText(x, y, texts.at(i));
        }
    }
    return timer.nsecsElapsed() / 1e6 / kRounds;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Menu area.
    TPaintSurface menuSurface;
    menuSurface.resize(kMenuWidth, kMenuHeight);
    TButtonBox menu(&menuSurface);
    auto menuMeasure = std::make_shared<TimedMeasure>(std::make_shared<TFontMeasure>(), true);
    menu.setTextMeasure(menuMeasure);
    menu.Font()->setName("Times New Roman");
    menu.Font()->setHeight(-19);
    menu.Font()->setColor(TColor::clYellow);
    QStringList buttons;
    for (int i = 0; i < kButtons; ++i)
        buttons << sampleText(i, kButtonChars);
    menu.setText(buttons);
    menu.setSelectedIndex(3);
    QImage menuImage(kMenuWidth, kMenuHeight, QImage::Format_ARGB32_Premultiplied);
    const Result m = timePaints(menu, *menuMeasure, menuImage);
    QStringList shown;   // what the baseline draws: the shortened captions
    for (const QString &b : buttons)
        shown << menu.ButtonStyle()->ShortenedText(b, menu.ColumnWidth());
    const double menuBase = timeBaseline(shown, *menu.Font(), menuImage, menu.MeasureItem("qb").height(),
                                         menu.LastRows(), menu.ColumnWidth(), true);
    std::printf("menu area, %d buttons of %d characters, %d x %d, %d columns of %d px:\n", kButtons,
                kButtonChars, kMenuWidth, kMenuHeight, menu.LastColumns(), menu.ColumnWidth());
    std::printf("  %.2f ms per paint, %.0f%% measuring text (%lld measure calls per paint)\n", m.msPerPaint,
                m.measureShare * 100, static_cast<long long>(m.measureCallsPerPaint));
    std::printf("  baseline (same captions drawn with no layout): %.2f ms, ratio %.2f\n", menuBase,
                m.msPerPaint / menuBase);

    // Text box.
    QStringList lines;
    for (int i = 0; i < kLines; ++i)
        lines << sampleText(i, 100 + i % 40);
    QImage boxImage(kBoxWidth, kBoxHeight, QImage::Format_ARGB32_Premultiplied);
    Result perPrefix{}, cumulative{};
    int rows = 0;
    for (bool fast : {false, true}) {
        TPaintSurface surface;
        surface.resize(kBoxWidth, kBoxHeight);
        TTextBox box(&surface);
        auto measure = std::make_shared<TimedMeasure>(std::make_shared<TFontMeasure>(), fast);
        box.setTextMeasure(measure);
        box.Font()->setName("Arial");
        box.Font()->setHeight(-16);
        box.Font()->setColor(TColor::clWhite);
        box.setText(lines);
        (fast ? cumulative : perPrefix) = timePaints(box, *measure, boxImage);
        rows = 0;
        for (const QString &l : lines)
            rows += int(box.WrapLine(l).size());
    }
    QStringList pieces;
    {
        TPaintSurface surface;
        surface.resize(kBoxWidth, kBoxHeight);
        TTextBox box(&surface);
        box.Font()->setName("Arial");
        box.Font()->setHeight(-16);
        for (const QString &l : lines)
            pieces << box.WrapLine(l);
    }
    TFont boxFont;
    boxFont.setName("Arial");
    boxFont.setHeight(-16);
    const double boxBase = timeBaseline(pieces, boxFont, boxImage, 19, int(pieces.size()), kBoxWidth, true);
    std::printf("text box, %d lines wrapped into %d rows at %d px:\n", kLines, rows, kBoxWidth);
    std::printf("  measuring every prefix:  %.2f ms per paint, %.0f%% measuring text\n", perPrefix.msPerPaint,
                perPrefix.measureShare * 100);
    std::printf("  cumulative advances:     %.2f ms per paint, %.0f%% measuring text (%.1fx faster)\n",
                cumulative.msPerPaint, cumulative.measureShare * 100, perPrefix.msPerPaint / cumulative.msPerPaint);
    std::printf("  baseline (same rows drawn with no layout): %.2f ms, ratio %.2f\n", boxBase,
                cumulative.msPerPaint / boxBase);
    return 0;
}
