#include "TestSupport.h"
#include "checkers/CodeCheck.h"
#include "checkers/CodeRules.h"
#include "checkers/TfrmCodFisc.h"
#include "checkers/TfrmPartitaIva.h"

#include <QLineEdit>
#include <QPushButton>

using Kind = Dialogs::Kind;
Q_DECLARE_METATYPE(CheckResult)

namespace {

const QString CfLunghezza
    = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString CfValido = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString CfErrato = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString PiLunghezza = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString PiErrata = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                        "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che "
                                        "lo ha rilasciato.");
QString piValida(const QString& ufficio)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ")
        + ufficio + QStringLiteral(".");
}

// A check window shown and active, as the user has it.
template <typename Finestra> struct Aperta {
    explicit Aperta(const QString& testo = {})
    {
        w.setText(testo);
        w.show();
        QApplication::setActiveWindow(&w);
        (void)QTest::qWaitForWindowActive(&w);
    }
    QLineEdit* campo() { return w.campo(); }
    void controlla() { w.template findChild<QPushButton*>(QStringLiteral("btnControlla"))->click(); }
    Finestra w;
};

} // namespace

class TestCheckers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testDialogs().reset(); }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // ---- The rules --------------------------------------------------------

    void codiceFiscale_data()
    {
        QTest::addColumn<QString>("codice");
        QTest::addColumn<CheckResult>("esito");
        QTest::newRow("zeros") << "000000000000000I" << CheckResult::Valid;
        QTest::newRow("zeros, J") << "000000000000000J" << CheckResult::Wrong;
        QTest::newRow("A") << "AAAAAAAAAAAAAAAI" << CheckResult::Valid;
        QTest::newRow("A, J") << "AAAAAAAAAAAAAAAJ" << CheckResult::Wrong;
        QTest::newRow("Z") << "ZZZZZZZZZZZZZZZV" << CheckResult::Valid;
        QTest::newRow("Z, J") << "ZZZZZZZZZZZZZZZJ" << CheckResult::Wrong;
        QTest::newRow("a real one") << "RSSMRA80A01H501U" << CheckResult::Valid;
        QTest::newRow("compared in capitals") << "rssmra80a01h501u" << CheckResult::Valid;
        QTest::newRow("accented letters keep their case")
            << QString::fromUtf8("RSSMRA80A01H501ù") << CheckResult::Wrong;
        QTest::newRow("15") << "RSSMRA80A01H501" << CheckResult::WrongLength;
        QTest::newRow("17") << "RSSMRA80A01H501UX" << CheckResult::WrongLength;
        QTest::newRow("empty") << "" << CheckResult::WrongLength;
        // Every character counts, blanks too: untrimmed and inner blanks pass
        // the length test and fail the check.
        QTest::newRow("inner blank") << "RSSMRA80 01H501U" << CheckResult::Wrong;
        QTest::newRow("leading blank") << " RSSMRA80A01H501" << CheckResult::Wrong;
        QTest::newRow("fifteen and a trailing blank") << "RSSMRA80A01H501 " << CheckResult::Wrong;
        // Signs between '9' and 'A' and characters outside the tables add 0.
        QTest::newRow("signs count nothing") << ":;<=>?@:;<=>?@:A" << CheckResult::Valid;
        QTest::newRow("outside the tables") << QString::fromUtf8("ÈÈÈÈÈÈÈÈÈÈÈÈÈÈÈA") << CheckResult::Valid;
    }
    void codiceFiscale()
    {
        QFETCH(QString, codice);
        QFETCH(CheckResult, esito);
        QCOMPARE(TaxCode::check(codice), esito);
    }

    // The points of the two tables that the rule is usually got wrong on.
    void tabelle()
    {
        for (const char* s : {"0", "A"})
            QCOMPARE(TaxCode::oddValue(QLatin1Char(s[0])), 1);
        for (const char* s : {"1", "B"})
            QCOMPARE(TaxCode::oddValue(QLatin1Char(s[0])), 0);
        for (const char* s : {"9", "J"})
            QCOMPARE(TaxCode::oddValue(QLatin1Char(s[0])), 21);
        QCOMPARE(TaxCode::oddValue(QLatin1Char('Z')), 23);
        QCOMPARE(TaxCode::oddValue(QLatin1Char('@')), 0);
        for (int d = 0; d < 10; ++d)
            QCOMPARE(TaxCode::evenValue(QChar(u'0' + d)), d);
        for (int l = 0; l < 26; ++l)
            QCOMPARE(TaxCode::evenValue(QChar(u'A' + l)), l);
        QCOMPARE(TaxCode::evenValue(QLatin1Char(':')), 0);
    }

    void partitaIva_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<CheckResult>("esito");
        QTest::addColumn<QString>("ufficio");
        QTest::newRow("Roma 1") << "00000000588" << CheckResult::Valid << "Roma 1";
        QTest::newRow("no office") << "00000000000" << CheckResult::Valid << "";
        QTest::newRow("wrong check digit") << "00000000589" << CheckResult::Wrong << "";
        QTest::newRow("doubled digits over 9") << "12345678903" << CheckResult::Valid << "";
        QTest::newRow("later code of Bologna 2") << "00000001206" << CheckResult::Valid << "Bologna 2";
        QTest::newRow("ten") << "0000000058" << CheckResult::WrongLength << "";
        QTest::newRow("twelve") << "000000005880" << CheckResult::WrongLength << "";
        QTest::newRow("a letter") << "0000000058A" << CheckResult::Wrong << "";
        QTest::newRow("a blank") << "0000000058 " << CheckResult::Wrong << "";
    }
    void partitaIva()
    {
        QFETCH(QString, numero);
        QFETCH(CheckResult, esito);
        QFETCH(QString, ufficio);
        QCOMPARE(VatNumber::check(numero), esito);
        if (esito == CheckResult::Valid)
            QCOMPARE(VatNumber::office(VatNumber::officeCode(numero)), ufficio);
    }

    void uffici_data()
    {
        QTest::addColumn<QString>("codice");
        QTest::addColumn<QString>("nome");
        QTest::newRow("first") << "001"
                               << "Torino";
        QTest::newRow("accent") << "040" << QString::fromUtf8("Forlì");
        QTest::newRow("brackets") << "096"
                                  << "Monza (Milano 2)";
        QTest::newRow("last of the run") << "102"
                                         << "Napoli 2";
        QTest::newRow("101") << "101"
                             << "Bologna 2";
        QTest::newRow("120 as 101") << "120"
                                    << "Bologna 2";
        QTest::newRow("121 as 102") << "121"
                                    << "Napoli 2";
        QTest::newRow("000") << "000"
                             << "";
        QTest::newRow("gap start") << "103"
                                   << "";
        QTest::newRow("gap end") << "119"
                                 << "";
        QTest::newRow("after") << "122"
                               << "";
    }
    void uffici()
    {
        QFETCH(QString, codice);
        QFETCH(QString, nome);
        QCOMPARE(VatNumber::office(codice), nome);
    }

    // ---- Which check the button opens ------------------------------------

    void scelta_data()
    {
        QTest::addColumn<QString>("codice");
        QTest::addColumn<bool>("partitaIva");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("eleven digits") << "00000000588" << true;
        QTest::newRow("digits with blanks around") << " \t123 " << true;
        QTest::newRow("inner blank") << "12 34" << false;
        QTest::newRow("codice fiscale") << "RSSMRA80A01H501U" << false;
        QTest::newRow("other digits") << QString::fromUtf8("１２３") << false;
    }
    void scelta()
    {
        QFETCH(QString, codice);
        QFETCH(bool, partitaIva);
        QCOMPARE(checkKindOf(codice) == CheckKind::PartitaIva, partitaIva);
    }

    // The window that opens gets the trimmed code, modal and owned by the
    // opener, and is gone once it closes.
    void aprePerCodice()
    {
        QWidget owner;
        owner.show();
        for (const auto& [codice, nome, campo, atteso] :
            {std::tuple {" 00000000588 ", "frmPartitaIva", "txtPartitaIva", "00000000588"},
                std::tuple {" rssmra80a01h501u", "frmCodFisc", "txtCodFisc", "rssmra80a01h501u"},
                std::tuple {"", "frmCodFisc", "txtCodFisc", ""}}) {
            QString visto;
            onNextModal([&, nome = nome, campo = campo](QWidget* w) {
                QCOMPARE(w->objectName(), QString::fromLatin1(nome));
                QCOMPARE(w->parentWidget(), &owner);
                visto = child<QLineEdit>(w, QString::fromLatin1(campo))->text();
                child<QPushButton>(w, QStringLiteral("btnChiudi"))->click();
            });
            openCodeCheck(&owner, QString::fromLatin1(codice));
            QCOMPARE(visto, QString::fromLatin1(atteso));
            QCOMPARE(owner.findChildren<QDialog*>().size(), 0);
        }
    }

    // ---- The codice fiscale window ---------------------------------------

    void codFiscDigitazione()
    {
        Aperta<TfrmCodFisc> f;
        QVERIFY(f.campo()->hasFocus());
        QTest::keyClicks(f.campo(), QStringLiteral("rss mra"));
        // Each key leaves the text trimmed and in capitals: a blank typed at
        // the end goes at once, so only an inner one could stay.
        QCOMPARE(f.campo()->text(), QStringLiteral("RSSMRA"));
        f.campo()->setCursorPosition(3);
        QTest::keyClicks(f.campo(), QStringLiteral(" x"));
        QCOMPARE(f.campo()->text(), QStringLiteral("RSS XMRA"));
        QCOMPARE(f.campo()->cursorPosition(), 5);
        // Sixteen characters at most.
        f.campo()->clear();
        QTest::keyClicks(f.campo(), QStringLiteral("rssmra80a01h501uxyz"));
        QCOMPARE(f.campo()->text(), QStringLiteral("RSSMRA80A01H501U"));
    }

    void codFiscInvioNonControlla()
    {
        Aperta<TfrmCodFisc> f(QStringLiteral("RSSMRA80A01H501U"));
        QTest::keyClick(f.campo(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnControlla"));
        QVERIFY(f.w.isVisible());
        QCOMPARE(testDialogs().calls.size(), 0);
        // Enter on "Controlla" does check.
        testDialogs().expectMessage(Kind::Information, CfValido);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!f.w.isVisible());
    }

    void codFiscLunghezzaLasciaAperto()
    {
        Aperta<TfrmCodFisc> f(QStringLiteral("RSSMRA80A01H501"));
        testDialogs().expectMessage(Kind::Warning, CfLunghezza);
        f.controlla();
        QVERIFY(f.w.isVisible());
        QVERIFY(f.campo()->hasFocus());
    }

    void codFiscEsito_data()
    {
        QTest::addColumn<QString>("posto");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("messaggio");
        // Placed on opening, a lower-case code stays as it is and is still
        // compared in capitals.
        QTest::newRow("valid, lower case") << "aaaaaaaaaaaaaaai" << int(Kind::Information) << CfValido;
        QTest::newRow("wrong") << "AAAAAAAAAAAAAAAJ" << int(Kind::Warning) << CfErrato;
        QTest::newRow("inner blank passes the length test") << "RSSMRA80 01H501U" << int(Kind::Warning) << CfErrato;
    }
    void codFiscEsito()
    {
        QFETCH(QString, posto);
        QFETCH(int, kind);
        QFETCH(QString, messaggio);
        Aperta<TfrmCodFisc> f(posto);
        QCOMPARE(f.campo()->text(), posto);
        testDialogs().expectMessage(Kind(kind), messaggio);
        f.controlla();
        QVERIFY(!f.w.isVisible());
    }

    // ---- The partita IVA window --------------------------------------------

    void partitaIvaSoloCifre()
    {
        Aperta<TfrmPartitaIva> f;
        QVERIFY(f.campo()->hasFocus());
        QTest::keyClicks(f.campo(), QStringLiteral("12a3 b-4.5"));
        QCOMPARE(f.campo()->text(), QStringLiteral("12345"));
        QTest::keyClick(f.campo(), Qt::Key_Left);
        QTest::keyClick(f.campo(), Qt::Key_Backspace);
        QTest::keyClick(f.campo(), Qt::Key_Right);
        QTest::keyClick(f.campo(), Qt::Key_Delete);
        QCOMPARE(f.campo()->text(), QStringLiteral("1235"));
        QTest::keyClicks(f.campo(), QStringLiteral("123456789"));
        QCOMPARE(f.campo()->text(), QStringLiteral("12351234567"));
        QTest::keyClick(f.campo(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnControlla"));
        QCOMPARE(testDialogs().calls.size(), 0);
    }

    void partitaIvaLunghezzaLasciaAperto()
    {
        Aperta<TfrmPartitaIva> f(QStringLiteral("0000000058"));
        testDialogs().expectMessage(Kind::Warning, PiLunghezza);
        f.controlla();
        QVERIFY(f.w.isVisible());
        QVERIFY(f.campo()->hasFocus());
    }

    // A longer run of digits from the card reaches the check whole: it must
    // not be cut to eleven digits and judged as another number. The user can
    // shorten it but not lengthen it.
    void partitaIvaTroppoLungaIntera()
    {
        Aperta<TfrmPartitaIva> f(QStringLiteral("0000000058812"));
        QCOMPARE(f.campo()->text(), QStringLiteral("0000000058812"));
        QTest::keyClick(f.campo(), Qt::Key_End);
        QTest::keyClicks(f.campo(), QStringLiteral("3"));
        QCOMPARE(f.campo()->text(), QStringLiteral("0000000058812"));
        testDialogs().expectMessage(Kind::Warning, PiLunghezza);
        f.controlla();
        QTest::keyClick(f.campo(), Qt::Key_Backspace);
        QTest::keyClick(f.campo(), Qt::Key_Backspace);
        testDialogs().expectMessage(Kind::Information, piValida(QStringLiteral("Roma 1")));
        f.controlla();
        QVERIFY(!f.w.isVisible());
    }

    void partitaIvaEsito_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("Roma 1") << "00000000588" << int(Kind::Information) << piValida(QStringLiteral("Roma 1"));
        QTest::newRow("no office") << "00000000000" << int(Kind::Information) << piValida(QString());
        QTest::newRow("120") << "00000001206" << int(Kind::Information) << piValida(QStringLiteral("Bologna 2"));
        QTest::newRow("wrong") << "00000000589" << int(Kind::Warning) << PiErrata;
    }
    void partitaIvaEsito()
    {
        QFETCH(QString, numero);
        QFETCH(int, kind);
        QFETCH(QString, messaggio);
        Aperta<TfrmPartitaIva> f;
        QTest::keyClicks(f.campo(), numero);
        testDialogs().expectMessage(Kind(kind), messaggio);
        f.controlla();
        QVERIFY(!f.w.isVisible());
    }

    void finestre()
    {
        TfrmCodFisc cf;
        QCOMPARE(cf.windowTitle(), QStringLiteral(" Controllo codice fiscale"));
        QCOMPARE(cf.size(), QSize(478, 254));
        TfrmPartitaIva pi;
        QCOMPARE(pi.windowTitle(), QStringLiteral(" Controllo partita IVA"));
        QCOMPARE(pi.size(), QSize(480, 254));
        // Tab order: edit, "Controlla", "Chiudi".
        for (CheckWindow* f : {static_cast<CheckWindow*>(&cf), static_cast<CheckWindow*>(&pi)}) {
            QCOMPARE(f->campo()->nextInFocusChain()->objectName(), QStringLiteral("btnControlla"));
            QCOMPARE(f->campo()->nextInFocusChain()->nextInFocusChain()->objectName(), QStringLiteral("btnChiudi"));
        }
    }
};

TESSARIA_TEST_MAIN(TestCheckers)
#include "test_checkers.moc"
