#include "layout/StartPictures.h"

#include "xml/PictureText.h"

#include <QResource>

void SetStartPicture(TPicture &picture, const QString &name)
{
    const QResource resource(QStringLiteral(":/start-pictures/") + name);
    const QByteArray bytes = resource.uncompressedData();
    TextToPicture(picture, QString::fromLatin1(bytes));
}
