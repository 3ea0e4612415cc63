#pragma once

#include <QCursor>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

// A mouse cursor as the files store it: a 16-bit signed identifier, 0 for the
// control's default cursor, negative values for the stock cursors.
class TCursor
{
public:
    static constexpr qint16 crDefault = 0;
    static constexpr qint16 crNone = -1;
    static constexpr qint16 crArrow = -2;
    static constexpr qint16 crCross = -3;
    static constexpr qint16 crIBeam = -4;
    static constexpr qint16 crSize = -5;
    static constexpr qint16 crSizeNESW = -6;
    static constexpr qint16 crSizeNS = -7;
    static constexpr qint16 crSizeNWSE = -8;
    static constexpr qint16 crSizeWE = -9;
    static constexpr qint16 crUpArrow = -10;
    static constexpr qint16 crHourGlass = -11;
    static constexpr qint16 crDrag = -12;
    static constexpr qint16 crNoDrop = -13;
    static constexpr qint16 crHSplit = -14;
    static constexpr qint16 crVSplit = -15;
    static constexpr qint16 crMultiDrag = -16;
    static constexpr qint16 crSQLWait = -17;
    static constexpr qint16 crNo = -18;
    static constexpr qint16 crAppStart = -19;
    static constexpr qint16 crHelp = -20;
    static constexpr qint16 crHandPoint = -21;
    static constexpr qint16 crSizeAll = -22;

    constexpr TCursor() = default;
    constexpr TCursor(qint16 value) : m_value(value) {}   // NOLINT: cursors convert from their stored value

    constexpr qint16 value() const { return m_value; }
    constexpr operator qint16() const { return m_value; }

    // The Qt cursor shape shown for the identifier; unknown identifiers show the arrow.
    Qt::CursorShape shape() const;
    QCursor toQCursor() const { return QCursor(shape()); }

    struct Named
    {
        const char *name;
        qint16 value;
    };
    // The stock cursors with their names ("crDefault", "crHandPoint", ...), from 0 downwards.
    static const QList<Named> &namedCursors();
    // The stock name, or the number as text for other identifiers.
    QString name() const;
    static bool fromName(const QString &name, TCursor *cursor);

    // Makes TCursor usable in QVariant and Q_PROPERTY, convertible from and to int.
    static void registerMetaType();

private:
    qint16 m_value = crDefault;
};

Q_DECLARE_METATYPE(TCursor)
