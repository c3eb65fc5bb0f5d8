#include "DeliveredStore.h"
#include "Faults.h"
#include "TestSupport.h"
#include "app/Crypt.h"
#include "app/PasswordStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray scrambled(const char* password)
{
    return Crypt::Codifica(QString::fromLatin1(password)).toLatin1();
}

void put(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}
} // namespace

class TestPasswordStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        QVERIFY(testDialogs().verify());
        testDialogs().reset();
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("value");
        QTest::newRow("usual layout") << QByteArray("[Accesso]\r\nValore=7DE0\r\n") << QStringLiteral("7DE0");
        QTest::newRow("line feeds only, no final break")
            << QByteArray("[Accesso]\nValore=7DE0") << QStringLiteral("7DE0");
        QTest::newRow("names in any case, blanks around")
            << QByteArray(" [ accesso ] \r\n  VALORE =  7DE0  \r\n") << QStringLiteral("7DE0");
        QTest::newRow("other sections around")
            << QByteArray("[Altro]\r\nValore=1111\r\n[Accesso]\r\nX=2\r\nValore=7DE0\r\n[Fine]\r\nValore=3333\r\n")
            << QStringLiteral("7DE0");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Accesso]\r\nValore=7DE0\r\n")
                                         << QStringLiteral("7DE0");
        QTest::newRow("key in another section") << QByteArray("[Altro]\r\nValore=7DE0\r\n") << QString();
        QTest::newRow("section without key") << QByteArray("[Accesso]\r\nChiave=7DE0\r\n") << QString();
        QTest::newRow("commented key") << QByteArray("[Accesso]\r\n;Valore=7DE0\r\n") << QString();
        QTest::newRow("empty file") << QByteArray() << QString();
    }

    void read()
    {
        QFETCH(QByteArray, content);
        TempProgramFolder folder;
        put(PasswordStore::path(), content);
        QTEST(PasswordStore::readValue().value_or(QStringLiteral("<failed>")), "value");
    }

    void missingFileReadsEmpty()
    {
        TempProgramFolder folder;
        QCOMPARE(PasswordStore::readValue(), std::optional<QString>(QString()));
        QCOMPARE(PasswordStore::storedPassword(), std::optional<QString>(QString()));
    }

    void unreadableStoreFails()
    {
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(PasswordStore::path()));
        QVERIFY(!PasswordStore::readValue());
        QVERIFY(!PasswordStore::storedPassword());
    }

    void storedPasswordIsUnscrambledAndTrimmed()
    {
        TempProgramFolder folder;
        put(PasswordStore::path(), "[Accesso]\r\nValore=" + Crypt::Codifica(QStringLiteral(" \tSOLE  ")).toLatin1());
        QCOMPARE(PasswordStore::storedPassword(), std::optional<QString>(QStringLiteral("SOLE")));
        put(PasswordStore::path(), "[Accesso]\r\nValore=7DXX\r\n");
        QVERIFY(!PasswordStore::storedPassword());
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << QByteArray("[Accesso]\r\nValore=ABCD\r\n");
        QTest::newRow("value replaced") << QByteArray("[Accesso]\r\nValore=7DE0\r\n")
                                        << QByteArray("[Accesso]\r\nValore=ABCD\r\n");
        QTest::newRow("other lines kept byte for byte")
            << QByteArray("; nota\n[Altro]\nA=1\n[accesso]\nX=y\n valore = 7DE0 \n[Fine]\nB=2")
            << QByteArray("; nota\n[Altro]\nA=1\n[accesso]\nX=y\nValore=ABCD\n[Fine]\nB=2");
        QTest::newRow("key added to its section")
            << QByteArray("[Accesso]\r\nX=1\r\n") << QByteArray("[Accesso]\r\nValore=ABCD\r\nX=1\r\n");
        QTest::newRow("section added at the end")
            << QByteArray("[Altro]\r\nA=1") << QByteArray("[Altro]\r\nA=1\r\n[Accesso]\r\nValore=ABCD\r\n");
        // A text editor may have put a byte-order mark in front: the section
        // behind it is the one reading finds, and the mark stays.
        QTest::newRow("byte order mark, value replaced") << QByteArray("\xEF\xBB\xBF[Accesso]\r\nValore=7DE0\r\n")
                                                         << QByteArray("\xEF\xBB\xBF[Accesso]\r\nValore=ABCD\r\n");
        QTest::newRow("byte order mark, key added to its section") << QByteArray(
            "\xEF\xBB\xBF[Accesso]\r\nX=1\r\n") << QByteArray("\xEF\xBB\xBF[Accesso]\r\nValore=ABCD\r\nX=1\r\n");
        QTest::newRow("byte order mark, section added at the end")
            << QByteArray("\xEF\xBB\xBF[Altro]\r\nA=1\r\n")
            << QByteArray("\xEF\xBB\xBF[Altro]\r\nA=1\r\n[Accesso]\r\nValore=ABCD\r\n");
    }

    void write()
    {
        QFETCH(QByteArray, before);
        TempProgramFolder folder;
        if (!before.isEmpty())
            put(PasswordStore::path(), before);
        QVERIFY(PasswordStore::writeValue(QStringLiteral("ABCD")));
        QTEST(bytesOf(PasswordStore::path()), "after");
        QCOMPARE(PasswordStore::readValue(), std::optional<QString>(QStringLiteral("ABCD")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {PasswordStore::fileName()});
    }

    // A store that is a symbolic link, to a file elsewhere or to nothing, is
    // never written through: the link becomes a regular store in the program
    // folder and nothing outside it changes. A store read through the link
    // keeps its other lines.
    void linkedStoreIsReplaced_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("link to an outside file")
            << false << QByteArray("[Altro]\r\nA=1\r\n[Accesso]\r\nValore=" + scrambled("PRIMAVERA") + "\r\n");
        QTest::newRow("dangling link") << true << QByteArray("[Accesso]\r\nValore=" + scrambled("PRIMAVERA") + "\r\n");
    }
    void linkedStoreIsReplaced()
    {
        QFETCH(bool, dangling);
        TempProgramFolder folder;
        QTemporaryDir outside;
        QVERIFY(outside.isValid());
        const QString target = outside.filePath(QStringLiteral("altro.ini"));
        if (!dangling)
            put(target, "[Altro]\r\nA=1\r\n");
        QVERIFY(QFile::link(target, PasswordStore::path()));
        const auto before = folderContents(outside.path());

        QVERIFY(PasswordStore::storePassword(QStringLiteral("primavera")));
        const auto after = folderContents(outside.path());
        QVERIFY2(after == before, qPrintable(contentsDifference(before, after)));
        const QFileInfo store(PasswordStore::path());
        QVERIFY(!store.isSymLink());
        QVERIFY(store.isFile());
        QTEST(bytesOf(PasswordStore::path()), "after");
        QCOMPARE(PasswordStore::storedPassword(), std::optional<QString>(QStringLiteral("PRIMAVERA")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList {PasswordStore::fileName()});
    }

    // The store is replaced in one step: a write that fails half-way (here,
    // a full disk) leaves the previous store whole, and nothing beside it.
    void failedWriteKeepsThePreviousStore()
    {
#ifdef TESSARIA_HAS_DISK_FULL
        TempProgramFolder folder;
        QVERIFY(PasswordStore::storePassword(QStringLiteral("girasolemarino")));
        const QByteArray before = bytesOf(PasswordStore::path());
        {
            DiskFull full;
            QVERIFY(!PasswordStore::storePassword(QStringLiteral("primavera")));
        }
        QCOMPARE(bytesOf(PasswordStore::path()), before);
        QCOMPARE(PasswordStore::storedPassword(), std::optional<QString>(QStringLiteral("GIRASOLEMARINO")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {PasswordStore::fileName()});
#else
        QSKIP("needs file size limits");
#endif
    }

    void storeThatIsNoFileIsLeftAlone()
    {
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(PasswordStore::path()));
        QVERIFY(!PasswordStore::writeValue(QStringLiteral("ABCD")));
        QVERIFY(QFileInfo(PasswordStore::path()).isDir());
    }

    void storePasswordUpperCasesAndTrims()
    {
        TempProgramFolder folder;
        QVERIFY(PasswordStore::storePassword(QStringLiteral("  Caffè latte\t")));
        QCOMPARE(PasswordStore::readValue(), std::optional<QString>(Crypt::Codifica(QStringLiteral("CAFFè LATTE"))));
    }

    // The build puts the delivered store beside the program, but never over
    // the store of a user who has changed the password.
    void deliveredStore()
    {
        TempProgramFolder folder;
        const QString sub = folder.file(QStringLiteral("programma"));
        QCOMPARE(deliverStore(sub), Delivery::Written);
        ProgramFolder::set(sub);
        QCOMPARE(PasswordStore::storedPassword(), std::optional<QString>(QStringLiteral("GIRASOLEMARINO")));
        QVERIFY(PasswordStore::storePassword(QStringLiteral("primavera")));
        const QByteArray changed = bytesOf(PasswordStore::path());
        QCOMPARE(deliverStore(sub), Delivery::AlreadyThere);
        ProgramFolder::set(sub);
        QCOMPARE(bytesOf(PasswordStore::path()), changed);
    }
};

TESSARIA_TEST_MAIN(TestPasswordStore)
#include "test_password_store.moc"
