#include "base/BmpFile.h"
#include "layout/TInspectorConfig.h"
#include "support/EditorFixture.h"
#include "window/TPicButton.h"
#include "window/TTextBox.h"

#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct InspectorTexts : ::testing::Test, EditorFixture
{
    bool edit(const QString &path, const QVariant &v) { return model.setData(value(path), v); }
    // Every row below a parent, depth first.
    void walk(const QModelIndex &parent, const std::function<void(const QModelIndex &)> &visit)
    {
        for (int r = 0; r < model.rowCount(parent); ++r) {
            const QModelIndex child = model.index(r, 0, parent);
            if (!model.IsGroup(child))
                visit(child);
            walk(child, visit);
        }
    }
};

} // namespace

// Every row of every object has a description, and no object shows two rows
// under one name at one level.
TEST_F(InspectorTexts, EveryRowIsDescribedAndNamedOnce)
{
    for (QStandardItem *node : editor.Tree().AllNodes()) {
        if (!editor.Tree().Select(node))
            continue;   // a heading
        QHash<QString, QSet<QString>> namesByLevel;   // parent path -> names
        walk(QModelIndex(), [&](const QModelIndex &row) {
            const QString path = model.Path(row);
            EXPECT_FALSE(model.Description(row).isEmpty()) << node->text().toStdString() << " " << path.toStdString();
            const QString parent = path.section(QLatin1Char('.'), 0, -2);
            EXPECT_FALSE(namesByLevel[parent].contains(row.data().toString()))
                << node->text().toStdString() << " " << path.toStdString();
            namesByLevel[parent].insert(row.data().toString());
        });
    }
    inspect("Кнопки в меню");
    EXPECT_EQ(model.IndexOfPath("Style").data().toString(), QStringLiteral("Стиль"));
    EXPECT_EQ(model.IndexOfPath("Font.Style").data().toString(), QStringLiteral("Начертание"));
}

// With display names on, values read and are chosen in Russian; with English
// names, the identifiers; the stored value is the same either way.
TEST_F(InspectorTexts, ValuesReadInTheInspectorsLanguage)
{
    inspect("Надпись наверху");
    TTextBox *heading = form.Heading();
    EXPECT_EQ(model.ChoiceTexts(value("Alignment")),
              QStringList({"По левому краю", "По правому краю", "По центру"}));
    ASSERT_TRUE(edit("Alignment", QStringLiteral("по правому краю")));   // letter case ignored
    EXPECT_EQ(heading->Alignment(), TControlWrapper::taRightJustify);
    EXPECT_EQ(shown("Alignment"), QStringLiteral("По правому краю"));
    ASSERT_TRUE(edit("Shadow", QStringLiteral("Нет")));
    EXPECT_FALSE(heading->Shadow());
    EXPECT_EQ(shown("Shadow"), QStringLiteral("Нет"));
    heading->Font()->setName(QStringLiteral("Times New Roman"));
    heading->Font()->setSize(18);
    heading->Font()->setStyle(TFont::fsItalic);
    model.RefreshValues();
    EXPECT_EQ(shown("Font"), QStringLiteral("Times New Roman, 18, курсив"));
    EXPECT_EQ(shown("Font.Style"), QStringLiteral("[Курсив]"));
    EXPECT_EQ(shown("Constraints"), QStringLiteral("(нет)"));
    // Each side alone is a constraint; «(нет)» only when none is set.
    const std::pair<const char *, const char *> sides[] = {{"Constraints.MaxWidth", "до 800×0"},
                                                           {"Constraints.MaxHeight", "до 0×800"},
                                                           {"Constraints.MinWidth", "от 800×0"},
                                                           {"Constraints.MinHeight", "от 0×800"}};
    for (const auto &[path, text] : sides) {
        ASSERT_TRUE(edit(QString::fromLatin1(path), QStringLiteral("800")));
        EXPECT_EQ(shown("Constraints"), QString::fromUtf8(text));
        ASSERT_TRUE(edit(QString::fromLatin1(path), QStringLiteral("0")));
    }
    EXPECT_EQ(shown("Constraints"), QStringLiteral("(нет)"));
    // Russian plural forms of the line count, at their edges.
    const std::pair<int, const char *> counts[] = {
        {0, "0 строк"}, {1, "1 строка"}, {4, "4 строки"}, {5, "5 строк"}, {11, "11 строк"}, {21, "21 строка"},
        {22, "22 строки"}, {112, "112 строк"}};
    for (const auto &[count, text] : counts) {
        ASSERT_TRUE(edit("Text", QStringList(count, QStringLiteral("x")))) << count;
        EXPECT_EQ(shown("Text"), QString::fromUtf8(text));
    }

    model.SetDisplayNames(false);
    EXPECT_EQ(shown("Alignment"), QStringLiteral("taRightJustify"));
    EXPECT_EQ(shown("Shadow"), QStringLiteral("False"));
    EXPECT_EQ(shown("Font"), QStringLiteral("(TFont)"));
    EXPECT_EQ(shown("Text"), QStringLiteral("(TStrings)"));
    EXPECT_EQ(shown("Anchors"), QStringLiteral("[akLeft,akTop,akRight]"));
    EXPECT_EQ(model.ChoiceTexts(value("Shadow")), QStringList({"False", "True"}));
    ASSERT_TRUE(edit("Alignment", QStringLiteral("taCenter")));
    EXPECT_EQ(heading->Alignment(), TControlWrapper::taCenter);

    inspect("Выход");
    model.SetDisplayNames(true);
    EXPECT_EQ(shown("Pictures"), QStringLiteral("Обычная, Выделенная, Нажатая"));
    EXPECT_EQ(shown("Pictures.Default"), QStringLiteral("BMP 64×64, 24 бит"));
    ASSERT_TRUE(edit("Pictures.Selected", QVariant::fromValue(TPictureValue())));
    EXPECT_EQ(shown("Pictures.Selected"), QStringLiteral("(нет)"));
    EXPECT_EQ(shown("Pictures"), QStringLiteral("Обычная, Нажатая"));
    EXPECT_EQ(shown("Action"), QStringLiteral("Выход"));
}

