// Pictures encoded and decoded on several threads give exactly what one
// thread gives, failures included.
#include "base/BrenwickError.h"
#include "base/TPicture.h"
#include "xml/PictureBatch.h"
#include "xml/PictureText.h"
#include "xml/TXDocument.h"
#include "xml/TXNode.h"
#include "xml/TXStream.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QImage Pattern(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * seed) % 256, (y * 31 + seed) % 256, (x ^ y) % 256));
    return image;
}

QString Message(const std::function<void()> &work)
{
    try {
        work();
    } catch (const BrenwickError &e) {
        return e.message();
    }
    return QString();
}

// A design-like tree: picture elements at several depths, some empty, some damaged.
struct TTree
{
    TXNode root{QStringLiteral("Velmora")};
    std::vector<const TXNode *> pictures;

    TTree(const QStringList &texts)
    {
        int i = 0;
        for (const QString &text : texts) {
            TXNode *owner = root.AddChild(i % 2 ? QStringLiteral("button") : QStringLiteral("theme"));
            TXNode *el = owner->AddChild(i % 2 ? QStringLiteral("pressed") : QStringLiteral("source"));
            el->SetText(text);
            pictures.push_back(el);
            ++i;
        }
        root.AddChild(QStringLiteral("about"))->SetText(QStringLiteral("5;not a picture"));
    }
};

} // namespace

TEST(PictureBatch, ParallelEncodingGivesTheSerialTextsAndKeepsThem)
{
    const QList<QImage> images{Pattern(40, 30, 3), QImage(), Pattern(1, 1, 5), Pattern(17, 9, 7), Pattern(64, 2, 9)};
    std::vector<std::unique_ptr<TPicture>> serial, parallel;
    QList<TPicture *> serialList, parallelList;
    for (const QImage &image : images) {
        for (auto *list : {&serial, &parallel})
            list->push_back(std::make_unique<TPicture>());
        serial.back()->setBitmap(image);
        parallel.back()->setBitmap(image);
        serialList << serial.back().get();
        parallelList << parallel.back().get();
    }
    parallel[2]->keepText(QStringLiteral("kept"));   // a kept text is not encoded again
    serial[2]->keepText(QStringLiteral("kept"));
    parallel[4]->setGraphic(Pattern(3, 3, 1), TPicture::gkPng);   // made a bitmap first
    serial[4]->setGraphic(Pattern(3, 3, 1), TPicture::gkPng);
    EncodePictures(serialList, {1});
    EncodePictures(parallelList, {4});
    for (size_t i = 0; i < serial.size(); ++i) {
        EXPECT_EQ(parallel[i]->keptText(), serial[i]->keptText()) << i;
        EXPECT_EQ(parallel[i]->kind(), TPicture::gkBitmap) << i;
    }
    EXPECT_EQ(parallel[2]->keptText(), QStringLiteral("kept"));
    TPicture single;
    single.setBitmap(images[0]);
    EXPECT_EQ(PictureToText(single), parallel[0]->keptText());
}

TEST(PictureBatch, AnEncodingFailureIsTheFirstInOrderAndTheOthersStillGetTheirTexts)
{
    // Too large to be read back: refused before writing.
    TPicture small, huge1, huge2;
    small.setBitmap(Pattern(4, 4, 1));
    huge1.setBitmap(QImage(kBmpMaxSide + 1, 1, QImage::Format_RGB32));
    huge2.setBitmap(QImage(1, kBmpMaxSide + 2, QImage::Format_RGB32));
    const QString serial = Message([&] { EncodePictures({&huge1, &small, &huge2}, {1}); });
    small.keepText(QString());
    const QString parallel = Message([&] { EncodePictures({&huge1, &small, &huge2}, {3}); });
    EXPECT_FALSE(parallel.isEmpty());
    EXPECT_EQ(parallel, serial);
    EXPECT_TRUE(parallel.contains(QString::number(kBmpMaxSide + 1)));
    EXPECT_FALSE(small.keptText().isEmpty());
}

