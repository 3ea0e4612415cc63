#include "project/TDiscFolder.h"
#include "project/TFixPathsCommand.h"
#include "project/TPlayerPath.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"
#include "project/TWindowsFonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

std::optional<QString> Player(const char *disc, const char *file, const char *base = "")
{
    return TPlayerPath::FromLocal(U(disc), U(file), U(base));
}

TEST(PlayerPath, AFileInsideTheDiscFolderTakesThePlayersForm)
{
    // Directly in the folder (no backslash), two levels down, the folder with
    // and without its trailing slash.
    EXPECT_EQ(Player("/m/disc", "/m/disc/setup.exe"), U("setup.exe"));
    EXPECT_EQ(Player("/m/disc/", "/m/disc/soft/tools/setup.exe"), U("soft\\tools\\setup.exe"));
    EXPECT_EQ(Player("/m/disc//", "/m/disc/./soft/../Soft/a b.exe"), U("Soft\\a b.exe"));
    // Outside: a sibling whose name begins like the folder, the folder
    // itself, its parent, and a letter case this machine tells apart.
    EXPECT_EQ(Player("/m/disc", "/m/disc2/setup.exe"), std::nullopt);
    EXPECT_EQ(Player("/m/disc", "/m/disc"), std::nullopt);
    EXPECT_EQ(Player("/m/disc", "/m/setup.exe"), std::nullopt);
    EXPECT_EQ(Player("/m/disc", "/m/Disc/setup.exe"), std::nullopt);
    EXPECT_EQ(Player("/m/disc", "/../m/disc/x.exe"), U("x.exe"));   // ".." above the root stays there
    // From the project's folder when the player starts there: up to the
    // root and down again, its own folder matched in any case.
    EXPECT_EQ(Player("/m/disc", "/m/disc/soft/setup.exe", "menu"), U("..\\soft\\setup.exe"));
    EXPECT_EQ(Player("/m/disc", "/m/disc/menu/x.exe", "MENU"), U("x.exe"));
    EXPECT_EQ(Player("/m/disc", "/m/disc/a/b/x.exe", "a\\c"), U("..\\b\\x.exe"));
    EXPECT_EQ(Player("/m/disc", "/m/disc/a", "a"), U("..\\a"));
}

TEST(PlayerPath, FullPathsOfThisMachineAreToldFromThePlayersPaths)
{
    EXPECT_TRUE(TPlayerPath::IsLocalFullPath(U("/home/anna/disc/setup.exe")));
    EXPECT_TRUE(TPlayerPath::IsLocalFullPath(U("  \"/home/anna/my disc/a.exe\" ")));
    EXPECT_FALSE(TPlayerPath::IsLocalFullPath(U("\\soft\\setup.exe")));
    EXPECT_FALSE(TPlayerPath::IsLocalFullPath(U("/soft\\setup.exe")));
    EXPECT_FALSE(TPlayerPath::IsLocalFullPath(U("//server/share/a.exe")));
    EXPECT_FALSE(TPlayerPath::IsLocalFullPath(U("soft/setup.exe")));
    EXPECT_FALSE(TPlayerPath::IsLocalFullPath(U("/")));
    EXPECT_TRUE(TPlayerPath::IsLocalFullPath(U("/a")));
}

struct DiscCheckTest : ::testing::Test
{
    QTemporaryDir temp;
    TProject project;

    QString Disc() const { return temp.filePath(QStringLiteral("disc")); }
    void File(const QString &relative, qint64 size = 0)
    {
        const QString path = Disc() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
        ASSERT_TRUE(f.resize(size));
    }
    TBaseItem *Add(const char *name, TItemKind kind, const QString &custom = {}, TBaseItem *parent = nullptr)
    {
        TBaseItem *item = project.Tree().AddItem(U(name), kind, TCommandTree::TPlace::LastChildOf(parent), false);
        project.Tree().SetCustom(item, custom);
        return item;
    }
    QStringList Lines(const TDesignFacts *design = nullptr)
    {
        QStringList lines;
        for (const TFinding &f : TProjectCheck::Run(project, Disc(), design)) {
            if (f.severity != TFinding::fsInfo)
                lines << f.Line();
        }
        return lines;
    }
    void SetUp() override { File(QStringLiteral("Velmora.EXE")); }
};

