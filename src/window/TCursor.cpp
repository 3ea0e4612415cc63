#include "window/TCursor.h"

#include <mutex>

Qt::CursorShape TCursor::shape() const
{
    switch (m_value) {
    case crDefault: return Qt::ArrowCursor;
    case crNone: return Qt::BlankCursor;
    case crArrow: return Qt::ArrowCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSize: return Qt::SizeAllCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crSQLWait: return Qt::BusyCursor;
    case crNo: return Qt::ForbiddenCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

const QList<TCursor::Named> &TCursor::namedCursors()
{
    static const QList<Named> cursors{
        {"crDefault", crDefault}, {"crNone", crNone}, {"crArrow", crArrow},
        {"crCross", crCross}, {"crIBeam", crIBeam}, {"crSize", crSize},
        {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS}, {"crSizeNWSE", crSizeNWSE},
        {"crSizeWE", crSizeWE}, {"crUpArrow", crUpArrow}, {"crHourGlass", crHourGlass},
        {"crDrag", crDrag}, {"crNoDrop", crNoDrop}, {"crHSplit", crHSplit},
        {"crVSplit", crVSplit}, {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},
        {"crNo", crNo}, {"crAppStart", crAppStart}, {"crHelp", crHelp},
        {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll},
    };
    return cursors;
}

QString TCursor::name() const
{
    for (const Named &named : namedCursors())
        if (named.value == m_value)
            return QString::fromLatin1(named.name);
    return QString::number(m_value);
}

bool TCursor::fromName(const QString &name, TCursor *cursor)
{
    for (const Named &named : namedCursors()) {
        if (name.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            if (cursor)
                *cursor = TCursor(named.value);
            return true;
        }
    }
    bool ok = false;
    const int number = name.trimmed().toInt(&ok);
    if (!ok || number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        return false;
    if (cursor)
        *cursor = TCursor(qint16(number));
    return true;
}

void TCursor::registerMetaType()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<TCursor>("TCursor");
        // Files keep the low 16 bits of the number they carry.
        QMetaType::registerConverter<TCursor, int>([](TCursor c) { return int(c.value()); });
        QMetaType::registerConverter<int, TCursor>([](int v) { return TCursor(qint16(v)); });
        QMetaType::registerConverter<TCursor, qlonglong>([](TCursor c) { return qlonglong(c.value()); });
        QMetaType::registerConverter<qlonglong, TCursor>([](qlonglong v) { return TCursor(qint16(v)); });
        QMetaType::registerConverter<uint, TCursor>([](uint v) { return TCursor(qint16(v)); });
        // Text is a stock name ("crHandPoint") or a number that fits 16 bits.
        QMetaType::registerConverterFunction(
            [](const void *from, void *to) {
                return fromName(*static_cast<const QString *>(from), static_cast<TCursor *>(to));
            },
            QMetaType::fromType<QString>(), QMetaType::fromType<TCursor>());
    });
}
