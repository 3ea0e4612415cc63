// Feeds arbitrary bytes to the XML reader. The same bytes are read from memory
// and through a device with a tiny buffer; both must agree, and whatever was
// read must write without failing.
#include "base/BrenwickError.h"
#include "xml/TXDocument.h"
#include "xml/TXStream.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

struct Outcome
{
    QByteArray written;
    QString error;
};

// Converts every attribute value read the ways the design reader does.
void convertValues(const TXNode *node)
{
    for (; node; node = node->Next()) {
        for (int i = 0; i < node->AttrCount(); ++i) {
            const TAttrValue value = node->AttrAt(i);
            try {
                const qint32 n = value.ToInt();
                if (value.ToBool() != (n != 0))
                    std::abort();
            } catch (const BrenwickError &) {
            }
            try {
                (void)value.ToBool();
            } catch (const BrenwickError &) {
            }
            if (ValueOrDefault(node->GetAttr(node->AttrName(i)), 0).IsMissing())
                std::abort();
        }
        convertValues(node->FirstChild());
    }
}

Outcome readMemory(const QByteArray &bytes)
{
    TXDocument doc;
    try {
        TXInput in(bytes);
        doc.ReadFrom(in);
    } catch (const BrenwickError &e) {
        return {doc.ToBytes(), e.message()};
    }
    convertValues(doc.Root());
    return {doc.ToBytes(), QString()};
}

Outcome readDevice(const QByteArray &bytes, qsizetype bufferSize)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TXDocument doc;
    try {
        TXInput in(buffer, bufferSize);
        doc.ReadFrom(in);
    } catch (const BrenwickError &e) {
        return {doc.ToBytes(), e.message()};
    }
    return {doc.ToBytes(), QString()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Outcome memory = readMemory(bytes);
    const Outcome device = readDevice(bytes, 1 + qsizetype(size % 7));
    if (memory.written != device.written || memory.error != device.error)
        std::abort();
    // A failed read leaves the document empty.
    if (!memory.error.isEmpty() && !memory.written.isEmpty())
        std::abort();
    return 0;
}
