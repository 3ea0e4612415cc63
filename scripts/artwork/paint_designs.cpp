// Paints the pictures of the designs that ship with Brenwick and writes the
// finished design files; run at build time:
//
//     paint_designs TEMPLATE_DIR OUT_DIR NAME...
//
// A template (resources/designs/NAME.xml) is a complete design file whose
// picture elements are empty and say what goes into them: <source paint="theme"/>,
// <default paint="exit"/>. The painter reads from the template the window's size
// and background and where each picture sits, paints every picture over exactly
// the backdrop the window shows there (the window's gradient, row by row as the
// menu window computes it, or the design's own painted background), so that the
// pictures blend in without transparent colours, and writes the template with
// each such element holding its picture's text: the length of the bitmap's bytes,
// ";", the bytes compressed with zlib in Base64. Everything is drawn with vector
// shapes; no text, so the pictures do not depend on the fonts installed.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>
#include <cmath>

namespace {

// A colour as design files store it: the signed decimal of $00BBGGRR.
QColor fileColor(const QString &text)
{
    const quint32 v = quint32(text.toLongLong());
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// What the painter needs to know of a template.
struct Layout
{
    QSize client;
    bool gradient = false;
    QColor top, bottom;
    QString backgroundPaint;           // the background's paint name; empty: none
    QRect menu;                        // the menu area
    QColor menuColor;                  // its fill; invalid when none
    QRect comment;
    // Each picture element: its paint name, its state ("source", "default",
    // "selected", "pressed") and where it sits.
    struct Picture
    {
        QString paint, state;
        QRect bounds;
        int index = 0;   // order among the template's picture elements
    };
    QList<Picture> pictures;
};

Layout readLayout(const QByteArray &xml, QString &error)
{
    Layout layout;
    QXmlStreamReader r(xml);
    QStringList path;
    QRect objectBounds;
    int index = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement()) {
            path.removeLast();
            continue;
        }
        if (!r.isStartElement())
            continue;
        const QString name = r.name().toString();
        const QXmlStreamAttributes a = r.attributes();
        const QString object = path.size() >= 2 ? path.at(1) : QString();
        if (path.size() == 1)
            objectBounds = QRect();
        if (name == QLatin1String("position")) {
            const QRect rect(a.value(QLatin1String("left")).toInt(), a.value(QLatin1String("top")).toInt(),
                             a.value(QLatin1String("width")).toInt(), a.value(QLatin1String("height")).toInt());
            if (object == QLatin1String("window"))
                layout.client = rect.size();
            else
                objectBounds = rect;
            if (object == QLatin1String("menubox"))
                layout.menu = rect;
            if (object == QLatin1String("commentbox"))
                layout.comment = rect;
        } else if (name == QLatin1String("colors") && object == QLatin1String("window")) {
            layout.gradient = a.value(QLatin1String("gradient")) == QLatin1String("-1");
            layout.top = fileColor(a.value(QLatin1String("topcolor")).toString());
            layout.bottom = fileColor(a.value(QLatin1String("bottomcolor")).toString());
        } else if (name == QLatin1String("appearance") && object == QLatin1String("menubox") && path.size() == 2) {
            const qint64 color = a.value(QLatin1String("color")).toLongLong();
            if (color >= 0 && color <= 0xFFFFFF)
                layout.menuColor = fileColor(a.value(QLatin1String("color")).toString());
        }
        if (a.hasAttribute(QLatin1String("paint"))) {
            Layout::Picture picture;
            picture.paint = a.value(QLatin1String("paint")).toString();
            picture.state = name;
            picture.bounds = object == QLatin1String("background") ? QRect() : objectBounds;
            picture.index = index++;
            if (object == QLatin1String("background"))
                layout.backgroundPaint = picture.paint;
            layout.pictures.append(picture);
        }
        path.append(name);
    }
    if (r.hasError())
        error = r.errorString();
    else if (layout.client.isEmpty())
        error = QStringLiteral("the window has no size");
    return layout;
}

// ---- the look of each design --------------------------------------------------

struct Look
{
    enum Shape { Round, Square, Plate };
    Shape shape = Round;
    QColor face, rim, symbol;
    QList<QColor> buttonFaces;   // per button kind (exit, browse, help, up) when they differ
    int glow = 0;                // alpha of the selected look's halo (round buttons)
};

