#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QImage;
class QScreen;
class QWidget;

// The window gallery: every window of the program, built offscreen at its
// design size in a temporary program folder, one PNG per window and state.
//
// A subsystem adds its shots in a source file of its own, listed in
// tools/CMakeLists.txt, with one registration at namespace scope:
//
//     static void editorShots(GalleryCamera& camera) { ... camera.shoot("archivio_luce", window); }
//     static const GalleryGroup group("editor", &editorShots);

// The smaller screens beside the desktop, right of it: a laptop that leaves
// 1280 x 660 to the windows, and a 1024 x 600 netbook.
namespace GalleryScreens {
inline constexpr const char* Laptop
    = R"({"name":"laptop","x":1920,"y":0,"width":1280,"height":660,"logicalDpi":96,"dpr":1})";
inline constexpr const char* Netbook
    = R"({"name":"netbook","x":3200,"y":0,"width":1024,"height":600,"logicalDpi":96,"dpr":1})";
// The screen of that name; the primary one when there is none.
QScreen* screen(const char* name);
} // namespace GalleryScreens

class GalleryCamera {
public:
    explicit GalleryCamera(const QString& outDir);

    // Shows window offscreen (at size, or as it is when size is empty), lets
    // it settle and writes <name>.png. Windows already shown keep their size
    // and focus, so a shot can set a state first.
    void shoot(const QString& name, QWidget& window, const QSize& size = {});
    void save(const QString& name, const QImage& image);

    const QStringList& written() const { return written_; }
    int failures() const { return failures_; }

private:
    QString outDir_;
    QStringList written_;
    int failures_ = 0;
};

using GalleryShots = void (*)(GalleryCamera&);

struct GalleryGroup {
    GalleryGroup(const char* name, GalleryShots shots);
};

struct GalleryEntry {
    QString name;
    GalleryShots shots;
};
QList<GalleryEntry>& galleryGroups();
