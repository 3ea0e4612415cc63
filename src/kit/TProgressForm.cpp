#include "kit/TProgressForm.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

namespace {
constexpr int kMargin = 8;
constexpr int kSearchingTop = 6;
constexpr int kFolderTop = 22;
const QChar kZeroWidthSpace(0x200B);
}

TProgressForm::TProgressForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(tr("Добавление каталога"));
    setFixedSize(kClientWidth, kClientHeight);
    // Modal while shown: nothing else takes input while an import runs.
    setModal(true);

    LSearching = new QLabel(tr("Производится поиск..."), this);
    LSearching->setObjectName(QStringLiteral("LSearching"));
    LSearching->move(kMargin, kSearchingTop);
    LSearching->adjustSize();

    LFolder = new QLabel(this);
    LFolder->setObjectName(QStringLiteral("LFolder"));
    LFolder->setGeometry(kMargin, kFolderTop, kFolderLabelWidth, kFolderLabelHeight);
    LFolder->setWordWrap(true);
    LFolder->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LFolder->setTextFormat(Qt::PlainText);
}

void TProgressForm::PopUp(QWidget *mainWindow)
{
    QRect area;
    if (mainWindow)
        area = mainWindow->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    m_repaints = 0;
    m_sinceDrawn.invalidate();   // the first folder is drawn at once
}

void TProgressForm::ShowFolder(const QString &path)
{
    m_folder = path;
    m_drawn = false;
    constexpr qint64 kInterval = 1000 / kRepaintsPerSecond;
    if (m_sinceDrawn.isValid() && m_sinceDrawn.elapsed() < kInterval)
        return;
    SetLabel();
    // Pending window messages go through, the label's repaint among them.
    QApplication::processEvents();
}

void TProgressForm::Flush()
{
    if (m_drawn)
        return;
    SetLabel();
    LFolder->repaint();
}

void TProgressForm::SetLabel()
{
    // A long path breaks after its separators instead of running out of the label.
    QString shown = m_folder;
    shown.replace(QLatin1Char('/'), QStringLiteral("/") + kZeroWidthSpace);
    LFolder->setText(shown);
    m_drawn = true;
    ++m_repaints;
    m_sinceDrawn.start();
}
