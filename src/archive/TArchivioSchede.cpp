#include "archive/TArchivioSchede.h"

#include "platform/Platform.h"

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace {

// How long a read or a write waits for another workstation's write (or, for
// a write, its reads) to finish.
constexpr int attesaBloccoMs = 10000;

// Whole-file scans read this much at a time.
constexpr qint64 bloccoScansione = qint64(512) << 10;

constexpr QIODevice::OpenMode modoEsistente = QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered;
constexpr QIODevice::OpenMode modoNuovo = QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered;
constexpr QIODevice::OpenMode modoSoloLettura = QIODevice::ReadOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered;

// Reads exactly n bytes at the current position; false on a short read.
bool leggiEsatti(QFile& file, char* dati, qint64 n)
{
    while (n > 0) {
        const qint64 letti = file.read(dati, n);
        if (letti <= 0)
            return false;
        dati += letti;
        n -= letti;
    }
    return true;
}

QString op(const char* operazione)
{
    return QString::fromLatin1(operazione);
}

// Lets a lock go when the scope ends, however it ends (a failure, or a
// visitor of a scan that throws).
struct Rilascia {
    FileLock& blocco;
    ~Rilascia() { blocco.release(); }
};

} // namespace

TArchivioSchede::TArchivioSchede(const Categoria& categoria)
    : categoria_(categoria)
    , tracciato_(Tracciato::di(categoria.tipo))
{ }

TArchivioSchede::~TArchivioSchede()
{
    Chiudi();
}

void TArchivioSchede::Apri(Accesso accesso)
{
    Chiudi();
    // The program folder is looked up now, not when the store was built.
    file_.setFileName(ProgramFolder::file(categoria_.FileArchivio()));
    // Created only when it is not there: the new-only open fails on any
    // existing file, so an existing file is never replaced. Another
    // workstation may create it between our first two tries; the third then
    // opens theirs.
    const bool aperto = accesso == Accesso::SoloLettura
        ? file_.open(modoSoloLettura)
        : file_.open(modoEsistente) || file_.open(modoNuovo) || file_.open(modoEsistente);
    if (!aperto)
        fallisci(QStringLiteral("cannot open: ") + file_.errorString());
    if (accesso == Accesso::Scrittura)
        prendiBlocco(blocco_, FileLock::Kind::Exclusive, "Apri");
}

bool TArchivioSchede::esiste(const Categoria& categoria)
{
    return QFileInfo::exists(ProgramFolder::file(categoria.FileArchivio()));
}

int TArchivioSchede::Conta()
{
    return contaRecord("Conta");
}

Scheda TArchivioSchede::Leggi(int n)
{
    perLeggere("Leggi");
    const Rilascia rilascia {lettura_};
    controllaNumero(n, "Leggi");
    QByteArray dati(tracciato_.dimensione(), Qt::Uninitialized);
    if (!file_.seek(qint64(n - 1) * tracciato_.dimensione())
        || !leggiEsatti(file_, dati.data(), tracciato_.dimensione()))
        fallisci(QStringLiteral("Leggi %1: short read").arg(n));
    return Scheda(tracciato_.tipo(), dati.constData());
}

void TArchivioSchede::Riscrivi(int n, const Scheda& scheda)
{
    controllaTipo(scheda, "Riscrivi");
    richiediAperto("Riscrivi");
    // Readers elsewhere must not see the record half written.
    const bool soloPerQuesta = !blocco_.held() && prendiBlocco(blocco_, FileLock::Kind::Exclusive, "Riscrivi");
    controllaNumero(n, "Riscrivi");
    scrivi(qint64(n - 1) * tracciato_.dimensione(), scheda, "Riscrivi");
    if (soloPerQuesta)
        blocco_.release();
}

int TArchivioSchede::Aggiungi(const Scheda& scheda)
{
    controllaTipo(scheda, "Aggiungi");
    richiediAperto("Aggiungi");
    // The count and the write belong together: another writer appending in
    // between would take the same position.
    const bool soloPerQuesta = !blocco_.held() && prendiBlocco(blocco_, FileLock::Kind::Exclusive, "Aggiungi");
    const int conta = contaRecord("Aggiungi");
    if (conta == INT_MAX)
        fallisci(QStringLiteral("Aggiungi: the file is full"));
    scrivi(qint64(conta) * tracciato_.dimensione(), scheda, "Aggiungi");
    if (soloPerQuesta)
        blocco_.release();
    return conta + 1;
}

