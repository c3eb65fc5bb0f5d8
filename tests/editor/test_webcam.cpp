#include "EditorFixtures.h"
#include "editor/CameraSource.h"
#include "editor/DialogPictures.h"
#include "editor/FrameHandOver.h"
#include "editor/TfrmWebCam.h"
#include "ui/ImageBox.h"

#include <QCameraDevice>
#include <QImageReader>
#include <QMediaDevices>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <thread>

using namespace fixtures;
using Kind = Dialogs::Kind;
using What = ScriptedDialogs::What;

namespace {

const QSize Fotogramma(320, 240);
const QString ScritturaFallita
    = QStringLiteral("Attenzione: non è stato possibile scrivere la foto nel file indicato.");

// What every fake camera of a test did.
struct Registro {
    std::atomic<int> avvii {0};
    std::atomic<int> fotogrammi {0};
    std::atomic<int> copie {0};
    std::atomic<int> copieFuoriDalFiloUI {0};
    std::atomic<int> filiVivi {0};
};
Registro registro;

// A camera whose capture thread delivers frames as fast as it is let:
// every frame is announced from the worker thread, and stop() waits for that
// thread to end, as a capture service that joins its thread does. Each frame
// carries its number in its colour.
class FakeCamera : public CameraSource {
public:
    FakeCamera(QObject* parent, bool presente)
        : CameraSource(parent)
        , presente_(presente)
    { }
    ~FakeCamera() override { stop(); }

    bool available() const override { return presente_; }
    void start() override
    {
        if (!presente_ || attiva_)
            return;
        ++registro.avvii;
        ferma_ = false;
        attiva_ = true;
        ++registro.filiVivi;
        filo_ = std::thread([this] {
            for (quint32 n = 1; !ferma_; ++n) {
                QImage f(Fotogramma, QImage::Format_RGB32);
                f.fill(QColor::fromRgb(0xFF000000u | (n & 0xFFFFFF)));
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    ultimo_ = f;
                }
                ++registro.fotogrammi;
                announce();
            }
            --registro.filiVivi;
        });
    }
    void stop() override
    {
        if (!attiva_)
            return;
        ferma_ = true;
        filo_.join();
        attiva_ = false;
    }
    bool isActive() const override { return attiva_; }
    bool copyLatest(QImage& picture) override
    {
        if (QThread::currentThread() != qApp->thread())
            ++registro.copieFuoriDalFiloUI;
        if (!attiva_)
            return false;
        std::lock_guard<std::mutex> lock(mutex_);
        if (ultimo_.isNull())
            return false;
        picture = ultimo_;
        ++registro.copie;
        return true;
    }

private:
    const bool presente_;
    bool attiva_ = false;
    std::atomic<bool> ferma_ {false};
    std::thread filo_;
    std::mutex mutex_;
    QImage ultimo_;
};

// Aborts the run with a message when a test does not end in time: a
// deadlock would otherwise only show as a suite killed by its time limit.
class CaneDaGuardia {
public:
    CaneDaGuardia(int secondi, const QByteArray& cosa)
        : filo_([this, secondi, cosa] {
            std::unique_lock<std::mutex> l(m_);
            if (!cv_.wait_for(l, std::chrono::seconds(secondi), [this] { return finito_; })) {
                std::fprintf(stderr, "FAIL: %s did not end within %d s: deadlock\n", cosa.constData(), secondi);
                std::abort();
            }
        })
    { }
    ~CaneDaGuardia()
    {
        {
            std::lock_guard<std::mutex> l(m_);
            finito_ = true;
        }
        cv_.notify_all();
        filo_.join();
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool finito_ = false;
    std::thread filo_;
};

ImageBox* camera(QWidget* d)
{
    return figlio<ImageBox>(d, "imgCamera");
}
ImageBox* target(QWidget* d)
{
    return figlio<ImageBox>(d, "imgTarget");
}
FakeCamera* finta(QWidget* d)
{
    return static_cast<FakeCamera*>(static_cast<TfrmWebCam*>(d)->camera());
}

// The live image shows a frame of the camera (the illustration has another size).
bool mostraFotogrammi(QWidget* d)
{
    return camera(d)->image().size() == Fotogramma;
}

} // namespace

