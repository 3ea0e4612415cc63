#include "xml/TXDocument.h"

#include "base/BrenwickError.h"
#include "base/UserPrompt.h"
#include "xml/TXStream.h"

#include <QFile>
#include <QSaveFile>
#include <utility>

TXDocument::TXDocument() : m_root(std::make_unique<TXNode>()) {}

TXDocument::~TXDocument() = default;

void TXDocument::Clear()
{
    m_root->ClearChildren();
}

namespace {

// The number of the file's last line that holds anything: CR LF, a lone CR
// (the prolog's lines) and a lone LF each end a line.
int LastLine(QIODevice &file)
{
    int breaks = 0;
    bool textAfterBreak = false;
    char previous = 0;
    QByteArray chunk;
    constexpr qint64 kChunk = 64 * 1024;
    while (!(chunk = file.read(kChunk)).isEmpty()) {
        for (const char c : std::as_const(chunk)) {
            if (c == '\r' || (c == '\n' && previous != '\r')) {
                ++breaks;
                textAfterBreak = false;
            } else if (c != '\n') {
                textAfterBreak = true;
            }
            previous = c;
        }
    }
    return breaks + (textAfterBreak ? 1 : 0);
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
    loaded.ReadFrom(in);

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
        if (e.place().what == TFilePlace::fwEnd && file.seek(0))
            e.place().line = LastLine(file);
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
