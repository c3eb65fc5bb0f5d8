#include "household/SpendingSummary.h"

#include "household/AllArchives.h"
#include "household/BillDates.h"
#include "household/Money.h"
#include "search/ResultLine.h"
#include "search/Scan.h"

#include "archive/FieldText.h"

#include <QStringView>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// The fields a card's date is taken from, best first.
std::vector<int> dateFields(const Categoria& categoria)
{
    const Tracciato& t = Tracciato::di(categoria.tipo);
    switch (categoria.tipo) {
    case Tipo::TSchedaBolletta:
        return {t.indice("DataPag"), t.indice("DataEmi"), t.indice("DataSca")};
    case Tipo::TSchedaAcquisto:
        return {t.indice("DataEmi")};
    }
    return {};
}

// A field's trimmed text decoded into a small buffer on the stack, so that
// a whole-file scan allocates nothing per card. Date and amount fields are
// short; a longer text is no date and no amount the rules read, and is cut.
class ShortText {
public:
    ShortText(const VistaScheda& card, int field)
    {
        const FieldText::FieldBytes b = card.bytes(field);
        size_ = std::min(b.size, Room);
        FieldText::decodeInto(b.data, size_, units_);
        whole_ = b.size <= Room;
    }
    QStringView view() const { return QStringView(units_, size_); }
    bool whole() const { return whole_; }

private:
    static constexpr int Room = 32;
    char16_t units_[Room];
    int size_ = 0;
    bool whole_ = true;
};

// The first valid date of `fields`.
std::optional<QDate> firstDate(const VistaScheda& card, const std::vector<int>& fields)
{
    for (int i : fields) {
        const ShortText text(card, i);
        if (!text.whole())
            continue;
        if (const auto d = BillDates::parse(text.view()))
            return d;
    }
    return std::nullopt;
}

std::optional<qint64> amountOf(const VistaScheda& card, int field)
{
    const ShortText text(card, field);
    return text.whole() ? Money::parseCents(text.view()) : std::nullopt;
}

} // namespace

QString SpendingTable::cell(int row, int column) const
{
    const Row& r = rows.at(row);
    if (column == 0)
        return r.name;
    const qint64 c = r.cents.value(column - 1);
    return !r.readable || c == 0 ? QString() : Money::formatCents(c);
}

QString SpendingTable::plainCell(int row, int column) const
{
    const Row& r = rows.at(row);
    if (column == 0)
        return r.name;
    const qint64 c = r.cents.value(column - 1);
    return !r.readable || c == 0 ? QString() : Money::formatPlainCents(c);
}

QByteArray SpendingTable::csv() const
{
    // No cell can hold a ";", a quote or a line break: the names come from
    // the catalogue and the rest are numbers, so nothing is quoted.
    QString text(QChar(0xFEFF));
    text += header.join(QLatin1Char(';'));
    text += QLatin1String("\r\n");
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < columns(); ++c) {
            if (c > 0)
                text += QLatin1Char(';');
            text += plainCell(r, c);
        }
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

SpendingSummary SpendingSummary::read()
{
    SpendingSummary s;
    const QList<Categoria>& all = Catalogo::Tutte();
    for (int i = 0; i < all.size() && i < int(s.archives_.size()); ++i)
        s.readArchive(i, all.at(i));
    return s;
}

void SpendingSummary::readArchive(int index, const Categoria& categoria)
{
    const Tracciato& t = Tracciato::di(categoria.tipo);
    const std::vector<int> dates = dateFields(categoria);
    const int prezzo = t.indice("Prezzo");
    std::map<int, std::array<MonthSum, 12>> years;
    QList<ExcludedCard> excluded;
    std::optional<ResultLine> line; // built only when a card is left out
    const Scan::UnpaidTest unpaid(t);
    const bool ok = AllArchives::scan(categoria, [&](int n, const VistaScheda& card) {
        const std::optional<QDate> date = firstDate(card, dates);
        const std::optional<qint64> cents = amountOf(card, prezzo);
        if (!date || !cents) {
            if (!line)
                line.emplace(categoria, ListKind::Search);
            excluded.append({&categoria, n, AllArchives::fingerprint(card), (*line)(card)});
            return true;
        }
        MonthSum& m = years[date->year()][size_t(date->month() - 1)];
        m.total += *cents;
        if (unpaid(card))
            m.unpaid += *cents;
        return true;
    });
    Archive& a = archives_[size_t(index)];
    a.readable = ok;
    if (ok) {
        a.years = std::move(years);
        excluded_.append(excluded);
    }
}

