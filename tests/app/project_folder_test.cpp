// The project's disc folder and its file on disk: shown and changed on the
// page "Опции проекта", questioned when a copied disc is opened, the start of
// the file dialogs, and a save over a file someone else wrote meanwhile.
#include "app/TMainForm.h"
#include "kit/TFileNameEdit.h"
#include "support/ScriptedPrompt.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProjectFolderTest : ::testing::Test
{
    QTemporaryDir temp;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> form;

    QString At(const QString &path) const { return temp.filePath(path); }
    void SetUp() override
    {
        form = std::make_unique<TMainForm>(At(QStringLiteral("brenwick.ini")), &prompt);
        QDir().mkpath(At(QStringLiteral("disc")));
    }
    // A project whose disc folder is disc, saved as disc/Velmora.XML.
    void SaveDiscProject()
    {
        form->Project().Options().SetRootDir(At(QStringLiteral("disc")));
        ASSERT_TRUE(form->SaveProject(At(QStringLiteral("disc/Velmora.XML")), TProject::WholeProject()));
    }
    void CopyDisc(const QString &to)
    {
        QDir().mkpath(At(to));
        ASSERT_TRUE(QFile::copy(At(QStringLiteral("disc/Velmora.XML")), At(to + QStringLiteral("/Velmora.XML"))));
    }
};

TEST_F(ProjectFolderTest, TheOptionsPageShowsTheDiscFolderAndChangesIt)
{
    SaveDiscProject();
    EXPECT_EQ(form->tsText->leRootDir->text(), QDir::toNativeSeparators(At(QStringLiteral("disc"))));
    prompt.folders = {At(QStringLiteral("other"))};
    form->tsText->bRootDir->click();
    EXPECT_EQ(form->Project().Options().RootDir(), At(QStringLiteral("other")));
    EXPECT_EQ(form->tsText->leRootDir->text(), QDir::toNativeSeparators(At(QStringLiteral("other"))));
    form->Project().UndoStack().undo();
    EXPECT_EQ(form->tsText->leRootDir->text(), QDir::toNativeSeparators(At(QStringLiteral("disc"))));
}

// A copied disc opened from its new folder asks once; «Да» is one undo step,
// «Нет» keeps the stored folder; a disc folder that is gone asks too.
TEST_F(ProjectFolderTest, ACopiedDiscAsksWhetherItsOwnFolderBecomesTheDiscFolder)
{
    SaveDiscProject();
    CopyDisc(QStringLiteral("copy"));
    prompt.asked.clear();
    prompt.answers = {UserPrompt::Answer::Yes};
    ASSERT_TRUE(form->LoadProject(At(QStringLiteral("copy/Velmora.XML")), TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QDir::toNativeSeparators(At(QStringLiteral("copy")))));
    EXPECT_EQ(form->Project().Options().RootDir(), At(QStringLiteral("copy")));
    EXPECT_EQ(form->Project().UndoStack().count(), 1);
    EXPECT_EQ(form->DialogFolder(), At(QStringLiteral("copy")));
    form->Project().UndoStack().undo();
    EXPECT_EQ(form->Project().Options().RootDir(), At(QStringLiteral("disc")));

    form->Project().SetModified(false);
    prompt.answers = {UserPrompt::Answer::No};
    ASSERT_TRUE(form->LoadProject(At(QStringLiteral("copy/Velmora.XML")), TProject::WholeProject()));
    EXPECT_EQ(form->Project().Options().RootDir(), At(QStringLiteral("disc")));
    EXPECT_FALSE(form->Project().Modified());

    // Opened from its own folder, or under another name elsewhere: no word.
    prompt.asked.clear();
    ASSERT_TRUE(form->LoadProject(At(QStringLiteral("disc/Velmora.XML")), TProject::WholeProject()));
    ASSERT_TRUE(QFile::copy(At(QStringLiteral("disc/Velmora.XML")), At(QStringLiteral("menu.xml"))));
    ASSERT_TRUE(form->LoadProject(At(QStringLiteral("menu.xml")), TProject::WholeProject()));
    EXPECT_TRUE(prompt.asked.isEmpty());

    QDir(At(QStringLiteral("disc"))).removeRecursively();
    prompt.answers = {UserPrompt::Answer::Yes};
    ASSERT_TRUE(form->LoadProject(At(QStringLiteral("menu.xml")), TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(form->Project().Options().RootDir(), temp.path());
}

TEST_F(ProjectFolderTest, FileDialogsStartInTheDiscFolder)
{
    SaveDiscProject();
    form->Project().Options().SetRootDir(At(QStringLiteral("other")));
    form->AFileOpenExecute();
    form->ALoadDesignExecute();
    form->tsCommands->bAdd[ikProgram]->click();
    form->tsCommands->leCustom->setFocus();
    emit form->tsCommands->leCustom->BrowseClicked();
    EXPECT_EQ(prompt.dialogFolders,
              QStringList(3, At(QStringLiteral("other"))));
}

TEST_F(ProjectFolderTest, ASaveOverAFileWrittenElsewhereAsksFirst)
{
    SaveDiscProject();
    const QString file = At(QStringLiteral("disc/Velmora.XML"));
    form->Tree().AddItem(QStringLiteral("Mine"), ikUrl, TCommandTree::TPlace::LastChildOf(nullptr), false);
    // Another editor's save: other bytes of the same size and time still count.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QDateTime time = f.fileTime(QFileDevice::FileModificationTime);
    QByteArray bytes = f.readAll();
    bytes.replace("<root", "<rooT");
    f.seek(0);
    f.write(bytes);
    f.setFileTime(time, QFileDevice::FileModificationTime);
    f.close();
    prompt.answers = {UserPrompt::Answer::No};
    EXPECT_FALSE(form->SaveProject(file, TProject::WholeProject()));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked.first().text.contains(QString::fromUtf8("изменён на диске")));
    prompt.answers = {UserPrompt::Answer::Yes};
    EXPECT_TRUE(form->SaveProject(file, TProject::WholeProject()));
    // Written by this editor: the next save asks nothing.
    EXPECT_TRUE(form->SaveProject(file, TProject::WholeProject()));
    EXPECT_EQ(prompt.asked.size(), 2);
}

} // namespace
