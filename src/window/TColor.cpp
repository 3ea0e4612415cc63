#include "window/TColor.h"

#include <QGuiApplication>
#include <limits>
#include <mutex>

namespace {
constexpr int kSystemIndexMask = 0xFF;
constexpr int kByteMask = 0xFF;
}

TColor TColor::fromQColor(const QColor &color)
{
    return fromRgb(color.red(), color.green(), color.blue());
}

QPalette::ColorRole TColor::systemRole(int index, QPalette::ColorGroup *group)
{
    if (group)
        *group = QPalette::Active;
    switch (index) {
    case 0: return QPalette::Button;              // scroll bar
    case 1: return QPalette::Dark;                // desktop
    case 2: return QPalette::Highlight;           // active caption
    case 3: return QPalette::Mid;                 // inactive caption
    case 4: return QPalette::Window;              // menu
    case 5: return QPalette::Base;                // window
    case 6: return QPalette::Shadow;              // window frame
    case 7: return QPalette::WindowText;          // menu text
    case 8: return QPalette::Text;                // window text
    case 9: return QPalette::HighlightedText;     // caption text
    case 10: return QPalette::Button;             // active border
    case 11: return QPalette::Button;             // inactive border
    case 12: return QPalette::Mid;                // application workspace
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;             // button face
    case 16: return QPalette::Dark;               // button shadow
    case 17:                                      // grey text
        if (group)
            *group = QPalette::Disabled;
        return QPalette::Text;
    case 18: return QPalette::ButtonText;
    case 19: return QPalette::WindowText;         // inactive caption text
    case 20: return QPalette::Light;              // button highlight
    case 21: return QPalette::Shadow;             // 3-D dark shadow
    case 22: return QPalette::Midlight;           // 3-D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    case 26: return QPalette::Link;               // hot-tracked item
    case 27: return QPalette::Highlight;          // gradient of the active caption
    case 28: return QPalette::Mid;                // gradient of the inactive caption
    case 29: return QPalette::Highlight;          // menu highlight
    case 30: return QPalette::Window;             // menu bar
    default: return QPalette::Button;
    }
}

QColor TColor::toQColor(const QPalette &palette) const
{
    if (m_value == clNone)
        return QColor(0, 0, 0, 0);
    if (m_value == clDefault)
        return palette.color(QPalette::Window);
    if (m_value < 0) {
        QPalette::ColorGroup group = QPalette::Active;
        const QPalette::ColorRole role = systemRole(m_value & kSystemIndexMask, &group);
        return palette.color(group, role);
    }
    return QColor(m_value & kByteMask, (m_value >> 8) & kByteMask, (m_value >> 16) & kByteMask);
}

QColor TColor::toQColor() const
{
    return toQColor(QGuiApplication::palette());
}

const QList<TColor::Named> &TColor::namedColors()
{
    static const QList<Named> colors{
        {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen},
        {"clOlive", clOlive}, {"clNavy", clNavy}, {"clPurple", clPurple},
        {"clTeal", clTeal}, {"clGray", clGray}, {"clSilver", clSilver},
        {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
        {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua},
        {"clWhite", clWhite},
        {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
        {"clActiveCaption", clActiveCaption}, {"clInactiveCaption", clInactiveCaption},
        {"clMenu", clMenu}, {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame},
        {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
        {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder},
        {"clInactiveBorder", clInactiveBorder}, {"clAppWorkSpace", clAppWorkSpace},
        {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
        {"clBtnText", clBtnText}, {"clInactiveCaptionText", clInactiveCaptionText},
        {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow},
        {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText}, {"clInfoBk", clInfoBk},
        {"clHotLight", clHotLight}, {"clGradientActiveCaption", clGradientActiveCaption},
        {"clGradientInactiveCaption", clGradientInactiveCaption},
        {"clMenuHighlight", clMenuHighlight}, {"clMenuBar", clMenuBar},
        {"clNone", clNone}, {"clDefault", clDefault},
    };
    return colors;
}

QString TColor::name() const
{
    for (const Named &named : namedColors())
        if (named.value == m_value)
            return QString::fromLatin1(named.name);
    return QString();
}

bool TColor::fromName(const QString &name, TColor *color)
{
    for (const Named &named : namedColors()) {
        if (name.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            if (color)
                *color = TColor(named.value);
            return true;
        }
    }
    return false;
}

void TColor::registerMetaType()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<TColor>("TColor");
        QMetaType::registerConverter<TColor, int>([](TColor c) { return int(c.value()); });
        QMetaType::registerConverter<int, TColor>([](int v) { return TColor(qint32(v)); });
        QMetaType::registerConverter<TColor, qlonglong>([](TColor c) { return qlonglong(c.value()); });
        QMetaType::registerConverter<qlonglong, TColor>([](qlonglong v) { return TColor(qint32(v)); });
        // Unsigned values carry the same 32 bits: $FF00000F is the button face.
        QMetaType::registerConverter<TColor, uint>([](TColor c) { return uint(c.value()); });
        QMetaType::registerConverter<uint, TColor>([](uint v) { return TColor(qint32(v)); });
        // Text is a stock name ("clRed") or a number; anything else does not convert.
        QMetaType::registerConverterFunction(
            [](const void *from, void *to) {
                const QString text = static_cast<const QString *>(from)->trimmed();
                TColor color;
                if (!fromName(text, &color)) {
                    bool ok = false;
                    const qlonglong number = text.toLongLong(&ok);
                    if (!ok || number < std::numeric_limits<qint32>::min()
                        || number > std::numeric_limits<quint32>::max())
                        return false;
                    color = TColor(qint32(number));
                }
                *static_cast<TColor *>(to) = color;
                return true;
            },
            QMetaType::fromType<QString>(), QMetaType::fromType<TColor>());
    });
}
