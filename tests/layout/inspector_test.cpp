#include "support/EditorFixture.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

namespace {

struct Inspector : ::testing::Test, EditorFixture
{
    // Top-level rows as "group/name", in the grid's order.
    QStringList rows()
    {
        QStringList list;
        for (int g = 0; g < model.rowCount(); ++g) {
            const QModelIndex group = model.index(g, 0);
            for (int r = 0; r < model.rowCount(group); ++r)
                list << group.data().toString() + QLatin1Char('/') + model.index(r, 0, group).data().toString();
        }
        return list;
    }
    QStringList subRows(const QString &path)
    {
        QStringList list;
        const QModelIndex parent = model.IndexOfPath(path);
        for (int r = 0; r < model.rowCount(parent); ++r)
            list << model.index(r, 0, parent).data().toString();
        return list;
    }
    bool edit(const QString &path, const QVariant &value, int editing = 0)
    {
        return model.Edit(model.IndexOfPath(path, TPropertyGridModel::ValueColumn), value, editing);
    }
    QString help(const QString &path) { return model.Description(model.IndexOfPath(path)); }
};

} // namespace

TEST_F(Inspector, EachObjectShowsItsRowsInGroupOrder)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    // The window is shown before any node is selected.
    EXPECT_EQ(rows(), QStringList({"Внешний вид/Курсор", "Внешний вид/Вид границы", "Внешний вид/Полупрозрачное",
                                   "Внешний вид/Непрозрачность", "Внешний вид/Заголовок", "Цвета/Градиент",
                                   "Цвета/Цвет сверху", "Цвета/Цвет снизу", "Цвета/Дыры в окне", "Цвета/Цвет дыр",
                                   "Положение/Высота", "Положение/Ширина"}));
    const std::pair<const char *, int> counts[] = {
        {"Фоновая картинка", 9}, {"Картинка в тему", 16}, {"Надпись наверху", 19}, {"Комментарий", 17},
        {"Область меню", 15},    {"Кнопки в меню", 15},  {"Справка", 30},          {"Окно", 12}};
    for (const auto &[caption, count] : counts) {
        inspect(QString::fromUtf8(caption));
        EXPECT_EQ(rows().size(), count) << caption;
    }

    inspect("Справка");
    const QStringList button = rows();
    // Order list first within a group, then by name; "Особое" holds nothing here.
    EXPECT_EQ(button.mid(0, 6), QStringList({"Внешний вид/Присутствует", "Внешний вид/Курсор",
                                             "Внешний вид/Заголовок", "Внешний вид/Показывать заголовок",
                                             "Цвета/Обычный текст", "Цвета/Выделенный текст"}));
    EXPECT_EQ(button.filter("Положение/"), QStringList({"Положение/Отступ слева", "Положение/Отступ сверху",
                                                        "Положение/Ширина", "Положение/Высота"}));
    EXPECT_EQ(subRows("Font"), QStringList({"Цвет", "Размер", "Начертание"}));
    EXPECT_EQ(subRows("Font.Style"), QStringList({"Жирный", "Курсив", "Зачеркнутый", "Подчеркнутый"}));
    EXPECT_EQ(subRows("Anchors"), QStringList({"Снизу", "Слева", "Справа", "Сверху"}));
    EXPECT_EQ(subRows("Pictures"), QStringList({"Обычная", "Нажатая", "Выделенная"}));
    EXPECT_EQ(subRows("Constraints"), QStringList({"Макс. высота", "Макс. ширина", "Мин. высота", "Мин. ширина"}));
    EXPECT_EQ(shown("Anchors"), QStringLiteral("[Справа, Снизу]"));
    EXPECT_EQ(shown("Action"), QStringLiteral("Справка"));
    EXPECT_EQ(shown("Cursor"), QStringLiteral("crHandPoint"));

    inspect("Область меню");
    for (const char *hidden : {"Шрифт", "Присутствует", "Выделенный текст", "Текст", "Вид кнопок"})
        for (const QString &row : rows())
            EXPECT_FALSE(row.endsWith(QLatin1Char('/') + QString::fromUtf8(hidden))) << hidden;
    inspect("Комментарий");
    EXPECT_FALSE(model.IndexOfPath("Text").isValid());
    EXPECT_FALSE(model.IndexOfPath("AllowChange").isValid());
    EXPECT_TRUE(model.IndexOfPath("Font.Color").isValid());
    EXPECT_EQ(model.IndexOfPath("Color").data().toString(), QStringLiteral("Цвет фона"));
    EXPECT_EQ(model.IndexOfPath("Font.Color").data().toString(), QStringLiteral("Цвет"));
}

