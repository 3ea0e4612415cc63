#include "project/TDiscFolder.h"
#include "project/TProject.h"
#include "project/TProjectCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

struct ProjectCheckTest : ::testing::Test
{
    QTemporaryDir temp;
    TProject project;

    QString Disc() const { return temp.filePath(QStringLiteral("disc")); }
    void File(const QString &relative)
    {
        const QString path = Disc() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
    }
    TBaseItem *Add(const char *name, TItemKind kind, const QString &custom = {}, TBaseItem *parent = nullptr)
    {
        TBaseItem *item = project.Tree().AddItem(U(name), kind, TCommandTree::TPlace::LastChildOf(parent), false);
        project.Tree().SetCustom(item, custom);
        return item;
    }
    QStringList Lines(const QString &disc, const TDesignFacts *design = nullptr)
    {
        QStringList lines;
        // The disc's size, the last line, is tested on its own.
        for (const TFinding &f : TProjectCheck::Run(project, disc, design)) {
            if (f.severity != TFinding::fsInfo)
                lines << f.Line();
        }
        return lines;
    }
};

TEST_F(ProjectCheckTest, ProgramPathsAreLookedUpOnTheDiscAsWindowsWould)
{
    File(QStringLiteral("Velmora.EXE"));
    File(QStringLiteral("Soft/Setup.EXE"));
    File(QStringLiteral("Docs/read me.txt"));
    File(QStringLiteral("x.exe"));
    File(U("\u017Ftra\u00DFe.exe"));
    File(QStringLiteral("Kelvin.exe"));
    auto *group = Add("Программы", ikGroup);
    Add("Установка", ikProgram, QStringLiteral("soft\\setup.exe"), group);        // case and "\" differ
    Add("Справка", ikProgram, QStringLiteral("\\Docs/Read Me.TXT"), group);       // from the root, mixed separators
    Add("В кавычках", ikProgram, QStringLiteral(" \"Soft\\.\\x\\..\\Setup.exe\" "), group);
    Add("Нет файла", ikProgram, QStringLiteral("Soft\\missing.exe"), group);
    Add("Диск C", ikProgram, QStringLiteral("C:\\Tools\\x.exe"), group);
    Add("Сеть", ikProgram, QStringLiteral("\\\\server\\share\\x.exe"), group);
    Add("Выше корня", ikProgram, QStringLiteral("Soft\\..\\..\\x.exe"), group);   // ".." stops at the root
    Add("С точкой", ikProgram, QStringLiteral("x.exe."), group);
    Add("Папка", ikProgram, QStringLiteral("Soft"), group);
    Add("Корень", ikProgram, QStringLiteral("\\"), group);
    Add("Пустой", ikProgram, QString(), group);
    TBaseItem *hidden = Add("Скрытый", ikProgram, QStringLiteral("gone.exe"), group);
    project.Tree().SetHidden(hidden, true);
    Add("Эсэс", ikProgram, QStringLiteral("STRASSE.exe"), group);   // Windows keeps the ß
    Add("Строчная s", ikProgram, U("stra\u00DFe.EXE"), group);    // but meets the long s with s
    Add("Кельвин", ikProgram, U("\u212Aelvin.exe"), group);       // the Kelvin sign is no K
    Add("Выход", ikExit, {}, group);

    EXPECT_EQ(Lines(Disc()), QStringList({
        U("ошибка: #5 «Нет файла»: файл Soft\\missing.exe не найден на диске"),
        U("предупреждение: #6 «Диск C»: путь C:\\Tools\\x.exe абсолютный, на другом компьютере его может не быть"),
        U("предупреждение: #7 «Сеть»: путь \\\\server\\share\\x.exe абсолютный, на другом компьютере его может не быть"),
        U("ошибка: #10 «Папка»: путь Soft ведёт к папке, а не к программе"),
        U("ошибка: #11 «Корень»: путь \\ ведёт к папке, а не к программе"),
        U("ошибка: #12 «Пустой»: не указан файл программы"),
        U("предупреждение: #13 «Скрытый»: файл gone.exe не найден на диске"),
        U("ошибка: #14 «Эсэс»: файл STRASSE.exe не найден на диске"),
        U("ошибка: #16 «Кельвин»: файл \u212Aelvin.exe не найден на диске"),
    }));
    // A hidden program that a visible button runs is reached all the same.
    QObject button;
    TDesignFacts design;
    design.client = QSize(100, 100);
    design.buttons = {{&button, QStringLiteral("k"), true, hidden->Id(), false, true}};
    EXPECT_TRUE(Lines(Disc(), &design).contains(U("ошибка: #13 «Скрытый»: файл gone.exe не найден на диске")));
    design.buttons[0].visible = false;
    EXPECT_TRUE(Lines(Disc(), &design).contains(U("предупреждение: #13 «Скрытый»: файл gone.exe не найден на диске")));
}

