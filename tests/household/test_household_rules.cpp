#include "TestSupport.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "household/AllArchives.h"
#include "household/BillDates.h"
#include "household/Money.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <optional>

Q_DECLARE_METATYPE(std::optional<qint64>)
Q_DECLARE_METATYPE(BillDates::Due)

namespace {

std::optional<qint64> none()
{
    return std::nullopt;
}

Scheda card(const Categoria& c, const QString& numero)
{
    Scheda s(c.tipo);
    s.imposta("Numero", numero);
    return s;
}

void write(const Categoria& c, const QList<Scheda>& cards)
{
    TArchivioSchede a(c);
    a.Apri(TArchivioSchede::Accesso::Scrittura);
    for (const Scheda& s : cards)
        a.Aggiungi(s);
}

} // namespace

// The rules shared by the windows that look across all archives: how an
// amount is read, how a due date stands, and reading without writing.
class TestHouseholdRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint64>>("cents");
        const struct {
            const char* text;
            std::optional<qint64> cents;
        } cases[] = {
            {"1234,50", 123450},
            {"1234,5", 123450},
            {"1234", 123400},
            {"0,00", 0},
            {"1.234,50", 123450},
            {"1.234", 123400},
            {"1.234.567,89", 123456789},
            {"12.50", 1250},
            {"12.5", 1250},
            {"€ 12,50", 1250},
            {"€12,50", 1250},
            {"12,50 €", 1250},
            {"12,50€", 1250},
            {"EUR 12,50", 1250},
            {"12,50 EUR", 1250},
            {"12,50eur", 1250},
            {"  7,00  ", 700},
            {"-12,50", -1250},
            {"- € 12,50", -1250},
            {"€ -12,50", -1250},
            {"", none()},
            {"   ", none()},
            {"1,2,3", none()},
            {"circa 30", none()},
            {"12,345", none()},
            {"12.345.6", none()},
            {"1.23,00", none()},
            {"12,", none()},
            {",50", none()},
            {"12.", none()},
            {"€", none()},
            {"--12", none()},
            {"12 50", none()},
            {"1,234.56", none()},
            {"99999999999999999,00", none()},
        };
        for (const auto& c : cases)
            QTest::newRow(c.text) << QString::fromUtf8(c.text) << c.cents;
    }

    void amounts()
    {
        QFETCH(QString, text);
        QTEST(Money::parseCents(text), "cents");
    }

    void formats()
    {
        const struct {
            qint64 cents;
            const char* shown;
            const char* plain;
        } cases[] = {
            {0, "0,00", "0,00"},
            {5, "0,05", "0,05"},
            {419354, "4.193,54", "4193,54"},
            {100000, "1.000,00", "1000,00"},
            {99999, "999,99", "999,99"},
            {123456789, "1.234.567,89", "1234567,89"},
            {-1250, "-12,50", "-12,50"},
            {-123456, "-1.234,56", "-1234,56"},
        };
        for (const auto& c : cases) {
            QCOMPARE(Money::formatCents(c.cents), QString::fromUtf8(c.shown));
            QCOMPARE(Money::formatPlainCents(c.cents), QString::fromUtf8(c.plain));
        }
        // The sum of many amounts stays exact in cents, where 0,10 added a
        // thousand times in floating point does not come to 100,00.
        qint64 sum = 0;
        for (int i = 0; i < 1000; ++i)
            sum += *Money::parseCents(u"0,10");
        QCOMPARE(Money::formatCents(sum), QStringLiteral("100,00"));
    }

    void dueDates_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("due");
        QTest::addColumn<BillDates::Due>("state");
        QTest::addColumn<QString>("text");
        using D = BillDates::Due;
        const QDate today(2026, 3, 10);
        QTest::newRow("long ago") << today << "01/01/2026" << D::Late << "Scaduta da 68 giorni";
        QTest::newRow("yesterday") << today << "09/03/2026" << D::Late << "Scaduta da 1 giorno";
        QTest::newRow("today") << today << "10/03/2026" << D::Near << "Scade oggi";
        QTest::newRow("tomorrow") << today << "11/03/2026" << D::Near << "Scade domani";
        QTest::newRow("in 15 days") << today << "25/03/2026" << D::Near << "Scade tra 15 giorni";
        QTest::newRow("in 16 days") << today << "26/03/2026" << D::Later << "Scade tra 16 giorni";
        QTest::newRow("blanks around") << today << " 11/03/2026 " << D::Near << "Scade domani";
        QTest::newRow("29/02, leap year") << QDate(2024, 2, 28) << "29/02/2024" << D::Near << "Scade domani";
        QTest::newRow("29/02, common year") << QDate(2026, 2, 28) << "29/02/2026" << D::Undated << "Senza scadenza";
        QTest::newRow("31/02") << today << "31/02/2024" << D::Undated << "Senza scadenza";
        QTest::newRow("empty") << today << "" << D::Undated << "Senza scadenza";
        QTest::newRow("no slashes") << today << "10032026" << D::Undated << "Senza scadenza";
        QTest::newRow("short year") << today << "10/03/26" << D::Undated << "Senza scadenza";
        QTest::newRow("letters") << today << "1O/03/2026" << D::Undated << "Senza scadenza";
        QTest::newRow("month 13") << today << "10/13/2026" << D::Undated << "Senza scadenza";
        QTest::newRow("across a year") << QDate(2026, 12, 31) << "01/01/2027" << D::Near << "Scade domani";
    }

    void dueDates()
    {
        QFETCH(QDate, today);
        QFETCH(QString, due);
        const std::optional<QDate> d = BillDates::parse(due);
        QTEST(BillDates::dueOf(d, today), "state");
        QTEST(BillDates::dueText(d, today), "text");
    }

    // A missing archive is empty and stays missing; one that cannot be read
    // is told apart; a card read again is recognised, or not once changed.
    void readingOnly()
    {
        TempProgramFolder folder;
        const Categoria& luce = Catalogo::PerId(CategoryId::Luce);
        const Categoria& gas = Catalogo::PerId(CategoryId::Gas);
        const Categoria& acqua = Catalogo::PerId(CategoryId::Acqua);
        write(luce, {card(luce, QStringLiteral("L1")), card(luce, QStringLiteral("L2"))});
        QVERIFY(QDir(folder.path()).mkdir(gas.FileArchivio()));

        QStringList seen;
        quint64 second = 0;
        QVERIFY(AllArchives::scan(luce, [&](int n, const VistaScheda& v) {
            seen << v.testo("Numero");
            if (n == 2)
                second = AllArchives::fingerprint(v);
            return true;
        }));
        QCOMPARE(seen, QStringList({QStringLiteral("L1"), QStringLiteral("L2")}));

        QVERIFY(!AllArchives::scan(gas, [](int, const VistaScheda&) { return true; }));
        QCOMPARE(AllArchives::unreadableText(gas), QStringLiteral("Non è stato possibile leggere l'archivio Gas."));

        QVERIFY(AllArchives::scan(acqua, [](int, const VistaScheda&) { return true; }));
        QVERIFY(!QFile::exists(folder.file(acqua.FileArchivio())));

        const std::optional<Scheda> again = AllArchives::cardIfUnchanged(luce, 2, second);
        QVERIFY(again);
        QCOMPARE(again->testo("Numero"), QStringLiteral("L2"));
        QVERIFY(!AllArchives::cardIfUnchanged(luce, 1, second));
        QVERIFY(!AllArchives::cardIfUnchanged(luce, 3, second));
        QVERIFY(!AllArchives::cardIfUnchanged(acqua, 1, second));
        {
            TArchivioSchede a(luce);
            a.Apri();
            a.Riscrivi(2, card(luce, QStringLiteral("L2 changed")));
        }
        QVERIFY(!AllArchives::cardIfUnchanged(luce, 2, second));
    }

    void unreadableFile()
    {
        if (::geteuid() == 0)
            QSKIP("root reads a file whatever its permissions");
        TempProgramFolder folder;
        const Categoria& luce = Catalogo::PerId(CategoryId::Luce);
        write(luce, {card(luce, QStringLiteral("L1"))});
        QFile f(folder.file(luce.FileArchivio()));
        QVERIFY(f.setPermissions(QFileDevice::WriteOwner));
        QVERIFY(!AllArchives::scan(luce, [](int, const VistaScheda&) { return true; }));
        QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
};

TESSARIA_TEST_MAIN(TestHouseholdRules)
#include "test_household_rules.moc"
