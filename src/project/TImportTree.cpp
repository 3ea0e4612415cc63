#include "project/TImportTree.h"

#include <algorithm>

namespace {
// Written into the project file, so never translated: the disc's visitors read it.
const QString kExitName = QStringLiteral("Выход");
const char *const kElementNames[] = {"group", "program", "url", "comment", "exit"};
}

TImportTree::Item *TImportTree::create(const QString &name, int kind, Item *parent)
{
    auto item = std::make_unique<Item>();
    item->name = name;
    item->kind = kind;
    item->parent = parent;
    while (m_used.contains(m_nextNumber))
        ++m_nextNumber;
    item->id = m_nextNumber++;
    m_used.insert(item->id);
    Item *raw = item.get();
    (parent ? parent->children : m_top).push_back(std::move(item));
    if (kind == kGroup && m_autoExit)
        create(kExitName, kExit, raw);
    return raw;
}

TImportTree::Item *TImportTree::addGroupItem(const QString &name, Item *parent)
{
    return create(name, kGroup, parent ? parent : m_currentGroup);
}

TImportTarget::Node TImportTree::addGroup(const QString &name, Node parent)
{
    return addGroupItem(name, static_cast<Item *>(parent));
}

void TImportTree::setComment(Node entry, const QString &comment)
{
    static_cast<Item *>(entry)->comment = comment;
}

TImportTarget::Node TImportTree::addProgram(Node group, const QString &name, const QString &path)
{
    Item *item = create(name, kProgram, static_cast<Item *>(group));
    item->custom = path;
    return item;
}

int TImportTree::childCount(Node group) const
{
    return int(static_cast<Item *>(group)->children.size());
}

std::vector<std::unique_ptr<TImportTree::Item>> &TImportTree::siblingsOf(Item *item)
{
    return item->parent ? item->parent->children : m_top;
}

void TImportTree::moveLastChildBefore(Node groupNode)
{
    Item *group = static_cast<Item *>(groupNode);
    if (group->children.empty())
        return;
    std::unique_ptr<Item> child = std::move(group->children.back());
    group->children.pop_back();
    child->parent = group->parent;
    auto &level = siblingsOf(group);
    auto at = std::find_if(level.begin(), level.end(), [group](const auto &p) { return p.get() == group; });
    level.insert(at, std::move(child));
}

void TImportTree::release(Item *item)
{
    // Children first, as the command tree deletes them, so the numbers are
    // given back the same way.
    while (!item->children.empty()) {
        release(item->children.front().get());
        item->children.erase(item->children.begin());
    }
    m_used.remove(item->id);
    if (item->kind == kGroup)
        m_nextNumber = 1;
    else if (item->id < m_nextNumber)
        m_nextNumber = item->id;
    if (m_currentGroup == item)
        m_currentGroup = nullptr;
}

void TImportTree::deleteEntry(Node entry)
{
    Item *item = static_cast<Item *>(entry);
    release(item);
    auto &level = siblingsOf(item);
    level.erase(std::find_if(level.begin(), level.end(), [item](const auto &p) { return p.get() == item; }));
}

void TImportTree::dumpLevel(const std::vector<std::unique_ptr<Item>> &level, int depth, QString &out) const
{
    for (const auto &item : level) {
        out += QString(depth * 2, QLatin1Char(' '));
        out += QLatin1String(kElementNames[item->kind]);
        out += QStringLiteral(" #%1 \"%2\"").arg(item->id).arg(item->name);
        if (item->kind == kProgram)
            out += QStringLiteral(" -> ") + item->custom;
        if (!item->comment.isEmpty())
            out += QStringLiteral(" // ") + item->comment;
        out += QLatin1Char('\n');
        dumpLevel(item->children, depth + 1, out);
    }
}

QString TImportTree::dump() const
{
    QString out;
    dumpLevel(m_top, 0, out);
    return out;
}
