#pragma once

#include <QDialog>
#include <QElapsedTimer>

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
    // Takes the folder being searched. At most kRepaintsPerSecond times a
    // second it lets pending window messages be processed and repaints the
    // second label with it; the folders in between are not drawn.
    void ShowFolder(const QString &path);
    // Draws the last folder given, if it is not drawn yet (the import calls it
    // before the dialog closes).
    void Flush();
    // The folder last given.
    QString folder() const { return m_folder; }
    // How often the label was drawn since the dialog was last popped up.
    int repaintCount() const { return m_repaints; }

    static constexpr int kRepaintsPerSecond = 30;

    // The search cannot be cancelled: Escape and a close request leave the
    // dialog up; the import hides it when it is done.
    void reject() override {}

    QLabel *LSearching;
    QLabel *LFolder;

private:
    void SetLabel();

    QString m_folder;
    QElapsedTimer m_sinceDrawn;
    bool m_drawn = true;
    int m_repaints = 0;
};
