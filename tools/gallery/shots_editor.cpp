// Gallery shots of the record editor: the archive screen of a bills category
// and of purchases, each showing a stored card with its photo, a blank card,
// and the date picker.

#include "Categoria.h"
#include "Foto.h"
#include "Gallery.h"
#include "TArchivioSchede.h"
#include "TfrmArchivio.h"
#include "TfrmCalendario.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLineEdit>
#include <QPainter>

namespace {

// A paper receipt, drawn: what a scanned photo of one looks like.
QImage ricevuta(const QString& titolo, const QString& importo)
{
    QImage img(1200, 800, QImage::Format_RGB32);
    img.fill(QColor(0x6B, 0x6F, 0x74));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(600, 400);
    p.rotate(-3);
    const QRectF carta(-420, -360, 840, 720);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFB, 0xFA, 0xF4));
    p.drawRect(carta);
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x22, 0x22, 0x22));
    p.drawText(QRectF(-400, -330, 800, 50), Qt::AlignCenter, titolo);
    f.setBold(false);
    f.setPixelSize(26);
    p.setFont(f);
    const char* righe[] = {"Ricevuta di pagamento", "Data 12/03/2024", "Cod. cliente 0045871",
                           "--------------------------------", "Periodo gen-feb 2024", "Imposta e canoni"};
    qreal y = -240;
    for (const char* r : righe) {
        p.drawText(QPointF(-360, y), QString::fromLatin1(r));
        y += 50;
    }
    f.setPixelSize(40);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QPointF(-360, y + 60), QStringLiteral("TOTALE EUR ") + importo);
    p.setPen(QPen(QColor(0x1F, 0x4E, 0xA0), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(230, 230), 110, 80);
    p.drawText(QRectF(120, 200, 220, 60), Qt::AlignCenter, QStringLiteral("PAGATO"));
    return img;
}

void salva(const Categoria& c, const QList<std::pair<const char*, const char*>>& campi, bool daPagare,
           const QImage& foto)
{
    TArchivioSchede archivio(c);
    archivio.Apri(TArchivioSchede::Accesso::Scrittura);
    Scheda s = archivio.nuovaScheda();
    for (const auto& [campo, testo] : campi)
        s.imposta(QString::fromLatin1(campo), QString::fromUtf8(testo));
    s.imposta("Segnala", daPagare ? QStringLiteral("Sì") : QStringLiteral("No"));
    const int n = archivio.Aggiungi(s);
    archivio.Chiudi();
    Foto::CreaCartella();
    Foto::Scrivi(foto, Foto::Percorso(c, QString::number(n)));
}

void editorShots(GalleryCamera& camera)
{
    const Categoria& rifiuti = *Catalogo::PerChiave(QStringLiteral("Rifiuti"));
    const Categoria& acquisti = *Catalogo::PerChiave(QStringLiteral("Acquisti"));
    salva(rifiuti,
          {{"Numero", "2024/0001873"}, {"DataEmi", "12/02/2024"}, {"Beneficiario", "Comune di Ravenna - TARI"},
           {"CC", "IT60X0542811101000000123456"}, {"DataSca", "31/03/2024"}, {"Periodo", "Primo semestre 2024"},
           {"DataPag", "12/03/2024"}, {"Causale", "Tassa rifiuti, prima rata"}, {"Consumi", "Abitazione, 95 mq"},
           {"Modalita", "Bonifico bancario"}, {"Estremi", "CRO 0045 8871 2231"}, {"Pagatore", "Maria Rossi"},
           {"CodFisc", "RSSMRA80A41H199Z"}, {"CodCliente", "0045871"}, {"Note", "Seconda rata a settembre."},
           {"Prezzo", "187,40"}},
          false, ricevuta(QStringLiteral("COMUNE DI RAVENNA"), QStringLiteral("187,40")));
    salva(acquisti,
          {{"Numero", "SC 4411/22"}, {"DataEmi", "03/05/2024"}, {"Attivita", "Elettrodomestici Bianchi"},
           {"Email", "negozio@bianchi.example"}, {"Tel", "0544 123456"}, {"Sito", "www.bianchi.example"},
           {"Garanzia", "24 mesi dalla data d'acquisto"}, {"Prodotti", "Lavatrice 8 kg classe A"},
           {"Dettagli", "Consegna e installazione comprese"}, {"Modalita", "Carta di credito"},
           {"Documenti", "Scontrino e fattura n. 118"}, {"Pagatore", "Luca Verdi"}, {"CodFisc", "VRDLCU75C12D612K"},
           {"Note", "Tenere la scatola fino alla fine della garanzia."}, {"Prezzo", "529,00"}},
          true, ricevuta(QStringLiteral("ELETTRODOMESTICI BIANCHI"), QStringLiteral("529,00")));

    for (const Categoria* c : {&rifiuti, &acquisti}) {
        TfrmArchivio schermo(*c);
        schermo.setAttribute(Qt::WA_DontShowOnScreen);
        schermo.resize(TfrmArchivio::DesignSize);
        schermo.show();
        GalleryCamera::settle();
        const QString nome = QStringLiteral("archivio_") + c->Sigla;
        camera.shoot(nome + QStringLiteral("_nuova"), schermo, TfrmArchivio::DesignSize);
        schermo.cmdPrimoClick();
        QLineEdit* inFocus = schermo.Campo(QStringLiteral("Causale"));
        (inFocus ? inFocus : schermo.Campo(QStringLiteral("Prodotti")))->setFocus();
        camera.shoot(nome, schermo, TfrmArchivio::DesignSize);
        schermo.close();
    }

    TfrmArchivio schermo(rifiuti);
    TfrmCalendario calendario(&schermo);
    calendario.ImpostaTag(QStringLiteral("rifiuti_datasca"));
    calendario.calendario()->setSelectedDate(QDate(2024, 3, 5));
    camera.shoot(QStringLiteral("calendario"), calendario);
}

const GalleryGroup group("editor", &editorShots);

} // namespace
