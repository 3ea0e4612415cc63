#pragma once

#include "window/TStyledButton.h"
#include "window/TTextBox.h"
#include "rules/MenuGrid.h"

// The menu area: one button per line of Text, laid out in equal columns, the
// button at SelectedIndex drawn in ColorSelected. The buttons' look is
// ButtonStyle. It has no input handling of its own.
class TButtonBox : public TTextBox
{
    Q_OBJECT
    Q_PROPERTY(TStyledButton *ButtonStyle READ ButtonStyle CONSTANT)
    Q_PROPERTY(TColor ColorSelected READ ColorSelected WRITE setColorSelected)
    Q_PROPERTY(int Columns READ Columns WRITE setColumns)
    Q_PROPERTY(bool HorizAlloc READ HorizAlloc WRITE setHorizAlloc)
    Q_PROPERTY(bool AutoColumns READ AutoColumns WRITE setAutoColumns)
public:
    static constexpr int kMinColumns = rules::kMinColumns;
    static constexpr int kMaxColumns = rules::kMaxColumns;
    // The sample that sizes a row.
    static inline const QString kRowSample = QtView(rules::kRowSample).toString();

    explicit TButtonBox(TPaintSurface *surface, QObject *parent = nullptr);

    TStyledButton *ButtonStyle() const { return m_buttonStyle; }
    TColor ColorSelected() const { return m_colorSelected; }
    void setColorSelected(TColor color);
    int Columns() const { return m_columns; }
    void setColumns(int columns);
    bool HorizAlloc() const { return m_horizAlloc; }
    void setHorizAlloc(bool horizontal);
    bool AutoColumns() const { return m_autoColumns; }
    void setAutoColumns(bool automatic);
    int SelectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);
    // The button drawn pressed (-1: none); not part of the design, only the
    // test-run sets it while the mouse holds a button down.
    int PressedIndex() const { return m_pressedIndex; }
    void setPressedIndex(int index);
    // The button whose rectangle holds point (in the area's own coordinates);
    // -1 when none does. Computed as the paint places the buttons.
    int ItemAt(const QPoint &point);
    // Width of one column, as the last paint computed it.
    int ColumnWidth() const { return m_columnWidth; }

    // The grid of the last paint.
    int LastRows() const { return m_lastRows; }
    int LastColumns() const { return m_lastColumns; }

    QSize MeasureItem(const QString &text) override;
    void DrawItem(const QString &text, int x, int y, bool selected) override;
    void Paint(QPainter &painter) override;

    // Draws a button's text transparently: the shadow, then the text in
    // ColorSelected when selected, else in the font's colour.
    void DrawButtonText(const QString &text, int x, int y, bool selected);

    // What the shared geometry lays the buttons out by.
    rules::MenuLook Look() const;

private:
    rules::MenuGrid ComputeGrid(int count);
    QRect ItemRect(const rules::MenuGrid &grid, int index, const QString &text);

    TStyledButton *m_buttonStyle;
    TColor m_colorSelected = TColor::clRed;
    int m_columns = kMinColumns;
    bool m_horizAlloc = false;
    bool m_autoColumns = true;
    int m_selectedIndex = 0;
    int m_pressedIndex = -1;
    int m_columnWidth = 0;
    int m_lastRows = 0;
    int m_lastColumns = 0;
};
