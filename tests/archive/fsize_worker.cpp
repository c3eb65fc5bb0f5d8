// Writes a photo past a file-size limit, as a program started from a shell
// with `ulimit -f` would, so that test_file_size_limit can see how the
// process ends.
//
//   fsize_worker <photo file> <limit in bytes, 0 for none>
//
// The worker takes the signal dispositions a fresh program has, runs the
// program's start-up preparation, lowers its file-size limit, and writes a
// 600 x 400 photo of noise (far more than a few kilobytes as JPEG) over the
// file with PhotoFiles::write. It prints "scritta" or "rifiutata" and exits 0.

#include "archive/PhotoFiles.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QImage>
#include <QRandomGenerator>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv)
{
    // A test process may hand down an ignored SIGXFSZ; the program never
    // starts with one.
    std::signal(SIGXFSZ, SIG_DFL);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;

    ProcessStart::prepare();

    QImage foto(600, 400, QImage::Format_RGB32);
    QRandomGenerator caso(7);
    for (int y = 0; y < foto.height(); ++y) {
        auto* riga = reinterpret_cast<quint32*>(foto.scanLine(y));
        for (int x = 0; x < foto.width(); ++x)
            riga[x] = 0xFF000000u | (caso.generate() & 0xFFFFFFu);
    }
    const rlim_t limite = args[2].toULongLong();
    if (limite > 0) {
        rlimit r {};
        getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = limite;
        if (setrlimit(RLIMIT_FSIZE, &r) != 0)
            return 3;
    }
    const bool scritta = PhotoFiles::write(foto, args[1]);
    std::printf("%s\n", scritta ? "scritta" : "rifiutata");
    std::fflush(stdout);
    return 0;
}
