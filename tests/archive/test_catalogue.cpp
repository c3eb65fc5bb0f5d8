#include "TestSupport.h"
#include "archive/Categoria.h"

#include <QSet>

class TestCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void orderAndNames_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("archivio");
        QTest::addColumn<QString>("trova");
        QTest::addColumn<QString>("riepilogo");
        QTest::addColumn<QString>("export");
        auto row = [](int i, const char* k, const char* a, const char* t, const char* r, const char* e) {
            QTest::newRow(k) << i << QString::fromUtf8(k) << QString::fromUtf8(a) << QString::fromUtf8(t)
                             << QString::fromUtf8(r) << QString::fromUtf8(e);
        };
        row(0, "Luce", " Tessaria 3.0 - Luce", " Trova bollette luce in archivio", " Riepilogo bollette luce da pagare",
            " Esporta archivio bollette luce in Microsoft Excel");
        row(4, "Telefono", " Tessaria 3.0 - Telefono e Web", " Trova bollette telefono e Web in archivio",
            " Riepilogo bollette telefono e Web da pagare",
            " Esporta archivio bollette telefono e Web in Microsoft Excel");
        row(5, "Automezzi", " Tessaria 3.0 - Auto", " Trova pagamenti auto in archivio",
            " Riepilogo pagamenti auto da saldare", " Esporta archivio pagamenti auto in Microsoft Excel");
        row(6, "Condominio", " Tessaria 3.0 - Condominio", " Trova spese condominiali in archivio",
            " Riepilogo spese condominiali da saldare", " Esporta archivio spese condominiali in Microsoft Excel");
        row(7, "Acquisti", " Tessaria 3.0 - Acquisti", " Trova acquisti in archivio", " Riepilogo acquisti da pagare",
            " Esporta archivio acquisti in Microsoft Excel");
        row(9, "Varie", " Tessaria 3.0 - Varie", " Trova pagamenti vari in archivio", " Riepilogo pagamenti da saldare",
            " Esporta archivio pagamenti vari in Microsoft Excel");
    }

    void orderAndNames()
    {
        QFETCH(int, index);
        QFETCH(QString, chiave);
        const auto& c = Catalogo::Tutte().at(index);
        QCOMPARE(c.Chiave, chiave);
        QTEST(c.CaptionArchivio(), "archivio");
        QTEST(c.CaptionTrova(), "trova");
        QTEST(c.CaptionRiepilogo(), "riepilogo");
        QTEST(c.CaptionExport(), "export");
    }

    void fileNamesFollowTheKeyNotTheCaption()
    {
        const Categoria* auto_ = Catalogo::PerChiave(QStringLiteral("Automezzi"));
        QVERIFY(auto_);
        QCOMPARE(auto_->FileArchivio(), QStringLiteral("Archivio_Automezzi.pro"));
        QCOMPARE(auto_->FileExcel(), QStringLiteral("Database_Automezzi.xls"));
        QCOMPARE(auto_->PrefissoFoto(), QStringLiteral("Automezzi_"));
        QCOMPARE(auto_->Sigla, QStringLiteral("automezzi"));
        QCOMPARE(auto_->Riquadro, QStringLiteral("Auto"));
        QCOMPARE(auto_->NomeFoglio(), QStringLiteral("Database Automezzi"));
        QCOMPARE(auto_->NomeRiepilogo(), QStringLiteral("frmSospesi_Automezzi"));
        QCOMPARE(auto_->NomeTrova(), QStringLiteral("frmTrovaAutomezzi"));
    }

    void lookUpsAreExact()
    {
        QCOMPARE(Catalogo::Tutte().size(), 10);
        QVERIFY(Catalogo::PerSigla(QStringLiteral("rifiuti")));
        QVERIFY(!Catalogo::PerSigla(QStringLiteral("Rifiuti")));
        QVERIFY(!Catalogo::PerChiave(QStringLiteral("rifiuti")));
        QVERIFY(!Catalogo::PerSigla(QStringLiteral("rifiuti ")));
        QVERIFY(!Catalogo::PerTagData(QStringLiteral("acquisti_datasca")).categoria);
        const DataTag t = Catalogo::PerTagData(QStringLiteral("rifiuti_datasca"));
        QCOMPARE(t.categoria->Chiave, QStringLiteral("Rifiuti"));
        QCOMPARE(t.campo, QStringLiteral("DataSca"));
    }

    // The typed key and the catalogue agree: each id finds its own category
    // (the look-up indexes the catalogue by the id), and no two categories
    // share a key, a colour or an emblem.
    void typedKeyFindsItsCategory()
    {
        QSet<QString> keys;
        QSet<quint32> accents;
        QSet<int> emblems;
        for (int i = 0; i < Catalogo::Tutte().size(); ++i) {
            const Categoria& c = Catalogo::Tutte().at(i);
            QCOMPARE(int(c.id), i);
            QCOMPARE(&Catalogo::PerId(c.id), &c);
            keys.insert(c.Chiave);
            accents.insert(c.accent);
            emblems.insert(int(c.emblem));
        }
        QCOMPARE(Catalogo::PerId(CategoryId::Tasse).Chiave, QStringLiteral("Tasse"));
        QCOMPARE(Catalogo::PerId(CategoryId::Automezzi).Riquadro, QStringLiteral("Auto"));
        QCOMPARE(keys.size(), 10);
        QCOMPARE(accents.size(), 10);
        QCOMPARE(emblems.size(), 10);
    }

    void twentyEightDateTags()
    {
        QSet<QString> tags;
        for (const auto& c : Catalogo::Tutte())
            for (const QString& t : c.TagData())
                tags.insert(t);
        QCOMPARE(tags.size(), 28);
        QVERIFY(tags.contains(QStringLiteral("acquisti_dataemi")));
    }

    void labelsPerCategory()
    {
        auto label = [](const char* k, const char* campo) {
            return Catalogo::PerChiave(QString::fromUtf8(k))->TestoEtichetta(QString::fromUtf8(campo));
        };
        QCOMPARE(label("Luce", "Modalita"), QStringLiteral("Modalità di pagamento:"));
        QCOMPARE(label("Tasse", "DataEmi"), QStringLiteral("Data decorrenza:"));
        QCOMPARE(label("Tasse", "Numero"), QStringLiteral("Tipologia tassa:"));
        QCOMPARE(label("Automezzi", "Periodo"), QStringLiteral("Targa veicolo:"));
        QCOMPARE(label("Condominio", "Consumi"), QStringLiteral("Immobile:"));
        QCOMPARE(label("Condominio", "Periodo"), QStringLiteral("Periodo di riferimento:"));
        QCOMPARE(label("Acquisti", "Attivita"), QStringLiteral("Attività commerciale:"));
        QCOMPARE(label("Acquisti", "Tel"), QStringLiteral("Tel."));
        QCOMPARE(label("Luce", "Prezzo"), QString());
    }
};

TESSARIA_TEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
