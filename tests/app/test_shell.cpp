// The application shell driven through its real windows: login, change
// password, main menu and the hand-overs between them.

#include "Faults.h"
#include "TestSupport.h"
#include "app/AppWindows.h"
#include "app/PasswordStore.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "ui/Maker.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

namespace {
const QString WrongPassword = QStringLiteral("Attenzione: password errata.");
const QString ReadError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                                         "della password. Si consiglia di reinstallare il software.");
const QString WrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                            "E' necessario reinserire entrambi i valori.");
const QString Changed = QStringLiteral("Modifica della password completata con successo.");
const QString ChangeError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                           "della password. Si consiglia di reinstallare il software.");
const QString CannotKeep = QStringLiteral("Attenzione: la nuova password non può essere salvata. Usare al massimo "
                                          "255 caratteri, senza simboli come €.");

QByteArray storeBytes()
{
    QFile f(PasswordStore::path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The names of the visible top-level windows, sorted.
QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty())
            names << w->objectName();
    }
    names.sort();
    return names;
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<AppWindows> app_;

    QWidget* login() const { return app_->login(); }
    QWidget* menu() const { return app_->menu(); }
    QWidget* change() const { return app_->changePassword(); }
    QLineEdit* edit(QWidget* window, const char* name) const
    {
        return child<QLineEdit>(window, QString::fromLatin1(name));
    }
    QPushButton* button(QWidget* window, const char* name) const
    {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
    template <typename T = QAbstractButton> T* picture(const QString& name) const { return child<T>(menu(), name); }

    // Types text into the login window's field and presses OK.
    void tryPassword(const QString& text)
    {
        edit(login(), "txtPassword")->setText(text);
        QTest::mouseClick(button(login(), "cmdOK"), Qt::LeftButton);
    }

    void logIn()
    {
        tryPassword(QStringLiteral("girasolemarino"));
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmAvvio")});
    }

    // From the login window to the change-password window, with three texts typed.
    void openChange(const QString& old = {}, const QString& fresh = {}, const QString& confirm = {})
    {
        QTest::mouseClick(button(login(), "btnCambiaPassword"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(change()));
        edit(change(), "txtPasswordOld")->setText(old);
        edit(change(), "txtPasswordNew")->setText(fresh);
        edit(change(), "txtConferma")->setText(confirm);
    }

    void pressChangeOK()
    {
        QPushButton* ok = button(change(), "cmdOK");
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
    }

    // Ways a store can be damaged; an empty content stands for a folder in
    // the store's place, which no program can read as a file.
    static void damagedStores()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("value not hexadecimal") << QByteArray("[Accesso]\r\nValore=7DE0G1\r\n");
        QTest::newRow("binary garbage in the value") << QByteArray("[Accesso]\r\nValore=\x01\xFF\x80zz\r\n");
        QTest::newRow("store is a folder") << QByteArray();
    }
    static void damageStore(const QByteArray& content)
    {
        QVERIFY(QFile::remove(PasswordStore::path()));
        if (content.isEmpty()) {
            QVERIFY(QDir().mkpath(PasswordStore::path()));
            QFile inside(PasswordStore::path() + QStringLiteral("/Valore"));
            QVERIFY(inside.open(QIODevice::WriteOnly));
            inside.write("7DE0");
            return;
        }
        QFile f(PasswordStore::path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(content), content.size());
    }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<TempProgramFolder>();
        QVERIFY(PasswordStore::storePassword(QStringLiteral("girasolemarino")));
        app_ = std::make_unique<AppWindows>();
        app_->start();
        QVERIFY(QTest::qWaitForWindowActive(login()));
    }

    void cleanup()
    {
        app_.reset();
        folder_.reset();
        QVERIFY(testDialogs().verify());
        testDialogs().reset();
        openedByShell().clear();
    }

    // ---- Windows as built -------------------------------------------------

    void windowsAtStartUp()
    {
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmPassword")});
        QCOMPARE(login()->windowTitle(), QStringLiteral(" Tessaria 3.0 - Accesso"));
        QCOMPARE(login()->size(), QSize(388, 405));
        QCOMPARE(change()->windowTitle(), QStringLiteral(" Cambia password"));
        QCOMPARE(change()->size(), QSize(411, 418));
        QCOMPARE(menu()->windowTitle(), QStringLiteral(" Tessaria 3.0"));
        QCOMPARE(QApplication::focusWidget(), edit(login(), "txtPassword"));
        QVERIFY(!button(login(), "cmdOK")->isEnabled());
        for (const Categoria& c : Catalogo::Tutte()) {
            QWidget* archive = app_->archive(c);
            QVERIFY(archive);
            QCOMPARE(archive->objectName(), c.NomeArchivio());
            QCOMPARE(archive->windowTitle(), c.CaptionArchivio());
        }
    }

    void menuTilesAtTheirPlaces()
    {
        const int xs[] = {26, 218, 410, 602, 794};
        const auto& all = Catalogo::Tutte();
        for (int i = 0; i < all.size(); ++i) {
            const QPoint at(xs[i % 5], i < 5 ? 154 : 392);
            QCOMPARE(picture(QStringLiteral("img") + all.at(i).Riquadro)->geometry(), QRect(at, QSize(176, 160)));
            QCOMPARE(picture(QStringLiteral("btn") + all.at(i).Riquadro)->geometry(),
                QRect(at + QPoint(-1, 166), QSize(180, 36)));
        }
        for (const char* name : {"imgInfo", "imgGuida", "imgCopyright", "imgSito", "imgEsci", "imgAuto"})
            QCOMPARE(picture(QString::fromLatin1(name))->cursor().shape(), Qt::PointingHandCursor);
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("login") << QStringLiteral("login")
                               << QStringList {QStringLiteral("txtPassword"), QStringLiteral("cmdOK"),
                                      QStringLiteral("cmdEsci"), QStringLiteral("btnCambiaPassword")};
        QTest::newRow("change password") << QStringLiteral("change")
                                         << QStringList {QStringLiteral("txtPasswordOld"),
                                                QStringLiteral("txtPasswordNew"), QStringLiteral("txtConferma"),
                                                QStringLiteral("cmdEsci"), QStringLiteral("cmdOK")};
    }

    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QWidget* w = login();
        if (window == QLatin1String("change")) {
            openChange(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
            w = change();
        } else {
            edit(w, "txtPassword")->setText(QStringLiteral("a"));
        }
        w->findChild<QWidget*>(order.first())->setFocus();
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    }

    // Each yellow rectangle is there only while its own field has the focus.
    void highlightFollowsFocus()
    {
        QWidget* eff = login()->findChild<QWidget*>(QStringLiteral("effPassword"));
        QVERIFY(eff->isVisible());
        QVERIFY(eff->geometry().contains(edit(login(), "txtPassword")->geometry()));
        button(login(), "cmdEsci")->setFocus();
        QVERIFY(!eff->isVisible());

        openChange();
        const char* fields[][2] = {
            {"txtPasswordOld", "effPasswordOld"}, {"txtPasswordNew", "effPasswordNew"}, {"txtConferma", "effConferma"}};
        for (const auto& focused : fields) {
            edit(change(), focused[0])->setFocus();
            for (const auto& f : fields)
                QCOMPARE(change()->findChild<QWidget*>(QString::fromLatin1(f[1]))->isVisible(), &f[0] == &focused[0]);
        }
    }

    // ---- Login -------------------------------------------------------------

    void loginCheck_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("as stored") << "girasolemarino"
                                   << "GIRASOLEMARINO" << true;
        QTest::newRow("lower case") << "girasolemarino"
                                    << "girasolemarino" << true;
        QTest::newRow("mixed case, blanks around") << "girasolemarino"
                                                   << "  GiraSoleMarino \t" << true;
        QTest::newRow("blank inside") << "girasolemarino"
                                      << "girasole marino" << false;
        QTest::newRow("wrong") << "girasolemarino"
                               << "girasole" << false;
        QTest::newRow("accent typed as set") << "caffè"
                                             << "CAFFè" << true;
        QTest::newRow("accent in the other case") << "caffè"
                                                  << "CAFFÈ" << false;
        QTest::newRow("no store") << QString() << "girasolemarino" << false;
    }

    void loginCheck()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        if (stored.isNull())
            QVERIFY(QFile::remove(PasswordStore::path()));
        else
            QVERIFY(PasswordStore::storePassword(stored));
        if (!accepted)
            testDialogs().expectPlain(WrongPassword);
        tryPassword(typed);
        if (accepted) {
            QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmAvvio")});
            QVERIFY(menu()->isMaximized());
            return;
        }
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmPassword")});
        QCOMPARE(edit(login(), "txtPassword")->text(), QString());
        QVERIFY(!button(login(), "cmdOK")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), edit(login(), "txtPassword"));
    }

    void enterConfirmsTypedPassword()
    {
        QTest::keyClicks(edit(login(), "txtPassword"), QStringLiteral("girasolemarino"));
        QTest::keyClick(edit(login(), "txtPassword"), Qt::Key_Return);
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmAvvio")});
    }

    // Blanks are no password: OK stays off and neither Enter nor Escape does
    // anything (an unexpected message would fail the test).
    void blankInputDoesNothing()
    {
        QLineEdit* field = edit(login(), "txtPassword");
        QTest::keyClicks(field, QStringLiteral("   "));
        QVERIFY(!button(login(), "cmdOK")->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmPassword")});
        QCOMPARE(field->text(), QStringLiteral("   "));
        QTest::keyClick(field, Qt::Key_A);
        QVERIFY(button(login(), "cmdOK")->isEnabled());
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!button(login(), "cmdOK")->isEnabled());
    }

    // A store that is there but cannot be read, or whose value cannot be
    // unscrambled: the read error, the window as it was, and the store left
    // exactly as it is (a reinstall may still recover it).
    void damagedStoreGivesReadError_data() { damagedStores(); }
    void damagedStoreGivesReadError()
    {
        QFETCH(QByteArray, content);
        damageStore(content);
        const auto before = folderContents(folder_->path());
        testDialogs().expectPlain(ReadError);
        tryPassword(QStringLiteral("girasolemarino"));
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmPassword")});
        QCOMPARE(edit(login(), "txtPassword")->text(), QStringLiteral("girasolemarino"));
        const auto after = folderContents(folder_->path());
        QVERIFY2(after == before, qPrintable(contentsDifference(before, after)));
    }

    // The same stores refuse a change of password, whatever is typed, and
    // are not replaced by a new one.
    void damagedStoreRefusesChange_data() { damagedStores(); }
    void damagedStoreRefusesChange()
    {
        QFETCH(QByteArray, content);
        damageStore(content);
        const auto before = folderContents(folder_->path());
        openChange(QStringLiteral("girasolemarino"), QStringLiteral("primavera"), QStringLiteral("primavera"));
        testDialogs().expectPlain(ChangeError);
        pressChangeOK();
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmCambiaPassword")});
        QCOMPARE(edit(change(), "txtPasswordOld")->text(), QStringLiteral("girasolemarino"));
        QCOMPARE(edit(change(), "txtPasswordNew")->text(), QStringLiteral("primavera"));
        QCOMPARE(edit(change(), "txtConferma")->text(), QStringLiteral("primavera"));
        const auto after = folderContents(folder_->path());
        QVERIFY2(after == before, qPrintable(contentsDifference(before, after)));
    }

    void loginEsciEndsTheProgram()
    {
        QSignalSpy ended(app_.get(), &AppWindows::ended);
        QTest::mouseClick(button(login(), "cmdEsci"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!login()->isVisible());
    }

    // ---- Change password ---------------------------------------------------

    void changeWindowOpensEmptyAndCloses()
    {
        const QByteArray before = storeBytes();
        edit(login(), "txtPassword")->setText(QStringLiteral("mezza parola"));
        openChange();
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmCambiaPassword")});
        QCOMPARE(QApplication::focusWidget(), edit(change(), "txtPasswordOld"));
        QVERIFY(!button(change(), "cmdOK")->isEnabled());

        // Shown again, it starts empty whatever it held before.
        edit(change(), "txtPasswordOld")->setText(QStringLiteral("x"));
        QTest::mouseClick(button(change(), "cmdEsci"), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmPassword")});
        QCOMPARE(edit(login(), "txtPassword")->text(), QString());
        QVERIFY(QTest::qWaitForWindowActive(login()));
        QCOMPARE(QApplication::focusWidget(), edit(login(), "txtPassword"));
        openChange();
        QCOMPARE(edit(change(), "txtPasswordOld")->text(), QString());
        QCOMPARE(storeBytes(), before);
    }

    void okNeedsThreeTexts_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all three") << "a"
                                   << "b"
                                   << "c" << true;
        QTest::newRow("old blank") << " "
                                   << "b"
                                   << "c" << false;
        QTest::newRow("new empty") << "a"
                                   << ""
                                   << "c" << false;
        QTest::newRow("confirmation blank") << "a"
                                            << "b"
                                            << "\t " << false;
    }

    void okNeedsThreeTexts()
    {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, confirm);
        openChange(old, fresh, confirm);
        QTEST(button(change(), "cmdOK")->isEnabled(), "enabled");
    }

    // Enter only walks the fields in a ring; it never confirms.
    void enterWalksTheFields()
    {
        const QByteArray before = storeBytes();
        openChange(QStringLiteral("girasolemarino"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        const char* ring[] = {"txtPasswordOld", "txtPasswordNew", "txtConferma", "txtPasswordOld"};
        edit(change(), ring[0])->setFocus();
        for (int i = 1; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), edit(change(), ring[i]));
        }
        QVERIFY(change()->isVisible());
        QCOMPARE(storeBytes(), before);
    }

    void wrongOldPassword()
    {
        const QByteArray before = storeBytes();
        openChange(QStringLiteral("girasole"), QStringLiteral("nuova"), QStringLiteral("altra"));
        testDialogs().expectPlain(WrongOld);
        pressChangeOK();
        QCOMPARE(edit(change(), "txtPasswordOld")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), edit(change(), "txtPasswordOld"));
        // Not looked at, so kept as typed.
        QCOMPARE(edit(change(), "txtPasswordNew")->text(), QStringLiteral("nuova"));
        QCOMPARE(edit(change(), "txtConferma")->text(), QStringLiteral("altra"));
        QCOMPARE(storeBytes(), before);
    }

    void confirmationDifferingOnlyInCase()
    {
        const QByteArray before = storeBytes();
        openChange(QStringLiteral("GIRASOLEmarino"), QStringLiteral("primavera"), QStringLiteral("Primavera"));
        testDialogs().expectPlain(NotConfirmed);
        pressChangeOK();
        QCOMPARE(edit(change(), "txtPasswordOld")->text(), QStringLiteral("GIRASOLEmarino"));
        QCOMPARE(edit(change(), "txtPasswordNew")->text(), QString());
        QCOMPARE(edit(change(), "txtConferma")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), edit(change(), "txtPasswordNew"));
        QCOMPARE(storeBytes(), before);
    }

    void successfulChangeRulesTheNextLogin()
    {
        openChange(QStringLiteral(" girasolemarino "), QStringLiteral("  Prima Vera "), QStringLiteral("Prima Vera"));
        testDialogs().expectPlain(Changed);
        pressChangeOK();
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmPassword")});
        QCOMPARE(edit(login(), "txtPassword")->text(), QString());
        QCOMPARE(PasswordStore::storedPassword(), std::optional<QString>(QStringLiteral("PRIMA VERA")));

        testDialogs().expectPlain(WrongPassword);
        tryPassword(QStringLiteral("girasolemarino"));
        QVERIFY(testDialogs().verify());
        tryPassword(QStringLiteral("prima vERA"));
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmAvvio")});
    }

    // A store a text editor saved with a byte-order mark: the change takes
    // effect in the section the login reads, no second section appears, and
    // the mark stays where it was.
    void changeInStoreWithByteOrderMark()
    {
        const QByteArray bom = "\xEF\xBB\xBF";
        const QByteArray withBom = bom + storeBytes();
        QFile f(PasswordStore::path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(withBom), withBom.size());
        f.close();
        QVERIFY(storeBytes().startsWith(bom + "[Accesso]"));

        openChange(QStringLiteral("girasolemarino"), QStringLiteral("primavera"), QStringLiteral("primavera"));
        testDialogs().expectPlain(Changed);
        pressChangeOK();
        const QByteArray after = storeBytes();
        QVERIFY2(after.startsWith(bom + "[Accesso]"), after.constData());
        QCOMPARE(after.count("[Accesso]"), 1);

        testDialogs().expectPlain(WrongPassword);
        tryPassword(QStringLiteral("girasolemarino"));
        QVERIFY(testDialogs().verify());
        tryPassword(QStringLiteral("primavera"));
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmAvvio")});
    }

    void sameNewPasswordRewritesTheStore()
    {
        QFile::remove(PasswordStore::path());
        QVERIFY(PasswordStore::writeValue(QStringLiteral("7de04178fb138ebc4d374a312e9a")));
        openChange(
            QStringLiteral("girasolemarino"), QStringLiteral("girasolemarino"), QStringLiteral("girasolemarino"));
        testDialogs().expectPlain(Changed);
        pressChangeOK();
        QCOMPARE(storeBytes(), QByteArray("[Accesso]\r\nValore=7DE04178FB138EBC4D374A312E9A\r\n"));
    }

    // A password the scrambler cannot keep would lock everyone out once
    // stored; it is refused and the store stays as it was.
    void unkeepablePasswordRefused_data()
    {
        QTest::addColumn<QString>("fresh");
        QTest::newRow("euro sign") << QStringLiteral("100€");
        QTest::newRow("256 characters") << QString(256, QLatin1Char('x'));
    }

    void unkeepablePasswordRefused()
    {
        QFETCH(QString, fresh);
        const QByteArray before = storeBytes();
        openChange(QStringLiteral("girasolemarino"), fresh, fresh);
        testDialogs().expectPlain(CannotKeep);
        pressChangeOK();
        QCOMPARE(storeBytes(), before);
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmCambiaPassword")});
        QCOMPARE(edit(change(), "txtPasswordNew")->text(), QString());
        QCOMPARE(edit(change(), "txtConferma")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), edit(change(), "txtPasswordNew"));
    }

    void longestKeepablePasswordAccepted()
    {
        const QString fresh = QString(254, QLatin1Char('y')) + QStringLiteral("ÿ");
        openChange(QStringLiteral("girasolemarino"), fresh, fresh);
        testDialogs().expectPlain(Changed);
        pressChangeOK();
        QCOMPARE(PasswordStore::storedPassword(),
            std::optional<QString>(QString(254, QLatin1Char('Y')) + QStringLiteral("ÿ")));
    }

    // The store cannot be written (a full disk, or something that is no file
    // where the store should be): the error message, the window unchanged,
    // the old password still in force.
    void unwritableStore_data()
    {
        QTest::addColumn<QString>("fault");
#ifdef TESSARIA_HAS_DISK_FULL
        QTest::newRow("disk full") << "disk full";
#endif
        QTest::newRow("store is a folder") << "folder";
        QTest::newRow("read-only program folder") << "read-only";
    }

    void unwritableStore()
    {
        QFETCH(QString, fault);
        const bool diskFull = fault == QLatin1String("disk full");
        if (fault == QLatin1String("folder")) {
            QVERIFY(QFile::remove(PasswordStore::path()));
            QVERIFY(QDir().mkpath(PasswordStore::path()));
        }
        std::unique_ptr<ReadOnlyFolder> readOnly;
        if (fault == QLatin1String("read-only")) {
            readOnly = std::make_unique<ReadOnlyFolder>(folder_->path());
            if (!readOnly->holds())
                QSKIP("file permissions do not stop this user (root)");
        }
        const QByteArray before = storeBytes();
        const auto beforeAll = folderContents(folder_->path());
        openChange(QStringLiteral("girasolemarino"), QStringLiteral("primavera"), QStringLiteral("primavera"));
        testDialogs().expectPlain(ChangeError);
        {
#ifdef TESSARIA_HAS_DISK_FULL
            std::unique_ptr<DiskFull> full;
            if (diskFull)
                full = std::make_unique<DiskFull>();
#endif
            pressChangeOK();
        }
        const auto afterAll = folderContents(folder_->path());
        QVERIFY2(afterAll == beforeAll, qPrintable(contentsDifference(beforeAll, afterAll)));
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmCambiaPassword")});
        QCOMPARE(edit(change(), "txtPasswordOld")->text(), QStringLiteral("girasolemarino"));
        QCOMPARE(edit(change(), "txtPasswordNew")->text(), QStringLiteral("primavera"));
        QCOMPARE(edit(change(), "txtConferma")->text(), QStringLiteral("primavera"));
        QCOMPARE(storeBytes(), before);
        if (fault != QLatin1String("folder"))
            QCOMPARE(PasswordStore::storedPassword(), std::optional<QString>(QStringLiteral("GIRASOLEMARINO")));
    }

    // ---- Main menu ---------------------------------------------------------

    void tileOpensItsArchive_data()
    {
        QTest::addColumn<QString>("chiave");
        for (const Categoria& c : Catalogo::Tutte())
            QTest::newRow(qPrintable(c.Chiave)) << c.Chiave;
    }

    // Picture and caption strip open the same screen, created once; closing
    // it brings the menu back, and only one window is ever visible.
    void tileOpensItsArchive()
    {
        QFETCH(QString, chiave);
        const Categoria& c = *Catalogo::PerChiave(chiave);
        logIn();
        QWidget* archive = app_->archive(c);
        for (const QString& part : {QStringLiteral("img"), QStringLiteral("btn")}) {
            QTest::mouseClick(picture(part + c.Riquadro), Qt::LeftButton);
            QCOMPARE(visibleWindows(), QStringList {c.NomeArchivio()});
            QVERIFY(archive->isVisible() && archive->isMaximized());
            archive->close();
            QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmAvvio")});
        }
    }

    void oneArchiveAfterAnother()
    {
        logIn();
        QTest::mouseClick(picture(QStringLiteral("imgAuto")), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmArchivio_Automezzi")});
        app_->archive(*Catalogo::PerChiave(QStringLiteral("Automezzi")))->close();
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmAvvio")});
        QTest::mouseClick(picture(QStringLiteral("btnTelefono")), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QStringList {QStringLiteral("frmArchivio_Telefono")});
    }

    void menuEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byIcon");
        QTest::newRow("exit icon") << true;
        QTest::newRow("window close") << false;
    }

    void menuEndsTheProgram()
    {
        QFETCH(bool, byIcon);
        logIn();
        QSignalSpy ended(app_.get(), &AppWindows::ended);
        if (byIcon)
            QTest::mouseClick(picture(QStringLiteral("imgEsci")), Qt::LeftButton);
        else
            menu()->close();
        QCOMPARE(ended.count(), 1);
    }

    void webStripOpensTheSite()
    {
        logIn();
        QTest::mouseClick(picture(QStringLiteral("imgSito")), Qt::LeftButton);
        QCOMPARE(openedByShell(), QStringList {QString(Maker::WebSite)});
    }
};

TESSARIA_TEST_MAIN(TestShell)
#include "test_shell.moc"
