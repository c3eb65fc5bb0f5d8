// tessaria_gallery <outdir> [group...]
// Writes one PNG per window and state into outdir; with group names, only
// those groups. Runs offscreen, in a temporary program folder that holds the
// delivered password store.

#include "DeliveredStore.h"
#include "Gallery.h"
#include "WindowCamera.h"
#include "dialogs/Dialogs.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
// No window may stop the gallery: every question gets the negative answer
// and is only noted.
class SilentDialogs : public Dialogs {
public:
    Answer message(QWidget*, Kind, const QString& text) override { return note(text, Answer::Cancel); }
    void plain(QWidget*, const QString& text) override { note(text, Answer::Ok); }
    Answer question(QWidget*, const QString& text) override { return note(text, Answer::No); }
    QString openFile(QWidget*, const FileDialogSpec&) override { return {}; }
    QString saveFile(QWidget*, const FileDialogSpec&) override { return {}; }
    bool print(QWidget*, QPrinter*) override { return false; }

private:
    static Answer note(const QString& text, Answer a)
    {
        std::fprintf(stderr, "gallery: dialog \"%s\"\n", qPrintable(text));
        return a;
    }
};
} // namespace

int main(int argc, char** argv)
{
    // The desktop first, where every window has its design size; then the
    // smaller screens the scaled shots are taken on.
    WindowCamera::useScreens(
        (QByteArray(WindowCamera::DesktopScreen) + ',' + GalleryScreens::Laptop + ',' + GalleryScreens::Netbook)
            .constData());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tessaria_gallery <outdir> [group...]\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QStringList only;
    for (int i = 2; i < argc; ++i)
        only << QString::fromLocal8Bit(argv[i]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "gallery: cannot create %s\n", argv[1]);
        return 1;
    }

    QTemporaryDir folder;
    if (!folder.isValid() || deliverStore(folder.path()) != Delivery::Written) {
        std::fprintf(stderr, "gallery: cannot prepare a program folder\n");
        return 1;
    }
    ProgramFolder::set(folder.path());
    SilentDialogs dialogs;
    Dialogs::install(&dialogs);
    TMisc::setOpener([](const QString&) {});

    QList<GalleryEntry> groups = galleryGroups();
    std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    GalleryCamera camera(outDir);
    for (const GalleryEntry& g : std::as_const(groups)) {
        if (only.isEmpty() || only.contains(g.name))
            g.shots(camera);
    }

    Dialogs::install(nullptr);
    ProgramFolder::set(QString());
    if (camera.written().isEmpty()) {
        std::fprintf(stderr, "gallery: no shot taken\n");
        return 1;
    }
    return camera.failures() == 0 ? 0 : 1;
}
