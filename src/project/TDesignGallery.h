#pragma once

#include <QList>
#include <QString>
#include <optional>

class TProject;

// One design of the gallery.
struct TGalleryDesign
{
    QString name;          // one word of Latin letters, digits and "-"; what "design apply" takes
    QString title;         // in the interface language
    QString description;   // one line
    QString fileName;      // the design file
    bool own = false;      // the author's own design, which can be removed
};

// The designs to start from: those shipped with the program (":/designs/NAME.xml")
// and the author's own, kept as design files NAME.xml in a folder of the user's
// data, each with NAME.txt beside it holding its title and description.
class TDesignGallery
{
public:
    // ownFolder: where the author's own designs live.
    explicit TDesignGallery(const QString &ownFolder = DefaultOwnFolder());
    // "designs" in the editor's data folder (its QStandardPaths::AppDataLocation,
    // which brenwick-cli shares).
    static QString DefaultOwnFolder();
    const QString &OwnFolder() const { return m_ownFolder; }

    // The shipped designs first, in their order, then the own ones by name.
    QList<TGalleryDesign> Designs() const;
    std::optional<TGalleryDesign> Find(const QString &name) const;
    // The gallery name of an own design titled title: Cyrillic written in Latin
    // letters, letters and digits in lower case, every other run of characters
    // one "-"; "design" when nothing is left. A shipped design's name gets "-2".
    static QString NameFor(const QString &title);
    // Writes the project's design (options, design and buttons, as "Сохранить
    // оформление" writes them) as an own design; replaces one of the same name.
    // Throws BrenwickError when the files cannot be written; nothing is left
    // half-written then.
    TGalleryDesign SaveOwn(TProject &project, const QString &title, const QString &description);
    // Removes an own design; false when there is none of that name.
    bool RemoveOwn(const QString &name);

private:
    QString m_ownFolder;
};
