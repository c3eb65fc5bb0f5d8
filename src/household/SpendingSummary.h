#pragma once

#include "archive/Categoria.h"
#include "archive/Tracciato.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>

// A card the overview could not sum: no valid date, or an amount that is not
// a number. Kept with its fingerprint so that opening it later can tell
// whether another workstation changed it meanwhile.
struct ExcludedCard {
    const Categoria* categoria; // one of Catalogo::Tutte()
    int n;
    quint64 print;
    QString line; // the card's result line, as the search screen shows it
};

// What one archive spent in one month, in cents: everything, and the part
// still marked to be paid.
struct MonthSum {
    qint64 total = 0;
    qint64 unpaid = 0;
};

// The overview's table for one year (or every year): a first column with the
// archive's name, one column per month (or per year), the row's total and
// its part still to be paid; one row per archive in catalogue order, then
// the totals.
struct SpendingTable {
    QStringList header; // "Archivio", "Gen" ... "Dic" (or the years), "Totale", "di cui da pagare"
    struct Row {
        QString name;
        QList<qint64> cents; // one per column after the first
        bool readable = true; // an archive that could not be read keeps an empty row
    };
    QList<Row> rows;

    int columns() const { return int(header.size()); }
    // The text of a cell as the window shows it: "1.234,50", empty when zero
    // or when the row's archive could not be read. Column 0 is the name.
    QString cell(int row, int column) const;
    // The same with no thousands point, as a spreadsheet reads a number.
    QString plainCell(int row, int column) const;
    // The table as a CSV file an Italian spreadsheet opens as it is: a
    // byte-order mark, ";" between cells, CR LF after every row, the header
    // row first.
    QByteArray csv() const;
};

// What the household spent, per archive and month, read from the ten
// archives once; every year's table is then built from what was read.
class SpendingSummary {
public:
    // The selector's "every year" choice.
    static constexpr int AllYears = 0;

    // Reads the ten archives (read-only; a missing one is empty).
    static SpendingSummary read();

    // The date a card is counted on: its payment date when valid, else its
    // issue date, else its due date; purchases have only the issue date.
    static std::optional<QDate> dateOf(const Categoria& categoria, const VistaScheda& card);

    // Every year that has at least one summed card, newest first.
    QList<int> years() const;
    // The year the window opens on: `current` when it has cards, else the
    // newest; AllYears when nothing was summed.
    int openingYear(int current) const;

    // Catalogue index of the archive (0 for Luce ... 9 for Varie).
    bool readable(int archive) const { return archives_[size_t(archive)].readable; }
    MonthSum sum(int archive, int year, int month) const;
    MonthSum yearSum(int archive, int year) const;
    // The twelve monthly totals of every readable archive together.
    std::array<qint64, 12> monthTotals(int year) const;

    // The lines naming the archives that could not be read, in catalogue order.
    QStringList warnings() const;
    const QList<ExcludedCard>& excluded() const { return excluded_; }
    // "1 scheda non inclusa: data o importo non leggibili.", or the plural;
    // empty when every card was summed.
    QString excludedText() const;

    SpendingTable table(int year) const;

    // Month names for texts: "marzo"; and the columns' "Mar". 1 to 12.
    static QString monthName(int month);
    static QString monthColumn(int month);

private:
    struct Archive {
        bool readable = true;
        std::map<int, std::array<MonthSum, 12>> years;
    };
    void readArchive(int index, const Categoria& categoria);

    std::array<Archive, 10> archives_ {};
    QList<ExcludedCard> excluded_;
};