class TestWebcam : public QObject {
    Q_OBJECT
    bool cameraPresente_ = true;
    // Every test here runs frames on another thread: a hang is a deadlock.
    std::unique_ptr<CaneDaGuardia> guardia_;

private Q_SLOTS:
    void init()
    {
        guardia_ = std::make_unique<CaneDaGuardia>(120, QByteArray(QTest::currentTestFunction()));
        testDialogs().reset();
        cameraPresente_ = true;
        CameraSource::setFactory([this](QObject* parent) { return new FakeCamera(parent, cameraPresente_); });
    }
    void cleanup()
    {
        guardia_.reset();
        CameraSource::setFactory({});
        QVERIFY(testDialogs().verify());
        QCOMPARE(registro.filiVivi.load(), 0);
        QCOMPARE(registro.copieFuoriDalFiloUI.load(), 0);
    }

    // The window as it opens: caption, size, no title-bar buttons, the tag,
    // the two illustrations; capturing before the camera was on copies the
    // webcam illustration.
    void opening()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Automezzi"));
        allApertura([](QDialog* d) {
            QCOMPARE(d->objectName(), QStringLiteral("frmWebCam"));
            QCOMPARE(d->windowTitle(), QStringLiteral(" Cattura foto con webcam"));
            QCOMPARE(d->size(), QSize(807, 405));
            QCOMPARE(d->windowFlags() & Qt::WindowCloseButtonHint, Qt::WindowFlags());
            QCOMPARE(figlio<QLabel>(d, "lblMemory")->text(), QStringLiteral("automezzi"));
            QVERIFY(!finta(d)->isActive());
            QCOMPARE(camera(d)->image(), DialogPictures::webcam());
            QCOMPARE(target(d)->image(), DialogPictures::photoCamera());
            QCOMPARE(camera(d)->size(), QSize(366, 274));
            QCOMPARE(figlio<QWidget>(d, "panCamera")->size(), QSize(382, 290));
            QCOMPARE(figlio(d, "btnAccendi")->size(), QSize(382, 34));
            QCOMPARE(figlio(d, "btnImportaFoto")->size(), QSize(188, 34));
            figlio(d, "btnCattura")->click();
            QCOMPARE(target(d)->image(), DialogPictures::webcam());
            figlio(d, "btnClose")->click();
        });
        s.premi("btnWebcam");
        QVERIFY(s.w.FotoSegnaposto());
    }

    // With no camera, "Accendi webcam" does nothing and says nothing.
    void noCamera()
    {
        cameraPresente_ = false;
        TempProgramFolder cartella;
        Schermo s(cat("Luce"));
        allApertura([](QDialog* d) {
            figlio(d, "btnAccendi")->click();
            QTest::qWait(20);
            QVERIFY(!static_cast<TfrmWebCam*>(d)->Acceso());
            QCOMPARE(camera(d)->image(), DialogPictures::webcam());
            figlio(d, "btnClose")->click();
        });
        s.premi("btnWebcam");
        QCOMPARE(registro.avvii.load(), 0);
    }

    // The program's own camera on a computer without one.
    void defaultCameraWithoutDevice()
    {
        if (!QMediaDevices::videoInputs().isEmpty())
            QSKIP("this computer has a camera");
        DefaultCameraSource sorgente;
        QVERIFY(!sorgente.available());
        sorgente.start();
        QVERIFY(!sorgente.isActive());
        QImage img = DialogPictures::webcam();
        QVERIFY(!sorgente.copyLatest(img));
        QCOMPARE(img, DialogPictures::webcam());
        sorgente.stop();
    }

    // Live frames, one running capture however often it is switched on; off
    // keeps the last frame shown, capture takes it, import puts it on the
    // card, switches off and closes.
    void captureAndImport()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Rifiuti"));
        const int avvii = registro.avvii;
        QImage catturata;
        allApertura([&](QDialog* d) {
            auto* w = static_cast<TfrmWebCam*>(d);
            figlio(d, "btnAccendi")->click();
            figlio(d, "btnAccendi")->click();
            QCOMPARE(registro.avvii - avvii, 1);
            QTRY_VERIFY(mostraFotogrammi(d));
            figlio(d, "btnSpegni")->click();
            QVERIFY(!w->Acceso());
            QVERIFY(!finta(d)->isActive());
            const QImage ultima = camera(d)->image();
            QTest::qWait(30);
            QCOMPARE(camera(d)->image(), ultima);
            figlio(d, "btnCattura")->click();
            catturata = target(d)->image();
            QCOMPARE(catturata, ultima);

            figlio(d, "btnAccendi")->click();
            QTRY_VERIFY(camera(d)->image() != ultima);
            figlio(d, "btnImportaFoto")->click();
            QVERIFY(!finta(d)->isActive());
            QVERIFY(!d->isVisible());
        });
        s.premi("btnWebcam");
        QVERIFY(!catturata.isNull());
        QCOMPARE(s.w.Foto(), catturata);
        QVERIFY(!s.w.FotoSegnaposto());
        QVERIFY(!s.w.findChild<TfrmWebCam*>());
    }

    // Import by tag, with the camera running: a tag of a screen imports the
    // captured picture (before any capture, the photo-camera illustration)
    // and closes; a tag that matches nothing imports nothing and keeps the
    // window open. The camera is off either way.
    void importByTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("importa");
        QTest::newRow("own tag") << QStringLiteral("condominio") << true;
        QTest::newRow("blanks around") << QStringLiteral(" condominio ") << true;
        QTest::newRow("wrong case") << QStringLiteral("Condominio") << false;
        QTest::newRow("unknown") << QStringLiteral("cantina") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void importByTag()
    {
        QFETCH(QString, tag);
        QFETCH(bool, importa);
        TempProgramFolder cartella;
        Schermo s(cat("Condominio"));
        bool aperta = true;
        allApertura([&](QDialog* d) {
            static_cast<TfrmWebCam*>(d)->ImpostaTag(tag);
            figlio(d, "btnAccendi")->click();
            QTRY_VERIFY(mostraFotogrammi(d));
            figlio(d, "btnImportaFoto")->click();
            QVERIFY(!static_cast<TfrmWebCam*>(d)->Acceso());
            QVERIFY(!finta(d)->isActive());
            aperta = d->isVisible();
        });
        s.premi("btnWebcam");
        QCOMPARE(aperta, !importa);
        QCOMPARE(s.w.FotoSegnaposto(), !importa);
        if (importa)
            QCOMPARE(s.w.Foto(), DialogPictures::photoCamera());
    }

    // "Salva foto su disco": the photo panel's save dialog; the frame is
    // written at its own size; a failed write keeps the frame and says so.
    void saveFrame()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Varie"));
        const QString buono = cartella.file(QStringLiteral("scatto.jpg"));
        testDialogs().expectSaveFile(QString());
        testDialogs().expectSaveFile(buono);
        testDialogs().expectSaveFile(cartella.file(QStringLiteral("manca/scatto.jpg")));
        testDialogs().expectMessage(Kind::Warning, ScritturaFallita);
        allApertura([&](QDialog* d) {
            figlio(d, "btnAccendi")->click();
            QTRY_VERIFY(mostraFotogrammi(d));
            figlio(d, "btnCattura")->click();
            const QImage catturata = target(d)->image();
            figlio(d, "btnSalvaFotogramma")->click(); // cancelled
            figlio(d, "btnSalvaFotogramma")->click();
            const FileDialogSpec spec = ultimoDialogo(What::SaveFile);
            QCOMPARE(spec.title, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
            QCOMPARE(spec.filter, QStringLiteral("File Jpeg (*.jpg)|*.jpg"));
            QCOMPARE(spec.proposedName, QStringLiteral("Foto.jpg"));
            QCOMPARE(spec.defaultSuffix, QStringLiteral("jpg"));
            QVERIFY(spec.askOverwrite);
            QCOMPARE(QImageReader(buono).size(), Fotogramma);
            figlio(d, "btnSalvaFotogramma")->click(); // fails
            QCOMPARE(target(d)->image(), catturata);
            figlio(d, "btnClose")->click();
            QVERIFY(!finta(d)->isActive());
        });
        s.premi("btnWebcam");
        QVERIFY(s.w.FotoSegnaposto());
    }

    // The hand-over on its own. A capture thread waiting for its copy while
    // the user-interface thread is busy elsewhere is released by close(), and
    // the copy it queued never runs; once closed, notifications return at
    // once. On the user-interface thread itself a notification copies at
    // once instead of waiting for itself.
    void handOverReleasesTheCaptureThread()
    {
        auto contesto = std::make_unique<QObject>();
        int copie = 0;
        FrameHandOver consegna(contesto.get(), [&copie] { ++copie; });
        const auto notifica = consegna.notifier();

        consegna.open();
        notifica();
        QCOMPARE(copie, 1);

        auto attesa = std::async(std::launch::async, notifica);
        // No event processing here: the copy cannot run, so the capture
        // thread must still be waiting for it.
        QVERIFY(attesa.wait_for(std::chrono::milliseconds(100)) == std::future_status::timeout);
        consegna.close();
        QVERIFY(attesa.wait_for(std::chrono::seconds(5)) == std::future_status::ready);
        QCoreApplication::processEvents();
        QCOMPARE(copie, 1);

        auto chiusa = std::async(std::launch::async, notifica);
        QVERIFY(chiusa.wait_for(std::chrono::seconds(5)) == std::future_status::ready);
        notifica();
        QCOMPARE(copie, 1);

        // Reopened: a copy queued and then orphaned by the context's end is
        // dropped, and its waiting thread is released by close().
        consegna.open();
        auto orfana = std::async(std::launch::async, notifica);
        QVERIFY(orfana.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout);
        consegna.close();
        contesto.reset();
        QVERIFY(orfana.wait_for(std::chrono::seconds(5)) == std::future_status::ready);
        QCoreApplication::processEvents();
        QCOMPARE(copie, 1);
    }

    // Frames stream from the worker thread as fast as they are taken while
    // the window is switched off and on, imports, closes and is destroyed
    // with the camera running, over and over. Nothing may hang, no frame may
    // be copied off the user-interface thread, and every capture thread ends.
    void streamingNeverHangs()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Tasse"));
        const int copiePrima = registro.copie;
        for (int giro = 0; giro < 40; ++giro) {
            const int modo = giro % 5;
            if (modo == 4) {
                // Destroyed with the camera on, without closing first.
                auto w = std::make_unique<TfrmWebCam>(&s.w);
                w->ImpostaTag(QStringLiteral("tasse"));
                w->show();
                w->btnAccendiClick();
                QTRY_VERIFY(mostraFotogrammi(w.get()));
                w.reset();
                continue;
            }
            allApertura([modo](QDialog* d) {
                auto* w = static_cast<TfrmWebCam*>(d);
                w->btnAccendiClick();
                QTRY_VERIFY(mostraFotogrammi(d));
                switch (modo) {
                case 0: // off and on again, repeatedly, then Annulla while streaming
                    for (int i = 0; i < 5; ++i) {
                        w->btnSpegniClick();
                        w->btnAccendiClick();
                        QTest::qWait(1);
                    }
                    w->btnCloseClick();
                    break;
                case 1: // capture and import while streaming
                    w->btnCatturaClick();
                    w->btnImportaFotoClick();
                    QVERIFY(!d->isVisible());
                    break;
                case 2: // import refused, on again, then closed by the window system
                    w->ImpostaTag(QStringLiteral("nessuno"));
                    w->btnImportaFotoClick();
                    QVERIFY(d->isVisible());
                    w->btnAccendiClick();
                    QTRY_VERIFY(finta(d)->isActive());
                    d->reject();
                    break;
                case 3: // off, with frames already queued, then closed at once
                    w->btnSpegniClick();
                    w->btnCloseClick();
                    break;
                }
                QVERIFY(!finta(d)->isActive());
            });
            s.premi("btnWebcam");
            QVERIFY(!s.w.findChild<TfrmWebCam*>());
        }
        QCoreApplication::processEvents();
        QVERIFY(registro.copie - copiePrima >= 40);
        QVERIFY(registro.fotogrammi > 0);
        QCOMPARE(registro.filiVivi.load(), 0);
    }
};

TESSARIA_TEST_MAIN(TestWebcam)
#include "test_webcam.moc"
