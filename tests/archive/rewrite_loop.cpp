// Rewrites one card in place over and over, the way the archive screen saves
// an edited card (open, rewrite, close), so that test_torn_reads can read the
// same card from another process meanwhile.
//
//   rewrite_loop <program folder> <Chiave> <card number>
//
// The card alternates between versione('A') and versione('B'), stores opened
// for writing and plain stores taking turns. The loop writes "pronto" on
// standard output after its first rewrite and stops when a file named
// "basta" appears in the folder; it then writes how many rewrites it made.
// Exit code 0 when every rewrite succeeded.

#include "SchedeDiProva.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: rewrite_loop <folder> <Chiave> <card number>\n");
        return 2;
    }
    ProgramFolder::set(args[1]);
    const Categoria* categoria = Catalogo::PerChiave(args[2]);
    const int n = args[3].toInt();
    if (!categoria || n <= 0) {
        std::fprintf(stderr, "rewrite_loop: bad arguments\n");
        return 2;
    }
    const Scheda versioni[] = {versione(categoria->tipo, 'A'), versione(categoria->tipo, 'B')};
    const QString basta = ProgramFolder::file(QStringLiteral("basta"));
    QElapsedTimer tempo;
    tempo.start();
    long giri = 0;
    try {
        // The time limit only guards against a test that died without
        // saying stop.
        for (; tempo.elapsed() < 120000; ++giri) {
            if (giri == 1) {
                std::printf("pronto\n");
                std::fflush(stdout);
            }
            if (QFileInfo::exists(basta))
                break;
            TArchivioSchede archivio(*categoria);
            archivio.Apri(giri % 4 < 2 ? TArchivioSchede::Accesso::Scrittura : TArchivioSchede::Accesso::Lettura);
            archivio.Riscrivi(n, versioni[giri % 2]);
            archivio.Chiudi();
            // A screen does more between two saves (the photo, the message):
            // readers find the lock free now and then, at varying moments.
            QThread::usleep(giri % 5 * 40);
        }
    } catch (const ErroreArchivio& e) {
        std::fprintf(stderr, "rewrite_loop: %s\n", e.what());
        return 1;
    }
    std::printf("%ld\n", giri);
    return 0;
}
