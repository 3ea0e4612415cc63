#include "kit/TPropertyGridModel.h"

#include "kit/TPropertyGridRow.h"

#include <QColor>
#include <QCoreApplication>
#include <QMetaEnum>
#include <QFont>
#include <algorithm>
#include <limits>
#include <utility>

const char *const TPropertyGridModel::kCatchAllGroup = QT_TRANSLATE_NOOP("TPropertyGridModel", "Особое");

TPropertyGridModel::TPropertyGridModel(const TPropertyGridConfig &config, QObject *parent)
    : QAbstractItemModel(parent), m_config(config), m_root(std::make_unique<Row>())
{
    m_repaint.setSingleShot(true);
    m_repaint.setInterval(kRepaintMs);
    connect(&m_repaint, &QTimer::timeout, this, &TPropertyGridModel::repaintChanged);
}

TPropertyGridModel::~TPropertyGridModel() = default;

void TPropertyGridModel::SetInspected(QObject *object)
{
    if (object == m_inspected && object) {
        RefreshValues();
        return;
    }
    if (m_inspected)
        disconnect(m_inspected, &QObject::destroyed, this, nullptr);
    m_inspected = object;
    if (object)
        connect(object, &QObject::destroyed, this, [this] { SetInspected(nullptr); });
    rebuild();
}

void TPropertyGridModel::SetDisplayNames(bool on)
{
    if (m_displayNames == on)
        return;
    m_displayNames = on;
    if (rowCount() > 0)
        emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn));
    // Names below the groups change as well.
    std::function<void(const Row &)> names = [&](const Row &parentRow) {
        if (parentRow.children.empty())
            return;
        const QModelIndex parentIndex = &parentRow == m_root.get()
                                            ? QModelIndex()
                                            : createIndex(parentRow.row, NameColumn, const_cast<Row *>(&parentRow));
        emit dataChanged(index(0, NameColumn, parentIndex), index(int(parentRow.children.size()) - 1, NameColumn, parentIndex));
        for (const auto &child : parentRow.children)
            names(*child);
    };
    names(*m_root);
    RefreshValues();   // values read in the names' language
}

void TPropertyGridModel::RefreshValues()
{
    refreshRows(*m_root);
}

void TPropertyGridModel::refreshRows(const Row &parentRow)
{
    for (const auto &child : parentRow.children) {
        refreshRow(*child);
        refreshRows(*child);
    }
}

void TPropertyGridModel::refreshRow(const Row &row)
{
    if (row.group)
        return;
    const QModelIndex value = createIndex(row.row, ValueColumn, const_cast<Row *>(&row));
    const QString text = ValueText(value);
    if (!row.textKnown || text != row.text) {
        row.text = text;
        row.textKnown = true;
        m_changed.insert(&row);
        if (!m_repaint.isActive())
            m_repaint.start();
    }
}

void TPropertyGridModel::repaintChanged()
{
    const QSet<const Row *> changed = std::exchange(m_changed, {});
    for (const Row *row : changed) {
        const QModelIndex value = createIndex(row->row, ValueColumn, const_cast<Row *>(row));
        emit dataChanged(value, value);
    }
}

void TPropertyGridModel::ValuesChanged(QObject *root)
{
    if (root && root == m_inspected)
        RefreshValues();
}

const TPropertyValueType *TPropertyGridModel::ValueType(int metaTypeId) const
{
    auto it = m_types.constFind(metaTypeId);
    return it == m_types.constEnd() ? nullptr : &it.value();
}

TPropertyGridModel::ObjectDialog TPropertyGridModel::ObjectDialogFor(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    return row ? m_objectDialogs.value(row->className) : ObjectDialog();
}

// ---- building ---------------------------------------------------------------

