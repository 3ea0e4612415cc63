#include "app/TDesignFileLink.h"
#include "app/TDesignGalleryForm.h"
#include "app/TDesignGalleryLink.h"
#include "app/TDesignWindowLink.h"
#include "app/TLayoutPageLink.h"
#include "app/TMainForm.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TBaseItem.h"
#include "support/CliRunner.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TGalleryFixture
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    TMainForm main{dir.filePath(QStringLiteral("brenwick.ini")), &prompt};
    TPreviewForm preview;
    TLayoutEditor *layout = nullptr;
    TDesignGalleryLink *link = nullptr;

    TGalleryFixture()
    {
        linkDesignWindow(main, preview);
        layout = linkLayoutPage(main, preview);
        linkDesignFile(main, preview, *layout);
        layout->FormShow();
        main.Project().KeepFreshState();
        link = new TDesignGalleryLink(main, dir.filePath(QStringLiteral("designs")));
    }
    TGalleryDesign Design(const QString &name) { return *link->Gallery().Find(name); }
};

} // namespace

TEST(DesignGalleryLink, ApplyingADesignIsOneUndoStepThatKeepsTheCommandsAndOptions)
{
    TGalleryFixture f;
    TProject &project = f.main.Project();
    f.main.Tree().AddItem(QStringLiteral("Игры"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr), false);
    project.Options().SetRootDir(QStringLiteral("D:\\Disc"));
    project.UndoStack().clear();
    project.SetModified(false);

    ASSERT_TRUE(f.link->ApplyDesign(f.Design(QStringLiteral("classic"))));
    EXPECT_EQ(f.preview.ClientWidth(), 640);
    EXPECT_EQ(f.preview.ClientHeight(), 480);
    EXPECT_EQ(f.layout->PicButtons().size(), 4);
    EXPECT_EQ(f.main.Tree().TopLevel().size(), 1);
    EXPECT_EQ(project.Options().RootDir(), QStringLiteral("D:\\Disc"));
    EXPECT_EQ(project.UndoStack().count(), 1);
    EXPECT_TRUE(project.Modified());
    project.UndoStack().undo();
    EXPECT_EQ(f.preview.ClientWidth(), 512);
    EXPECT_EQ(f.layout->PicButtons().size(), 3);
    EXPECT_EQ(project.Options().RootDir(), QStringLiteral("D:\\Disc"));
    EXPECT_FALSE(project.Modified());

    // A design file that does not read changes nothing and makes no step.
    TGalleryDesign broken = f.Design(QStringLiteral("dark"));
    broken.fileName = f.dir.filePath(QStringLiteral("missing.xml"));
    EXPECT_FALSE(f.link->ApplyDesign(broken));
    EXPECT_EQ(project.UndoStack().count(), 1);
    EXPECT_EQ(f.preview.ClientWidth(), 512);
}

TEST(DesignGalleryLink, ANewProjectFromADesignAsksFirstAndStartsUnmodified)
{
    TGalleryFixture f;
    TProject &project = f.main.Project();
    f.main.Tree().AddItem(QStringLiteral("Игры"), ikProgram, TCommandTree::TPlace::LastChildOf(nullptr), false);
    project.SetModified(true);

    f.prompt.answers = {UserPrompt::Answer::Cancel};
    EXPECT_FALSE(f.link->NewFromDesign(f.Design(QStringLiteral("flat"))));
    EXPECT_EQ(f.prompt.asked.size(), 1);
    EXPECT_EQ(f.main.Tree().TopLevel().size(), 1);
    EXPECT_EQ(f.preview.ClientWidth(), 512);

    f.prompt.answers = {UserPrompt::Answer::No};
    ASSERT_TRUE(f.link->NewFromDesign(f.Design(QStringLiteral("flat"))));
    EXPECT_EQ(f.prompt.asked.size(), 2);   // asked once more, not twice
    EXPECT_TRUE(f.main.Tree().TopLevel().isEmpty());
    EXPECT_EQ(f.preview.ClientWidth(), 1024);
    EXPECT_FALSE(project.Modified());
    EXPECT_EQ(project.UndoStack().count(), 0);
    EXPECT_TRUE(project.FileName().isEmpty());
}

