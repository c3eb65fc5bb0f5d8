#include "reading/BillText.h"
#include "reading/PagoPa.h"

#include <QTest>

#include <optional>

using reading::BillField;
namespace BillText = reading::BillText;
namespace PagoPa = reading::PagoPa;

Q_DECLARE_METATYPE(reading::BillField)

namespace {

// The rule of one field on a whole text; an empty text for none.
QString ruleOf(BillField field, const QString& text)
{
    const QStringList payees = {QStringLiteral("Energia Chiara"), QStringLiteral("Acqua Serena"), QStringLiteral("Gas"),
        QStringLiteral("Acqua Serena Servizi")};
    std::optional<QString> value;
    switch (field) {
    case BillField::Amount:
        value = BillText::amount(text);
        break;
    case BillField::DueDate:
        value = BillText::dueDate(text);
        break;
    case BillField::IssueDate:
        value = BillText::issueDate(text);
        break;
    case BillField::Number:
        value = BillText::number(text);
        break;
    case BillField::Period:
        value = BillText::period(text);
        break;
    case BillField::CustomerCode:
        value = BillText::customerCode(text);
        break;
    case BillField::Iban:
        value = BillText::iban(text);
        break;
    case BillField::PayerCode:
        value = BillText::payerCode(text, QStringLiteral("01234567897"));
        break;
    case BillField::Payee:
        value = BillText::payee(text, payees);
        break;
    case BillField::NoticeCode:
    case BillField::CreditorCode:
        break;
    }
    return value.value_or(QString());
}

} // namespace

