#pragma once

#include "base/TMergeId.h"
#include "project/TCommandTree.h"

#include <QUndoCommand>
#include <QVariant>
#include <functional>

class TCommandTreeTarget;

// The undoable edits of the command tree. Each step remembers the selection
// and the next number before and after it, and puts them back on undo and
// redo, so that numbering continues exactly as it would have and the views
// show the entry the step touched. Entries a step takes out of the tree
// (deleted, or added and then undone) stay alive inside the step, whole
// subtrees moved rather than copied, so that the other steps' references to
// them stay valid; the step frees them when it is dropped.
class TTreeCommand : public QUndoCommand
{
public:
    ~TTreeCommand() override;

    void redo() final;
    void undo() final;

protected:
    TTreeCommand(TCommandTree &tree, const QString &text) : m_tree(tree) { setText(text); }

    // The first redo: makes the change (and may call setObsolete(true) when
    // there is nothing to do).
    virtual void Do() = 0;
    // Later redos and the undos: the change again, and taken back.
    virtual void Redo() = 0;
    virtual void Undo() = 0;

    // An entry this step holds outside the tree; freed with the step.
    void Keep(TBaseItem *item) { m_kept.append(item); }
    void Release(TBaseItem *item) { m_kept.removeOne(item); }

    TCommandTree &m_tree;

private:
    struct TState
    {
        TBaseItem *current = nullptr;
        TBaseItem *group = nullptr;
        qint32 nextNumber = 1;
    };
    TState Capture() const;
    void Restore(const TState &state);

    TState m_before;
    TState m_after;
    bool m_done = false;
    QList<TBaseItem *> m_kept;
};

// An add button: the entry, with its automatic exit entry, in one step.
class TAddItemCommand : public TTreeCommand
{
public:
    TAddItemCommand(TCommandTree &tree, const QString &name, TItemKind kind);
    TBaseItem *Item() const { return m_item; }

protected:
    void Do() override;
    void Redo() override;
    void Undo() override;

private:
    QString m_name;
    TItemKind m_kind;
    TBaseItem *m_item = nullptr;
    TBaseItem *m_parent = nullptr;
    int m_row = 0;
};

// "Удалить": an entry with its subtree, or a group whose children take its
// place. Undo puts back everything with its numbers and its place.
class TDeleteItemCommand : public TTreeCommand
{
public:
    TDeleteItemCommand(TCommandTree &tree, TBaseItem *item, TCommandTree::TGroupContents contents);

protected:
    void Do() override;
    void Redo() override;
    void Undo() override;

private:
    TBaseItem *m_item;
    TCommandTree::TGroupContents m_contents;
    TBaseItem *m_parent = nullptr;
    int m_row = 0;
    QList<TBaseItem *> m_lifted;   // the children that took the group's place
};

// A drop in the tree with every rule of DropOnto; obsolete when nothing moved.
class TMoveItemCommand : public TTreeCommand
{
public:
    TMoveItemCommand(TCommandTree &tree, TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift);

protected:
    void Do() override;
    void Redo() override;
    void Undo() override;

private:
    TBaseItem *m_item;
    TBaseItem *m_target;
    bool m_ctrl, m_shift;
    TBaseItem *m_fromParent = nullptr;
    int m_fromRow = 0;
    TBaseItem *m_toParent = nullptr;
    int m_toRow = 0;
};

// One field of one entry. Typing into a text field of the same entry, with
// no other step or selection in between, merges into one step.
class TSetFieldCommand : public TTreeCommand
{
public:
    enum TField { fName, fComment, fCustom, fParams, fHidden };

    TSetFieldCommand(TCommandTree &tree, TBaseItem *item, TField field, const QVariant &value);

    int id() const override { return MergeIdOf(m_field == fHidden ? TMergeId::None : TMergeId::CommandField); }
    bool mergeWith(const QUndoCommand *other) override;

protected:
    void Do() override;
    void Redo() override { Set(m_value); }
    void Undo() override { Set(m_old); }

private:
    QVariant Get() const;
    void Set(const QVariant &value);

    TBaseItem *m_item;
    TField m_field;
    QVariant m_value;
    QVariant m_old;
    quint64 m_selection;
};

// A folder import as one step: the first redo runs the import through the
// given function; undo takes out exactly the entries it left, redo puts them
// back. Obsolete when the import left nothing.
class TImportCommand : public TTreeCommand
{
public:
    using TRun = std::function<void(TCommandTreeTarget &target)>;
    TImportCommand(TCommandTree &tree, const QString &text, TRun run);

    // The entries the import left whose parent was there before, in tree order.
    int AddedRoots() const { return int(m_roots.size()); }

protected:
    void Do() override;
    void Redo() override;
    void Undo() override;

private:
    struct TRoot
    {
        TBaseItem *item;
        TBaseItem *parent;
        int row;
    };
    TRun m_run;
    QList<TRoot> m_roots;
};
