// Writes the picture texts of the pictures a new project starts with (the
// theme picture and the default buttons' pictures); run at build time:
//
//     start_pictures OUT_DIR NAME=FILE...
//
// Each FILE is read as the editor used to read it at start-up (true colour,
// no alpha) and OUT_DIR/NAME gets the text the project file holds for it. The
// editor reads these texts at start-up: no image decoding and no compression
// before its windows show, and a save of the new project writes them as they
// are.

#include "base/TPicture.h"
#include "xml/PictureText.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

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
        TPicture picture;
        picture.setBitmap(image.convertToFormat(QImage::Format_RGB888));
        QSaveFile file(out.filePath(argument.left(equals)));
        if (!file.open(QIODevice::WriteOnly) || file.write(PictureToText(picture).toLatin1()) < 0 || !file.commit()) {
            std::fprintf(stderr, "start_pictures: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
