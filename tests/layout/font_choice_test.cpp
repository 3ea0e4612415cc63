#include "kit/QtUserPrompt.h"
#include "kit/TPropertyGrid.h"
#include "support/EditorFixture.h"
#include "window/TTextBox.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct FontChoice : ::testing::Test, EditorFixture
{
    TPropertyDelegate delegate{model};

    void SetUp() override
    {
        inspect(QStringLiteral("Надпись наверху"));
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

    // The real dialog, confirmed at once: it opened on the family itself or
    // on its metric twin, named in its title.
    QtUserPrompt real;
    QString opened;
    QString title;
    QTimer::singleShot(0, [&opened, &title] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget())) {
            opened = dialog->currentFont().family();
            title = dialog->windowTitle();
            dialog->accept();
        }
    });
    ASSERT_TRUE(real.font(QStringLiteral("Шрифт"), initial, &chosen));
    QString expected;
    QtUserPrompt::dialogFamily(initial.family(), QFontDatabase::families(), QFontInfo(initial).family(), &expected);
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(title.contains(QStringLiteral("Liberation Serif")), expected == QStringLiteral("Liberation Serif"));
    EXPECT_EQ(chosen.family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(chosen.pointSize(), 16);
    EXPECT_TRUE(chosen.italic());
}

// The font dialog opens on the stored family, its metric twin, or what is drawn in its place.
TEST(FontDialogAnswer, TheDialogOpensOnTheFamilyOrWhatStandsInForIt)
{
    using Shown = QtUserPrompt::FamilyShown;
    struct Case
    {
        const char *stored;
        QStringList installed;
        const char *substitute;
        Shown how;
        const char *shown;
    };
    const Case cases[] = {
        {"times new roman", {"Times New Roman", "Tinos"}, "Tinos", Shown::Itself, "times new roman"},
        {"Times New Roman", {"DejaVu Sans", "Tinos"}, "DejaVu Sans", Shown::MetricTwin, "Tinos"},
        {"Arial", {"Liberation Serif", "Liberation Sans"}, "DejaVu Sans", Shown::MetricTwin, "Liberation Sans"},
        {"Arial", {"Liberation Serif", "DejaVu Sans"}, "DejaVu Sans", Shown::Substitute, "DejaVu Sans"},
        {"MS Sans Serif", {"DejaVu Sans"}, "Nowhere", Shown::Itself, "MS Sans Serif"},
    };
    for (const Case &c : cases) {
        QString shown;
        EXPECT_EQ(QtUserPrompt::dialogFamily(QString::fromLatin1(c.stored), c.installed,
                                             QString::fromLatin1(c.substitute), &shown),
                  c.how)
            << c.stored;
        EXPECT_EQ(shown, QString::fromLatin1(c.shown)) << c.stored;
    }
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
