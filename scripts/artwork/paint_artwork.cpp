// Paints Brenwick's own artwork into resources/: the program icon (also in the
// hicolor theme sizes), the command kinds' tree pictures, the menu and page icons,
// the nine 64 x 64 pictures of the default stand-alone buttons and the about box's
// title picture.
//
// Built only on request (cmake --build build --target artwork) and run with the
// resources folder as its argument; the PNGs it writes are committed, so a normal
// build needs neither this program nor its output step.
//
// Every picture is drawn with vector shapes in a 32-unit (icons) or 64-unit
// (buttons) square, scaled to the pixel size, so each size is painted natively.

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QConicalGradient>
#include <QTextStream>
#include <cmath>
#include <functional>

namespace {

using PaintFn = std::function<void(QPainter &)>;

constexpr qreal kIconUnits = 32.0;    // icons are designed on a 32 x 32 grid
constexpr qreal kButtonUnits = 64.0;  // buttons on a 64 x 64 grid
constexpr int kIconSize = 32;         // pixel size of the menu, page and tree icons
constexpr int kButtonSize = 64;       // pixel size of the stand-alone button pictures
constexpr int kAppIconSize = 256;     // pixel size of the program icon in the resources
const int kHicolorSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The stand-alone buttons sit at the bottom of the default design window, where its
// blue-to-black gradient is nearly black; their pictures are opaque on this colour,
// which is also the bottom-left pixel, so "transparent" drawing removes exactly it.
const QColor kButtonBackground(0, 0, 32);

// Palette shared by all pictures.
const QColor kInk(40, 48, 64);
const QColor kBlue(47, 111, 214);
const QColor kBlueDark(24, 62, 140);
const QColor kBlueLight(130, 180, 250);
const QColor kAmber(245, 180, 40);
const QColor kAmberDark(190, 120, 10);
const QColor kRed(214, 52, 48);
const QColor kRedDark(140, 24, 20);
const QColor kGreen(46, 160, 67);
const QColor kPaper(252, 252, 248);
const QColor kYellowText(255, 230, 60);

QString g_outDir;
int g_written = 0;

bool save(const QImage &image, const QString &relPath)
{
    const QString path = g_outDir + QLatin1Char('/') + relPath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    ++g_written;
    return true;
}

QImage paintTransparent(int size, qreal units, const PaintFn &fn)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / units, size / units);
    fn(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPen outline(const QColor &c, qreal w = 1.2)
{
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient vertical(qreal y0, qreal y1, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// ---- building blocks -------------------------------------------------------

void folderBack(QPainter &p, const QColor &light, const QColor &dark)
{
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(14.5, 10.5);
    back.lineTo(28, 10.5);
    back.lineTo(28, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.setPen(outline(dark));
    p.setBrush(vertical(8, 26, dark.lighter(130), dark));
    p.drawPath(back);
    Q_UNUSED(light);
}

void folderFront(QPainter &p, const QColor &light, const QColor &dark, qreal slant)
{
    QPainterPath front;
    front.moveTo(3 + slant, 13);
    front.lineTo(29.5, 13);
    front.lineTo(28, 26);
    front.lineTo(3, 26);
    front.closeSubpath();
    p.setPen(outline(dark));
    p.setBrush(vertical(13, 26, light.lighter(115), light));
    p.drawPath(front);
}

void folder(QPainter &p, qreal slant = 0)
{
    folderBack(p, kAmber, kAmberDark);
    folderFront(p, kAmber, kAmberDark, slant);
}

void page(QPainter &p, qreal x, qreal y, qreal w, qreal h)
{
    const qreal fold = 6;
    QPainterPath sheet;
    sheet.moveTo(x, y);
    sheet.lineTo(x + w - fold, y);
    sheet.lineTo(x + w, y + fold);
    sheet.lineTo(x + w, y + h);
    sheet.lineTo(x, y + h);
    sheet.closeSubpath();
    p.setPen(outline(kInk.lighter(150)));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(x + w - fold, y);
    corner.lineTo(x + w - fold, y + fold);
    corner.lineTo(x + w, y + fold);
    p.setBrush(QColor(220, 222, 226));
    p.drawPath(corner);
}

void roundBadge(QPainter &p, const QPointF &c, qreal r, const QColor &light, const QColor &dark)
{
    QRadialGradient g(c.x() - r * 0.35, c.y() - r * 0.4, r * 1.5);
    g.setColorAt(0, light.lighter(140));
    g.setColorAt(0.6, light);
    g.setColorAt(1, dark);
    p.setPen(outline(dark.darker(130)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void glyph(QPainter &p, const QRectF &box, const QString &text, const QColor &color, qreal pixelSize,
           bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixelSize * 8));  // drawn at 8x and scaled down: crisp curves
    f.setBold(bold);
    p.save();
    p.translate(box.topLeft());
    p.scale(1.0 / 8, 1.0 / 8);
    QPainterPath path;
    const QFontMetricsF fm(f);
    const QRectF big(0, 0, box.width() * 8, box.height() * 8);
    const QRectF tight = fm.tightBoundingRect(text);
    const QPointF origin(big.center().x() - tight.center().x(), big.center().y() - tight.center().y());
    path.addText(origin, f, text);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
    p.restore();
}

void door(QPainter &p, qreal x, qreal y, qreal w, qreal h, bool open)
{
    p.setPen(outline(kInk));
    p.setBrush(QColor(90, 70, 50));
    p.drawRect(QRectF(x, y, w, h));  // frame / dark opening
    if (open) {
        QPolygonF leaf;
        leaf << QPointF(x, y) << QPointF(x + w * 0.55, y + 2.5) << QPointF(x + w * 0.55, y + h + 1.5)
             << QPointF(x, y + h);
        p.setBrush(vertical(y, y + h, QColor(196, 140, 82), QColor(150, 98, 52)));
        p.drawPolygon(leaf);
        p.setBrush(kAmber);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x + w * 0.42, y + h * 0.55), 0.9, 0.9);
    }
}

void arrowRight(QPainter &p, qreal x, qreal y, qreal len, const QColor &fill, const QColor &edge)
{
    QPolygonF a;
    a << QPointF(x, y - 2.5) << QPointF(x + len - 6, y - 2.5) << QPointF(x + len - 6, y - 6)
      << QPointF(x + len, y) << QPointF(x + len - 6, y + 6) << QPointF(x + len - 6, y + 2.5)
      << QPointF(x, y + 2.5);
    p.setPen(outline(edge, 1.0));
    p.setBrush(fill);
    p.drawPolygon(a);
}

// A miniature menu window: dark blue-to-black gradient, a heading bar and three
// menu lines in yellow; the look of a new design.
void menuWindow(QPainter &p, const QRectF &r, qreal units)
{
    const qreal u = units / 32.0;
    p.setPen(outline(QColor(10, 20, 50), 1.0 * u));
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(40, 90, 255));
    g.setColorAt(1, QColor(0, 0, 40));
    p.setBrush(g);
    p.drawRoundedRect(r, 2 * u, 2 * u);
    // heading
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.1, r.width() * 0.55,
                             r.height() * 0.1),
                      0.6 * u, 0.6 * u);
    // menu lines on the right, theme block on the left
    p.setBrush(QColor(120, 170, 255, 160));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.3, r.width() * 0.3,
                             r.height() * 0.45),
                      0.8 * u, 0.8 * u);
    p.setBrush(kYellowText);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(r.left() + r.width() * 0.48, r.top() + r.height() * (0.32 + i * 0.16),
                                 r.width() * 0.4, r.height() * 0.08),
                          0.5 * u, 0.5 * u);
}

