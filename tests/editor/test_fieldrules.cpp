#include "TestSupport.h"
#include "archive/Tracciato.h"
#include "editor/CardFields.h"
#include "editor/CardPhoto.h"
#include "editor/FieldInput.h"
#include "editor/FieldKeys.h"
#include "editor/Navigation.h"

Q_DECLARE_METATYPE(RecordArrow)
Q_DECLARE_METATYPE(Step::Action)
Q_DECLARE_METATYPE(Tipo)
Q_DECLARE_METATYPE(FieldKind)
Q_DECLARE_METATYPE(KeyAction)

// The rules behind the archive screen's fields and record arrows.
class TestFieldRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const char* cases[][2] = {
            {"12", "12,00"},
            {"12,5", "12,50"},
            {"12,344", "12,34"},
            {"12,346", "12,35"},
            {"007", "7,00"},
            {"1500", "1500,00"},
            {"", "0,00"},
            {"   ", "0,00"},
            {",", "0,00"},
            {"1,2,3", "0,00"},
            {"12.50", "0,00"},
            {"abc", "0,00"},
            {"1,005", "1,01"},
            {"2,675", "2,68"},
            {"0,005", "0,01"},
            {"0,004999", "0,00"},
            {"0,00", "0,00"},
            {",5", "0,50"},
            {"5,", "5,00"},
            {"9,999", "10,00"},
            {"99,995", "100,00"},
            {" 3,1 ", "3,10"},
            {"1234,50", "1234,50"},
            {"000,10", "0,10"},
            {"-1,005", "-1,00"},
            {"-1,006", "-1,01"},
            {"-0,001", "0,00"},
            {"123456789012345,67", "123456789012346,00"},
        };
        for (const auto& c : cases)
            QTest::newRow(c[0][0] ? c[0] : "(empty)") << QString::fromUtf8(c[0]) << QString::fromUtf8(c[1]);
    }
    void amount()
    {
        QFETCH(QString, typed);
        QTEST(normalizeAmount(typed), "kept");
    }

    // Whether an amount still fits the 15-character field once normalised:
    // twelve digits before the comma, fewer with a sign, leading zeros and
    // unreadable text aside, and a rounding that carries into a thirteenth
    // digit does not fit.
    void amountFits_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("ciSta");
        QTest::newRow("twelve digits") << "123456789012" << true;
        QTest::newRow("twelve digits and cents") << "999999999999,99" << true;
        QTest::newRow("thirteen digits") << "1234567890123" << false;
        QTest::newRow("rounded up within twelve") << "99999999999,995" << true;
        QTest::newRow("rounded up to thirteen") << "999999999999,995" << false;
        QTest::newRow("sign and eleven digits") << "-12345678901" << true;
        QTest::newRow("sign and twelve digits") << "-123456789012" << false;
        QTest::newRow("leading zeros") << "0000000000000000001,5" << true;
        QTest::newRow("not a number") << "EUR 1234567890123" << true;
        QTest::newRow("empty") << "" << true;
    }
    void amountFits()
    {
        QFETCH(QString, testo);
        QTEST(::amountFits(testo, 15), "ciSta");
    }

    void typedCharacters()
    {
        for (QChar c : QStringLiteral("0123456789,"))
            QVERIFY(isAmountChar(c));
        for (QChar c : QStringLiteral(".-+ aE€"))
            QVERIFY(!isAmountChar(c));
        for (QChar c : QStringLiteral("09azAZ"))
            QVERIFY(isTaxCodeChar(c));
        for (QChar c : QStringLiteral(" è.-_ß"))
            QVERIFY(!isTaxCodeChar(c));
        QCOMPARE(normalizeTaxCode(QStringLiteral("rssmra")), QStringLiteral("RSSMRA"));
        QCOMPARE(normalizeTaxCode(QStringLiteral(" rss80a01h501u ")), QStringLiteral("RSS80A01H501U"));
    }

    // Enter moves on from every kind of field; a date takes no typing; the
    // amount and the tax code take only their own characters.
    void keys_data()
    {
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<KeyAction>("action");
        const struct {
            const char* name;
            FieldKind kind;
            int key;
            const char* text;
            KeyAction action;
        } cases[] = {
            {"text, letter", FieldKind::Text, Qt::Key_A, "a", KeyAction::PassOn},
            {"text, Enter", FieldKind::Text, Qt::Key_Return, "\r", KeyAction::NextField},
            {"text, keypad Enter", FieldKind::Text, Qt::Key_Enter, "\r", KeyAction::NextField},
            {"date, digit", FieldKind::Date, Qt::Key_1, "1", KeyAction::PickDate},
            {"date, Enter", FieldKind::Date, Qt::Key_Return, "\r", KeyAction::PickDate},
            {"date, Delete", FieldKind::Date, Qt::Key_Delete, "", KeyAction::Clear},
            {"date, Backspace", FieldKind::Date, Qt::Key_Backspace, "", KeyAction::Clear},
            {"date, Tab", FieldKind::Date, Qt::Key_Tab, "\t", KeyAction::PassOn},
            {"date, Shift", FieldKind::Date, Qt::Key_Shift, "", KeyAction::PassOn},
            {"amount, digit", FieldKind::Amount, Qt::Key_5, "5", KeyAction::PassOn},
            {"amount, comma", FieldKind::Amount, Qt::Key_Comma, ",", KeyAction::PassOn},
            {"amount, point", FieldKind::Amount, Qt::Key_Period, ".", KeyAction::Swallow},
            {"amount, letter", FieldKind::Amount, Qt::Key_A, "a", KeyAction::Swallow},
            {"amount, Enter", FieldKind::Amount, Qt::Key_Return, "\r", KeyAction::NextField},
            {"amount, Left", FieldKind::Amount, Qt::Key_Left, "", KeyAction::PassOn},
            {"amount, Home", FieldKind::Amount, Qt::Key_Home, "", KeyAction::Swallow},
            {"tax code, letter", FieldKind::TaxCode, Qt::Key_A, "a", KeyAction::PassOn},
            {"tax code, blank", FieldKind::TaxCode, Qt::Key_Space, " ", KeyAction::Swallow},
            {"tax code, Backspace", FieldKind::TaxCode, Qt::Key_Backspace, "", KeyAction::PassOn},
        };
        for (const auto& c : cases)
            QTest::newRow(c.name) << c.kind << c.key << QString::fromUtf8(c.text) << c.action;
    }

    void keys()
    {
        QFETCH(FieldKind, kind);
        QFETCH(int, key);
        QFETCH(QString, text);
        QTEST(fieldKeyAction(kind, key, text), "action");
    }

    void navigation_data()
    {
        QTest::addColumn<RecordArrow>("comando");
        QTest::addColumn<int>("conta");
        QTest::addColumn<QString>("posizione");
        QTest::addColumn<Step::Action>("azione");
        QTest::addColumn<int>("scheda");
        QTest::addColumn<bool>("svuota");
        using A = Step::Action;
        const QString vuota;
        QTest::newRow("first, empty file") << RecordArrow::First << 0 << vuota << A::Empty << 0 << false;
        QTest::newRow("last, empty file") << RecordArrow::Last << 0 << vuota << A::Empty << 0 << false;
        QTest::newRow("next, empty file, empties label") << RecordArrow::Forward << 0 << "3" << A::Empty << 0 << true;
        QTest::newRow("previous, empty file") << RecordArrow::Back << 0 << vuota << A::Empty << 0 << false;
        QTest::newRow("previous on 1, empty file") << RecordArrow::Back << 0 << "1" << A::Nothing << 0 << false;
        QTest::newRow("first") << RecordArrow::First << 5 << "3" << A::Show << 1 << false;
        QTest::newRow("last") << RecordArrow::Last << 5 << vuota << A::Show << 5 << false;
        QTest::newRow("next from new card") << RecordArrow::Forward << 3 << vuota << A::Show << 1 << false;
        QTest::newRow("previous from new card") << RecordArrow::Back << 3 << vuota << A::Show << 1 << false;
        QTest::newRow("next on last card") << RecordArrow::Forward << 3 << "3" << A::Nothing << 0 << false;
        QTest::newRow("next past a shortened file") << RecordArrow::Forward << 3 << "7" << A::Nothing << 0 << false;
        QTest::newRow("previous on 1") << RecordArrow::Back << 3 << "1" << A::Nothing << 0 << false;
        QTest::newRow("previous on 1 with blanks") << RecordArrow::Back << 3 << " 1 " << A::Nothing << 0 << false;
        QTest::newRow("next") << RecordArrow::Forward << 3 << "2" << A::Show << 3 << false;
        QTest::newRow("previous") << RecordArrow::Back << 3 << "3" << A::Show << 2 << false;
        QTest::newRow("label not a number") << RecordArrow::First << 3 << "x" << A::Error << 0 << false;
    }
    void navigation()
    {
        QFETCH(RecordArrow, comando);
        QFETCH(int, conta);
        QFETCH(QString, posizione);
        const Step p = navigate(comando, conta, posizione);
        QTEST(p.action, "azione");
        QTEST(p.card, "scheda");
        QTEST(p.clearPosition, "svuota");
    }

    // What a save may do with the card's photo file after what happened to
    // the card, one letter an event: R the stored photo read, M none stored,
    // U stored but unreadable, P a picture put on the card, F a picture that
    // failed to load, C the picture cleared, B a blank or duplicated card,
    // W the picture written.
    void photoWrite_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<bool>("mayWrite");
        QTest::addColumn<bool>("placeholder");
        QTest::newRow("unreadable, untouched") << "U" << false << true;
        QTest::newRow("unreadable, failed load") << "UF" << false << true;
        QTest::newRow("unreadable, replaced") << "UP" << true << false;
        QTest::newRow("unreadable, cleared") << "UC" << true << true;
        QTest::newRow("unreadable, then a new card") << "UB" << true << true;
        QTest::newRow("unreadable, replaced, written, read again") << "UPWU" << false << true;
        QTest::newRow("a new card, then an unreadable one") << "BU" << false << true;
        QTest::newRow("readable, then an unreadable card") << "RU" << false << true;
        QTest::newRow("unreadable, then a readable card") << "UR" << true << false;
        QTest::newRow("none stored") << "M" << true << true;
        QTest::newRow("read") << "R" << true << false;
        QTest::newRow("read, cleared") << "RC" << true << true;
        QTest::newRow("blank") << "B" << true << true;
    }
    void photoWrite()
    {
        QFETCH(QString, events);
        QImage placeholder(4, 4, QImage::Format_RGB32);
        placeholder.fill(Qt::white);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        CardPhoto photo;
        for (const QChar e : events) {
            switch (e.toLatin1()) {
            case 'R':
                photo.read(picture, true, QImage());
                break;
            case 'M':
                photo.read(QImage(), false, placeholder);
                break;
            case 'U':
                photo.read(QImage(), true, placeholder);
                break;
            case 'P':
                QVERIFY(photo.replace(picture));
                break;
            case 'F':
                QVERIFY(!photo.replace(QImage()));
                break;
            case 'C':
                photo.clear(placeholder);
                break;
            case 'B':
                photo.blank(placeholder);
                break;
            case 'W':
                photo.written();
                break;
            default:
                QFAIL("unknown event");
            }
        }
        QTEST(photo.mayWrite(), "mayWrite");
        QTEST(photo.isPlaceholder(), "placeholder");
        QCOMPARE(photo.image(), photo.isPlaceholder() ? placeholder : picture);
    }

    // Each slot of the two layouts in tab order: the edit, the record field
    // it shows, its kind and its label. The purchases layout swaps fields
    // into eight of the bills' slots and edits them all as plain text.
    void layoutSlots_data()
    {
        QTest::addColumn<Tipo>("tipo");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("field");
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<QString>("label");
        struct Row {
            const char* bill[3];
            FieldKind billKind;
            const char* purchase[2]; // nullptr: as for bills
            const char* label;
        };
        const Row rows[] = {
            {{"txtNumero", "Numero"}, FieldKind::Text, {}, "lblCampo001"},
            {{"txtDataEmi", "DataEmi"}, FieldKind::Date, {}, "lblCampo016"},
            {{"txtBeneficiario", "Beneficiario"}, FieldKind::Text, {"txtAttivita", "Attivita"}, "lblCampo002"},
            {{"txtCC", "CC"}, FieldKind::Text, {"txtEmail", "Email"}, "lblCampo003"},
            {{"txtDataSca", "DataSca"}, FieldKind::Date, {"txtTel", "Tel"}, "lblCampo013"},
            {{"txtPeriodo", "Periodo"}, FieldKind::Text, {"txtSito", "Sito"}, "lblCampo004"},
            {{"txtDataPag", "DataPag"}, FieldKind::Date, {"txtGaranzia", "Garanzia"}, "lblCampo014"},
            {{"txtCausale", "Causale"}, FieldKind::Text, {"txtProdotti", "Prodotti"}, "lblCampo005"},
            {{"txtConsumi", "Consumi"}, FieldKind::Text, {"txtDettagli", "Dettagli"}, "lblCampo006"},
            {{"txtModalita", "Modalita"}, FieldKind::Text, {}, "lblCampo007"},
            {{"txtEstremi", "Estremi"}, FieldKind::Text, {"txtDocumenti", "Documenti"}, "lblCampo008"},
            {{"txtPagatore", "Pagatore"}, FieldKind::Text, {}, "lblCampo009"},
            {{"txtCodFisc", "CodFisc"}, FieldKind::TaxCode, {}, "lblCampo011"},
            {{"txtCodCliente", "CodCliente"}, FieldKind::Text, {}, "lblCampo015"},
            {{"txtPrezzo", "Prezzo"}, FieldKind::Amount, {}, ""},
            {{"txtNote", "Note"}, FieldKind::Text, {}, "lblCampo010"},
        };
        int slot = 0;
        for (const Row& r : rows) {
            const QString label = QString::fromLatin1(r.label);
            QTest::addRow("bills %s", r.bill[0]) << Tipo::TSchedaBolletta << slot << QString::fromLatin1(r.bill[0])
                                                 << QString::fromLatin1(r.bill[1]) << r.billKind << label;
            const bool swapped = r.purchase[0] != nullptr;
            const char* const* p = swapped ? r.purchase : r.bill;
            QTest::addRow("purchases %s", p[0])
                << Tipo::TSchedaAcquisto << slot << QString::fromLatin1(p[0]) << QString::fromLatin1(p[1])
                << (swapped ? FieldKind::Text : r.billKind) << label;
            ++slot;
        }
    }
    void layoutSlots()
    {
        QFETCH(Tipo, tipo);
        QFETCH(int, slot);
        const QList<FieldSlot> all = fieldSlots(tipo);
        QCOMPARE(all.size(), 16);
        const FieldSlot& s = all.at(slot);
        QTEST(s.control, "control");
        QTEST(s.field, "field");
        QTEST(s.kind, "kind");
        QTEST(s.label, "label");
        // The edit's length limit is the record field's width: a field the
        // layout does not have would leave the edit without one.
        QVERIFY2(Tracciato::di(tipo).indice(s.field) >= 0, qPrintable(s.field));
        // A swapped field stands where the bills' field stood.
        const FieldSlot bill = fieldSlots(Tipo::TSchedaBolletta).at(slot); // a copy: the list is a temporary
        QCOMPARE(s.x, bill.x);
        QCOMPARE(s.y, bill.y);
        QCOMPARE(s.width, bill.width);
    }

    // A stored "Da pagare" text other than the two flags leaves the box alone.
    void flag_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("box"); // 1 ticked, 0 cleared, -1 left as it was
        QTest::newRow("yes") << Flag::Yes << 1;
        QTest::newRow("no") << Flag::No << 0;
        QTest::newRow("blank") << QString() << -1;
        QTest::newRow("yes without accent") << QStringLiteral("Si") << -1;
        QTest::newRow("lower case no") << QStringLiteral("no") << -1;
    }
    void flag()
    {
        QFETCH(QString, stored);
        const std::optional<bool> ticked = flagTicked(stored);
        QTEST(ticked ? int(*ticked) : -1, "box");
        if (ticked)
            QCOMPARE(flagText(*ticked), stored);
    }

    // The card's texts go into the record's own fields and come back as they
    // went in; the fields not named stay blank, in both layouts.
    void cardTexts_data()
    {
        QTest::addColumn<Tipo>("tipo");
        QTest::newRow("bills") << Tipo::TSchedaBolletta;
        QTest::newRow("purchases") << Tipo::TSchedaAcquisto;
    }
    void cardTexts()
    {
        QFETCH(Tipo, tipo);
        FieldTexts texts;
        for (const FieldSlot& s : fieldSlots(tipo))
            texts.insert(s.field, s.control);
        texts.insert(QStringLiteral("Segnala"), flagText(true));
        texts.insert(attachmentFileField(2), QStringLiteral("fattura.pdf"));
        texts.insert(attachmentDescField(3), QStringLiteral("ricevuta"));
        const Scheda record = recordFromTexts(tipo, texts);
        QCOMPARE(record.testo("File02"), QStringLiteral("fattura.pdf"));
        QCOMPARE(record.testo("Desc03"), QStringLiteral("ricevuta"));
        const FieldTexts back = textsFromRecord(record);
        QCOMPARE(back.size(), Tracciato::di(tipo).campi());
        for (auto it = back.cbegin(); it != back.cend(); ++it)
            QCOMPARE(it.value(), texts.value(it.key()));
    }
};

TESSARIA_TEST_MAIN(TestFieldRules)
#include "test_fieldrules.moc"
