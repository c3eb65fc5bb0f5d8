#include "TestSupport.h"
#include "app/Crypt.h"

#include <QRandomGenerator>

namespace {
QString codes(int from, int to)
{
    QString s;
    for (int c = from; c <= to; ++c)
        s += QChar(char16_t(c));
    return s;
}
} // namespace

class TestCrypt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("one NUL") << QString(QChar(0));
        QTest::newRow("codes 0-254") << codes(0, 254);
        QTest::newRow("codes 1-255") << codes(1, 255);
        QTest::newRow("255 NULs") << QString(255, QChar(0));
        QTest::newRow("255 of 255") << QString(255, QChar(0xFF));
        QTest::newRow("keyword") << QStringLiteral("GIRASOLEMARINO");
        QTest::newRow("accents and blanks") << QStringLiteral("  Caffè àèìòù ÿ ");
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        const QString hex = Crypt::Codifica(text);
        QCOMPARE(hex.size(), 2 * text.size());
        QCOMPARE(hex, hex.toUpper());
        QCOMPARE(Crypt::Decodifica(hex), std::optional<QString>(text));
    }

    void roundTripRandomTexts()
    {
        QRandomGenerator random(20240611);
        for (int i = 0; i < 400; ++i) {
            const int length = random.bounded(256);
            QString text;
            for (int k = 0; k < length; ++k)
                text += QChar(char16_t(random.bounded(256)));
            const std::optional<QString> back = Crypt::Decodifica(Crypt::Codifica(text));
            QVERIFY2(back && *back == text, qPrintable(QStringLiteral("length %1, case %2").arg(length).arg(i)));
        }
    }

    // The delivered store was written with the program's constants: any
    // change to them would lock every installed copy out.
    void deliveredKeywordIsStable()
    {
        QCOMPARE(Crypt::Codifica(QStringLiteral("GIRASOLEMARINO")), QStringLiteral("7DE04178FB138EBC4D374A312E9A"));
    }

    void decodifica_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString() << true << QString();
        QTest::newRow("lower case digits") << QStringLiteral("7de04178") << true << QStringLiteral("GIRA");
        QTest::newRow("odd final digit ignored") << QStringLiteral("7DE04178F") << true << QStringLiteral("GIRA");
        QTest::newRow("odd final non-digit ignored") << QStringLiteral("7DE0Z") << true << QStringLiteral("GI");
        QTest::newRow("single digit") << QStringLiteral("7") << true << QString();
        QTest::newRow("bad first pair") << QStringLiteral("G17DE0") << false << QString();
        QTest::newRow("bad later pair") << QStringLiteral("7DE0ZZ78") << false << QString();
        QTest::newRow("blank inside a pair") << QStringLiteral("7DE 41") << false << QString();
        QTest::newRow("sign in a pair") << QStringLiteral("+1") << false << QString();
    }

    void decodifica()
    {
        QFETCH(QString, hex);
        QFETCH(bool, ok);
        const std::optional<QString> text = Crypt::Decodifica(hex);
        QCOMPARE(text.has_value(), ok);
        if (ok)
            QTEST(*text, "text");
    }

    // Past the limit both directions stop at 255 characters; above code 255
    // only the low byte is scrambled. Neither keeps the text, which is why
    // the change-password window refuses such passwords.
    void limits()
    {
        QCOMPARE(Crypt::Codifica(QString(300, QLatin1Char('A'))).size(), 510);
        QCOMPARE(
            Crypt::Decodifica(Crypt::Codifica(QString(255, QLatin1Char('A'))) + QStringLiteral("4142"))->size(), 255);
        QCOMPARE(Crypt::Codifica(QStringLiteral("€")), Crypt::Codifica(QString(QChar(0xAC))));
    }

    void keeps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kept");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("255 characters") << QString(255, QLatin1Char('A')) << true;
        QTest::newRow("256 characters") << QString(256, QLatin1Char('A')) << false;
        QTest::newRow("Latin-1 accents") << QStringLiteral("ÀÈÌÒÙ àèìòù ÿ") << true;
        QTest::newRow("euro sign") << QStringLiteral("PREZZO€") << false;
        QTest::newRow("emoji") << QStringLiteral("SOLE\U0001F600") << false;
    }

    void keeps()
    {
        QFETCH(QString, text);
        QTEST(Crypt::keeps(text), "kept");
        if (Crypt::keeps(text))
            QCOMPARE(Crypt::Decodifica(Crypt::Codifica(text)), std::optional<QString>(text));
    }
};

TESSARIA_TEST_MAIN(TestCrypt)
#include "test_crypt.moc"