TEST(DesignGalleryLink, TheGalleryOffersOwnDesignsAndRemovesThemAfterAsking)
{
    TGalleryFixture f;
    f.preview.setClientWidth(600);
    // Saving: a name is asked; an existing one only replaced after a Yes.
    f.prompt.texts = {QStringLiteral("Мой вид")};
    f.main.ASaveAsSample->trigger();
    ASSERT_TRUE(f.link->Gallery().Find(QStringLiteral("moy-vid")).has_value());
    f.prompt.texts = {QStringLiteral("мой  ВИД")};
    f.prompt.answers = {UserPrompt::Answer::No};
    f.main.ASaveAsSample->trigger();
    ASSERT_EQ(f.prompt.asked.size(), 1);
    EXPECT_TRUE(f.prompt.asked.at(0).text.contains(QStringLiteral("«Мой вид»")));
    EXPECT_EQ(f.link->Gallery().Find(QStringLiteral("moy-vid"))->title, QStringLiteral("Мой вид"));
    f.prompt.texts = {QString()};   // cancelled
    f.main.ASaveAsSample->trigger();
    EXPECT_EQ(f.link->Gallery().Designs().size(), 7);

    int shown = 0;
    f.link->RunForm = [&](TDesignGalleryForm &form) {
        ++shown;
        ASSERT_EQ(form.List()->count(), 7);
        EXPECT_FALSE(form.bRemove->isEnabled());   // a shipped one is current
        ASSERT_TRUE(form.SelectName(QStringLiteral("moy-vid")));
        EXPECT_TRUE(form.List()->item(6)->text().startsWith(QStringLiteral("Мой вид\n")));
        EXPECT_FALSE(form.List()->item(6)->icon().isNull());
        f.prompt.answers = {UserPrompt::Answer::No, UserPrompt::Answer::Yes};
        form.bRemove->click();
        EXPECT_EQ(form.List()->count(), 7);
        form.bRemove->click();
        EXPECT_EQ(form.List()->count(), 6);
        EXPECT_FALSE(form.SelectName(QStringLiteral("moy-vid")));
        ASSERT_TRUE(form.SelectName(QStringLiteral("kids")));
        form.bApply->click();
    };
    f.main.ADesignGallery->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(f.link->Gallery().Find(QStringLiteral("moy-vid")).has_value());
    EXPECT_EQ(f.preview.ClientWidth(), 800);   // kids applied
    EXPECT_EQ(f.main.Project().UndoStack().count(), 1);
    // Drawn once per design for this project, the removed one forgotten; the
    // second opening draws nothing.
    const int kept = f.link->Thumbnails().KeptCount();
    EXPECT_EQ(kept, 6);
    f.link->RunForm = [](TDesignGalleryForm &form) { form.bClose->click(); };
    f.main.ADesignGallery->trigger();
    EXPECT_EQ(f.link->Thumbnails().KeptCount(), kept);
    EXPECT_EQ(f.main.Project().UndoStack().count(), 1);

    // "Создать проект": the close question, then a fresh project with the design.
    f.prompt.answers = {UserPrompt::Answer::No};
    f.link->RunForm = [](TDesignGalleryForm &form) {
        ASSERT_TRUE(form.SelectName(QStringLiteral("classic")));
        form.bNew->click();
    };
    f.main.ADesignGallery->trigger();
    EXPECT_EQ(f.preview.ClientWidth(), 640);
    EXPECT_EQ(f.main.Project().UndoStack().count(), 0);
    EXPECT_FALSE(f.main.Project().Modified());
}

TEST(DesignGalleryLink, ASampleThatCannotBeWrittenIsReported)
{
    TGalleryFixture f;
    QFile blocker(f.dir.filePath(QStringLiteral("designs")));   // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.prompt.texts = {QStringLiteral("Вид")};
    f.main.ASaveAsSample->trigger();
    ASSERT_EQ(f.prompt.asked.size(), 1);
    EXPECT_EQ(f.prompt.asked.at(0).icon, UserPrompt::Icon::Error);
    EXPECT_EQ(f.link->Gallery().Designs().size(), 6);
}

TEST(DesignGalleryLink, TheCommandLineListsTheGalleryAndAppliesADesignByName)
{
    QTemporaryDir dir;
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    {
        TProject project;
        TDesignGallery().SaveOwn(project, QStringLiteral("Свой"), QStringLiteral("строка"));
    }
    const CliRun list = RunCli({QStringLiteral("design"), QStringLiteral("list")});
    EXPECT_EQ(list.status, 0);
    const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("dark\t")));
    EXPECT_EQ(lines.first().count(QLatin1Char('\t')), 2);
    EXPECT_EQ(lines.last(), QStringLiteral("svoy\tСвой\tстрока"));
    EXPECT_EQ(RunCli({QStringLiteral("design"), QStringLiteral("list"), QStringLiteral("x")}).status, 2);
    EXPECT_EQ(RunCli({QStringLiteral("design"), QStringLiteral("list"), QStringLiteral("-o"), QStringLiteral("x")}).status, 2);
    EXPECT_EQ(RunCli({QStringLiteral("design"), QStringLiteral("extract")}).status, 2);

    const QString project = dir.filePath(QStringLiteral("p.xml"));
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    ASSERT_EQ(RunCli({QStringLiteral("resave"), QStringLiteral(":/designs/dark.xml"), project}).status, 0);
    {
        // The project's own disc folder, which a gallery design leaves alone.
        QFile file(project);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QByteArray bytes =
            file.readAll().replace("  <exitoptions", "  <rootdir>D:\\Disc</rootdir>\r\n  <exitoptions");
        file.resize(0);
        file.write(bytes);
    }
    const CliRun apply = RunCli({QStringLiteral("design"), QStringLiteral("apply"), QStringLiteral("classic"), project,
                                 QStringLiteral("-o"), out});
    EXPECT_EQ(apply.status, 0) << apply.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.contains("<position width=\"640\" height=\"480\"/>"));
    EXPECT_TRUE(written.contains("<rootdir>D:\\Disc</rootdir>"));
    const CliRun unknown = RunCli({QStringLiteral("design"), QStringLiteral("apply"), QStringLiteral("no-such"),
                                   project, QStringLiteral("-o"), dir.filePath(QStringLiteral("x.xml"))});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.xml"))));
    qputenv("XDG_DATA_HOME", before);
}
