#pragma once

#include "project/TBaseItem.h"
#include "project/TMenuSource.h"

#include <QAbstractItemModel>
#include <QFlags>
#include <QHash>
#include <QIcon>
#include <functional>

// The command tree: the menu project's entries, arranged in groups, with the
// editing state (current item, current group, next number). It is the item
// model the command tree view shows, and the menu source the design window
// reads. It works without any widget, so the file reader, the folder import
// and the command-line tool use the same rules as the editor.
class TCommandTree : public QAbstractItemModel, public TMenuSource
{
    Q_OBJECT
    Q_PROPERTY(TWhereAdd WhereAdd READ WhereAdd WRITE SetWhereAdd)
    Q_PROPERTY(bool AutoExit READ AutoExit WRITE SetAutoExit)
    Q_PROPERTY(qint32 NextNumber READ NextNumber)

public:
    // The "Куда" choice: "Внутрь" adds into the current group, "Рядом" appends
    // to the end of the current item's level.
    enum TWhereAdd { waInside = 0, waBeside = 1 };
    Q_ENUM(TWhereAdd)

    // What an edit may have changed, for the modified flag and the design window.
    enum TChange {
        tcData = 0x1,      // a field that the menu does not show (custom, params, id)
        tcMenu = 0x2,      // what the menu lists: structure, a caption, a hidden flag
        tcComment = 0x4,   // an entry's comment
    };
    Q_DECLARE_FLAGS(TChanges, TChange)
    Q_FLAG(TChanges)

    // Where a new entry goes.
    struct TPlace
    {
        // By the "Куда" choice (the add buttons).
        static TPlace ByChoice() { return {true, nullptr}; }
        // As the last child of parent, or at the end of the top level for nullptr.
        static TPlace LastChildOf(TBaseItem *parent) { return {false, parent}; }
        bool byChoice;
        TBaseItem *parent;
    };

    // What deleting a group does with its children.
    enum TGroupContents {
        gcDelete,   // they go with the group
        gcLiftUp,   // they take the group's place, in their order
    };

    explicit TCommandTree(QObject *parent = nullptr);
    ~TCommandTree() override;

    TWhereAdd WhereAdd() const { return m_whereAdd; }
    void SetWhereAdd(TWhereAdd where) { m_whereAdd = where; }
    // When on, every new group gets an exit entry "Выход" inside it.
    bool AutoExit() const { return m_autoExit; }
    void SetAutoExit(bool on) { m_autoExit = on; }
    // The lowest candidate for the next new entry's number.
    qint32 NextNumber() const { return m_nextNumber; }
    // Puts the numbering back where an undone step found it.
    void SetNextNumber(qint32 number) { m_nextNumber = number; }

    // --- structure --------------------------------------------------------
    const QList<TBaseItem *> &TopLevel() const;
    bool IsEmpty() const { return TopLevel().isEmpty(); }
    TBaseItem *FirstItem() const { return IsEmpty() ? nullptr : TopLevel().constFirst(); }
    int Count() const { return m_count; }
    // Visits every entry in depth-first order (each parent before its children).
    void ForEach(const std::function<void(TBaseItem *, int depth)> &visit) const;
    // The first entry in depth-first order with that number, or nullptr.
    TBaseItem *FindById(qint32 id) const;
    // Whether some entry holds that number.
    bool IsNumberUsed(qint32 id) const { return m_used.contains(id); }

    // --- creating, deleting, moving ----------------------------------------
    // Creates an entry: places it, gives it the smallest free number not below
    // the next number, adds the automatic exit entry to a new group when
    // AutoExit is on and withAutoExit allows it, and selects it.
    TBaseItem *AddItem(const QString &name, TItemKind kind, TPlace place, bool withAutoExit = true);
    // Removes an entry with its subtree; a group's children go with it or,
    // with gcLiftUp, take its place first. Asks nothing: the editor asks
    // before it decides. Returns false for nullptr.
    bool DeleteItem(TBaseItem *item, TGroupContents contents = gcDelete);
    // As DeleteItem, but the entry and its subtree are taken out of the tree
    // instead of freed, for an undo step to keep; nullptr for nullptr.
    TBaseItem *TakeItem(TBaseItem *item, TGroupContents contents = gcDelete);
    // Takes an entry with its subtree out of the tree without touching the
    // numbering; Attach puts it back. The selection moves as for a delete.
    void Detach(TBaseItem *item);
    // Puts a detached entry with its subtree back at row among parent's
    // children (nullptr: top level); its numbers are taken as they stand.
    void Attach(TBaseItem *item, TBaseItem *parent, int row);
    // Frees an entry that is not in any tree, with its subtree.
    static void FreeDetached(TBaseItem *item);
    // Removes every entry; the numbering continues as if they were deleted one
    // by one from the top. The current item and group become none.
    void Clear();
    // Moves item to row (0..count) among newParent's children (nullptr: top
    // level). Returns false when the move would put a group into itself.
    bool MoveItem(TBaseItem *item, TBaseItem *newParent, int row);
    // Moves item so that it ends at row among newParent's children.
    bool MoveTo(TBaseItem *item, TBaseItem *newParent, int row);
    // A drop of the dragged entry onto target: into a group (last, or first
    // with shift) unless ctrl is held, otherwise after target (before it with
    // shift). Returns false when nothing moved.
    bool DropOnto(TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift);

