// Times the picture text form of a 1920x1080 true-colour picture against the
// raw path on the same bytes measured in the same run: compress2 + Base64 for
// PictureToText of a picture that has no kept text (each round a new one),
// Base64 decoding + uncompress for TextToPicture. Beside them, the shortcut
// of a picture that keeps the text it was read from.
#include "base/TPicture.h"
#include "xml/PictureText.h"
#include "PairTiming.h"
#include "Target.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <utility>
#include <vector>
#include <zlib.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRounds = 7;
constexpr double kLimit = 1.15;

// A photograph-like picture: smooth gradients with some noise.
QImage makePicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::mt19937 rng(2024);
    for (int y = 0; y < kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int noise = int(rng() % 9) - 4;
            line[x] = qRgb(std::clamp(x * 255 / kWidth + noise, 0, 255), std::clamp(y * 255 / kHeight + noise, 0, 255),
                           std::clamp((x + y) % 256 + noise, 0, 255));
        }
    }
    return image;
}


} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QImage image = makePicture();
    const QByteArray bmp = BitmapBytes(image);
    TPicture picture;
    picture.setBitmap(image);
    const QString text = PictureToText(picture);
    const QByteArray base64 = text.mid(text.indexOf(u';') + 1).toLatin1();

    volatile qsizetype sink = 0;
    const auto [encode, rawEncode] = bench::medianPairMs(kRounds, [&] {
        TPicture fresh;
        fresh.setBitmap(image);   // no kept text: compressed anew
        sink = sink + PictureToText(fresh).size();
    }, [&] {
        uLongf length = compressBound(uLong(bmp.size()));
        QByteArray compressed(qsizetype(length), Qt::Uninitialized);
        compress2(reinterpret_cast<Bytef *>(compressed.data()), &length,
                  reinterpret_cast<const Bytef *>(bmp.constData()), uLong(bmp.size()), Z_DEFAULT_COMPRESSION);
        compressed.truncate(qsizetype(length));
        sink = sink + compressed.toBase64().size();
    });
    const auto [decode, rawDecode] = bench::medianPairMs(kRounds, 
        [&] {
            TPicture target;
            TextToPicture(target, text);
            sink = sink + target.width();
        },
        [&] {
        const QByteArray compressed = QByteArray::fromBase64(base64);
        QByteArray out(bmp.size(), Qt::Uninitialized);
        uLongf length = uLongf(out.size());
        uncompress(reinterpret_cast<Bytef *>(out.data()), &length,
                   reinterpret_cast<const Bytef *>(compressed.constData()), uLong(compressed.size()));
        sink = sink + qsizetype(length);
        });

    TPicture read;
    TextToPicture(read, text);   // keeps the text it was read from
    const double kept = bench::medianPairMs(kRounds, [&] { sink = sink + PictureToText(read).size(); }, [] {}).first;

    std::printf("picture %dx%d, %lld BMP bytes, text %lld characters (median of %d runs)\n", kWidth, kHeight,
                static_cast<long long>(bmp.size()), static_cast<long long>(text.size()), kRounds);
    std::printf("PictureToText        %8.1f ms   raw compress2+Base64   %8.1f ms   ratio %.3f\n", encode, rawEncode,
                encode / rawEncode);
    std::printf("PictureToText, kept  %8.1f ms   (a picture read from its text writes that text back)\n", kept);
    std::printf("TextToPicture        %8.1f ms   raw Base64+uncompress  %8.1f ms   ratio %.3f\n", decode, rawDecode,
                decode / rawDecode);
    bench::Target("PictureToText, of raw compress2+Base64", encode / rawEncode, "x", kLimit);
    bench::Target("TextToPicture, of raw Base64+uncompress", decode / rawDecode, "x", kLimit);
    return 0;
}