TEST_F(Inspector, EnglishNamesAndDescriptions)
{
    inspect("Надпись наверху");
    model.SetDisplayNames(false);
    EXPECT_EQ(model.IndexOfPath("Left").data().toString(), QStringLiteral("Left"));
    EXPECT_EQ(model.IndexOfPath("Font.Color").data().toString(), QStringLiteral("Color"));
    model.SetDisplayNames(true);
    EXPECT_EQ(model.IndexOfPath("Left").data().toString(), QStringLiteral("Отступ слева"));

    EXPECT_EQ(help("BorderStyle"), QStringLiteral("Вид рамки - нет, выдавленная, вдавленная или линия."));
    EXPECT_EQ(help("Anchors"), QStringLiteral("Привязка объекта к краям окна при изменении его размеров. "
                                              "Работает только в редакторе."));
    EXPECT_EQ(help("Font.Size"), QStringLiteral("Размер шрифта в пунктах."));
    inspect("Область меню");
    EXPECT_EQ(help("BorderStyle"), QStringLiteral("Вид рамки - нет, выдавленная, вдавленная или линия."));
    EXPECT_EQ(help("Columns"), QStringLiteral("Количество колонок равного размера, в которое располагать кнопки."));
    inspect("Окно");
    EXPECT_EQ(help("ColorTop"), QStringLiteral("Верхний цвет или цвет всего окна, если градиент запрещён."));
    inspect("Фоновая картинка");
    EXPECT_EQ(help("Stretch"), QStringLiteral("Растянуть картинку до ее границ."));
    EXPECT_EQ(help("Visible"), QStringLiteral("Видимость объекта. Если снять, то он никуда не исчезнет."));
    inspect("Выход");
    EXPECT_EQ(help("Stretch"), QStringLiteral("Растянуть картинку до границ кнопки."));
    inspect("Кнопки в меню");
    EXPECT_EQ(help("Visible"), QString());
    EXPECT_EQ(help("Style"), QStringLiteral("Вид кнопки - просто текст, системная кнопка или кнопка с картинкой."));
}

TEST_F(Inspector, BadInputIsReportedAndChangesNothing)
{
    inspect("Надпись наверху");
    const int left = form.Heading()->Left();
    // Text that is no number names the row and its range, as a number outside it does.
    for (const char *bad : {"abc", "1e3", "", "2147483648", "-2147483649"}) {
        prompt.asked.clear();
        EXPECT_FALSE(edit("Left", QString::fromLatin1(bad)));
        ASSERT_EQ(prompt.asked.size(), 1) << bad;
        const bool number = QString::fromLatin1(bad).toLongLong() != 0;
        EXPECT_EQ(prompt.asked[0].text, number ? QStringLiteral("Отступ слева: от -4096 до 4096")
                                               : QStringLiteral("Отступ слева: введите целое число от -4096 до 4096"))
            << bad;
    }
    EXPECT_FALSE(edit("Color", QStringLiteral("clNoSuchColour")));
    EXPECT_FALSE(edit("BorderStyle", QStringLiteral("tbsNothing")));
    EXPECT_FALSE(edit("Shadow", QStringLiteral("maybe")));
    EXPECT_EQ(form.Heading()->Left(), left);
    EXPECT_EQ(project.UndoStack().count(), 0);
    EXPECT_FALSE(project.Modified());
    // A whole number outside the row's range names the range; its edge is taken.
    EXPECT_FALSE(edit("Left", QStringLiteral("-2147483648")));
    EXPECT_EQ(prompt.asked.last().text, QStringLiteral("Отступ слева: от -4096 до 4096"));
    EXPECT_TRUE(edit("Left", QStringLiteral("-4096")));
}

