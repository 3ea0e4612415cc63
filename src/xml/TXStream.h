#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

#include "rules/XmlRules.h"
#include <vector>

class QIODevice;
class TXNode;

// The input stream the XML reader consumes: bytes from a device, read through
// a buffer of its own, or from bytes in memory. It offers the reading
// primitives of the narrow reader. Every primitive stops at the end of input;
// one that needs more bytes than there are throws
// BrenwickError("Unexpected end of file").
class TXInput
{
public:
    // Reads the device from its current position. The input reads ahead, so the
    // device's position afterwards is not defined.
    explicit TXInput(QIODevice &device, qsizetype bufferSize = kBufferSize);
    // Reads bytes in memory; they must outlive the input.
    explicit TXInput(QByteArrayView data);
    // A temporary would be gone before it is read.
    explicit TXInput(QByteArray &&) = delete;

    TXInput(const TXInput &) = delete;
    TXInput &operator=(const TXInput &) = delete;

    // Blanks are TAB, LF, CR and space.
    static bool IsBlank(char c) { return rules::IsMarkupBlank(c); }

    // True when no byte is left.
    bool AtEnd();

    // Reads blanks; the first non-blank byte is left unread.
    void SkipBlanks();
    // SkipBlanks, then everything up to and including the next ">" (one inside
    // quotes ends it too).
    QByteArray ReadTag();
    // Everything up to the next "<", which is left unread, without the TAB bytes.
    QByteArray ReadText();

    // Element nesting level of the element being read (0 outside any element).
    int Depth() const { return m_depth; }

    // Element and attribute names as text, shared between equal names. A
    // leading U+FEFF is part of the name.
    QString NameText(QByteArrayView bytes);

    // The byte offset (from where the input began) of the last tag read.
    qint64 TagOffset() const { return m_tagOffset; }
    // The bytes of an input in memory; empty for a device.
    QByteArrayView Bytes() const { return m_device ? QByteArrayView() : QByteArrayView(m_data, m_len); }

    // Called with each element whose text has just been read, while the rest
    // of the document is still to come (the element's text may yet change).
    using TextHandler = std::function<void(const TXNode &)>;
    void SetOnText(TextHandler handler) { m_onText = std::move(handler); }

private:
    friend class TXNode;

    // ReadTag and ReadText without copying where the bytes lie in one piece in
    // the buffer; the view is valid until the next read.
    QByteArrayView readTagView();
    QByteArrayView readTextView();
    // Reads from the current position up to the first delim found at or after
    // offset searchFrom, the delimiter included and consumed when keepDelim.
    // The view points into the buffer or into m_scratch until the next read.
    // Fails with "Unexpected end of file" when the input ends first.
    QByteArrayView readUntil(qsizetype searchFrom, char delim, bool keepDelim);
    bool fill();   // false at end of input
    // Refuses a UTF-16 file and one that is not XML, from its first bytes.
    void checkStart(QByteArrayView start) const;
    [[noreturn]] static void unexpectedEnd();

public:
    static constexpr qsizetype kBufferSize = 64 * 1024;

private:
    static constexpr size_t kNameCacheLimit = 64;

    QIODevice *m_device = nullptr;
    QByteArray m_buffer;
    const char *m_data = nullptr;
    qsizetype m_pos = 0;
    qsizetype m_len = 0;
    qint64 m_base = 0;   // the offset of m_data[0]
    qint64 m_tagOffset = -1;
    bool m_started = false;   // the first tag was looked at
    int m_depth = 0;
    QByteArray m_scratch;
    struct CachedName
    {
        QByteArray bytes;
        QString text;
    };
    std::vector<CachedName> m_names;
    TextHandler m_onText;
};

// The output stream the XML writer writes to: a device (through a buffer; a
// failed write throws BrenwickError("Stream write error")) or bytes in memory.
// It holds the writer's depth counter, 0 when a save starts. Writing to a
// device, call Flush at the end: bytes still buffered when the output is
// destroyed are dropped (a failed save must not write half a file).
class TXOutput
{
public:
    explicit TXOutput(QIODevice &device);
    explicit TXOutput(QByteArray &target);
    ~TXOutput();

    TXOutput(const TXOutput &) = delete;
    TXOutput &operator=(const TXOutput &) = delete;

    void Write(QByteArrayView bytes)
    {
        m_pending.append(bytes);
        if (m_device && m_pending.size() >= kFlushSize)
            Flush();
    }
    void WriteSpaces(qsizetype count) { m_pending.append(count, ' '); }
    // Text escaped and in UTF-8 (attribute values, element text).
    void WriteEncoded(QStringView text);
    // Text in UTF-8 as it stands (names, the header).
    void WriteUtf8(QStringView text);
    // Hands buffered bytes to the device; throws on a write error.
    void Flush();

    int Depth = 0;

private:
    static constexpr qsizetype kFlushSize = 256 * 1024;

    QIODevice *m_device = nullptr;
    QByteArray m_own;
    QByteArray &m_pending;
};
