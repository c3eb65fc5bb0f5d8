#pragma once

#include "archive/Categoria.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// What is still to be paid in all ten archives: every card whose "Da pagare"
// mark is "Sì", with how its due date stands, in the order the due-payments
// window lists them. Reads the archives for reading only.
namespace DuePayments {

struct Row {
    const Categoria* categoria; // one of Catalogo::Tutte()
    int n; // the card's position in its archive
    quint64 print; // AllArchives::fingerprint of the card as listed
    std::optional<QDate> due; // the due date, when it is a valid one

    // The card's texts as stored, trimmed.
    QStringView scadenza() const { return text(Scadenza); } // "DataSca"; empty for purchases
    QStringView beneficiario() const { return text(Beneficiario); } // "Beneficiario", or "Attivita" for purchases
    QStringView causale() const { return text(Causale); } // "Causale", or "Prodotti" for purchases
    QStringView importo() const { return text(Importo); } // "Prezzo"

    enum Text { Scadenza, Beneficiario, Causale, Importo, Texts };
    // The four texts one after the other, ends_[k] where text k ends: one
    // string a row rather than four, since a list can hold every card of
    // ten large archives.
    QString texts_;
    std::array<quint16, Texts> ends_ {};

private:
    QStringView text(Text k) const
    {
        const qsizetype start = k == 0 ? 0 : ends_[size_t(k) - 1];
        return QStringView(texts_).mid(start, ends_[size_t(k)] - start);
    }
};

struct List {
    std::vector<Row> rows;
    // The archives that exist but could not be read, in catalogue order.
    std::vector<const Categoria*> unreadable;
};

// Every unpaid card of the ten archives: first those with a valid due date,
// the oldest first (then by archive in catalogue order, then by position),
// then those without one, by archive and position.
List list();

// The sum of the rows' amounts, in cents, and how many could not be read.
struct Total {
    qint64 cents = 0;
    int unreadable = 0;
};
Total total(const std::vector<Row>& rows);
// "Totale da pagare: € 4.193,54 (2 importi non leggibili)".
QString totalText(const Total& total);

// How many unpaid cards are late and how many are due within
// BillDates::NearDays, for the menu's strip: a scan that decodes only the
// "Da pagare" mark and the due date. An archive that cannot be read counts
// nothing.
struct Counts {
    int late = 0;
    int near = 0;
};
Counts counts(const QDate& today);
// "2 pagamenti scaduti, 3 in scadenza nei prossimi 15 giorni",
// "Nessun pagamento in scadenza".
QString stripText(const Counts& counts);

// The printed list: one fixed-width line per row, as the list report prints
// in a monospaced font.
QStringList printLines(const std::vector<Row>& rows, const QDate& today);
// "Scadenze dei pagamenti al 05/03/2024".
QString printTitle(const QDate& today);

} // namespace DuePayments
