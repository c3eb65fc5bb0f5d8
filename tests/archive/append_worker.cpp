// Saves cards into a category's record file the way the archive screen does,
// one open, append and close per card, so that test_store can run two of
// these at once against the same program folder.
//
//   append_worker <program folder> <Chiave> <writer tag> <count>
//
// The worker waits for a file named "via" to appear in the folder before it
// starts, so that the test can let two workers go at the same moment.
//
// Card i (1..count) is schedaDiProva(tipo, tag, i). Odd cards are appended
// through a store opened for writing, even ones through a plain store whose
// Aggiungi takes the append lock by itself. Exit code 0 when every append
// succeeded.

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
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: append_worker <folder> <Chiave> <tag> <count>\n");
        return 2;
    }
    ProgramFolder::set(args[1]);
    const Categoria* categoria = Catalogo::PerChiave(args[2]);
    const QString chi = args[3];
    const int quante = args[4].toInt();
    if (!categoria || quante <= 0) {
        std::fprintf(stderr, "append_worker: bad arguments\n");
        return 2;
    }
    QElapsedTimer attesa;
    attesa.start();
    while (!QFileInfo::exists(ProgramFolder::file(QStringLiteral("via")))) {
        if (attesa.elapsed() > 60000) {
            std::fprintf(stderr, "append_worker: no start signal\n");
            return 3;
        }
        QThread::msleep(1);
    }
    try {
        for (int i = 1; i <= quante; ++i) {
            TArchivioSchede archivio(*categoria);
            archivio.Apri(i % 2 ? TArchivioSchede::Accesso::Scrittura : TArchivioSchede::Accesso::Lettura);
            archivio.Aggiungi(schedaDiProva(categoria->tipo, chi, i));
            archivio.Chiudi();
        }
    } catch (const ErroreArchivio& e) {
        std::fprintf(stderr, "append_worker %s: %s\n", qPrintable(chi), e.what());
        return 1;
    }
    return 0;
}