// The rules that find a bill's data in its text, on Italian phrasings: what
// they must find, and where they must offer nothing rather than guess.
class TestBillText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<BillField>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const struct {
            const char* name;
            BillField field;
            const char* text;
            const char* expected;
        } cases[] = {
            // The amount to pay.
            {"totale da pagare", BillField::Amount, "Totale da pagare € 158,30", "158,30"},
            {"importo", BillField::Amount, "Importo: 158,30 euro", "158,30"},
            {"TOTALE EUR", BillField::Amount, "TOTALE EUR 158,30", "158,30"},
            {"euro sign alone", BillField::Amount, "Vi ricordiamo il pagamento di € 158,30 entro", "158,30"},
            {"thousands point", BillField::Amount, "Totale da pagare € 1.234,56", "1234,56"},
            {"total beats other amounts", BillField::Amount,
                "Quota fissa € 12,00\nConsumi € 146,30\nTotale da pagare € 158,30", "158,30"},
            {"two euro amounts, no label", BillField::Amount, "Quota fissa € 12,00\nConsumi € 146,30", ""},
            {"two different totals", BillField::Amount, "Totale bolletta 158,30\nTotale da pagare 160,00", ""},
            {"taxable total is not the total", BillField::Amount, "Totale imponibile 120,00", ""},
            {"no decimals", BillField::Amount, "Totale da pagare 158", ""},
            {"bad thousands groups", BillField::Amount, "Totale da pagare 1.23,45", ""},
            {"zero", BillField::Amount, "Totale da pagare 0,00", ""},
            {"piece of a longer number", BillField::Amount, "Importo 12,345", ""},
            // Dates.
            {"scadenza", BillField::DueDate, "Scadenza: 31/03/2025", "31/03/2025"},
            {"da pagare entro il", BillField::DueDate, "Da pagare entro il 31-03-2025", "31/03/2025"},
            {"entro il, written month", BillField::DueDate, "Pagare entro il 31 marzo 2025", "31/03/2025"},
            {"dotted, one-digit day", BillField::DueDate, "Scadenza 5.3.2025", "05/03/2025"},
            {"two-digit year", BillField::DueDate, "Scadenza 05/03/25", "05/03/2025"},
            {"date on the next line", BillField::DueDate, "Scadenza:\n31/03/2025", "31/03/2025"},
            {"next line after a blank one", BillField::DueDate, "Scadenza:\r\n\r\n31/03/2025", "31/03/2025"},
            {"impossible date", BillField::DueDate, "Scadenza 31/02/2025", ""},
            {"mixed separators", BillField::DueDate, "Scadenza 31/03-2025", ""},
            {"date far from the label", BillField::DueDate,
                "Scadenza della fornitura indicata nel contratto 31/03/2025", ""},
            {"two different due dates", BillField::DueDate, "Scadenza 31/03/2025\nentro il 15/04/2025", ""},
            {"data emissione", BillField::IssueDate, "Data emissione 15/03/2025", "15/03/2025"},
            {"emessa il", BillField::IssueDate, "Bolletta emessa il 1 marzo 2025", "01/03/2025"},
            {"emission and due on one line", BillField::IssueDate, "Data di emissione 15/03/2025 Scadenza 31/03/2025",
                "15/03/2025"},
            {"due on the emission's line", BillField::DueDate, "Data di emissione 15/03/2025 Scadenza 31/03/2025",
                "31/03/2025"},
            // The number.
            {"bolletta n.", BillField::Number, "Bolletta n. 123456 del 15/03/2025", "123456"},
            {"fattura n.", BillField::Number, "Fattura n. 2025/004711", "2025/004711"},
            {"numero fattura", BillField::Number, "Numero fattura: A-2025-77.", "A-2025-77"},
            {"fattura nr", BillField::Number, "FATTURA NR 9981", "9981"},
            {"a word is no number", BillField::Number, "Fattura n. elettronica", ""},
            // The period.
            {"periodo with a dash", BillField::Period, "Periodo 01/01/2025 - 28/02/2025", "01/01/2025 - 28/02/2025"},
            {"periodo dal al", BillField::Period, "Periodo di fatturazione: dal 1/1/2025 al 28/2/2025",
                "01/01/2025 - 28/02/2025"},
            {"dal al without a label", BillField::Period, "Consumi dal 01/01/2025 al 28/02/2025",
                "01/01/2025 - 28/02/2025"},
            {"written months", BillField::Period, "Periodo dal 1 gennaio 2025 al 28 febbraio 2025",
                "01/01/2025 - 28/02/2025"},
            {"end before start", BillField::Period, "Periodo 28/02/2025 - 01/01/2025", ""},
            {"longer than a year", BillField::Period, "Periodo 01/01/2023 - 28/02/2025", ""},
            // The customer code.
            {"codice cliente", BillField::CustomerCode, "Codice cliente: 88012345", "88012345"},
            {"cod. cliente", BillField::CustomerCode, "Cod. cliente IT001E12345678", "IT001E12345678"},
            {"label without a code", BillField::CustomerCode, "Codice cliente riservato", ""},
            // The IBAN.
            {"iban in groups", BillField::Iban, "IBAN: IT60 X054 2811 1010 0000 0123 456",
                "IT60X0542811101000000123456"},
            {"iban compact, small letters", BillField::Iban, "iban it60x0542811101000000123456",
                "IT60X0542811101000000123456"},
            {"iban with a wrong digit", BillField::Iban, "IBAN IT60 X054 2811 1010 0000 0123 457", ""},
            {"iban too short", BillField::Iban, "IBAN IT60 X054 2811 1010 0000 0123 45", ""},
            {"iban running into a word", BillField::Iban, "IBAN IT60X0542811101000000123456BIC", ""},
            {"german iban", BillField::Iban, "IBAN DE89 3704 0044 0532 0130 00", "DE89370400440532013000"},
            {"two different ibans", BillField::Iban, "IBAN IT60X0542811101000000123456\nIBAN DE89370400440532013000",
                ""},
            // The payer's code.
            {"codice fiscale", BillField::PayerCode, "Codice fiscale RSSMRA80A01H501U", "RSSMRA80A01H501U"},
            {"codice fiscale failing its check", BillField::PayerCode, "Codice fiscale RSSMRA80A01H501V", ""},
            {"customer's partita iva", BillField::PayerCode, "Partita IVA cliente 00743110157", "00743110157"},
            {"partita iva failing its check", BillField::PayerCode, "Partita IVA cliente 00743110158", ""},
            {"supplier's partita iva", BillField::PayerCode, "Energia Chiara S.p.A. - P.IVA 00743110157", ""},
            {"creditor's code is not the payer's", BillField::PayerCode, "Codice fiscale cliente 01234567897", ""},
            // The payee.
            {"known payee", BillField::Payee, "ENERGIA CHIARA S.p.A.", "Energia Chiara"},
            {"payee across a line break", BillField::Payee, "Energia\nChiara", "Energia Chiara"},
            {"longer payee wins", BillField::Payee, "Acqua Serena Servizi S.r.l.", "Acqua Serena Servizi"},
            {"only whole words", BillField::Payee, "Gasolio da riscaldamento", ""},
            {"two payees", BillField::Payee, "Energia Chiara per conto di Acqua Serena", ""},
        };
        for (const auto& c : cases)
            QTest::newRow(c.name) << c.field << QString::fromUtf8(c.text) << QString::fromUtf8(c.expected);
    }
    void rules()
    {
        QFETCH(BillField, field);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ruleOf(field, text), expected);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("slashes") << "31/03/2024" << QDate(2024, 3, 31);
        QTest::newRow("dashes") << "31-03-2024" << QDate(2024, 3, 31);
        QTest::newRow("points") << "31.03.2024" << QDate(2024, 3, 31);
        QTest::newRow("one digit, short year") << "1/3/24" << QDate(2024, 3, 1);
        QTest::newRow("written month") << "31 Marzo 2024" << QDate(2024, 3, 31);
        QTest::newRow("leap day") << "29/02/2024" << QDate(2024, 2, 29);
        QTest::newRow("no leap day") << "29/02/2025" << QDate();
        QTest::newRow("month 13") << "01/13/2024" << QDate();
        QTest::newRow("three-digit year") << "01/03/202" << QDate();
        QTest::newRow("unknown month") << "31 marzio 2024" << QDate();
        QTest::newRow("more than a date") << "31/03/2024 ore 12" << QDate();
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(BillText::date(text).value_or(QDate()), expected);
    }

    void pagoPa_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("cents");
        QTest::newRow("a notice") << "PAGOPA|002|301000000012345678|01234567897|15830" << true << qint64(15830);
        QTest::newRow("blanks around") << " PAGOPA|002|301000000012345678|01234567897|15830\r\n"
                                       << true << qint64(15830);
        QTest::newRow("leading zeros") << "PAGOPA|002|301000000012345678|01234567897|0000000150" << true << qint64(150);
        QTest::newRow("largest amount") << "PAGOPA|002|301000000012345678|01234567897|99999999" << true
                                        << qint64(99999999);
        QTest::newRow("amount too large")
            << "PAGOPA|002|301000000012345678|01234567897|100000000" << false << qint64(0);
        QTest::newRow("zero amount") << "PAGOPA|002|301000000012345678|01234567897|0" << false << qint64(0);
        QTest::newRow("no amount") << "PAGOPA|002|301000000012345678|01234567897|" << false << qint64(0);
        QTest::newRow("a sixth field") << "PAGOPA|002|301000000012345678|01234567897|15830|" << false << qint64(0);
        QTest::newRow("four fields") << "PAGOPA|002|301000000012345678|01234567897" << false << qint64(0);
        QTest::newRow("another version") << "PAGOPA|001|301000000012345678|01234567897|15830" << false << qint64(0);
        QTest::newRow("small letters") << "pagopa|002|301000000012345678|01234567897|15830" << false << qint64(0);
        QTest::newRow("notice of 17 digits") << "PAGOPA|002|30100000001234567|01234567897|15830" << false << qint64(0);
        QTest::newRow("creditor of 12 digits")
            << "PAGOPA|002|301000000012345678|012345678970|15830" << false << qint64(0);
        QTest::newRow("blank inside") << "PAGOPA|002|301000000012345678| 1234567897|15830" << false << qint64(0);
        QTest::newRow("decimal amount") << "PAGOPA|002|301000000012345678|01234567897|158,30" << false << qint64(0);
        QTest::newRow("wide digits") << QString::fromUtf8("PAGOPA|002|301000000012345678|01234567897|１５８３０")
                                     << false << qint64(0);
    }
    void pagoPa()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, cents);
        const auto notice = PagoPa::parse(text);
        QCOMPARE(notice.has_value(), valid);
        if (notice) {
            QCOMPARE(notice->noticeCode, QStringLiteral("301000000012345678"));
            QCOMPARE(notice->creditorCode, QStringLiteral("01234567897"));
            QCOMPARE(notice->cents, cents);
        }
    }

    // A whole bill's text: every field once, in the order of the fields.
    void wholeText()
    {
        const QString text = QStringLiteral("Energia Chiara S.p.A. - P.IVA 01234567897\n"
                                            "Fattura n. 2025/004711\nData emissione 15/03/2025\n"
                                            "Periodo dal 01/01/2025 al 28/02/2025\nCodice cliente 88012345\n"
                                            "Codice fiscale RSSMRA80A01H501U\n"
                                            "IBAN IT60 X054 2811 1010 0000 0123 456\n"
                                            "Totale da pagare € 158,30\nScadenza 31/03/2025\n");
        const QVector<BillText::Found> found
            = BillText::read(text, {QStringLiteral("Energia Chiara")}, QStringLiteral("01234567897"));
        const QVector<QPair<BillField, QString>> expected = {
            {BillField::Amount, "158,30"},
            {BillField::DueDate, "31/03/2025"},
            {BillField::IssueDate, "15/03/2025"},
            {BillField::Number, "2025/004711"},
            {BillField::Period, "01/01/2025 - 28/02/2025"},
            {BillField::CustomerCode, "88012345"},
            {BillField::Iban, "IT60X0542811101000000123456"},
            {BillField::PayerCode, "RSSMRA80A01H501U"},
            {BillField::Payee, "Energia Chiara"},
        };
        QCOMPARE(found.size(), expected.size());
        for (int i = 0; i < found.size(); ++i) {
            QCOMPARE(found[i].field, expected[i].first);
            QCOMPARE(found[i].value, expected[i].second);
        }
    }
};

QTEST_GUILESS_MAIN(TestBillText)
#include "test_bill_text.moc"
