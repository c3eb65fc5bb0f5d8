// Gallery shots of the windows that look across all ten archives: the list
// of what is due (late, near, far and undated rows, then an archive that
// cannot be read), the menu's strip, and the search in every archive.

#include "Gallery.h"
#include "app/TfrmAvvio.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "household/DuePayments.h"
#include "household/TfrmScadenze.h"
#include "household/TfrmTrovaTutto.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

struct Card {
    const char* archivio; // Chiave
    const char* numero;
    const char* scadenza;
    const char* beneficiario; // Attivita for purchases
    const char* causale; // Prodotti for purchases
    const char* prezzo;
    bool daPagare;
    const char* note = "";
    const char* allegato = ""; // Desc01
};

// A household's unpaid bills on 5 March 2024, and a few paid ones.
constexpr Card Cards[] = {
    {"Luce", "2024/0003391", "15/02/2024", "Enel Energia SpA", "Bimestre dicembre-gennaio", "123,05", true,
        "Ricevuta del bonifico nel raccoglitore blu"},
    {"Luce", "2024/0010456", "15/04/2024", "Enel Energia SpA", "Bimestre febbraio-marzo", "109,30", true},
    {"Luce", "2023/0042117", "15/12/2023", "Enel Energia SpA", "Bimestre ottobre-novembre", "97,60", false},
    {"Gas", "G-88120", "12/03/2024", "Italgas Vendita", "Consumi gennaio-febbraio", "€ 184,20", true},
    {"Acqua", "AQ-2024-117", "04/03/2024", "Acquedotto Pugliese", "Primo trimestre", "62,15", true},
    {"Rifiuti", "TARI 1/2024", "31/02/2024", "Comune di Bari", "Tassa rifiuti, prima rata", "96,00", true},
    {"Telefono", "TW-2024-03", "05/03/2024", "Fibra Casa", "Canone di marzo", "29,90", true},
    {"Condominio", "12/2024", "", "Condominio Via Roma 8", "Spese ordinarie, primo trimestre", "1.240,00", true},
    {"Acquisti", "SC-4471", "", "Elettrodomestici Sud", "Lavatrice 8 kg", "549,00", true, "",
        "Ricevuta e garanzia della lavatrice"},
    {"Tasse", "IMU acconto", "16/06/2024", "Comune di Bari", "Seconda casa", "circa 300", true},
    {"Varie", "ASS-2024", "28/02/2024", "Assicurazioni Levante", "Polizza casa", "210,00", true},
};

void archive(const QString& folder)
{
    ProgramFolder::set(folder);
    for (const Card& c : Cards) {
        const Categoria& categoria = *Catalogo::PerChiave(QString::fromUtf8(c.archivio));
        TArchivioSchede archivio(categoria);
        archivio.Apri(TArchivioSchede::Accesso::Scrittura);
        Scheda s = archivio.nuovaScheda();
        const bool acquisto = categoria.tipo == Tipo::TSchedaAcquisto;
        s.imposta("Numero", QString::fromUtf8(c.numero));
        s.imposta(acquisto ? "DataEmi" : "DataSca", QString::fromUtf8(c.scadenza));
        s.imposta(acquisto ? "Attivita" : "Beneficiario", QString::fromUtf8(c.beneficiario));
        s.imposta(acquisto ? "Prodotti" : "Causale", QString::fromUtf8(c.causale));
        s.imposta("Pagatore", QStringLiteral("Maria Rossi"));
        s.imposta("Prezzo", QString::fromUtf8(c.prezzo));
        s.imposta("Segnala", c.daPagare ? Flag::Yes : Flag::No);
        s.imposta("Note", QString::fromUtf8(c.note));
        s.imposta("Desc01", QString::fromUtf8(c.allegato));
        archivio.Aggiungi(s);
        archivio.Chiudi();
    }
}

void householdShots(GalleryCamera& camera)
{
    // Their own program folder and day, so that no other shot sees these
    // cards and the states do not move with the calendar.
    const QString before = ProgramFolder::path();
    QTemporaryDir folder;
    if (!folder.isValid())
        return;
    archive(folder.path());
    Clock::pin(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    {
        TfrmScadenze scadenze(nullptr);
        camera.shoot(QStringLiteral("scadenze"), scadenze);
    }
    {
        TfrmAvvio menu;
        const DuePayments::Counts counts = DuePayments::counts(Clock::today());
        menu.MostraScadenze(DuePayments::stripText(counts), counts.late > 0);
        camera.shoot(QStringLiteral("menu_scadenze"), menu, TfrmAvvio::DesignSize);
    }
    {
        TfrmTrovaTutto trova(nullptr);
        trova.findChild<QLineEdit*>(QStringLiteral("txtCerca"))->setText(QStringLiteral("ricevuta"));
        trova.btnCercaClick();
        camera.shoot(QStringLiteral("trova_tutto"), trova);
    }
    // An archive that cannot be read: a folder where its file should be.
    const QString varie = Catalogo::PerChiave(QStringLiteral("Varie"))->FileArchivio();
    QFile::remove(ProgramFolder::file(varie));
    QDir(folder.path()).mkdir(varie);
    {
        TfrmScadenze scadenze(nullptr);
        camera.shoot(QStringLiteral("scadenze_avviso"), scadenze);
    }
    Clock::pin(QDateTime());
    ProgramFolder::set(before);
}

const GalleryGroup group("household", &householdShots);

} // namespace
