#pragma once

#include "xml/TXNode.h"
#include "xml/TXStream.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class TXInput;
class TXOutput;
class UserPrompt;

// An XML document of the program: the root element, the name of the file last
// loaded or saved, a header written before the root on save, and the root's
// name. One document is reused for every load and save: the caller sets
// RootName, Header and FileName, calls Clear, fills the tree and saves; or it
// loads and reads the tree.
//
// Files are UTF-8 as the writer of TXNode lays them out; the header and all
// names are written as UTF-8 too. No byte-order mark is written, and the reader
// does not skip one.
class TXDocument
{
public:
    // Shows a failure to open a file for reading: the editor connects it to a
    // message box (caption "Ошибка", error icon, OK button).
    using ReportHandler = std::function<void(const QString &caption, const QString &text)>;

    TXDocument();
    ~TXDocument();

    TXDocument(const TXDocument &) = delete;
    TXDocument &operator=(const TXDocument &) = delete;

    // The document element; never null.
    TXNode *Root() const { return m_root.get(); }

    const QString &FileName() const { return m_fileName; }
    void SetFileName(const QString &name) { m_fileName = name; }
    // Written verbatim before the root element on save; never set by a load.
    const QString &Header() const { return m_header; }
    void SetHeader(const QString &header) { m_header = header; }
    // The root element's name on save; a load sets it from the file.
    const QString &RootName() const { return m_rootName; }
    void SetRootName(const QString &name) { m_rootName = name; }

    // Releases the root's children; the root's name, attributes and text stay
    // (so root attributes of a loaded file are written again by later saves).
    void Clear();

    // Loads the file. When it cannot be opened, the report handler (if any) is
    // called with "Ошибка" and "Невозможно открыть файл: " and the name, the
    // same text is kept in LastError, and the result is false; the document is
    // unchanged. Otherwise FileName becomes the name, the root's children are
    // replaced by the file's, the file's root attributes are appended to the
    // root's, RootName takes the file's root name, and the result is true.
    // Nothing after the root element's end tag is read. A file that ends before
    // its root element is closed, or nests too deep, throws BrenwickError and
    // leaves the document as it was. onText sees each element's text as soon
    // as it is read (TXInput::SetOnText).
    bool LoadFromFile(const QString &fileName, TXInput::TextHandler onText = {});

    // Saves to the file (an empty name means FileName) through a temporary file
    // that replaces the old one only when everything was written. Throws
    // BrenwickError "Cannot create file %s" when the file cannot be created and
    // "Stream write error" when writing fails; the previous file is then
    // untouched and FileName unchanged. On success FileName becomes the name.
    bool SaveToFile(const QString &fileName = QString());

    // The load without the file: reads the root element from the input as
    // LoadFromFile does (all or nothing), without touching FileName.
    void ReadFrom(TXInput &in);
    // The save without the file: the header, then the root named RootName.
    void WriteTo(TXOutput &out);
    // The bytes SaveToFile writes.
    QByteArray ToBytes();

    void SetReportHandler(ReportHandler handler) { m_report = std::move(handler); }
    // A handler that shows the failure as an error message with an OK button.
    static ReportHandler ReportThrough(UserPrompt &prompt);
    // The text of the last failure to open a file; empty after a successful load.
    const QString &LastError() const { return m_lastError; }

private:
    std::unique_ptr<TXNode> m_root;
    QString m_fileName;
    QString m_header;
    QString m_rootName;
    QString m_lastError;
    ReportHandler m_report;
};
