#pragma once

#include "project/TImportTarget.h"

#include <QSet>
#include <QString>
#include <memory>
#include <vector>

// A plain command tree in memory that a folder import can fill: groups and
// program entries with their names, comments, paths and numbers, numbered and
// placed as the editor's command tree numbers and places them. It serves
// runs without a window and checks of the import's rules.
class TImportTree : public TImportTarget
{
public:
    enum Kind { kGroup = 0, kProgram = 1, kExit = 4 };

    struct Item
    {
        QString name;
        QString comment;
        QString custom;
        int kind = kGroup;
        int id = 0;
        Item *parent = nullptr;
        std::vector<std::unique_ptr<Item>> children;
    };

    explicit TImportTree(bool autoExit = false) : m_autoExit(autoExit) {}

    std::vector<std::unique_ptr<Item>> &topLevel() { return m_top; }
    const std::vector<std::unique_ptr<Item>> &topLevel() const { return m_top; }
    void setCurrentGroup(Item *group) { m_currentGroup = group; }
    void setAutoExit(bool on) { m_autoExit = on; }
    int entryCount() const { return int(m_used.size()); }

    // Adds a group the way the "Группа" button does (into the current group).
    Item *addGroupItem(const QString &name, Item *parent);

    // One line per entry, depth first: two spaces per level, the kind's
    // element name, " #" and the number, a blank and the name in double
    // quotes; then " -> " and the path for programs, " // " and the comment
    // when there is one.
    QString dump() const;

    // TImportTarget
    Node currentGroup() const override { return m_currentGroup; }
    bool autoExit() const override { return m_autoExit; }
    Node addGroup(const QString &name, Node parent) override;
    void setComment(Node entry, const QString &comment) override;
    Node addProgram(Node group, const QString &name, const QString &path) override;
    int childCount(Node group) const override;
    void moveLastChildBefore(Node group) override;
    void deleteEntry(Node entry) override;

private:
    Item *create(const QString &name, int kind, Item *parent);
    std::vector<std::unique_ptr<Item>> &siblingsOf(Item *item);
    void release(Item *item);
    void dumpLevel(const std::vector<std::unique_ptr<Item>> &level, int depth, QString &out) const;

    std::vector<std::unique_ptr<Item>> m_top;
    Item *m_currentGroup = nullptr;
    bool m_autoExit;
    QSet<int> m_used;
    int m_nextNumber = 1;
};
