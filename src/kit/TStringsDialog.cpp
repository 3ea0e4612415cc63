#include "kit/TStringsDialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TStringsDialog::TStringsDialog(const QStringList &lines, QWidget *parent)
    : QDialog(parent), m_edit(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("StringsDialog"));
    setWindowTitle(tr("Редактор строк"));
    m_edit->setObjectName(QStringLiteral("mLines"));
    m_edit->setAccessibleName(tr("Строки"));
    m_edit->setPlainText(lines.join(QLatin1Char('\n')));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
}

QStringList TStringsDialog::lines() const
{
    const QString text = m_edit->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
