#include "project/TDiscImage.h"
#include "project/TDiscPreparation.h"
#include "project/TProject.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct DiscPreparationTest : ::testing::Test
{
    QTemporaryDir temp;
    QString Disc() const { return temp.filePath(QStringLiteral("disc")); }
    void SetUp() override { QDir().mkpath(Disc()); }
};

TEST_F(DiscPreparationTest, AutorunIsWrittenInCrLfLinesAndOnlyADifferentOneNeedsAQuestion)
{
    EXPECT_FALSE(TDiscPreparation::AutorunDiffers(Disc()));
    TDiscPreparation::WriteAutorun(Disc());
    EXPECT_EQ(Bytes(Disc() + QStringLiteral("/autorun.inf")),
              QByteArray("[autorun]\r\nopen=Velmora.EXE\r\nicon=Velmora.EXE,0\r\n"));
    EXPECT_FALSE(TDiscPreparation::AutorunDiffers(Disc()));
    // An icon the author set stays; the player's own, as earlier versions wrote it, does not.
    Write(Disc() + QStringLiteral("/autorun.inf"), "[autorun]\r\nopen=Velmora.EXE\r\nicon=disc.ico\r\n");
    EXPECT_FALSE(TDiscPreparation::AutorunDiffers(Disc()));
    TDiscPreparation::WriteAutorun(Disc());
    EXPECT_EQ(Bytes(Disc() + QStringLiteral("/autorun.inf")), QByteArray("[autorun]\r\nopen=Velmora.EXE\r\nicon=disc.ico\r\n"));
    Write(Disc() + QStringLiteral("/autorun.inf"), "[autorun]\r\nopen=Velmora.EXE\r\nicon=Velmora.EXE\r\n");
    TDiscPreparation::WriteAutorun(Disc());
    EXPECT_EQ(Bytes(Disc() + QStringLiteral("/autorun.inf")),
              QByteArray("[autorun]\r\nopen=Velmora.EXE\r\nicon=Velmora.EXE,0\r\n"));
    Write(Disc() + QStringLiteral("/autorun.inf"), "[autorun]\r\nopen=Velmora.EXE\r\nicon=\r\n");
    EXPECT_TRUE(TDiscPreparation::AutorunDiffers(Disc()));

    // An existing file in other letters is the one replaced: a disc cannot hold both.
    QFile::remove(Disc() + QStringLiteral("/autorun.inf"));
    Write(Disc() + QStringLiteral("/AUTORUN.INF"), "[autorun]\nopen=other.exe\n");
    EXPECT_TRUE(TDiscPreparation::AutorunDiffers(Disc()));
    TDiscPreparation::WriteAutorun(Disc());
    EXPECT_EQ(QDir(Disc()).entryList(QDir::Files), QStringList{QStringLiteral("AUTORUN.INF")});
    EXPECT_FALSE(TDiscPreparation::AutorunDiffers(Disc()));
}

TEST_F(DiscPreparationTest, ThePlayersPlaceStateAndVersion)
{
    const QString ship = temp.filePath(QStringLiteral("ship"));
    QDir().mkpath(ship + QStringLiteral("/player"));
    EXPECT_EQ(TDiscPreparation::PlayerSource(ship), QString());
    Write(ship + QStringLiteral("/player/Velmora.EXE"), "build");
    EXPECT_EQ(TDiscPreparation::PlayerSource(ship), ship + QStringLiteral("/player/Velmora.EXE"));
    Write(ship + QStringLiteral("/Velmora.EXE"), "beside");
    EXPECT_EQ(TDiscPreparation::PlayerSource(ship), ship + QStringLiteral("/Velmora.EXE"));

    const QString source = ship + QStringLiteral("/Velmora.EXE");
    EXPECT_EQ(TDiscPreparation::PlayerState(Disc(), source), TDiscPreparation::psNone);
    Write(Disc() + QStringLiteral("/velmora.exe"), "besidf");   // same size, other bytes
    EXPECT_EQ(TDiscPreparation::PlayerState(Disc(), source), TDiscPreparation::psOther);
    TDiscPreparation::CopyPlayer(source, Disc());
    EXPECT_EQ(QDir(Disc()).entryList(QDir::Files), QStringList{QStringLiteral("velmora.exe")});
    EXPECT_EQ(TDiscPreparation::PlayerState(Disc(), source), TDiscPreparation::psSame);

    // The version resource's value, after the key and its padding.
    const QString key = QStringLiteral("ProductVersion");
    QByteArray pe("MZ..");
    pe += QByteArray(reinterpret_cast<const char *>(key.utf16()), (key.size() + 1) * 2);   // ends at 34: 2 bytes padding
    pe += QByteArray(2, '\0');
    const QString version = QStringLiteral("1.1.2");
    pe += QByteArray(reinterpret_cast<const char *>(version.utf16()), (version.size() + 1) * 2);
    Write(ship + QStringLiteral("/v.exe"), pe);
    EXPECT_EQ(TDiscPreparation::PlayerVersion(ship + QStringLiteral("/v.exe")), version);
    EXPECT_EQ(TDiscPreparation::PlayerVersion(source), QString());
}

