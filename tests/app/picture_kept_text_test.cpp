// Pictures keep the text they were read from or last written as: an unedited
// project saves them byte for byte, and every kind of picture change drops it.
#include "app/cli/CliEditor.h"
#include "base/TPropertyLayer.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"
#include "window/TPictureSet.h"
#include "window/TStyledButton.h"
#include "xml/PictureText.h"
#include "xml/TXDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <zlib.h>

namespace {

QImage Pattern(int w, int h, unsigned seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(int(rng() % 256), (x * 7 + int(seed)) % 256, (y * 13) % 256));
    return image;
}

bool SamePixels(const QImage &a, const QImage &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// The text another program could have written: another compression level,
// in the writer's own form (broken into lines when asked).
QString ForeignText(const QImage &image, bool inLines = false)
{
    const QByteArray bytes = BitmapBytes(image);
    uLongf length = compressBound(uLong(bytes.size()));
    QByteArray compressed(qsizetype(length), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef *>(compressed.data()), &length, reinterpret_cast<const Bytef *>(bytes.data()),
              uLong(bytes.size()), Z_BEST_SPEED);
    compressed.truncate(qsizetype(length));
    QString base64 = QString::fromLatin1(compressed.toBase64());
    for (qsizetype at = 76; inLines && at < base64.size(); at += 78)
        base64.insert(at, QStringLiteral("\r\n"));
    return QString::number(bytes.size()) + u';' + base64;
}

// Every picture element of a saved file with the picture it was written from.
struct TPictureSlot
{
    QStringList path;   // element names from the document element
    int index;          // which element of that name (buttons)
    TPicture *picture;
};

QList<TPictureSlot> Slots(cli::Editor &editor)
{
    QList<TPictureSlot> places{{{"background", "source"}, 0, editor.form.BackImage()->Picture()},
                              {{"theme", "source"}, 0, editor.form.ThemeImage()->Picture()}};
    const TPictureSet *style = editor.form.MenuArea()->ButtonStyle()->Pictures();
    places << TPictureSlot{{"menubox", "buttonstyle", "default"}, 0, style->Default()}
          << TPictureSlot{{"menubox", "buttonstyle", "pressed"}, 0, style->Pressed()};
    int i = 0;
    for (TPicButton *button : editor.layout.PicButtons()) {
        places << TPictureSlot{{"button", "default"}, i, button->Pictures()->Default()}
              << TPictureSlot{{"button", "selected"}, i, button->Pictures()->Selected()};
        ++i;
    }
    return places;
}

const TXNode *Find(const TXNode &root, const TPictureSlot &slot)
{
    const TXNode *node = &root;
    for (int level = 0; level < slot.path.size() && node; ++level) {
        const QString &name = slot.path[level];
        int skip = level == 0 ? slot.index : 0;
        const TXNode *child = node->FirstChild();
        for (; child; child = child->Next())
            if (child->Name() == name && skip-- == 0)
                break;
        node = child;
    }
    return node;
}

QStringList SavedTexts(cli::Editor &editor, const QString &file)
{
    editor.project.SaveProject(file, TProject::WholeProject());
    TXDocument doc;
    EXPECT_TRUE(doc.LoadFromFile(file));
    QStringList texts;
    for (const TPictureSlot &slot : Slots(editor)) {
        const TXNode *node = Find(*doc.Root(), slot);
        texts << (node ? node->Text() : QString());
    }
    return texts;
}

} // namespace

TEST(KeptPictureText, AnUneditedProjectSavesEveryPictureTextByteForByte)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.xml"));
    const QString foreign = dir.filePath(QStringLiteral("foreign.xml"));
    const QString again = dir.filePath(QStringLiteral("again.xml"));
    {
        cli::Editor editor;
        editor.form.BackImage()->Picture()->setBitmap(Pattern(33, 17, 1));
        editor.project.SaveProject(first, TProject::WholeProject());
    }
    // Another program wrote the background at another level, in lines.
    TXDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(first));
    const QString text = ForeignText(Pattern(33, 17, 1));
    ASSERT_NE(text, doc.Root()->Child(QStringLiteral("background"))->Child(QStringLiteral("source"))->Text());
    doc.Root()->Child(QStringLiteral("background"))->Child(QStringLiteral("source"))->SetText(text);
    doc.SetHeader(QString::fromLatin1(TProject::kProlog));
    doc.SaveToFile(foreign);

    cli::Editor editor;
    editor.project.LoadProject(foreign, TProject::WholeProject());
    EXPECT_EQ(editor.form.BackImage()->Picture()->keptText(), text);
    editor.project.SaveProject(again, TProject::WholeProject());
    QFile a(foreign), b(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_TRUE(a.readAll() == b.readAll());

    // Broken into lines, the same picture is written as the writer writes it.
    doc.Root()->Child(QStringLiteral("background"))->Child(QStringLiteral("source"))->SetText(
        ForeignText(Pattern(33, 17, 1), true));
    doc.SaveToFile(foreign);
    editor.project.LoadProject(foreign, TProject::WholeProject());
    EXPECT_TRUE(editor.form.BackImage()->Picture()->keptText().isEmpty());
    editor.project.SaveProject(again, TProject::WholeProject());
    TXDocument back;
    ASSERT_TRUE(back.LoadFromFile(again));
    EXPECT_EQ(back.Root()->Child(QStringLiteral("background"))->Child(QStringLiteral("source"))->Text(),
              BytesToPictureText(BitmapBytes(Pattern(33, 17, 1))));
}

