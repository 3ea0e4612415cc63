#pragma once

#include <QString>
#include <concepts>
#include <type_traits>

// One attribute value of the XML document model: the value's text form, or the
// missing marker that GetAttr gives for an attribute that does not exist.
//
// Values are built from typed data and stored as text:
//   integers (any width)  decimal digits, "-" for negatives ("-16777201")
//   Booleans              "-1" for true, "0" for false
//   strings               unchanged
// Readers convert back with ToInt / ToUInt / ToBool / ToString. Converting the
// missing marker, or text that is not a number, to a number or Boolean throws
// BrenwickError("Invalid variant type conversion"); so does converting the
// missing marker to a string.
class TAttrValue
{
public:
    // The missing marker.
    TAttrValue() = default;
    static TAttrValue Missing() { return TAttrValue(); }

    TAttrValue(const QString &text) : m_value(text), m_missing(false) {}
    TAttrValue(const char *utf8) : m_value(QString::fromUtf8(utf8)), m_missing(false) {}
    TAttrValue(QLatin1StringView text) : m_value(text), m_missing(false) {}
    TAttrValue(bool value) : m_value(value ? QStringLiteral("-1") : QStringLiteral("0")), m_missing(false) {}
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    TAttrValue(T value) : m_value(QString::number(value)), m_missing(false)
    {
    }
    // Enumerations are stored as their ordinal number.
    template <typename T>
        requires std::is_enum_v<T>
    TAttrValue(T value) : TAttrValue(static_cast<std::underlying_type_t<T>>(value))
    {
    }
    // Without these, floating-point numbers and other pointers would silently
    // become Booleans.
    template <std::floating_point T>
    TAttrValue(T) = delete;
    template <typename T>
    TAttrValue(T *) = delete;

    bool IsMissing() const { return m_missing; }

    // The stored text; empty for the missing marker (no error). Use ToString
    // where a missing attribute must fail.
    const QString &Value() const { return m_value; }

    // Decimal integer, optional sign, surrounding blanks allowed. Values from
    // -2^31 to 2^32-1 are accepted, so that both signed and unsigned 32-bit
    // values read back; ToInt gives the value's 32 bits as a signed integer,
    // ToUInt as an unsigned one. Callers that store a byte or a 16-bit value
    // take its low bits.
    qint32 ToInt() const;
    quint32 ToUInt() const { return static_cast<quint32>(ToInt()); }
    // "0" is false, any other integer true; "true"/"false" in any letter case.
    bool ToBool() const;
    QString ToString() const;

    bool operator==(const TAttrValue &other) const = default;

private:
    [[noreturn]] static void conversionError();

    QString m_value;
    bool m_missing = true;
};

// Returns def when value is the missing marker, otherwise value. Readers use it
// for the attributes that have a default.
inline TAttrValue ValueOrDefault(const TAttrValue &value, const TAttrValue &def)
{
    return value.IsMissing() ? def : value;
}
