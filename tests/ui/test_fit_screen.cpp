// Every window on one offscreen screen, chosen when the suite is built (see
// CMakeLists.txt): on the desktop each part is exactly where it is built; on
// smaller screens each window lies inside the screen's available area, and
// each part is where the design puts it, at the window's factor, whole and
// readable, its pictures drawn again at their new size. The archive screen
// and its date picker work the same when drawn smaller, and below the
// smallest factor the windows keep it and scroll.

#include "TestSupport.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "capture/ScannerSource.h"
#include "capture/TfrmScanner.h"
#include "checkers/TfrmCodFisc.h"
#include "checkers/TfrmPartitaIva.h"
#include "editor/TfrmAllegaCartella.h"
#include "editor/TfrmArchivio.h"
#include "editor/TfrmCalendario.h"
#include "help/TfrmGuida.h"
#include "help/TfrmInfo.h"
#include "help/TfrmSplash.h"
#include "output/TfrmExp.h"
#include "output/TfrmStampa.h"
#include "search/TfrmSospesi.h"
#include "search/TfrmTrova.h"
#include "ui/GradientDialog.h"
#include "ui/GradientWindow.h"
#include "ui/PictureButton.h"
#include "ui/ScaledPicture.h"
#include "ui/WindowScale.h"

#include <QCalendarWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

#include <functional>
#include <memory>

// The screens of each build of the suite, the first one primary.
#if defined(FIT_ON_DESKTOP)
#define FIT_SCREENS DesktopScreen
#elif defined(FIT_ON_LAPTOP)
// A laptop that leaves 1280 x 660, and a desktop right of it.
#define FIT_SCREENS                                                                                                    \
    R"({"name":"laptop","x":0,"y":0,"width":1280,"height":660,"logicalDpi":96,"dpr":1},)"                              \
    R"({"name":"desktop","x":1280,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1})"
#elif defined(FIT_ON_SCALED)
// 1920 x 1000 pixels at 150 %. The offscreen platform takes the size in
// device-independent pixels: 1280 x 667 for the windows, drawn at 1.5.
#define FIT_SCREENS R"({"name":"scaled","x":0,"y":0,"width":1280,"height":667,"logicalDpi":96,"dpr":1.5})"
#elif defined(FIT_ON_NETBOOK)
#define FIT_SCREENS R"({"name":"netbook","x":0,"y":0,"width":1024,"height":600,"logicalDpi":96,"dpr":1})"
#elif defined(FIT_ON_SMALL)
// 1280 x 720 pixels at 200 %: 640 x 360 for the windows, less than the
// smallest factor of the menu and the archive screens needs.
#define FIT_SCREENS R"({"name":"small","x":0,"y":0,"width":640,"height":360,"logicalDpi":96,"dpr":2})"
#else
#error "the suite is built for one set of screens"
#endif

