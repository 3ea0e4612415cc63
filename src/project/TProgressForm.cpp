#include "project/TProgressForm.h"

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
    setWindowTitle(QStringLiteral("Добавление каталога"));
    setFixedSize(kClientWidth, kClientHeight);
    // Modal while shown: nothing else takes input while an import runs.
    setModal(true);

    LSearching = new QLabel(QStringLiteral("Производится поиск..."), this);
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
}

void TProgressForm::ShowFolder(const QString &path)
{
    QApplication::processEvents();
    m_folder = path;
    // A long path breaks after its separators instead of running out of the label.
    QString shown = path;
    shown.replace(QLatin1Char('/'), QStringLiteral("/") + kZeroWidthSpace);
    LFolder->setText(shown);
    LFolder->repaint();
}
