#include "ReportSamples.h"
#include "TestSupport.h"
#include "report/CardReport.h"

#include <QFontMetricsF>

using namespace Reports;

namespace {

bool sameBox(const QRectF& a, const QRectF& b)
{
    return qAbs(a.left() - b.left()) < 1e-9 && qAbs(a.top() - b.top()) < 1e-9 && qAbs(a.width() - b.width()) < 1e-9
        && qAbs(a.height() - b.height()) < 1e-9;
}

QString mmText(const QRectF& r)
{
    return QStringLiteral("%1, %2, %3, %4 mm")
        .arg(toMm(r.left()))
        .arg(toMm(r.top()))
        .arg(toMm(r.width()))
        .arg(toMm(r.height()));
}

const PlacedItem& item(const Report& r, const QString& name)
{
    static const PlacedItem none;
    const PlacedItem* found = r.pages().isEmpty() ? nullptr : r.pages().at(0).find(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("nothing placed as ") + name), __FILE__, __LINE__);
    return found ? *found : none;
}

// Items live in their report: keep the report while the item is used.
const PlacedItem& item(const Report&& r, const QString& name) = delete;

const QStringList kCategories = {QStringLiteral("Luce"), QStringLiteral("Gas"), QStringLiteral("Acqua"),
    QStringLiteral("Rifiuti"), QStringLiteral("Telefono"), QStringLiteral("Automezzi"), QStringLiteral("Condominio"),
    QStringLiteral("Acquisti"), QStringLiteral("Tasse"), QStringLiteral("Varie")};

Reports::CardData sampleFor(const QString& category)
{
    return category == QLatin1String("Acquisti") ? samples::purchaseCard() : samples::billCard(category);
}

} // namespace

