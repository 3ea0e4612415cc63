#include "base/BmpFile.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"
#include "window/TPicButton.h"
#include "window/TTextBox.h"

#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct InspectorTexts : ::testing::Test
{
    TPreviewForm form;
    TProject project;
    ScriptedPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    TPropertyGridModel &model = editor.Inspector();

    void SetUp() override { editor.FormShow(); }

    void inspect(const QString &caption)
    {
        for (QStandardItem *node : editor.Tree().AllNodes())
            if (node->text() == caption) {
                ASSERT_TRUE(editor.Tree().Select(node));
                return;
            }
        FAIL() << "no node " << caption.toStdString();
    }
    QModelIndex value(const QString &path) { return model.IndexOfPath(path, TPropertyGridModel::ValueColumn); }
    QString shown(const QString &path) { return value(path).data().toString(); }
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
