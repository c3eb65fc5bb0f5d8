// Saves cards through a real archive screen, the way a user does, so that
// test_archivio can run two of these at once against one program folder, as
// two workstations sharing it would.
//
//   save_worker <program folder> <Chiave> <writer letter> <count>
//
// Once its screen is built it prints "pronto" and waits for a file named
// "via" in the folder, so that both start saving together.
//
// Then for i = 1..count it starts a new card, types soak::scheda(i, 0) into
// the screen, puts soak::foto(i, 0) on it and presses Save: the screen
// appends the record and writes the photo under the number the append gave.
// After every second card it also opens one of its own earlier cards, as the
// search window does (read from the file, then shown), checks that card and
// the photo the screen loaded for it, types the next version and saves again,
// which rewrites the card in place and replaces its photo.
//
// Every save is reported on standard output once the screen has confirmed
// it: "A <card number> <i> <version>" for a new card, "R ..." for a rewrite.
// Anything unexpected (another message, a card or photo that is not what
// this writer last saved) goes to standard error, and the exit code is 1.

#include "SaveSoak.h"
#include "TestSupport.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "dialogs/Dialogs.h"
#include "editor/TfrmArchivio.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QThread>

#include <cstdio>

namespace {

const QString Inserita = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Modificata
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

int errori = 0;

void errore(const QString& testo)
{
    std::fprintf(stderr, "save_worker: %s\n", qPrintable(testo));
    ++errori;
}

// The screen's messages: only the one success message each save expects.
class Risposte : public Dialogs {
public:
    QString attesa;

    Answer message(QWidget*, Kind kind, const QString& text) override
    {
        if (kind != Kind::Information || text != attesa)
            errore(QStringLiteral("unexpected message: ") + text);
        attesa.clear();
        return Answer::Ok;
    }
    void plain(QWidget*, const QString& text) override { errore(QStringLiteral("unexpected message: ") + text); }
    Answer question(QWidget*, const QString& text) override
    {
        errore(QStringLiteral("unexpected question: ") + text);
        return Answer::No;
    }
    QString openFile(QWidget*, const FileDialogSpec&) override
    {
        errore(QStringLiteral("unexpected file dialog"));
        return {};
    }
    QString saveFile(QWidget*, const FileDialogSpec&) override
    {
        errore(QStringLiteral("unexpected file dialog"));
        return {};
    }
    bool print(QWidget*, QPrinter*) override
    {
        errore(QStringLiteral("unexpected print dialog"));
        return false;
    }
};

// Types a card into the screen, field by field, as the user would.
void digita(TfrmArchivio& schermo, const Scheda& scheda)
{
    const Tracciato& t = scheda.tracciato();
    for (int k = 0; k < t.campi(); ++k) {
        if (QLineEdit* e = schermo.Campo(QLatin1String(t.nome(k))))
            e->setText(scheda.testo(k));
    }
    schermo.findChild<QCheckBox*>(QStringLiteral("chkSegnala"))
        ->setChecked(scheda.testo("Segnala") == QStringLiteral("Sì"));
    for (int slot = 1; slot <= 3; ++slot)
        schermo.ImpostaAllegato(
            slot, scheda.testo(QStringLiteral("File0%1").arg(slot)), scheda.testo(QStringLiteral("Desc0%1").arg(slot)));
}

bool salva(TfrmArchivio& schermo, Risposte& risposte, const QString& esito)
{
    risposte.attesa = esito;
    const int prima = errori;
    schermo.cmdSalvaClick();
    if (!risposte.attesa.isEmpty())
        errore(QStringLiteral("the save showed no message"));
    return errori == prima;
}

} // namespace

int main(int argc, char** argv)
{
    // A desktop that holds the archive screen at its design size, as the
    // suites' own screens do.
    useOffscreenScreens(DesktopScreen);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 || args[3].size() != 1) {
        std::fprintf(stderr, "usage: save_worker <folder> <Chiave> <writer letter> <count>\n");
        return 2;
    }
    ProgramFolder::set(args[1]);
    const Categoria* categoria = Catalogo::PerChiave(args[2]);
    const QString chi = args[3];
    const int quante = args[4].toInt();
    if (!categoria || quante <= 0 || quante > 0xFFFF) {
        std::fprintf(stderr, "save_worker: bad arguments\n");
        return 2;
    }
    Risposte risposte;
    Dialogs::install(&risposte);
    TfrmArchivio schermo(*categoria);
    schermo.show();

    // Ready: the screen is built, which takes a while, so the start signal
    // can find both writers at the starting line.
    std::printf("pronto\n");
    std::fflush(stdout);
    QElapsedTimer attesa;
    attesa.start();
    while (!QFileInfo::exists(ProgramFolder::file(QStringLiteral("via")))) {
        if (attesa.elapsed() > 60000) {
            std::fprintf(stderr, "save_worker: no start signal\n");
            return 3;
        }
        QThread::msleep(1);
    }

    QList<int> numero(quante + 1, 0);
    QList<int> versione(quante + 1, 0);
    for (int i = 1; i <= quante && errori == 0; ++i) {
        schermo.cmdNuovoClick();
        digita(schermo, soak::scheda(*categoria, chi, i, 0));
        schermo.ImpostaFoto(soak::foto(chi, i, 0));
        if (!salva(schermo, risposte, Inserita))
            break;
        numero[i] = schermo.Posizione().toInt();
        std::printf("A %d %d 0\n", numero[i], i);
        std::fflush(stdout);

        if (i % 2)
            continue;
        // One of this writer's earlier cards, spread over all of them.
        const int j = 1 + int((quint32(i) * 2654435761u >> 8) % quint32(i));
        Scheda letta(categoria->tipo);
        try {
            TArchivioSchede archivio(*categoria);
            archivio.Apri();
            letta = archivio.Leggi(numero[j]);
            archivio.Chiudi();
        } catch (const ErroreArchivio& e) {
            errore(QString::fromLocal8Bit(e.what()));
            break;
        }
        if (letta != soak::scheda(*categoria, chi, j, versione[j])) {
            errore(QStringLiteral("card %1 (%2 %3) is not as last saved: %4")
                       .arg(numero[j])
                       .arg(chi)
                       .arg(j)
                       .arg(letta.testo("Numero")));
            break;
        }
        schermo.MostraScheda(letta, numero[j]);
        if (soak::leggi(schermo.Foto()) != soak::Firma {chi, j, versione[j]}) {
            errore(QStringLiteral("the photo of card %1 (%2 %3) is not as last saved").arg(numero[j]).arg(chi).arg(j));
            break;
        }
        ++versione[j];
        digita(schermo, soak::scheda(*categoria, chi, j, versione[j]));
        schermo.ImpostaFoto(soak::foto(chi, j, versione[j]));
        if (!salva(schermo, risposte, Modificata))
            break;
        if (schermo.Posizione() != QString::number(numero[j]))
            errore(QStringLiteral("the rewrite of card %1 moved it to %2").arg(numero[j]).arg(schermo.Posizione()));
        std::printf("R %d %d %d\n", numero[j], j, versione[j]);
        std::fflush(stdout);
    }
    Dialogs::install(nullptr);
    return errori == 0 ? 0 : 1;
}
