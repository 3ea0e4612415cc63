#pragma once

#include <QLabel>

// The description strip below a property grid: the property's display name in
// bold and its description below, word-wrapped; empty for a row without one.
// At least its base height, taller where the text needs it: never cut.
class TPropertyHelp : public QLabel
{
    Q_OBJECT
public:
    explicit TPropertyHelp(QWidget *parent = nullptr);

    void showProperty(const QString &name, const QString &description);
    const QString &propertyName() const { return m_name; }
    const QString &description() const { return m_description; }
    void setBaseHeight(int height);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_name;
    QString m_description;
    int m_baseHeight = 0;

    void fitHeight();
};
