#pragma once

#include <QLabel>

// The description strip below a property grid: the property's display name in
// bold and its description below, word-wrapped; empty for a row without one.
class TPropertyHelp : public QLabel
{
    Q_OBJECT
public:
    explicit TPropertyHelp(QWidget *parent = nullptr);

    void showProperty(const QString &name, const QString &description);
    const QString &propertyName() const { return m_name; }
    const QString &description() const { return m_description; }

private:
    QString m_name;
    QString m_description;
};
