#include "SampleCards.h"

#include "archive/Categoria.h"
#include "archive/PhotoFiles.h"
#include "archive/TArchivioSchede.h"

#include <QPainter>

namespace {

using Campi = QList<std::pair<const char*, const char*>>;

void store(const Categoria& c, const QList<Campi>& cards, const char* heading)
{
    TArchivioSchede archive(c);
    archive.Apri(TArchivioSchede::Accesso::Scrittura);
    PhotoFiles::createFolder();
    for (const Campi& fields : cards) {
        Scheda s = archive.nuovaScheda();
        QString amount;
        for (const auto& [field, text] : fields) {
            s.imposta(QString::fromLatin1(field), QString::fromUtf8(text));
            if (QLatin1String(field) == QLatin1String("Prezzo"))
                amount = QString::fromUtf8(text);
        }
        const int n = archive.Aggiungi(s);
        PhotoFiles::write(
            SampleCards::receipt(QString::fromUtf8(heading), amount), PhotoFiles::path(c, QString::number(n)));
    }
    archive.Chiudi();
}

} // namespace

void SampleCards::writeRifiuti()
{
    const char* const cf = "RSSMRA80A41H199Z";
    QList<Campi> cards;
    struct Rata {
        const char* numero;
        const char* emissione;
        const char* scadenza;
        const char* pagamento;
        const char* periodo;
        const char* causale;
        const char* pagatore;
        const char* estremi;
        const char* prezzo;
        const char* segnala;
        const char* note;
    };
    static const Rata rate[] = {
        {"2019/0000981", "08/02/2019", "31/03/2019", "25/03/2019", "Primo semestre 2019", "TARI 2019, prima rata",
            "Maria Rossi", "CRO 0027 1180 4432", "158,30", "No", ""},
        {"2019/0000982", "08/02/2019", "30/09/2019", "27/09/2019", "Secondo semestre 2019", "TARI 2019, seconda rata",
            "Maria Rossi", "CRO 0027 5501 8813", "158,30", "No", ""},
        {"2020/0001033", "10/02/2020", "30/06/2020", "29/06/2020", "Primo semestre 2020",
            "TARI 2020, prima rata (scadenza prorogata)", "Maria Rossi", "CRO 0028 0042 7716", "161,85", "No",
            "Scadenza rinviata dal Comune."},
        {"2020/0001034", "10/02/2020", "30/11/2020", "27/11/2020", "Secondo semestre 2020", "TARI 2020, seconda rata",
            "Giovanni Rossi", "CRO 0028 9120 3358", "161,85", "No", ""},
        {"2021/0001120", "11/02/2021", "31/03/2021", "31/03/2021", "Primo semestre 2021", "TARI 2021, prima rata",
            "Maria Rossi", "CRO 0030 2214 6690", "166,00", "No", ""},
        {"2021/0001121", "11/02/2021", "30/09/2021", "20/09/2021", "Secondo semestre 2021", "TARI 2021, seconda rata",
            "Maria Rossi", "CRO 0030 7785 1042", "166,00", "No", ""},
        {"2022/0001204", "10/02/2022", "31/03/2022", "28/03/2022", "Primo semestre 2022", "TARI 2022, prima rata",
            "Maria Rossi", "CRO 0031 4471 2290", "174,20", "No", ""},
        {"2022/0001205", "10/02/2022", "30/09/2022", "26/09/2022", "Secondo semestre 2022", "TARI 2022, seconda rata",
            "Maria Rossi", "CRO 0031 9902 1174", "174,20", "No", ""},
        {"2023/0001588", "13/02/2023", "31/03/2023", "30/03/2023", "Primo semestre 2023", "TARI 2023, prima rata",
            "Giovanni Rossi", "CRO 0032 0817 5521", "181,65", "No", "Pagata dal conto cointestato."},
        {"2023/0001589", "13/02/2023", "30/09/2023", "29/09/2023", "Secondo semestre 2023", "TARI 2023, seconda rata",
            "Giovanni Rossi", "CRO 0032 6610 0934", "181,65", "No", ""},
        {"2023/AC-77", "04/12/2023", "31/01/2024", "22/01/2024", "Anno 2023", "Conguaglio tariffa puntuale",
            "Maria Rossi", "Bollettino 896 0012", "23,10", "No", "Svuotamenti oltre la quota minima."},
        {"2024/0001873", "12/02/2024", "31/03/2024", "12/03/2024", "Primo semestre 2024", "TARI 2024, prima rata",
            "Maria Rossi", "CRO 0045 8871 2231", "187,40", "No", "Seconda rata a settembre."},
        {"2024/0001874", "12/02/2024", "30/09/2024", "", "Secondo semestre 2024", "TARI 2024, seconda rata",
            "Maria Rossi", "", "187,40", "Sì", "Da pagare con F24."},
    };
    for (const Rata& r : rate)
        cards << Campi {{"Numero", r.numero}, {"DataEmi", r.emissione}, {"Beneficiario", "Comune di Ravenna - TARI"},
            {"CC", "IT60X0542811101000000123456"}, {"DataSca", r.scadenza}, {"Periodo", r.periodo},
            {"DataPag", r.pagamento}, {"Causale", r.causale}, {"Consumi", "Abitazione, 95 mq, 3 occupanti"},
            {"Modalita", r.segnala[0] == 'S' ? "" : "Bonifico bancario"}, {"Estremi", r.estremi},
            {"Pagatore", r.pagatore}, {"CodFisc", r.pagatore[0] == 'M' ? cf : "RSSGNN78C12H199K"},
            {"CodCliente", "0045871"}, {"Note", r.note}, {"Prezzo", r.prezzo}, {"Segnala", r.segnala}};
    store(*Catalogo::PerChiave(QStringLiteral("Rifiuti")), cards, "COMUNE DI RAVENNA");
}

