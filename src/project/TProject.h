#pragma once

#include "project/TDesignView.h"
#include "project/TCommandTree.h"
#include "project/TDesignParts.h"
#include "project/TProjectOptions.h"

#include <QObject>
#include <QUndoStack>
#include <memory>

class TXDocument;
class TXNode;

// The open menu project: the command tree, the project options, the link to
// the design window, the undo stack and the modified flag.
//
// Every change of the project is a QUndoCommand pushed on UndoStack(); nothing
// else changes it. To add a new kind of edit:
//   - write a QUndoCommand whose redo() makes the change (the first redo() runs
//     inside push()) and whose undo() takes it back exactly; give it a short
//     Russian text ("удаление «Игры»"), which the menu "Правка" shows;
//   - change the project through the objects' ordinary setters inside redo()
//     and undo(): the tree's and the options' signals already refresh the
//     design window's menu and comment area, and the fields follow the tree's
//     selection (RestoreSelection brings the touched entry into view); a
//     change of the design writes through the design document
//     (layout/TDesignDocument), which announces it to the views once;
//   - ask any question before the command is made, never inside it; a command
//     that already knows it changes nothing calls setObsolete(true) in its
//     constructor (else in its first redo());
//   - push it: Push(command), which drops an obsolete one unpushed, since a
//     push throws away the steps left to redo. Nothing else is needed for the
//     modified flag: it follows the stack (set by any push, undo or redo that
//     leaves the state last saved or opened; cleared by one that returns to it).
// Changed() is only for the few actions that change nothing but still mark
// the project modified (a cancelled group delete, a click in the design window).
class TProject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Modified READ Modified WRITE SetModified NOTIFY ModifiedChanged)

public:
    // What a save, load or clear touches.
    enum TPart { ppOptionsAndDesign = 1, ppButtons = 2, ppCommands = 4 };
    Q_DECLARE_FLAGS(TParts, TPart)
    Q_FLAG(TParts)
    static constexpr TParts WholeProject() { return TParts(ppOptionsAndDesign | ppButtons | ppCommands); }
    static constexpr TParts DesignFile() { return TParts(ppOptionsAndDesign | ppButtons); }

    explicit TProject(QObject *parent = nullptr);
    ~TProject() override;

    TCommandTree &Tree() { return m_tree; }
    const TCommandTree &Tree() const { return m_tree; }
    TProjectOptions &Options() { return m_options; }
    const TProjectOptions &Options() const { return m_options; }

    // The design window; nullptr puts back the stand-in that does nothing.
    void SetDesignView(TDesignView *view) { m_designView = view ? view : &m_nullView; }
    TDesignView &DesignView() { return *m_designView; }
    // The design's part of the project file; nullptr puts back the stand-in.
    void SetDesignParts(TDesignParts *parts) { m_designParts = parts ? parts : &m_nullParts; }
    TDesignParts &DesignParts() { return *m_designParts; }
    // Every change of the project is a command pushed here (see above).
    QUndoStack &UndoStack() { return m_undoStack; }
    // Pushes a step; one already known to change nothing (obsolete) is freed
    // instead, since pushing it would throw away the steps left to redo.
    // Returns whether it was pushed.
    bool Push(QUndoCommand *command);
    // The most steps the stack keeps; older ones are dropped.
    static constexpr int kUndoLimit = 200;

    bool Modified() const { return m_modified; }
    // false: the project as it stands is the saved state (the stack's clean
    // state); true: marks it modified without a step.
    void SetModified(bool modified);

    // An action that changes nothing but counts as an edit: marks the project
    // modified and brings the design window up to date with what it names.
    void Changed(TCommandTree::TChanges what);
    // Refills the design window's menu and comment area from the selection.
    void RefreshDesign();

    // --- the project file ---------------------------------------------------
    // A file read completely and checked, ready to replace parts of the project.
    struct TLoaded;
    struct TLoadedDeleter { void operator()(TLoaded *loaded) const; };
    using TLoadedPtr = std::unique_ptr<TLoaded, TLoadedDeleter>;
    static const char *const kProlog;   // the 75 bytes before the document element
    static const char *const kRootName; // "Velmora"

    // The document's file name: the current project file, empty until the
    // first whole-project save or open.
    QString FileName() const;
    // The deepest nesting of commands a project file can hold and be read back
    // (top-level entries count as 1).
    static int MaxCommandDepth();
    // Writes the chosen parts into the file. Throws BrenwickError when the file
    // cannot be written, or when the commands nest deeper than MaxCommandDepth
    // (nothing is written then); the file name then stays what it was.
    void SaveProject(const QString &fileName, TParts parts);
    // Writes the whole project into another file (a disc's copy); the project
    // keeps its own file name. Throws as SaveProject does.
    void SaveCopy(const QString &fileName);
    // Reads and checks the file completely without changing the project.
    // Throws BrenwickError for bad content; returns nullptr when the file
    // cannot be opened (LastOpenError says why).
    TLoadedPtr ReadProject(const QString &fileName, TParts parts);
    // Replaces the chosen parts of the project by what was read and selects the
    // first command. Cannot fail. A whole project clears the modified flag; a
    // load without the commands (a design file) is one step on the undo stack
    // and sets the flag, the project keeping its file name.
    void ApplyProject(TLoadedPtr loaded);
    // ReadProject and ApplyProject in one; throws as ReadProject does, also
    // when the file cannot be opened.
    void LoadProject(const QString &fileName, TParts parts);
    // The bytes a whole-project save would write, made in memory; the project,
    // its document and its file name stay as they are.
    QByteArray ProjectBytes();
    // ReadProject for a whole project's bytes in memory; throws BrenwickError
    // for bad content. ApplyProject then leaves the project without a file name.
    // Pictures whose texts are among the known ones take those bitmaps.
    TLoadedPtr ReadProjectBytes(const QByteArray &bytes, const TKnownPictures &known = {});
    // The bitmaps of the picture texts the last write gave (ProjectBytes, a
    // save), for reading those bytes back without decoding them again.
    TKnownPictures KnownPictures() const;
    // Removes all commands and/or all stand-alone buttons; clears the modified flag.
    void ClearProject(TParts parts);
    // The whole project as a document with the project file's prolog and
    // elements, written nowhere (a recovery copy); the project is unchanged.
    // Throws as SaveProject does before it writes.
    std::unique_ptr<TXDocument> WholeDocument();
    // Applies a whole project read from a recovery copy as the project of
    // fileName (empty: never saved): Save then writes that file, and the
    // project stays modified until it is saved, whatever undo does.
    void ApplyRecovered(TLoadedPtr loaded, const QString &fileName);
    // Keeps the project as it stands (a first start's: no commands, the
    // default design and buttons) as what NewProject brings back.
    void KeepFreshState();
    // Replaces the whole project by the state kept last, without a file name;
    // clears the undo steps and the modified flag.
    void NewProject();
    const QString &LastOpenError() const { return m_lastOpenError; }
    // Whether the last file applied held no design (a command list) and took
    // the design and default buttons of a new project.
    bool TookNewDesign() const { return m_tookNewDesign; }

