#include "kit/TFileNameEdit.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

TFileNameEdit::TFileNameEdit(QWidget *parent) : QLineEdit(parent), m_browse(new QToolButton(this))
{
    setAcceptDrops(true);
    m_browse->setText(QStringLiteral("..."));
    m_browse->setCursor(Qt::ArrowCursor);
    // Reached with Tab right after the field, so the keyboard can browse too.
    m_browse->setFocusPolicy(Qt::StrongFocus);
    m_browse->setToolTip(tr("Выбрать файл"));
    m_browse->setAccessibleName(tr("Выбрать файл"));
    m_browse->hide();
    connect(m_browse, &QToolButton::clicked, this, &TFileNameEdit::BrowseClicked);
}

void TFileNameEdit::SetBrowseVisible(bool visible)
{
    m_browseVisible = visible;
    m_browse->setVisible(visible);
    setTextMargins(0, 0, visible ? m_browse->sizeHint().width() : 0, 0);
    PlaceButton();
}

QString TFileNameEdit::DroppedPath(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls)
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

void TFileNameEdit::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() && !DroppedPath(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
    else
        QLineEdit::dragEnterEvent(event);
}

void TFileNameEdit::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        QLineEdit::dragMoveEvent(event);
}

int TFileNameEdit::LocalFileCount(const QList<QUrl> &urls)
{
    return int(std::count_if(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); }));
}

void TFileNameEdit::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->hasUrls() ? event->mimeData()->urls() : QList<QUrl>();
    if (const int count = LocalFileCount(urls); count > 1) {
        // One field, one file: none is taken rather than one by chance.
        event->acceptProposedAction();
        emit SeveralFilesDropped(count);
        return;
    }
    const QString path = DroppedPath(urls);
    if (path.isEmpty()) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    setText(path);
    emit textEdited(path);
    emit FileDropped(path);
}

void TFileNameEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    PlaceButton();
}

void TFileNameEdit::PlaceButton()
{
    const QSize hint = m_browse->sizeHint();
    const int h = height() - 2;
    m_browse->setGeometry(width() - hint.width() - 1, 1, hint.width(), std::max(h, 0));
}
