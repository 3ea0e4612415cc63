#pragma once

#include <QObject>

class QWidget;

// Size limits of a surface; 0 means no limit. Setting a limit applies it to
// the widget at once (it shrinks or grows to fit).
class TSizeConstraints : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE setMaxHeight)
public:
    explicit TSizeConstraints(QWidget *widget);

    int MinWidth() const { return m_minWidth; }
    void setMinWidth(int value);
    int MinHeight() const { return m_minHeight; }
    void setMinHeight(int value);
    int MaxWidth() const { return m_maxWidth; }
    void setMaxWidth(int value);
    int MaxHeight() const { return m_maxHeight; }
    void setMaxHeight(int value);

    // The size the limits allow for a wanted size (the shared rule, within 0 .. 2^24 - 1).
    int constrainWidth(int width) const;
    int constrainHeight(int height) const;

private:
    void apply();

    QWidget *m_widget;
    int m_minWidth = 0;
    int m_minHeight = 0;
    int m_maxWidth = 0;
    int m_maxHeight = 0;
};
