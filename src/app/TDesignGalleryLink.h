#pragma once

#include "layout/TDesignThumbnails.h"
#include "project/TDesignGallery.h"

#include <QObject>
#include <functional>

class TDesignGalleryForm;
class TMainForm;

// "Файл" → "Создать по образцу..." and "Сохранить как образец...": the gallery
// of designs for a new project or the open one, and the author's own designs.
class TDesignGalleryLink : public QObject
{
    Q_OBJECT

public:
    explicit TDesignGalleryLink(TMainForm &mainForm, const QString &ownFolder = TDesignGallery::DefaultOwnFolder());

    TDesignGallery &Gallery() { return m_gallery; }
    TDesignThumbnails &Thumbnails() { return m_thumbnails; }
    // How the gallery dialog is run (tests answer it); returns when it closed.
    std::function<void(TDesignGalleryForm &)> RunForm;

    // A new project with the design, after the close question; true when made.
    bool NewFromDesign(const TGalleryDesign &design);
    // The design applied to the open project as "Загрузить оформление" applies
    // a design file, the project's options kept: one undo step.
    bool ApplyDesign(const TGalleryDesign &design);

public slots:
    void ADesignGalleryExecute();
    void ASaveAsSampleExecute();

private:
    bool RemoveOwn(const TGalleryDesign &design);

    TMainForm &m_main;
    TDesignGallery m_gallery;
    TDesignThumbnails m_thumbnails;
};
