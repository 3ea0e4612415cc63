#include "base/TPicture.h"

#include "base/BrenwickError.h"
#include "rules/PicturePlacement.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

TPicture::TPicture(QObject *parent) : QObject(parent) {}

void TPicture::changed()
{
    if (m_onChange)
        m_onChange(this);
}

void TPicture::setTransparent(bool value)
{
    if (m_transparent == value)
        return;
    m_transparent = value;
    changed();
}

QRgb TPicture::bitmapTransparentColor() const
{
    if (m_hasExplicitTransparentColor)
        return m_explicitTransparentColor;
    if (m_image.isNull())
        return qRgb(255, 255, 255);
    const bool twoColors = m_image.format() == QImage::Format_Mono || m_image.format() == QImage::Format_MonoLSB;
    return rules::KeyColor(twoColors, m_image.pixel(0, m_image.height() - 1)) | 0xFF000000u;
}

void TPicture::setExplicitTransparentColor(QRgb color)
{
    m_hasExplicitTransparentColor = true;
    m_explicitTransparentColor = color;
    changed();
}

void TPicture::clearExplicitTransparentColor()
{
    m_hasExplicitTransparentColor = false;
    changed();
}

void TPicture::setBitmap(const QImage &image, const TBitmapLayout &layout, const QString &text)
{
    m_kind = gkBitmap;
    m_image = image;
    m_layout = image.isNull() ? TBitmapLayout() : layout;
    m_keptText = text;
    m_textReadBack = !m_keptText.isEmpty();
    m_hasExplicitTransparentColor = false;
    changed();
}

void TPicture::setGraphic(const QImage &image, GraphicKind kind)
{
    m_kind = kind;
    m_image = kind == gkNone ? QImage() : image;
    m_layout = TBitmapLayout();
    m_keptText.clear();
    m_textReadBack = false;
    m_hasExplicitTransparentColor = false;
    changed();
}

void TPicture::clear()
{
    setGraphic(QImage(), gkNone);
}

void TPicture::assign(const TPicture &other)
{
    m_kind = other.m_kind;
    m_image = other.m_image;
    m_layout = other.m_layout;
    m_keptText = other.m_keptText;
    m_textReadBack = other.m_textReadBack;
    m_transparent = other.m_transparent;
    m_hasExplicitTransparentColor = other.m_hasExplicitTransparentColor;
    m_explicitTransparentColor = other.m_explicitTransparentColor;
    changed();
}

QImage TPicture::keptTextImage() const
{
    if (m_keptText.isEmpty() || m_kind != gkBitmap)
        return QImage();
    if (m_textReadBack)
        return m_image;
    // Written by default as 24-bit pixels, which read back as 32-bit ones.
    const QImage::Format format = m_image.format();
    if (!m_layout.known && (format == QImage::Format_RGB32 || format == QImage::Format_RGB888))
        return m_image.convertToFormat(QImage::Format_RGB32);
    return QImage();
}

void TPicture::makeBitmap()
{
    if (m_kind == gkBitmap)
        return;
    QImage bitmap;
    if (m_kind != gkNone && !m_image.isNull()) {
        bitmap = QImage(m_image.size(), QImage::Format_RGB888);
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, m_image);
    }
    setBitmap(bitmap);
}

void TPicture::loadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw BrenwickError(tr("Невозможно открыть файл: %1").arg(fileName));
    const QByteArray head = file.peek(64);
    // Windows metafiles (placeable WMF and EMF) have no reader on this platform.
    if (head.startsWith("\xD7\xCD\xC6\x9A") || (head.size() >= 44 && head.mid(40, 4) == " EMF"))
        throw BrenwickError(tr("Метафайлы не поддерживаются: %1").arg(fileName));
    // Bitmaps are read here: every variant, exactly, and with their layout.
    if (head.startsWith("BM")) {
        TBmpImage bitmap;
        try {
            bitmap = ReadBmp(file.readAll());
        } catch (const BrenwickError &) {
            throw BrenwickError(
                tr("Точечный рисунок повреждён или записан в неподдерживаемом виде: %1").arg(fileName));
        }
        setBitmap(bitmap.image, bitmap.layout);
        return;
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    QImage image = reader.read();
    if (image.isNull())
        throw BrenwickError(tr("Неизвестный формат картинки: %1").arg(fileName));
    GraphicKind kind = gkBitmap;
    if (format == "jpeg" || format == "jpg")
        kind = gkJpeg;
    else if (format == "png")
        kind = gkPng;
    else if (format == "gif")
        kind = gkGif;
    else if (format == "ico" || format == "cur")
        kind = gkIcon;
    else if (format != "bmp")
        kind = gkPng;   // other raster formats Qt reads are held like PNG images
    setGraphic(image, kind);
}
