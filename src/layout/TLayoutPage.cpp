#include "layout/TLayoutPage.h"

#include "kit/TPropertyGrid.h"
#include "kit/TPropertyHelp.h"
#include "layout/TLayoutEditor.h"
#include "window/TPicButton.h"

#include <algorithm>
#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QPushButton *actionButton(QAction *action, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(action ? action->text() : QString(), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(button->text());
    if (action) {
        button->setIcon(action->icon());
        button->setEnabled(action->isEnabled());
        QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
        QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    }
    // At least the classic 105 x 25, wider or taller where the caption needs it.
    const QSize hint = button->sizeHint();
    button->setFixedSize(qMax(TLayoutPage::kButtonWidth, hint.width()), qMax(TLayoutPage::kButtonHeight, hint.height()));
    return button;
}

} // namespace

TLayoutPage::TLayoutPage(QWidget *page, TLayoutEditor &editor, const Actions &actions, UserPrompt *prompt)
    : QObject(page), m_editor(editor), m_actions(actions)
{
    Splitter = new QSplitter(Qt::Horizontal, page);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setHandleWidth(kSplitterWidth);
    Splitter->setChildrenCollapsible(false);

    LeftPanel = new QWidget(Splitter);
    LeftPanel->setObjectName(QStringLiteral("LeftPanel"));
    LeftPanel->setMinimumWidth(kLeftMinWidth);
    ObjectTree = new QTreeView(LeftPanel);
    ObjectTree->setObjectName(QStringLiteral("ObjectTree"));
    ObjectTree->setAccessibleName(tr("Объекты"));
    ObjectTree->setModel(editor.Tree().model());
    ObjectTree->setSelectionModel(editor.Tree().selectionModel());
    ObjectTree->setHeaderHidden(true);
    ObjectTree->setIndentation(kTreeIndent);
    ObjectTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette pal = ObjectTree->palette();
    // The selection stays visible when the tree loses the focus.
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    ObjectTree->setPalette(pal);
    bAddButton = actionButton(actions.addButton, "bAddButton", LeftPanel);
    bDeleteButton = actionButton(actions.deleteButton, "bDeleteButton", LeftPanel);
    // The panel is never narrower than its two buttons side by side.
    LeftPanel->setMinimumWidth(
        qMax(kLeftMinWidth, kButtonLeft + bAddButton->width() + kButtonGap + bDeleteButton->width() + kButtonGap));
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(kButtonLeft, 0, 0, kButtonsBelow);
    buttons->setSpacing(kButtonGap);
    buttons->addWidget(bAddButton);
    buttons->addWidget(bDeleteButton);
    buttons->addStretch(1);
    auto *left = new QVBoxLayout(LeftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(ObjectTree, 1);
    left->addLayout(buttons);

    RightPanel = new QWidget(Splitter);
    RightPanel->setObjectName(QStringLiteral("RightPanel"));
    ObjectInspector = new TPropertyGrid(editor.Inspector(), RightPanel);
    ObjectInspector->setObjectName(QStringLiteral("ObjectInspector"));
    ObjectInspector->setAccessibleName(tr("Свойства"));
    ObjectInspector->delegate().setPrompt(prompt);
    PropertyHelp = new TPropertyHelp(RightPanel);
    PropertyHelp->setObjectName(QStringLiteral("PropertyHelp"));
    PropertyHelp->setAccessibleName(tr("Описание свойства"));
    PropertyHelp->setBaseHeight(kHelpHeight);
    auto *right = new QVBoxLayout(RightPanel);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(ObjectInspector, 1);
    right->addWidget(PropertyHelp);

    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter);
    SetSplitterPos(kLeftWidth);

    ObjectInspector->installEventFilter(this);
    ObjectTree->installEventFilter(this);
    ObjectTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ObjectTree, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QList<QAction *> offered = ContextActions(ObjectTree->indexAt(pos));
        if (!offered.isEmpty())
            QMenu::exec(offered, ObjectTree->viewport()->mapToGlobal(pos), nullptr, ObjectTree);
    });
    // A click on the node already highlighted shows its object again.
    connect(ObjectTree, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        QStandardItem *node = m_editor.Tree().model()->itemFromIndex(index);
        if (node && node == m_editor.Tree().Selected())
            m_editor.Tree().Select(node);
    });
    Splitter->installEventFilter(this);
    connect(Splitter, &QSplitter::splitterMoved, this, [this](int pos) {
        m_splitterPos = pos;
        emit SplitterMoved(pos);
    });
    connect(&editor, &TLayoutEditor::ExpandNode, ObjectTree,
            [this](QStandardItem *node) { ObjectTree->expand(node->index()); });
    if (actions.deleteButton) {
        connect(&editor, &TLayoutEditor::DeleteButtonEnabled, actions.deleteButton, &QAction::setEnabled);
        connect(actions.deleteButton, &QAction::triggered, &editor, &TLayoutEditor::ADeleteButtonExecute);
    }
    if (actions.addButton)
        connect(actions.addButton, &QAction::triggered, &editor, &TLayoutEditor::AAddButtonExecute);
    if (QAction *english = actions.englishInspector) {
        editor.Inspector().SetDisplayNames(!english->isChecked());
        connect(english, &QAction::toggled, this, [this](bool on) {
            m_editor.Inspector().SetDisplayNames(!on);
            ShowHelp();
        });
    }
    if (QAction *noText = actions.noSelectText)
        editor.Tree().setNoSelectText([noText] { return noText->isChecked(); });
    connect(ObjectInspector, &TPropertyGrid::currentRowChanged, this, [this] { ShowHelp(); });
    connect(ObjectInspector->model(), &QAbstractItemModel::modelReset, this, &TLayoutPage::RightPanelResize);
    RightPanelResize();
}