namespace {

const Categoria& cat(const char* chiave)
{
    return *Catalogo::PerChiave(QString::fromLatin1(chiave));
}

// The scanner window's drivers here: none, so that no real driver probes the
// machine's ports while the window is measured.
struct NoScanner : ScannerSource {
    QList<ScannerDevice> devices() override { return {}; }
    ScanResult scan(const ScanRequest&, const Progress&) override { return {}; }
};

QWidget* scannerWindow(TfrmArchivio& owner)
{
    ScannerSource::setFactory([] { return std::make_unique<NoScanner>(); });
    return new TfrmScanner(&owner);
}

using Maker = std::function<QWidget*(TfrmArchivio& owner)>;

struct Window {
    const char* name;
    Maker make;
};

const QList<Window>& windows()
{
    static const QList<Window> all = {
        {"menu", [](TfrmArchivio&) -> QWidget* { return new TfrmAvvio; }},
        {"archivio_rifiuti", [](TfrmArchivio&) -> QWidget* { return new TfrmArchivio(cat("Rifiuti")); }},
        {"archivio_acquisti", [](TfrmArchivio&) -> QWidget* { return new TfrmArchivio(cat("Acquisti")); }},
        {"login", [](TfrmArchivio&) -> QWidget* { return new TfrmPassword; }},
        {"cambia_password", [](TfrmArchivio&) -> QWidget* { return new TfrmCambiaPassword; }},
        {"calendario", [](TfrmArchivio& o) -> QWidget* { return new TfrmCalendario(&o); }},
        {"trova", [](TfrmArchivio& o) -> QWidget* { return new TfrmTrova(o); }},
        {"sospesi", [](TfrmArchivio& o) -> QWidget* { return new TfrmSospesi(o); }},
        {"esporta", [](TfrmArchivio& o) -> QWidget* { return new TfrmExp(cat("Luce"), &o); }},
        {"stampa", [](TfrmArchivio& o) -> QWidget* { return new TfrmStampa(o); }},
        {"codice_fiscale", [](TfrmArchivio& o) -> QWidget* { return new TfrmCodFisc(&o); }},
        {"partita_iva", [](TfrmArchivio& o) -> QWidget* { return new TfrmPartitaIva(&o); }},
        {"allegati", [](TfrmArchivio& o) -> QWidget* { return new TfrmAllegaCartella(&o); }},
        {"scanner", &scannerWindow},
        {"guida", [](TfrmArchivio& o) -> QWidget* { return new TfrmGuida(&o); }},
        {"info", [](TfrmArchivio& o) -> QWidget* { return new TfrmInfo(&o); }},
        {"presentazione", [](TfrmArchivio& o) -> QWidget* { return new TfrmSplash(&o); }},
    };
    return all;
}

bool isDesktop(const QScreen* s)
{
    return s->availableGeometry().size() == QSize(1920, 1080);
}

qreal factorOf(const QWidget* w)
{
    if (auto* g = qobject_cast<const GradientWindow*>(w))
        return g->scaleFactor();
    if (auto* d = qobject_cast<const GradientDialog*>(w))
        return d->scaleFactor();
    return -1;
}

QWidget* panelOf(QWidget* w)
{
    if (auto* g = qobject_cast<GradientWindow*>(w))
        return g->panel();
    return qobject_cast<GradientDialog*>(w)->panel();
}

// The named parts of a window's panel, in the order they were built.
QList<QWidget*> parts(QWidget* window)
{
    QList<QWidget*> out;
    for (QWidget* w : panelOf(window)->findChildren<QWidget*>()) {
        if (!w->isWindow() && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            out << w;
    }
    return out;
}

// Shown as the program shows it: the menu and the archive screens maximised.
void showAsTheProgram(QWidget* w)
{
    auto* g = qobject_cast<GradientWindow*>(w);
    if (g && g->designSize() != g->minimumSize())
        w->showMaximized();
    else
        w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

bool textFits(const QLabel* l)
{
    if (l->wordWrap() || l->text().isEmpty() || Qt::mightBeRichText(l->text()))
        return true;
    return l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width() + 1;
}

void near(qreal actual, qreal expected, const QString& what)
{
    if (qAbs(actual - expected) > 1.0)
        QTest::qFail(
            qPrintable(QStringLiteral("%1: %2 instead of %3").arg(what).arg(actual).arg(expected)), __FILE__, __LINE__);
}

// The picture a part shows: a label's, a picture button's, a button's icon.
QPixmap pictureOf(const QWidget* w)
{
    if (auto* b = qobject_cast<const PictureButton*>(w))
        return b->picture();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->pixmap();
    if (auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->icon().isNull())
        return b->icon().pixmap(b->iconSize());
    return {};
}

// A picture of the program's in a part drawn at factor f < 1 is drawn again
// for the part's new size and the screen's pixels, not its design bitmap
// shrunk: it has as many device pixels as the part shows it on.
void drawnAgain(const QWidget* design, const QWidget* shown, qreal dpr, const QString& what)
{
    const QPixmap before = pictureOf(design);
    if (before.isNull())
        return;
    QVERIFY2(ScaledPicture::redraws(shown), qPrintable(what + QStringLiteral(": not drawn again")));
    QSize pixels;
    QSize expected = shown->size();
    if (auto* b = qobject_cast<const QAbstractButton*>(shown); b && !qobject_cast<const PictureButton*>(b)) {
        // The icon holds the one picture it was given.
        const QList<QSize> sizes = b->icon().availableSizes();
        QCOMPARE(sizes.size(), 1);
        pixels = sizes.first();
        expected = b->iconSize();
    } else {
        const QPixmap now = pictureOf(shown);
        QCOMPARE(now.devicePixelRatio(), dpr);
        pixels = now.size();
        if (before.size() != design->size())
            expected = WindowScale::scaled(before.size(), shown->width() / qreal(design->width()));
    }
    if (auto* l = qobject_cast<const QLabel*>(shown))
        QVERIFY2(!l->hasScaledContents(), qPrintable(what + QStringLiteral(": shrunk by the label")));
    near(pixels.width(), expected.width() * dpr, what + QStringLiteral(" picture width"));
    near(pixels.height(), expected.height() * dpr, what + QStringLiteral(" picture height"));
}

// Brings w into view where the window scrolls, then clicks where the user
// sees it, through the window, as a real click lands on whatever is there.
void clickAsSeen(QWidget* w)
{
    QWidget* window = w->window();
    if (auto* view = window->findChild<QScrollArea*>(QStringLiteral("scrPannello")))
        view->ensureWidgetVisible(w, 0, 0);
    const QPoint at = w->mapTo(window, w->rect().center());
    QVERIFY2(window->rect().contains(at), qPrintable(w->objectName()));
    QWidget* hit = window->childAt(at);
    QVERIFY2(hit == w || w->isAncestorOf(hit), qPrintable(w->objectName()));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

} // namespace

class TestFitScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testDialogs().reset(); }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    void everyWindow_data()
    {
        QTest::addColumn<int>("which");
        for (int i = 0; i < windows().size(); ++i)
            QTest::newRow(windows().at(i).name) << i;
    }
    void everyWindow()
    {
        QFETCH(int, which);
        TempProgramFolder folder;
        TfrmArchivio owner(cat("Rifiuti"));
        owner.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        std::unique_ptr<QWidget> design(windows().at(which).make(owner));
        std::unique_ptr<QWidget> shown(windows().at(which).make(owner));
        showAsTheProgram(shown.get());

        QScreen* screen = shown->screen();
        const QRect area = screen->availableGeometry();
        QVERIFY2(area.contains(shown->frameGeometry()),
            qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                           .arg(shown->frameGeometry().x())
                           .arg(shown->frameGeometry().y())
                           .arg(shown->frameGeometry().width())
                           .arg(shown->frameGeometry().height())));
        const qreal f = factorOf(shown.get());
        const QString name = QString::fromLatin1(windows().at(which).name);
        if (isDesktop(screen))
            QCOMPARE(f, 1.0);
        else if (name == QLatin1String("menu") || name.startsWith(QLatin1String("archivio")))
            QVERIFY2(f < 1.0,
                qPrintable(QStringLiteral("%1x%2 dpr %3")
                               .arg(area.width())
                               .arg(area.height())
                               .arg(screen->devicePixelRatio())));
        QVERIFY(f >= 0.6);

        const QList<QWidget*> built = parts(design.get());
        const QList<QWidget*> seen = parts(shown.get());
        QCOMPARE(seen.size(), built.size());
        QWidget* panel = panelOf(shown.get());
        for (int i = 0; i < built.size(); ++i) {
            const QWidget* b = built.at(i);
            const QWidget* s = seen.at(i);
            QCOMPARE(s->objectName(), b->objectName());
            const QString what = name + QLatin1Char('/') + s->objectName();
            if (f == 1.0) {
                QCOMPARE(s->geometry(), b->geometry());
                QCOMPARE(s->font(), b->font());
                continue;
            }
            const QRect g = b->geometry();
            near(s->x(), g.x() * f, what + QStringLiteral(" x"));
            near(s->y(), g.y() * f, what + QStringLiteral(" y"));
            near(s->width(), g.width() * f, what + QStringLiteral(" width"));
            near(s->height(), g.height() * f, what + QStringLiteral(" height"));
            near(
                QFontInfo(s->font()).pixelSize(), QFontInfo(b->font()).pixelSize() * f, what + QStringLiteral(" font"));
            if (!b->isVisibleTo(panelOf(design.get())))
                continue;
            // Whole inside its box and inside the window, as at the design size.
            if (b->parentWidget()->rect().contains(b->geometry()))
                QVERIFY2(s->parentWidget()->rect().contains(s->geometry()), qPrintable(what));
            const QRect inWindow(s->mapTo(shown.get(), QPoint(0, 0)), s->size());
            QVERIFY2(shown->rect().contains(inWindow) || panel->parentWidget() != shown.get(), qPrintable(what));
            if (auto* l = qobject_cast<const QLabel*>(b); l && textFits(l))
                QVERIFY2(textFits(qobject_cast<const QLabel*>(s)), qPrintable(what + QStringLiteral(" text")));
            drawnAgain(b, s, screen->devicePixelRatio(), what);
        }
        // Parts apart at the design size stay apart.
        for (int i = 0; i < built.size(); ++i)
            for (int j = i + 1; j < built.size(); ++j)
                if (built.at(i)->parentWidget() == built.at(j)->parentWidget()
                    && !built.at(i)->geometry().intersects(built.at(j)->geometry()))
                    QVERIFY2(!seen.at(i)->geometry().intersects(seen.at(j)->geometry()),
                        qPrintable(seen.at(i)->objectName() + QLatin1Char('+') + seen.at(j)->objectName()));
    }

