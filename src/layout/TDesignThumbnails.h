#pragma once

#include "project/TDesignGallery.h"
#include "project/TMenuSource.h"

#include <QHash>
#include <QImage>
#include <QSize>

// The gallery's pictures of its designs, drawn by the menu window's own
// painting: each design file read by the ordinary design reader into a window
// that is never shown, its menu filled with one level of commands, its client
// area rendered and scaled down. Thumbnails are kept per design file and
// level, so opening the gallery again for the same project draws nothing.
class TDesignThumbnails
{
public:
    static constexpr QSize kSize{192, 144};

    // The sample level shown when the project has no command: eight entries.
    static TMenuSource::Level SampleLevel();
    // The top level of a project's menu as the window would list it, or the
    // sample when it lists nothing.
    static TMenuSource::Level LevelOf(const TMenuSource &tree);

    // The design window's client area with the design and that level, at the
    // design's own size. Throws BrenwickError when the file does not read.
    static QImage Render(const QString &designFile, const TMenuSource::Level &level);
    // The thumbnails of the designs, in order; a design that does not read
    // gets a null image. Those not kept yet are drawn, then all are scaled
    // down on every core at once.
    QList<QImage> Draw(const QList<TGalleryDesign> &designs, const TMenuSource::Level &level);
    // Forgets the kept thumbnails of a design file (it was written anew).
    void Forget(const QString &designFile);
    int KeptCount() const { return int(m_kept.size()); }

private:
    static QString Key(const QString &designFile, const TMenuSource::Level &level);
    QHash<QString, QImage> m_kept;
};
