#include "layout/TObjectTree.h"

#include <QFont>

TObjectTree::TObjectTree(QObject *parent) : QObject(parent)
{
    m_model.setColumnCount(1);
    connect(&m_selection, &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { currentChanged(current); });
    connect(&m_model, &QStandardItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &from, int first, int last) {
                // A removed selected node is forgotten, never left dangling.
                for (QStandardItem *node = m_selected; node; node = node->parent())
                    if (node->parent() ? node->parent()->index() == from : !from.isValid())
                        if (node->row() >= first && node->row() <= last) {
                            m_selected = nullptr;
                            return;
                        }
            });
}

QStandardItem *TObjectTree::AddNode(QStandardItem *parent, const QString &caption, QObject *object, bool bold)
{
    auto *node = new QStandardItem(caption);
    node->setEditable(false);
    node->setData(QVariant::fromValue(object), kObjectRole);
    node->setAccessibleText(caption);
    if (bold) {
        QFont font = node->font();
        font.setBold(true);
        node->setFont(font);
    }
    // Headings are not selectable: a click on one leaves the selection alone.
    node->setFlags(object ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
    if (parent)
        parent->appendRow(node);
    else
        m_model.appendRow(node);
    return node;
}

void TObjectTree::DeleteNode(QStandardItem *node)
{
    if (!node)
        return;
    // The view's current row would slide to a neighbour; the tree selects
    // nothing instead when the selected node goes.
    m_syncing = true;
    if (QStandardItem *parent = node->parent())
        parent->removeRow(node->row());
    else
        m_model.removeRow(node->row());
    m_syncing = false;
    syncView();
}

QObject *TObjectTree::ObjectOf(const QStandardItem *node)
{
    return node ? node->data(kObjectRole).value<QObject *>() : nullptr;
}

QObject *TObjectTree::ObjectOf(const QModelIndex &index)
{
    return index.data(kObjectRole).value<QObject *>();
}

QStandardItem *TObjectTree::NodeOf(const QObject *object) const
{
    if (!object)
        return nullptr;
    for (QStandardItem *node : AllNodes())
        if (ObjectOf(node) == object)
            return node;
    return nullptr;
}

QList<QStandardItem *> TObjectTree::AllNodes() const
{
    QList<QStandardItem *> nodes;
    std::function<void(QStandardItem *)> walk = [&](QStandardItem *parent) {
        for (int row = 0; row < parent->rowCount(); ++row) {
            QStandardItem *child = parent->child(row);
            nodes << child;
            walk(child);
        }
    };
    walk(m_model.invisibleRootItem());
    return nodes;
}

bool TObjectTree::Select(QStandardItem *node)
{
    if (!CanSelect(node))
        return false;
    m_selected = node;
    syncView();
    emit Changed(node, ObjectOf(node));
    return true;
}

void TObjectTree::ClearSelection()
{
    m_selected = nullptr;
    syncView();
}

void TObjectTree::currentChanged(const QModelIndex &current)
{
    if (m_syncing)
        return;
    QStandardItem *node = m_model.itemFromIndex(current);
    if (node == m_selected)
        return;
    if (!Select(node))
        syncView();   // refused: the view goes back to the previous node
}

void TObjectTree::syncView()
{
    m_syncing = true;
    if (m_selected)
        m_selection.setCurrentIndex(m_selected->index(), QItemSelectionModel::ClearAndSelect);
    else
        m_selection.clear();
    m_syncing = false;
}

QList<QObject *> TObjectTree::designObjects() const
{
    QList<QObject *> objects;
    for (QStandardItem *node : AllNodes())
        objects << ObjectOf(node);
    return objects;
}

void TObjectTree::selectDesignObject(int index)
{
    const QList<QStandardItem *> nodes = AllNodes();
    if (index >= 0 && index < nodes.size())
        Select(nodes.at(index));
}
