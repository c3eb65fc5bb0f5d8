// tessaria_bench [CARDS...] [--runs N]
//
// For each archive size (1,000, 10,000 and 100,000 cards unless told
// otherwise) builds an archive of realistic bills in a temporary program
// folder and times, after a warm-up, the median of N runs of: the floor
// (reading the whole record file in this process); search with one filter and
// with none, and the unpaid summary, each with its list model filled and
// sorted; opening a card from its line; the export (loading the grid, writing
// the .xls file); navigation to the last card on the archive screen; the
// search and summary windows from the click to the painted list; and the
// resident memory at its peak while the search window lists every card. Once
// per run it also times the thirteen windows the program creates at start-up,
// and drawing page 1 of a one-page A4 PDF bill at 150 dpi as a card's photo,
// and the reading of a bill (tools/samples/SampleBill): its QR code and its
// PDF's text, and OCR of its A4 page at 300 dpi, with the first loading of
// the OCR engine.
// Every time is printed beside its ratio to the floor, then how each one grew
// from the smallest archive to the largest. Last, the spending overview over
// ten archives of up to 10,000 cards each, against reading those ten files,
// and a year change in its window.
//
// Not a test: it prints figures. It fails only when a result is wrong.

#include "WindowCamera.h"
#include "app/AppWindows.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "capture/PdfPage.h"
#include "editor/TfrmArchivio.h"
#include "household/AllCardsSearch.h"
#include "household/DuePayments.h"
#include "household/SpendingSummary.h"
#include "household/TfrmSpese.h"
#include "output/CardGrid.h"
#include "output/ExportColumns.h"
#include "output/Spreadsheet.h"
#include "platform/Platform.h"
#include "reading/BillReading.h"
#include "reading/Ocr.h"
#include "search/Filters.h"
#include "search/LineModel.h"
#include "search/ResultPanel.h"
#include "search/Scan.h"
#include "search/TfrmSospesi.h"
#include "search/TfrmTrova.h"

#include "SampleBill.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

const char* const Nomi[] = {"Maria Rossi", "Giovanni Rossi", "Luca Bianchi", "Anna Verdi", "Paolo Ferrari",
    "Giulia Esposito", "Marco Romano", "Sara Colombo", "Franco Ricci", "Elena Marino", "Davide Greco", "Chiara Bruno",
    "Stefano Gallo", "Laura Conti", "Andrea De Luca"};
const char* const Enti[] = {"Enel Energia SpA", "A2A Energia", "Hera Comm", "Iren Mercato", "Edison Energia",
    "Acea Energia", "Sorgenia", "E.ON Energia"};
const char* const Causali[]
    = {"Bimestre gennaio-febbraio", "Bimestre marzo-aprile", "Bimestre maggio-giugno", "Bimestre luglio-agosto",
        "Bimestre settembre-ottobre", "Bimestre novembre-dicembre", "Conguaglio consumi", "Canone e oneri di sistema"};
const char* const Modalita[] = {"Domiciliazione bancaria", "Bollettino postale", "Bonifico", "Carta di credito"};

