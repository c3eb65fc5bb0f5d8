// tessaria_make_icon <icon.png>
// Writes the icon that the desktop's menu shows for the program: the
// program's mark, drawn by the same picture code as the windows.

#include "ui/ProgramPictures.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaria_make_icon <icon.png>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || !ProgramPictures::icon(QSize(256, 256)).save(&file, "PNG")
        || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