Look lookOf(const QString &design)
{
    Look l;
    if (design == QLatin1String("dark")) {
        l.face = QColor(58, 70, 96); l.rim = QColor(150, 170, 210); l.symbol = QColor(235, 240, 250); l.glow = 150;
    } else if (design == QLatin1String("light")) {
        l.face = QColor(250, 252, 255); l.rim = QColor(150, 165, 190); l.symbol = QColor(50, 90, 150); l.glow = 90;
    } else if (design == QLatin1String("sunset")) {
        l.face = QColor(255, 170, 90); l.rim = QColor(255, 236, 200); l.symbol = QColor(70, 30, 40); l.glow = 170;
    } else if (design == QLatin1String("classic")) {
        l.shape = Look::Plate; l.face = QColor(192, 192, 192); l.rim = QColor(128, 128, 128); l.symbol = QColor(0, 0, 0);
    } else if (design == QLatin1String("flat")) {
        l.shape = Look::Square; l.face = QColor(0, 120, 212); l.rim = l.face; l.symbol = QColor(255, 255, 255);
    } else {
        l.face = QColor(255, 90, 90); l.rim = QColor(255, 255, 255); l.symbol = QColor(255, 255, 255); l.glow = 200;
        l.buttonFaces = {QColor(240, 70, 80), QColor(60, 180, 80), QColor(40, 140, 240), QColor(255, 170, 20)};
    }
    return l;
}

// ---- backdrops ------------------------------------------------------------------

// The window's gradient as the menu window paints it: each byte of row y is
// t + (y * (b - t)) / h, the division truncating toward zero.
QImage gradientBackdrop(const Layout &l)
{
    QImage image(l.client, QImage::Format_RGB32);
    const int h = l.client.height();
    for (int y = 0; y < h; ++y) {
        auto mix = [&](int t, int b) { return t + (y * (b - t)) / h; };
        const QRgb c = l.gradient ? qRgb(mix(l.top.red(), l.bottom.red()), mix(l.top.green(), l.bottom.green()),
                                         mix(l.top.blue(), l.bottom.blue()))
                                  : l.top.rgb();
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line, line + l.client.width(), c);
    }
    return image;
}

void sunsetBackground(QPainter &p, const QSize &s)
{
    const qreal w = s.width(), h = s.height();
    QLinearGradient sky(0, 0, 0, h * 0.62);
    sky.setColorAt(0.0, QColor(38, 32, 92));
    sky.setColorAt(0.45, QColor(176, 72, 110));
    sky.setColorAt(0.8, QColor(250, 150, 90));
    sky.setColorAt(1.0, QColor(255, 214, 140));
    p.fillRect(QRectF(0, 0, w, h), sky);
    QRadialGradient sun(w * 0.3, h * 0.6, h * 0.45);
    sun.setColorAt(0, QColor(255, 250, 220, 255));
    sun.setColorAt(0.08, QColor(255, 236, 170, 230));
    sun.setColorAt(0.35, QColor(255, 190, 120, 90));
    sun.setColorAt(1, QColor(255, 160, 100, 0));
    p.fillRect(QRectF(0, 0, w, h), sun);
    const QColor hills[] = {QColor(120, 60, 100), QColor(80, 40, 80), QColor(46, 26, 60)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath ridge;
        const qreal base = h * (0.58 + 0.04 * i);
        ridge.moveTo(0, base);
        for (int k = 0; k <= 8; ++k) {
            const qreal x = w * k / 8.0;
            const qreal y = base - h * 0.05 * (1.0 + std::sin(k * 1.7 + i * 2.1)) * (1.0 - 0.2 * i);
            ridge.quadTo(x - w / 16.0, y - h * 0.02, x, y);
        }
        ridge.lineTo(w, h);
        ridge.lineTo(0, h);
        ridge.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(hills[i]);
        p.drawPath(ridge);
    }
    QLinearGradient water(0, h * 0.7, 0, h);
    water.setColorAt(0, QColor(90, 50, 90));
    water.setColorAt(1, QColor(24, 16, 40));
    p.fillRect(QRectF(0, h * 0.7, w, h * 0.3), water);
    for (int k = 0; k < 14; ++k) {
        const qreal y = h * (0.72 + 0.018 * k);
        const qreal half = w * (0.08 - 0.004 * k);
        p.setBrush(QColor(255, 210, 150, 120 - 7 * k));
        p.drawRoundedRect(QRectF(w * 0.3 - half, y, 2 * half, h * 0.006), 2, 2);
    }
}