void disc(QPainter &p, const QPointF &c, qreal r)
{
    QConicalGradient sheen(c, 30);
    sheen.setColorAt(0.00, QColor(222, 226, 232));
    sheen.setColorAt(0.12, QColor(250, 210, 230));
    sheen.setColorAt(0.22, QColor(200, 235, 250));
    sheen.setColorAt(0.35, QColor(235, 238, 242));
    sheen.setColorAt(0.50, QColor(196, 202, 212));
    sheen.setColorAt(0.62, QColor(250, 240, 200));
    sheen.setColorAt(0.72, QColor(205, 240, 215));
    sheen.setColorAt(0.85, QColor(232, 234, 240));
    sheen.setColorAt(1.00, QColor(222, 226, 232));
    p.setPen(outline(QColor(110, 118, 132), r / 40));
    p.setBrush(sheen);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(180, 186, 196));
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.setBrush(Qt::white);
    p.setPen(outline(QColor(110, 118, 132), r / 60));
    p.drawEllipse(c, r * 0.12, r * 0.12);
}

// ---- icons ------------------------------------------------------------------

void iconApp(QPainter &p)
{
    // drawn on a 256-unit grid
    disc(p, QPointF(160, 102), 92);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(22, 112, 196, 136), 14, 14);  // shadow
    menuWindow(p, QRectF(14, 102, 196, 136), 256);
}

