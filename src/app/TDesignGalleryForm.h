#pragma once

#include "project/TDesignGallery.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QListWidget;
class QPushButton;

// "Файл" → "Создать по образцу...": the gallery of designs, a thumbnail of each
// with its title and one line of description. The user makes a new project with
// the chosen design, applies it to the open project or removes an own design.
class TDesignGalleryForm : public QDialog
{
    Q_OBJECT

public:
    enum class TChoice { None, NewProject, Apply };
    // remove: asked to remove an own design; true when it was removed.
    TDesignGalleryForm(const QList<TGalleryDesign> &designs, const QList<QImage> &thumbnails,
                       std::function<bool(const TGalleryDesign &)> remove, QWidget *parent = nullptr);

    TChoice Choice() const { return m_choice; }
    // The chosen design; valid when Choice() is not None.
    const TGalleryDesign &Chosen() const { return m_chosen; }
    QListWidget *List() const { return m_list; }
    // Selects a design by its gallery name; false when the gallery has none.
    bool SelectName(const QString &name);

    QPushButton *bNew, *bApply, *bRemove, *bClose;

private:
    void Choose(TChoice choice);
    void UpdateButtons();
    void RemoveCurrent();

    QList<TGalleryDesign> m_designs;
    std::function<bool(const TGalleryDesign &)> m_remove;
    QListWidget *m_list;
    TChoice m_choice = TChoice::None;
    TGalleryDesign m_chosen;
};