// One bill with the texts a household writes: short fields, mostly blank
// bytes, about one card in three still to be paid.
Scheda bolletta(QRandomGenerator& rng, int n)
{
    auto pick = [&rng](const auto& list) { return QString::fromUtf8(list[rng.bounded(int(std::size(list)))]); };
    const int anno = 2000 + n % 25;
    const int mese = 1 + int(rng.bounded(12));
    const int giorno = 1 + int(rng.bounded(28));
    const QString data
        = QStringLiteral("%1/%2/%3").arg(giorno, 2, 10, QLatin1Char('0')).arg(mese, 2, 10, QLatin1Char('0')).arg(anno);
    Scheda s(Tipo::TSchedaBolletta);
    s.imposta("Numero", QStringLiteral("%1/%2").arg(anno).arg(n, 7, 10, QLatin1Char('0')));
    s.imposta("DataEmi", data);
    s.imposta("Beneficiario", pick(Enti));
    s.imposta("CC", QStringLiteral("IT60X05428111010000%1").arg(rng.bounded(100000000), 8, 10, QLatin1Char('0')));
    s.imposta("DataSca", data);
    s.imposta("Periodo", pick(Causali).section(QLatin1Char(' '), 1));
    s.imposta("DataPag", data);
    s.imposta("Causale", pick(Causali));
    s.imposta("Consumi", QStringLiteral("%1 kWh").arg(rng.bounded(900)));
    s.imposta("Modalita", pick(Modalita));
    s.imposta("Estremi", QStringLiteral("CRO %1").arg(rng.bounded(1000000000)));
    s.imposta("Pagatore", pick(Nomi));
    s.imposta("CodFisc", QStringLiteral("RSSMRA80A41H199Z"));
    s.imposta("CodCliente", QString::number(rng.bounded(10000000)));
    if (n % 5 == 0)
        s.imposta("Note", QStringLiteral("Pagata allo sportello, ricevuta nel raccoglitore"));
    if (n % 11 == 0)
        s.imposta("Note", QStringLiteral("Rata & conguaglio <bimestre> \"saldo\" d'acconto"));
    s.imposta("Prezzo", QStringLiteral("%1,%2").arg(rng.bounded(400)).arg(rng.bounded(100), 2, 10, QLatin1Char('0')));
    s.imposta("Segnala", rng.bounded(3) == 0 ? Flag::Yes : Flag::No);
    return s;
}

// One purchase, for the purchases archive of the ten-archive rows.
Scheda acquisto(QRandomGenerator& rng, int n)
{
    Scheda s(Tipo::TSchedaAcquisto);
    s.imposta("Numero", QStringLiteral("SC-%1").arg(n, 7, 10, QLatin1Char('0')));
    s.imposta("DataEmi", QStringLiteral("%1/03/2024").arg(1 + int(rng.bounded(28)), 2, 10, QLatin1Char('0')));
    s.imposta("Attivita", QStringLiteral("Elettrodomestici Sud"));
    s.imposta("Prodotti", QStringLiteral("Lavatrice 8 kg"));
    s.imposta("Pagatore", QStringLiteral("Maria Rossi"));
    if (n % 7 == 0)
        s.imposta("Desc01", QStringLiteral("Ricevuta e garanzia"));
    s.imposta("Prezzo", QStringLiteral("%1,00").arg(rng.bounded(900)));
    s.imposta("Segnala", rng.bounded(3) == 0 ? Flag::Yes : Flag::No);
    return s;
}

// The archive in one go: a store append syncs every card, which is right
// for a user's save and far too slow for 100,000 of them. Returns how many
// cards are still to be paid, or -1 when the file could not be written.
int writeArchive(const Categoria& c, int cards)
{
    QFile f(ProgramFolder::file(c.FileArchivio()));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    QRandomGenerator rng(2024);
    QByteArray block;
    int unpaid = 0;
    for (int n = 1; n <= cards; ++n) {
        const Scheda s = c.tipo == Tipo::TSchedaBolletta ? bolletta(rng, n) : acquisto(rng, n);
        unpaid += s.testo("Segnala") == Flag::Yes;
        block += s.byte();
        if (block.size() > (8 << 20) || n == cards) {
            if (f.write(block) != block.size())
                return -1;
            block.clear();
        }
    }
    return f.flush() ? unpaid : -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double elapsedMs(const std::function<void()>& work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

// Median milliseconds of `runs` calls of `work`, after one call not counted;
// `prepare` runs untimed before each call.
double timed(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {})
{
    std::vector<double> ms;
    for (int i = 0; i <= runs; ++i) {
        if (prepare)
            prepare();
        const double t = elapsedMs(work);
        if (i > 0)
            ms.push_back(t);
    }
    return median(ms);
}

qint64 readWholeFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    QByteArray buffer(2 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 got; (got = f.read(buffer.data(), buffer.size())) > 0;)
        total += got;
    return total;
}

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM"); -1 elsewhere.
double statusMb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// Starts the resident peak again from the present size, so that the next
// reading of VmHWM is the peak of what follows. False where the system
// cannot.
bool resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

struct Row {
    QString name;
    double ms = 0;
    QString note;
};

struct SizeResult {
    int cards = 0;
    double mb = 0;
    QList<Row> rows; // the floor first
    double baseMb = -1; // before the search window
    double rssMb = -1;
    double peakMb = -1;
};

bool right = true;
void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "bench: wrong result: %s\n", what);
        right = false;
    }
}