TEST_F(DiscPreparationTest, TheDiscCopyLeavesTheProjectWithItsOwnFile)
{
    TProject project;
    project.Tree().AddItem(QStringLiteral("Setup"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr));
    const QString own = temp.filePath(QStringLiteral("own.xml"));
    project.SaveProject(own, TProject::WholeProject());
    EXPECT_FALSE(TDiscPreparation::IsOwnFile(project, Disc()));
    TDiscPreparation::WriteProject(project, Disc());
    EXPECT_EQ(project.FileName(), own);
    EXPECT_EQ(Bytes(Disc() + QStringLiteral("/Velmora.XML")), Bytes(own));

    TProject onDisc;
    onDisc.LoadProject(Disc() + QStringLiteral("/Velmora.XML"), TProject::WholeProject());
    EXPECT_TRUE(TDiscPreparation::IsOwnFile(onDisc, Disc()));
}

// A disc Velmora.XML that is not the project's own file is another project's,
// whatever it holds: a copy of this project with another design as much as
// other commands. Only a file holding exactly what would be written is no loss.
TEST_F(DiscPreparationTest, AnyOtherVelmoraXmlIsAnotherProjectsUnlessReplacingChangesNothing)
{
    TProject project;
    TCommandTree &tree = project.Tree();
    TBaseItem *group = tree.AddItem(QStringLiteral("G"), ikGroup, TCommandTree::TPlace::LastChildOf(nullptr), false);
    tree.AddItem(QStringLiteral("P"), ikProgram, TCommandTree::TPlace::LastChildOf(group), false);
    tree.AddItem(QStringLiteral("U"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
    EXPECT_EQ(TDiscPreparation::OtherProject(project, Disc()), std::nullopt);   // no file
    TDiscPreparation::WriteProject(project, Disc());
    const QString disc = Disc() + QStringLiteral("/Velmora.XML");
    const QByteArray same = Bytes(disc);
    EXPECT_EQ(TDiscPreparation::OtherProject(project, Disc()), std::nullopt);

    // The same commands with other options: a copy of the project, changed.
    const bool on = same.contains("levelup=\"-1\"");
    const QByteArray changed = QByteArray(same).replace(on ? "levelup=\"-1\"" : "levelup=\"0\"",
                                                        on ? "levelup=\"0\"" : "levelup=\"-1\"");
    ASSERT_NE(changed, same);
    Write(disc, changed);
    EXPECT_EQ(TDiscPreparation::OtherProject(project, Disc()), 3);
    Write(disc, QByteArray(same).insert(same.indexOf("  </root>"), "    <comment id=\"9\" hidden=\"0\"/>\r\n"));
    EXPECT_EQ(TDiscPreparation::OtherProject(project, Disc()), 4);
    Write(disc, "<Velmora><root>");
    EXPECT_EQ(TDiscPreparation::OtherProject(project, Disc()), -1);
    // The project's own file is never another's.
    project.SaveProject(disc, TProject::WholeProject());
    tree.AddItem(QStringLiteral("N"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
    EXPECT_EQ(TDiscPreparation::OtherProject(project, Disc()), std::nullopt);
}

// --- the image ------------------------------------------------------------

// The volume descriptors of an image from sector 16 on: a primary one, a
// Joliet one when asked, and the terminator.
QByteArray ImageBytes(bool joliet)
{
    constexpr qsizetype kSector = 2048;
    QByteArray bytes(16 * kSector, '\0');
    auto descriptor = [&](char type, const QByteArray &escape) {
        QByteArray sector(kSector, '\0');
        sector[0] = type;
        sector.replace(1, 6, QByteArray("CD001\x01", 6));
        sector.replace(40, 32, QByteArray(32, ' '));
        sector.replace(88, escape.size(), escape);
        bytes += sector;
    };
    descriptor(1, QByteArray());
    if (joliet)
        descriptor(2, "%/E");
    descriptor(char(255), QByteArray());
    return bytes;
}

// A stand-in for the program: reports as it does, writes the image it is given
// to the file after "-o" and succeeds.
QString FakeProgram(const QString &dir, const QString &image)
{
    const QString program = dir + QStringLiteral("/fake-xorriso");
    Write(program, "#!/bin/sh\necho 'xorriso : UPDATE :  5.53% done'\n"
                   "echo 'xorriso : UPDATE :  45.62% done, estimate finish'\necho 'other line'\n"
                   "while [ \"$1\" != -o ]; do shift; done\ncp '" + image.toUtf8() + "' \"$2\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return program;
}

TEST_F(DiscPreparationTest, TheImagesProgressIsReadFromTheProgramsReports)
{
    Write(temp.filePath(QStringLiteral("joliet.img")), ImageBytes(true));
    const QString program = FakeProgram(temp.path(), temp.filePath(QStringLiteral("joliet.img")));
    TDiscImage image;
    image.SetProgram(program);
    QSignalSpy progress(&image, &TDiscImage::Progress);
    const QString iso = temp.filePath(QStringLiteral("disc.iso"));
    ASSERT_TRUE(image.Start(Disc(), iso, QStringLiteral("DISC")));
    ASSERT_TRUE(image.WaitForFinished()) << qPrintable(image.LastError());
    QList<int> percents;
    for (const QList<QVariant> &signal : progress)
        percents << signal.first().toInt();
    EXPECT_EQ(percents, QList<int>({5, 45, 100}));
    EXPECT_TRUE(QFile::exists(iso));
}

// Windows shows the Joliet name: the first 16 characters of the label, which
// the label field names when the label is longer. An image without a Joliet
// name is a failure, not an image.
TEST_F(DiscPreparationTest, TheJolietLabelHoldsSixteenCharactersAndMustBeWritten)
{
    const QString sixteen = QString::fromUtf8("Мой диск с прогр");
    ASSERT_EQ(sixteen.size(), 16);
    EXPECT_EQ(TDiscImage::JolietNote(sixteen), QString());
    EXPECT_EQ(TDiscImage::JolietNote(sixteen + u'a'), QString::fromUtf8("Windows покажет: «Мой диск с прогр»"));

    const QString iso = temp.filePath(QStringLiteral("disc.iso"));
    TDiscImage image;
    Write(temp.filePath(QStringLiteral("joliet.img")), ImageBytes(true));
    image.SetProgram(FakeProgram(temp.path(), temp.filePath(QStringLiteral("joliet.img"))));
    ASSERT_TRUE(image.Start(Disc(), iso, sixteen + QStringLiteral("аммы")));
    ASSERT_TRUE(image.WaitForFinished()) << qPrintable(image.LastError());
    QByteArray shown;   // UCS-2, big-endian
    for (const QChar c : sixteen)
        shown += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xFF);
    EXPECT_EQ(Bytes(iso).mid(17 * 2048 + 40, 32), shown);

    QFile::remove(iso);
    Write(temp.filePath(QStringLiteral("plain.img")), ImageBytes(false));
    image.SetProgram(FakeProgram(temp.path(), temp.filePath(QStringLiteral("plain.img"))));
    ASSERT_TRUE(image.Start(Disc(), iso, QStringLiteral("DISC")));
    EXPECT_FALSE(image.WaitForFinished());
    EXPECT_FALSE(image.LastError().isEmpty());
    EXPECT_FALSE(QFile::exists(iso));
    EXPECT_FALSE(TDiscImage::WriteJolietLabel(temp.filePath(QStringLiteral("none.iso")), QStringLiteral("X")));
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("none.iso"))));
}

// The ISO 9660 name: Cyrillic letters by the table, digits and Latin letters
// kept, anything else "_", at most 32 characters.
TEST_F(DiscPreparationTest, TheIsoNameTransliteratesKeepsDigitsAndHoldsThirtyTwo)
{
    EXPECT_EQ(TDiscImage::IsoVolumeName(QString::fromUtf8("абвгдеёжзийклмноп")), QStringLiteral("ABVGDEEZHZIJKLMNOP"));
    EXPECT_EQ(TDiscImage::IsoVolumeName(QString::fromUtf8("РСТУФХЦЧШЩЪЫЬЭЮЯ")), QStringLiteral("RSTUFHCCHSHSCHYEYUYA"));
    EXPECT_EQ(TDiscImage::IsoVolumeName(QString::fromUtf8("Диск 2010")), QStringLiteral("DISK_2010"));
    EXPECT_EQ(TDiscImage::IsoVolumeName(QStringLiteral("my-disc_9")), QStringLiteral("MY_DISC_9"));
    const QString thirtyTwo(32, QLatin1Char('L'));
    EXPECT_EQ(TDiscImage::LabelProblem(thirtyTwo), QString());
    EXPECT_FALSE(TDiscImage::LabelProblem(thirtyTwo + u'L').isEmpty());
    EXPECT_EQ(TDiscImage::IsoVolumeName(thirtyTwo), thirtyTwo);
    EXPECT_EQ(TDiscImage::IsoVolumeName(QString(40, QLatin1Char('q'))), QString(32, QLatin1Char('Q')));
    EXPECT_EQ(TDiscImage::IsoVolumeName(QString(17, QChar(u'Ж'))), QStringLiteral("ZH").repeated(16));
}

struct DiscImageTest : DiscPreparationTest
{
    void SetUp() override
    {
        DiscPreparationTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
            GTEST_SKIP() << "xorriso is not installed (scripts/setup.sh installs it)";
    }
    QStringList Listing(const QString &iso, const QStringList &options)
    {
        QProcess p;
        p.start(QStringLiteral("xorriso"), options + QStringList{QStringLiteral("-indev"), iso,
                                                                 QStringLiteral("-find"), QStringLiteral("/")});
        p.waitForFinished();
        QStringList names;
        for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                names << QString::fromUtf8(line);
        }
        return names;
    }
};

