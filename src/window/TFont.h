#pragma once

#include "window/TColor.h"

#include <QFont>
#include <QHash>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <optional>
#include <QObject>
#include <QString>

// The font of a window object, as the design files store it: face name,
// character set, signed height, colour and style. A negative height is the
// character height in pixels (the size given in points); a positive height is
// the full cell height; 0 is the default height.
class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Charset READ Charset WRITE setCharset)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int Size READ Size WRITE setSize STORED false)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TFontStyles Style READ Style WRITE setStyle)
public:
    enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    static constexpr int kDefaultCharset = 1;
    static constexpr int kCyrillicCharset = 204;
    static constexpr int kDefaultHeight = -11;
    static constexpr int kPixelsPerInch = 96;
    static constexpr int kPointsPerInch = 72;
    // Character height of a font whose height is 0.
    static constexpr int kDefaultPixelHeight = 13;
    // Drawing caps the character height here; the layout still uses the stored height.
    static constexpr int kMaxPixelHeight = 4096;
    static inline const char *kDefaultName = "MS Sans Serif";

    explicit TFont(QObject *parent = nullptr);

    QString Name() const { return m_name; }
    void setName(const QString &name);
    int Charset() const { return m_charset; }
    void setCharset(int charset);
    int Height() const { return m_height; }
    void setHeight(int height);
    // The size in points, derived from the height at 96 pixels per inch.
    int Size() const;
    void setSize(int points);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    TFontStyles Style() const { return m_style; }
    void setStyle(TFontStyles style);

    // Copies every attribute of another font; one change notification.
    void assign(const TFont &other);
    bool sameAs(const TFont &other) const;

    // The character height in pixels: -Height for a negative height; the height
    // of the characters whose cell is Height pixels for a positive one.
    int charHeight() const;
    // The Qt font that draws and measures this font's text (no kerning, so that
    // widths add up character by character as the menu layout expects).
    const QFont &toQFont() const;
    // Metrics of toQFont(), kept until the font changes.
    const QFontMetrics &metrics() const;
    const QFontMetricsF &metricsF() const;
    // Advance of one character in toQFont(), kept until the font changes.
    qreal advance(QChar ch) const;

    // Tells Qt the free fonts of the same metrics as the fonts designs name
    // (Arial, Times New Roman, Courier New), used where those are missing.
    // Runs before the first font is drawn; more calls change nothing.
    static void InstallMetricTwins();

signals:
    void changed();

private:
    void touch();

    QString m_name;
    int m_charset = kDefaultCharset;
    int m_height = kDefaultHeight;
    TColor m_color = TColor::clWindowText;
    TFontStyles m_style;
    mutable QFont m_qfont;
    mutable bool m_qfontValid = false;
    mutable std::optional<QFontMetrics> m_metrics;
    mutable std::optional<QFontMetricsF> m_metricsF;
    mutable QHash<char16_t, qreal> m_advances;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::TFontStyles)
