#include "kit/TPropertyGrid.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"
#include "window/TTextBox.h"

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct FontChoice : ::testing::Test
{
    TPreviewForm form;
    TProject project;
    ScriptedPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    TPropertyGridModel &model = editor.Inspector();
    TPropertyDelegate delegate{model};

    void SetUp() override
    {
        editor.FormShow();
        for (QStandardItem *node : editor.Tree().AllNodes())
            if (node->text() == QStringLiteral("Надпись наверху"))
                editor.Tree().Select(node);
        TFont *font = form.Heading()->Font();
        font->setName(QStringLiteral("Times New Roman"));
        font->setHeight(-21);   // 16 points, not exactly
        font->setStyle(TFont::fsItalic);
    }
    bool runFontDialog()
    {
        return delegate.runDialog(nullptr, model.IndexOfPath("Font", TPropertyGridModel::ValueColumn));
    }
};

} // namespace

TEST_F(FontChoice, TheDialogReturnsWhatTheUserChose)
{
    TFont *font = form.Heading()->Font();
    // Confirmed untouched: nothing changes, no step.
    prompt.fontAnswers << [](QFont &) {};
    EXPECT_FALSE(runFontDialog());
    ASSERT_EQ(prompt.fontsShown.size(), 1);
    EXPECT_EQ(prompt.fontsShown[0].family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(prompt.fontsShown[0].pointSize(), 16);
    EXPECT_TRUE(prompt.fontsShown[0].italic());
    EXPECT_EQ(font->Height(), -21);
    EXPECT_EQ(project.UndoStack().count(), 0);
    EXPECT_FALSE(project.Modified());

    // Bold added: one step, the family and the uneven height kept.
    prompt.fontAnswers << [](QFont &f) { f.setBold(true); };
    EXPECT_TRUE(runFontDialog());
    EXPECT_EQ(font->Name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(font->Height(), -21);
    EXPECT_EQ(font->Style(), TFont::fsItalic | TFont::fsBold);
    EXPECT_EQ(project.UndoStack().count(), 1);
    // A new size; then a cancelled dialog changes nothing.
    prompt.fontAnswers << [](QFont &f) { f.setPointSize(20); };
    EXPECT_TRUE(runFontDialog());
    EXPECT_EQ(font->Height(), -27);
    EXPECT_EQ(model.IndexOfPath("Font", TPropertyGridModel::ValueColumn).data().toString(),
              QStringLiteral("Times New Roman, 20, жирный курсив"));
    EXPECT_FALSE(runFontDialog());
    EXPECT_EQ(project.UndoStack().count(), 2);
}

// The dialog shows a missing family as its substitute; confirming keeps the
// family the design names, choosing another family takes it.
TEST(FontDialogAnswer, AttributesLeftAsShownKeepTheirInitialValue)
{
    QFont initial(QStringLiteral("Times New Roman"), 16);
    initial.setItalic(true);
    QFont shown(QStringLiteral("Liberation Serif"), 16);
    shown.setItalic(true);
    QFont bigger = shown;
    bigger.setPointSize(20);
    QFont chosen = QtUserPrompt::chosenFont(initial, shown, bigger);
    EXPECT_EQ(chosen.family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(chosen.pointSize(), 20);
    EXPECT_TRUE(chosen.italic());
    QFont other(QStringLiteral("DejaVu Sans"), 16);
    chosen = QtUserPrompt::chosenFont(initial, shown, other);
    EXPECT_EQ(chosen.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_FALSE(chosen.italic());

    // The real dialog, confirmed at once.
    QtUserPrompt real;
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    ASSERT_TRUE(real.font(QStringLiteral("Шрифт"), initial, &chosen));
    EXPECT_EQ(chosen.family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(chosen.pointSize(), 16);
    EXPECT_TRUE(chosen.italic());
}

// The fonts designs name are drawn with their metric twins where missing.
TEST(FontTwins, NamedFontsDrawWithTheirMetricTwins)
{
    const std::pair<const char *, const char *> twins[] = {
        {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};
    for (const auto &[family, twin] : twins) {
        TFont font;
        font.setName(QString::fromLatin1(family));
        const QString drawn = QFontInfo(font.toQFont()).family();
        EXPECT_TRUE(drawn == QLatin1String(family) || drawn == QLatin1String(twin)) << family << " " << drawn.toStdString();
    }
}