std::optional<QDate> SpendingSummary::dateOf(const Categoria& categoria, const VistaScheda& card)
{
    return firstDate(card, dateFields(categoria));
}

QList<int> SpendingSummary::years() const
{
    std::set<int> all;
    for (const Archive& a : archives_)
        for (const auto& y : a.years)
            all.insert(y.first);
    return QList<int>(all.rbegin(), all.rend());
}

int SpendingSummary::openingYear(int current) const
{
    const QList<int> all = years();
    if (all.isEmpty())
        return AllYears;
    return all.contains(current) ? current : all.first();
}

MonthSum SpendingSummary::sum(int archive, int year, int month) const
{
    const Archive& a = archives_[size_t(archive)];
    const auto y = a.years.find(year);
    return y == a.years.end() ? MonthSum() : y->second[size_t(month - 1)];
}

MonthSum SpendingSummary::yearSum(int archive, int year) const
{
    MonthSum s;
    for (int m = 1; m <= 12; ++m) {
        const MonthSum one = sum(archive, year, m);
        s.total += one.total;
        s.unpaid += one.unpaid;
    }
    return s;
}

std::array<qint64, 12> SpendingSummary::monthTotals(int year) const
{
    std::array<qint64, 12> totals {};
    for (int a = 0; a < int(archives_.size()); ++a)
        for (int m = 1; m <= 12; ++m)
            totals[size_t(m - 1)] += sum(a, year, m).total;
    return totals;
}

QStringList SpendingSummary::warnings() const
{
    QStringList lines;
    const QList<Categoria>& all = Catalogo::Tutte();
    for (int i = 0; i < all.size() && i < int(archives_.size()); ++i)
        if (!archives_[size_t(i)].readable)
            lines.append(AllArchives::unreadableText(all.at(i)));
    return lines;
}

QString SpendingSummary::excludedText() const
{
    const qsizetype n = excluded_.size();
    if (n == 0)
        return {};
    if (n == 1)
        return QStringLiteral("1 scheda non inclusa: data o importo non leggibili.");
    return QStringLiteral("%1 schede non incluse: data o importo non leggibili.").arg(n);
}

SpendingTable SpendingSummary::table(int year) const
{
    SpendingTable t;
    t.header.append(QStringLiteral("Archivio"));
    const QList<int> periods = [&] {
        if (year != AllYears)
            return QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        QList<int> all = years();
        std::reverse(all.begin(), all.end());
        return all;
    }();
    for (int p : periods)
        t.header.append(year == AllYears ? QString::number(p) : monthColumn(p));
    t.header.append(QStringLiteral("Totale"));
    t.header.append(QStringLiteral("di cui da pagare"));

    const qsizetype values = periods.size() + 2;
    SpendingTable::Row totals {QStringLiteral("Totale"), QList<qint64>(values, 0), true};
    const QList<Categoria>& all = Catalogo::Tutte();
    for (int i = 0; i < all.size() && i < int(archives_.size()); ++i) {
        SpendingTable::Row row {all.at(i).Nome, QList<qint64>(values, 0), readable(i)};
        qint64 total = 0;
        qint64 unpaid = 0;
        for (int c = 0; c < periods.size(); ++c) {
            const MonthSum s = year == AllYears ? yearSum(i, periods.at(c)) : sum(i, year, periods.at(c));
            row.cents[c] = s.total;
            total += s.total;
            unpaid += s.unpaid;
        }
        row.cents[values - 2] = total;
        row.cents[values - 1] = unpaid;
        if (row.readable)
            for (qsizetype c = 0; c < values; ++c)
                totals.cents[c] += row.cents.at(c);
        t.rows.append(row);
    }
    t.rows.append(totals);
    return t;
}

QString SpendingSummary::monthName(int month)
{
    static const char* const names[] = {"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio",
        "agosto", "settembre", "ottobre", "novembre", "dicembre"};
    return QString::fromLatin1(names[month - 1]);
}

QString SpendingSummary::monthColumn(int month)
{
    static const char* const names[]
        = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu", "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};
    return QString::fromLatin1(names[month - 1]);
}
