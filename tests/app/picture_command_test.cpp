#include "app/cli/Cli.h"
#include "xml/PictureText.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

CliRun picture(const QStringList &args, const QByteArray &stdinBytes = QByteArray())
{
    return RunCli(QStringList{QStringLiteral("picture")} + args, stdinBytes);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage sample()
{
    QImage image(37, 21, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 12, (x * y) % 256));
    return image;
}

} // namespace

TEST(PictureCommand, EncodeThenDecodeGivesTheSamePixels)
{
    QTemporaryDir dir;
    for (const char *format : {"png", "bmp", "jpg"}) {
        const QString image = dir.filePath(QStringLiteral("in.") + QLatin1String(format));
        ASSERT_TRUE(sample().save(image, format));
        CliRun enc = picture({QStringLiteral("encode"), image});
        ASSERT_EQ(enc.status, 0) << enc.err.toStdString();
        ASSERT_TRUE(enc.out.endsWith(u'\n'));
        EXPECT_EQ(enc.out.count(u'\n'), 1);

        const QString textFile = dir.filePath(QStringLiteral("pic.txt"));
        QFile t(textFile);
        ASSERT_TRUE(t.open(QIODevice::WriteOnly));
        t.write(("  \r\n" + enc.out + "\r\n").toLatin1());   // blanks around are ignored
        t.close();
        const QString out = dir.filePath(QStringLiteral("out.bmp"));
        CliRun dec = picture({QStringLiteral("decode"), textFile, QStringLiteral("-o"), out});
        ASSERT_EQ(dec.status, 0) << dec.err.toStdString();

        QImage expected(image);
        QImage decoded(out, "BMP");
        ASSERT_EQ(decoded.size(), expected.size());
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32))
            << format;
    }
}

TEST(PictureCommand, DecodeReadsStandardInputAndWritesEmptyPicturesAsEmptyFiles)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("empty.bmp"));
    CliRun r = picture({QStringLiteral("decode"), QStringLiteral("-o"), out}, "0;eJwDAAAAAAE=\n");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(out));
    EXPECT_EQ(QFileInfo(out).size(), 0);

    const QByteArray bmp = BitmapBytes(sample());
    const QString text = BytesToPictureText(bmp);
    const QString out2 = dir.filePath(QStringLiteral("stdin.bmp"));
    r = picture({QStringLiteral("decode"), QStringLiteral("--output"), out2}, text.toLatin1());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(fileBytes(out2), bmp);   // the BMP bytes the text carries, unchanged
}

TEST(PictureCommand, FailuresLeaveNoFileAndUseTheExitStatus)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.bmp"));
    CliRun r = picture({QStringLiteral("decode"), QStringLiteral("-o"), out}, "12a;AAAA");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("brenwick-cli: '12a' is not a valid integer value\n"));
    EXPECT_FALSE(QFile::exists(out));

    // A damaged picture leaves an existing output file as it was.
    QFile previous(out);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("previous");
    previous.close();
    r = picture({QStringLiteral("decode"), QStringLiteral("-o"), out}, "5;eJwDAAAAAAE=");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("brenwick-cli: Bitmap image is not valid\n"));
    EXPECT_EQ(fileBytes(out), QByteArray("previous"));

    r = picture({QStringLiteral("encode"), dir.filePath(QStringLiteral("missing.png"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());

    r = picture({QStringLiteral("decode"), dir.filePath(QStringLiteral("missing.txt")), QStringLiteral("-o"), out});
    EXPECT_EQ(r.status, 1);

    r = picture({QStringLiteral("decode")}, "0;");
    EXPECT_EQ(r.status, 2);
    r = picture({QStringLiteral("encode")});
    EXPECT_EQ(r.status, 2);
    r = picture({QStringLiteral("paint")});
    EXPECT_EQ(r.status, 2);
    r = picture({QStringLiteral("decode"), QStringLiteral("--bogus")});
    EXPECT_EQ(r.status, 2);
    r = picture({QStringLiteral("--help")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("picture decode")));
}