void kidsBackground(QPainter &p, const QSize &s, const QColor &top, const QColor &bottom)
{
    const qreal w = s.width(), h = s.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, w, h), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    const QPointF clouds[] = {{0.12, 0.16}, {0.78, 0.12}, {0.55, 0.26}};
    for (const QPointF &c : clouds) {
        const QPointF at(c.x() * w, c.y() * h);
        for (int k = 0; k < 3; ++k)
            p.drawEllipse(at + QPointF((k - 1) * w * 0.035, (k == 1 ? -1 : 0) * h * 0.02), w * 0.04, h * 0.035);
    }
    QPainterPath hill;
    hill.moveTo(0, h * 0.86);
    hill.cubicTo(w * 0.3, h * 0.76, w * 0.6, h * 0.94, w, h * 0.82);
    hill.lineTo(w, h);
    hill.lineTo(0, h);
    hill.closeSubpath();
    p.setBrush(QColor(110, 200, 90));
    p.drawPath(hill);
}

// The classic panel: a raised grey face with sunken wells around the menu and
// the comment area.
void classicBackground(QPainter &p, const Layout &l)
{
    const QRect all(QPoint(0, 0), l.client);
    p.fillRect(all, QColor(192, 192, 192));
    auto bevel = [&p](const QRect &r, bool raised, int width) {
        for (int i = 0; i < width; ++i) {
            const QRect e = r.adjusted(i, i, -i - 1, -i - 1);
            p.setPen(raised ? (i ? QColor(223, 223, 223) : QColor(255, 255, 255))
                            : (i ? QColor(64, 64, 64) : QColor(128, 128, 128)));
            p.drawLine(e.topLeft(), e.topRight());
            p.drawLine(e.topLeft(), e.bottomLeft());
            p.setPen(raised ? (i ? QColor(128, 128, 128) : QColor(64, 64, 64))
                            : (i ? QColor(223, 223, 223) : QColor(255, 255, 255)));
            p.drawLine(e.bottomLeft(), e.bottomRight());
            p.drawLine(e.topRight(), e.bottomRight());
        }
    };
    bevel(all, true, 2);
    for (const QRect &well : {l.menu, l.comment})
        if (!well.isEmpty()) {
            const QRect outer = well.adjusted(-4, -4, 4, 4);
            p.fillRect(outer, QColor(176, 176, 176));
            bevel(outer, false, 2);
        }
}

QImage backdropOf(const QString &design, const Layout &l)
{
    QImage image = gradientBackdrop(l);
    if (l.backgroundPaint.isEmpty())
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (design == QLatin1String("sunset"))
        sunsetBackground(p, l.client);
    else if (design == QLatin1String("classic"))
        classicBackground(p, l);
    else
        kidsBackground(p, l.client, l.top, l.bottom);
    return image;
}

// ---- symbols, in a 64-unit square -------------------------------------------------

