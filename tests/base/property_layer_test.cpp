#include "base/TPropertyLayer.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class TSample : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Size READ Size WRITE setSize)
    Q_PROPERTY(TStyles Style READ Style WRITE setStyle)
public:
    enum TStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
    Q_DECLARE_FLAGS(TStyles, TStyle)
    Q_FLAG(TStyles)
    using QObject::QObject;
    int Size() const { return m_size; }
    void setSize(int size) { m_size = size; }
    TStyles Style() const { return m_style; }
    void setStyle(TStyles style) { m_style = style; }

private:
    int m_size = 8;
    TStyles m_style;
};

class TOwner : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TKind Kind READ Kind WRITE setKind)
    Q_PROPERTY(TSample *Font READ Font CONSTANT)
    Q_PROPERTY(TPicture *Picture READ Picture CONSTANT)
    Q_PROPERTY(int Count READ Count)
public:
    enum TKind { bsNone, bsSingle, bsDialog };
    Q_ENUM(TKind)
    TOwner() : m_font(new TSample(this)), m_picture(new TPicture(this)) {}
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }
    TKind Kind() const { return m_kind; }
    void setKind(TKind kind) { m_kind = kind; }
    TSample *Font() const { return m_font; }
    TPicture *Picture() const { return m_picture; }
    int Count() const { return 3; }

private:
    QString m_caption;
    TKind m_kind = bsSingle;
    TSample *m_font;
    TPicture *m_picture;
};

} // namespace

TEST(PropertyLayer, ListsOnlyOwnPropertiesAndTheFlagsOfASet)
{
    TOwner owner;
    EXPECT_EQ(TPropertyLayer::children(&owner),
              QStringList({"Caption", "Kind", "Font", "Picture", "Count"}));
    EXPECT_EQ(TPropertyLayer::children(&owner, "Font"), QStringList({"Size", "Style"}));
    EXPECT_EQ(TPropertyLayer::children(&owner, "Font.Style"),
              QStringList({"fsBold", "fsItalic", "fsUnderline"}));
    EXPECT_TRUE(TPropertyLayer::children(&owner, "Caption").isEmpty());
    // Qt's own widget properties are not reachable, whatever their case.
    EXPECT_FALSE(TPropertyLayer::resolve(&owner, "width").isValid());
    EXPECT_FALSE(TPropertyLayer::resolve(&owner, "font").isValid());
    EXPECT_FALSE(TPropertyLayer::resolve(&owner, "caption").isValid());
    EXPECT_FALSE(TPropertyLayer::resolve(&owner, "Font.Style.fsBold.x").isValid());
    EXPECT_FALSE(TPropertyLayer::resolve(&owner, "Caption.Size").isValid());
    EXPECT_FALSE(TPropertyLayer::resolve(&owner, "A.B.C.D.E.F.G.H.I").isValid());
    EXPECT_FALSE(TPropertyLayer::resolve(nullptr, "Caption").isValid());
}

TEST(PropertyLayer, ReadsAndWritesValuesEnumerationsAndFlagsByPath)
{
    TOwner owner;
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Caption", QStringLiteral("Меню")));
    EXPECT_EQ(TPropertyLayer::read(&owner, "Caption").toString(), QStringLiteral("Меню"));

    EXPECT_EQ(TPropertyLayer::read(&owner, "Kind").toInt(), int(TOwner::bsSingle));
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Kind", QStringLiteral("bsDialog")));
    EXPECT_EQ(owner.Kind(), TOwner::bsDialog);
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Kind", 0));
    EXPECT_EQ(owner.Kind(), TOwner::bsNone);

    ASSERT_TRUE(TPropertyLayer::write(&owner, "Font.Style.fsItalic", true));
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Font.Style.fsBold", true));
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Font.Style.fsItalic", false));
    EXPECT_EQ(owner.Font()->Style(), TSample::TStyles(TSample::fsBold));
    EXPECT_TRUE(TPropertyLayer::read(&owner, "Font.Style.fsBold").toBool());
    EXPECT_FALSE(TPropertyLayer::read(&owner, "Font.Style.fsUnderline").toBool());
    EXPECT_EQ(TPropertyLayer::read(&owner, "Font.Style").toInt(), 1);
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Font.Style", 6));
    EXPECT_EQ(owner.Font()->Style(), TSample::TStyles(TSample::fsItalic | TSample::fsUnderline));
}

TEST(PropertyLayer, RefusesBadWritesAndChangesNothing)
{
    TOwner owner;
    owner.Font()->setSize(12);
    QString error;
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Font.Size", QStringLiteral("abc"), &error));
    EXPECT_TRUE(error.contains("abc")) << error.toStdString();
    EXPECT_EQ(owner.Font()->Size(), 12);
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Kind", QStringLiteral("bsNothing")));
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Kind", 17));
    EXPECT_EQ(owner.Kind(), TOwner::bsSingle);
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Count", 5));
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Nothing", 5, &error));
    EXPECT_TRUE(error.contains("Nothing"));
    // An object value with one unknown part is refused as a whole.
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Font", QVariantMap{{"Size", 30}, {"Bogus", 1}}));
    EXPECT_EQ(owner.Font()->Size(), 12);
}

TEST(PropertyLayer, ObjectsAndPicturesTravelAsValues)
{
    TOwner owner;
    owner.Font()->setSize(14);
    owner.Font()->setStyle(TSample::fsUnderline);
    const QVariant saved = TPropertyLayer::read(&owner, "Font");
    owner.Font()->setSize(9);
    owner.Font()->setStyle({});
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Font", saved));
    EXPECT_EQ(owner.Font()->Size(), 14);
    EXPECT_EQ(owner.Font()->Style(), TSample::TStyles(TSample::fsUnderline));

    const QVariant empty = TPropertyLayer::read(&owner, "Picture");
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    owner.Picture()->setBitmap(image);
    owner.Picture()->setTransparent(true);
    const QVariant red = TPropertyLayer::read(&owner, "Picture");
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Picture", empty));
    EXPECT_TRUE(owner.Picture()->isEmpty());
    EXPECT_FALSE(owner.Picture()->transparent());
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Picture", red));
    EXPECT_EQ(owner.Picture()->kind(), TPicture::gkBitmap);
    EXPECT_EQ(owner.Picture()->image(), image);
    EXPECT_TRUE(owner.Picture()->transparent());
}

TEST(PropertyLayer, ASubObjectIsWrittenWholeOrNotAtAll)
{
    TOwner owner;
    owner.Font()->setSize(12);
    // "Size" comes before the part that does not convert: it stays as it was.
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Font", QVariantMap{{"Size", 30}, {"Style", QStringLiteral("fsNone")}}));
    EXPECT_EQ(owner.Font()->Size(), 12);
    EXPECT_FALSE(TPropertyLayer::write(&owner, "Font", QVariantMap{{"Size", 30}, {"Style.fsBold", QVariant()}}));
    EXPECT_EQ(owner.Font()->Size(), 12);
    // Two flags of one set in one value both hold.
    ASSERT_TRUE(TPropertyLayer::write(&owner, "Font", QVariantMap{{"Style.fsBold", true}, {"Style.fsItalic", true}}));
    EXPECT_EQ(owner.Font()->Style(), TSample::TStyles(TSample::fsBold | TSample::fsItalic));
}

#include "property_layer_test.moc"