class TestReportCard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::pin(samples::printMoment()); }
    void cleanup() { Clock::pin(QDateTime()); }

    void boxesSitAtTheirMillimetres_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QRectF>("mm");
        auto row = [](const char* category, const char* object, double l, double t, double w, double h) {
            QTest::addRow("%s %s", category, object)
                << QString::fromLatin1(category) << QString::fromLatin1(object) << QRectF(l, t, w, h);
        };
        for (const char* c : {"Rifiuti", "Acquisti"}) {
            row(c, "shpNumFatt", 1, 1, 188, 10);
            row(c, "txtNumero", 3, 3, 184, 6);
            row(c, "imgLogo", 1, 14, 188, 112);
            row(c, "Shape10", 49, 131, 92, 8);
            row(c, "titImporto", 68, 133, 21, 5);
            row(c, "imgEuro", 91, 133, 5, 5);
            row(c, "txtPrezzo", 98, 133, 41, 5);
            row(c, "Shape15", 1, 257, 188, 6);
            row(c, "titRaccomandazioni", 2, 258, 186, 4);
            row(c, "Shape16", 1, 263, 188, 6);
            row(c, "txtNote", 2, 264, 186, 4);
            row(c, "Shape23", 1, 270, 188, 6);
            row(c, "txtCalce", 2, 271, 186, 4);
            // Field frames: a caption at the row's top, the 6 mm frame below it.
            row(c, "Memo7", 2, 145, 90, 4);
            row(c, "shpDataEmi", 1, 150, 92, 6);
            row(c, "Memo11", 98, 243, 90, 4);
            row(c, "shpCodCliente", 97, 248, 92, 6);
            row(c, "shpPagatore", 1, 234, 188, 6);
        }
        row("Rifiuti", "shpDataSca", 97, 150, 92, 6);
        row("Rifiuti", "shpCausale", 1, 206, 188, 6);
        row("Acquisti", "shpTel", 97, 150, 92, 6);
        row("Acquisti", "shpProdotti", 1, 206, 188, 6);
    }

    void boxesSitAtTheirMillimetres()
    {
        QFETCH(QString, category);
        QFETCH(QString, object);
        QFETCH(QRectF, mm);
        const Report r = prepareCard(sampleFor(category));
        QCOMPARE(r.pages().size(), 1);
        const PreparedPage& page = r.pages().at(0);
        QCOMPARE(page.layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(page.layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(page.layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        const QRectF box = item(r, object).box;
        QVERIFY2(sameBox(box, mmBox(mm.left(), mm.top(), mm.width(), mm.height())), qPrintable(mmText(box)));
    }

    // Each caption names the value printed in the frame below it.
    void captionsByCategory_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        auto row = [](const char* category, const char* tpl, const char* caption, const char* text, const char* value) {
            QTest::addRow("%s %s", category, caption)
                << QString::fromLatin1(category) << QString::fromLatin1(tpl) << QString::fromLatin1(caption)
                << QString::fromUtf8(text) << QString::fromLatin1(value);
        };
        const char* bill = "Scheda Bolletta";
        const char* payment = "Scheda Pagamento";
        const char* purchase = "Scheda Acquisti";
        row("Luce", bill, "Memo7", "DATA EMISSIONE:", "txtDataEmi");
        row("Luce", bill, "Memo8", "DATA SCADENZA:", "txtDataSca");
        row("Gas", bill, "Memo6", "BENEFICIARIO:", "txtBeneficiario");
        row("Gas", bill, "Memo12", "CONTO CORRENTE / IBAN:", "txtCC");
        row("Acqua", bill, "Memo5", "PERIODO DI RIFERIMENTO:", "txtPeriodo");
        row("Acqua", bill, "Memo9", "DATA PAGAMENTO:", "txtDataPag");
        row("Rifiuti", bill, "Memo4", "MODALITA' DI PAGAMENTO:", "txtModalita");
        row("Rifiuti", bill, "Memo13", "ESTREMI RICEVUTA:", "txtEstremi");
        row("Telefono", bill, "Memo3", "CAUSALE:", "txtCausale");
        row("Telefono", bill, "Memo2", "CONSUMI:", "txtConsumi");
        row("Varie", payment, "Memo1", "PAGATORE:", "txtPagatore");
        row("Varie", payment, "Memo10", "CODICE FISCALE:", "txtCodFisc");
        row("Varie", payment, "Memo11", "CODICE CLIENTE:", "txtCodCliente");
        row("Varie", payment, "Memo2", "CONSUMI:", "txtConsumi");
        row("Tasse", payment, "Memo7", "DATA DECORRENZA:", "txtDataEmi");
        row("Tasse", payment, "Memo6", "ENTE BENEFICIARIO:", "txtBeneficiario");
        row("Tasse", payment, "Memo2", "CODICI:", "txtConsumi");
        row("Tasse", payment, "Memo8", "DATA SCADENZA:", "txtDataSca");
        row("Automezzi", payment, "Memo5", "TARGA VEICOLO:", "txtPeriodo");
        row("Automezzi", payment, "Memo2", "MARCA E MODELLO VEICOLO:", "txtConsumi");
        row("Automezzi", payment, "Memo7", "DATA EMISSIONE:", "txtDataEmi");
        row("Condominio", payment, "Memo2", "IMMOBILE:", "txtConsumi");
        row("Condominio", payment, "Memo6", "BENEFICIARIO:", "txtBeneficiario");
        row("Acquisti", purchase, "Memo7", "DATA EMISSIONE:", "txtDataEmi");
        row("Acquisti", purchase, "Memo8", "TEL.", "txtTel");
        row("Acquisti", purchase, "Memo6", "ATTIVITA' COMMERCIALE:", "txtAttivita");
        row("Acquisti", purchase, "Memo12", "E-MAIL:", "txtEmail");
        row("Acquisti", purchase, "Memo5", "SITO WEB:", "txtSito");
        row("Acquisti", purchase, "Memo9", "GARANZIA:", "txtGaranzia");
        row("Acquisti", purchase, "Memo4", "MODALITA' DI PAGAMENTO:", "txtModalita");
        row("Acquisti", purchase, "Memo13", "DOCUMENTI ACQUISTO:", "txtDocumenti");
        row("Acquisti", purchase, "Memo3", "PRODOTTI ACQUISTATI:", "txtProdotti");
        row("Acquisti", purchase, "Memo2", "DETTAGLI:", "txtDettagli");
        row("Acquisti", purchase, "Memo1", "PAGATORE:", "txtPagatore");
        row("Acquisti", purchase, "Memo10", "CODICE FISCALE:", "txtCodFisc");
    }

    void captionsByCategory()
    {
        QFETCH(QString, category);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, value);
        const CardData card = sampleFor(category);
        const Report r = prepareCard(card);
        QTEST(r.name, "templateName");
        const PlacedItem& c = item(r, caption);
        QCOMPARE(c.lines, QStringList {text});
        const PlacedItem& v = item(r, value);
        QCOMPARE(v.lines, QStringList {card.fields.value(value.mid(3))});
        // The value sits in the frame right under its caption.
        QCOMPARE(v.box.left(), c.box.left());
        QVERIFY(qAbs(v.box.top() - c.box.top() - fromMm(6)) < 1e-9);
        QVERIFY(item(r, QStringLiteral("shp") + value.mid(3)).box.contains(v.box));
    }

    // Every value object takes its field, trimmed; whatever the card holds,
    // the template's own placeholder texts never reach the paper.
    void valuesReplaceThePlaceholders_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("placeholder");
        QTest::addColumn<bool>("emptyCard");
        for (const QString& c : kCategories) {
            const char* numero = c == QLatin1String("Acquisti") ? "Numero Scontrino"
                : c == QLatin1String("Tasse")                   ? "Tipologia tassa"
                : c == QLatin1String("Condominio")              ? "Numero Documento"
                                                                : "Numero Bolletta";
            QTest::addRow("%s filled", qPrintable(c)) << c << QString::fromLatin1(numero) << false;
            QTest::addRow("%s empty", qPrintable(c)) << c << QString::fromLatin1(numero) << true;
        }
    }

    void valuesReplaceThePlaceholders()
    {
        QFETCH(QString, category);
        QFETCH(QString, placeholder);
        QFETCH(bool, emptyCard);
        const Report tpl = cardTemplate(sampleFor(category).layout);
        QCOMPARE(tpl.findObject(QStringLiteral("txtNumero"))->text(), placeholder);
        QCOMPARE(tpl.findObject(QStringLiteral("txtPrezzo"))->text(), QStringLiteral("0,00"));
        QCOMPARE(tpl.findObject(QStringLiteral("txtCalce"))->text(), QStringLiteral("Data e ora stampa"));

        CardData card = sampleFor(category);
        if (emptyCard)
            card.fields.clear();
        const Report r = prepareCard(card);
        const QStringList values = cardValueObjects(card.layout);
        QCOMPARE(values.size(), 16);
        for (const QString& name : values) {
            const QStringList printed = item(r, name).lines;
            const QString field = card.fields.value(name.mid(3));
            QCOMPARE(printed.join(QLatin1Char('\n')), field);
        }
        QCOMPARE(item(r, QStringLiteral("txtCalce")).lines,
            QStringList {QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:07:03")});
        for (const QString& line : describe(r))
            for (const QString& p : {placeholder, QStringLiteral("\"0,00\""), QStringLiteral("Data e ora stampa")})
                QVERIFY2(!line.contains(p), qPrintable(line));
    }

    // The card prints the texts it is given: trimming is the caller's, by the
    // record texts' rule, so blanks the caller kept (a no-break space) print.
    void valuesPrintAsGiven()
    {
        CardData card = samples::billCard();
        card.fields[QStringLiteral("Numero")] = QStringLiteral("0042");
        card.fields[QStringLiteral("Note")] = QStringLiteral("\u00A0ok\u00A0");
        const Report r = prepareCard(card);
        QCOMPARE(item(r, QStringLiteral("txtNumero")).lines, QStringList {QStringLiteral("0042")});
        QCOMPARE(item(r, QStringLiteral("txtNote")).lines, QStringList {QStringLiteral("\u00A0ok\u00A0")});
    }

    void purchaseCardHasItsOwnFields()
    {
        const Report r = prepareCard(samples::purchaseCard());
        for (const char* gone : {"txtDataSca", "txtBeneficiario", "txtCC", "txtPeriodo", "txtDataPag", "txtCausale",
                 "txtConsumi", "txtEstremi"})
            QVERIFY2(!r.pages().at(0).find(QString::fromLatin1(gone)), gone);
        QCOMPARE(item(r, QStringLiteral("txtTel")).lines, QStringList {QStringLiteral("071 555 0192")});
    }

    // A value wider than its box prints as one line, cut at the box's edge.
    void longValueIsCutNotWrapped_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("half width") << QStringLiteral("Beneficiario") << QString(120, QLatin1Char('W'));
        QTest::newRow("full width") << QStringLiteral(
            "Causale") << QStringLiteral("Fornitura energia elettrica ").repeated(8) + QStringLiteral("FINE");
        QTest::newRow("notes") << QStringLiteral("Note") << QStringLiteral("Nota molto lunga, ").repeated(20);
    }

    void longValueIsCutNotWrapped()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        CardData card = samples::billCard();
        card.fields[field] = value;
        const Report r = prepareCard(card);
        const PlacedItem& v = item(r, QStringLiteral("txt") + field);
        QCOMPARE(v.lines.size(), 1);
        const QString printed = v.lines.at(0);
        QVERIFY(!printed.isEmpty());
        QVERIFY(printed.size() < value.trimmed().size());
        QVERIFY(value.startsWith(printed));
        // Measured on its own (at 12 dots a unit, where 8 pt is exactly 128
        // pixels): the printed part fits, one more letter would not.
        QImage device(1, 1, QImage::Format_ARGB32);
        device.setDotsPerMeterX(45354); // 1152 dpi
        device.setDotsPerMeterY(45354);
        QFont arial(QStringLiteral("Arial"));
        arial.setPointSize(8);
        arial.setHintingPreference(QFont::PreferNoHinting);
        const QFontMetricsF fm(arial, &device);
        QVERIFY(fm.horizontalAdvance(printed) / 12 <= v.box.width());
        QVERIFY(fm.horizontalAdvance(value.left(printed.size() + 1)) / 12 > v.box.width());
    }

    void photoFitsItsBox_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::newRow("portrait receipt") << QSize(420, 640);
        QTest::newRow("landscape receipt") << QSize(1600, 600);
        QTest::newRow("tiny picture is enlarged") << QSize(30, 20);
        QTest::newRow("no picture") << QSize();
    }

    void photoFitsItsBox()
    {
        QFETCH(QSize, photo);
        CardData card = samples::billCard();
        card.photo = photo.isEmpty() ? QImage() : samples::receiptPhoto(photo.width(), photo.height());
        const Report r = prepareCard(card);
        const PlacedItem& logo = item(r, QStringLiteral("imgLogo"));
        QCOMPARE(logo.picture, card.photo);
        if (photo.isEmpty())
            return;
        const QRectF box = mmBox(1, 14, 188, 112);
        const QRectF pic = logo.pictureBox;
        QVERIFY(qAbs(pic.center().x() - box.center().x()) < 1e-6);
        QVERIFY(qAbs(pic.center().y() - box.center().y()) < 1e-6);
        QVERIFY(qAbs(pic.width() / pic.height() - double(photo.width()) / photo.height()) < 1e-6);
        // As large as fits: it touches the box on one side, and crosses none.
        QVERIFY(pic.width() <= box.width() + 1e-6 && pic.height() <= box.height() + 1e-6);
        QVERIFY(qAbs(pic.width() - box.width()) < 1e-6 || qAbs(pic.height() - box.height()) < 1e-6);
    }

    // A print window may fill one template twice: nothing of the first card
    // stays, and the same card gives the same page.
    void refillingGivesTheSamePage()
    {
        CardData blank;
        blank.layout = samples::billCard(QStringLiteral("Tasse")).layout;
        Report repDocumento = cardTemplate(blank.layout);
        fillCard(repDocumento, samples::billCard(QStringLiteral("Tasse")));
        repDocumento.setOrientation(QPageLayout::Landscape);
        repDocumento.prepare();
        fillCard(repDocumento, blank);
        repDocumento.prepare();
        const Report fresh = prepareCard(blank);
        QCOMPARE(describe(repDocumento), describe(fresh));
        QVERIFY(repDocumento.pages() == fresh.pages());
        QCOMPARE(repDocumento.pages().at(0).layout.orientation(), QPageLayout::Portrait);
    }
};

TESSARIA_TEST_MAIN(TestReportCard)
#include "test_report_card.moc"
