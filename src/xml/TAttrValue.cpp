#include "xml/TAttrValue.h"

#include "base/BrenwickError.h"
#include "rules/XmlRules.h"

#include <limits>

namespace {

const char *const kConversionError = "Invalid variant type conversion";

// The blanks a number or a word may stand between (rules::IsValueBlank: all
// of them lie in the Basic Multilingual Plane).
bool isBlank(QChar c)
{
    return rules::IsValueBlank(c.unicode());
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// "true" or "false" in any letter case of the Latin letters.
bool isWord(QStringView text, QLatin1StringView word)
{
    if (text.size() != word.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (rules::FoldCase(text[i].unicode()) != char32_t(word[i].unicode()))
            return false;
    return true;
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
    const QStringView word = trimmed(m_value);
    if (isWord(word, QLatin1StringView("true")))
        return true;
    if (isWord(word, QLatin1StringView("false")))
        return false;
    return ToInt() != 0;
}

QString TAttrValue::ToString() const
{
    if (m_missing)
        conversionError();
    return m_value;
}