// The bit count shown for a bitmap is the one its saved bytes carry.
TEST(BmpBitCount, MatchesTheWrittenHeader)
{
    auto indexed = [](int colours) {
        QImage image(3, 2, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table << qRgb(i, 255 - i, i / 2);
        image.setColorTable(table);
        image.fill(uint(colours - 1));
        return image;
    };
    QImage mono(9, 2, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1);
    QImage alpha(5, 3, QImage::Format_ARGB32);
    alpha.fill(qRgba(10, 20, 30, 40));
    TBitmapLayout sixteen;
    sixteen.known = true;
    sixteen.bitCount = 16;
    TBitmapLayout eight;
    eight.known = true;
    eight.bitCount = 8;
    const std::pair<QImage, TBitmapLayout> cases[] = {
        {indexed(16), {}}, {indexed(17), {}}, {mono, {}}, {alpha, {}}, {alpha, sixteen},
        {indexed(16), eight}, {indexed(17), eight}, {mono, eight}};
    constexpr int kBitCountAt = 14 + 14;   // file header, then the info header's bit count
    for (const auto &[image, layout] : cases) {
        const QByteArray bytes = WriteBmp(image, layout);
        ASSERT_GT(bytes.size(), kBitCountAt + 2);
        EXPECT_EQ(BmpBitCount(image, layout), qFromLittleEndian<quint16>(bytes.constData() + kBitCountAt))
            << image.format() << " " << image.colorCount() << " " << layout.bitCount;
    }
    EXPECT_EQ(BmpBitCount(QImage()), 0);
}

// The display names, groups and descriptions are the design's own texts: the
// tables below are written as the design gives them, and only the spelling
// fixes listed may differ in what the inspector shows.
TEST(InspectorConfigTexts, AliasesGroupsAndDescriptionsAreTheDesignsOwnTexts)
{
    // group, property, display name
    const char *const aliases[][3] = {
        {"Внешний вид", "AlphaBlend", "Полупрозрачное"},
        {"Внешний вид", "AlphaBlendValue", "Непрозрачность"},
        {"Внешний вид", "BorderColor", "Цвет границы"},
        {"Внешний вид", "BorderStyle", "Вид границы"},
        {"Внешний вид", "ButtonStyle", "Вид кнопок"},
        {"Внешний вид", "Caption", "Заголовок"},
        {"Внешний вид", "ShowCaption", "Показывать заголовок"},
        {"Внешний вид", "Cursor", "Курсор"},
        {"Внешний вид", "Visible", "Присутствует"},
        {"Внешний вид", "WordWrap", "Перенос по словам"},
        {"Внешний вид", "Columns", "Колонки"},
        {"Внешний вид", "HorizAlloc", "Горизонтально"},
        {"Внешний вид", "AutoColumns", "Авто колонки"},
        {"Цвета", "Color", "Цвет фона"},
        {"Цвета", "ColorSelected", "Выделенный текст"},
        {"Цвета", "ColorNormal", "Обычный текст"},
        {"Цвета", "ColorGradient", "Градиент"},
        {"Цвета", "ColorTop", "Цвет сверху"},
        {"Цвета", "ColorBottom", "Цвет снизу"},
        {"Цвета", "Transparent", "Прозрачный фон"},
        {"Цвета", "TransparentColor", "Дыры в окне"},
        {"Цвета", "TransparentColorValue", "Цвет дыр"},
        {"Картинка", "Center", "По центру"},
        {"Картинка", "Stretch", "Растяжение"},
        {"Картинка", "Proportional", "Пропорционально"},
        {"Картинка", "Picture", "Картинка"},
        {"Картинка", "Default", "Обычная"},
        {"Картинка", "Selected", "Выдленная"},
        {"Картинка", "Pressed", "Нажатая"},
        {"Картинка", "Pictures", "Картинки"},
        {"Текст", "Alignment", "Выравнивание"},
        {"Текст", "Font", "Шрифт"},
        {"Текст", "Style", "Стиль"},
        {"Текст", "fsBold", "Жирный"},
        {"Текст", "fsItalic", "Курсив"},
        {"Текст", "fsUnderline", "Подчеркнутый"},
        {"Текст", "fsStrikeOut", "Зачеркнутый"},
        {"Текст", "Size", "Размер"},
        {"Текст", "ParentFont", "Шрифт формы"},
        {"Текст", "Shadow", "Тень"},
        {"Текст", "ShadowColor", "Цвет тени"},
        {"Текст", "ShadowSize", "Размер тени"},
        {"Текст", "RowSpacing", "Между строк"},
        {"Текст", "Text", "Текст"},
        {"Текст", "PadVertical", "Отступ по вертикали"},
        {"Текст", "PadHorizontal", "Отступ по горизонтали"},
        {"Подсказка", "ShowHint", "Показывать"},
        {"Подсказка", "Hint", "Текст"},
        {"Положение", "Height", "Высота"},
        {"Положение", "Top", "Отступ сверху"},
        {"Положение", "Left", "Отступ слева"},
        {"Положение", "Width", "Ширина"},
        {"Положение", "ClientWidth", "Ширина"},
        {"Положение", "ClientHeight", "Высота"},
        {"Положение", "Align", "Выравнивание"},
        {"Поведение", "AllowChange", "Ставить группу"},
        {"Поведение", "Action", "Действие"},
        {"Поведение", "ItemID", "Пункт меню"},
        {"Поведение", "Autosize", "Авто-размер"},
        {"Поведение", "Anchors", "Привязка"},
        {"Поведение", "akLeft", "Слева"},
        {"Поведение", "akRight", "Справа"},
        {"Поведение", "akTop", "Сверху"},
        {"Поведение", "akBottom", "Снизу"},
        {"Поведение", "Constraints", "Пределы размера"},
        {"Поведение", "MaxWidth", "Макс. ширина"},
        {"Поведение", "MaxHeight", "Макс. высота"},
        {"Поведение", "MinWidth", "Мин. ширина"},
        {"Поведение", "MinHeight", "Мин. высота"},
        {"Поведение", "State", "Состояние"},
    };
    const char *const descriptions[][2] = {
        {"TForm.AlphaBlend", "Через окно станосится видно то, что под ним, но только под Windows 2000/XP."},
        {"TForm.AlphaBlendValue", "Чем меньше, тем окно прозрачнее, от 0 до 255."},
        {"TForm.BorderStyle", "Определяет тип окна - обычное, диалог, без границы и т. п. Изменять размер нельзя никогда."},
        {"TForm.Caption", "Заголовок окна автозапуска."},
        {"TForm.ColorGradient", "Градация цвета фона сверху вниз."},
        {"TForm.ColorTop", "Верхний цвет или цвет всего окна, если градиент запрещён."},
        {"TForm.ColorBottom", "Нижний цвет. Если градиент запрещен, то игнорируется."},
        {"TForm.TransparentColor", "Установить, если нужно фигурное окно. Вид границы при этом следует ставить bsNone."},
        {"TForm.TransparentColorValue", "Цвет точек в окне, которые будут прозрачными."},
        {"TControl.Visible", "Видимость объекта. Если снять, то он никуда не исчезнет."},
        {"TControl.Anchors", "Привязка объекта к краям окна при изменении его размеров. Работает только в редакторе."},
        {"TControl.Constraints", "Пределы размеров объекта при изменении таковых. Если 0, то предела нет."},
        {"TImage.Transparent", "Точки цвета, определенноо в картинке как прозрачный, становится не видно."},
        {"TImage.Center", "Центрировать картинку в ее границах."},
        {"TImage.Stretch", "Растянуть картинку до ее границ."},
        {"TImage.Proportional", "Сохранить при растяжении отношение длинн сторон картинки."},
        {"TImage.AutoSize", "Подогнать границы картинки под ее исходный размер."},
        {"TTextBox.BorderStyle", "Вид рамки - нету, выдавленная, вдавленная или линия."},
        {"TTextBox.BorderColor", "Цвет рамки, если она имеет вид просто линии."},
        {"TTextBox.RowSpacing", "Дополнительное расстояние между строками. Может быть отрицательным."},
        {"TTextBox.Shadow", "Тень от текста."},
        {"TTextBox.ShadowSize", "Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым."},
        {"TTextBox.AllowChange", "Ставить в качестве текста название текущей группы"},
        {"TButtonBox.Columns", "Количество колонок равного размера, в которое располагать кнопки."},
        {"TButtonBox.AutoColumns", "Автоматическое определение количества колонок."},
        {"TButtonBox.HorizAlloc", "Распределение кнопок по колонкам - сначала направо, потом вниз или наоборот."},
        {"TPicButton.Transparent", "Точки цвета, определенноо в картинках как прозрачный, становится не видно."},
        {"TPicButton.Center", "Центрировать картинку в границах кнопки."},
        {"TPicButton.Stretch", "Растянуть картинку до границ кнопки."},
        {"TPicButton.Proportional", "Сохранить при растяжении отношение длинн сторон картинки."},
        {"TPicButton.ColorNormal", "Цвет заголовка кнопки в обычном состоянии"},
        {"TPicButton.ColorSelected", "Цвет заголовка кнопки в выделенном состоянии"},
        {"TPicButton.PadHorizontal", "Отступ заголовка от левого или правого края"},
        {"TPicButton.PadVertical", "Отступ заголовка от верхнего или нижнего края"},
        {"TPicButton.ShowCaption", "Отображать заголовок поверх или вместо картинки"},
        {"TPicButton.AutoSize", "Автоматическая установка размера кнопки равным размеру картинки. Если её нет то 0x0."},
        {"TPicButton.State", "Состояние кнопки - чтобы посмотреть, как она выглядит нажатой или выделенной."},
        {"TPicButton.Shadow", "Тень от текста."},
        {"TPicButton.ShadowSize", "Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым."},
        {"TPicButton.Action", "Действие, которое выполняет кнопка при нажатии."},
        {"TPicButton.ItemID", "Если Действие=baExecute, то означает номер пункта меню, который выполняет кнопка."},
        {"TStyledButton.AutoSize", "Подгонять размер кнопки под размер текста плюс отступы."},
        {"TStyledButton.Style", "Вид кнопки - просто текст, системная кнопка или кнопка с картинкой."},
        {"TStyledButton.Color", "Цвет фона кнопки, если она имеет вид именно кнопки. Если нет - игнорируется."},
        {"TStyledButton.PadHorizontal", "Отступ заголовка от левого или правого края."},
        {"TStyledButton.PadVertical", "Отступ заголовка от верхнего или нижнего края."},
        {"TStyledButton.Alignment", "Выравнивание текста в кнопке - справа, слева или от центра."},
        {"TStyledButton.ColorNormal", "Цвет заголовка кнопки в обычном состоянии"},
        {"TStyledButton.ColorSelected", "Цвет заголовка кнопки в выделенном состоянии"},
        {"TStyledButton.Shadow", "Тень от текста."},
        {"TStyledButton.ShadowSize", "Отступ тени от текста, одинаковый по X и по Y. Может быть отрицательныым."},
    };
    const std::pair<const char *, const char *> spellingFixes[] = {
        {"станосится", "становится"}, {"определенноо", "определенного"}, {"длинн", "длин"},
        {"нету", "нет"},              {"отрицательныым", "отрицательным"}, {"Выдленная", "Выделенная"}};
    auto fixed = [&](const char *text) {
        QString s = QString::fromUtf8(text);
        for (const auto &[wrong, right] : spellingFixes)
            s.replace(QString::fromUtf8(wrong), QString::fromUtf8(right));
        return s;
    };
    const TInspectorConfig config;
    QStringList groups;
    for (const auto &row : aliases) {
        const QString name = QString::fromLatin1(row[1]);
        EXPECT_EQ(config.Alias(name), fixed(row[2])) << row[1];
        EXPECT_EQ(config.Group(name), QString::fromUtf8(row[0])) << row[1];
        if (!groups.contains(QString::fromUtf8(row[0])))
            groups << QString::fromUtf8(row[0]);
    }
    EXPECT_EQ(config.GroupOrder(), groups);
    EXPECT_EQ(config.Alias(QStringLiteral("AutoSize")), QStringLiteral("Авто-размер"));
    EXPECT_TRUE(config.Alias(QStringLiteral("Glyph")).isEmpty());
    for (const auto &row : descriptions)
        EXPECT_EQ(config.DescriptionOf(QString::fromLatin1(row[0])), fixed(row[1])) << row[0];
}
