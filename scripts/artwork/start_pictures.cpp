// Writes the picture texts of the pictures a new project starts with (the
// theme picture and the default buttons' pictures); run at build time:
//
//     start_pictures OUT_DIR NAME=FILE...
//
// Each FILE is read as a true-colour picture without alpha; OUT_DIR/NAME gets
// the text the project file holds for it and OUT_DIR/NAME.bmp the bitmap's
// bytes that text carries. The editor reads these at start-up: no image format
// to decode and nothing to compress before its windows show, and a save of the
// new project writes the texts as they are.

#include "xml/PictureText.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "start_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: start_pictures OUT_DIR NAME=FILE...\n", stderr);
        return 2;
    }
    const QDir out(arguments.at(1));
    for (const QString &argument : arguments.mid(2)) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QImage image(argument.mid(equals + 1));
        if (equals <= 0 || image.isNull()) {
            std::fprintf(stderr, "start_pictures: cannot read %s\n", qPrintable(argument));
            return 1;
        }
        const QByteArray bytes = BitmapBytes(image.convertToFormat(QImage::Format_RGB888));
        const QString name = argument.left(equals);
        if (!write(out.filePath(name), BytesToPictureText(bytes).toLatin1())
            || !write(out.filePath(name + QStringLiteral(".bmp")), bytes))
            return 1;
    }
    return 0;
}
