#include "project/TDiscFolder.h"
#include "project/TDiscImage.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void MakeFile(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
    ASSERT_TRUE(f.resize(size));
}

// Makes the image of dir with the editor's own arguments; false when the
// program refuses.
bool MakeImage(const QString &dir, const QString &iso)
{
    QProcess p;
    p.start(QStringLiteral("xorriso"), TDiscImage::Arguments(dir, iso, QStringLiteral("TEST")));
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Every path of the image's Joliet tree, as Windows lists the disc.
void ListJoliet(const QByteArray &image, qint64 extent, qint64 length, const QString &prefix, QStringList &out)
{
    constexpr qint64 kSector = 2048;
    qint64 at = extent * kSector;
    const qint64 end = std::min<qint64>(at + length, image.size());
    while (at < end) {
        const auto *record = reinterpret_cast<const uchar *>(image.constData() + at);
        if (record[0] == 0) {   // the rest of the sector is empty
            at = (at / kSector + 1) * kSector;
            continue;
        }
        const int nameLength = record[32];
        QString name;
        for (int i = 0; i + 1 < nameLength; i += 2)
            name += QChar(char16_t(record[33 + i] << 8 | record[33 + i + 1]));
        const bool dot = nameLength == 1 && record[33] <= 1;
        if (!dot) {
            out << prefix + name;
            if (record[25] & 2)
                ListJoliet(image, qFromLittleEndian<quint32>(record + 2), qFromLittleEndian<quint32>(record + 10),
                           prefix + name + QLatin1Char('/'), out);
        }
        at += record[0];
    }
}

QStringList JolietPaths(const QString &iso)
{
    QFile f(iso);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray image = f.readAll();
    QStringList paths;
    for (int sector = 16; sector < 32; ++sector) {
        const auto *d = reinterpret_cast<const uchar *>(image.constData() + sector * 2048);
        if (d[0] == 2) {   // the supplementary descriptor: Joliet
            ListJoliet(image, qFromLittleEndian<quint32>(d + 156 + 2), qFromLittleEndian<quint32>(d + 156 + 10),
                       QString(), paths);
            break;
        }
    }
    return paths;
}

struct ImageOfTheDisc : ::testing::Test
{
    QTemporaryDir temp;
    TProject project;

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
            GTEST_SKIP() << "xorriso is not installed";
    }
    QString Disc() const { return temp.filePath(QStringLiteral("disc")); }
    void File(const QString &relative, qint64 size = 0) { MakeFile(Disc() + QLatin1Char('/') + relative, size); }
    void Add(const char *name, const QString &custom)
    {
        TBaseItem *item = project.Tree().AddItem(U(name), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr), false);
        project.Tree().SetCustom(item, custom);
    }
};

TEST_F(ImageOfTheDisc, TheImageSizeIsForetoldWithinTwoPercent)
{
    const QString small = temp.filePath(QStringLiteral("small"));
    MakeFile(small + QStringLiteral("/one.txt"), 3);
    // Many tiny files in one folder: the records outweigh the bytes.
    const QString many = temp.filePath(QStringLiteral("many"));
    for (int i = 0; i < 2000; ++i)
        MakeFile(many + QStringLiteral("/f%1.bin").arg(i), 1);
    // Nested folders with long Cyrillic names and files of uneven sizes.
    const QString deep = temp.filePath(QStringLiteral("deep"));
    for (int d = 0; d < 30; ++d) {
        const QString folder = deep + U("/Папка номер %1/Вложенная папка с длинным именем/").arg(d);
        QDir().mkpath(folder + U("ещё"));
        for (int f = 1; f <= 20; ++f)
            MakeFile(folder + U("файл %1 с длинным названием.dat").arg(f), f * 1500 + d);
    }
    for (const QString &dir : {small, many, deep}) {
        const QString iso = dir + QStringLiteral(".iso");
        ASSERT_TRUE(MakeImage(dir, iso)) << qPrintable(dir);
        const double made = double(QFileInfo(iso).size());
        const double foretold = double(TDiscFolder(dir, true).ImageSize());
        EXPECT_NEAR(foretold / made, 1.0, 0.02) << qPrintable(dir) << ": " << foretold << " vs " << made;
    }
}

