#include "project/TBaseItem.h"

#include <QCoreApplication>

#include <array>

namespace {

struct KindInfo
{
    const char *element;
    const char *caption;
    const char *icon;
};

const std::array<KindInfo, kItemKindCount> kKinds = {{
    {"group", QT_TRANSLATE_NOOP("TBaseItem", "Группа"), ":/icons/kind-group.png"},
    {"program", QT_TRANSLATE_NOOP("TBaseItem", "Программа"), ":/icons/kind-program.png"},
    {"url", "URL", ":/icons/kind-url.png"},
    {"comment", QT_TRANSLATE_NOOP("TBaseItem", "Комментарий"), ":/icons/kind-comment.png"},
    {"exit", QT_TRANSLATE_NOOP("TBaseItem", "Выход"), ":/icons/kind-exit.png"},
}};

const KindInfo &Info(TItemKind kind)
{
    return kKinds[kind < kItemKindCount ? kind : ikGroup];
}

} // namespace

QString ItemKindElementName(TItemKind kind)
{
    return QString::fromLatin1(Info(kind).element);
}

TItemKind ItemKindFromElementName(const QString &name)
{
    for (int k = 0; k < kItemKindCount; ++k)
        if (name == QLatin1String(kKinds[k].element))
            return TItemKind(k);
    return ikGroup;
}

QString ItemKindCaption(TItemKind kind)
{
    return QCoreApplication::translate("TBaseItem", Info(kind).caption);
}

QString ItemKindDefaultName(TItemKind kind)
{
    return QString::fromUtf8(Info(kind).caption);
}

QString ItemKindIconPath(TItemKind kind)
{
    return QString::fromLatin1(Info(kind).icon);
}

TBaseItem::~TBaseItem()
{
    for (TBaseItem *child : m_children)
        delete child;
}

TBaseItem *TBaseItem::Parent() const
{
    // The tree's invisible root is the only entry without a parent.
    return m_parent && m_parent->m_parent ? m_parent : nullptr;
}

bool TBaseItem::Contains(const TBaseItem *item) const
{
    for (const TBaseItem *p = item; p; p = p->m_parent)
        if (p == this)
            return true;
    return false;
}
