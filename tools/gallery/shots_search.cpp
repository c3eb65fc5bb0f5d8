// Gallery shots of the search screen and the unpaid summary: the filter panel
// of a bills category and of purchases, the wait label, the result panel
// after a find, and the summary.

#include "Gallery.h"
#include "WindowCamera.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "editor/TfrmArchivio.h"
#include "search/ResultPanel.h"
#include "search/TfrmSospesi.h"
#include "search/TfrmTrova.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Bolletta {
    const char* numero;
    const char* scadenza;
    const char* pagatore;
    const char* beneficiario;
    const char* causale;
    const char* prezzo;
    bool daPagare;
};

// A year and a half of electricity bills of one household.
constexpr Bolletta Bollette[] = {
    {"2023/0004512", "15/02/2023", "Maria Rossi", "Enel Energia SpA", "Bimestre dicembre-gennaio", "118,40", false},
    {"2023/0011873", "14/04/2023", "Maria Rossi", "Enel Energia SpA", "Bimestre febbraio-marzo", "104,75", false},
    {"2023/0019630", "16/06/2023", "Maria Rossi", "Enel Energia SpA", "Bimestre aprile-maggio", "86,10", false},
    {"2023/0027201", "16/08/2023", "Giovanni Rossi", "Enel Energia SpA", "Bimestre giugno-luglio", "132,95", false},
    {"2023/0034988", "16/10/2023", "Giovanni Rossi", "Enel Energia SpA", "Bimestre agosto-settembre", "141,20", false},
    {"2023/0042117", "15/12/2023", "Maria Rossi", "Enel Energia SpA", "Bimestre ottobre-novembre", "97,60", false},
    {"2024/0003391", "15/02/2024", "Maria Rossi", "Enel Energia SpA", "Bimestre dicembre-gennaio", "123,05", false},
    {"2024/0010456", "15/04/2024", "Maria Rossi", "Enel Energia SpA", "Bimestre febbraio-marzo", "109,30", true},
    {"EN-7781-2024", "30/04/2024", "Maria Rossi", "Enel Energia SpA", "Conguaglio consumi 2023", "38,12", true},
    {"2024/0018802", "17/06/2024", "Giovanni Rossi", "Enel Energia SpA", "Bimestre aprile-maggio", "91,45", true},
    {"BOX-220", "31/07/2024", "Giovanni Rossi", "Elettricista Bassi", "Sostituzione contatore", "75,00", false},
};

void archivia()
{
    const Categoria& luce = *Catalogo::PerChiave(QStringLiteral("Luce"));
    TArchivioSchede archivio(luce);
    archivio.Apri(TArchivioSchede::Accesso::Scrittura);
    if (archivio.Conta() > 0)
        return;
    for (const Bolletta& b : Bollette) {
        Scheda s = archivio.nuovaScheda();
        s.imposta("Numero", QString::fromUtf8(b.numero));
        s.imposta("DataSca", QString::fromUtf8(b.scadenza));
        s.imposta("Pagatore", QString::fromUtf8(b.pagatore));
        s.imposta("Beneficiario", QString::fromUtf8(b.beneficiario));
        s.imposta("Causale", QString::fromUtf8(b.causale));
        s.imposta("Prezzo", QString::fromUtf8(b.prezzo));
        s.imposta("CodFisc", QStringLiteral("RSSMRA80A41H199Z"));
        s.imposta("Segnala", b.daPagare ? QStringLiteral("Sì") : QStringLiteral("No"));
        archivio.Aggiungi(s);
    }
    archivio.Chiudi();
}

void searchShots(GalleryCamera& camera)
{
    archivia();
    const Categoria& luce = *Catalogo::PerChiave(QStringLiteral("Luce"));
    const Categoria& acquisti = *Catalogo::PerChiave(QStringLiteral("Acquisti"));

    {
        TfrmArchivio schermo(acquisti);
        TfrmTrova trova(schermo);
        trova.ImpostaTag(acquisti.Sigla);
        camera.shoot(QStringLiteral("trova_acquisti_filtri"), trova);
    }

    TfrmArchivio schermo(luce);
    {
        TfrmTrova trova(schermo);
        trova.ImpostaTag(luce.Sigla);
        trova.show();
        WindowCamera::settle();
        trova.findChild<QLineEdit*>(QStringLiteral("txtPagatore"))->setText(QStringLiteral("rossi"));
        QLineEdit* anno = trova.findChild<QLineEdit*>(QStringLiteral("txtDataSca"));
        anno->setText(QStringLiteral("2024"));
        anno->setFocus();
        camera.shoot(QStringLiteral("trova_luce_filtri"), trova);
        trova.findChild<QLabel*>(QStringLiteral("lblAttendere"))->show();
        camera.shoot(QStringLiteral("trova_luce_attesa"), trova);

        anno->clear();
        trova.btnCercaClick();
        QLineEdit* cerca = trova.findChild<QLineEdit*>(QStringLiteral("txtTrova"));
        cerca->setText(QStringLiteral("bimestre apr"));
        trova.results()->btnTrovaClick();
        camera.shoot(QStringLiteral("trova_luce_risultati"), trova);
    }
    {
        TfrmSospesi sospesi(schermo);
        sospesi.show();
        WindowCamera::settle();
        sospesi.results()->selectRow(1);
        camera.shoot(QStringLiteral("sospesi_luce"), sospesi);
    }
}

const GalleryGroup group("search", &searchShots);

} // namespace