// The search window as the archive screen opens it: shown, "Cerca" with no
// filter, the list painted; `whileOpen` runs before it closes. Returns the
// number of lines listed.
int searchWindowListing(TfrmArchivio& schermo, const Categoria& categoria, const std::function<void()>& whileOpen)
{
    TfrmTrova trova(schermo);
    trova.ImpostaTag(categoria.Sigla);
    trova.show();
    QApplication::processEvents();
    trova.btnCercaClick();
    (void)trova.grab();
    whileOpen();
    return int(trova.results()->lines().size());
}

SizeResult measure(int cards, int runs)
{
    SizeResult r;
    r.cards = cards;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        check(false, "temporary folder");
        return r;
    }
    ProgramFolder::set(folder.path());
    const Categoria& luce = *Catalogo::PerChiave(QStringLiteral("Luce"));
    const QString path = ProgramFolder::file(luce.FileArchivio());
    const int unpaid = writeArchive(luce, cards);
    if (unpaid < 0) {
        std::fprintf(stderr, "bench: cannot write %s\n", qPrintable(path));
        check(false, "archive written");
        return r;
    }
    const qint64 bytes = QFile(path).size();
    r.mb = double(bytes) / 1e6;

    const double floor = timed(runs, [&] { check(readWholeFile(path) == bytes, "floor read"); });
    r.rows.append({QStringLiteral("floor: read the file"), floor, {}});

    // The scans as the windows run them, with the list model filled and
    // sorted.
    QStringList texts(10);
    texts[6] = QStringLiteral("Rossi"); // Pagatore
    int listed = 0;
    r.rows.append({QStringLiteral("search, one filter"),
        timed(runs,
            [&] {
                const FilterSet filters(luce, texts);
                LineModel model;
                model.setLines(Scan::searchLines(luce, filters, filters.filled()).value_or(ResultLines()));
                listed = model.rowCount();
            }),
        QStringLiteral("%1 lines").arg(listed)});
    check(listed > 0 && listed < cards, "one filter");
    QString chosen;
    r.rows.append({QStringLiteral("search, no filter"),
        timed(runs,
            [&] {
                const FilterSet filters(luce, QStringList(10));
                LineModel model;
                model.setLines(Scan::searchLines(luce, filters, filters.filled()).value_or(ResultLines()));
                listed = model.rowCount();
                chosen = model.lines().at(listed / 2).toString();
            }),
        QStringLiteral("%1 lines").arg(listed)});
    check(listed == cards, "no filter");
    r.rows.append({QStringLiteral("unpaid summary"),
        timed(runs,
            [&] {
                LineModel model;
                model.setLines(Scan::unpaidLines(luce));
                listed = model.rowCount();
            }),
        QStringLiteral("%1 lines").arg(listed)});
    check(listed == unpaid, "summary");
    int found = 0;
    r.rows.append({QStringLiteral("open a card from its line"),
        timed(runs, [&] { found = Scan::cardOfLine(luce, ListKind::Search, chosen).n; }),
        QStringLiteral("card %1").arg(found)});
    check(found > 0, "open a card");

    // The export: the window loads the grid, the button writes the file.
    const QList<ExportColumn> colonne = ExportColumns::of(luce);
    CardGrid griglia;
    const double load = timed(runs, [&] { griglia = CardGrid::load(luce, colonne); });
    check(griglia.righe() == cards, "export grid");
    const QString xls = ProgramFolder::file(luce.FileExcel());
    bool saved = false;
    const double write = timed(runs, [&] {
        saved = Spreadsheet::save(xls, [&](QIODevice& out) { return Spreadsheet::write(out, luce, colonne, griglia); });
    });
    check(saved, "export file");
    r.rows.append({QStringLiteral("export: load the grid"), load, QStringLiteral("%1 rows").arg(griglia.righe())});
    r.rows.append({QStringLiteral("export: write the .xls"), write,
        QStringLiteral("%1 MB").arg(double(QFile(xls).size()) / 1e6, 0, 'f', 1)});
    r.rows.append({QStringLiteral("export: both"), load + write, QString()});
    griglia.svuota();

    // The archive screen: from the first card to the last, photo included.
    TfrmArchivio schermo(luce);
    schermo.show();
    QApplication::processEvents();
    r.rows.append({QStringLiteral("navigation to the last card"),
        timed(
            runs,
            [&] {
                schermo.cmdUltimoClick();
                (void)schermo.grab();
            },
            [&] {
                schermo.cmdPrimoClick();
                QApplication::processEvents();
            }),
        QStringLiteral("card %1 shown").arg(cards)});

    // The windows: from the click to the list painted on screen.
    r.rows.append({QStringLiteral("search window, no filter, shown"),
        timed(runs, [&] { listed = searchWindowListing(schermo, luce, [] {}); }),
        QStringLiteral("built, searched, painted")});
    check(listed == cards, "search window");
    r.rows.append({QStringLiteral("summary window, shown"),
        timed(runs,
            [&] {
                TfrmSospesi sospesi(schermo);
                sospesi.show();
                (void)sospesi.grab();
                listed = int(sospesi.results()->lines().size());
            }),
        QStringLiteral("built, listed, painted")});
    check(listed == unpaid, "summary window");

    // Resident memory while the search window lists every card.
    // What the earlier steps freed goes back to the system first, so that the
    // figure is what is in use, not what the allocator kept for later.
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    r.baseMb = statusMb("VmRSS");
    if (resetPeak()) {
        searchWindowListing(schermo, luce, [&r] {
            r.rssMb = statusMb("VmRSS");
            r.peakMb = statusMb("VmHWM");
        });
    }
    schermo.hide();
    ProgramFolder::set(QString());
    return r;
}

