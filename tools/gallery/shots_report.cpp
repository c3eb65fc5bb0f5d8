// Gallery pictures of the printouts: a card page for a bills category and for
// purchases, and both pages of a 100-line list report, as they come out of
// the printer.

#include "Gallery.h"
#include "SampleCards.h"
#include "archive/Categoria.h"
#include "output/CardLayouts.h"
#include "platform/Platform.h"
#include "report/CardReport.h"
#include "report/ListReport.h"
#include "report/ReportOutput.h"

namespace {

void reportShots(GalleryCamera& camera)
{
    Clock::pin(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)));
    Reports::CardData bolletta {cardLayoutOf(Catalogo::PerId(CategoryId::Rifiuti)),
        {{QStringLiteral("Numero"), QStringLiteral("2024/0001873")},
            {QStringLiteral("DataEmi"), QStringLiteral("12/02/2024")},
            {QStringLiteral("Beneficiario"), QStringLiteral("Comune di Ravenna - TARI")},
            {QStringLiteral("CC"), QStringLiteral("IT60X0542811101000000123456")},
            {QStringLiteral("DataSca"), QStringLiteral("31/03/2024")},
            {QStringLiteral("Periodo"), QStringLiteral("Primo semestre 2024")},
            {QStringLiteral("DataPag"), QStringLiteral("12/03/2024")},
            {QStringLiteral("Causale"), QStringLiteral("Tassa rifiuti, prima rata")},
            {QStringLiteral("Consumi"), QStringLiteral("Abitazione, 95 mq")},
            {QStringLiteral("Modalita"), QStringLiteral("Bonifico bancario")},
            {QStringLiteral("Estremi"), QStringLiteral("CRO 0045 8871 2231")},
            {QStringLiteral("Pagatore"), QStringLiteral("Maria Rossi")},
            {QStringLiteral("CodFisc"), QStringLiteral("RSSMRA80A41H199Z")},
            {QStringLiteral("CodCliente"), QStringLiteral("0045871")},
            {QStringLiteral("Note"), QStringLiteral("Seconda rata a settembre.")},
            {QStringLiteral("Prezzo"), QStringLiteral("187,40")}},
        SampleCards::receipt(QStringLiteral("COMUNE DI RAVENNA"), QStringLiteral("187,40"))};
    camera.save(QStringLiteral("stampa_scheda_rifiuti"), Reports::renderPage(Reports::prepareCard(bolletta), 0));

    Reports::CardData acquisto {cardLayoutOf(Catalogo::PerId(CategoryId::Acquisti)),
        {{QStringLiteral("Numero"), QStringLiteral("SC 4411/22")},
            {QStringLiteral("DataEmi"), QStringLiteral("03/05/2024")},
            {QStringLiteral("Attivita"), QStringLiteral("Elettrodomestici Bianchi")},
            {QStringLiteral("Email"), QStringLiteral("negozio@bianchi.example")},
            {QStringLiteral("Tel"), QStringLiteral("0544 123456")},
            {QStringLiteral("Sito"), QStringLiteral("www.bianchi.example")},
            {QStringLiteral("Garanzia"), QStringLiteral("24 mesi")},
            {QStringLiteral("Prodotti"), QStringLiteral("Lavatrice 8 kg classe A")},
            {QStringLiteral("Dettagli"), QStringLiteral("Consegna e installazione comprese")},
            {QStringLiteral("Modalita"), QStringLiteral("Carta di credito")},
            {QStringLiteral("Documenti"), QStringLiteral("Scontrino e fattura n. 118")},
            {QStringLiteral("Pagatore"), QStringLiteral("Luca Verdi")},
            {QStringLiteral("CodFisc"), QStringLiteral("VRDLCU75C12D612K")},
            {QStringLiteral("Prezzo"), QStringLiteral("529,00")}},
        SampleCards::receipt(QStringLiteral("ELETTRODOMESTICI BIANCHI"), QStringLiteral("529,00"))};
    camera.save(QStringLiteral("stampa_scheda_acquisti"), Reports::renderPage(Reports::prepareCard(acquisto), 0));

    QStringList righe;
    for (int i = 1; i <= 100; ++i)
        righe << QStringLiteral("N. %1  Scad. %2/03/2024  Da: %3  A: %4  Causale: %5  € %6,50")
                     .arg(QStringLiteral("2024/%1").arg(i, 4, 10, QLatin1Char('0')), -18)
                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                     .arg(i % 2 ? QStringLiteral("Maria Rossi") : QStringLiteral("Luca Verdi"), -24)
                     .arg(QStringLiteral("Comune di Ravenna - TARI"), -24)
                     .arg(QStringLiteral("Tassa rifiuti, rata %1").arg(i), -32)
                     .arg(40 + i);
    const Reports::Report lista = Reports::prepareList(QStringLiteral("Riepilogo bollette rifiuti in archivio"), righe);
    for (int p = 0; p < lista.pages().size(); ++p)
        camera.save(QStringLiteral("stampa_elenco_pagina%1").arg(p + 1), Reports::renderPage(lista, p));
    Clock::pin({});
}

const GalleryGroup group("report", &reportShots);

} // namespace
