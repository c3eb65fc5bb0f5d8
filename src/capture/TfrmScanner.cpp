#include "capture/TfrmScanner.h"

#include "archive/FieldText.h"
#include "capture/ScannerPictures.h"
#include "capture/ScannerService.h"
#include "dialogs/Dialogs.h"
#include "editor/TfrmArchivio.h"
#include "ui/Fonts.h"
#include "ui/ImageBox.h"
#include "ui/Palette.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

const QColor PanelFill(0xF4, 0xF7, 0xFA);
const QColor PanelEdge(0x2E, 0x4A, 0x66);
const QRect PreviewPanel(14, 14, 310, 430);
const QRect SettingsPanel(338, 14, 408, 342);

const int Resolutions[] = {150, 200, 300};
constexpr int DefaultResolution = 200;

} // namespace

TfrmScanner::TfrmScanner(QWidget* owner)
    : GradientDialog(owner, QColor(0x4F, 0x73, 0x97), Qt::white, ClientSize, ClientSize)
    , service_(new ScannerService(this))
{
    setObjectName(QStringLiteral("frmScanner"));
    setWindowTitle(QStringLiteral(" Acquisizione da scanner"));

    ShapeBox* previewBox = Widgets::box(panel(), QStringLiteral("panAnteprima"), PreviewPanel, PanelFill, PanelEdge, 4);
    imgAnteprima = new ImageBox(previewBox);
    imgAnteprima->setObjectName(QStringLiteral("imgAnteprima"));
    imgAnteprima->setGeometry(QRect(QPoint(8, 8), ScannerPictures::PreviewSize));
    imgAnteprima->setImage(ScannerPictures::flatbed());

    ShapeBox* settingsBox
        = Widgets::box(panel(), QStringLiteral("panImpostazioni"), SettingsPanel, PanelFill, PanelEdge, 4);
    Widgets::label(
        settingsBox, QStringLiteral("lblScanner"), QStringLiteral("Scanner:"), QRect(14, 14, 380, 18), 12, true);
    cmbScanner = Widgets::comboBox(settingsBox, QStringLiteral("cmbScanner"), QRect(14, 36, 380, 28));
    Widgets::label(settingsBox, QStringLiteral("lblRisoluzione"), QStringLiteral("Risoluzione:"),
        QRect(14, 78, 183, 18), 12, true);
    cmbRisoluzione = Widgets::comboBox(settingsBox, QStringLiteral("cmbRisoluzione"), QRect(14, 100, 183, 28));
    for (int dpi : Resolutions)
        cmbRisoluzione->addItem(QStringLiteral("%1 dpi").arg(dpi), dpi);
    cmbRisoluzione->setCurrentIndex(cmbRisoluzione->findData(DefaultResolution));
    Widgets::label(settingsBox, QStringLiteral("lblModo"), QStringLiteral("Modo:"), QRect(211, 78, 183, 18), 12, true);
    cmbModo = Widgets::comboBox(settingsBox, QStringLiteral("cmbModo"), QRect(211, 100, 183, 28));
    cmbModo->addItem(QStringLiteral("Colori"), true);
    cmbModo->addItem(QStringLiteral("Scala di grigi"), false);
    cmbModo->setCurrentIndex(0);

    Widgets::paragraph(settingsBox, QStringLiteral("lblIstruzioni"),
        QStringLiteral("Appoggiare la ricevuta sul vetro con il lato stampato verso il basso, chiudere il coperchio "
                       "e premere \"Acquisisci\"."),
        QRect(14, 146, 380, 48), 11, false, Palette::Slate);
    lblStato = Widgets::paragraph(
        settingsBox, QStringLiteral("lblStato"), QString(), QRect(14, 208, 380, 80), 12, true, Palette::DeepBlue);
    lblStato->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    prgScansione = new QProgressBar(settingsBox);
    prgScansione->setObjectName(QStringLiteral("prgScansione"));
    prgScansione->setGeometry(14, 300, 380, 24);
    prgScansione->setRange(0, 100);
    prgScansione->setValue(0);
    prgScansione->setFont(Fonts::verdana(11, true));
    prgScansione->setAlignment(Qt::AlignCenter);
    prgScansione->setTextVisible(false);
    prgScansione->setStyleSheet(QStringLiteral("QProgressBar { color: #1E3A5C; background: #FFFFFF; "
                                               "border: 1px solid #9BB5CC; border-radius: 3px; }"
                                               "QProgressBar::chunk { background: #3C7EC6; border-radius: 2px; }"));

    btnAcquisisci = Widgets::plainButton(
        panel(), QStringLiteral("btnAcquisisci"), QStringLiteral("Acquisisci"), QRect(338, 370, 408, 34));
    btnImportaFoto = Widgets::plainButton(
        panel(), QStringLiteral("btnImportaFoto"), QStringLiteral("Importa foto in scheda"), QRect(338, 410, 202, 34));
    btnAnnulla = Widgets::plainButton(
        panel(), QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(544, 410, 202, 34));
    connect(btnAcquisisci, &QPushButton::clicked, this, &TfrmScanner::btnAcquisisciClick);
    connect(btnImportaFoto, &QPushButton::clicked, this, &TfrmScanner::btnImportaFotoClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmScanner::btnAnnullaClick);

    setTabOrder(cmbScanner, cmbRisoluzione);
    setTabOrder(cmbRisoluzione, cmbModo);
    setTabOrder(cmbModo, btnAcquisisci);
    setTabOrder(btnAcquisisci, btnImportaFoto);
    setTabOrder(btnImportaFoto, btnAnnulla);

    lblMemory = Widgets::memory(panel());

    connect(service_, &ScannerService::scannersFound, this, &TfrmScanner::scannersFound);
    connect(service_, &ScannerService::progressed, this, &TfrmScanner::progressed);
    connect(service_, &ScannerService::scanned, this, &TfrmScanner::scanned);
    connect(service_, &ScannerService::stopped, this, &TfrmScanner::stopped);
    connect(service_, &ScannerService::failed, this, &TfrmScanner::failed);

    // Until the drivers have answered, nothing can be scanned.
    cmbScanner->setEnabled(false);
    btnAcquisisci->setEnabled(false);
    btnImportaFoto->setEnabled(false);
    lblStato->setText(searchingText());
    btnAnnulla->setFocus();
    service_->findScanners();
}