// The windows that read all ten archives, over ten archives of `cards`
// cards each: the floor (reading the ten files), the list of what is due,
// the search in every archive; and the menu's strip over ten archives of
// 1,000 cards, which is counted once the menu is on screen.
struct TenResult {
    int cards = 0;
    double mb = 0;
    QList<Row> rows; // the floor first
    double stripMs = 0;
};

bool writeTen(int cards)
{
    for (const Categoria& c : Catalogo::Tutte()) {
        if (writeArchive(c, cards) < 0)
            return false;
    }
    return true;
}

TenResult measureTen(int cards, int runs)
{
    TenResult r;
    r.cards = cards;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        check(false, "temporary folder");
        return r;
    }
    ProgramFolder::set(folder.path());
    if (!writeTen(cards)) {
        check(false, "ten archives written");
        ProgramFolder::set(QString());
        return r;
    }
    qint64 bytes = 0;
    for (const Categoria& c : Catalogo::Tutte())
        bytes += QFile(ProgramFolder::file(c.FileArchivio())).size();
    r.mb = double(bytes) / 1e6;
    const double floor = timed(runs, [&] {
        qint64 read = 0;
        for (const Categoria& c : Catalogo::Tutte())
            read += readWholeFile(ProgramFolder::file(c.FileArchivio()));
        check(read == bytes, "floor read of ten");
    });
    r.rows.append({QStringLiteral("floor: read the ten files"), floor, {}});
    size_t due = 0;
    r.rows.append({QStringLiteral("due payments, listed and summed"),
        timed(runs,
            [&] {
                const DuePayments::List list = DuePayments::list();
                (void)DuePayments::total(list.rows);
                due = list.rows.size();
            }),
        QStringLiteral("%1 rows").arg(due)});
    check(due > 0, "due payments");
    size_t found = 0;
    r.rows.append({QStringLiteral("search in every archive"),
        timed(runs,
            [&] {
                const AllCardsSearch::Result result = AllCardsSearch::find(u"ricevuta");
                found = result.cards.size();
            }),
        QStringLiteral("%1 cards").arg(found)});
    check(found > 0, "search in every archive");

    // The strip at login, over ten archives of 1,000 cards.
    QTemporaryDir small;
    ProgramFolder::set(small.path());
    check(writeTen(1000), "ten small archives written");
    DuePayments::Counts counts;
    r.stripMs = timed(runs, [&] { counts = DuePayments::counts(Clock::today()); });
    check(counts.late > 0, "strip counts");
    ProgramFolder::set(QString());
    return r;
}