void iconGroup(QPainter &p) { folder(p); }

void iconProgram(QPainter &p)
{
    p.setPen(outline(kBlueDark));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 5, 26, 22), 2, 2);
    p.setBrush(vertical(5, 11, kBlueLight, kBlue));
    p.drawRoundedRect(QRectF(3, 5, 26, 6), 2, 2);
    QPolygonF play;
    play << QPointF(12, 14) << QPointF(22, 19.5) << QPointF(12, 25);
    p.setPen(outline(kGreen.darker(140), 1.0));
    p.setBrush(vertical(14, 25, kGreen.lighter(140), kGreen));
    p.drawPolygon(play);
}

void iconUrl(QPainter &p)
{
    const QPointF c(16, 16);
    roundBadge(p, c, 12.5, kBlueLight, kBlue);
    p.setPen(outline(QColor(255, 255, 255, 200), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5.5, 12.5);
    p.drawLine(QPointF(16, 3.5), QPointF(16, 28.5));
    p.drawLine(QPointF(3.5, 16), QPointF(28.5, 16));
    p.drawArc(QRectF(5, 2, 22, 12), 200 * 16, 140 * 16);
    p.drawArc(QRectF(5, 18, 22, 12), 20 * 16, 140 * 16);
}

void iconComment(QPainter &p)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(3, 4, 26, 18), 4, 4);
    QPainterPath tail;
    tail.moveTo(9, 20);
    tail.lineTo(8, 28);
    tail.lineTo(16, 21);
    bubble = bubble.united(tail);
    p.setPen(outline(kInk.lighter(140)));
    p.setBrush(vertical(4, 28, Qt::white, QColor(232, 236, 244)));
    p.drawPath(bubble);
    p.setPen(outline(QColor(130, 140, 160), 1.6));
    p.drawLine(QPointF(8, 10), QPointF(24, 10));
    p.drawLine(QPointF(8, 15), QPointF(19, 15));
}

void iconExitKind(QPainter &p)
{
    door(p, 5, 4, 13, 24, true);
    arrowRight(p, 14, 17, 16, kRed, kRedDark);
}

void iconNew(QPainter &p)
{
    page(p, 6, 3, 20, 26);
    // spark
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    QPolygonF star;
    const QPointF c(23, 23);
    for (int i = 0; i < 8; ++i) {
        const qreal r = (i % 2) ? 2.2 : 6;
        const qreal a = M_PI / 4 * i;
        star << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.setPen(outline(kAmberDark, 0.8));
    p.drawPolygon(star);
}

void iconOpen(QPainter &p) { folder(p, 4); }

void floppy(QPainter &p)
{
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.closeSubpath();
    p.setPen(outline(kBlueDark));
    p.setBrush(vertical(4, 28, kBlue.lighter(120), kBlueDark));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 224, 230));
    p.drawRect(QRectF(9, 4.6, 13, 8));      // shutter
    p.setBrush(kBlueDark);
    p.drawRect(QRectF(17, 6, 3, 5));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(8, 16, 16, 11), 1, 1);  // label
    p.setPen(outline(QColor(160, 170, 190), 1.0));
    p.drawLine(QPointF(10.5, 20), QPointF(21.5, 20));
    p.drawLine(QPointF(10.5, 23.5), QPointF(21.5, 23.5));
}

