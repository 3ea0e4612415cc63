#pragma once

#include <QPersistentModelIndex>
#include <QTimer>
#include <QTreeView>
#include <functional>

class TBaseItem;
class TCommandTree;

// The tree view of the page "Команды": shows a TCommandTree, follows its
// current item, makes the user's clicks the tree's selection and turns drops
// of its own entries into the tree's moves (Ctrl and Shift choose the place).
class TCommandTreeView : public QTreeView
{
    Q_OBJECT

public:
    static constexpr int kIndent = 20;
    static constexpr int kAutoExpandDelayMs = 100;

    explicit TCommandTreeView(TCommandTree &tree, QWidget *parent = nullptr);

    // Brings the view's current row to the tree's current item now; otherwise
    // this happens once control returns to the event loop, so that bulk
    // changes do not lay out the whole view per entry.
    void FollowNow();

    // A drop of the selected entry at pos (viewport coordinates) with these
    // keys held; the drag-and-drop handler calls it.
    bool DropAt(const QPoint &pos, Qt::KeyboardModifiers modifiers);

    // Makes the move of a drop (the editor's undoable step); returns whether
    // anything moved. Without one, the tree moves the entry itself.
    using TDropHandler = std::function<bool(TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift)>;
    void SetDropHandler(TDropHandler handler) { m_dropHandler = std::move(handler); }

    // The pointer of a drag rests over pos (viewport coordinates): a closed
    // group there opens after kAutoExpandDelayMs; an open one stays open.
    void DragHover(const QPoint &pos);

signals:
    // An entry was moved by a drop.
    void Moved(TBaseItem *item);
    // The Delete key was pressed on the tree: the owner deletes the selected
    // entry as its button "Удалить" does.
    void DeleteRequested();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    // The selection is always exactly the current entry: a click on empty space
    // or a Ctrl+click on the selected row does not take the highlight away.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void ScheduleFollow();

    TCommandTree &m_tree;
    TDropHandler m_dropHandler;
    bool m_following = false;
    bool m_followPending = false;
    QTimer m_expandTimer;
    QPersistentModelIndex m_hovered;
};
