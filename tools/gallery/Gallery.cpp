#include "Gallery.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

QList<GalleryEntry>& galleryGroups()
{
    static QList<GalleryEntry> groups;
    return groups;
}

GalleryGroup::GalleryGroup(const char* name, GalleryShots shots)
{
    galleryGroups().append({QString::fromLatin1(name), shots});
}

GalleryCamera::GalleryCamera(const QString& outDir)
    : outDir_(outDir)
{ }

void GalleryCamera::settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void GalleryCamera::shoot(const QString& name, QWidget& window, const QSize& size)
{
    if (!window.isVisible()) {
        if (size.isValid())
            window.resize(size);
        window.show();
        window.activateWindow();
    }
    settle();
    save(name, window.grab().toImage());
}

void GalleryCamera::save(const QString& name, const QImage& image)
{
    const QString file = QDir(outDir_).filePath(name + QStringLiteral(".png"));
    if (image.isNull() || !image.save(file)) {
        std::fprintf(stderr, "gallery: could not write %s\n", qPrintable(file));
        ++failures_;
        return;
    }
    written_.append(file);
    std::printf("%s (%dx%d)\n", qPrintable(file), image.width(), image.height());
}
