#pragma once

#include <QColor>
#include <QList>
#include <QMetaType>
#include <QPalette>
#include <QString>
#include <QtGlobal>

// A colour as the menu files store it: a signed 32-bit value.
//  - $00BBGGRR is an explicit colour (byte 0 red, byte 1 green, byte 2 blue);
//  - a negative value ($FF000000 or'ed with a system colour index) is a system
//    colour, resolved through the palette when drawn;
//  - clNone ($1FFFFFFF) is the absence of a colour and paints nothing.
class TColor
{
public:
    // Stock colours, by the values the files carry.
    static constexpr qint32 clBlack = 0;
    static constexpr qint32 clMaroon = 128;
    static constexpr qint32 clGreen = 32768;
    static constexpr qint32 clOlive = 32896;
    static constexpr qint32 clNavy = 8388608;
    static constexpr qint32 clPurple = 8388736;
    static constexpr qint32 clTeal = 8421376;
    static constexpr qint32 clGray = 8421504;
    static constexpr qint32 clSilver = 12632256;
    static constexpr qint32 clRed = 255;
    static constexpr qint32 clLime = 65280;
    static constexpr qint32 clYellow = 65535;
    static constexpr qint32 clBlue = 16711680;
    static constexpr qint32 clFuchsia = 16711935;
    static constexpr qint32 clAqua = 16776960;
    static constexpr qint32 clWhite = 16777215;
    static constexpr qint32 clNone = 0x1FFFFFFF;
    static constexpr qint32 clDefault = 0x20000000;

    // System colours: the system colour index or'ed into $FF000000.
    static constexpr qint32 kSystemColorFlag = qint32(0xFF000000u);
    static constexpr qint32 clScrollBar = kSystemColorFlag | 0;
    static constexpr qint32 clBackground = kSystemColorFlag | 1;
    static constexpr qint32 clActiveCaption = kSystemColorFlag | 2;
    static constexpr qint32 clInactiveCaption = kSystemColorFlag | 3;
    static constexpr qint32 clMenu = kSystemColorFlag | 4;
    static constexpr qint32 clWindow = kSystemColorFlag | 5;
    static constexpr qint32 clWindowFrame = kSystemColorFlag | 6;
    static constexpr qint32 clMenuText = kSystemColorFlag | 7;
    static constexpr qint32 clWindowText = kSystemColorFlag | 8;
    static constexpr qint32 clCaptionText = kSystemColorFlag | 9;
    static constexpr qint32 clActiveBorder = kSystemColorFlag | 10;
    static constexpr qint32 clInactiveBorder = kSystemColorFlag | 11;
    static constexpr qint32 clAppWorkSpace = kSystemColorFlag | 12;
    static constexpr qint32 clHighlight = kSystemColorFlag | 13;
    static constexpr qint32 clHighlightText = kSystemColorFlag | 14;
    static constexpr qint32 clBtnFace = kSystemColorFlag | 15;
    static constexpr qint32 clBtnShadow = kSystemColorFlag | 16;
    static constexpr qint32 clGrayText = kSystemColorFlag | 17;
    static constexpr qint32 clBtnText = kSystemColorFlag | 18;
    static constexpr qint32 clInactiveCaptionText = kSystemColorFlag | 19;
    static constexpr qint32 clBtnHighlight = kSystemColorFlag | 20;
    static constexpr qint32 cl3DDkShadow = kSystemColorFlag | 21;
    static constexpr qint32 cl3DLight = kSystemColorFlag | 22;
    static constexpr qint32 clInfoText = kSystemColorFlag | 23;
    static constexpr qint32 clInfoBk = kSystemColorFlag | 24;
    static constexpr qint32 clHotLight = kSystemColorFlag | 26;
    static constexpr qint32 clGradientActiveCaption = kSystemColorFlag | 27;
    static constexpr qint32 clGradientInactiveCaption = kSystemColorFlag | 28;
    static constexpr qint32 clMenuHighlight = kSystemColorFlag | 29;
    static constexpr qint32 clMenuBar = kSystemColorFlag | 30;

    constexpr TColor() = default;
    constexpr TColor(qint32 value) : m_value(value) {}   // NOLINT: colours convert from their stored value

    constexpr qint32 value() const { return m_value; }
    constexpr operator qint32() const { return m_value; }
    constexpr bool isNone() const { return m_value == clNone; }
    constexpr bool isSystem() const { return m_value < 0; }

    // An explicit colour from red, green and blue bytes.
    static constexpr TColor fromRgb(int red, int green, int blue)
    {
        return TColor(qint32((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16)));
    }
    static TColor fromQColor(const QColor &color);

    // The colour to draw with. System colours come from the palette's 3-D and
    // text roles; clNone gives a fully transparent colour.
    QColor toQColor(const QPalette &palette) const;
    QColor toQColor() const;

    // The palette role a system colour index resolves through.
    static QPalette::ColorRole systemRole(int index, QPalette::ColorGroup *group = nullptr);

    // The stock name of the colour ("clRed", "clBtnFace"), or empty when it has none.
    QString name() const;
    // The colour of a stock name; false when the name is unknown.
    static bool fromName(const QString &name, TColor *color);

    struct Named
    {
        const char *name;
        qint32 value;
    };
    // Every named colour, the explicit ones first, in the order a colour list shows them.
    static const QList<Named> &namedColors();

    // Makes TColor usable in QVariant and Q_PROPERTY, convertible from and to int.
    static void registerMetaType();

private:
    qint32 m_value = clBlack;
};

Q_DECLARE_METATYPE(TColor)
