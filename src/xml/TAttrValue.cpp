#include "xml/TAttrValue.h"

#include "base/BrenwickError.h"

#include <limits>

namespace {

const char *const kConversionError = "Invalid variant type conversion";

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Parses [blanks][+|-]digits[blanks] into a 64-bit value; false when the text
// is not of that form or has more digits than any 32-bit value needs.
bool parseDecimal(const QString &text, qint64 &result)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    while (end > i && isBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == end)
        return false;
    constexpr qint64 kLimit = qint64(1) << 40;   // far beyond any 32-bit value
    qint64 value = 0;
    for (; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c - u'0');
        if (value > kLimit)
            return false;
    }
    result = negative ? -value : value;
    return true;
}

} // namespace

void TAttrValue::conversionError()
{
    throw BrenwickError(QString::fromLatin1(kConversionError));
}

qint32 TAttrValue::ToInt() const
{
    qint64 value = 0;
    if (m_missing || !parseDecimal(m_value, value))
        conversionError();
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<quint32>::max())
        conversionError();
    return static_cast<qint32>(static_cast<quint32>(value));
}

bool TAttrValue::ToBool() const
{
    if (m_missing)
        conversionError();
    const QString word = m_value.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return ToInt() != 0;
}

QString TAttrValue::ToString() const
{
    if (m_missing)
        conversionError();
    return m_value;
}