TEST_F(Inspector, RangesTakeEveryValueAFileCanHoldAndNoMore)
{
    struct Case
    {
        const char *object;
        const char *path;
        int low;
        int high;
    };
    const Case cases[] = {
        {"Надпись наверху", "ShadowSize", -64, 64}, {"Надпись наверху", "Left", -4096, 4096},
        {"Надпись наверху", "Font.Size", -3072, 3072}, {"Окно", "AlphaBlendValue", 0, 255},
        {"Окно", "ClientWidth", 0, 4096},           {"Справка", "PadHorizontal", -256, 256},
        {"Справка", "PadVertical", -256, 256},      {"Комментарий", "RowSpacing", -64, 256},
    };
    for (const Case &c : cases) {
        inspect(QString::fromUtf8(c.object));
        const QString path = QString::fromLatin1(c.path);
        EXPECT_TRUE(edit(path, QString::number(c.low))) << c.path;
        EXPECT_EQ(shown(path), QString::number(c.low)) << c.path;
        EXPECT_TRUE(edit(path, QString::number(c.high))) << c.path;
        EXPECT_EQ(shown(path), QString::number(c.high)) << c.path;
        prompt.asked.clear();
        EXPECT_FALSE(edit(path, QString::number(c.low - 1))) << c.path;
        EXPECT_FALSE(edit(path, QString::number(c.high + 1))) << c.path;
        EXPECT_EQ(prompt.asked.size(), 2) << c.path;
        EXPECT_EQ(shown(path), QString::number(c.high)) << c.path;
    }
    prompt.asked.clear();
    inspect("Окно");
    EXPECT_FALSE(edit("ClientWidth", QStringLiteral("abc")));
    EXPECT_EQ(prompt.asked.last().text, QStringLiteral("Ширина: введите целое число от 0 до 4096"));

    // A font stored with a cell height shows a negative size, which the row
    // takes back; 0 is the default size.
    inspect("Надпись наверху");
    form.Heading()->Font()->setHeight(20);
    model.RefreshValues();
    EXPECT_EQ(shown("Font.Size"), QStringLiteral("-15"));
    EXPECT_TRUE(edit("Font.Size", QStringLiteral("-16")));
    EXPECT_EQ(form.Heading()->Font()->Height(), 21);
    EXPECT_TRUE(edit("Font.Size", QStringLiteral("0")));
    EXPECT_EQ(form.Heading()->Font()->Height(), 0);

    // Command numbers may be negative.
    inspect("Справка");
    EXPECT_TRUE(edit("ItemID", QStringLiteral("-1")));
    EXPECT_EQ(qobject_cast<TPicButton *>(model.Inspected())->ItemID(), -1);
    EXPECT_TRUE(edit("ItemID", QStringLiteral("-2147483648")));

    // Columns beyond the setter's range are held at its nearest end, not refused.
    inspect("Область меню");
    EXPECT_TRUE(edit("Columns", QStringLiteral("7")));
    EXPECT_EQ(form.MenuArea()->Columns(), 4);
    EXPECT_TRUE(edit("Columns", QStringLiteral("0")));
    EXPECT_EQ(form.MenuArea()->Columns(), 1);
}