TEST_F(ProjectCheckTest, RelativePathsStartWhereThePathOptionsSay)
{
    TProjectOptions &o = project.Options();
    const QString inDisc = Disc() + QStringLiteral("/Menu/project.xml");
    const QString outside = temp.filePath(QStringLiteral("project.xml"));
    // The check box and every choice but the project's folder start at the root.
    EXPECT_EQ(TProjectCheck::BaseFolder(o, inDisc, Disc()), QString());
    o.SetCdRoot(false);
    for (auto option : {TProjectOptions::poCdRoot, TProjectOptions::poVelmora, TProjectOptions::poCurrent,
                        TProjectOptions::poNone}) {
        o.SetPathOption(option);
        EXPECT_EQ(TProjectCheck::BaseFolder(o, inDisc, Disc()), QString()) << option;
    }
    o.SetPathOption(TProjectOptions::poProject);
    EXPECT_EQ(TProjectCheck::BaseFolder(o, inDisc, Disc()), QStringLiteral("Menu"));
    // A project kept outside the disc goes onto it at the root.
    EXPECT_EQ(TProjectCheck::BaseFolder(o, outside, Disc()), QString());
    EXPECT_EQ(TProjectCheck::BaseFolder(o, QString(), Disc()), QString());
    EXPECT_EQ(TProjectCheck::BaseFolder(o, Disc() + QStringLiteral("/..menu/p.xml"), Disc()), QStringLiteral("..menu"));
    EXPECT_EQ(TProjectCheck::BaseFolder(o, Disc() + QStringLiteral("-x/p.xml"), Disc()), QString());

    // End to end: the project saved in the disc's Menu folder goes onto the
    // disc at its root, where its neighbour is not.
    File(QStringLiteral("Velmora.EXE"));
    File(QStringLiteral("Menu/app.exe"));
    File(QStringLiteral("root.exe"));
    Add("Рядом", ikProgram, QStringLiteral("APP.exe"));
    Add("В корне", ikProgram, QStringLiteral("..\\root.exe"));
    // A path from the drive's root starts at the disc's root, not at the project's folder.
    Add("От корня", ikProgram, QStringLiteral("\\root.exe"));
    project.SaveProject(inDisc, TProject::WholeProject());
    const QStringList lines = {U("ошибка: #1 «Рядом»: файл APP.exe не найден на диске")};
    EXPECT_EQ(Lines(Disc()), lines);
    o.SetPathOption(TProjectOptions::poVelmora);
    EXPECT_EQ(Lines(Disc()), lines);
}

TEST_F(ProjectCheckTest, WithoutADiscFolderTheFilesAreSkippedWithOneWarning)
{
    Add("Один", ikProgram, QStringLiteral("a.exe"));
    Add("Два", ikProgram, QStringLiteral("b.exe"));
    EXPECT_EQ(Lines(QString()), QStringList({U("предупреждение: Корневой Каталог не задан, файлы программ не проверены")}));
    // The project's own disc folder is used when none is given; a missing one is an error.
    project.Options().SetRootDir(Disc() + QStringLiteral("-gone"));
    const QList<TFinding> findings = TProjectCheck::Run(project, QString(), nullptr);
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings.first().severity, TFinding::fsError);
    EXPECT_EQ(findings.first().text, U("Корневой Каталог не найден"));
}

TEST_F(ProjectCheckTest, MenusThatWouldShowEmptyAndAddressesThatAreNotAbsolute)
{
    File(QStringLiteral("Velmora.EXE"));
    Add("Пустая", ikGroup);
    TBaseItem *shy = Add("Скрытое внутри", ikGroup);
    project.Tree().SetHidden(Add("Выход", ikExit, {}, shy), true);
    TBaseItem *hiddenGroup = Add("Скрытая пустая", ikGroup);   // never opened: no finding
    project.Tree().SetHidden(hiddenGroup, true);
    Add("Сайт", ikUrl, QStringLiteral("http://example.org/a?b=1"));
    Add("Почта", ikUrl, QStringLiteral("mailto:me@example.org"));
    Add("Без схемы", ikUrl, QStringLiteral("www.example.org"));   // the shell opens it
    Add("Не адрес", ikUrl, QStringLiteral("www."));
    Add("Диск", ikUrl, QStringLiteral("C:\\index.htm"));
    Add("Без адреса", ikUrl, QStringLiteral("http://"));
    Add("Пустой", ikUrl);
    EXPECT_EQ(Lines(Disc()), QStringList({
        U("ошибка: #8 «Не адрес»: адрес www. не полный (нужна схема, например http://)"),
        U("ошибка: #9 «Диск»: адрес C:\\index.htm не полный (нужна схема, например http://)"),
        U("ошибка: #10 «Без адреса»: адрес http:// не полный (нужна схема, например http://)"),
        U("ошибка: #11 «Пустой»: не указан адрес"),
        U("предупреждение: #1 «Пустая»: группа пуста, меню группы будет пустым"),
        U("предупреждение: #2 «Скрытое внутри»: все команды группы скрыты, меню группы будет пустым"),
    }));

    TProject empty;
    const QList<TFinding> none = TProjectCheck::Run(empty, Disc(), nullptr);
    ASSERT_EQ(none.size(), 3);   // and the two lines of the size
    EXPECT_EQ(none.first().text, U("в проекте нет ни одной команды, меню будет пустым"));
}