TEST_F(DiscImageTest, TheImageHoldsTheFolderUnderItsJolietNames)
{
    Write(Disc() + QStringLiteral("/Velmora.EXE"), "x");
    Write(Disc() + QString::fromUtf8("/Программы/Очень длинное имя установщика.exe"), "y");
    const QString iso = temp.filePath(QStringLiteral("disc.iso"));
    Write(iso, "an older image");
    TDiscImage image;
    QSignalSpy finished(&image, &TDiscImage::Finished);
    ASSERT_TRUE(image.Start(Disc(), iso, QString::fromUtf8("Мой диск")));
    ASSERT_TRUE(image.WaitForFinished()) << qPrintable(image.LastError());
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(Listing(iso, {QStringLiteral("-rockridge"), QStringLiteral("off"), QStringLiteral("-joliet"),
                            QStringLiteral("on")}),
              QStringList({QStringLiteral("'/'"), QString::fromUtf8("'/Velmora.EXE'"),
                           QString::fromUtf8("'/Программы'"),
                           QString::fromUtf8("'/Программы/Очень длинное имя установщика.exe'")}));
    // Only the image is left beside the folder: no temporary file.
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{QStringLiteral("disc.iso")});
}

TEST_F(DiscImageTest, ACancelledOrFailedImageLeavesNoFile)
{
    Write(Disc() + QStringLiteral("/Velmora.EXE"), QByteArray(4 * 1024 * 1024, 'v'));
    const QString iso = temp.filePath(QStringLiteral("disc.iso"));
    TDiscImage image;
    ASSERT_TRUE(image.Start(Disc(), iso, QStringLiteral("DISC")));
    image.Cancel();
    EXPECT_FALSE(image.WaitForFinished());
    EXPECT_TRUE(image.Cancelled());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList());

    // A program that fails: its temporary file goes too, and the message says so.
    image.SetProgram(QStringLiteral("/bin/false"));
    ASSERT_TRUE(image.Start(Disc(), iso, QStringLiteral("DISC")));
    EXPECT_FALSE(image.WaitForFinished());
    EXPECT_FALSE(image.Cancelled());
    EXPECT_TRUE(image.LastError().startsWith(QStringLiteral("xorriso"))) << qPrintable(image.LastError());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList());

    // Refused before anything runs.
    image.SetProgram(temp.filePath(QStringLiteral("no-such-program")));
    EXPECT_FALSE(image.Start(Disc(), iso, QStringLiteral("DISC")));
    EXPECT_EQ(image.LastError(), TDiscImage::MissingMessage());
    image.SetProgram(QString());
    EXPECT_FALSE(image.Start(Disc(), iso, QString(TDiscImage::kMaxLabelLength + 1, QLatin1Char('L'))));
    EXPECT_FALSE(image.Start(Disc(), Disc() + QStringLiteral("/inside.iso"), QStringLiteral("DISC")));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList());
}

} // namespace
