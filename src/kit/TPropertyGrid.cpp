#include "kit/TPropertyGrid.h"

#include "kit/TPictureDialog.h"
#include "kit/TPropertyGridModel.h"
#include "kit/TStringsDialog.h"

#include <algorithm>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

const char *const TPropertyDelegate::kHeadingFontName = "MS Sans Serif";

namespace {

const char *const kDialogButtonText = "...";
// The editor's editing of its row (TPropertyGridModel::BeginEditing).
const char *const kEditingProperty = "editing";

TPropertyLayer::Kind kindOf(const QModelIndex &index)
{
    return TPropertyLayer::Kind(index.data(TPropertyGridModel::KindRole).toInt());
}

// A row edited only through a dialog.
bool dialogOnly(const QModelIndex &index)
{
    const TPropertyLayer::Kind kind = kindOf(index);
    return kind == TPropertyLayer::Kind::Picture || kind == TPropertyLayer::Kind::Object
           || (kind == TPropertyLayer::Kind::Value && index.data(TPropertyGridModel::TypeRole).toInt() == QMetaType::QStringList);
}

} // namespace

TPropertyDelegate::TPropertyDelegate(TPropertyGridModel &model, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

bool TPropertyDelegate::hasDialog(const QModelIndex &index) const
{
    if (dialogOnly(index))
        return true;
    const TPropertyValueType *type = m_model.ValueType(index.data(TPropertyGridModel::TypeRole).toInt());
    return kindOf(index) == TPropertyLayer::Kind::Value && type && type->dialog;
}

bool TPropertyDelegate::runDialog(QWidget *parent, const QModelIndex &index) const
{
    const QVariant current = index.data(Qt::EditRole);
    QVariant chosen;
    bool accepted = false;
    switch (kindOf(index)) {
    case TPropertyLayer::Kind::Picture: {
        TPictureDialog dialog(current.value<TPictureValue>(), m_prompt, parent);
        accepted = dialog.exec() == QDialog::Accepted;
        chosen = QVariant::fromValue(dialog.value());
        break;
    }
    case TPropertyLayer::Kind::Object: {
        const TPropertyGridModel::ObjectDialog run = m_model.ObjectDialogFor(index);
        const TPropertyLayer::Node node = TPropertyLayer::resolve(m_model.Inspected(), m_model.Path(index));
        accepted = run && node.target() && run(parent, node.target(), &chosen);
        break;
    }
    case TPropertyLayer::Kind::Value:
        if (index.data(TPropertyGridModel::TypeRole).toInt() == QMetaType::QStringList) {
            TStringsDialog dialog(current.toStringList(), parent);
            accepted = dialog.exec() == QDialog::Accepted;
            chosen = dialog.lines();
        } else if (const TPropertyValueType *type = m_model.ValueType(index.data(TPropertyGridModel::TypeRole).toInt());
                   type && type->dialog) {
            accepted = type->dialog(parent, current, &chosen);
        }
        break;
    default:
        break;
    }
    return accepted && m_model.Commit(index, chosen, false);
}

QWidget *TPropertyDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (index.column() != TPropertyGridModel::ValueColumn)
        return nullptr;
    const QString name = index.siblingAtColumn(TPropertyGridModel::NameColumn).data().toString();
    auto *frame = new QWidget(parent);
    frame->setObjectName(QStringLiteral("PropertyEditor"));
    frame->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const TPropertyLayer::Kind kind = kindOf(index);
    const int typeId = index.data(TPropertyGridModel::TypeRole).toInt();
    QWidget *field = nullptr;
    if (dialogOnly(index)) {
        auto *label = new QLineEdit(frame);
        label->setReadOnly(true);
        field = label;
    } else if (kind == TPropertyLayer::Kind::Flag || typeId == QMetaType::Bool
               || kind == TPropertyLayer::Kind::Enumeration || m_model.ValueType(typeId)) {
        auto *combo = new QComboBox(frame);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // A value picked from the list applies at once, as a typed one does on Enter.
        connect(combo, &QComboBox::activated, this,
                [this, frame] { emit const_cast<TPropertyDelegate *>(this)->commitData(frame); });
        if (const TPropertyValueType *type = m_model.ValueType(typeId); type && kind == TPropertyLayer::Kind::Value) {
            combo->setEditable(true);
            for (const auto &[choice, value] : type->choices)
                combo->addItem(type->icon ? type->icon(value) : QIcon(), choice);
        } else {
            combo->addItems(m_model.ChoiceTexts(index));   // Booleans and enumerations, as their values read
        }
        field = combo;
    } else {
        field = new QLineEdit(frame);
    }
    field->setObjectName(QStringLiteral("PropertyValue"));
    field->setAccessibleName(name);
    layout->addWidget(field, 1);
    frame->setFocusProxy(field);
    frame->setProperty(kEditingProperty, m_model.BeginEditing());
    if (hasDialog(index)) {
        auto *button = new QToolButton(frame);
        button->setText(QString::fromLatin1(kDialogButtonText));
        button->setObjectName(QStringLiteral("PropertyDialog"));
        button->setAccessibleName(name);
        layout->addWidget(button);
        const QPersistentModelIndex persistent(index);
        connect(button, &QToolButton::clicked, this, [this, frame, persistent] {
            if (runDialog(frame->window(), persistent))
                emit const_cast<TPropertyDelegate *>(this)->closeEditor(frame, QAbstractItemDelegate::NoHint);
        });
    }
    return frame;
}

void TPropertyDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = m_model.ValueText(index);
    if (auto *combo = editor->findChild<QComboBox *>()) {
        const int at = combo->findText(text);
        if (at >= 0)
            combo->setCurrentIndex(at);
        else if (combo->isEditable())
            combo->setEditText(text);
    } else if (auto *line = editor->findChild<QLineEdit *>()) {
        line->setText(text);
    }
}

void TPropertyDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    if (dialogOnly(index))
        return;
    QString text;
    if (auto *combo = editor->findChild<QComboBox *>())
        text = combo->currentText();
    else if (auto *line = editor->findChild<QLineEdit *>())
        text = line->text();
    else
        return;
    if (text == m_model.ValueText(index))
        return;   // nothing changed: no step to undo
    m_model.Edit(index, text, editor->property(kEditingProperty).toInt());
}

void TPropertyDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

QSize TPropertyDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
}

void TPropertyDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    if (index.data(TPropertyGridModel::GroupRole).toBool()) {
        QFont heading(QString::fromLatin1(kHeadingFontName));
        heading.setPixelSize(kHeadingFontHeight);
        heading.setBold(true);
        opt.font = heading;
    }
    // The highlighted row keeps the grid's own colours.
    opt.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, opt, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Dark));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (index.column() == TPropertyGridModel::NameColumn)
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
}

// ---------------------------------------------------------------------------

TPropertyGrid::TPropertyGrid(TPropertyGridModel &model, QWidget *parent)
    : QTreeView(parent), m_model(model), m_delegate(new TPropertyDelegate(model, this))
{
    setModel(&model);
    setItemDelegate(m_delegate);
    setUniformRowHeights(true);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setAllColumnsShowFocus(true);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    QPalette pal = palette();
    const QColor face = pal.color(QPalette::Button);
    pal.setColor(QPalette::Base, face);
    pal.setColor(QPalette::AlternateBase, face);
    pal.setColor(QPalette::Highlight, face);
    pal.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(pal);
    connect(&model, &QAbstractItemModel::modelReset, this, &TPropertyGrid::expandWhenShown);
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { emit currentRowChanged(currentIndex()); });
    expandAll();
}

void TPropertyGrid::setNamesWidth(int width)
{
    header()->resizeSection(TPropertyGridModel::NameColumn, width);
}

int TPropertyGrid::namesWidth() const
{
    return header()->sectionSize(TPropertyGridModel::NameColumn);
}

void TPropertyGrid::expandWhenShown()
{
    m_expandPending = true;
    if (isVisible())
        expandIfPending();
}

void TPropertyGrid::expandIfPending() const
{
    if (!m_expandPending)
        return;
    auto *self = const_cast<TPropertyGrid *>(this);
    self->m_expandPending = false;
    self->expandAll();
}

void TPropertyGrid::showEvent(QShowEvent *event)
{
    expandIfPending();
    QTreeView::showEvent(event);
}

int TPropertyGrid::namesNeed() const
{
    expandIfPending();
    // Each level is indented once more; the branch sign takes one indentation.
    constexpr int kTextMargin = 8;
    int need = 0;
    for (QModelIndex row = model()->index(0, TPropertyGridModel::NameColumn); row.isValid(); row = indexBelow(row)) {
        int depth = 1;
        for (QModelIndex up = row.parent(); up.isValid(); up = up.parent())
            ++depth;
        const int width = depth * indentation() + fontMetrics().horizontalAdvance(row.data().toString()) + kTextMargin;
        need = std::max(need, width);
    }
    return need;
}

int TPropertyGrid::valuesNeed() const
{
    expandIfPending();
    constexpr int kTextMargin = 8;
    int need = 0;
    for (QModelIndex row = model()->index(0, TPropertyGridModel::ValueColumn); row.isValid(); row = indexBelow(row)) {
        const QModelIndex value = row.siblingAtColumn(TPropertyGridModel::ValueColumn);
        const int icon = value.data(TPropertyGridModel::HasIconRole).toBool() ? iconSize().width() + kTextMargin : 0;
        need = std::max(need, icon + fontMetrics().horizontalAdvance(value.data().toString()) + kTextMargin);
    }
    return need;
}

int TPropertyGrid::namesWidthFor(int width, int namesNeed, int valuesNeed)
{
    if (namesNeed + valuesNeed <= width || valuesNeed <= 0)
        return std::min(namesNeed, width);
    return int(qint64(width) * namesNeed / (namesNeed + valuesNeed));
}

QModelIndex TPropertyGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Tab goes to the next row's value, Shift+Tab to the previous one.
    if (cursorAction == MoveNext || cursorAction == MovePrevious) {
        QModelIndex next = currentIndex();
        do {
            next = cursorAction == MoveNext ? indexBelow(next) : indexAbove(next);
        } while (next.isValid() && m_model.IsGroup(next));
        return next.isValid() ? next.siblingAtColumn(TPropertyGridModel::ValueColumn) : currentIndex();
    }
    return QTreeView::moveCursor(cursorAction, modifiers);
}

void TPropertyGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    emit currentRowChanged(current);
}
