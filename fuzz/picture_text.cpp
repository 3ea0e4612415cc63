// Feeds arbitrary input to TextToPicture. The first byte picks how the rest is
// used: as a picture text as it stands, as BMP bytes wrapped in a correct
// picture text (to reach the bitmap reader), or as zlib data under a size
// field taken from the input (to reach the inflation checks). Whatever decodes
// must encode and decode again to the same pixels.
#include "base/BrenwickError.h"
#include "base/TPicture.h"
#include "xml/PictureText.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's image reader warns about damaged files; the fuzzer makes nothing else.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QString text;
    switch (data[0] % 3) {
    case 0:
        text = QString::fromLatin1(rest);
        break;
    case 1:
        text = BytesToPictureText(rest);
        break;
    default:
        if (rest.size() < 2)
            return 0;
        text = QString::number(int(quint8(rest[0])) * 256 + quint8(rest[1]) - 16) + u';'
               + QString::fromLatin1(rest.mid(2).toBase64());
        break;
    }

    TPicture picture;
    try {
        TextToPicture(picture, text);
    } catch (const BrenwickError &) {
        return 0;
    }
    const QImage first = picture.image();
    TPicture again;
    TextToPicture(again, PictureToText(picture));   // must not throw
    if (again.image().size() != first.size())
        std::abort();
    if (first.hasAlphaChannel())
        return 0;   // written over white: the colours differ by design
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            if (qRgb(qRed(first.pixel(x, y)), qGreen(first.pixel(x, y)), qBlue(first.pixel(x, y)))
                != (again.image().pixel(x, y) | 0xFF000000u))
                std::abort();
    return 0;
}
