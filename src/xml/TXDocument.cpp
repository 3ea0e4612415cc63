#include "xml/TXDocument.h"

#include "base/BrenwickError.h"
#include "base/UserPrompt.h"
#include "xml/TXStream.h"

#include <QFile>
#include <QSaveFile>
#include <limits>
#include <utility>

#include "rules/ReadReasons.h"
#include "rules/XmlRules.h"

TXDocument::TXDocument() : m_root(std::make_unique<TXNode>()) {}

TXDocument::~TXDocument() = default;

void TXDocument::Clear()
{
    m_root->ClearChildren();
}

namespace {

// Names the line of a read failure: the last line that holds anything for an
// unexpected end, the line of the failing tag for the others. read gives the
// bytes from the start of the input, a piece at a time (empty at the end).
template <typename Read>
void PlaceLine(BrenwickError &e, Read &&read)
{
    TFilePlace &place = e.place();
    const bool end = place.what == TFilePlace::fwEnd;
    if (place.line > 0 || (!end && place.offset < 0))
        return;
    rules::LineCounter counter;
    qint64 left = end ? std::numeric_limits<qint64>::max() : place.offset;
    for (QByteArrayView piece = read(); !piece.isEmpty() && left > 0; piece = read()) {
        const qint64 take = std::min<qint64>(left, piece.size());
        counter.Feed(std::string_view(piece.data(), size_t(take)));
        left -= take;
    }
    place.line = end ? counter.LastLine() : counter.Line();
}

} // namespace

void TXDocument::ReadFrom(TXInput &in)
{
    // Read into a copy of the root without its children (its name, attributes
    // and text stay unless the file's root replaces or extends them), so that a
    // failure leaves the document as it was; then move the result into the root
    // itself, which callers may hold on to.
    TXNode loaded(m_root->m_name);
    loaded.m_text = m_root->m_text;
    loaded.m_attrs = m_root->m_attrs;
    try {
        // An end tag where the document element should begin ends nothing.
        if (!loaded.ReadFrom(in))
            TXNode::failAt(in, rules::kEndTagFirst);
    } catch (BrenwickError &e) {
        if (const QByteArrayView bytes = in.Bytes(); !bytes.isEmpty()) {
            bool given = false;
            PlaceLine(e, [&]() { return std::exchange(given, true) ? QByteArrayView() : bytes; });
        }
        throw;
    }

    TXNode &root = *m_root;
    root.ClearChildren();
    root.m_name = loaded.m_name;
    root.m_text = loaded.m_text;
    root.m_attrs = std::move(loaded.m_attrs);
    root.m_firstChild = std::exchange(loaded.m_firstChild, nullptr);
    root.m_lastChild = std::exchange(loaded.m_lastChild, nullptr);
    m_rootName = root.m_name;
}

bool TXDocument::LoadFromFile(const QString &fileName, TXInput::TextHandler onText)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_lastError = QCoreApplication::translate("TXDocument", "Невозможно открыть файл: ") + fileName;
        if (m_report)
            m_report(QCoreApplication::translate("TXDocument", "Ошибка"), m_lastError);
        return false;
    }
    m_lastError.clear();
    TXInput in(file);
    in.SetOnText(std::move(onText));
    try {
        ReadFrom(in);
    } catch (BrenwickError &e) {
        if (file.seek(0)) {
            QByteArray chunk;
            PlaceLine(e, [&]() {
                chunk = file.read(64 * 1024);
                return QByteArrayView(chunk);
            });
        }
        throw;
    }
    m_fileName = fileName;
    return true;
}

void TXDocument::WriteTo(TXOutput &out)
{
    out.Depth = 0;
    if (!m_header.isEmpty())
        out.WriteUtf8(m_header);
    m_root->SetName(m_rootName);
    m_root->WriteTo(out);
    out.Flush();
}

QByteArray TXDocument::ToBytes()
{
    QByteArray bytes;
    TXOutput out(bytes);
    WriteTo(out);
    return bytes;
}

bool TXDocument::SaveToFile(const QString &fileName)
{
    const QString name = fileName.isEmpty() ? m_fileName : fileName;
    QSaveFile file(name);
    if (name.isEmpty() || !file.open(QIODevice::WriteOnly))
        throw BrenwickError(QStringLiteral("Cannot create file %1").arg(name));
    {
        TXOutput out(file);
        WriteTo(out);   // throws "Stream write error"; the temporary file is discarded
    }
    if (!file.commit())
        throw BrenwickError(QStringLiteral("Stream write error"));
    m_fileName = name;
    return true;
}

TXDocument::ReportHandler TXDocument::ReportThrough(UserPrompt &prompt)
{
    return [&prompt](const QString &caption, const QString &text) {
        prompt.inform(caption, text, UserPrompt::Icon::Error);
    };
}