// The thirteen windows of the start-up, up to the login window painted.
// Closing them is not counted.
double startUpWindows()
{
    std::unique_ptr<AppWindows> windows;
    return elapsedMs([&] {
        windows = std::make_unique<AppWindows>();
        windows->start();
        QApplication::processEvents();
        (void)windows->login()->grab();
    });
}

// The spending overview over ten archives of `cards` each: the floor is
// reading the ten files; the overview reads and sums them; a year change in
// its window works on what was read and repaints.
struct SpendingResult {
    int cards = 0;
    double mb = 0;
    double floor = 0;
    double overview = 0;
    double yearChange = 0;
};

SpendingResult measureSpending(int cards, int runs)
{
    SpendingResult r;
    r.cards = cards;
    QTemporaryDir folder;
    ProgramFolder::set(folder.path());
    QStringList paths;
    for (const Categoria& c : Catalogo::Tutte()) {
        QFile f(ProgramFolder::file(c.FileArchivio()));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            check(false, "spending archives written");
            return r;
        }
        QRandomGenerator rng(2025);
        QByteArray block;
        for (int n = 1; n <= cards; ++n) {
            const Scheda bill = bolletta(rng, n);
            if (c.tipo == Tipo::TSchedaBolletta) {
                block += bill.byte();
            } else {
                Scheda s(c.tipo);
                for (const char* field : {"Numero", "DataEmi", "Modalita", "Pagatore", "CodFisc", "Prezzo", "Segnala"})
                    s.imposta(field, bill.testo(field));
                s.imposta("Attivita", bill.testo("Beneficiario"));
                s.imposta("Prodotti", bill.testo("Causale"));
                block += s.byte();
            }
            if (block.size() > (8 << 20) || n == cards) {
                check(f.write(block) == block.size(), "spending archive write");
                block.clear();
            }
        }
        paths.append(f.fileName());
        r.mb += double(f.size()) / 1e6;
    }

    r.floor = timed(runs, [&] {
        for (const QString& p : std::as_const(paths))
            check(readWholeFile(p) > 0, "spending floor read");
    });
    int years = 0;
    r.overview = timed(runs, [&] { years = int(SpendingSummary::read().years().size()); });
    check(years == std::min(cards, 25), "spending years");

    TfrmSpese window(nullptr);
    window.show();
    QApplication::processEvents();
    QComboBox* anno = window.findChild<QComboBox*>(QStringLiteral("cmbAnno"));
    int next = 0;
    r.yearChange = timed(runs, [&] {
        next = (next + 1) % anno->count();
        anno->setCurrentIndex(next);
        (void)window.grab();
    });
    window.hide();
    ProgramFolder::set(QString());
    return r;
}

