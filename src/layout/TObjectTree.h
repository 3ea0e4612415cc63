#pragma once

#include "layout/TDesignObjects.h"

#include <QItemSelectionModel>
#include <QObject>
#include <QPointer>
#include <QStandardItemModel>
#include <functional>

// The object tree of the page "Внешний вид": captioned nodes, bold group
// headings, each node optionally standing for an object of the design (not
// owned). Only a node that carries an object can be selected; choosing a
// heading leaves the previous selection as it was. The tree view shows the
// model and its selection model; selections from code and from the view go
// through the same rule.
class TObjectTree : public QObject, public TDesignObjects
{
    Q_OBJECT
public:
    static constexpr int kObjectRole = Qt::UserRole + 1;

    explicit TObjectTree(QObject *parent = nullptr);

    QStandardItemModel *model() { return &m_model; }
    QItemSelectionModel *selectionModel() { return &m_selection; }

    // Adds a node at the end of parent's children (the top level when null).
    QStandardItem *AddNode(QStandardItem *parent, const QString &caption, QObject *object, bool bold = false);
    // Removes a node and its children from the tree.
    void DeleteNode(QStandardItem *node);
    bool IsEmpty() const { return m_model.rowCount() == 0; }

    static QObject *ObjectOf(const QStandardItem *node);
    static QObject *ObjectOf(const QModelIndex &index);
    QStandardItem *NodeOf(const QObject *object) const;
    // Every node in display order, each parent before its children.
    QList<QStandardItem *> AllNodes() const;

    // The node selected last, or null.
    QStandardItem *Selected() const { return m_selected; }
    QObject *SelectedObject() const { return m_selected ? ObjectOf(m_selected) : nullptr; }
    // Selects the node as a user's choice would; false (nothing changes) when
    // the node carries no object.
    bool Select(QStandardItem *node);
    // Forgets the selection without announcing it.
    void ClearSelection();

    // ObjectTreeChanging: a move to this node is allowed.
    static bool CanSelect(const QStandardItem *node) { return node && ObjectOf(node); }

    // TDesignObjects
    QList<QObject *> designObjects() const override;
    void selectDesignObject(int index) override;
    bool noSelectText() const override { return m_noSelectText && m_noSelectText(); }
    void setNoSelectText(std::function<bool()> ticked) { m_noSelectText = std::move(ticked); }

signals:
    // ObjectTreeChange: the selection moved to a node.
    void Changed(QStandardItem *node, QObject *object);

private:
    void currentChanged(const QModelIndex &current);
    void syncView();

    QStandardItemModel m_model;
    QItemSelectionModel m_selection{&m_model};
    QStandardItem *m_selected = nullptr;
    std::function<bool()> m_noSelectText;
    bool m_syncing = false;
};