TEST_F(ImageOfTheDisc, NamesWindowsCannotOpenOrTheImageChangesAreNamedWithTheirEntries)
{
    File(QStringLiteral("Velmora.EXE"));
    File(QStringLiteral("Setup.exe"));
    File(QStringLiteral("setup.exe"));
    File(QStringLiteral("CON"));
    File(QStringLiteral("nul.txt"));
    File(QStringLiteral("AUX.exe"));
    File(QStringLiteral("Dev/COM1"));
    File(QStringLiteral("Dev/LPT1.txt"));
    File(QStringLiteral("readme."));
    File(QStringLiteral("trail "));
    File(QStringLiteral("semi;colon.txt"));
    File(QStringLiteral("back\\slash.txt"));
    File(QStringLiteral("ctl\x01.txt"));
    File(QString(65, u'n'));
    const QString step(60, u'd');
    const QString longPath = QStringList{step, step, step, step, step}.join(u'/') + QStringLiteral("/x.exe");
    File(longPath);   // 310 characters
    Add("Установка", QStringLiteral("SETUP.EXE"));
    Add("Точка с запятой", QStringLiteral("semi;colon.txt"));
    Add("Глубоко", QString(longPath).replace(u'/', u'\\'));
    Add("Устройство", QStringLiteral("dev\\com1"));

    QStringList lines;
    for (const TFinding &f : TProjectCheck::Run(project, Disc(), nullptr)) {
        if (f.severity != TFinding::fsInfo)
            lines << f.Line();
    }
    const QString deep = QString(longPath).replace(u'/', u'\\');
    const QString twin = lines.filter(U("регистром")).value(0);
    EXPECT_TRUE(twin.startsWith(U("ошибка: setup.exe: ")) || twin.startsWith(U("ошибка: Setup.exe: "))) << qPrintable(twin);
    EXPECT_TRUE(twin.endsWith(U("; к нему ведёт #1 «Установка»")));
    for (const QString &line : {
             U("ошибка: semi;colon.txt: в имени знак, который образ диска заменит на «_» (; * : ? \\ или "
               "управляющий): по этому имени файл не найдётся; к нему ведёт #2 «Точка с запятой»"),
             U("ошибка: %1: путь длиннее 119 знаков: в образе диска Windows его не увидит; к нему ведёт #3 «Глубоко»")
                 .arg(deep.left(deep.indexOf(u'\\', 120))),
             U("ошибка: %1: путь длиннее 256 знаков: Windows его не откроет; к нему ведёт #3 «Глубоко»")
                 .arg(deep.left(deep.indexOf(u'\\', 257))),
             U("ошибка: Dev\\COM1: имя устройства Windows (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9): Windows "
               "откроет устройство, а не файл; к нему ведёт #4 «Устройство»"),
             U("предупреждение: CON: имя устройства Windows (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9): Windows "
               "откроет устройство, а не файл"),
             U("предупреждение: readme.: имя кончается точкой или пробелом: Windows их отбросит и файл не найдёт"),
             U("предупреждение: trail : имя кончается точкой или пробелом: Windows их отбросит и файл не найдёт"),
             U("предупреждение: back\\slash.txt: в имени знак, который Windows не допускает (< > : \" | ? * \\ или "
               "управляющий)"),
             U("предупреждение: ctl\x01.txt: в имени знак, который Windows не допускает (< > : \" | ? * \\ или "
               "управляющий)"),
             U("предупреждение: %1: имя длиннее 64 знаков: на диске оно будет обрезано").arg(QString(65, u'n')),
         })
        EXPECT_TRUE(lines.contains(line)) << qPrintable(line) << "\nin:\n" << qPrintable(lines.join(u'\n'));
    for (const char *name : {"nul.txt", "AUX.exe", "Dev\\LPT1.txt"})
        EXPECT_EQ(lines.filter(U(name) + U(": имя устройства")).size(), 1) << name;
    EXPECT_EQ(lines.size(), 14) << qPrintable(lines.join(u'\n'));

    // The image bears the findings out: Windows lists what Joliet holds.
    const QString iso = temp.filePath(QStringLiteral("names.iso"));
    ASSERT_TRUE(MakeImage(Disc(), iso));
    const QStringList joliet = JolietPaths(iso);
    for (const QString &kept : {U("Setup.exe"), U("setup.exe"), U("CON"), U("readme."), U("trail "), U("Dev/COM1")})
        EXPECT_TRUE(joliet.contains(kept)) << qPrintable(kept);
    for (const QString &renamed : {U("semi_colon.txt"), U("back_slash.txt"), U("ctl_.txt")})
        EXPECT_TRUE(joliet.contains(renamed)) << qPrintable(renamed);
    EXPECT_TRUE(joliet.filter(QString(65, u'n')).isEmpty());
    EXPECT_TRUE(joliet.filter(QStringLiteral("x.exe")).isEmpty());
    EXPECT_TRUE(joliet.contains(step));
    EXPECT_FALSE(joliet.contains(QStringList{step, step}.join(u'/')));
}

TEST_F(ImageOfTheDisc, AFileOfFourGibibytesIsAnErrorTheImageRefuses)
{
    File(QStringLiteral("Velmora.EXE"));
    Add("Запуск", QStringLiteral("Velmora.EXE"));
    File(QStringLiteral("just.bin"), (qint64(1) << 32) - 1);   // sparse: takes no room here
    QList<TFinding> findings = TProjectCheck::Run(project, Disc(), nullptr);
    EXPECT_FALSE(TProjectCheck::HasErrors(findings));
    EXPECT_EQ(findings.value(0).text, U("образ диска займёт 4,0 ГБ: на CD (700 МБ) не поместится, на DVD (4,7 ГБ) "
                                         "поместится"));
    File(QStringLiteral("big.bin"), 4'300'000'000LL);
    findings = TProjectCheck::Run(project, Disc(), nullptr);
    ASSERT_FALSE(findings.isEmpty());
    EXPECT_EQ(findings.first().Line(), U("ошибка: big.bin: файл 4 ГБ или больше: образ диска его не вместит"));
    QFile::remove(Disc() + QStringLiteral("/just.bin"));
    EXPECT_FALSE(MakeImage(Disc(), temp.filePath(QStringLiteral("big.iso"))));
}

} // namespace