    // Typing, the date picker and a save, with the mouse where the user sees
    // the commands.
    void workAtTheScreensScale()
    {
        TempProgramFolder folder;
        TfrmArchivio s(cat("Rifiuti"));
        s.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QApplication::setActiveWindow(&s);
        (void)QTest::qWaitForWindowActive(&s);
        const struct {
            const char* field;
            const char* text;
        } typed[] = {{"txtNumero", "F-2024/77"}, {"txtBeneficiario", "Comune di Ravenna"},
            {"txtCausale", "Tassa rifiuti"}, {"txtPagatore", "Maria Rossi"}, {"txtPrezzo", "187,40"}};
        for (const auto& t : typed) {
            auto* e = child<QLineEdit>(&s, QString::fromLatin1(t.field));
            clickAsSeen(e);
            QTRY_VERIFY(e->hasFocus());
            e->selectAll();
            QTest::keyClicks(e, QString::fromLatin1(t.text));
            QCOMPARE(e->text(), QString::fromLatin1(t.text));
        }

        auto* sca = child<QLineEdit>(&s, QStringLiteral("txtDataSca"));
        sca->setFocus();
        qreal pickerFactor = 0;
        onNextModal([&pickerFactor](QWidget* w) {
            pickerFactor = factorOf(w);
            auto* cal = w->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"));
            cal->setSelectedDate(QDate(2024, 3, 31));
            clickAsSeen(w->findChild<QPushButton*>(QStringLiteral("btnImportaData")));
        });
        QTest::keyClick(sca, Qt::Key_A);
        QVERIFY(pickerFactor >= 0.6);
        QCOMPARE(sca->text(), QStringLiteral("31/03/2024"));

        testDialogs().expectMessage(
            Dialogs::Kind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        clickAsSeen(child<QPushButton>(&s, QStringLiteral("cmdSalva")));
        QCOMPARE(child<QLabel>(&s, QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
        QVERIFY(QFile::exists(folder.file(QStringLiteral("Archivio_Rifiuti.pro"))));
    }

    // Below the smallest factor the menu and the archive screen keep it, the
    // window stays inside the screen, and what lies beyond the view is
    // scrolled to and works: the exit icon at the bottom of the menu, the
    // codice fiscale row at the bottom of the archive screen.
    void scrollsBelowTheMinimum()
    {
        TempProgramFolder folder;
        TfrmAvvio menu;
        menu.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const QSize room = menu.screen()->availableGeometry().size();
        if (!WindowScale::fit(menu.panel()->size(), room).scrolls && menu.scaleFactor() != WindowScale::Minimum)
            QSKIP("the screen holds the windows at the smallest factor");
        QCOMPARE(menu.scaleFactor(), WindowScale::Minimum);
        QVERIFY(menu.screen()->availableGeometry().contains(menu.frameGeometry()));
        auto* view = child<QScrollArea>(&menu, QStringLiteral("scrPannello"));
        QCOMPARE(view->widget(), menu.panel());
        QCOMPARE(menu.panel()->size(), WindowScale::scaled(QSize(995, 692), WindowScale::Minimum));
        QVERIFY(menu.rect().contains(view->geometry()));
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        QSignalSpy quit(&menu, &TfrmAvvio::quitRequested);
        clickAsSeen(child<QWidget>(&menu, QStringLiteral("imgEsci")));
        QCOMPARE(quit.count(), 1);

        TfrmArchivio s(cat("Rifiuti"));
        s.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.scaleFactor(), WindowScale::Minimum);
        QVERIFY(s.screen()->availableGeometry().contains(s.frameGeometry()));
        auto* codFisc = s.Campo(QStringLiteral("CodFisc"));
        clickAsSeen(codFisc);
        QTRY_VERIFY(codFisc->hasFocus());
        QTest::keyClicks(codFisc, QStringLiteral("RSSMRA80A41H501Y"));
        QCOMPARE(codFisc->text(), QStringLiteral("RSSMRA80A41H501Y"));
        QSignalSpy check(&s, &TfrmArchivio::codeCheckRequested);
        clickAsSeen(child<QWidget>(&s, QStringLiteral("btnCodFisc")));
        QCOMPARE(check.count(), 1);
        QCOMPARE(check.at(0).at(0).toString(), QStringLiteral("RSSMRA80A41H501Y"));
    }

    // Going to another screen, or the screen changing its size, decides the
    // factor again.
    void otherScreen()
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2)
            QSKIP("one screen");
        TfrmAvvio menu;
        menu.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const qreal first = menu.scaleFactor();
        auto* esci = child<QWidget>(&menu, QStringLiteral("imgEsci"));
        const QRect place = esci->geometry();
        for (QScreen* other : {screens.at(1), screens.at(0)}) {
            menu.windowHandle()->setScreen(other);
            menu.setGeometry(QRect(other->availableGeometry().topLeft() + QPoint(2, 2), menu.size()));
            menu.showNormal();
            menu.showMaximized();
            QTRY_COMPARE(menu.screen(), other);
            const qreal expected = isDesktop(other) ? 1.0 : first;
            QTRY_COMPARE(menu.scaleFactor(), expected);
            QCOMPARE(esci->geometry(), expected == 1.0 ? QRect(921, 625, 48, 48) : place);
        }
    }
};

TESSARIA_TEST_MAIN_ON(TestFitScreen, FIT_SCREENS)
#include "test_fit_screen.moc"
