#include "layout/StartPictures.h"

#include "base/BmpFile.h"
#include "base/TPicture.h"
#include "window/TPictureSet.h"

#include <QResource>

void SetStartPicture(TPicture &picture, const QString &name)
{
    // The bitmap and the text that carries it were written together at build
    // time: the bitmap need not be inflated from the text.
    const QString path = QStringLiteral(":/start-pictures/") + name;
    const QByteArray bitmap = QResource(path + QStringLiteral(".bmp")).uncompressedData();
    if (bitmap.isEmpty()) {
        picture.setBitmap(QImage());
        return;
    }
    const TBmpImage read = ReadBmp(bitmap);
    picture.setBitmap(read.image, read.layout, QString::fromLatin1(QResource(path).uncompressedData()));
}

void SetStartPictures(TPictureSet &set, const QString &name)
{
    SetStartPicture(*set.Default(), name + QStringLiteral("-default"));
    SetStartPicture(*set.Selected(), name + QStringLiteral("-selected"));
    SetStartPicture(*set.Pressed(), name + QStringLiteral("-pressed"));
}
