// tessaria_make_guide <Guida.pdf>
// Writes the printable guide delivered with the program: A4 pages in Italian,
// a cover, a table of contents and one chapter per part of the program. Its
// text is the help topics the program shows, with a few pages of its own
// around them, and its pictures are the program's real windows drawn
// offscreen over sample cards, so the guide and the program cannot drift
// apart. Runs offscreen, in a temporary program folder.

#include "SampleCards.h"
#include "WindowCamera.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "checkers/TfrmCodFisc.h"
#include "checkers/TfrmPartitaIva.h"
#include "dialogs/Dialogs.h"
#include "editor/TfrmArchivio.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "help/TfrmInfo.h"
#include "help/TfrmSplash.h"
#include "output/TfrmExp.h"
#include "platform/Platform.h"
#include "ui/Maker.h"
#include "ui/ProgramPictures.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <cstdio>

namespace {

// No window may stop the generator: every question gets the negative answer.
class SilentDialogs : public Dialogs {
public:
    Answer message(QWidget*, Kind, const QString&) override { return Answer::Cancel; }
    void plain(QWidget*, const QString&) override { }
    Answer question(QWidget*, const QString&) override { return Answer::No; }
    QString openFile(QWidget*, const FileDialogSpec&) override { return {}; }
    QString saveFile(QWidget*, const FileDialogSpec&) override { return {}; }
    bool print(QWidget*, QPrinter*) override { return false; }
};

// ---- Pictures of the windows --------------------------------------------------

// Off any screen, so the screen's size does not bound the window's; there no
// window takes the focus, and the guide shows each as it opens.
QImage picture(QWidget& w, const QSize& size = {})
{
    w.setAttribute(Qt::WA_DontShowOnScreen);
    return WindowCamera::take(w, size);
}

struct Pictures {
    QImage login, menu, archivio, esporta, codFisc, partitaIva, guida, info, splash;
};

Pictures takePictures()
{
    Pictures p;
    SampleCards::writeRifiuti();
    const Categoria& rifiuti = *Catalogo::PerChiave(QStringLiteral("Rifiuti"));
    {
        TfrmPassword w;
        p.login = picture(w);
    }
    {
        TfrmAvvio w;
        p.menu = picture(w, TfrmAvvio::DesignSize);
    }
    {
        TfrmArchivio w(rifiuti);
        picture(w, TfrmArchivio::DesignSize);
        w.cmdUltimoClick();
        w.cmdIndietroClick();
        p.archivio = picture(w);
    }
    {
        TfrmExp w(rifiuti);
        p.esporta = picture(w);
    }
    {
        TfrmCodFisc w;
        w.setText(QStringLiteral("RSSMRA80A01H501U"));
        p.codFisc = picture(w);
    }
    {
        TfrmPartitaIva w;
        w.setText(QStringLiteral("00000000588"));
        p.partitaIva = picture(w);
    }
    {
        TfrmGuida w;
        w.MostraArgomento(HelpTopics::archive());
        p.guida = picture(w);
    }
    {
        TfrmInfo w;
        p.info = picture(w);
    }
    {
        TfrmSplash w;
        p.splash = picture(w);
    }
    return p;
}

// ---- The text -----------------------------------------------------------------

QString html(const QString& testo)
{
    return testo.toHtmlEscaped();
}

QString paragrafi(const QStringList& p)
{
    QString out;
    for (const QString& s : p)
        out += QStringLiteral("<p>") + html(s) + QStringLiteral("</p>");
    return out;
}

// A picture of a window, `larghezza` millimetres wide, with its caption.
QString figura(const QString& nome, double larghezza, const QString& didascalia)
{
    const int px = int(larghezza / 25.4 * 96);
    return QStringLiteral("<p class='figura' align='center'><img src='guida:%1' width='%2'></p>"
                          "<p class='didascalia' align='center'>%3</p>")
        .arg(nome)
        .arg(px)
        .arg(html(didascalia));
}

// Two pictures side by side, each `larghezza` millimetres wide, with captions.
QString coppia(
    const QString& a, const QString& didascaliaA, const QString& b, const QString& didascaliaB, double larghezza)
{
    return QStringLiteral("<table width='100%' cellspacing='0' cellpadding='0'><tr>"
                          "<td align='center'><img src='guida:%1' width='%5'></td>"
                          "<td align='center'><img src='guida:%2' width='%5'></td></tr>"
                          "<tr><td align='center'><p class='didascalia'>%3</p></td>"
                          "<td align='center'><p class='didascalia'>%4</p></td></tr></table>")
        .arg(a, b, html(didascaliaA), html(didascaliaB))
        .arg(int(larghezza / 25.4 * 96));
}

QString capitolo(const QString& titolo)
{
    return QStringLiteral("<h1>") + html(titolo) + QStringLiteral("</h1>");
}

QString sezione(const QString& titolo)
{
    return QStringLiteral("<h2>") + html(titolo) + QStringLiteral("</h2>");
}

// A topic as the help window shows it: its title, then its paragraphs.
QString argomento(const HelpTopic& a, int primo = 0, int quanti = -1)
{
    return sezione(a.titolo) + paragrafi(a.paragrafi.mid(primo, quanti));
}

QString nota(const QString& testo)
{
    return QStringLiteral("<p class='nota'>") + html(testo) + QStringLiteral("</p>");
}

QString testoGuida()
{
    const HelpTopic menu = HelpTopics::menu();
    const HelpTopic archivio = HelpTopics::archive();
    const Categoria& rifiuti = *Catalogo::PerChiave(QStringLiteral("Rifiuti"));
    const HelpTopic esportazione = HelpTopics::exportTopic(rifiuti);
    const QStringList& m = menu.paragrafi;
    QString h;

    h += capitolo(QStringLiteral("Uno sguardo a Tessaria 3.0"));
    h += paragrafi({m.at(0), m.at(1), m.at(2), m.at(22)});
    h += nota(QStringLiteral("La finestra della guida, aperta dall'icona con il punto interrogativo in alto a destra "
                             "nel menu principale, riassume in una sola pagina gli argomenti di questo documento."));

    h += capitolo(QStringLiteral("Avvio, chiavetta USB e rete locale"));
    h += paragrafi({m.at(19), m.at(20)});
    h += sezione(QStringLiteral("Dove sono conservati i dati"));
    h += paragrafi({QStringLiteral(
        "Tutto ciò che il programma registra si trova nella stessa cartella del programma: un file di archivio per "
        "ciascuna app, la cartella Foto_Ricevute con una foto per ogni scheda, la cartella Documenti_Allegati con i "
        "file allegati e il file unins000.dll, che custodisce la password di accesso. Le esportazioni in Excel "
        "vengono create nella stessa cartella. Per fare una copia di sicurezza basta copiare l'intera cartella.")});
    QString tabella = QStringLiteral("<table class='file' cellspacing='0' cellpadding='6' width='100%'>"
                                     "<thead><tr><th align='left'>App</th><th align='left'>File di archivio</th>"
                                     "<th align='left'>Esportazione in Excel</th><th align='left'>Foto</th></tr>"
                                     "</thead>");
    for (const Categoria& c : Catalogo::Tutte())
        tabella += QStringLiteral("<tr><td class='riga'>%1</td><td class='riga'>%2</td><td class='riga'>%3</td>"
                                  "<td class='riga'>%4n.jpg</td></tr>")
                       .arg(html(c.Nome), html(c.FileArchivio()), html(c.FileExcel()), html(c.PrefissoFoto()));
    tabella += QStringLiteral("</table>");
    h += tabella;
    h += nota(QStringLiteral("Nel nome della foto, n è il numero della scheda nel suo archivio. Le schede non "
                             "vengono mai cancellate né riordinate, perciò ogni scheda mantiene per sempre il suo "
                             "numero e la sua foto."));

    h += capitolo(QStringLiteral("Primo accesso e password"));
    h += paragrafi({m.at(21)});
    h += figura(QStringLiteral("login"), 78, QStringLiteral("La finestra di accesso."));
    h += paragrafi({
        QStringLiteral("All'avvio il programma chiede la password: digitarla e premere OK. Maiuscole e minuscole "
                       "non fanno differenza. Se la password non è corretta, il programma lo segnala e permette "
                       "di riprovare; il pulsante Esci chiude il programma."),
        QStringLiteral("Per cambiare la password fare clic su Cambia password, digitare la vecchia password, la "
                       "nuova e di nuovo la nuova per conferma, quindi premere OK. La nuova password vale da subito "
                       "e resta valida finché non la si cambia di nuovo."),
    });

    h += capitolo(QStringLiteral("Il menu principale"));
    h += figura(QStringLiteral("menu"), 164, QStringLiteral("Il menu principale con le dieci app."));
    h += paragrafi({
        QStringLiteral("Dopo l'accesso compare il menu principale, con le dieci app disposte su due file: luce, "
                       "gas, acqua, rifiuti e telefono in alto; auto, condominio, acquisti, tasse e pagamenti vari "
                       "in basso. Un clic sull'immagine di un'app, oppure sulla striscia con il suo nome, apre la "
                       "schermata del relativo archivio; chiudendo quella schermata si torna al menu."),
        QStringLiteral("In alto a sinistra l'icona delle informazioni apre la finestra con la versione del "
                       "programma e l'indirizzo e-mail dell'autore; in alto a destra il punto interrogativo apre "
                       "la guida. In basso, la striscia con l'indirizzo Web apre il sito dell'autore, l'icona a "
                       "sinistra mostra la presentazione dell'autore e l'icona rossa a destra chiude il programma."),
    });

    h += capitolo(QStringLiteral("Le app di archiviazione"));
    h += sezione(archivio.titolo);
    h += paragrafi({archivio.paragrafi.at(0)});
    h += figura(QStringLiteral("archivio"), 164,
        QStringLiteral("La schermata dell'app dei rifiuti con una scheda e la foto della sua ricevuta."));
    h += paragrafi(archivio.paragrafi.mid(1));
    h += nota(QStringLiteral("Passando con il mouse sopra un pulsante, la barra in fondo alla schermata ne spiega "
                             "la funzione. Il punto interrogativo in alto a destra mostra questo stesso testo."));

    h += capitolo(QStringLiteral("Esportazione in Excel"));
    h += argomento(esportazione);
    h += figura(QStringLiteral("esporta"), 150, QStringLiteral("La finestra di esportazione dell'app dei rifiuti."));
    h += paragrafi({
        QStringLiteral("La griglia mostra tutte le schede dell'archivio, una per riga, con il numero della scheda "
                       "nella prima colonna. Prima di esportare si possono correggere, con un doppio clic sulla "
                       "cella, le colonne della data di pagamento (per gli acquisti, la garanzia), degli estremi "
                       "della ricevuta (per gli acquisti, i documenti di acquisto), del pagatore, del codice "
                       "fiscale, del codice cliente e delle note: le modifiche valgono soltanto per il file "
                       "esportato e non cambiano le schede in archivio."),
        QStringLiteral("Il file si chiama Database_ seguito dal nome dell'archivio, ad esempio ") + rifiuti.FileExcel()
            + QStringLiteral(", e viene creato nella cartella del programma; un'esportazione successiva lo "
                             "sostituisce. Se il file è aperto in un altro programma, l'esportazione non riesce e "
                             "il programma invita a chiuderlo: il file precedente resta intatto."),
    });
    h += nota(QStringLiteral("Nelle altre app l'esportazione funziona allo stesso modo; cambiano soltanto i nomi di "
                             "alcune colonne."));

    h += capitolo(QStringLiteral("Controllo del codice fiscale e della partita IVA"));
    h += paragrafi({
        m.at(4),
        QStringLiteral("Il controllo verifica il carattere finale del codice fiscale, che deve essere composto da "
                       "16 caratteri, oppure la cifra finale della partita IVA, che deve essere composta da 11 "
                       "cifre. Per una partita IVA valida il programma indica anche l'Ufficio IVA che l'ha "
                       "rilasciata. Il codice si può correggere o digitare nella finestra stessa, poi si preme "
                       "Controlla; dopo il risultato la finestra si chiude. I controlli non modificano la scheda."),
    });
    h += coppia(QStringLiteral("codfisc"), QStringLiteral("Il controllo del codice fiscale."),
        QStringLiteral("partitaiva"), QStringLiteral("Il controllo della partita IVA."), 80);

    h += capitolo(QStringLiteral("Guida e informazioni"));
    h += figura(QStringLiteral("guida"), 110, QStringLiteral("La finestra della guida."));
    h += paragrafi({
        QStringLiteral("In ogni schermata il pulsante con il punto interrogativo apre la finestra della guida con "
                       "la spiegazione della schermata stessa. Il collegamento Visualizza guida in formato PDF, "
                       "in basso a sinistra, apre questo documento, il file Guida.pdf della cartella del "
                       "programma, che si può leggere a video o stampare."),
    });
    h += sezione(QStringLiteral("Informazioni e presentazione"));
    h += paragrafi({
        QStringLiteral("L'icona delle informazioni, in alto a sinistra nel menu principale, apre la finestra con la "
                       "versione del programma e l'indirizzo e-mail dell'autore, ")
            + QString(Maker::Email)
            + QStringLiteral(": un clic sull'indirizzo prepara un nuovo messaggio con il programma di posta "
                             "elettronica. L'icona in basso a sinistra nel menu apre la presentazione di ")
            + QString(Maker::Name) + QStringLiteral(", con il collegamento al sito ") + QString(Maker::WebAddress)
            + QStringLiteral("."),
    });
    h += coppia(QStringLiteral("info"), QStringLiteral("La finestra delle informazioni."), QStringLiteral("splash"),
        QStringLiteral("La presentazione dell'autore."), 78);
    return h;
}

const char* const Stile = "body { font-family: 'Liberation Serif'; font-size: 12pt; color: #1E2A3A; }"
                          "h1 { font-family: 'DejaVu Sans'; font-size: 22pt; font-weight: bold; color: #1E4E8C;"
                          "     margin-top: 30px; margin-bottom: 14px; }"
                          "h2 { font-family: 'DejaVu Sans'; font-size: 13pt; font-weight: bold; color: #C0392B;"
                          "     margin-top: 14px; margin-bottom: 8px; }"
                          "p { margin-top: 0px; margin-bottom: 9px; line-height: 125%; }"
                          "p.nota { font-family: 'DejaVu Sans'; font-size: 10pt; color: #4A5A6E;"
                          "     font-style: italic; margin-top: 6px; }"
                          "p.figura { margin-top: 10px; margin-bottom: 4px; line-height: 100%; }"
                          ".didascalia { font-family: 'DejaVu Sans'; font-size: 9pt; color: #5A6E86;"
                          "     font-style: italic; margin-bottom: 14px; }"
                          "table.file { font-family: 'DejaVu Sans'; font-size: 9pt; border-collapse: collapse;"
                          "     margin-top: 6px; margin-bottom: 10px; }"
                          "th { background-color: #DCE4EE; color: #1E3A5C; }"
                          "td.riga { border-bottom: 1px solid #C9D3DE; }";

// ---- Pages --------------------------------------------------------------------

constexpr double Mm = 300 / 25.4; // pixels per millimetre at the writer's resolution
const QColor Blu(0x1E, 0x4E, 0x8C);
const QColor Grigio(0x5A, 0x6E, 0x86);

QFont carattere(const QString& famiglia, double punti, bool grassetto = false, bool corsivo = false)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

void copertina(QPainter& p, const QRectF& pagina)
{
    const double w = pagina.width();
    QLinearGradient g(0, 0, 0, 120 * Mm);
    g.setColorAt(0, QColor(0x46, 0x82, 0xB4));
    g.setColorAt(1, Qt::white);
    p.fillRect(QRectF(0, 0, w, 120 * Mm), g);

    const QSizeF logo(130 * Mm, 63 * Mm);
    p.drawPixmap(QRectF(QPointF((w - logo.width()) / 2, 30 * Mm), logo), ProgramPictures::logo(logo.toSize()),
        QRectF(QPointF(0, 0), logo));

    p.setPen(Blu);
    p.setFont(carattere(QStringLiteral("DejaVu Sans"), 26, true));
    p.drawText(QRectF(0, 108 * Mm, w, 16 * Mm), Qt::AlignCenter, QStringLiteral("Guida all'utilizzo del software"));
    p.setPen(Grigio);
    p.setFont(carattere(QStringLiteral("DejaVu Sans"), 13, false, true));
    p.drawText(QRectF(0, 124 * Mm, w, 10 * Mm), Qt::AlignCenter,
        QStringLiteral("L'archivio delle ricevute di bollette e altri pagamenti"));

    // The ten apps, as the main menu shows them.
    const QList<Categoria>& tutte = Catalogo::Tutte();
    const QSizeF tessera(30 * Mm, 30 * Mm * 160 / 176);
    const double passo = 34 * Mm;
    const double x0 = (w - 4 * passo - tessera.width()) / 2;
    for (int i = 0; i < tutte.size(); ++i) {
        const QPointF at(x0 + (i % 5) * passo, 150 * Mm + (i / 5) * 44 * Mm);
        const QPixmap t = ProgramPictures::tile(tutte.at(i));
        p.drawPixmap(QRectF(at, tessera), t, QRectF(t.rect()));
        const QPixmap c = ProgramPictures::tileCaption(tutte.at(i));
        p.drawPixmap(QRectF(at + QPointF(-0.2 * Mm, tessera.height() + 1.2 * Mm), QSizeF(30.7 * Mm, 6.1 * Mm)), c,
            QRectF(c.rect()));
    }

    p.setPen(QPen(QColor(0xC9, 0xD8, 0xE8), 0.5 * Mm));
    p.drawLine(QPointF(40 * Mm, 250 * Mm), QPointF(w - 40 * Mm, 250 * Mm));
    p.setPen(Blu);
    p.setFont(carattere(QStringLiteral("DejaVu Sans"), 14, true));
    p.drawText(QRectF(0, 256 * Mm, w, 9 * Mm), Qt::AlignCenter, QStringLiteral("Tessaria 3.0"));
    p.setPen(Grigio);
    p.setFont(carattere(QStringLiteral("DejaVu Sans"), 10));
    p.drawText(QRectF(0, 266 * Mm, w, 7 * Mm), Qt::AlignCenter,
        QString(Maker::Name) + QStringLiteral("  \u00B7  ") + QString(Maker::WebAddress) + QStringLiteral("  \u00B7  ")
            + QString(Maker::Email));
}

struct Voce {
    QString titolo;
    int pagina;
};

void indice(QPainter& p, const QRectF& corpo, const QList<Voce>& voci)
{
    p.setPen(Blu);
    p.setFont(carattere(QStringLiteral("DejaVu Sans"), 22, true));
    p.drawText(QRectF(corpo.left(), corpo.top(), corpo.width(), 16 * Mm), Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("Indice"));
    const QFont f = carattere(QStringLiteral("Liberation Serif"), 13);
    p.setFont(f);
    const QFontMetricsF fm(f, p.device());
    double y = corpo.top() + 26 * Mm;
    int n = 1;
    for (const Voce& v : voci) {
        const QString testo = QStringLiteral("%1.  %2").arg(n++).arg(v.titolo);
        const QString numero = QString::number(v.pagina);
        p.setPen(QColor(0x1E, 0x2A, 0x3A));
        p.drawText(QPointF(corpo.left(), y), testo);
        p.drawText(QPointF(corpo.right() - fm.horizontalAdvance(numero), y), numero);
        // Dotted leader between title and page.
        const double da = corpo.left() + fm.horizontalAdvance(testo) + 2 * Mm;
        const double a = corpo.right() - fm.horizontalAdvance(numero) - 2 * Mm;
        p.setPen(QPen(QColor(0x9A, 0xA8, 0xB8), 0.35 * Mm, Qt::DotLine));
        if (a > da)
            p.drawLine(QPointF(da, y - 0.8 * Mm), QPointF(a, y - 0.8 * Mm));
        y += 11 * Mm;
    }
}

void testataEPiede(QPainter& p, const QRectF& pagina, const QRectF& corpo, int numero)
{
    p.setPen(QPen(QColor(0xA9, 0xC8, 0xE6), 0.3 * Mm));
    p.drawLine(QPointF(corpo.left(), corpo.top() - 6 * Mm), QPointF(corpo.right(), corpo.top() - 6 * Mm));
    p.drawLine(QPointF(corpo.left(), pagina.bottom() - 16 * Mm), QPointF(corpo.right(), pagina.bottom() - 16 * Mm));
    p.setPen(Grigio);
    p.setFont(carattere(QStringLiteral("DejaVu Sans"), 8.5));
    p.drawText(QRectF(corpo.left(), corpo.top() - 13 * Mm, corpo.width(), 6 * Mm), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Tessaria 3.0  \u00B7  Guida all'utilizzo del software"));
    p.drawText(QRectF(corpo.left(), pagina.bottom() - 15 * Mm, corpo.width(), 6 * Mm),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pagina %1").arg(numero));
    p.drawText(QRectF(corpo.left(), pagina.bottom() - 15 * Mm, corpo.width(), 6 * Mm), Qt::AlignLeft | Qt::AlignVCenter,
        QString(Maker::Name));
}

// A heading stays with the first lines after it, and a picture with its
// caption: when they would fall on two pages, the heading or the picture
// moves to the next page. Repeated until nothing moves, as each move shifts
// what follows.
void tieniInsieme(QTextDocument& doc, double altezzaPagina)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const auto pagina = [altezzaPagina](double y) { return int(y / altezzaPagina); };
    const auto legato = [](const QTextBlock& b) {
        return b.blockFormat().headingLevel() > 0 || b.text().contains(QChar::ObjectReplacementCharacter);
    };
    const double inizioTesto = 14 * Mm; // what must follow a heading on its page
    for (int giri = 0; giri < 200; ++giri) {
        bool spostato = false;
        for (QTextBlock b = doc.begin(); b.isValid() && b.next().isValid(); b = b.next()) {
            if (!legato(b))
                continue;
            const QRectF r = layout->blockBoundingRect(b);
            const QRectF dopo = layout->blockBoundingRect(b.next());
            if (pagina(r.top()) == pagina(dopo.top() + qMin(dopo.height(), inizioTesto)))
                continue;
            // The break goes before the first of a run of bound blocks that
            // share this page (a chapter title above a section title).
            QTextBlock primo = b;
            while (primo.previous().isValid() && legato(primo.previous())
                && pagina(layout->blockBoundingRect(primo.previous()).top()) == pagina(r.top()))
                primo = primo.previous();
            const double y = layout->blockBoundingRect(primo).top();
            if (y - pagina(y) * altezzaPagina < 1 * Mm)
                continue; // already at the top of a page: nothing to gain
            // A picture inside a table (two side by side) moves with its table.
            if (QTextTable* tabella = QTextCursor(primo).currentTable()) {
                QTextTableFormat f = tabella->format();
                if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                    continue;
                f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                tabella->setFormat(f);
            } else {
                QTextBlockFormat f;
                f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(primo).mergeBlockFormat(f);
            }
            // The layout would otherwise redo only part of what moved.
            doc.markContentsDirty(0, doc.characterCount());
            spostato = true;
            break;
        }
        if (!spostato)
            return;
    }
}

// A paragraph that runs over to the next page becomes two, split where the
// page ends, with no space between them: the page looks the same, and each
// page draws only its own lines (drawing a page draws whole paragraphs, the
// lines outside the page hidden by the clip, and a search or a copy in the
// PDF would find those twice).
void dividiAlCambioPagina(QTextDocument& doc, double altezzaPagina)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (int giri = 0; giri < 500; ++giri) {
        bool diviso = false;
        for (QTextBlock b = doc.begin(); b.isValid() && !diviso; b = b.next()) {
            if (QTextCursor(b).currentTable())
                continue;
            const QRectF r = layout->blockBoundingRect(b);
            const QTextLayout* righe = b.layout();
            const int primaPagina = int(r.top() / altezzaPagina);
            for (int i = 1; i < righe->lineCount(); ++i) {
                const QTextLine riga = righe->lineAt(i);
                if (int((r.top() + riga.y()) / altezzaPagina) == primaPagina)
                    continue;
                QTextCursor c(b);
                QTextBlockFormat sopra = b.blockFormat();
                sopra.setBottomMargin(0);
                c.setBlockFormat(sopra);
                c.setPosition(b.position() + riga.textStart());
                QTextBlockFormat sotto = b.blockFormat();
                sotto.setTopMargin(0);
                sotto.setBottomMargin(b.blockFormat().bottomMargin());
                sotto.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
                c.insertBlock(sotto, c.charFormat());
                doc.markContentsDirty(0, doc.characterCount());
                diviso = true;
                break;
            }
        }
        if (!diviso)
            return;
    }
}

bool scriviGuida(QIODevice& out, const Pictures& immagini)
{
    QPdfWriter writer(&out);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("Tessaria 3.0 - Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Tessaria 3.0"));

