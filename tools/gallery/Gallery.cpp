#include "Gallery.h"

#include "WindowCamera.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <cstdio>

QList<GalleryEntry>& galleryGroups()
{
    static QList<GalleryEntry> groups;
    return groups;
}

QScreen* GalleryScreens::screen(const char* name)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(name))
            return s;
    return QGuiApplication::primaryScreen();
}

GalleryGroup::GalleryGroup(const char* name, GalleryShots shots)
{
    galleryGroups().append({QString::fromLatin1(name), shots});
}

GalleryCamera::GalleryCamera(const QString& outDir)
    : outDir_(outDir)
{ }

void GalleryCamera::shoot(const QString& name, QWidget& window, const QSize& size)
{
    save(name, WindowCamera::take(window, size));
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
