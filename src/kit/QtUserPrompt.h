#pragma once

#include "base/UserPrompt.h"

class QWidget;

// The real dialogs, parented to a window.
class QtUserPrompt : public UserPrompt
{
public:
    explicit QtUserPrompt(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer ask(const QString &caption, const QString &text, Buttons buttons, Icon icon) override;
    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter,
                         const QString &defaultSuffix) override;
    QString folder(const QString &caption, const QString &dir) override;
    QString text(const QString &caption, const QString &label, const QString &initial) override;
    bool font(const QString &caption, const QFont &initial, QFont *chosen) override;

    // What a font dialog's answer means: every attribute (family, point size,
    // bold, italic, underline, strike-out) the user left as the dialog first
    // showed it keeps its initial value, so a family this machine lacks, shown
    // as its substitute, survives a confirmation.
    static QFont chosenFont(const QFont &initial, const QFont &shown, const QFont &selected);

    // The family a font dialog opens on for a stored family: the family itself
    // when this machine has it, else its metric twin (the same size of every
    // letter: Liberation Serif for Times New Roman), else what this machine
    // draws in its place (substitute), if it has that.
    enum class FamilyShown { Itself, MetricTwin, Substitute };
    static FamilyShown dialogFamily(const QString &stored, const QStringList &installed, const QString &substitute,
                                    QString *shown);

    QString limitedText(const QString &caption, const QString &label, const QString &initial, int maxLength,
                        const TextNote &note = {}) override;

    // "Файлы XML|*.xml|Все файлы|*.*" -> "Файлы XML (*.xml);;Все файлы (*.*)"
    static QString toQtFilter(const QString &filter);

private:
    QWidget *m_parent;
};
