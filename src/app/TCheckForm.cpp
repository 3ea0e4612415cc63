#include "app/TCheckForm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const int kInitialWidth = 640;
const int kInitialHeight = 360;

} // namespace

TCheckForm::TCheckForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CheckForm"));
    setWindowTitle(tr("Проверка проекта"));
    resize(kInitialWidth, kInitialHeight);
    auto *layout = new QVBoxLayout(this);
    stSummary = new QLabel(this);
    stSummary->setObjectName(QStringLiteral("stSummary"));
    lbFindings = new QListWidget(this);
    lbFindings->setObjectName(QStringLiteral("lbFindings"));
    lbFindings->setAccessibleName(tr("Найденное"));
    stSummary->setBuddy(lbFindings);
    auto *buttons = new QDialogButtonBox(this);
    bShow = buttons->addButton(tr("Показать"), QDialogButtonBox::ActionRole);
    bShow->setObjectName(QStringLiteral("bShow"));
    bShow->setAccessibleName(bShow->text());
    bClose = buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole);
    bClose->setObjectName(QStringLiteral("bClose"));
    bClose->setAccessibleName(bClose->text());
    layout->addWidget(stSummary);
    layout->addWidget(lbFindings);
    layout->addWidget(buttons);

    connect(lbFindings, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Choose(lbFindings->row(item)); });
    connect(bShow, &QPushButton::clicked, this, [this] { Choose(lbFindings->currentRow()); });
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbFindings, &QListWidget::currentRowChanged, this, [this](int row) {
        bShow->setEnabled(row >= 0 && row < m_findings.size()
                          && (m_findings.at(row).item || m_findings.at(row).object));
    });
}

void TCheckForm::ShowFindings(const QList<TFinding> &findings)
{
    m_findings = findings;
    lbFindings->clear();
    int errors = 0;
    for (const TFinding &f : findings) {
        if (f.severity == TFinding::fsError)
            ++errors;
        const QIcon icon = style()->standardIcon(f.severity == TFinding::fsError ? QStyle::SP_MessageBoxCritical
                                                                                 : QStyle::SP_MessageBoxWarning);
        auto *item = new QListWidgetItem(icon, f.subject.isEmpty() ? f.text : f.subject + QStringLiteral(": ") + f.text);
        item->setToolTip(TFinding::SeverityCaption(f.severity));
        lbFindings->addItem(item);
    }
    if (findings.isEmpty())
        stSummary->setText(tr("Проверка ничего не нашла: проект готов к записи на диск."));
    else
        stSummary->setText(tr("Ошибок: %1, предупреждений: %2.").arg(errors).arg(findings.size() - errors));
    lbFindings->setCurrentRow(findings.isEmpty() ? -1 : 0);
    bShow->setEnabled(!findings.isEmpty() && (findings.first().item || findings.first().object));
}

void TCheckForm::Choose(int row)
{
    if (row < 0 || row >= m_findings.size() || !m_chooser)
        return;
    m_chooser(m_findings.at(row));
}