TEST_F(Inspector, EveryEditorWritesThroughTheLayerAndUndoesAsOneStep)
{
    inspect("Надпись наверху");
    TTextBox *heading = form.Heading();
    const int left = heading->Left();
    // Two values confirmed one after the other are two steps; within one
    // editing of the row typed values merge, back to nothing when they return.
    ASSERT_TRUE(edit("Left", QStringLiteral("13")));
    ASSERT_TRUE(edit("Left", QStringLiteral("123")));
    EXPECT_EQ(heading->Left(), 123);
    EXPECT_EQ(shown("Left"), QStringLiteral("123"));
    EXPECT_EQ(project.UndoStack().count(), 2);
    project.UndoStack().undo();
    EXPECT_EQ(heading->Left(), 13);
    const int editing = model.BeginEditing();
    ASSERT_TRUE(edit("Left", QStringLiteral("30"), editing));
    ASSERT_TRUE(edit("Left", QStringLiteral("31"), editing));
    EXPECT_EQ(project.UndoStack().count(), 2);
    ASSERT_TRUE(edit("Left", QStringLiteral("13"), editing));
    EXPECT_EQ(project.UndoStack().count(), 1);
    EXPECT_EQ(heading->Left(), 13);
    EXPECT_TRUE(project.Modified());

    struct Step
    {
        const char *path;
        QVariant value;
        QString expected;
    };
    const Step steps[] = {
        {"Font.Style.fsBold", QStringLiteral("True"), "Да"},
        {"BorderStyle", QStringLiteral("tbsLine"), "Линия"},
        {"Color", QStringLiteral("clRed"), "clRed"},
        {"ShadowColor", QStringLiteral("$00123456"), "$00123456"},
        {"Cursor", QStringLiteral("crHandPoint"), "crHandPoint"},
        {"Anchors.akBottom", true, "Да"},
        {"Constraints.MaxWidth", QStringLiteral("300"), "300"},
        {"Text", QStringList({"один", "два"}), "2 строки"},
        {"Font", QVariantMap{{"Name", "Verdana"}, {"Height", -20}},
         "Verdana, 15, жирный курсив, здесь похожим шрифтом, строки в Windows могут лечь иначе"},
        {"Font", QVariantMap{{"Name", "Arial"}, {"Height", -20}}, "Arial, 15, жирный курсив"},
    };
    for (const Step &step : steps) {
        const QString path = QString::fromLatin1(step.path);
        const QString before = shown(path);
        const int count = project.UndoStack().count();
        ASSERT_TRUE(edit(path, step.value)) << step.path;
        EXPECT_EQ(shown(path), step.expected) << step.path;
        EXPECT_EQ(project.UndoStack().count(), count + 1) << step.path;
        project.UndoStack().undo();
        EXPECT_EQ(shown(path), before) << step.path;
        project.UndoStack().redo();
    }
    EXPECT_EQ(heading->Text(), QStringList({"один", "два"}));
    EXPECT_EQ(heading->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_TRUE(heading->Font()->Style().testFlag(TFont::fsBold));
    EXPECT_EQ(heading->Color(), TColor(TColor::clRed));

    while (project.UndoStack().canUndo())
        project.UndoStack().undo();
    EXPECT_EQ(heading->Left(), left);
    EXPECT_EQ(heading->BorderStyle(), TTextBox::tbsNone);
    EXPECT_FALSE(heading->Font()->Style().testFlag(TFont::fsBold));

    // A picture, and renaming a button through its caption.
    inspect("Выход");
    TPicButton *exit = editor.PicButtons().first();
    ASSERT_TRUE(edit("Pictures.Default", QVariant::fromValue(TPictureValue())));
    EXPECT_TRUE(exit->Pictures()->Default()->isEmpty());
    project.UndoStack().undo();
    EXPECT_EQ(exit->Width(), 64);
    ASSERT_TRUE(edit("Caption", QStringLiteral("Закрыть")));
    EXPECT_EQ(editor.Tree().Selected()->text(), QStringLiteral("Закрыть"));
    project.UndoStack().undo();
    EXPECT_EQ(editor.Tree().Selected()->text(), QStringLiteral("Выход"));
}
