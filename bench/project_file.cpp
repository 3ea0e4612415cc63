// Times opening and saving a whole project that carries ten 1920x1080
// pictures against the raw work on the same data, measured in the same run:
// open against the document parse plus Base64 decoding and inflating of the
// ten pictures; save against deflating and Base64 encoding the ten bitmaps and
// writing a file of the project's size.
#include "app/cli/CliEditor.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "xml/PictureText.h"
#include "BenchPictures.h"
#include "PairTiming.h"
#include "Target.h"
#include "xml/TXDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>
#include <zlib.h>

namespace {

constexpr int kWidth = bench::kPictureWidth;
constexpr int kHeight = bench::kPictureHeight;
constexpr int kPictures = 10;
constexpr int kRounds = 3;
constexpr double kLimit = 1.3;

// Every element text that is a picture's text form, in document order.
void collectPictureTexts(const TXNode &node, QList<QString> &out)
{
    for (const TXNode *child = node.FirstChild(); child; child = child->Next()) {
        if (child->Text().size() > kWidth)
            out << child->Text();
        collectPictureTexts(*child, out);
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velmora.XML"));
    const QString rawFile = dir.filePath(QStringLiteral("raw.bin"));

    cli::Editor editor;
    QList<TPicture *> pictures = bench::DesignPictures(editor, kPictures);
    QList<QByteArray> bitmaps;
    for (int i = 0; i < kPictures; ++i) {
        pictures[i]->setBitmap(bench::MakePicture(unsigned(i + 1)));
        bitmaps << BitmapBytes(pictures[i]->image());
    }
    editor.project.SaveProject(file, TProject::WholeProject());
    const qint64 fileSize = QFileInfo(file).size();

    volatile qsizetype sink = 0;
    const auto [save, rawSave] = bench::medianPairMs(kRounds, [&] { editor.project.SaveProject(file, TProject::WholeProject()); }, [&] {
        QByteArray all;
        for (const QByteArray &bmp : bitmaps) {
            uLongf length = compressBound(uLong(bmp.size()));
            QByteArray compressed(qsizetype(length), Qt::Uninitialized);
            compress2(reinterpret_cast<Bytef *>(compressed.data()), &length,
                      reinterpret_cast<const Bytef *>(bmp.constData()), uLong(bmp.size()), Z_DEFAULT_COMPRESSION);
            compressed.truncate(qsizetype(length));
            all += compressed.toBase64();
        }
        all.resize(fileSize, ' ');
        QFile out(rawFile);
        if (out.open(QIODevice::WriteOnly))
            sink = sink + out.write(all);
    });

    cli::Editor reader;
    const auto [open, rawOpen] = bench::medianPairMs(kRounds, [&] { reader.project.LoadProject(file, TProject::WholeProject()); }, [&] {
        TXDocument doc;
        doc.LoadFromFile(file);
        QList<QString> texts;
        collectPictureTexts(*doc.Root(), texts);
        for (const QString &text : texts) {
            const qsizetype semicolon = text.indexOf(u';');
            const QByteArray compressed = QByteArray::fromBase64(text.sliced(semicolon + 1).toLatin1());
            QByteArray out(text.left(semicolon).toLongLong(), Qt::Uninitialized);
            uLongf length = uLongf(out.size());
            uncompress(reinterpret_cast<Bytef *>(out.data()), &length,
                       reinterpret_cast<const Bytef *>(compressed.constData()), uLong(compressed.size()));
            sink = sink + qsizetype(length);
        }
    });

    std::printf("project with %d pictures of %dx%d, %.1f MB (median of %d runs)\n", kPictures, kWidth, kHeight,
                double(fileSize) / 1e6, kRounds);
    std::printf("open    %8.1f ms   raw parse+Base64+inflate   %8.1f ms   ratio %.3f\n", open, rawOpen, open / rawOpen);
    std::printf("save    %8.1f ms   raw deflate+Base64+write   %8.1f ms   ratio %.3f\n", save, rawSave, save / rawSave);
    bench::Target("open, of raw parse+Base64+inflate", open / rawOpen, "x", kLimit);
    bench::Target("save, of raw deflate+Base64+write", save / rawSave, "x", kLimit);
    return 0;
}
