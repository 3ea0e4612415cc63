#include "app/TDesignGalleryForm.h"

#include "layout/TDesignThumbnails.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TDesignGalleryForm::TDesignGalleryForm(const QList<TGalleryDesign> &designs, const QList<QImage> &thumbnails,
                                       std::function<bool(const TGalleryDesign &)> remove, QWidget *parent)
    : QDialog(parent), m_designs(designs), m_remove(std::move(remove))
{
    setObjectName(QStringLiteral("TDesignGalleryForm"));
    setWindowTitle(tr("Создать по образцу"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbDesigns"));
    m_list->setAccessibleName(tr("Образцы оформления"));
    m_list->setIconSize(TDesignThumbnails::kSize);
    m_list->setSpacing(4);
    m_list->setWordWrap(true);
    for (int i = 0; i < designs.size(); ++i) {
        const TGalleryDesign &d = designs.at(i);
        auto *item = new QListWidgetItem(d.title + QLatin1Char('\n') + d.description, m_list);
        QPixmap pixmap(TDesignThumbnails::kSize);
        pixmap.fill(Qt::transparent);
        const QImage thumb = thumbnails.value(i);
        if (!thumb.isNull())
            pixmap = QPixmap::fromImage(thumb);
        item->setIcon(QIcon(pixmap));
        item->setToolTip(d.name);
    }
    bNew = new QPushButton(tr("Создать проект"), this);
    bNew->setObjectName(QStringLiteral("bNew"));
    bApply = new QPushButton(tr("Применить к проекту"), this);
    bApply->setObjectName(QStringLiteral("bApply"));
    bRemove = new QPushButton(tr("Удалить образец"), this);
    bRemove->setObjectName(QStringLiteral("bRemove"));
    bClose = new QPushButton(tr("Закрыть"), this);
    bClose->setObjectName(QStringLiteral("bClose"));
    for (QPushButton *b : {bNew, bApply, bRemove, bClose})
        b->setAccessibleName(b->text());
    bNew->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bNew);
    buttons->addWidget(bApply);
    buttons->addWidget(bRemove);
    buttons->addStretch();
    buttons->addWidget(bClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(620, 560);

    connect(bNew, &QPushButton::clicked, this, [this] { Choose(TChoice::NewProject); });
    connect(bApply, &QPushButton::clicked, this, [this] { Choose(TChoice::Apply); });
    connect(bRemove, &QPushButton::clicked, this, &TDesignGalleryForm::RemoveCurrent);
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, [this] { Choose(TChoice::NewProject); });
    connect(m_list, &QListWidget::currentRowChanged, this, &TDesignGalleryForm::UpdateButtons);
    if (!designs.isEmpty())
        m_list->setCurrentRow(0);
    UpdateButtons();
}

bool TDesignGalleryForm::SelectName(const QString &name)
{
    for (int i = 0; i < m_designs.size(); ++i)
        if (m_designs.at(i).name == name) {
            m_list->setCurrentRow(i);
            return true;
        }
    return false;
}

void TDesignGalleryForm::Choose(TChoice choice)
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_designs.size())
        return;
    m_choice = choice;
    m_chosen = m_designs.at(row);
    accept();
}

void TDesignGalleryForm::UpdateButtons()
{
    const int row = m_list->currentRow();
    const bool any = row >= 0 && row < m_designs.size();
    bNew->setEnabled(any);
    bApply->setEnabled(any);
    bRemove->setEnabled(any && m_designs.at(row).own);
}

void TDesignGalleryForm::RemoveCurrent()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_designs.size() || !m_designs.at(row).own || !m_remove || !m_remove(m_designs.at(row)))
        return;
    m_designs.removeAt(row);
    delete m_list->takeItem(row);
    UpdateButtons();
}