QPen symbolPen(const QColor &c, qreal w)
{
    QPen pen(c, w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void drawSymbol(QPainter &p, const QString &kind, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(symbolPen(c, 5));
    if (kind == QLatin1String("exit")) {
        p.drawArc(QRectF(19, 20, 26, 26), 125 * 16, 290 * 16);
        p.drawLine(QPointF(32, 15), QPointF(32, 31));
    } else if (kind == QLatin1String("browse")) {
        QPainterPath folder;
        folder.moveTo(15, 22);
        folder.lineTo(26, 22);
        folder.lineTo(29, 26);
        folder.lineTo(49, 26);
        folder.lineTo(49, 45);
        folder.lineTo(15, 45);
        folder.closeSubpath();
        p.setPen(symbolPen(c, 4));
        p.drawPath(folder);
        p.drawLine(QPointF(15, 31), QPointF(49, 31));
    } else if (kind == QLatin1String("help")) {
        QPainterPath q;
        q.moveTo(23, 24);
        q.cubicTo(23, 13, 42, 12, 42, 23);
        q.cubicTo(42, 31, 32, 31, 32, 39);
        p.drawPath(q);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(32, 48), 3.4, 3.4);
    } else {   // up
        p.setPen(symbolPen(c, 5));
        p.drawLine(QPointF(32, 47), QPointF(32, 19));
        p.drawLine(QPointF(20, 30), QPointF(32, 18));
        p.drawLine(QPointF(44, 30), QPointF(32, 18));
    }
}

int kindIndex(const QString &kind)
{
    static const QStringList kinds = {QStringLiteral("exit"), QStringLiteral("browse"), QStringLiteral("help"),
                                      QStringLiteral("up")};
    return std::max<int>(0, int(kinds.indexOf(kind)));
}

// A stand-alone button of the design's look in one of its three states.
void paintButton(QPainter &p, const Look &look, const QString &kind, const QString &state, const QSize &size)
{
    const bool selected = state == QLatin1String("selected");
    const bool pressed = state == QLatin1String("pressed");
    p.scale(size.width() / 64.0, size.height() / 64.0);
    QColor face = look.buttonFaces.isEmpty() ? look.face : look.buttonFaces.at(kindIndex(kind));
    if (selected)
        face = face.lighter(118);
    if (pressed)
        face = face.darker(125);
    const QPointF shift = pressed ? QPointF(1, 1.5) : QPointF(0, 0);
    p.setPen(Qt::NoPen);
    if (look.shape == Look::Round) {
        const QPointF c = QPointF(32, 32) + shift;
        if (selected && look.glow) {
            QRadialGradient halo(c, 32);
            halo.setColorAt(0.72, QColor(255, 255, 230, look.glow));
            halo.setColorAt(1.0, QColor(255, 255, 230, 0));
            p.setBrush(halo);
            p.drawEllipse(QPointF(32, 32), 32, 32);
        } else if (!pressed) {
            p.setBrush(QColor(0, 0, 0, 70));
            p.drawEllipse(c + QPointF(1.5, 2.5), 27, 27);
        }
        p.setBrush(look.rim);
        p.drawEllipse(c, 27, 27);
        QRadialGradient g(c.x() - 7, c.y() - 9, 36);
        g.setColorAt(0, face.lighter(pressed ? 105 : 135));
        g.setColorAt(1, face.darker(130));
        p.setBrush(g);
        p.drawEllipse(c, 24, 24);
    } else if (look.shape == Look::Square) {
        p.setBrush(face);
        p.drawRect(QRectF(4, 4, 56, 56).translated(shift));
        if (selected) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(face.darker(150), 3));
            p.drawRect(QRectF(5.5, 5.5, 53, 53));
        }
    } else {
        // a raised plate, sunken when pressed, with a dotted focus frame when selected
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRectF(0, 0, 64, 64), face);
        const QColor light = pressed ? QColor(64, 64, 64) : QColor(255, 255, 255);
        const QColor dark = pressed ? QColor(255, 255, 255) : QColor(64, 64, 64);
        for (int i = 0; i < 3; ++i) {
            p.setPen(light);
            p.drawLine(i, i, 63 - i, i);
            p.drawLine(i, i, i, 63 - i);
            p.setPen(dark);
            p.drawLine(i, 63 - i, 63 - i, 63 - i);
            p.drawLine(63 - i, i, 63 - i, 63 - i);
        }
        if (selected) {
            p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
            p.drawRect(7, 7, 49, 49);
        }
        p.setRenderHint(QPainter::Antialiasing);
    }
    p.translate(shift);
    drawSymbol(p, kind, look.symbol);
}

// A skinned menu button: a pill in the design's colours.
void paintMenuSkin(QPainter &p, const Look &look, const QString &state, const QSize &size)
{
    const bool selected = state == QLatin1String("selected");
    const bool pressed = state == QLatin1String("pressed");
    const QColor face = selected ? QColor(255, 200, 40) : pressed ? QColor(230, 130, 20) : look.buttonFaces.value(2);
    const QRectF r(1.5, 1.5, size.width() - 3, size.height() - 3);
    const qreal radius = r.height() / 2;
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, face.lighter(pressed ? 100 : 130));
    g.setColorAt(1, face.darker(115));
    p.setPen(QPen(QColor(255, 255, 255), 2.5));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

// Theme pictures: an ornament in the design's look.
void paintTheme(QPainter &p, const QString &design, const QSize &s)
{
    const qreal w = s.width(), h = s.height();
    const QPointF c(w / 2, h / 2);
    const qreal r = std::min(w, h) / 2 - 4;
    p.setPen(Qt::NoPen);
    if (design == QLatin1String("dark")) {
        for (int i = 6; i >= 1; --i) {
            p.setBrush(QColor(70 + 20 * i, 120 + 15 * i, 255, 24 + 6 * (6 - i)));
            p.drawEllipse(c, r * i / 6, r * i / 6);
        }
        p.setBrush(QColor(220, 230, 255));
        p.drawEllipse(c, r * 0.12, r * 0.12);
    } else if (design == QLatin1String("light")) {
        const QColor colors[] = {QColor(120, 170, 240, 120), QColor(250, 170, 120, 120), QColor(130, 210, 170, 120)};
        for (int i = 0; i < 3; ++i) {
            const qreal a = i * 2.0944;
            p.setBrush(colors[i]);
            p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.33, r * 0.6, r * 0.6);
        }
    } else if (design == QLatin1String("classic")) {
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
        g.setColorAt(0, QColor(250, 250, 250));
        g.setColorAt(1, QColor(150, 160, 175));
        p.setPen(QPen(QColor(90, 90, 100), 1.5));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(192, 192, 192));
        p.drawEllipse(c, r * 0.3, r * 0.3);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(c, r * 0.1, r * 0.1);
    } else {   // kids: a sun with rays
        p.setBrush(QColor(255, 200, 40));
        for (int i = 0; i < 12; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 30);
            p.drawRoundedRect(QRectF(-r * 0.08, -r, r * 0.16, r * 0.35), 4, 4);
            p.restore();
        }
        p.setBrush(QColor(255, 225, 60));
        p.drawEllipse(c, r * 0.58, r * 0.58);
        p.setBrush(QColor(90, 60, 20));
        p.drawEllipse(c + QPointF(-r * 0.2, -r * 0.12), r * 0.07, r * 0.09);
        p.drawEllipse(c + QPointF(r * 0.2, -r * 0.12), r * 0.07, r * 0.09);
        p.setPen(symbolPen(QColor(90, 60, 20), r * 0.06));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r * 0.3, c.y() - r * 0.2, r * 0.6, r * 0.5), 200 * 16, 140 * 16);
    }
}

