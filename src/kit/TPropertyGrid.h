#pragma once

#include <QStyledItemDelegate>
#include <QTreeView>

class TPropertyGridModel;
class UserPrompt;

// Draws the grid's rows (lines in the button-shadow colour, bold group
// headings, 16-pixel rows) and edits values: whole numbers and texts typed,
// Booleans and enumerations chosen by name, colours and cursors from their
// named values (a swatch beside colours, a dialog for other colours), and
// fonts, pictures and string lists through their dialogs. Every value goes
// to the model's Commit, which reports bad input and changes nothing then.
class TPropertyDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kHeadingFontHeight = 11;
    static const char *const kHeadingFontName;   // "MS Sans Serif"

    explicit TPropertyDelegate(TPropertyGridModel &model, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Runs the dialog of a row (colour, font, picture, string list) and
    // commits its result; false when the row has none or it was cancelled.
    bool runDialog(QWidget *parent, const QModelIndex &index) const;
    bool hasDialog(const QModelIndex &index) const;
    // Where the picture dialog asks its questions (its own dialogs when null).
    void setPrompt(UserPrompt *prompt) { m_prompt = prompt; }

private:
    TPropertyGridModel &m_model;
    UserPrompt *m_prompt = nullptr;
};

// The property grid: a two-column tree over a TPropertyGridModel, groups
// expanded, Tab moving to the next row.
class TPropertyGrid : public QTreeView
{
    Q_OBJECT
public:
    explicit TPropertyGrid(TPropertyGridModel &model, QWidget *parent = nullptr);

    TPropertyGridModel &gridModel() { return m_model; }
    TPropertyDelegate &delegate() { return *m_delegate; }
    void setNamesWidth(int width);
    int namesWidth() const;
    // The width the names column needs to show its longest visible name whole.
    int namesNeed() const;
    // The width the values column needs to show its longest value whole.
    int valuesNeed() const;
    // The names column's width for a grid of the given width: every name whole
    // while the values still fit beside them, else each column its share of
    // what both need.
    static int namesWidthFor(int width, int namesNeed, int valuesNeed);

signals:
    // The current row changed (an invalid index when there is none).
    void currentRowChanged(const QModelIndex &index);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void showEvent(QShowEvent *event) override;

private:
    // A hidden grid expands its groups when it shows or is measured, not at
    // every change of the object it shows.
    void expandWhenShown();
    void expandIfPending() const;

    TPropertyGridModel &m_model;
    TPropertyDelegate *m_delegate;
    bool m_expandPending = false;
};