void SampleCards::writeAcquisti()
{
    const QList<Campi> cards = {
        {{"Numero", "SC 4411/22"}, {"DataEmi", "03/05/2024"}, {"Attivita", "Elettrodomestici Bianchi"},
            {"Email", "negozio@bianchi.example"}, {"Tel", "0544 123456"}, {"Sito", "www.bianchi.example"},
            {"Garanzia", "24 mesi dalla data d'acquisto"}, {"Prodotti", "Lavatrice 8 kg classe A"},
            {"Dettagli", "Consegna e installazione comprese"}, {"Modalita", "Carta di credito"},
            {"Documenti", "Scontrino e fattura n. 118"}, {"Pagatore", "Luca Verdi"}, {"CodFisc", "VRDLCU75C12D612K"},
            {"Note", "Tenere la scatola fino alla fine della garanzia."}, {"Prezzo", "529,00"}, {"Segnala", "No"}},
        {{"Numero", "F 2024/0093"}, {"DataEmi", "19/06/2024"}, {"Attivita", "Ferramenta Galli"},
            {"Email", "info@ferramentagalli.example"}, {"Tel", "0544 998877"}, {"Sito", "www.ferramentagalli.example"},
            {"Garanzia", "12 mesi"}, {"Prodotti", "Trapano avvitatore e punte"}, {"Dettagli", "Batteria di ricambio"},
            {"Modalita", "Bancomat"}, {"Documenti", "Fattura n. 93"}, {"Pagatore", "Luca Verdi"},
            {"CodFisc", "01234567897"}, {"Note", ""}, {"Prezzo", "89,90"}, {"Segnala", "Sì"}},
    };
    store(*Catalogo::PerChiave(QStringLiteral("Acquisti")), cards, "RICEVUTA DI ACQUISTO");
}

QImage SampleCards::receipt(const QString& heading, const QString& amount)
{
    QImage img(1200, 800, QImage::Format_RGB32);
    img.fill(QColor(0x6B, 0x6F, 0x74));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(600, 400);
    p.rotate(-2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFB, 0xFA, 0xF4));
    p.drawRect(QRectF(-420, -360, 840, 720));
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x22, 0x22, 0x22));
    p.drawText(QRectF(-400, -330, 800, 50), Qt::AlignCenter, heading);
    f.setBold(false);
    f.setPixelSize(26);
    p.setFont(f);
    const char* lines[] = {"Ricevuta di pagamento", "Cod. cliente 0045871", "--------------------------------",
        "Imposta e canoni", "Quota fissa e variabile"};
    qreal y = -240;
    for (const char* line : lines) {
        p.drawText(QPointF(-360, y), QString::fromLatin1(line));
        y += 50;
    }
    f.setPixelSize(40);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QPointF(-360, y + 60), QStringLiteral("TOTALE EUR ") + amount);
    p.setPen(QPen(QColor(0x1F, 0x4E, 0xA0), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(230, 230), 110, 80);
    p.drawText(QRectF(120, 200, 220, 60), Qt::AlignCenter, QStringLiteral("PAGATO"));
    return img;
}
