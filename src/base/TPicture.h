#pragma once

#include "base/BmpFile.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

// The picture container: holds at most one graphic (a bitmap, or a JPEG, PNG,
// GIF or icon image read through Qt's image readers), knows its kind, size,
// emptiness and whether it is drawn transparently, and reports every change to
// one listener. Metafiles are not supported on this platform.
class TPicture : public QObject
{
    Q_OBJECT
public:
    enum GraphicKind { gkNone, gkBitmap, gkJpeg, gkPng, gkGif, gkIcon };
    Q_ENUM(GraphicKind)

    using ChangeHandler = std::function<void(TPicture *)>;

    explicit TPicture(QObject *parent = nullptr);

    GraphicKind kind() const { return m_kind; }
    bool hasGraphic() const { return m_kind != gkNone; }
    // True without a graphic, or when the graphic has no pixels.
    bool isEmpty() const { return m_kind == gkNone || m_image.isNull(); }
    int width() const { return m_image.isNull() ? 0 : m_image.width(); }
    int height() const { return m_image.isNull() ? 0 : m_image.height(); }
    const QImage &image() const { return m_image; }

    // The graphic's transparency switch (bitmaps: leave the transparent colour
    // undrawn). Icons and other images with an alpha channel keep their own.
    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);

    // A bitmap's transparent colour: the explicit one when set, else white for a
    // two-colour bitmap, else the colour of its bottom-left pixel.
    QRgb bitmapTransparentColor() const;
    void setExplicitTransparentColor(QRgb color);
    void clearExplicitTransparentColor();

    // Puts a bitmap into the picture (a null image gives an empty bitmap). With
    // a layout, the bitmap was read from BMP bytes and is written back in it;
    // with a text, the bitmap (empty ones too) was read from that picture
    // text, which is kept.
    void setBitmap(const QImage &image, const TBitmapLayout &layout = {}, const QString &text = {});
    // How the bitmap lay in the BMP bytes it was read from (known false for any
    // other graphic, and for a bitmap made here).
    const TBitmapLayout &bitmapLayout() const { return m_layout; }
    // Puts any graphic into the picture.
    void setGraphic(const QImage &image, GraphicKind kind);
    // Removes the graphic.
    void clear();
    // Copies another picture's graphic (and transparency).
    void assign(const TPicture &other);

    // The picture text the bitmap was read from or last written as, so that a
    // save need not compress it again; empty when there is none. Every change
    // of the graphic drops it (transparency is not part of the text).
    const QString &keptText() const { return m_keptText; }
    // Remembers the text the bitmap was just written as; changes nothing else.
    void keepText(const QString &text)
    {
        m_keptText = text;
        m_textReadBack = false;
    }
    // The bitmap a reader of the kept text gets, when the picture knows it
    // without reading the text: the bitmap the text was read as, or one
    // written in a form that reads back pixel for pixel (true colour without
    // alpha, in the default layout). A null image when it does not know.
    QImage keptTextImage() const;

    // Makes the picture hold a bitmap: no graphic gives an empty bitmap; another
    // kind is drawn onto a 24-bit bitmap of its own size over white.
    void makeBitmap();

    // Loads a file by its content (bitmaps keep their layout); throws
    // BrenwickError with a clear message when the file cannot be read or is not
    // a supported picture.
    void loadFromFile(const QString &fileName);

    void setOnChange(ChangeHandler handler) { m_onChange = std::move(handler); }

    // Tells the listener that the picture changed.
    void changed();

private:
    GraphicKind m_kind = gkNone;
    QImage m_image;
    TBitmapLayout m_layout;
    QString m_keptText;
    bool m_textReadBack = false;   // m_image is what m_keptText was read as
    bool m_transparent = false;
    bool m_hasExplicitTransparentColor = false;
    QRgb m_explicitTransparentColor = 0;
    ChangeHandler m_onChange;
};