TEST_F(DiscCheckTest, LinuxPathsAreNamedAndThoseIntoTheDiscFixedInOneStep)
{
    File(QStringLiteral("Soft/Tools/setup.exe"));
    const QString inside = QDir(Disc()).absoluteFilePath(QStringLiteral("Soft/Tools/setup.exe"));
    const QString outside = temp.filePath(QStringLiteral("elsewhere/x.exe"));
    project.Options().SetRootDir(Disc() + QLatin1Char('/'));
    Add("Внутри", ikProgram, inside);
    Add("В кавычках", ikProgram, QLatin1Char('"') + Disc() + QStringLiteral("/setup.exe\""));
    Add("Снаружи", ikProgram, outside);
    Add("От корня", ikProgram, QStringLiteral("/Soft/Tools/SETUP.exe"));   // the player's path with "/": fine

    const QList<TFinding> findings = TProjectCheck::Run(project, QString(), nullptr);
    ASSERT_EQ(findings.size(), 5);
    EXPECT_EQ(findings.at(0).Line(), U("ошибка: #1 «Внутри»: полный путь Linux: на диске он не сработает (%1); "
                                       "«Исправить» заменит его на Soft\\Tools\\setup.exe").arg(inside));
    EXPECT_EQ(findings.at(0).fix, U("Soft\\Tools\\setup.exe"));
    EXPECT_EQ(findings.at(1).fix, U("setup.exe"));
    // Outside: which disc folder would hold it.
    EXPECT_EQ(findings.at(2).Line(), U("ошибка: #3 «Снаружи»: полный путь Linux: на диске он не сработает (%1); файл "
                                       "вне Корневого Каталога: его вместил бы Корневой Каталог %2")
                                         .arg(outside, QDir::toNativeSeparators(temp.path())));
    EXPECT_TRUE(findings.at(2).fix.isEmpty());
    EXPECT_EQ(findings.at(3).severity, TFinding::fsInfo);

    project.SetModified(false);
    const int steps = project.UndoStack().count();
    ASSERT_TRUE(project.Push(new TFixPathsCommand(project.Tree(), findings)));
    EXPECT_EQ(project.UndoStack().count(), steps + 1);
    EXPECT_TRUE(project.Modified());
    EXPECT_EQ(project.Tree().FindById(1)->Custom(), U("Soft\\Tools\\setup.exe"));
    EXPECT_EQ(project.Tree().FindById(3)->Custom(), outside);
    // The mended path resolves; the file at the root does not exist, so only
    // that and the outside one remain.
    const QStringList after = Lines();
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after.at(0), U("ошибка: #2 «В кавычках»: файл setup.exe не найден на диске"));
    project.UndoStack().undo();
    EXPECT_EQ(project.Tree().FindById(1)->Custom(), inside);
    EXPECT_EQ(project.Tree().FindById(2)->Custom(), QLatin1Char('"') + Disc() + QStringLiteral("/setup.exe\""));
    EXPECT_FALSE(project.Modified());
    // Nothing to mend (or its entry deleted since): no step.
    project.Tree().DeleteItem(project.Tree().FindById(1));
    QList<TFinding> stale = findings;
    stale.removeAt(1);
    EXPECT_FALSE(project.Push(new TFixPathsCommand(project.Tree(), stale)));
}

TEST_F(DiscCheckTest, WithoutADiscFolderALinuxPathIsAWarningWithoutAFix)
{
    Add("Внутри", ikProgram, QStringLiteral("/media/disc/setup.exe"));
    const QList<TFinding> findings = TProjectCheck::Run(project, QString(), nullptr);
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings.at(1).severity, TFinding::fsWarning);
    EXPECT_TRUE(findings.at(1).text.startsWith(U("полный путь Linux")));
    EXPECT_TRUE(findings.at(1).fix.isEmpty());
}