    const QRectF pagina(0, 0, writer.width(), writer.height());
    const QRectF corpo = pagina.adjusted(22 * Mm, 27 * Mm, -22 * Mm, -24 * Mm);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDocumentMargin(0);
    doc.setPageSize(corpo.size());
    doc.setDefaultStyleSheet(QString::fromUtf8(Stile));
    doc.setDefaultFont(carattere(QStringLiteral("Liberation Serif"), 12));
    const std::pair<const char*, const QImage*> risorse[] = {
        {"login", &immagini.login},
        {"menu", &immagini.menu},
        {"archivio", &immagini.archivio},
        {"esporta", &immagini.esporta},
        {"codfisc", &immagini.codFisc},
        {"partitaiva", &immagini.partitaIva},
        {"guida", &immagini.guida},
        {"info", &immagini.info},
        {"splash", &immagini.splash},
    };
    for (const auto& [nome, immagine] : risorse)
        doc.addResource(
            QTextDocument::ImageResource, QUrl(QStringLiteral("guida:") + QString::fromLatin1(nome)), *immagine);
    doc.setHtml(QStringLiteral("<html><body>") + testoGuida() + QStringLiteral("</body></html>"));

    tieniInsieme(doc, corpo.height());
    dividiAlCambioPagina(doc, corpo.height());

