// tessaria_bench [cards] [runs]
//
// Builds an archive of realistic bills in a temporary program folder and
// times the whole-file work of the search screen and the unpaid summary:
// search with one filter and with none, the summary, and opening a card from
// its line, each with its list model filled and sorted; then the search
// window and the summary window from the click to the painted list. Every
// time is the median of the runs, shown beside the floor (reading the whole
// file in this process) and `grep -c` on the same file.
//
// Not a test: it prints figures. It fails only when a result is wrong.

#include "Categoria.h"
#include "Filters.h"
#include "LineModel.h"
#include "Platform.h"
#include "ResultPanel.h"
#include "Scan.h"
#include "TArchivioSchede.h"
#include "TfrmArchivio.h"
#include "TfrmSospesi.h"
#include "TfrmTrova.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
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
// bytes, one card in seven still to be paid.
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
    s.imposta("Prezzo", QStringLiteral("%1,%2").arg(rng.bounded(400)).arg(rng.bounded(100), 2, 10, QLatin1Char('0')));
    s.imposta("Segnala", n % 7 == 0 ? QStringLiteral("Sì") : QStringLiteral("No"));
    return s;
}

// The archive in one go: a store append syncs every card, which is right
// for a user's save and far too slow for 100,000 of them.
bool writeArchive(const Categoria& c, int cards)
{
    QFile f(ProgramFolder::file(c.FileArchivio()));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QRandomGenerator rng(2024);
    QByteArray block;
    for (int n = 1; n <= cards; ++n) {
        block += bolletta(rng, n).byte();
        if (block.size() > (8 << 20) || n == cards) {
            if (f.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return f.flush();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Median milliseconds of `runs` calls.
double timed(int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
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

// grep -c on the file; nullopt when there is no grep.
std::optional<double> grepCount(int runs, const QString& pattern, const QString& path, QString* count)
{
    const QString grep = QStandardPaths::findExecutable(QStringLiteral("grep"));
    if (grep.isEmpty())
        return std::nullopt;
    bool ok = true;
    const double ms = timed(runs, [&] {
        QProcess p;
        p.start(grep, {QStringLiteral("-c"), pattern, path});
        ok = p.waitForFinished(-1) && ok;
        *count = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    });
    return ok ? std::optional<double>(ms) : std::nullopt;
}

struct Row {
    QString name;
    double ms;
    QString note;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int cards = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    ProgramFolder::set(folder.path());
    const Categoria& luce = *Catalogo::PerChiave(QStringLiteral("Luce"));
    const QString path = ProgramFolder::file(luce.FileArchivio());
    if (!writeArchive(luce, cards)) {
        std::fprintf(stderr, "bench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    const qint64 bytes = QFile(path).size();
    std::printf("%d cards, %.1f MB, median of %d runs\n", cards, double(bytes) / 1e6, runs);

    bool right = true;
    auto check = [&right](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "bench: wrong result: %s\n", what);
            right = false;
        }
    };

    QList<Row> rows;
    const QString filtro = QStringLiteral("Rossi");
    const double floor = timed(runs, [&] { check(readWholeFile(path) == bytes, "floor read"); });
    rows.append({QStringLiteral("floor: read the file"), floor, {}});
    QString grepHits;
    const std::optional<double> grep = grepCount(runs, filtro, path, &grepHits);

    // The scans as the windows run them, with the list model filled and
    // sorted.
    QStringList texts(10);
    texts[6] = filtro; // Pagatore
    int listed = 0;
    rows.append({QStringLiteral("search, one filter"),
        timed(runs,
            [&] {
                const FilterSet filters(luce, texts);
                LineModel model;
                model.setLines(Scan::searchLines(luce, filters, filters.filled()));
                listed = model.rowCount();
            }),
        QStringLiteral("%1 lines").arg(listed)});
    check(listed > 0 && listed < cards, "one filter");
    QString chosen;
    rows.append({QStringLiteral("search, no filter"),
        timed(runs,
            [&] {
                const FilterSet filters(luce, QStringList(10));
                LineModel model;
                model.setLines(Scan::searchLines(luce, filters, filters.filled()));
                listed = model.rowCount();
                chosen = model.lines().at(listed / 2);
            }),
        QStringLiteral("%1 lines").arg(listed)});
    check(listed == cards, "no filter");
    rows.append({QStringLiteral("unpaid summary"),
        timed(runs,
            [&] {
                LineModel model;
                model.setLines(Scan::unpaidLines(luce));
                listed = model.rowCount();
            }),
        QStringLiteral("%1 lines").arg(listed)});
    check(listed == cards / 7, "summary");
    int found = 0;
    rows.append({QStringLiteral("open a card from its line"),
        timed(runs, [&] { found = Scan::cardOfLine(luce, ListKind::Search, chosen).n; }),
        QStringLiteral("card %1").arg(found)});
    check(found > 0, "open a card");

    // The windows: from the click to the list painted on screen.
    TfrmArchivio schermo(luce);
    rows.append({QStringLiteral("search window, no filter, shown"),
        timed(runs,
            [&] {
                TfrmTrova trova(schermo);
                trova.ImpostaTag(luce.Sigla);
                trova.show();
                QApplication::processEvents();
                trova.btnCercaClick();
                (void)trova.grab();
                listed = int(trova.results()->lines().size());
            }),
        QStringLiteral("window built, searched, painted")});
    check(listed == cards, "search window");
    rows.append({QStringLiteral("summary window, shown"),
        timed(runs,
            [&] {
                TfrmSospesi sospesi(schermo);
                sospesi.show();
                (void)sospesi.grab();
                listed = int(sospesi.results()->lines().size());
            }),
        QStringLiteral("window built, listed, painted")});
    check(listed == cards / 7, "summary window");

    std::printf("%-34s %10s %9s %9s  %s\n", "", "ms", "x floor", "x grep", "");
    if (grep)
        std::printf("%-34s %10.1f %9.2f %9.2f  %s\n", "grep -c Rossi", *grep, *grep / floor, 1.0,
            qPrintable(grepHits + QStringLiteral(" matches")));
    for (const Row& r : std::as_const(rows)) {
        std::printf("%-34s %10.1f %9.2f %9s  %s\n", qPrintable(r.name), r.ms, r.ms / floor,
            grep ? qPrintable(QString::number(r.ms / *grep, 'f', 2)) : "n/a", qPrintable(r.note));
    }
    ProgramFolder::set(QString());
    return right ? 0 : 1;
}
