#pragma once

#include "archive/Categoria.h"
#include "archive/FileLock.h"
#include "archive/Tracciato.h"

#include <QFile>
#include <QString>

#include <exception>
#include <functional>
#include <string>

// A failure of the record file: it could not be created or opened, a card
// number was out of range, a read came up short, a write or a sync failed.
// By the time it is thrown the store has closed the file; what() is for logs
// and tests only.
//
// The one failure contract of the store: it throws this and nothing else of
// its own. The function that opens the store for one user action (a save, an
// arrow, a scan, the export grid) catches it by name, there and nowhere else,
// and returns a value instead: none (std::optional) when nothing read is of
// use, or what it read with a flag saying the reading stopped short. It never
// reaches a screen or crosses a slot; the screen turns the missing value into
// its one message.
class ErroreArchivio : public std::exception {
public:
    explicit ErroreArchivio(const QString& dettaglio)
        : dettaglio_(dettaglio.toStdString())
    { }
    const char* what() const noexcept override { return dettaglio_.c_str(); }

private:
    std::string dettaglio_;
};

// The record file of one category: a bare sequence of fixed-size records,
// card n (from 1) at byte (n - 1) x record size. Nothing is cached; every
// operation works on the file. A user action opens the store, does its work
// and closes it again (the destructor closes too).
//
// Every operation that fails closes the file and throws ErroreArchivio.
// Writes touch only the bytes of their own record and are on the disk before
// Riscrivi or Aggiungi returns.
//
// Processes and workstations sharing the file agree through a lock on a byte
// far past the data (see FileLock). Every write holds it exclusively, so two
// appends at the same moment never land on the same position; every read
// (Leggi, and Scorri for its whole scan) holds it shared, so no read returns
// a record half from one write and half from another. Readers never hold
// each other up; a reader waits for a write, and a write for the readers,
// up to about ten seconds, and then fails. On a file system without locks
// reads and writes go unguarded rather than fail. One thread only.
class TArchivioSchede {
public:
    enum class Accesso {
        // Reading and rewriting cards in place; no lock is held between
        // operations. Each read takes the lock shared, each Riscrivi or
        // Aggiungi exclusively, for its own duration.
        Lettura,
        // As Lettura, and the lock is held exclusively from Apri to Chiudi,
        // so Conta stays the number of the last card until this store
        // appends; reads go under it. Waits up to about ten seconds for
        // other writers and readers, then fails.
        Scrittura,
        // Reading only, for the windows that look at every archive and write
        // nothing: the file is opened read-only and never created, so a
        // missing file is a failure (the caller treats it as an empty
        // archive beforehand). Each read takes the lock shared.
        SoloLettura,
    };

    explicit TArchivioSchede(const Categoria& categoria);
    ~TArchivioSchede();
    TArchivioSchede(const TArchivioSchede&) = delete;
    TArchivioSchede& operator=(const TArchivioSchede&) = delete;

    // Opens the category's file in the program folder for reading and
    // writing (or only reading, with SoloLettura); when there is no file,
    // creates an empty one, except with SoloLettura. An existing file
    // that cannot be opened is a failure and is never created anew. Opening
    // an open store first closes it.
    void Apri(Accesso accesso = Accesso::Lettura);
    // Whole records in the file: its length divided by the record size,
    // rounded down (a short tail left by a damaged write is not a card).
    int Conta();
    // Card n, 1 <= n <= Conta().
    Scheda Leggi(int n);
    // Overwrites card n, 1 <= n <= Conta(), in place.
    void Riscrivi(int n, const Scheda& scheda);
    // Writes the record just after the last whole one (over a short tail, if
    // any) and returns its card number, the old Conta() + 1.
    int Aggiungi(const Scheda& scheda);
    // Closes the file and lets the lock go. Harmless when closed.
    void Chiudi();

    // Whole-file scans (search, unpaid summary, export): visits cards 1 to
    // Conta() in order, reading the file in large blocks rather than one read
    // per card. `visita` receives each card's number and a view of its bytes,
    // valid only during the call (copy it with Scheda(vista) to keep it), and
    // returns true to go on or false to stop. Cards appended meanwhile by
    // others are not visited. The lock is held shared from the first card to
    // the last, so `visita` must not write to this file through another store
    // (that write would wait for the scan and fail). The store must be open.
    using Visitatore = std::function<bool(int n, const VistaScheda& scheda)>;
    void Scorri(const Visitatore& visita);

    bool aperto() const { return file_.isOpen(); }
    // Whether the category's record file is in the program folder.
    static bool esiste(const Categoria& categoria);
    const Categoria& categoria() const { return categoria_; }
    const Tracciato& tracciato() const { return tracciato_; }
    // A blank record of this category's layout.
    Scheda nuovaScheda() const { return Scheda(tracciato_.tipo()); }

private:
    [[noreturn]] void fallisci(const QString& motivo);
    // Takes `blocco` on the file; false when the file system has no locks.
    bool prendiBlocco(FileLock& blocco, FileLock::Kind tipo, const char* operazione);
    // The shared lock for one read, unless the exclusive one is held.
    void perLeggere(const char* operazione);
    void richiediAperto(const char* operazione);
    void controllaNumero(int n, const char* operazione);
    void controllaTipo(const Scheda& scheda, const char* operazione);
    int contaRecord(const char* operazione);
    void scrivi(qint64 offset, const Scheda& scheda, const char* operazione);

    const Categoria categoria_; // a copy, so the caller may pass a temporary
    const Tracciato& tracciato_;
    QFile file_;
    FileLock blocco_; // exclusive: a write, or a store opened for writing
    FileLock lettura_; // shared: one read
};