TfrmScanner::~TfrmScanner()
{
    service_->shutdown();
}

QString TfrmScanner::searchingText()
{
    return QStringLiteral("Ricerca degli scanner in corso...");
}

QString TfrmScanner::noScannerText()
{
    return QStringLiteral("Nessuno scanner trovato. Verificare che lo scanner sia acceso e collegato.");
}

QString TfrmScanner::errorText(const QString& status)
{
    return QStringLiteral("Attenzione: lo scanner ha segnalato un errore: ") + status + QStringLiteral(".");
}

bool TfrmScanner::Mostra(QWidget* owner, const QString& tag)
{
    TfrmScanner window(owner);
    window.ImpostaTag(tag);
    return window.exec() == QDialog::Accepted;
}

void TfrmScanner::ImpostaTag(const QString& tag)
{
    lblMemory->setText(tag);
}

bool TfrmScanner::Acquisendo() const
{
    return service_->scanning();
}

void TfrmScanner::scannersFound(const QList<ScannerDevice>& devices)
{
    cmbScanner->clear();
    for (const ScannerDevice& d : devices) {
        // Two scanners of the same model are told apart by the driver's name.
        const bool twin = std::count_if(devices.begin(), devices.end(), [&d](const ScannerDevice& o) {
            return o.label == d.label;
        }) > 1;
        cmbScanner->addItem(twin ? d.label + QStringLiteral(" (") + d.name + QStringLiteral(")") : d.label, d.name);
    }
    found_ = !devices.isEmpty();
    cmbScanner->setEnabled(found_);
    btnAcquisisci->setEnabled(found_);
    if (found_) {
        lblStato->setText(QString());
        btnAcquisisci->setFocus();
    } else {
        lblStato->setStyleSheet(
            QStringLiteral("QLabel { color: %1; background: transparent; }").arg(Palette::Crimson.name()));
        lblStato->setText(noScannerText());
    }
}