void TLayoutPage::ShowHelp()
{
    const QModelIndex current = ObjectInspector->currentIndex();
    const QString name = current.siblingAtColumn(TPropertyGridModel::NameColumn).data().toString();
    PropertyHelp->showProperty(name, m_editor.Inspector().Description(current));
}

void TLayoutPage::RightPanelResize()
{
    // Every name and value whole where the grid is wide enough for both; a
    // hidden grid is measured when it shows.
    m_resizePending = !ObjectInspector->isVisible();
    if (m_resizePending)
        return;
    // From the grid's own size: its viewport follows only after this resize.
    const QScrollBar *bar = ObjectInspector->verticalScrollBar();
    const int width = ObjectInspector->maximumViewportSize().width() - (bar->isVisible() ? bar->width() : 0);
    ObjectInspector->setNamesWidth(
        TPropertyGrid::namesWidthFor(width, ObjectInspector->namesNeed(), ObjectInspector->valuesNeed()));
}

int TLayoutPage::SplitterPos() const
{
    return m_splitterPos;
}

void TLayoutPage::SetSplitterPos(int pos)
{
    m_splitterPos = qMax(pos, LeftPanel->minimumWidth());
    applySplitterPos();
}

void TLayoutPage::applySplitterPos()
{
    // The left panel keeps its width; the right one takes the rest.
    const int rest = Splitter->width() - Splitter->handleWidth() - m_splitterPos;
    if (Splitter->width() > 0)
        Splitter->setSizes({m_splitterPos, qMax(rest, 0)});
}

QList<QAction *> TLayoutPage::ContextActions(const QModelIndex &index)
{
    QStandardItem *node = m_editor.Tree().model()->itemFromIndex(index);
    if (!node)
        return {};
    if (node == m_editor.ButtonsNode())
        return m_actions.addButton ? QList<QAction *>{m_actions.addButton} : QList<QAction *>{};
    if (!qobject_cast<TPicButton *>(TObjectTree::ObjectOf(node)) || !m_actions.deleteButton)
        return {};
    // The menu acts on the button it was opened on.
    m_editor.Tree().Select(node);
    return {m_actions.deleteButton};
}

bool TLayoutPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ObjectTree && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->keyCombination() == QKeyCombination(Qt::Key_Delete)) {
        // Delete acts on a stand-alone button only, as "Удалить кнопку" does.
        if (m_editor.CanDeleteButton() && m_actions.deleteButton)
            m_actions.deleteButton->trigger();
        return true;
    }
    if (event->type() == QEvent::Show && watched == ObjectInspector && m_resizePending)
        RightPanelResize();
    if (event->type() == QEvent::Resize) {
        if (watched == ObjectInspector)
            RightPanelResize();
        else if (watched == Splitter)
            applySplitterPos();
    }
    return QObject::eventFilter(watched, event);
}
