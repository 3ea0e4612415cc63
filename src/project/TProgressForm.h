#pragma once

#include <QDialog>

class QLabel;

// The progress dialog "Добавление каталога": shows the folder being searched
// while a folder import runs. It has no caption buttons and cannot be
// cancelled.
class TProgressForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 334;
    static constexpr int kClientHeight = 71;
    static constexpr int kFolderLabelWidth = 317;
    static constexpr int kFolderLabelHeight = 45;

    explicit TProgressForm(QWidget *parent = nullptr);

    // Shows the dialog centred on the main window (the screen without one).
    void PopUp(QWidget *mainWindow);
    // Lets pending window messages be processed, so the dialog repaints, and
    // shows the folder in the second label.
    void ShowFolder(const QString &path);
    // The folder last shown.
    QString folder() const { return m_folder; }

    // The search cannot be cancelled: Escape and a close request leave the
    // dialog up; the import hides it when it is done.
    void reject() override {}

    QLabel *LSearching;
    QLabel *LFolder;

private:
    QString m_folder;
};
