#include "project/TProject.h"

#include "xml/TXDocument.h"
#include "xml/TXStream.h"

// The project file without the file: the same writer as a save and the same
// reader as an open, on bytes in memory (the test-run reads them).

QByteArray TProject::ProjectBytes()
{
    TXDocument document;
    document.SetRootName(QString::fromLatin1(kRootName));
    document.SetHeader(QString::fromLatin1(kProlog));
    WriteParts(*document.Root(), WholeProject());
    return document.ToBytes();
}

TProject::TLoadedPtr TProject::ReadProjectBytes(const QByteArray &bytes, const TKnownPictures &known)
{
    auto document = std::make_unique<TXDocument>();
    TPicturesDecodedAhead pictures({}, known);
    TXInput in{QByteArrayView(bytes)};
    pictures.Follow(in);
    document->ReadFrom(in);
    return ReadParts(std::move(document), WholeProject(), &pictures);
}

TKnownPictures TProject::KnownPictures() const
{
    return m_designParts->KnownPictures();
}
