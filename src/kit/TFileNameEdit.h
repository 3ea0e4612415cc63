#pragma once

#include <QLineEdit>

class QToolButton;

// A one-line edit for a file name with an optional browse button at its right
// end; a file dragged from a file manager can be dropped onto it, and its
// local path replaces the text (several files at once are refused).
class TFileNameEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool BrowseVisible READ BrowseVisible WRITE SetBrowseVisible)

public:
    explicit TFileNameEdit(QWidget *parent = nullptr);

    bool BrowseVisible() const { return m_browseVisible; }
    void SetBrowseVisible(bool visible);
    QToolButton *BrowseButton() const { return m_browse; }

    // The path a drop of these URLs gives, or an empty string.
    static QString DroppedPath(const QList<QUrl> &urls);
    static int LocalFileCount(const QList<QUrl> &urls);

signals:
    // The browse button was clicked; the owner asks for a file.
    void BrowseClicked();
    // A file was dropped and its path put into the field.
    void FileDropped(const QString &path);
    // count local files were dropped at once; the text stays as it was.
    void SeveralFilesDropped(int count);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceButton();

    QToolButton *m_browse;
    bool m_browseVisible = false;
};