TEST(PictureBatch, DecodingAheadGivesWhatTheReaderDecodesAloneFailuresIncluded)
{
    TPicture a, b;
    a.setBitmap(Pattern(12, 7, 2));
    b.setBitmap(Pattern(3, 30, 4));
    const QString good1 = PictureToText(a), good2 = PictureToText(b);
    const QString badBase64 = QStringLiteral("10;ab\tcd");
    const QString badSize = QStringLiteral("x;") + good1.section(u';', 1);
    const TTree tree({good1, QString(), badBase64, good2, QStringLiteral("0;eJwDAAAAAAE="), badSize});

    // Alone, then ahead on one thread and on four: the same bitmaps, the same errors.
    std::vector<QString> alone;
    std::vector<QImage> aloneImages;
    for (const TXNode *el : tree.pictures) {
        QImage image;
        alone.push_back(Message([&] { image = DecodePictureElement(*el).image; }));
        aloneImages.push_back(image);
    }
    EXPECT_EQ(alone[2], QStringLiteral("Coding table entry not found."));
    EXPECT_EQ(alone[5], QStringLiteral("'x' is not a valid integer value"));
    for (int threads : {1, 4}) {
        const TPicturesDecodedAhead ahead(tree.root, {threads});
        EXPECT_EQ(ahead.Count(), 5);   // empty texts and other elements are left to the reader
        for (size_t i = 0; i < tree.pictures.size(); ++i) {
            QImage image;
            EXPECT_EQ(Message([&] { image = DecodePictureElement(*tree.pictures[i]).image; }), alone[i]) << i;
            EXPECT_EQ(image, aloneImages[i]) << i;
        }
    }
    EXPECT_EQ(aloneImages[0].convertToFormat(QImage::Format_RGB32), a.image());
    EXPECT_TRUE(aloneImages[4].isNull());
}

TEST(PictureBatch, KnownBitmapsAreWhatTheirTextsReadBackAsAndAreTakenForThatTextOnly)
{
    // Written pictures: true colour reads back pixel for pixel; pixels with
    // alpha read back over white, and a layout of the picture's own may not
    // hold its pixels, so those are not known.
    TPicture rgb32, rgb888, alpha, layout, read;
    rgb32.setBitmap(Pattern(9, 5, 3));
    rgb888.setBitmap(Pattern(5, 3, 6).convertToFormat(QImage::Format_RGB888));
    QImage translucent(4, 4, QImage::Format_ARGB32);
    translucent.fill(qRgba(200, 10, 10, 100));
    alpha.setBitmap(translucent);
    TBitmapLayout sixteen;
    sixteen.known = true;
    sixteen.bitCount = 16;
    layout.setBitmap(Pattern(6, 6, 7), sixteen);
    for (TPicture *p : {&rgb32, &rgb888, &alpha, &layout})
        PictureToText(*p);
    TextToPicture(read, PictureToText(alpha));
    for (TPicture *p : {&rgb32, &rgb888, &read})
        EXPECT_EQ(p->keptTextImage(), BitmapFromBytes(PictureTextToBytes(p->keptText())));
    EXPECT_TRUE(alpha.keptTextImage().isNull());
    EXPECT_TRUE(layout.keptTextImage().isNull());
    const TKnownPictures known = KnownPictures({&rgb32, &rgb888, &alpha, &layout, &read});
    ASSERT_EQ(known.size(), 3);
    rgb32.setBitmap(Pattern(2, 2, 1));   // a new graphic drops what was known
    EXPECT_TRUE(rgb32.keptTextImage().isNull());

    // A text one character off the known one is decoded (here: it fails).
    const QString text = known[0].text;
    QString nearly = text;
    nearly[nearly.size() - 1] = u'!';
    const TTree tree({text, nearly});
    const TKnownPictures marked{{text, {Pattern(1, 1, 9), {}}}};
    const TPicturesDecodedAhead ahead(tree.root, {2}, marked);
    EXPECT_EQ(DecodePictureElement(*tree.pictures[0]).image, Pattern(1, 1, 9));
    EXPECT_EQ(Message([&] { DecodePictureElement(*tree.pictures[1]); }),
              QStringLiteral("Coding table entry not found."));
}

TEST(PictureBatch, DecodingWhileReadingTakesEachTextAsTheDocumentEndsUpWithIt)
{
    TPicture a;
    a.setBitmap(Pattern(5, 4, 1));
    const QByteArray text = PictureToText(a).toLatin1();
    // The pressed picture's text ends in blanks when it is read; the child
    // after it makes them layout, dropped, and the text valid again.
    const QByteArray xml = "<Velmora><theme><source>" + text + "</source></theme><button><pressed>" + text +
                           " \r\n  <x/></pressed></button><about>" + text + "</about></Velmora>";
    for (int threads : {1, 2}) {
        TXDocument document;
        TPicturesDecodedAhead ahead({threads});
        TXInput in{QByteArrayView(xml)};
        ahead.Follow(in);
        document.ReadFrom(in);
        ahead.Finish(*document.Root());
        EXPECT_EQ(ahead.Count(), 2);
        const TXNode &pressed = *document.Root()->Child(QStringLiteral("button"))->Child(QStringLiteral("pressed"));
        ASSERT_EQ(pressed.Text(), QString::fromLatin1(text));
        const TXNode *source = document.Root()->Child(QStringLiteral("theme"))->Child(QStringLiteral("source"));
        for (const TXNode *el : {source, &pressed})
            EXPECT_EQ(DecodePictureElement(*el).image, a.image());
    }
}