// Page 1 of a one-page A4 bill (a frame and rows of text) drawn as a card's
// photo, from the file to the opaque picture. A negative time when the
// document could not be made or read.
double pdfPage(int runs)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bolletta.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(72);
        QPainter p(&writer);
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(QRectF(40, 40, 515, 120));
        for (int row = 0; row < 30; ++row)
            p.drawText(QPointF(60, 200 + row * 20),
                QStringLiteral("Fornitura di energia elettrica, riga %1: euro 12,50").arg(row + 1));
    }
    bool read = true;
    const double ms = timed(runs, [&] {
        const auto picture = PdfPage::firstPage(path);
        read = read && picture && picture->image.size() == QSize(1240, 1754);
    });
    check(read, "PDF page drawn");
    return read ? ms : -1;
}

struct ReadingResult {
    double codeAndText = -1; // QR code and PDF text of the PDF bill
    double engineLoad = -1; // the first OCR, engine loading included
    double ocr = -1; // OCR of the A4 page at 300 dpi
};

// The reading of the sample bill: its PDF as the confirmation window hands
// it over (page 1 already drawn as the card's photo), whose QR code and text
// give every field; then OCR of the page drawn at 300 dpi. A negative time
// when a result is wrong.
ReadingResult billReading(int runs)
{
    ReadingResult r;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bolletta.pdf"));
    const auto photo = SampleBill::writePdf(path) ? PdfPage::firstPage(path) : std::nullopt;
    check(photo.has_value(), "sample PDF bill drawn");
    if (!photo)
        return r;
    const std::atomic_bool cancel {false};
    const QStringList payees = {SampleBill::Data().supplier};
    bool read = true;
    r.codeAndText = timed(runs, [&] {
        const reading::BillReading b = reading::readBill({photo->image, path, payees}, cancel);
        read = read && b.values.size() == 11;
    });
    check(read, "every field of the PDF bill read");

    const QImage page = SampleBill::page();
    bool recognised = true;
    r.engineLoad = elapsedMs([&] { recognised = reading::Ocr::read(page, cancel).has_value(); });
    r.ocr = timed(runs, [&] {
        const auto text = reading::Ocr::read(page, cancel);
        recognised = recognised && text && text->contains(QStringLiteral("2025/004711"));
    });
    check(recognised, "the A4 page read by OCR");
    if (!read)
        r.codeAndText = -1;
    if (!recognised)
        r.ocr = -1;
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    // A desktop that holds every window at its design size: the times are
    // those of the windows as laid out, not drawn smaller for a small screen.
    WindowCamera::useScreens(WindowCamera::DesktopScreen);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QList<int> sizes;
    int runs = 5;
    bool startOnly = false; // for a profiler: only the start-up windows, once
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--start-up") == 0)
            startOnly = true;
        else if (qstrcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, atoi(argv[++i]));
        else if (atoi(argv[i]) > 0)
            sizes.append(atoi(argv[i]));
        else {
            std::fprintf(stderr, "usage: tessaria_bench [CARDS...] [--runs N] [--start-up]\n");
            return 2;
        }
    }
    if (sizes.isEmpty())
        sizes = {1000, 10000, 100000};
    std::sort(sizes.begin(), sizes.end());

    // The start-up windows first, while nothing is cached yet: the first
    // creation is what the user waits for.
    QTemporaryDir startFolder;
    ProgramFolder::set(startFolder.path());
    const double coldStart = startUpWindows();
    if (startOnly) {
        std::printf("the 13 start-up windows: %.1f ms\n", coldStart);
        return 0;
    }
    const double warmStart = timed(runs, [] { startUpWindows(); });
    const double pdfMs = pdfPage(runs);
    const ReadingResult bill = billReading(runs);
    ProgramFolder::set(QString());

    QList<SizeResult> results;
    for (int cards : std::as_const(sizes))
        results.append(measure(cards, runs));
    // Ten archives of 10,000 cards, or of the largest size asked for when
    // that is smaller.
    const TenResult ten = measureTen(std::min(10000, sizes.last()), runs);

    std::printf("Median of %d runs after a warm-up; x floor = time / time to read the file.\n\n", runs);
    std::printf("%-34s", "operation");
    for (const SizeResult& r : std::as_const(results))
        std::printf(" %9d cards   x floor", r.cards);
    std::printf("\n%-34s", "record file");
    for (const SizeResult& r : std::as_const(results))
        std::printf(" %12.1f MB %9s", r.mb, "");
    std::printf("\n");
    const int rowCount = results.isEmpty() ? 0 : int(results.first().rows.size());
    for (int i = 0; i < rowCount; ++i) {
        std::printf("%-34s", qPrintable(results.first().rows[i].name));
        for (const SizeResult& r : std::as_const(results)) {
            const double floor = r.rows.value(0).ms;
            const double ms = r.rows.value(i).ms;
            std::printf(" %12.1f ms %9.2f", ms, floor > 0 ? ms / floor : 0.0);
        }
        std::printf("   %s\n", qPrintable(results.last().rows.value(i).note));
    }
    std::printf("%-34s", "resident memory, every card listed");
    for (const SizeResult& r : std::as_const(results))
        std::printf(" %12.1f MB %9s", r.peakMb, "");
    if (!results.isEmpty()) {
        std::printf("   peak; %.1f MB before the search, %.1f MB after\n", results.last().baseMb, results.last().rssMb);
    }
    std::printf("\nall ten archives, %d cards each (%.1f MB)   x floor\n", ten.cards, ten.mb);
    for (const Row& row : ten.rows) {
        const double floor = ten.rows.value(0).ms;
        std::printf("%-34s %12.1f ms %9.2f   %s\n", qPrintable(row.name), row.ms, floor > 0 ? row.ms / floor : 0.0,
            qPrintable(row.note));
    }
    std::printf("%-34s %12.1f ms   after the menu is painted; at most 100 ms\n", "menu at login, ten x 1,000: strip",
        ten.stripMs);
    std::printf("\nthe 13 start-up windows: %.1f ms the first time, %.1f ms after\n", coldStart, warmStart);
    std::printf("page 1 of an A4 PDF at 150 dpi: %.1f ms\n", pdfMs);
    std::printf("reading a bill: QR code and PDF text of an A4 page: %.1f ms (at most 500 ms)\n", bill.codeAndText);
    std::printf("reading a bill: OCR of an A4 page at 300 dpi: %.1f ms (at most 3000 ms); %.1f ms the first time, "
                "the engine loaded\n",
        bill.ocr, bill.engineLoad);

    if (results.size() > 1) {
        const SizeResult& small = results.first();
        const SizeResult& large = results.last();
        const double cardsGrowth = double(large.cards) / small.cards;
        std::printf("\ngrowth from %d to %d cards (x%.0f cards):\n", small.cards, large.cards, cardsGrowth);
        for (int i = 0; i < rowCount; ++i) {
            const double a = small.rows.value(i).ms;
            const double b = large.rows.value(i).ms;
            std::printf("  %-34s x%.1f\n", qPrintable(small.rows[i].name), a > 0 ? b / a : 0.0);
        }
    }

    // The spending overview: ten archives of at most 10,000 cards each.
    const SpendingResult spending = measureSpending(std::min(sizes.last(), 10000), runs);
    std::printf("\nspending overview, ten archives of %d cards (%.1f MB):\n", spending.cards, spending.mb);
    std::printf("  %-34s %9.1f ms\n", "floor: read the ten files", spending.floor);
    std::printf("  %-34s %9.1f ms %9.2f x floor\n", "overview read and summed", spending.overview,
        spending.floor > 0 ? spending.overview / spending.floor : 0.0);
    std::printf("  %-34s %9.1f ms   nothing read again\n", "year change, window repainted", spending.yearChange);
    return right ? 0 : 1;
}