void TArchivioSchede::Chiudi()
{
    // The locks go before the descriptor they were taken on.
    lettura_.release();
    blocco_.release();
    if (file_.isOpen())
        file_.close();
}

void TArchivioSchede::Scorri(const Visitatore& visita)
{
    // One lock for the whole scan rather than one per block: on a network
    // share every lock is a round trip to the server, and the scan is short
    // (tens of milliseconds at 100,000 cards) next to the writers' wait.
    perLeggere("Scorri");
    const Rilascia rilascia {lettura_};
    const int conta = contaRecord("Scorri");
    const int dimensione = tracciato_.dimensione();
    const int perBlocco = int(std::max<qint64>(1, bloccoScansione / dimensione));
    QByteArray blocco(qint64(std::min(perBlocco, std::max(conta, 1))) * dimensione, Qt::Uninitialized);
    if (!file_.seek(0))
        fallisci(QStringLiteral("Scorri: seek failed"));
    for (int primo = 1; primo <= conta; primo += perBlocco) {
        const int quanti = std::min(perBlocco, conta - primo + 1);
        if (!leggiEsatti(file_, blocco.data(), qint64(quanti) * dimensione))
            fallisci(QStringLiteral("Scorri %1: short read").arg(primo));
        for (int i = 0; i < quanti; ++i) {
            if (!visita(primo + i, VistaScheda(tracciato_, blocco.constData() + qint64(i) * dimensione)))
                return;
        }
    }
}

bool TArchivioSchede::prendiBlocco(FileLock& blocco, FileLock::Kind tipo, const char* operazione)
{
    switch (blocco.acquire(int(file_.handle()), attesaBloccoMs, tipo)) {
    case FileLock::Result::Taken:
        return true;
    case FileLock::Result::Unsupported:
        // A share without locks: reading and writing unguarded is better
        // than refusing every screen.
        return false;
    case FileLock::Result::TimedOut:
        fallisci(op(operazione) + QStringLiteral(": another workstation kept the lock"));
    case FileLock::Result::Failed:
        break;
    }
    fallisci(op(operazione) + QStringLiteral(": the lock was refused"));
}

void TArchivioSchede::perLeggere(const char* operazione)
{
    richiediAperto(operazione);
    // The holder of the exclusive lock reads under it: a shared lock taken on
    // the same descriptor would replace it.
    if (!blocco_.held())
        prendiBlocco(lettura_, FileLock::Kind::Shared, operazione);
}

void TArchivioSchede::fallisci(const QString& motivo)
{
    const QString nome = file_.fileName();
    Chiudi();
    throw ErroreArchivio(nome + QStringLiteral(": ") + motivo);
}

void TArchivioSchede::richiediAperto(const char* operazione)
{
    if (!file_.isOpen())
        fallisci(op(operazione) + QStringLiteral(": the file is not open"));
}

int TArchivioSchede::contaRecord(const char* operazione)
{
    richiediAperto(operazione);
    const qint64 dimensioneFile = file_.size();
    const qint64 conta = dimensioneFile / tracciato_.dimensione();
    if (dimensioneFile < 0 || conta > INT_MAX)
        fallisci(op(operazione) + QStringLiteral(": cannot tell the file's length"));
    return int(conta);
}

void TArchivioSchede::controllaNumero(int n, const char* operazione)
{
    const int conta = contaRecord(operazione);
    if (n < 1 || n > conta)
        fallisci(op(operazione) + QStringLiteral(": card %1 is not in 1..%2").arg(n).arg(conta));
}

void TArchivioSchede::controllaTipo(const Scheda& scheda, const char* operazione)
{
    if (scheda.tipo() != tracciato_.tipo())
        fallisci(op(operazione) + QStringLiteral(": the record has another category's layout"));
}

void TArchivioSchede::scrivi(qint64 offset, const Scheda& scheda, const char* operazione)
{
    // One write of exactly this record's bytes: whatever happens, no other
    // record is touched.
    const QByteArray& dati = scheda.byte();
    if (!file_.seek(offset))
        fallisci(op(operazione) + QStringLiteral(": seek failed"));
    if (file_.write(dati) != dati.size())
        fallisci(op(operazione) + QStringLiteral(": write failed: ") + file_.errorString());
    if (!file_.flush() || !syncToDisk(int(file_.handle())))
        fallisci(op(operazione) + QStringLiteral(": the data could not be synced to disk"));
}
