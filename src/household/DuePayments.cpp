#include "household/DuePayments.h"

#include "archive/FieldText.h"
#include "archive/Tracciato.h"
#include "household/AllArchives.h"
#include "household/BillDates.h"
#include "household/Money.h"
#include "search/Scan.h"

#include <algorithm>
#include <limits>

namespace DuePayments {

namespace {

// The fields a row shows, resolved once per layout.
struct Fields {
    explicit Fields(const Tracciato& t)
        : dataSca(t.indice("DataSca"))
        , prezzo(t.indice("Prezzo"))
    {
        switch (t.tipo()) {
        case Tipo::TSchedaBolletta:
            beneficiario = t.indice("Beneficiario");
            causale = t.indice("Causale");
            break;
        case Tipo::TSchedaAcquisto:
            beneficiario = t.indice("Attivita");
            causale = t.indice("Prodotti");
            break;
        }
    }
    int dataSca; // -1 for purchases, which have no due date
    int prezzo;
    int beneficiario = -1;
    int causale = -1;
};

// Padded to `width`, cut when longer: one column of the printed list.
QString column(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

} // namespace

List list()
{
    List out;
    for (const Categoria& c : Catalogo::Tutte()) {
        const Tracciato& t = Tracciato::di(c.tipo);
        const Scan::UnpaidTest unpaid(t);
        const Fields f(t);
        std::vector<Row> rows;
        const bool read = AllArchives::scan(c, [&](int n, const VistaScheda& card) {
            if (!unpaid(card))
                return true;
            Row r {&c, n, AllArchives::fingerprint(card), {}, {}, {}};
            const std::array<int, Row::Texts> field {f.dataSca, f.beneficiario, f.causale, f.prezzo};
            std::array<FieldText::FieldBytes, Row::Texts> bytes {};
            qsizetype size = 0;
            for (size_t k = 0; k < field.size(); ++k) {
                if (field[k] >= 0)
                    bytes[k] = card.bytes(field[k]);
                size += bytes[k].size;
            }
            r.texts_ = QString(size, Qt::Uninitialized);
            auto* out = reinterpret_cast<char16_t*>(r.texts_.data());
            qsizetype end = 0;
            for (size_t k = 0; k < bytes.size(); ++k) {
                FieldText::decodeInto(bytes[k].data, bytes[k].size, out + end);
                end += bytes[k].size;
                r.ends_[k] = quint16(end);
            }
            if (f.dataSca >= 0)
                r.due = BillDates::parse(r.scadenza());
            rows.push_back(std::move(r));
            return true;
        });
        if (!read) {
            out.unreadable.push_back(&c);
            continue;
        }
        std::move(rows.begin(), rows.end(), std::back_inserter(out.rows));
    }
    // The scan went in catalogue and file order, which the key's second
    // half keeps among equal dates and among the undated cards. Sorting
    // small keys and moving each row once is much cheaper than sorting the
    // rows themselves, five texts each.
    struct Key {
        qint64 day; // the due date's day number; after every date when none
        size_t scanned;
    };
    std::vector<Key> keys;
    keys.reserve(out.rows.size());
    for (size_t i = 0; i < out.rows.size(); ++i) {
        const std::optional<QDate>& due = out.rows[i].due;
        keys.push_back({due ? due->toJulianDay() : std::numeric_limits<qint64>::max(), i});
    }
    std::sort(keys.begin(), keys.end(),
        [](const Key& a, const Key& b) { return a.day != b.day ? a.day < b.day : a.scanned < b.scanned; });
    std::vector<Row> sorted;
    sorted.reserve(out.rows.size());
    for (const Key& k : keys)
        sorted.push_back(std::move(out.rows[k.scanned]));
    out.rows = std::move(sorted);
    return out;
}

Total total(const std::vector<Row>& rows)
{
    Total t;
    for (const Row& r : rows) {
        if (const std::optional<qint64> cents = Money::parseCents(r.importo()))
            t.cents += *cents;
        else
            ++t.unreadable;
    }
    return t;
}

QString totalText(const Total& total)
{
    QString text = QStringLiteral("Totale da pagare: \u20AC ") + Money::formatCents(total.cents);
    if (total.unreadable == 1)
        text += QStringLiteral(" (1 importo non leggibile)");
    else if (total.unreadable > 1)
        text += QStringLiteral(" (%1 importi non leggibili)").arg(total.unreadable);
    return text;
}

Counts counts(const QDate& today)
{
    Counts out;
    for (const Categoria& c : Catalogo::Tutte()) {
        const Tracciato& t = Tracciato::di(c.tipo);
        const int dataSca = t.indice("DataSca");
        if (dataSca < 0)
            continue; // purchases have no due date, so nothing of theirs is late or near
        const Scan::UnpaidTest unpaid(t);
        Counts archive;
        const bool read = AllArchives::scan(c, [&](int, const VistaScheda& card) {
            if (!unpaid(card))
                return true;
            // A date is ten characters; anything longer is no date, and
            // only those bytes are decoded.
            const FieldText::FieldBytes bytes = card.bytes(dataSca);
            if (bytes.size != 10)
                return true;
            char16_t text[10];
            FieldText::decodeInto(bytes.data, 10, text);
            switch (BillDates::dueOf(BillDates::parse(QStringView(text, 10)), today)) {
            case BillDates::Due::Late:
                ++archive.late;
                break;
            case BillDates::Due::Near:
                ++archive.near;
                break;
            case BillDates::Due::Later:
            case BillDates::Due::Undated:
                break;
            }
            return true;
        });
        if (read) {
            out.late += archive.late;
            out.near += archive.near;
        }
    }
    return out;
}

QString stripText(const Counts& counts)
{
    QStringList parts;
    if (counts.late == 1)
        parts << QStringLiteral("1 pagamento scaduto");
    else if (counts.late > 1)
        parts << QStringLiteral("%1 pagamenti scaduti").arg(counts.late);
    if (counts.near > 0)
        parts << QStringLiteral("%1 in scadenza nei prossimi %2 giorni").arg(counts.near).arg(BillDates::NearDays);
    if (parts.isEmpty())
        return QStringLiteral("Nessun pagamento in scadenza");
    return parts.join(QStringLiteral(", "));
}

QStringList printLines(const std::vector<Row>& rows, const QDate& today)
{
    QStringList lines;
    lines.reserve(qsizetype(rows.size()));
    for (const Row& r : rows) {
        lines << column(r.categoria->Nome, 14) + QStringLiteral("  ") + column(r.scadenza().toString(), 10)
                + QStringLiteral("  ") + column(BillDates::dueText(r.due, today), 22) + QStringLiteral("  ")
                + column(r.beneficiario().toString(), 24) + QStringLiteral("  ") + column(r.causale().toString(), 30)
                + QStringLiteral("  N. ") + column(QString::number(r.n), 6) + QStringLiteral("  \u20AC ")
                + r.importo().toString();
    }
    return lines;
}

QString printTitle(const QDate& today)
{
    return QStringLiteral("Scadenze dei pagamenti al ") + today.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace DuePayments