TEST(KeptPictureText, EveryChangeOfTheGraphicDropsTheTextAndNothingElseDoes)
{
    TPicture picture;
    const QString text = PictureToText(picture);   // an empty bitmap keeps nothing worth keeping
    TextToPicture(picture, ForeignText(Pattern(5, 3, 2)));
    const QString kept = picture.keptText();
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_EQ(PictureToText(picture), kept);

    picture.setTransparent(true);   // not part of the text
    picture.setExplicitTransparentColor(qRgb(1, 2, 3));
    picture.makeBitmap();
    EXPECT_EQ(picture.keptText(), kept);

    TPicture copy;
    copy.assign(picture);   // the same graphic, the same text
    EXPECT_EQ(copy.keptText(), kept);

    const auto dropped = [&](const char *what, const std::function<void(TPicture &)> &change) {
        TPicture p;
        p.assign(picture);
        change(p);
        EXPECT_TRUE(p.keptText().isEmpty()) << what;
        const QString written = PictureToText(p);
        EXPECT_EQ(p.keptText(), written) << what;   // kept again once written
        EXPECT_TRUE(SamePixels(BitmapFromBytes(PictureTextToBytes(written)), p.image())) << what;
    };
    dropped("bitmap", [](TPicture &p) { p.setBitmap(Pattern(5, 3, 3)); });
    dropped("same bitmap", [&](TPicture &p) { p.setBitmap(picture.image()); });
    dropped("graphic", [](TPicture &p) { p.setGraphic(Pattern(4, 4, 4), TPicture::gkPng); });
    dropped("clear", [](TPicture &p) { p.clear(); });
    dropped("assign", [](TPicture &p) { TPicture other; p.assign(other); });
    dropped("property", [](TPicture &p) { TPictureValue{Pattern(2, 2, 5), TPicture::gkBitmap, false}.applyTo(p); });
    EXPECT_FALSE(text.isEmpty());
}

// Random sequences of picture edits, design loads, undos and redos: every
// picture text of a save decodes to the bitmap the project holds, and a save
// with no picture changed since the last repeats its picture texts exactly.
TEST(KeptPictureText, RandomEditSequencesSaveTextsThatMatchTheProject)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("p.xml"));
    const QString design = dir.filePath(QStringLiteral("design.xml"));
    {
        cli::Editor other;
        other.form.ThemeImage()->Picture()->setBitmap(Pattern(9, 7, 99));
        other.form.MenuArea()->ButtonStyle()->Pictures()->Default()->setBitmap(Pattern(6, 6, 98));
        other.project.SaveProject(design, TProject::DesignFile());
    }
    for (unsigned seed = 1; seed <= 6; ++seed) {
        cli::Editor editor;
        std::mt19937 rng(seed);
        QStringList last = SavedTexts(editor, file);
        for (int step = 0; step < 14; ++step) {
            const QList<TPictureSlot> places = Slots(editor);
            const TPictureSlot &slot = places[int(rng() % places.size())];
            QUndoStack &stack = editor.project.UndoStack();
            QObject *owner = slot.picture->parent();
            bool changed = true;
            switch (rng() % 6) {
            case 0:   // load or paste a picture through the inspector
                if (auto *image = qobject_cast<TImageEx *>(owner))
                    editor.layout.SetProperty(image, QStringLiteral("Picture"),
                                              QVariant::fromValue(TPictureValue{Pattern(8, 5, unsigned(rng())),
                                                                                TPicture::gkBitmap, false}));
                else
                    slot.picture->setBitmap(Pattern(3, 9, unsigned(rng())));
                break;
            case 1:   // clear
                if (auto *image = qobject_cast<TImageEx *>(owner))
                    editor.layout.SetProperty(image, QStringLiteral("Picture"), QVariant::fromValue(TPictureValue{}));
                else
                    slot.picture->clear();
                break;
            case 2:
                editor.project.LoadProject(design, TProject::DesignFile());
                break;
            case 3:
                changed = stack.canUndo();
                stack.undo();
                break;
            case 4:
                changed = stack.canRedo();
                stack.redo();
                break;
            default:
                changed = false;   // no picture changed: the next save repeats the texts
                break;
            }
            const QStringList texts = SavedTexts(editor, file);
            const QList<TPictureSlot> now = Slots(editor);
            ASSERT_EQ(texts.size(), now.size());
            for (int i = 0; i < texts.size(); ++i)
                ASSERT_TRUE(SamePixels(BitmapFromBytes(PictureTextToBytes(texts[i])), now[i].picture->image()))
                    << "seed " << seed << " step " << step << " picture " << i;
            if (!changed) {
                EXPECT_EQ(texts, last) << "seed " << seed << " step " << step;
            }
            last = texts;
        }
    }
}