    // --- selection ----------------------------------------------------------
    TBaseItem *CurrentItem() const { return m_currentItem; }
    TBaseItem *CurrentGroup() const { return m_currentGroup; }
    // Makes item the current item; its group (or itself, for a group) becomes
    // the current group. nullptr does nothing.
    void Select(TBaseItem *item);
    void SetCurrentGroup(TBaseItem *group) { m_currentGroup = group; }
    // Puts back a selection an undone or redone step left: item (or none)
    // and group, as they were; the views follow as after any selection.
    void RestoreSelection(TBaseItem *item, TBaseItem *group);
    // Counts every selection, so that typing after another selection starts
    // a new undo step.
    quint64 SelectionSerial() const { return m_selectionSerial; }

    // --- fields -------------------------------------------------------------
    // Each does nothing when the value is unchanged.
    void SetName(TBaseItem *item, const QString &name);
    void SetComment(TBaseItem *item, const QString &comment);
    void SetCustom(TBaseItem *item, const QString &custom);
    void SetParams(TBaseItem *item, const QString &params);
    void SetHidden(TBaseItem *item, bool hidden);
    void SetId(TBaseItem *item, qint32 id);

    // --- bulk changes -------------------------------------------------------
    // Between BeginUpdate and EndUpdate (nested) the selection and edit signals
    // are held back; EndUpdate sends one of each if anything happened. The
    // model's own row signals still go out, so views stay consistent.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return m_updating > 0; }
    // Around rebuilding much of the tree (a load): views see one reset
    // instead of a signal per row. Not nested.
    void BeginRebuild();
    void EndRebuild();
    // True while rows are being inserted, removed or moved.
    bool IsChangingStructure() const { return m_changing > 0; }

    // --- TMenuSource ----------------------------------------------------------
    bool isTreeEmpty() const override { return IsEmpty(); }
    Level currentLevel() const override;

    // --- QAbstractItemModel ---------------------------------------------------
    enum { ItemRole = Qt::UserRole + 1 };
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    QModelIndex IndexOf(const TBaseItem *item) const;
    static TBaseItem *ItemAt(const QModelIndex &index);

signals:
    // The current item changed (also sent again when the same item is selected
    // anew, since the fields and the menu are refilled).
    void CurrentChanged(TBaseItem *item);
    // An entry or the structure changed.
    void Edited(TCommandTree::TChanges what, TBaseItem *item);

private:
    TBaseItem *ParentOrRoot(TBaseItem *parent) const { return parent ? parent : m_root; }
    QModelIndex IndexOfParent(TBaseItem *parentOrRoot) const;
    void Insert(TBaseItem *item, TBaseItem *parentOrRoot, int row);
    void Unlink(TBaseItem *item);
    void IndexSubtree(TBaseItem *item, bool add);
    void RenumberRows(TBaseItem *parentOrRoot, int from);
    void TakeNumber(TBaseItem *item);
    void IndexAdd(qint32 id, TBaseItem *item);
    void IndexRemove(qint32 id);
    void Notify(TChanges what, TBaseItem *item);
    void NotifyCurrent();
    void EnsureCurrentValid(TBaseItem *removedParentOrRoot, int removedRow, TBaseItem *removed);

    TBaseItem *m_root;
    quint64 m_selectionSerial = 0;
    TWhereAdd m_whereAdd = waInside;
    bool m_autoExit = false;
    qint32 m_nextNumber = 1;
    int m_count = 0;
    // number -> how many entries hold it, and one of them.
    QHash<qint32, int> m_used;
    QHash<qint32, TBaseItem *> m_anyWithId;

    TBaseItem *m_currentItem = nullptr;
    TBaseItem *m_currentGroup = nullptr;

    mutable QList<QIcon> m_icons;   // the kinds' pictures, loaded when first shown

    int m_updating = 0;
    int m_changing = 0;
    bool m_rebuilding = false;
    bool m_pendingCurrent = false;
    TChanges m_pendingChanges;
    TBaseItem *m_pendingItem = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TCommandTree::TChanges)