TEST_F(ProjectCheckTest, AMissingPlayerIsAnErrorOnlyWhereNothingWillCopyIt)
{
    File(QStringLiteral("a.txt"));
    Add("Текст", ikProgram, QStringLiteral("a.txt"));
    const QString missing = U("ошибка: Velmora.EXE: программы автозапуска нет в Корневом Каталоге, скопируйте её туда");
    // A folder to be burned as it is.
    EXPECT_EQ(Lines(Disc()), QStringList{missing});
    // The project's own disc folder: "Подготовить диск" and the image copy the player.
    project.Options().SetRootDir(Disc());
    const QList<TFinding> prepared = TProjectCheck::Run(project, QString(), nullptr);
    ASSERT_FALSE(prepared.isEmpty());
    EXPECT_EQ(prepared.at(0).severity, TFinding::fsInfo);
    EXPECT_EQ(prepared.at(0).subject, QStringLiteral("Velmora.EXE"));
    EXPECT_FALSE(TProjectCheck::HasErrors(prepared));
    File(QStringLiteral("VELMORA.exe"));
    EXPECT_FALSE(Lines(Disc()).join(u'\n').contains(U("программы автозапуска")));
}

TEST_F(ProjectCheckTest, DesignFindingsNameTheirObjects)
{
    File(QStringLiteral("Velmora.EXE"));
    TBaseItem *group = Add("Группа", ikGroup);
    TBaseItem *run = Add("Запуск", ikProgram, QStringLiteral("Velmora.EXE"), group);
    TBaseItem *hidden = Add("Тайная", ikProgram, QStringLiteral("Velmora.EXE"), group);
    project.Tree().SetHidden(hidden, true);
    Add("Выход", ikExit, {}, group);
    QObject a, b, c, d, e, f;
    TDesignFacts design;
    design.client = QSize(200, 100);
    design.objects = {
        {&a, QStringLiteral("A"), QRect(200, 0, 10, 10), true, {}, false},     // just past the right edge
        {&b, QStringLiteral("B"), QRect(190, 90, 20, 20), true, {}, false},    // overlaps: fine
        {&c, QStringLiteral("C"), QRect(-50, -50, 10, 10), false, {}, false},  // invisible: fine
        {&d, QStringLiteral("D"), QRect(0, 0, 200, 100), true, QSize(201, 50), false},
        {&e, QStringLiteral("E"), QRect(0, 0, 200, 100), true, QSize(400, 400), true},   // stretched: fine
        {&f, QStringLiteral("Меню"), QRect(0, 0, 100, 15), true, {}, false},
    };
    design.menuIndex = 5;
    design.menuRowHeight = 16;
    design.buttons = {{&a, QStringLiteral("k1"), true, 99},  {&b, QStringLiteral("k2"), true, group->Id()},
                      {&c, QStringLiteral("k3"), true, hidden->Id()}, {&d, QStringLiteral("k4"), true, run->Id()},
                      {&e, QStringLiteral("k5"), false, 99}};
    const QList<TFinding> findings = TProjectCheck::Run(project, Disc(), &design);
    QStringList lines;
    for (const TFinding &finding : findings)
        lines << finding.Line();
    EXPECT_EQ(lines, QStringList({
        U("ошибка: k1: «Пункт меню» 99 не указывает ни на одну команду"),
        U("предупреждение: k3: «Пункт меню» 3 указывает на скрытую команду #3 «Тайная»"),
        U("предупреждение: A: объект целиком за пределами окна"),
        U("предупреждение: D: картинка 201×50 больше окна 200×100"),
        U("ошибка: Меню: в области меню нет места ни для одной кнопки"),
        U("сведения: образ диска займёт 366 КБ и поместится на CD (700 МБ)"),
        U("сведения: на флешку образ не нужен: файлы копируются как есть и займут 0 КБ"),
    }));
    EXPECT_EQ(findings.at(0).object, &a);
    EXPECT_EQ(findings.at(4).object, &f);
    design.objects[5].bounds.setHeight(16);
    EXPECT_EQ(TProjectCheck::Run(project, Disc(), &design).size(), 4 + 2);   // and the disc's size
}

} // namespace
