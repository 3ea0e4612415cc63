#include "app/TCheckForm.h"

#include "kit/HelpContext.h"

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
    help::setHelpKeyword(this, QString::fromLatin1(help::kCheckKeyword));
    resize(kInitialWidth, kInitialHeight);
    auto *layout = new QVBoxLayout(this);
    stSummary = new QLabel(this);
    stSummary->setObjectName(QStringLiteral("stSummary"));
    lbFindings = new QListWidget(this);
    lbFindings->setObjectName(QStringLiteral("lbFindings"));
    lbFindings->setAccessibleName(tr("Найденное"));
    // A long finding wraps instead of being cut off.
    lbFindings->setWordWrap(true);
    lbFindings->setTextElideMode(Qt::ElideNone);
    lbFindings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stSummary->setBuddy(lbFindings);
    auto *buttons = new QDialogButtonBox(this);
    bShow = buttons->addButton(tr("Показать"), QDialogButtonBox::ActionRole);
    bShow->setObjectName(QStringLiteral("bShow"));
    bShow->setAccessibleName(bShow->text());
    bFix = buttons->addButton(tr("Исправить"), QDialogButtonBox::ActionRole);
    bFix->setObjectName(QStringLiteral("bFix"));
    bFix->setAccessibleName(bFix->text());
    bFix->setToolTip(tr("Заменить полные пути Linux путями от Корневого Каталога (один шаг отмены)"));
    bFix->hide();
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
    connect(bFix, &QPushButton::clicked, this, [this] {
        if (m_fixer)
            m_fixer(m_findings);
    });
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
    int warnings = 0;
    bool fixable = false;
    for (const TFinding &f : findings) {
        errors += f.severity == TFinding::fsError;
        warnings += f.severity == TFinding::fsWarning;
        fixable = fixable || !f.fix.isEmpty();
        const QIcon icon = style()->standardIcon(f.severity == TFinding::fsError     ? QStyle::SP_MessageBoxCritical
                                                 : f.severity == TFinding::fsWarning ? QStyle::SP_MessageBoxWarning
                                                                                     : QStyle::SP_MessageBoxInformation);
        auto *item = new QListWidgetItem(icon, f.subject.isEmpty() ? f.text : f.subject + QStringLiteral(": ") + f.text);
        item->setToolTip(TFinding::SeverityCaption(f.severity) + QStringLiteral(": ") + item->text());
        lbFindings->addItem(item);
    }
    if (errors + warnings == 0)
        stSummary->setText(tr("Проверка ничего не нашла: проект готов к записи на диск."));
    else
        stSummary->setText(tr("Ошибок: %1, предупреждений: %2.").arg(errors).arg(warnings));
    bFix->setVisible(fixable && m_fixer);
    lbFindings->setCurrentRow(findings.isEmpty() ? -1 : 0);
    bShow->setEnabled(!findings.isEmpty() && (findings.first().item || findings.first().object));
}

void TCheckForm::Choose(int row)
{
    if (row < 0 || row >= m_findings.size() || !m_chooser)
        return;
    m_chooser(m_findings.at(row));
}
