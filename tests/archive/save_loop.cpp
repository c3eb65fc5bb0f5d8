// Saves cards one after the other, the way the archive screen saves a new
// card (open for writing, append, close), and reports each one on standard
// output as "<card number> <i>" only once Aggiungi has returned, that is once
// the card is reported saved. test_crash kills it at random moments.
//
//   save_loop <program folder> <Chiave> <writer tag> <count>

#include "SchedeDiProva.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "platform/Platform.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    ProgramFolder::set(args[1]);
    const Categoria* categoria = Catalogo::PerChiave(args[2]);
    if (!categoria)
        return 2;
    const int quante = args[4].toInt();
    try {
        for (int i = 1; i <= quante; ++i) {
            TArchivioSchede archivio(*categoria);
            archivio.Apri(TArchivioSchede::Accesso::Scrittura);
            const int n = archivio.Aggiungi(schedaDiProva(categoria->tipo, args[3], i));
            archivio.Chiudi();
            std::printf("%d %d\n", n, i);
            std::fflush(stdout);
        }
    } catch (const ErroreArchivio& e) {
        std::fprintf(stderr, "save_loop: %s\n", e.what());
        return 1;
    }
    return 0;
}