signals:
    void ModifiedChanged(bool modified);
    // The current command changed (sent after the design window has followed).
    void CurrentChanged(TBaseItem *item);
    // Parts of the project were replaced or cleared as a whole: a project or
    // design opened, a reset, or the undo or redo of a design load.
    void PartsReplaced(TProject::TParts parts);

private:
    class TLoadPartsCommand;
    void OnCurrentChanged(TBaseItem *item);
    // The elements of the chosen parts under the document element.
    void WriteParts(TXNode &root, TParts parts);
    // Checks and collects the chosen parts of a document read completely.
    // The pictures come from those decoded ahead (while the document was
    // read), or are decoded here.
    TLoadedPtr ReadParts(std::unique_ptr<TXDocument> document, TParts parts,
                         TPicturesDecodedAhead *pictures = nullptr);
    // Sets the options, the design and the buttons of a load without commands.
    void ApplyParts(const TLoaded &loaded);
    // Writes the file; the document keeps the file name only for a whole
    // project written as the project's own file.
    void SaveFile(const QString &fileName, TParts parts, bool keepFileName);
    // Throws when the commands nest deeper than a file can be read back.
    void CheckCommandDepth() const;
    void Refresh(TCommandTree::TChanges what);
    void FollowStack();
    void SetModifiedFlag(bool modified);

    TCommandTree m_tree;
    QUndoStack m_undoStack;
    TProjectOptions m_options;
    TNullDesignView m_nullView;
    TDesignView *m_designView = &m_nullView;
    TNullDesignParts m_nullParts;
    TDesignParts *m_designParts = &m_nullParts;
    bool m_modified = false;
    std::unique_ptr<TXDocument> m_document;
    QString m_lastOpenError;
    bool m_tookNewDesign = false;
    QByteArray m_fresh;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TProject::TParts)
