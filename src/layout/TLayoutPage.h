#pragma once

#include <QList>
#include <QModelIndex>
#include <QObject>

class QAction;
class QPushButton;
class QSplitter;
class QTreeView;
class QWidget;
class TLayoutEditor;
class TPropertyGrid;
class TPropertyHelp;
class UserPrompt;

// The widgets of the page "Внешний вид", thin over TLayoutEditor: the object
// tree with the add and delete buttons on the left, the property grid and the
// description strip on the right, a splitter between them.
class TLayoutPage : public QObject
{
    Q_OBJECT
public:
    static constexpr int kLeftWidth = 221;
    static constexpr int kLeftMinWidth = 220;
    static constexpr int kSplitterWidth = 4;
    static constexpr int kTreeIndent = 19;
    static constexpr int kButtonWidth = 105;
    static constexpr int kButtonHeight = 25;
    static constexpr int kButtonLeft = 4;
    static constexpr int kButtonGap = 3;
    static constexpr int kButtonsBelow = 20;
    static constexpr int kHelpHeight = 51;

    struct Actions
    {
        QAction *addButton = nullptr;
        QAction *deleteButton = nullptr;
        QAction *englishInspector = nullptr;
        QAction *noSelectText = nullptr;
    };

    // Fills page (which must be empty) and binds it to the editor and actions.
    TLayoutPage(QWidget *page, TLayoutEditor &editor, const Actions &actions, UserPrompt *prompt = nullptr);

    QWidget *LeftPanel;
    QWidget *RightPanel;
    QSplitter *Splitter;
    QTreeView *ObjectTree;
    QPushButton *bAddButton;
    QPushButton *bDeleteButton;
    TPropertyGrid *ObjectInspector;
    TPropertyHelp *PropertyHelp;

    // The grid's names column := the grid's width div 2.
    void RightPanelResize();
    int SplitterPos() const;
    // The entries of the object tree's context menu on a node: "Удалить
    // кнопку" on a stand-alone button (which it selects), "Добавить кнопку"
    // on "Кнопки", none elsewhere.
    QList<QAction *> ContextActions(const QModelIndex &index);
    void SetSplitterPos(int pos);

signals:
    void SplitterMoved(int pos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowHelp();
    void applySplitterPos();

    TLayoutEditor &m_editor;
    Actions m_actions;
    int m_splitterPos = kLeftWidth;
    bool m_resizePending = false;   // the grid was hidden when it should have been measured
};