void TPropertyGridModel::rebuild()
{
    beginResetModel();
    m_changed.clear();   // the rows go; the new ones are all painted anew
    m_repaint.stop();
    m_root = std::make_unique<Row>();
    if (m_inspected) {
        Row properties;
        addChildren(&properties, m_inspected, QString(), 0);
        QStringList order = m_config.GroupOrder();
        const QString catchAll = tr(kCatchAllGroup);
        order.removeAll(catchAll);
        order << catchAll;
        for (const QString &groupName : std::as_const(order)) {
            auto group = std::make_unique<Row>();
            group->group = true;
            group->name = groupName;
            for (auto &child : properties.children) {
                if (!child)
                    continue;
                QString g = m_config.Group(child->name);
                if (g.isEmpty() || !order.contains(g))
                    g = catchAll;
                if (g == groupName) {
                    child->parent = group.get();
                    group->children.push_back(std::move(child));
                }
            }
            if (group->children.empty())
                continue;
            sortRows(group->children);
            group->parent = m_root.get();
            group->row = int(m_root->children.size());
            m_root->children.push_back(std::move(group));
        }
    }
    endResetModel();
}

void TPropertyGridModel::addChildren(Row *row, QObject *object, const QString &path, int depth)
{
    if (depth >= TPropertyLayer::kMaxDepth)
        return;
    for (const QString &name : TPropertyLayer::children(object, path)) {
        const QString childPath = TPropertyLayer::join(path, name);
        if (!m_config.ShowProperty(m_inspected, childPath, name))
            continue;
        const TPropertyLayer::Node node = TPropertyLayer::resolve(object, childPath);
        if (!node.isValid())
            continue;
        auto child = std::make_unique<Row>();
        child->parent = row;
        child->name = name;
        child->path = childPath;
        child->kind = node.kind;
        child->typeId = node.property.metaType().id();
        if (node.kind == TPropertyLayer::Kind::Object || node.kind == TPropertyLayer::Kind::Picture) {
            if (QObject *target = node.target())
                child->className = QString::fromLatin1(target->metaObject()->className());
        }
        if (node.kind == TPropertyLayer::Kind::Set || node.kind == TPropertyLayer::Kind::Object)
            addChildren(child.get(), object, childPath, depth + 1);
        row->children.push_back(std::move(child));
    }
    if (depth > 0)
        sortRows(row->children);
}

void TPropertyGridModel::sortRows(std::vector<std::unique_ptr<Row>> &rows) const
{
    std::stable_sort(rows.begin(), rows.end(),
                     [this](const auto &a, const auto &b) { return m_config.Before(a->name, b->name); });
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i]->row = int(i);
}

// ---- reading ----------------------------------------------------------------

TPropertyGridModel::Row *TPropertyGridModel::rowOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Row *>(index.internalPointer()) : nullptr;
}

QString TPropertyGridModel::Path(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    return row ? row->path : QString();
}

TPropertyLayer::Kind TPropertyGridModel::Kind(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    return row ? row->kind : TPropertyLayer::Kind::Invalid;
}

bool TPropertyGridModel::IsGroup(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    return row && row->group;
}

QModelIndex TPropertyGridModel::IndexOfPath(const QString &path, int column) const
{
    std::function<QModelIndex(const Row &)> find = [&](const Row &parentRow) -> QModelIndex {
        for (const auto &child : parentRow.children) {
            if (!child->group && child->path == path)
                return createIndex(child->row, column, child.get());
            const QModelIndex found = find(*child);
            if (found.isValid())
                return found;
        }
        return QModelIndex();
    };
    return find(*m_root);
}

QString TPropertyGridModel::Description(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    if (!row || row->group || !m_inspected)
        return QString();
    return m_config.Description(m_inspected, row->path);
}

QModelIndex TPropertyGridModel::index(int row, int column, const QModelIndex &parent) const
{
    const Row *parentRow = parent.isValid() ? rowOf(parent) : m_root.get();
    if (!parentRow || row < 0 || column < 0 || column >= ColumnCount || row >= int(parentRow->children.size()))
        return QModelIndex();
    return createIndex(row, column, parentRow->children[size_t(row)].get());
}

QModelIndex TPropertyGridModel::parent(const QModelIndex &child) const
{
    const Row *row = rowOf(child);
    if (!row || !row->parent || row->parent == m_root.get())
        return QModelIndex();
    return createIndex(row->parent->row, NameColumn, row->parent);
}

int TPropertyGridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != NameColumn)
        return 0;
    const Row *row = parent.isValid() ? rowOf(parent) : m_root.get();
    return row ? int(row->children.size()) : 0;
}

int TPropertyGridModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant TPropertyGridModel::data(const QModelIndex &index, int role) const
{
    const Row *row = rowOf(index);
    if (!row)
        return QVariant();
    if (row->group) {
        if (index.column() != NameColumn)
            return QVariant();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return row->name;
        case Qt::FontRole: {
            QFont font;
            font.setBold(true);
            return font;
        }
        case GroupRole:
            return true;
        default:
            return QVariant();
        }
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (index.column() == NameColumn)
            return m_displayNames ? m_config.DisplayName(row->path, row->name) : row->name;
        if (!row->textKnown) {
            row->text = ValueText(index);
            row->textKnown = true;
        }
        return row->text;
    case Qt::EditRole:
        return index.column() == ValueColumn && m_inspected ? TPropertyLayer::read(m_inspected, row->path) : QVariant();
    case Qt::ForegroundRole:
        return QColor(index.column() == NameColumn ? Qt::black : Qt::darkBlue);
    case Qt::DecorationRole:
    case HasIconRole:
        if (index.column() == ValueColumn && row->kind == TPropertyLayer::Kind::Value)
            if (const TPropertyValueType *type = ValueType(row->typeId); type && type->icon && m_inspected)
                return role == HasIconRole ? QVariant(true) : type->icon(TPropertyLayer::read(m_inspected, row->path));
        return role == HasIconRole ? QVariant(false) : QVariant();
    case PathRole:
        return row->path;
    case KindRole:
        return int(row->kind);
    case TypeRole:
        return row->typeId;
    case ClassRole:
        return row->className;
    case GroupRole:
        return false;
    default:
        return QVariant();
    }
}

Qt::ItemFlags TPropertyGridModel::flags(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    if (!row)
        return Qt::NoItemFlags;
    if (row->group)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() != ValueColumn || !m_inspected)
        return flags;
    const TPropertyLayer::Node node = TPropertyLayer::resolve(m_inspected, row->path);
    if (!node.isWritable() || row->kind == TPropertyLayer::Kind::Set)
        return flags;
    if (row->kind == TPropertyLayer::Kind::Object && !m_objectDialogs.contains(row->className))
        return flags;
    return flags | Qt::ItemIsEditable;
}

// ---- writing ----------------------------------------------------------------

bool TPropertyGridModel::Commit(const QModelIndex &index, const QVariant &value, bool typed, int editing)
{
    const Row *row = rowOf(index);
    if (!row || row->group || !m_inspected)
        return false;
    QVariant converted = value;
    QString error;
    const bool isText = value.metaType().id() == QMetaType::QString;
    if (isText && !(row->kind == TPropertyLayer::Kind::Value && row->typeId == QMetaType::QString)) {
        if (!parseText(*row, value.toString(), &converted, &error)) {
            if (m_error)
                m_error(error);
            return false;
        }
    }
    QPointer<QObject> object = m_inspected;
    bool ok = false;
    if (m_commit) {
        ok = m_commit(object, row->path, converted, typed, editing, &error);
    } else {
        ok = TPropertyLayer::write(object, row->path, converted, &error);
        if (ok)
            ValuesChanged(object);
    }
    if (!ok && m_error)
        m_error(error);
    return ok;
}

bool TPropertyGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    return role == Qt::EditRole && Edit(index, value, 0);
}

bool TPropertyGridModel::Edit(const QModelIndex &index, const QVariant &value, int editing)
{
    if (index.column() != ValueColumn || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const Row *row = rowOf(index);
    const bool typed = value.metaType().id() == QMetaType::QString && row->kind == TPropertyLayer::Kind::Value
                       && (row->typeId == QMetaType::Int || row->typeId == QMetaType::QString);
    return Commit(index, value, typed, editing);
}
