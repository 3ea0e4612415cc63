#pragma once

#include <QImage>
#include <QRect>

class QPainter;
class TPicture;

// The image to draw for a picture, honouring its transparency: a bitmap drawn
// transparently loses its transparent colour (the explicit one, white for a
// two-colour bitmap, else the colour of its bottom-left pixel); other graphics
// keep their own alpha. Empty for an empty picture.
QImage PictureDrawImage(const TPicture &picture);

// Draws a picture scaled into dest, honouring its transparency. An empty
// picture draws nothing.
void DrawPicture(QPainter &painter, const TPicture &picture, const QRect &dest);
// The same with a draw image prepared by PictureDrawImage.
void DrawPictureImage(QPainter &painter, const QImage &image, const QRect &dest);