TEST_F(DiscCheckTest, AGroupNeedsAWayOut)
{
    const QString stranded = U("предупреждение: #1 «Игры»: из группы нет выхода: в ней нет команды «Выход», а в окне "
                               "нет кнопки «Вверх»; выйти из неё можно только клавишами Esc, Backspace или «Влево»");
    TBaseItem *games = Add("Игры", ikGroup);
    Add("Тетрис", ikProgram, QStringLiteral("Velmora.EXE"), games);
    TBaseItem *left = Add("С выходом", ikGroup);
    Add("Пасьянс", ikProgram, QStringLiteral("Velmora.EXE"), left);
    TBaseItem *exit = Add("Выход", ikExit, {}, left);
    TBaseItem *hiddenGroup = Add("Скрытая", ikGroup);   // never opened: no finding
    project.Tree().SetHidden(hiddenGroup, true);
    Add("Внутри скрытой", ikProgram, QStringLiteral("Velmora.EXE"), hiddenGroup);
    TBaseItem *shy = Add("Только скрытое", ikGroup);   // lists nothing: the empty-menu warning covers it
    project.Tree().SetHidden(Add("Скрыт", ikProgram, QStringLiteral("Velmora.EXE"), shy), true);
    EXPECT_EQ(Lines(), QStringList({U("предупреждение: #8 «Только скрытое»: все команды группы скрыты, меню группы "
                                      "будет пустым"),
                                    stranded}));

    // A hidden exit entry is no way out.
    project.Tree().SetHidden(exit, true);
    EXPECT_EQ(Lines().size(), 3);
    project.Tree().SetHidden(exit, false);

    QObject a, b;
    TDesignFacts design;
    design.client = QSize(100, 100);
    // A visible button bound to a program, an invisible Up button: still stranded.
    design.buttons = {{&a, QStringLiteral("k1"), true, 2, false, true}, {&b, QStringLiteral("k2"), false, 0, true, false}};
    EXPECT_TRUE(Lines(&design).contains(stranded));
    // A visible Up button leads out of every group.
    design.buttons[1].visible = true;
    EXPECT_FALSE(Lines(&design).contains(stranded));
    // So does a visible button bound to an exit entry.
    design.buttons[1].visible = false;
    design.buttons[0].itemId = exit->Id();
    EXPECT_FALSE(Lines(&design).contains(stranded));
}

TEST_F(DiscCheckTest, FontsNotEveryWindowsHasAreWarnedOf)
{
    QObject a, b, c;
    TDesignFacts design;
    design.client = QSize(100, 100);
    QObject d, e, f, g;
    constexpr int kCyrillic = 204;
    design.fonts = {{&a, QStringLiteral("A"), QStringLiteral("tahoma"), kCyrillic},
                    {&b, QStringLiteral("B"), QStringLiteral("URW Bookman")},
                    {&c, QStringLiteral("C"), QStringLiteral("MS Shell Dlg 2")},
                    {&d, QStringLiteral("D"), QStringLiteral("Wingdings")},
                    {&e, QStringLiteral("E"), QStringLiteral("Ebrima"), kCyrillic},
                    {&f, QStringLiteral("F"), QStringLiteral("Ebrima")},   // Latin text: fine
                    {&g, QStringLiteral("G"), QStringLiteral("Marlett"), kCyrillic}};
    Add("Запуск", ikProgram, QStringLiteral("Velmora.EXE"));
    EXPECT_EQ(Lines(&design), QStringList({
        U("предупреждение: B: шрифт «URW Bookman» есть не в каждой Windows 7–11, там его заменит другой"),
        U("предупреждение: D: шрифт «Wingdings» состоит из значков: буквы надписи станут картинками"),
        U("предупреждение: E: в шрифте «Ebrima» нет русских букв, а набор символов у него кириллический"),
        U("предупреждение: G: шрифт «Marlett» состоит из значков: буквы надписи станут картинками"),
    }));
    const QList<TFinding> all = TProjectCheck::Run(project, Disc(), &design);
    const auto firstWarning = std::find_if(all.begin(), all.end(), [](const TFinding &finding) {
        return finding.severity == TFinding::fsWarning;
    });
    ASSERT_NE(firstWarning, all.end());
    EXPECT_EQ(firstWarning->object, &b);

    EXPECT_TRUE(TWindowsFonts::IsShippedEverywhere(U(" Segoe UI ")));
    EXPECT_FALSE(TWindowsFonts::IsShippedEverywhere(U("Segoe")));
    EXPECT_EQ(TWindowsFonts::WithoutFoundry(U("URW Bookman [urw]")), U("URW Bookman"));
    EXPECT_EQ(TWindowsFonts::WithoutFoundry(U(" Tahoma ")), U("Tahoma"));
    EXPECT_EQ(TWindowsFonts::WithoutFoundry(U("[urw]")), U("[urw]"));
    EXPECT_EQ(TWindowsFonts::WithoutFoundry(U("Odd [name] x")), U("Odd [name] x"));
}