void iconSave(QPainter &p) { floppy(p); }

void iconSaveAs(QPainter &p)
{
    p.save();
    p.translate(-2, -1);
    p.scale(0.9, 0.9);
    floppy(p);
    p.restore();
    // pencil
    p.save();
    p.translate(21, 21);
    p.rotate(45);
    p.setPen(outline(kInk, 0.9));
    p.setBrush(kAmber);
    p.drawRect(QRectF(-11, -2.2, 14, 4.4));
    p.setBrush(QColor(240, 150, 150));
    p.drawRect(QRectF(-14, -2.2, 3, 4.4));
    QPolygonF tip;
    tip << QPointF(3, -2.2) << QPointF(8, 0) << QPointF(3, 2.2);
    p.setBrush(QColor(240, 220, 180));
    p.drawPolygon(tip);
    p.restore();
}

void iconExitAction(QPainter &p)
{
    door(p, 4, 4, 14, 24, true);
    arrowRight(p, 13, 16, 17, kRed, kRedDark);
}

void iconPreview(QPainter &p)
{
    menuWindow(p, QRectF(2, 4, 24, 19), 32);
    // magnifier
    p.setPen(outline(kInk, 2.6));
    p.drawLine(QPointF(25, 25), QPointF(29.5, 29.5));
    p.setPen(outline(kInk, 1.4));
    p.setBrush(QColor(220, 235, 255, 170));
    p.drawEllipse(QPointF(21, 21), 5.5, 5.5);
}

void iconHelp(QPainter &p)
{
    roundBadge(p, QPointF(16, 16), 13, kBlueLight, kBlue);
    glyph(p, QRectF(3, 3, 26, 26), QStringLiteral("?"), Qt::white, 20);
}

void iconAbout(QPainter &p)
{
    roundBadge(p, QPointF(16, 16), 13, kBlueLight, kBlue);
    glyph(p, QRectF(3, 3, 26, 26), QStringLiteral("i"), Qt::white, 20);
}

void iconDelete(QPainter &p)
{
    p.setPen(outline(kRedDark, 7.5));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
    p.setPen(outline(kRed.lighter(115), 5));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}

void iconPageCommands(QPainter &p)
{
    // a small command tree: a group with three entries
    p.setPen(outline(QColor(120, 128, 140), 1.0));
    p.drawLine(QPointF(7, 10), QPointF(7, 26));
    for (qreal y : {16.0, 21.0, 26.0})
        p.drawLine(QPointF(7, y), QPointF(12, y));
    p.save();
    p.translate(0, -3);
    p.scale(0.5, 0.5);
    folder(p);
    p.restore();
    p.setPen(Qt::NoPen);
    const QColor bars[] = {kGreen, kBlue, kRed};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(bars[i]);
        p.drawRoundedRect(QRectF(13, 14 + i * 5, 4, 4), 1, 1);
        p.setBrush(QColor(90, 98, 112));
        p.drawRoundedRect(QRectF(19, 15 + i * 5, 10, 2), 1, 1);
    }
    p.setBrush(QColor(90, 98, 112));
    p.drawRoundedRect(QRectF(18, 6, 11, 2), 1, 1);
}

void iconPageDesign(QPainter &p)
{
    menuWindow(p, QRectF(2, 3, 26, 21), 32);
    // brush
    p.save();
    p.translate(22, 24);
    p.rotate(-45);
    p.setPen(outline(kInk, 0.8));
    p.setBrush(QColor(160, 100, 50));
    p.drawRoundedRect(QRectF(-1.4, -1, 2.8, 11), 1, 1);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(-2, -4, 4, 3));
    QPainterPath tip;
    tip.moveTo(-2, -4);
    tip.quadTo(-2, -8, 0, -10);
    tip.quadTo(2, -8, 2, -4);
    tip.closeSubpath();
    p.setBrush(kRed);
    p.drawPath(tip);
    p.restore();
}