void TfrmScanner::btnAcquisisciClick()
{
    if (service_->scanning()) {
        // Told by stopped() once the scanner has let go.
        btnAcquisisci->setEnabled(false);
        service_->stop();
        return;
    }
    if (!found_ || cmbScanner->currentIndex() < 0)
        return;
    ScanRequest request;
    request.device = cmbScanner->currentData().toString();
    request.dpi = cmbRisoluzione->currentData().toInt();
    request.colour = cmbModo->currentData().toBool();
    for (QWidget* w : {static_cast<QWidget*>(cmbScanner), static_cast<QWidget*>(cmbRisoluzione),
             static_cast<QWidget*>(cmbModo), static_cast<QWidget*>(btnImportaFoto)})
        w->setEnabled(false);
    btnAcquisisci->setText(QStringLiteral("Interrompi"));
    prgScansione->setRange(0, 100);
    prgScansione->setValue(0);
    prgScansione->setTextVisible(true);
    lblStato->setText(QStringLiteral("Acquisizione in corso..."));
    service_->scan(request, imgAnteprima->size());
}

void TfrmScanner::progressed(int percent)
{
    // A driver that cannot tell the size of the page gets a busy bar.
    if (percent < 0) {
        prgScansione->setRange(0, 0);
        return;
    }
    prgScansione->setRange(0, 100);
    prgScansione->setValue(percent);
}

void TfrmScanner::showIdle(const QString& text)
{
    btnAcquisisci->setText(QStringLiteral("Acquisisci"));
    btnAcquisisci->setEnabled(found_);
    cmbScanner->setEnabled(found_);
    cmbRisoluzione->setEnabled(true);
    cmbModo->setEnabled(true);
    btnImportaFoto->setEnabled(!lastScan_.isNull());
    lblStato->setText(text);
}

void TfrmScanner::scanned(const QImage& picture, const QImage& preview)
{
    lastScan_ = picture;
    imgAnteprima->setImage(preview.isNull() ? picture : preview);
    prgScansione->setRange(0, 100);
    prgScansione->setValue(100);
    showIdle(QStringLiteral("Acquisizione completata."));
    btnImportaFoto->setFocus();
}

void TfrmScanner::stopped()
{
    prgScansione->setRange(0, 100);
    prgScansione->setValue(0);
    prgScansione->setTextVisible(false);
    showIdle(QStringLiteral("Acquisizione interrotta."));
}

// The preview keeps the last good scan.
void TfrmScanner::failed(const QString& status)
{
    prgScansione->setRange(0, 100);
    prgScansione->setValue(0);
    prgScansione->setTextVisible(false);
    showIdle(QString());
    Dialogs::current().message(this, Dialogs::Kind::Warning, errorText(status));
}

void TfrmScanner::btnImportaFotoClick()
{
    if (lastScan_.isNull() || service_->scanning())
        return;
    TfrmArchivio* screen = TfrmArchivio::PerSigla(FieldText::trimmed(lblMemory->text()).toString());
    if (!screen)
        return;
    screen->ImpostaFoto(lastScan_);
    accept();
}

void TfrmScanner::btnAnnullaClick()
{
    reject();
}

// However the window closes, a scan in progress stops and the drivers close.
void TfrmScanner::done(int result)
{
    service_->shutdown();
    GradientDialog::done(result);
}
