#include "app/TCommandsPage.h"
#include "app/TMainForm.h"
#include "app/TOptionsPage.h"
#include "kit/TFileNameEdit.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <gtest/gtest.h>

// The pages need only the project and the prompt: each works without the
// main window, and two views of one project follow each other.

TEST(CommandsPage, EditsItsProjectAsUndoStepsWithoutTheMainWindow)
{
    TProject project;
    ScriptedPrompt prompt;
    TCommandsPage page(project, prompt);
    QSignalSpy folderImport(&page, &TCommandsPage::AddFolderRequested);

    page.bAdd[ikGroup]->click();
    page.bAdd[ikProgram]->click();
    ASSERT_EQ(project.Tree().TopLevel().size(), 1);
    TBaseItem *program = project.Tree().CurrentItem();
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(page.leName->text(), program->Name());
    EXPECT_TRUE(page.leCustom->BrowseVisible());

    const QString before = program->Name();
    page.leName->setText(QStringLiteral("Установка"));
    EXPECT_EQ(program->Name(), QStringLiteral("Установка"));
    project.UndoStack().undo();
    EXPECT_EQ(program->Name(), before);
    EXPECT_EQ(page.leName->text(), before);   // the field follows the undone step

    // A group with contents asks its question through the prompt it was given.
    project.Tree().Select(project.Tree().TopLevel()[0]);
    page.bDelete->click();
    EXPECT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(project.Tree().TopLevel().size(), 1);   // Cancel keeps it

    page.bAddFolder->click();
    EXPECT_EQ(folderImport.size(), 1);
}

TEST(CommandsPage, ProgramPathDialogStartsInTheMainWindowsDiscFolder)
{
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    TMainForm form(dir.filePath(QStringLiteral("brenwick.ini")), &prompt);
    form.tsCommands->bAdd[ikProgram]->click();
    prompt.folders = {QStringLiteral("/media/disc")};
    form.ADiscFolder->trigger();
    prompt.openNames = {QStringLiteral("/media/disc/run.exe")};
    emit form.tsCommands->leCustom->BrowseClicked();
    EXPECT_EQ(prompt.dialogFolders.constLast(), QStringLiteral("/media/disc"));
    // A file in the disc folder is stored as the player finds it there.
    EXPECT_EQ(form.Tree().CurrentItem()->Custom(), QStringLiteral("run.exe"));
}

TEST(OptionsPage, TwoPagesOfOneProjectFollowEachOtherAndTheUndoStack)
{
    TProject project;
    TOptionsPage first(project);
    TOptionsPage second(project);

    first.cbExitCross->click();
    first.rbCurrentDir->click();
    EXPECT_TRUE(second.cbExitCross->isChecked());
    EXPECT_TRUE(second.rbCurrentDir->isChecked());
    EXPECT_FALSE(second.rbVelmora->isChecked());
    EXPECT_EQ(project.UndoStack().count(), 2);

    project.UndoStack().undo();
    EXPECT_TRUE(first.rbVelmora->isChecked());
    EXPECT_FALSE(first.rbCurrentDir->isChecked());
    EXPECT_TRUE(second.cbExitCross->isChecked());
    project.UndoStack().undo();
    EXPECT_FALSE(first.cbExitCross->isChecked());
    EXPECT_FALSE(project.Options().ExitCross());
}