void iconPageOptions(QPainter &p)
{
    const QPointF c(16, 16);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = 2 * M_PI * i / (teeth * 4) - M_PI / (teeth * 4);
        const qreal r = (i % 4 == 0 || i % 4 == 1) ? 13.5 : 10.5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 4.5, 4.5);
    gear = gear.subtracted(hole);
    p.setPen(outline(QColor(70, 78, 92)));
    QRadialGradient g(c.x() - 4, c.y() - 5, 18);
    g.setColorAt(0, QColor(225, 228, 234));
    g.setColorAt(1, QColor(130, 138, 152));
    p.setBrush(g);
    p.drawPath(gear);
}

// ---- stand-alone buttons ----------------------------------------------------

enum class ButtonLook { Default, Selected, Pressed };

void buttonSymbolExit(QPainter &p, const QColor &c)
{
    // the power symbol: an open ring and a bar
    p.setPen(outline(c, 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 20, 26, 26), 125 * 16, 290 * 16);
    p.drawLine(QPointF(32, 15), QPointF(32, 31));
}

void buttonSymbolExplorer(QPainter &p, const QColor &c)
{
    Q_UNUSED(c);
    p.save();
    p.translate(13, 12);
    p.scale(1.2, 1.2);
    folderBack(p, kAmber, kAmberDark);
    // a sheet sticking out of the folder
    p.setPen(outline(QColor(150, 150, 150), 0.8));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 6, 16, 10));
    folderFront(p, kAmber, kAmberDark, 3);
    p.restore();
}

void buttonSymbolHelp(QPainter &p, const QColor &c)
{
    glyph(p, QRectF(12, 12, 40, 40), QStringLiteral("?"), c, 34);
}

