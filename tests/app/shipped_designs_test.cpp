#include "app/cli/Cli.h"
#include "app/cli/CliEditor.h"
#include "layout/TDesignFactsReader.h"
#include "layout/TDesignThumbnails.h"
#include "project/TBaseItem.h"
#include "project/TDesignGallery.h"
#include "project/TProjectCheck.h"
#include "rules/FontTwins.h"
#include "window/TButtonBox.h"
#include "window/TPicButton.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every design shipped with the program, checked as a user would meet it.

namespace {

// A design's texts fall here as on Windows only in a family with a metric twin.
bool HasTwin(const QString &family)
{
    return rules::HasMetricTwin(family.toStdString());
}

QList<TGalleryDesign> Shipped()
{
    QList<TGalleryDesign> shipped;
    for (const TGalleryDesign &d : TDesignGallery(QStringLiteral("/nonexistent")).Designs())
        if (!d.own)
            shipped << d;
    return shipped;
}

// A disc folder with the player and one program for each of eight entries, a
// group among them with an entry of its own.
struct TSampleDisc
{
    QTemporaryDir dir;
    TSampleDisc()
    {
        for (const QString &name : {QStringLiteral("Velmora.EXE"), QStringLiteral("setup.exe")})
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    }
    void Fill(TCommandTree &tree) const
    {
        const TMenuSource::Level sample = TDesignThumbnails::SampleLevel();
        for (int i = 0; i < sample.entries.size(); ++i) {
            const bool group = i == 2;
            TBaseItem *item = tree.AddItem(sample.entries.at(i).caption, group ? ikGroup : ikProgram,
                                           TCommandTree::TPlace::LastChildOf(nullptr), false);
            if (group) {
                TBaseItem *inner = tree.AddItem(QStringLiteral("Драйвер принтера"), ikProgram,
                                                TCommandTree::TPlace::LastChildOf(item), false);
                tree.SetCustom(inner, QStringLiteral("setup.exe"));
            } else {
                tree.SetCustom(item, QStringLiteral("setup.exe"));
            }
        }
        tree.Select(tree.FirstItem());
    }
};

} // namespace

TEST(ShippedDesigns, SixDesignsInTheGalleryEachReadsAndRendersAtItsOwnSize)
{
    const QList<TGalleryDesign> shipped = Shipped();
    ASSERT_GE(shipped.size(), 6);
    QSize smallest(100000, 100000), largest;
    for (const TGalleryDesign &d : shipped) {
        SCOPED_TRACE(d.name.toStdString());
        EXPECT_FALSE(d.title.isEmpty());
        EXPECT_FALSE(d.description.isEmpty());
        cli::Editor editor;
        editor.project.LoadProject(d.fileName, TProject::WholeProject());
        const QSize client(editor.form.ClientWidth(), editor.form.ClientHeight());
        EXPECT_GE(client.width(), 640);
        EXPECT_LE(client.width(), 1024);
        EXPECT_GE(client.height(), 480);
        EXPECT_LE(client.height(), 768);
        smallest = smallest.boundedTo(client);
        largest = largest.expandedTo(client);
        const QImage image = TDesignThumbnails::Render(d.fileName, TDesignThumbnails::SampleLevel());
        EXPECT_EQ(image.size(), client);
    }
    // The range is covered at both ends.
    EXPECT_EQ(smallest, QSize(640, 480));
    EXPECT_EQ(largest, QSize(1024, 768));
}

TEST(ShippedDesigns, ASampleProjectWithEachChecksWithoutAWarningAndItsMenuShowsEightEntriesUncut)
{
    for (const TGalleryDesign &d : Shipped()) {
        SCOPED_TRACE(d.name.toStdString());
        TSampleDisc disc;
        cli::Editor editor;
        disc.Fill(editor.project.Tree());
        editor.project.LoadProject(d.fileName, TProject::DesignFile());

        const TDesignFacts facts = ReadDesignFacts(editor.form, editor.layout.PicButtons());
        const QList<TFinding> findings = TProjectCheck::Run(editor.project, disc.dir.path(), &facts);
        for (const TFinding &f : findings)
            if (f.severity != TFinding::fsInfo)   // the disc's size is news, not a fault
                ADD_FAILURE() << f.Line().toStdString();

        // Fonts of the standard Windows set everywhere.
        TPreviewForm &form = editor.form;
        for (TTextBox *box : {static_cast<TTextBox *>(form.MenuArea()), form.Heading(), form.CommentArea()})
            EXPECT_TRUE(HasTwin(box->Font()->Name())) << box->Font()->Name().toStdString();
        // A visible way out, up, to the disc and to help, each with its picture.
        QList<TPicButton::TButtonAction> actions;
        for (TPicButton *b : editor.layout.PicButtons()) {
            EXPECT_TRUE(HasTwin(b->Font()->Name())) << b->Font()->Name().toStdString();
            if (b->Visible() && !b->Pictures()->Default()->isEmpty())
                actions << b->Action();
        }
        for (auto wanted : {TPicButton::baExit, TPicButton::baBrowse, TPicButton::baHelp, TPicButton::baLevelUp})
            EXPECT_TRUE(actions.contains(wanted)) << int(wanted);
        for (const QString &caption : {QStringLiteral("Выход"), QStringLiteral("Проводник"), QStringLiteral("Справка")}) {
            bool found = false;
            for (TPicButton *b : editor.layout.PicButtons())
                found = found || b->Caption() == caption;
            EXPECT_TRUE(found) << caption.toStdString();
        }

        // The menu lists all eight top-level entries, none shortened.
        form.setMenuSource(&editor.project.Tree());
        form.fillMenu();
        form.renderClient(false);
        TButtonBox *menu = form.MenuArea();
        ASSERT_EQ(menu->Text().size(), 8);
        EXPECT_GE(menu->LastRows() * menu->LastColumns(), 8);
        for (const QString &caption : menu->Text()) {
            const int width = menu->MeasureItem(caption).width();
            EXPECT_EQ(menu->ButtonStyle()->ShortenedText(caption, width), caption);
            EXPECT_LE(width, menu->ColumnWidth());
        }
        const int rowsUsed = std::min<int>(8, menu->LastRows());
        const int pitch = menu->MeasureItem(TButtonBox::kRowSample).height() + menu->RowSpacing();
        EXPECT_LE(rowsUsed * pitch - menu->RowSpacing(), menu->Height());
    }
}

