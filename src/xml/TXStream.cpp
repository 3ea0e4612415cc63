#include "xml/TXStream.h"

#include "kit/BrenwickError.h"

#include <QIODevice>
#include <cstring>

// ---- TXInput ----

TXInput::TXInput(QIODevice &device, qsizetype bufferSize) : m_device(&device)
{
    m_buffer.resize(qMax<qsizetype>(1, bufferSize));
}

TXInput::TXInput(QByteArrayView data) : m_data(data.data()), m_len(data.size()) {}

void TXInput::unexpectedEnd()
{
    throw BrenwickError(QStringLiteral("Unexpected end of file"));
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

QByteArray TXInput::ReadTag()
{
    SkipBlanks();
    if (!fill())
        unexpectedEnd();
    QByteArray tag;
    // The first byte is taken whatever it is, even a ">".
    tag.append(m_data[m_pos]);
    if (m_data[m_pos++] == '>')
        return tag;
    for (;;) {
        if (!fill())
            unexpectedEnd();
        const char *start = m_data + m_pos;
        const auto *hit = static_cast<const char *>(std::memchr(start, '>', size_t(m_len - m_pos)));
        if (hit) {
            tag.append(start, hit - start + 1);
            m_pos += hit - start + 1;
            return tag;
        }
        tag.append(start, m_len - m_pos);
        m_pos = m_len;
    }
}

QByteArray TXInput::ReadText()
{
    QByteArray text;
    for (;;) {
        if (!fill())
            unexpectedEnd();
        const char *start = m_data + m_pos;
        const auto *hit = static_cast<const char *>(std::memchr(start, '<', size_t(m_len - m_pos)));
        const qsizetype n = hit ? hit - start : m_len - m_pos;
        text.append(start, n);
        m_pos += n;
        if (hit)
            break;
    }
    if (text.contains('\t'))
        text.replace("\t", "");
    return text;
}

QString TXInput::NameText(QByteArrayView bytes)
{
    const QByteArray key = bytes.toByteArray();
    auto it = m_names.constFind(key);
    if (it != m_names.constEnd())
        return it.value();
    QString name = QString::fromUtf8(bytes);
    if (m_names.size() < kNameCacheLimit)
        m_names.insert(key, name);
    return name;
}

// ---- TXOutput ----

TXOutput::TXOutput(QIODevice &device) : m_device(&device), m_pending(m_own)
{
    m_own.reserve(kFlushSize + 4096);
}

TXOutput::TXOutput(QByteArray &target) : m_pending(target) {}

TXOutput::~TXOutput() = default;

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