QImage paintButton(const QColor &light, const QColor &dark, ButtonLook look,
                   const std::function<void(QPainter &, const QColor &)> &symbol)
{
    QImage image(kButtonSize, kButtonSize, QImage::Format_RGB32);
    image.fill(kButtonBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kButtonSize / kButtonUnits, kButtonSize / kButtonUnits);

    const QPointF c(32, 32);
    const qreal r = 26;
    const bool pressed = look == ButtonLook::Pressed;
    const bool selected = look == ButtonLook::Selected;

    if (selected) {
        // a soft glow around the button
        QRadialGradient glow(c, 32);
        glow.setColorAt(0.70, QColor(255, 255, 200, 200));
        glow.setColorAt(1.00, QColor(255, 255, 200, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 32, 32);
    } else if (!pressed) {
        // drop shadow
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawEllipse(c + QPointF(1.5, 2.5), r, r);
    }

    const QPointF bc = pressed ? c + QPointF(1, 1.5) : c;
    const QColor faceLight = selected ? light.lighter(125) : pressed ? light.darker(125) : light;
    const QColor faceDark = selected ? dark.lighter(120) : pressed ? dark.darker(130) : dark;

    // rim
    QLinearGradient rim(0, bc.y() - r, 0, bc.y() + r);
    rim.setColorAt(0, pressed ? QColor(60, 60, 70) : QColor(235, 238, 245));
    rim.setColorAt(1, pressed ? QColor(200, 205, 215) : QColor(70, 74, 86));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(bc, r, r);

    // face
    QRadialGradient face(bc.x() - 6, bc.y() - (pressed ? 2 : 9), r * 1.4);
    face.setColorAt(0, faceLight.lighter(pressed ? 105 : 140));
    face.setColorAt(0.55, faceLight);
    face.setColorAt(1, faceDark);
    p.setBrush(face);
    p.drawEllipse(bc, r - 2.5, r - 2.5);

    p.save();
    if (pressed)
        p.translate(1, 1.5);
    symbol(p, pressed ? QColor(235, 235, 235) : Qt::white);
    p.restore();

    if (!pressed) {
        // gloss on the upper half
        QPainterPath gloss;
        gloss.addEllipse(QRectF(bc.x() - 17, bc.y() - r + 4, 34, 20));
        QLinearGradient g(0, bc.y() - r + 4, 0, bc.y() - r + 24);
        g.setColorAt(0, QColor(255, 255, 255, selected ? 170 : 130));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawPath(gloss);
    } else {
        // inner shadow along the top edge
        QRadialGradient shade(bc.x(), bc.y() + 6, r);
        shade.setColorAt(0.75, QColor(0, 0, 0, 0));
        shade.setColorAt(1.0, QColor(0, 0, 0, 110));
        p.setBrush(shade);
        p.drawEllipse(bc, r - 2.5, r - 2.5);
    }
    p.end();
    // the bottom-left pixel must stay the background colour (see kButtonBackground)
    image.setPixelColor(0, kButtonSize - 1, kButtonBackground);
    return image;
}

// ---- larger pictures ----------------------------------------------------------

QImage paintAboutTitle()
{
    const QSize size(170, 30);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QString title = QStringLiteral("Velmora Brenwick");
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setItalic(true);
    int px = 26;
    do {
        f.setPixelSize(px--);
    } while (QFontMetricsF(f).horizontalAdvance(title) > size.width() - 4 && px > 8);
    QPainterPath path;
    const QFontMetricsF fm(f);
    const qreal x = (size.width() - fm.horizontalAdvance(title)) / 2;
    const qreal y = (size.height() + fm.ascent() - fm.descent()) / 2;
    path.addText(QPointF(x, y), f, title);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(path.translated(1.5, 1.5));
    QLinearGradient g(0, y - fm.ascent(), 0, y);
    g.setColorAt(0, QColor(70, 130, 235));
    g.setColorAt(1, QColor(16, 44, 120));
    p.setBrush(g);
    p.drawPath(path);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: paint_artwork RESOURCES_DIR\n";
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);

    bool ok = true;
    ok &= save(paintTransparent(kAppIconSize, 256, iconApp), QStringLiteral("icons/app.png"));
    for (int size : kHicolorSizes)
        ok &= save(paintTransparent(size, 256, iconApp),
                   QStringLiteral("hicolor/%1x%1/apps/brenwick.png").arg(size));

    const struct { const char *name; void (*fn)(QPainter &); } icons[] = {
        {"kind-group", iconGroup},         {"kind-program", iconProgram},
        {"kind-url", iconUrl},             {"kind-comment", iconComment},
        {"kind-exit", iconExitKind},       {"action-new", iconNew},
        {"action-open", iconOpen},         {"action-save", iconSave},
        {"action-saveas", iconSaveAs},     {"action-exit", iconExitAction},
        {"action-preview", iconPreview},   {"action-help", iconHelp},
        {"action-about", iconAbout},       {"action-delete", iconDelete},
        {"page-commands", iconPageCommands}, {"page-design", iconPageDesign},
        {"page-options", iconPageOptions},
    };
    for (const auto &icon : icons)
        ok &= save(paintTransparent(kIconSize, kIconUnits, icon.fn),
                   QStringLiteral("icons/%1.png").arg(QLatin1String(icon.name)));

    const struct {
        const char *name;
        QColor light, dark;
        void (*symbol)(QPainter &, const QColor &);
    } buttons[] = {
        {"exit", kRed, kRedDark, buttonSymbolExit},
        {"explorer", QColor(70, 170, 90), QColor(20, 90, 40), buttonSymbolExplorer},
        {"help", kBlue, kBlueDark, buttonSymbolHelp},
    };
    const struct { const char *name; ButtonLook look; } looks[] = {
        {"default", ButtonLook::Default},
        {"selected", ButtonLook::Selected},
        {"pressed", ButtonLook::Pressed},
    };
    for (const auto &b : buttons)
        for (const auto &l : looks)
            ok &= save(paintButton(b.light, b.dark, l.look, b.symbol),
                       QStringLiteral("buttons/%1-%2.png").arg(QLatin1String(b.name), QLatin1String(l.name)));

    ok &= save(paintAboutTitle(), QStringLiteral("pictures/about-title.png"));

    QTextStream(stdout) << g_written << " pictures written to " << g_outDir << '\n';
    return ok ? 0 : 1;
}
