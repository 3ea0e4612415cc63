#include "window/TFont.h"

#include "rules/FontTwins.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Windows-style MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    // Saturates short of INT_MIN, so that the callers' negation cannot overflow.
    constexpr double limit = std::numeric_limits<int>::max();
    return int(std::lround(std::clamp(double(a) * double(b) / double(c), -limit, limit)));
}
}

TFont::TFont(QObject *parent) : QObject(parent), m_name(QString::fromLatin1(kDefaultName))
{
    TColor::registerMetaType();
}

void TFont::touch()
{
    m_qfontValid = false;
    m_metrics.reset();
    m_metricsF.reset();
    m_advances.clear();
    emit changed();
}

void TFont::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    touch();
}

void TFont::setCharset(int charset)
{
    charset &= 0xFF;
    if (m_charset == charset)
        return;
    m_charset = charset;
    touch();
}

void TFont::setHeight(int height)
{
    if (m_height == height)
        return;
    m_height = height;
    touch();
}

int TFont::Size() const
{
    return -mulDiv(m_height, kPointsPerInch, kPixelsPerInch);
}

void TFont::setSize(int points)
{
    setHeight(-mulDiv(points, kPixelsPerInch, kPointsPerInch));
}

void TFont::setColor(TColor color)
{
    if (m_color.value() == color.value())
        return;
    m_color = color;
    touch();
}

void TFont::setStyle(TFontStyles style)
{
    if (m_style == style)
        return;
    m_style = style;
    touch();
}

void TFont::assign(const TFont &other)
{
    if (&other == this || sameAs(other))
        return;
    m_name = other.m_name;
    m_charset = other.m_charset;
    m_height = other.m_height;
    m_color = other.m_color;
    m_style = other.m_style;
    touch();
}

bool TFont::sameAs(const TFont &other) const
{
    return m_name == other.m_name && m_charset == other.m_charset && m_height == other.m_height
        && m_color.value() == other.m_color.value() && m_style == other.m_style;
}

int TFont::charHeight() const
{
    if (m_height < 0)
        return m_height == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -m_height;
    return toQFont().pixelSize();
}

const QFont &TFont::toQFont() const
{
    if (m_qfontValid)
        return m_qfont;
    static const bool twinsKnown = (InstallMetricTwins(), true);
    Q_UNUSED(twinsKnown);
    QFont font(m_name);
    // No kerning and no ligatures: a text is as wide as its characters' advances.
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setBold(m_style.testFlag(fsBold));
    font.setItalic(m_style.testFlag(fsItalic));
    font.setUnderline(m_style.testFlag(fsUnderline));
    font.setStrikeOut(m_style.testFlag(fsStrikeOut));
    int pixels = kDefaultPixelHeight;
    if (m_height < 0) {
        pixels = m_height < -kMaxPixelHeight ? kMaxPixelHeight : -m_height;
    } else if (m_height > kMaxPixelHeight) {
        pixels = kMaxPixelHeight;
    } else if (m_height > 0) {
        // A positive height is the cell height: find the character height whose
        // cell (ascent + descent) is that tall.
        font.setPixelSize(m_height);
        const QFontMetrics metrics(font);
        const int cell = metrics.ascent() + metrics.descent();
        pixels = cell > 0 ? std::max(1, mulDiv(m_height, m_height, cell)) : m_height;
    }
    font.setPixelSize(pixels);
    m_qfont = font;
    m_qfontValid = true;
    return m_qfont;
}

const QFontMetrics &TFont::metrics() const
{
    if (!m_metrics)
        m_metrics.emplace(toQFont());
    return *m_metrics;
}

const QFontMetricsF &TFont::metricsF() const
{
    if (!m_metricsF)
        m_metricsF.emplace(toQFont());
    return *m_metricsF;
}

qreal TFont::advance(QChar ch) const
{
    const auto found = m_advances.constFind(ch.unicode());
    if (found != m_advances.constEnd())
        return *found;
    const qreal value = metricsF().horizontalAdvance(ch);
    m_advances.insert(ch.unicode(), value);
    return value;
}

void TFont::InstallMetricTwins()
{
    // Fonts the player's machines have, shown with the free family of the
    // same metrics where there is one, so that text wraps and fits here as it
    // will there.
    for (const rules::FontTwin &twin : rules::FontTwins()) {
        const QString name = QString::fromLatin1(twin.windowsName.data(), qsizetype(twin.windowsName.size()));
        const QString free = QString::fromLatin1(twin.freeName.data(), qsizetype(twin.freeName.size()));
        if (!QFont::substitutes(name).contains(free))
            QFont::insertSubstitution(name, free);
    }
}
