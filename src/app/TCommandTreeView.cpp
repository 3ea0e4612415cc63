#include "app/TCommandTreeView.h"

#include "project/TCommandTree.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>

TCommandTreeView::TCommandTreeView(TCommandTree &tree, QWidget *parent) : QTreeView(parent), m_tree(tree)
{
    setModel(&tree);
    setHeaderHidden(true);
    setIndentation(kIndent);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    // Qt's own opening during a drag also closes the open groups it passes
    // over; here groups only open.
    setAutoExpandDelay(-1);
    m_expandTimer.setSingleShot(true);
    m_expandTimer.setInterval(kAutoExpandDelayMs);
    connect(&m_expandTimer, &QTimer::timeout, this, [this] {
        if (m_hovered.isValid())
            expand(m_hovered);
    });
    setUniformRowHeights(true);
    // The selection stays visible when the focus is elsewhere (in the fields
    // that edit the selected entry): the inactive highlight is the active one.
    QPalette p = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    setPalette(p);
    connect(&tree, &TCommandTree::CurrentChanged, this, &TCommandTreeView::ScheduleFollow);
    connect(&tree, &QAbstractItemModel::modelReset, this, &TCommandTreeView::ScheduleFollow);
}

void TCommandTreeView::ScheduleFollow()
{
    if (m_followPending)
        return;
    m_followPending = true;
    QMetaObject::invokeMethod(this, &TCommandTreeView::FollowNow, Qt::QueuedConnection);
}

void TCommandTreeView::FollowNow()
{
    m_followPending = false;
    const QModelIndex index = m_tree.IndexOf(m_tree.CurrentItem());
    if (index == currentIndex() && (!index.isValid() || selectionModel()->isSelected(index)))
        return;
    m_following = true;
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        setCurrentIndex(index);
    m_following = false;
    if (index.isValid())
        scrollTo(index);
}

void TCommandTreeView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    // The tree decides itself where the selection goes when entries are
    // removed; only the user's own choices are passed on.
    if (m_following || !current.isValid() || m_tree.IsChangingStructure())
        return;
    TBaseItem *item = TCommandTree::ItemAt(current);
    if (item != m_tree.CurrentItem())
        m_tree.Select(item);
}

QItemSelectionModel::SelectionFlags TCommandTreeView::selectionCommand(const QModelIndex &index,
                                                                     const QEvent *event) const
{
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags flags = QTreeView::selectionCommand(index, event);
    if (flags == QItemSelectionModel::NoUpdate)
        return flags;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void TCommandTreeView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit DeleteRequested();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool TCommandTreeView::DropAt(const QPoint &pos, Qt::KeyboardModifiers modifiers)
{
    TBaseItem *target = TCommandTree::ItemAt(indexAt(pos));
    TBaseItem *dragged = m_tree.CurrentItem();
    if (!target || !dragged || target == dragged)
        return false;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool moved = m_dropHandler ? m_dropHandler(dragged, target, ctrl, shift)
                                     : m_tree.DropOnto(dragged, target, ctrl, shift);
    if (!moved)
        return false;
    FollowNow();
    // The moved entry stays in sight: the groups it went into open up.
    for (TBaseItem *p = dragged->Parent(); p; p = p->Parent())
        expand(m_tree.IndexOf(p));
    scrollTo(m_tree.IndexOf(dragged));
    emit Moved(dragged);
    return true;
}

void TCommandTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void TCommandTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeView::dragMoveEvent(event);   // scrolling
    DragHover(event->position().toPoint());
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void TCommandTreeView::DragHover(const QPoint &pos)
{
    const QModelIndex index = indexAt(pos);
    if (index == m_hovered && m_expandTimer.isActive())
        return;
    m_hovered = index;
    if (index.isValid() && !isExpanded(index))
        m_expandTimer.start();
    else
        m_expandTimer.stop();
}

void TCommandTreeView::dropEvent(QDropEvent *event)
{
    m_expandTimer.stop();
    if (event->source() != this) {
        event->ignore();
        return;
    }
    DropAt(event->position().toPoint(), event->modifiers());
    // The move is done; the drag must not remove anything afterwards.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}
