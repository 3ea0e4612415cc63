#include "project/TDesignGallery.h"
#include "project/TProject.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DesignGallery, NamesAreOneWordOfLatinLettersDigitsAndDashes)
{
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("Мой синий")), QStringLiteral("moy-siniy"));
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("Щука и ёж")), QStringLiteral("shchuka-i-ezh"));
    // Signs vanish without a dash; runs of other characters make one dash, none at the ends.
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("  Объём!! 2024 -- v2 ")), QStringLiteral("obem-2024-v2"));
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("ABC_def")), QStringLiteral("abc-def"));
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("яа")), QStringLiteral("yaa"));
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("?!")), QStringLiteral("design"));
    EXPECT_EQ(TDesignGallery::NameFor(QString()), QStringLiteral("design"));
    // A shipped design's name stays the shipped one's.
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("Dark")), QStringLiteral("dark-2"));
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("kids")), QStringLiteral("kids-2"));
    EXPECT_EQ(TDesignGallery::NameFor(QStringLiteral("kids-2")), QStringLiteral("kids-2"));
}

TEST(DesignGallery, OwnDesignsFollowTheShippedOnesAndCanBeRemoved)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("own/designs"));
    TDesignGallery gallery(folder);
    const QList<TGalleryDesign> shipped = gallery.Designs();
    ASSERT_EQ(shipped.size(), 6);
    EXPECT_EQ(shipped.first().name, QStringLiteral("dark"));
    EXPECT_EQ(shipped.first().fileName, QStringLiteral(":/designs/dark.xml"));
    for (const TGalleryDesign &d : shipped)
        EXPECT_FALSE(d.own);

    TProject project;
    const TGalleryDesign zebra = gallery.SaveOwn(project, QStringLiteral("  Зебра "), QStringLiteral("полосы"));
    EXPECT_EQ(zebra.name, QStringLiteral("zebra"));
    gallery.SaveOwn(project, QStringLiteral("Альфа"), QString());
    ASSERT_TRUE(QFile::exists(zebra.fileName));
    // A stray file and a name the gallery never writes are not designs.
    QFile(QDir(folder).filePath(QStringLiteral("Bad Name.xml"))).open(QIODevice::WriteOnly);
    QFile(QDir(folder).filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);

    const QList<TGalleryDesign> all = gallery.Designs();
    ASSERT_EQ(all.size(), 8);
    EXPECT_EQ(all.at(6).name, QStringLiteral("alfa"));
    EXPECT_EQ(all.at(6).title, QStringLiteral("Альфа"));
    EXPECT_TRUE(all.at(6).description.isEmpty());
    EXPECT_EQ(all.at(7).title, QStringLiteral("Зебра"));
    EXPECT_EQ(all.at(7).description, QStringLiteral("полосы"));
    EXPECT_TRUE(all.at(7).own);
    ASSERT_TRUE(gallery.Find(QStringLiteral("zebra")).has_value());
    EXPECT_FALSE(gallery.Find(QStringLiteral("zebr")).has_value());

    // Without its title file a design shows its name.
    QFile::remove(QDir(folder).filePath(QStringLiteral("alfa.txt")));
    EXPECT_EQ(gallery.Find(QStringLiteral("alfa"))->title, QStringLiteral("alfa"));

    EXPECT_FALSE(gallery.RemoveOwn(QStringLiteral("dark")));          // shipped: not in the folder
    EXPECT_FALSE(gallery.RemoveOwn(QStringLiteral("../designs/x")));  // no name of the gallery
    EXPECT_TRUE(gallery.RemoveOwn(QStringLiteral("zebra")));
    EXPECT_FALSE(QFile::exists(zebra.fileName));
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("zebra.txt"))));
    EXPECT_FALSE(gallery.RemoveOwn(QStringLiteral("zebra")));
    EXPECT_EQ(gallery.Designs().size(), 7);
}

TEST(DesignGallery, AFolderThatCannotBeMadeFailsTheSaveWithAMessage)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TDesignGallery gallery(dir.filePath(QStringLiteral("file/designs")));
    TProject project;
    EXPECT_THROW(gallery.SaveOwn(project, QStringLiteral("x"), QString()), std::exception);
    EXPECT_EQ(gallery.Designs().size(), 6);
}