// The text of a picture as design files carry it.
QString pictureText(const QImage &image)
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    // qCompress puts the length in 4 bytes before the zlib stream.
    const QByteArray zlib = qCompress(bmp).mid(4);
    return QString::number(bmp.size()) + QLatin1Char(';') + QString::fromLatin1(zlib.toBase64());
}

QImage paintPicture(const QString &design, const Layout &l, const QImage &backdrop, const Layout::Picture &pic)
{
    const Look look = lookOf(design);
    if (pic.bounds.isNull())   // the background
        return backdrop;
    QImage image(pic.bounds.size(), QImage::Format_RGB32);
    if (pic.paint == QLatin1String("menu")) {
        image.fill(l.menuColor.isValid() ? l.menuColor : QColor(255, 255, 255));
    } else {
        image = backdrop.copy(pic.bounds);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (pic.paint == QLatin1String("theme"))
        paintTheme(p, design, image.size());
    else if (pic.paint == QLatin1String("menu"))
        paintMenuSkin(p, look, pic.state, image.size());
    else
        paintButton(p, look, pic.paint, pic.state, image.size());
    return image;
}

bool paintDesign(const QString &templateDir, const QString &outDir, const QString &design)
{
    QTextStream err(stderr);
    QFile in(templateDir + QLatin1Char('/') + design + QStringLiteral(".xml"));
    if (!in.open(QIODevice::ReadOnly)) {
        err << "cannot read " << in.fileName() << '\n';
        return false;
    }
    const QByteArray xml = in.readAll();
    QString error;
    const Layout layout = readLayout(xml, error);
    if (!error.isEmpty()) {
        err << in.fileName() << ": " << error << '\n';
        return false;
    }
    const QImage backdrop = backdropOf(design, layout);
    // Menu skins sit in rows; the template gives their size as the menu's
    // button size, read from its sizing element.
    static const QRegularExpression sizing(QStringLiteral("<sizing width=\"(\\d+)\" height=\"(\\d+)\""));
    const QRegularExpressionMatch skin = sizing.match(QString::fromUtf8(xml));
    QString text = QString::fromUtf8(xml);
    static const QRegularExpression element(QStringLiteral("<(\\w+) paint=\"([a-z]+)\"/>"));
    QString out;
    qsizetype from = 0;
    int index = 0;
    for (auto it = element.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Layout::Picture pic = layout.pictures.value(index++);
        if (pic.paint == QLatin1String("menu") && skin.hasMatch())
            pic.bounds = QRect(0, 0, skin.captured(1).toInt(), skin.captured(2).toInt());
        out += text.mid(from, m.capturedStart() - from);
        out += QStringLiteral("<%1>%2</%1>").arg(m.captured(1), pictureText(paintPicture(design, layout, backdrop, pic)));
        from = m.capturedEnd();
    }
    out += text.mid(from);
    QDir().mkpath(outDir);
    QSaveFile file(outDir + QLatin1Char('/') + design + QStringLiteral(".xml"));
    if (!file.open(QIODevice::WriteOnly) || file.write(out.toUtf8()) < 0 || !file.commit()) {
        err << "cannot write " << file.fileName() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        QTextStream(stderr) << "usage: paint_designs TEMPLATE_DIR OUT_DIR NAME...\n";
        return 2;
    }
    bool ok = true;
    for (int i = 3; i < argc; ++i)
        ok &= paintDesign(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                          QString::fromLocal8Bit(argv[i]));
    return ok ? 0 : 1;
}