    // Cover and contents come first, so the chapters start on page 3.
    constexpr int Prima = 3;
    QList<Voce> voci;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 1) {
            const double y = doc.documentLayout()->blockBoundingRect(b).top();
            voci << Voce {b.text(), Prima + int(y / corpo.height())};
        }
    }
    const int pagine = doc.pageCount();

    QPainter p(&writer);
    if (!p.isActive())
        return false;
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    copertina(p, pagina);
    writer.newPage();
    indice(p, corpo, voci);
    testataEPiede(p, pagina, corpo, 2);
    for (int i = 0; i < pagine; ++i) {
        writer.newPage();
        p.save();
        p.translate(corpo.topLeft());
        p.translate(0, -i * corpo.height());
        QAbstractTextDocumentLayout::PaintContext contesto;
        // Lines that only touch the page's edges belong to the pages beside
        // it: drawn here too, hidden by the clip, a search or a copy in the
        // PDF would find them twice.
        const QRectF paginaDoc(0, i * corpo.height(), corpo.width(), corpo.height());
        contesto.clip = paginaDoc.adjusted(0, 1, 0, -1);
        contesto.palette.setColor(QPalette::Text, QColor(0x1E, 0x2A, 0x3A));
        p.setClipRect(paginaDoc);
        doc.documentLayout()->draw(&p, contesto);
        p.restore();
        testataEPiede(p, pagina, corpo, Prima + i);
    }
    return p.end();
}

} // namespace

int main(int argc, char** argv)
{
    WindowCamera::useScreens(WindowCamera::DesktopScreen);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaria_make_guide <Guida.pdf>\n");
        return 2;
    }
    const QString uscita = QString::fromLocal8Bit(argv[1]);

    QTemporaryDir cartella;
    if (!cartella.isValid()) {
        std::fprintf(stderr, "make_guide: no temporary folder\n");
        return 1;
    }
    ProgramFolder::set(cartella.path());
    SilentDialogs dialogs;
    Dialogs::install(&dialogs);
    TMisc::setOpener([](const QString&) {});

    const Pictures immagini = takePictures();

    // The guide takes its name only once it is complete.
    QSaveFile file(uscita);
    const bool scritto = file.open(QIODevice::WriteOnly) && scriviGuida(file, immagini) && file.commit();

    Dialogs::install(nullptr);
    ProgramFolder::set(QString());
    if (!scritto) {
        std::fprintf(stderr, "make_guide: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("written: %s\n", argv[1]);
    return 0;
}
