#include "kit/QtUserPrompt.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>

UserPrompt::Answer QtUserPrompt::ask(const QString &caption, const QString &text, Buttons buttons, Icon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (QAbstractButton *b = box.button(QMessageBox::Yes))
        b->setText(QCoreApplication::translate("QtUserPrompt", "Да"));
    if (QAbstractButton *b = box.button(QMessageBox::No))
        b->setText(QCoreApplication::translate("QtUserPrompt", "Нет"));
    if (QAbstractButton *b = box.button(QMessageBox::Cancel))
        b->setText(QCoreApplication::translate("QtUserPrompt", "Отмена"));
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtUserPrompt::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return out.join(QStringLiteral(";;"));
}

QString QtUserPrompt::openFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, dir, toQtFilter(filter));
}

QString QtUserPrompt::saveFileName(const QString &caption, const QString &dir, const QString &filter,
                                   const QString &defaultSuffix)
{
    QFileDialog dialog(m_parent, caption, dir, toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtUserPrompt::folder(const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, dir);
}

QString QtUserPrompt::limitedText(const QString &caption, const QString &label, const QString &initial, int maxLength,
                                  const TextNote &note)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(caption);
    dialog.setInputMode(QInputDialog::TextInput);
    auto showNote = [&dialog, label, note](const QString &text) {
        const QString said = note ? note(text) : QString();
        dialog.setLabelText(said.isEmpty() ? label : label + QLatin1Char('\n') + said);
    };
    showNote(initial);
    QObject::connect(&dialog, &QInputDialog::textValueChanged, &dialog, showNote);
    dialog.setTextValue(initial);
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setMaxLength(maxLength);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtUserPrompt::text(const QString &caption, const QString &label, const QString &initial)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(m_parent, caption, label, QLineEdit::Normal, initial, &ok);
    return ok ? answer : QString();
}

QtUserPrompt::FamilyShown QtUserPrompt::dialogFamily(const QString &stored, const QStringList &installed,
                                                    const QString &substitute, QString *shown)
{
    const auto has = [&installed](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    *shown = stored;
    if (has(stored))
        return FamilyShown::Itself;
    // The families of the player's system and those drawn with their metrics.
    static const std::pair<const char *, const char *> kTwins[] = {
        {"Times New Roman", "Liberation Serif"}, {"Times New Roman", "Tinos"},
        {"Arial", "Liberation Sans"},            {"Arial", "Arimo"},
        {"Courier New", "Liberation Mono"},      {"Courier New", "Cousine"},
    };
    for (const auto &[family, twin] : kTwins) {
        if (stored.compare(QLatin1StringView(family), Qt::CaseInsensitive) == 0 && has(QLatin1StringView(twin))) {
            *shown = QString::fromLatin1(twin);
            return FamilyShown::MetricTwin;
        }
    }
    if (has(substitute)) {
        *shown = substitute;
        return FamilyShown::Substitute;
    }
    return FamilyShown::Itself;
}

bool QtUserPrompt::font(const QString &caption, const QFont &initial, QFont *chosen)
{
    // A family this machine lacks opens on the one shown in its place, named
    // as such, not on the dialog's first family.
    QString family;
    const FamilyShown how = dialogFamily(initial.family(), QFontDatabase::families(), QFontInfo(initial).family(),
                                         &family);
    QFont opening = initial;
    opening.setFamily(family);
    QFontDialog dialog(opening, m_parent);
    switch (how) {
    case FamilyShown::Itself:
        dialog.setWindowTitle(caption);
        break;
    case FamilyShown::MetricTwin:
        dialog.setWindowTitle(QCoreApplication::translate("QtUserPrompt", "%1: %2 (показан как %3, с теми же размерами букв)")
                                  .arg(caption, initial.family(), family));
        break;
    case FamilyShown::Substitute:
        dialog.setWindowTitle(QCoreApplication::translate("QtUserPrompt", "%1: %2 (не установлен, показан как %3)")
                                  .arg(caption, initial.family(), family));
        break;
    }
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *chosen = chosenFont(initial, shown, dialog.selectedFont());
    return true;
}

QFont QtUserPrompt::chosenFont(const QFont &initial, const QFont &shown, const QFont &selected)
{
    QFont font = selected;
    if (selected.family() == shown.family())
        font.setFamily(initial.family());
    if (selected.pointSize() == shown.pointSize() && initial.pointSize() > 0)
        font.setPointSize(initial.pointSize());
    if (selected.bold() == shown.bold())
        font.setBold(initial.bold());
    if (selected.italic() == shown.italic())
        font.setItalic(initial.italic());
    if (selected.underline() == shown.underline())
        font.setUnderline(initial.underline());
    if (selected.strikeOut() == shown.strikeOut())
        font.setStrikeOut(initial.strikeOut());
    return font;
}