TEST_F(DiscCheckTest, TheCheckEndsWithTheImagesSizeAndWhatItFits)
{
    EXPECT_EQ(TProjectCheck::DiscFit(0), TProjectCheck::dfCd);
    EXPECT_EQ(TProjectCheck::DiscFit(TProjectCheck::kCdBytes), TProjectCheck::dfCd);
    EXPECT_EQ(TProjectCheck::DiscFit(TProjectCheck::kCdBytes + 1), TProjectCheck::dfDvd);
    EXPECT_EQ(TProjectCheck::DiscFit(TProjectCheck::kDvdBytes), TProjectCheck::dfDvd);
    EXPECT_EQ(TProjectCheck::DiscFit(TProjectCheck::kDvdBytes + 1), TProjectCheck::dfDvdDualLayer);
    EXPECT_EQ(TProjectCheck::DiscFit(TProjectCheck::kDvdDualLayerBytes), TProjectCheck::dfDvdDualLayer);
    EXPECT_EQ(TProjectCheck::DiscFit(TProjectCheck::kDvdDualLayerBytes + 1), TProjectCheck::dfNone);

    // An image of exactly 700 MiB (sparse files take no room here): 33 sectors
    // before the files, 150 of padding after them.
    constexpr qint64 kSector = 2048;
    Add("Запуск", ikProgram, QStringLiteral("Velmora.EXE"));
    File(QStringLiteral("Velmora.EXE"), 1000);
    File(QStringLiteral("Data/big.bin"), TProjectCheck::kCdBytes - (33 + 1 + 150) * kSector);
    QList<TFinding> findings = TProjectCheck::Run(project, Disc(), nullptr);
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings.first().severity, TFinding::fsInfo);
    EXPECT_EQ(findings.first().text, U("образ диска займёт 700,0 МБ и поместится на CD (700 МБ)"));
    EXPECT_EQ(findings.last().text, U("на флешку образ не нужен: файлы копируются как есть и займут 699,6 МБ"));
    File(QStringLiteral("Data/more.bin"), 1);   // one sector more
    findings = TProjectCheck::Run(project, Disc(), nullptr);
    EXPECT_TRUE(findings.first().text.endsWith(U("на DVD (4,7 ГБ) поместится"))) << qPrintable(findings.first().text);
    File(QStringLiteral("Data/more.bin"), TProjectCheck::kDvdBytes);
    findings = TProjectCheck::Run(project, Disc(), nullptr);
    EXPECT_TRUE(findings.at(findings.size() - 2).text.endsWith(U("на двухслойный DVD (8,5 ГБ) поместится")));
    File(QStringLiteral("Data/more.bin"), TProjectCheck::kDvdDualLayerBytes);
    findings = TProjectCheck::Run(project, Disc(), nullptr);
    const TFinding &size = findings.at(findings.size() - 2);
    EXPECT_EQ(size.severity, TFinding::fsWarning);
    EXPECT_EQ(size.text, U("образ диска займёт 8,6 ГБ и не поместится ни на CD, ни на DVD, даже двухслойный (8,5 ГБ)"));
}

TEST_F(DiscCheckTest, TheImageCountsWholeSectorsAndWhatLinksLeadTo)
{
    constexpr qint64 kSector = 2048;
    constexpr qint64 kEmpty = (33 + 150) * kSector;   // the records before the files fit their sectors
    auto image = [this] { return TDiscFolder(Disc(), true).ImageSize(); };
    File(QStringLiteral("Velmora.EXE"), 0);
    EXPECT_EQ(image(), kEmpty);
    File(QStringLiteral("Velmora.EXE"), 1);
    EXPECT_EQ(image(), kEmpty + kSector);
    File(QStringLiteral("Velmora.EXE"), kSector);
    EXPECT_EQ(image(), kEmpty + kSector);
    File(QStringLiteral("Velmora.EXE"), kSector + 1);
    EXPECT_EQ(image(), kEmpty + 2 * kSector);
    // A link to a file counts with the file; a link to a folder is not walked.
    File(QStringLiteral("Velmora.EXE"), 1000);
    File(QStringLiteral("Sub/a.bin"), 24);
    ASSERT_TRUE(QFile::link(Disc() + QStringLiteral("/Sub/a.bin"), Disc() + QStringLiteral("/b.bin")));
    ASSERT_TRUE(QFile::link(Disc() + QStringLiteral("/Sub"), Disc() + QStringLiteral("/Loop")));
    EXPECT_EQ(TDiscFolder(Disc()).TotalSize(), 0);   // names only, unless asked
    EXPECT_EQ(TDiscFolder(Disc()).ImageSize(), 0);
    const TDiscFolder disc(Disc(), true);
    EXPECT_EQ(disc.TotalSize(), 1000 + 24 + 24);
    EXPECT_EQ(disc.ImageSize(), kEmpty + 3 * kSector);
    EXPECT_TRUE(disc.Contains(U("loop")));
    EXPECT_FALSE(disc.Contains(U("loop/a.bin")));
    EXPECT_TRUE(disc.Contains(U("SUB\\A.BIN")));
    EXPECT_TRUE(disc.IsFolderKey(TDiscFolder::Key(U("sub"))));
    EXPECT_FALSE(disc.IsFolderKey(TDiscFolder::Key(U("loop"))));
}

} // namespace