// The thumbnails against small reference pictures kept with the tests: 96 x 72,
// compared channel by channel. The text in them depends on the fonts a machine
// has, so a thumbnail passes when its mean difference is at most 6 of 255 and
// at most 4 % of its pixels differ by more than 48 in some channel; a changed
// colour, picture or layout of a design fails it.
// BRENWICK_UPDATE_THUMBNAILS=1 writes the references anew.
TEST(ShippedDesigns, ThumbnailsMatchTheirReferencePictures)
{
    const QString folder = QStringLiteral(BRENWICK_TEST_DATA "/thumbnails");
    const bool update = qEnvironmentVariableIntValue("BRENWICK_UPDATE_THUMBNAILS") == 1;
    const QList<TGalleryDesign> shipped = Shipped();
    TDesignThumbnails thumbnails;
    const QList<QImage> drawn = thumbnails.Draw(shipped, TDesignThumbnails::SampleLevel());
    ASSERT_EQ(drawn.size(), shipped.size());
    for (int i = 0; i < shipped.size(); ++i) {
        SCOPED_TRACE(shipped.at(i).name.toStdString());
        const QImage small = drawn.at(i)
                                 .scaled(96, 72, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB32);
        const QString path = folder + QLatin1Char('/') + shipped.at(i).name + QStringLiteral(".png");
        if (update) {
            QDir().mkpath(folder);
            ASSERT_TRUE(small.save(path));
            continue;
        }
        const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(reference.size(), small.size()) << path.toStdString();
        qint64 sum = 0;
        int off = 0;
        for (int y = 0; y < 72; ++y)
            for (int x = 0; x < 96; ++x) {
                const QRgb a = small.pixel(x, y), b = reference.pixel(x, y);
                const int dr = std::abs(qRed(a) - qRed(b)), dg = std::abs(qGreen(a) - qGreen(b)),
                          db = std::abs(qBlue(a) - qBlue(b));
                sum += dr + dg + db;
                off += std::max({dr, dg, db}) > 48;
            }
        EXPECT_LE(double(sum) / (96 * 72 * 3), 6.0);
        EXPECT_LE(off, 96 * 72 * 4 / 100);
    }
}

TEST(ShippedDesigns, ThumbnailsShowTheVisibleTopLevelOrTheSampleAndAreKeptPerLevel)
{
    struct TLevelSource : TMenuSource
    {
        Level level;
        bool isTreeEmpty() const override { return level.entries.isEmpty(); }
        Level currentLevel() const override { return level; }
    } source;
    source.level.entries = {{QStringLiteral("А"), false}, {QStringLiteral("Б"), true}, {QStringLiteral("В"), false}};
    source.level.current = 2;
    TMenuSource::Level shown = TDesignThumbnails::LevelOf(source);
    ASSERT_EQ(shown.entries.size(), 2);
    EXPECT_EQ(shown.entries.at(1).caption, QStringLiteral("В"));
    EXPECT_EQ(shown.current, 0);
    // Inside a group, or with every entry hidden, the sample stands in.
    const int sample = int(TDesignThumbnails::SampleLevel().entries.size());
    EXPECT_EQ(sample, 8);
    source.level.hasGroup = true;
    EXPECT_EQ(TDesignThumbnails::LevelOf(source).entries.size(), sample);
    source.level.hasGroup = false;
    source.level.entries = {{QStringLiteral("А"), true}};
    EXPECT_EQ(TDesignThumbnails::LevelOf(source).entries.size(), sample);

    const QList<TGalleryDesign> two = Shipped().mid(0, 2);
    TGalleryDesign missing = two.first();
    missing.fileName = QStringLiteral("/nonexistent/x.xml");
    TDesignThumbnails thumbnails;
    const QList<QImage> first = thumbnails.Draw(two + QList<TGalleryDesign>{missing}, shown);
    ASSERT_EQ(first.size(), 3);
    EXPECT_EQ(first.at(0).size(), QSize(192, 144));
    EXPECT_TRUE(first.at(2).isNull());   // not kept: it is tried again next time
    EXPECT_EQ(thumbnails.KeptCount(), 2);
    EXPECT_EQ(thumbnails.Draw(two, shown).at(1), first.at(1));
    EXPECT_EQ(thumbnails.KeptCount(), 2);
    // Another level draws anew; forgetting a file drops it for every level.
    const QList<QImage> other = thumbnails.Draw(two, TDesignThumbnails::SampleLevel());
    EXPECT_EQ(thumbnails.KeptCount(), 4);
    EXPECT_NE(other.at(0), first.at(0));
    thumbnails.Forget(two.first().fileName);
    EXPECT_EQ(thumbnails.KeptCount(), 2);
}
