// Gallery shots of the spending overview: a year with the previous year's
// line, every year, the cards left out, and the printed page. They use a
// program folder of their own, so the other shots keep their archives.

#include "Gallery.h"
#include "WindowCamera.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "household/SpendingReport.h"
#include "household/TfrmSchedeEscluse.h"
#include "household/TfrmSpese.h"
#include "platform/Platform.h"
#include "report/ReportOutput.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWidget>

namespace {

struct Spesa {
    CategoryId archivio;
    const char* data; // DataPag for bills, DataEmi for purchases
    const char* prezzo;
    bool daPagare;
};

// Two years of a household's bills and purchases, two of them unreadable.
constexpr Spesa Spese[] = {
    {CategoryId::Luce, "14/02/2024", "118,40", false},
    {CategoryId::Luce, "12/04/2024", "104,75", false},
    {CategoryId::Luce, "14/06/2024", "86,10", false},
    {CategoryId::Luce, "13/08/2024", "132,95", false},
    {CategoryId::Luce, "15/10/2024", "141,20", false},
    {CategoryId::Luce, "13/12/2024", "97,60", false},
    {CategoryId::Luce, "14/02/2025", "123,45", false},
    {CategoryId::Luce, "11/04/2025", "109,30", false},
    {CategoryId::Luce, "16/06/2025", "91,45", true},
    {CategoryId::Gas, "20/01/2024", "212,00", false},
    {CategoryId::Gas, "20/03/2024", "176,30", false},
    {CategoryId::Gas, "20/11/2024", "154,80", false},
    {CategoryId::Gas, "20/01/2025", "238,10", false},
    {CategoryId::Gas, "20/03/2025", "190,55", false},
    {CategoryId::Gas, "20/05/2025", "64,20", true},
    {CategoryId::Acqua, "05/05/2024", "63,40", false},
    {CategoryId::Acqua, "05/05/2025", "71,90", false},
    {CategoryId::Rifiuti, "31/03/2025", "187,40", false},
    {CategoryId::Telefono, "08/01/2025", "29,90", false},
    {CategoryId::Telefono, "08/02/2025", "29,90", false},
    {CategoryId::Telefono, "08/03/2025", "29,90", false},
    {CategoryId::Telefono, "08/04/2025", "29,90", false},
    {CategoryId::Telefono, "08/05/2025", "29,90", false},
    {CategoryId::Automezzi, "28/02/2025", "412,00", false},
    {CategoryId::Condominio, "30/01/2025", "320,00", false},
    {CategoryId::Condominio, "30/04/2025", "320,00", true},
    {CategoryId::Acquisti, "03/05/2025", "529,00", false},
    {CategoryId::Acquisti, "12/03/2025", "€ 74,99", false},
    {CategoryId::Tasse, "16/06/2025", "1.245,00", true},
    {CategoryId::Varie, "10/02/2025", "circa 30", false},
    {CategoryId::Varie, "", "45,00", false},
};

void archivia()
{
    for (const Categoria& c : Catalogo::Tutte()) {
        TArchivioSchede archivio(c);
        archivio.Apri(TArchivioSchede::Accesso::Scrittura);
        int n = 0;
        for (const Spesa& s : Spese) {
            if (s.archivio != c.id)
                continue;
            Scheda card = archivio.nuovaScheda();
            card.imposta("Numero", QStringLiteral("%1/%2").arg(c.Sigla).arg(++n, 4, 10, QLatin1Char('0')));
            card.imposta(c.tipo == Tipo::TSchedaAcquisto ? "DataEmi" : "DataPag", QString::fromUtf8(s.data));
            card.imposta("Beneficiario", QStringLiteral("Fornitore ") + c.Nome);
            card.imposta("Attivita", QStringLiteral("Negozio Bianchi"));
            card.imposta("Pagatore", QStringLiteral("Maria Rossi"));
            card.imposta("Prezzo", QString::fromUtf8(s.prezzo));
            card.imposta("Segnala", s.daPagare ? Flag::Yes : Flag::No);
            archivio.Aggiungi(card);
        }
        archivio.Chiudi();
    }
}

void speseShots(GalleryCamera& camera)
{
    const QString earlier = ProgramFolder::path();
    QTemporaryDir folder;
    ProgramFolder::set(folder.path());
    Clock::pin(QDateTime(QDate(2025, 6, 20), QTime(10, 30, 0)));
    archivia();

    QWidget owner;
    {
        TfrmSpese spese(&owner);
        camera.shoot(QStringLiteral("spese_anno"), spese);
        {
            TfrmSchedeEscluse escluse(spese);
            escluse.show();
            WindowCamera::settle();
            escluse.findChild<QTableWidget*>(QStringLiteral("grdEscluse"))->selectRow(0);
            camera.shoot(QStringLiteral("spese_escluse"), escluse);
        }
        QComboBox* anno = spese.findChild<QComboBox*>(QStringLiteral("cmbAnno"));
        anno->setCurrentIndex(anno->count() - 1);
        camera.shoot(QStringLiteral("spese_tutti_gli_anni"), spese);
    }
    camera.save(
        QStringLiteral("spese_stampa"), Reports::renderPage(SpendingReport::prepare(SpendingSummary::read(), 2025), 0));

    Clock::pin({});
    ProgramFolder::set(earlier);
}

const GalleryGroup group("household_spese", &speseShots);

} // namespace
