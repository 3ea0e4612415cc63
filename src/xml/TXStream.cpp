#include "xml/TXStream.h"

#include "base/BrenwickError.h"
#include "rules/ReadReasons.h"
#include "xml/XmlText.h"

#include <QIODevice>
#include <QStringDecoder>
#include <cstring>

// ---- TXInput ----

TXInput::TXInput(QIODevice &device, qsizetype bufferSize) : m_device(&device)
{
    m_buffer.resize(qMax<qsizetype>(1, bufferSize));
}

TXInput::TXInput(QByteArrayView data) : m_data(data.data()), m_len(data.size()) {}

void TXInput::unexpectedEnd()
{
    throw BrenwickError(QString::fromLatin1(rules::kUnexpectedEnd), TFilePlace::fwEnd);
}

bool TXInput::fill()
{
    if (m_pos < m_len)
        return true;
    if (!m_device)
        return false;
    const qint64 got = m_device->read(m_buffer.data(), m_buffer.size());
    if (got < 0)
        throw BrenwickError(QStringLiteral("Stream read error"));
    m_base += m_len;
    m_data = m_buffer.constData();
    m_pos = 0;
    m_len = got;
    return got > 0;
}

bool TXInput::AtEnd()
{
    return !fill();
}

void TXInput::SkipBlanks()
{
    while (fill()) {
        while (m_pos < m_len) {
            if (!IsBlank(m_data[m_pos]))
                return;
            ++m_pos;
        }
    }
}

QByteArrayView TXInput::readUntil(qsizetype searchFrom, char delim, bool keepDelim)
{
    const char *start = m_data + m_pos;
    const qsizetype available = m_len - m_pos;
    const qsizetype extra = keepDelim ? 1 : 0;
    if (const auto *hit = static_cast<const char *>(
            std::memchr(start + searchFrom, delim, size_t(available - searchFrom)))) {
        const qsizetype length = hit - start + extra;
        m_pos += length;
        return QByteArrayView(start, length);
    }
    // The piece goes on beyond the buffer: collect it.
    m_scratch.resize(0);
    m_scratch.append(start, available);
    m_pos = m_len;
    for (;;) {
        if (!fill())
            unexpectedEnd();
        const char *from = m_data + m_pos;
        const qsizetype n = m_len - m_pos;
        const auto *hit = static_cast<const char *>(std::memchr(from, delim, size_t(n)));
        const qsizetype take = hit ? hit - from + extra : n;
        m_scratch.append(from, take);
        m_pos += take;
        if (hit)
            return m_scratch;
    }
}

QByteArrayView TXInput::readTagView()
{
    SkipBlanks();
    if (!fill())
        unexpectedEnd();
    m_tagOffset = m_base + m_pos;
    const char *start = m_data + m_pos;
    const bool first = !m_started;
    m_started = true;
    if (first)
        checkStart(QByteArrayView(start, 1));
    // The first byte is taken whatever it is, even a ">".
    if (*start == '>') {
        ++m_pos;
        return QByteArrayView(start, 1);
    }
    const QByteArrayView tag = readUntil(1, '>', true);
    if (first)
        checkStart(tag);
    return tag;
}

void TXInput::checkStart(QByteArrayView start) const
{
    const rules::FileStart kind = rules::KindOfStart(std::string_view(start.data(), size_t(start.size())));
    if (kind == rules::FileStart::Xml)
        return;
    BrenwickError error(QString::fromLatin1(kind == rules::FileStart::Utf16 ? rules::kUtf16File : rules::kNotXml),
                        TFilePlace::fwStart);
    error.place().offset = m_tagOffset;
    throw error;
}

QByteArrayView TXInput::readTextView()
{
    if (!fill())
        unexpectedEnd();
    const QByteArrayView text = readUntil(0, '<', false);
    if (!text.contains('\t'))
        return text;
    // TAB bytes in element text are dropped.
    QByteArray without;
    without.reserve(text.size());
    for (const char c : text) {
        if (c != '\t')
            without.append(c);
    }
    m_scratch = without;
    return m_scratch;
}

QByteArray TXInput::ReadTag()
{
    return readTagView().toByteArray();
}

QByteArray TXInput::ReadText()
{
    return readTextView().toByteArray();
}

QString TXInput::NameText(QByteArrayView bytes)
{
    for (const CachedName &cached : m_names) {
        if (cached.bytes == bytes)
            return cached.text;
    }
    // Decoded without dropping a leading byte order mark, as fromUtf8 would,
    // and without holding back a character cut off at the end.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    QString name = decoder(bytes);
    if (m_names.size() < kNameCacheLimit)
        m_names.push_back({bytes.toByteArray(), name});
    return name;
}

// ---- TXOutput ----

TXOutput::TXOutput(QIODevice &device) : m_device(&device), m_pending(m_own)
{
    m_own.reserve(kFlushSize + 4096);
}

TXOutput::TXOutput(QByteArray &target) : m_pending(target) {}

TXOutput::~TXOutput() = default;

void TXOutput::WriteEncoded(QStringView text)
{
    AppendXmlEncoded(m_pending, text);
    if (m_device && m_pending.size() >= kFlushSize)
        Flush();
}

void TXOutput::WriteUtf8(QStringView text)
{
    AppendUtf8(m_pending, text);
    if (m_device && m_pending.size() >= kFlushSize)
        Flush();
}

void TXOutput::Flush()
{
    if (!m_device || m_pending.isEmpty())
        return;
    const qint64 size = m_pending.size();
    const qint64 written = m_device->write(m_pending);
    m_pending.resize(0);   // keeps the buffer's capacity
    if (written != size)
        throw BrenwickError(QStringLiteral("Stream write error"));
}
