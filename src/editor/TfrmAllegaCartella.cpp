#include "editor/TfrmAllegaCartella.h"
#include "editor/AttachmentCopy.h"

#include "archive/Attachments.h"
#include "archive/FieldText.h"
#include "dialogs/Dialogs.h"
#include "editor/DialogPictures.h"
#include "editor/TfrmArchivio.h"
#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/IconPictures.h"
#include "ui/Palette.h"
#include "ui/PanelScaler.h"
#include "ui/PictureButton.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

namespace {

const QSize ClientSize(634, 534);
const QSize PanelSize(609, 503);
const QSize BandSize(577, 113);

// The band that holds one slot: a soft blue gradient fading to white.
class SlotBand : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, Palette::Sky);
        g.setColorAt(1, Qt::white);
        p.setPen(QPen(QColor(0x9B, 0xBD, 0xDA), 1));
        p.setBrush(g);
        // The corners keep their proportion in a window drawn smaller.
        const qreal radius = 5 * PanelScaler::factorOf(this);
        p.drawRoundedRect(Drawing::inside(rect()), radius, radius);
    }
};

QString nome(const char* radice, int n)
{
    return QString::fromLatin1(radice) + QStringLiteral("0%1").arg(n);
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* owner)
    : GradientDialog(owner, QColor(0xEB, 0xE9, 0xE9), Qt::white, ClientSize, PanelSize)
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));

    Widgets::box(
        panel(), QStringLiteral("shpFondo"), QRect(QPoint(0, 0), PanelSize), Qt::white, QColor(0xC5, 0xD3, 0xE0), 6);

    Widgets::picture(
        panel(), QStringLiteral("imgIstruzioni"), [] { return QPixmap::fromImage(DialogPictures::attachSteps()); },
        QRect(QPoint((PanelSize.width() - DialogPictures::AttachSteps.width()) / 2, 12), DialogPictures::AttachSteps));

    for (int n = 1; n <= Slots; ++n)
        creaSlot(n, 72 + (n - 1) * (BandSize.height() + 6));

    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), panel());
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setGeometry(305, 449, 160, 32);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), panel());
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(473, 449, 120, 32);
    for (QPushButton* b : {btnApplica, btnAnnulla}) {
        b->setAutoDefault(false);
        b->setCursor(Qt::PointingHandCursor);
    }
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);

    lblMemory = Widgets::memory(panel());

    // Slot by slot: the name, "Sfoglia...", "Apri", the description; then
    // the two buttons of the dialog.
    QWidget* prima = nullptr;
    auto segue = [&prima](QWidget* w) {
        if (prima)
            setTabOrder(prima, w);
        prima = w;
    };
    for (const Slot& s : slot_) {
        segue(s.txtFile);
        segue(s.btnSfoglia);
        segue(s.btnApri);
        segue(s.txtDesc);
    }
    segue(btnApplica);
    segue(btnAnnulla);
    slot_[0].btnSfoglia->setFocus();
}

void TfrmAllegaCartella::creaSlot(int n, int y)
{
    auto* banda = new SlotBand(panel());
    banda->setObjectName(nome("shpAllegato", n));
    banda->setGeometry(QRect(QPoint((PanelSize.width() - BandSize.width()) / 2, y), BandSize));

    const QString ordinale = QString::number(n) + QStringLiteral("° file allegato:");
    Widgets::label(banda, nome("lblFile", n), QStringLiteral("Nome ") + ordinale, QRect(12, 7, 330, 17), 11, true);
    Widgets::label(
        banda, nome("lblDesc", n), QStringLiteral("Descrizione ") + ordinale, QRect(12, 58, 330, 17), 11, true);

    Slot& s = slot_[n - 1];
    s.txtFile = new QLineEdit(banda);
    s.txtFile->setObjectName(nome("txtFile", n));
    s.txtFile->setGeometry(12, 26, 338, 24);
    s.txtFile->setReadOnly(true);
    s.txtFile->setStyleSheet(QStringLiteral("QLineEdit { color: #808080; background: #F4F6F8; "
                                            "border: 1px solid #9BB5CC; padding: 0 3px; }"));
    s.txtDesc = new QLineEdit(banda);
    s.txtDesc->setObjectName(nome("txtDesc", n));
    s.txtDesc->setGeometry(12, 77, 552, 24);
    s.txtDesc->setStyleSheet(QStringLiteral("QLineEdit { color: #000000; background: #FFFFFF; "
                                            "border: 1px solid #9BB5CC; padding: 0 3px; }"
                                            "QLineEdit:focus { border: 1px solid #3C7EC6; }"));
    for (QLineEdit* e : {s.txtFile, s.txtDesc})
        e->setFont(Fonts::verdana(12, true));

    auto* cancella = new PictureButton([] { return IconPictures::draw(Icon::CancFoto, QSize(22, 22)); }, banda);
    cancella->setObjectName(nome("imgCancella", n));
    cancella->setGeometry(356, 27, 22, 22);
    cancella->setToolTip(QStringLiteral("Cancella il nome del file"));

    s.btnSfoglia = new QPushButton(QStringLiteral("Sfoglia..."), banda);
    s.btnSfoglia->setObjectName(nome("btnSfoglia", n));
    s.btnSfoglia->setGeometry(386, 25, 88, 28);
    s.btnApri = new QPushButton(QStringLiteral("Apri"), banda);
    s.btnApri->setObjectName(nome("btnApri", n));
    s.btnApri->setGeometry(480, 25, 85, 28);
    s.btnApri->setEnabled(false);
    for (QPushButton* b : {s.btnSfoglia, s.btnApri}) {
        b->setAutoDefault(false);
        b->setCursor(Qt::PointingHandCursor);
    }

    connect(s.btnSfoglia, &QPushButton::clicked, this, [this, n] { btnSfogliaClick(n); });
    connect(s.btnApri, &QPushButton::clicked, this, [this, n] { btnApriClick(n); });
    connect(cancella, &PictureButton::clicked, this, [this, n] { imgCancellaClick(n); });
    // "Apri" follows the name, however it changes.
    QPushButton* apri = s.btnApri;
    connect(s.txtFile, &QLineEdit::textChanged, apri,
        [apri](const QString& testo) { apri->setEnabled(!FieldText::trimmed(testo).isEmpty()); });
    // A slot cleared or filled again no longer brings its document's page.
    connect(s.txtFile, &QLineEdit::textChanged, this, [this, n] {
        if (pendingSlot_ == n) {
            pendingSlot_ = 0;
            pendingPhoto_ = QImage();
            pendingDocument_.clear();
        }
    });
}

void TfrmAllegaCartella::ImpostaTag(const QString& tag)
{
    lblMemory->setText(tag);
}

void TfrmAllegaCartella::ImpostaSlot(int slot, const QString& file, const QString& descrizione)
{
    if (slot < 1 || slot > Slots)
        return;
    slot_[slot - 1].txtFile->setText(file);
    slot_[slot - 1].txtDesc->setText(descrizione);
}

void TfrmAllegaCartella::btnSfogliaClick(int slot)
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Selezionare il file da allegare:");
    spec.filter = QStringLiteral("Tutti i file (*.*)|*.*");
    spec.askOverwrite = false;
    const QString scelto = Dialogs::current().openFile(this, spec);
    if (scelto.isEmpty())
        return;
    const QString nome = AttachmentCopy::copyChosen(this, scelto);
    if (nome.isEmpty())
        return;
    // The slot's earlier document, even under the same name, no longer
    // brings its page.
    if (pendingSlot_ == slot) {
        pendingSlot_ = 0;
        pendingPhoto_ = QImage();
        pendingDocument_.clear();
    }
    slot_[slot - 1].txtFile->setText(nome);
    offerPhoto(slot, scelto);
}

void TfrmAllegaCartella::offerPhoto(int slot, const QString& chosen)
{
    if (!chosen.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) || pendingSlot_ != 0)
        return;
    TfrmArchivio* screen = TfrmArchivio::PerSigla(FieldText::trimmed(lblMemory->text()).toString());
    if (!screen || !screen->FotoSegnaposto() || !screen->pdfPicture())
        return;
    const auto answer = Dialogs::current().question(
        this, QStringLiteral("Usare la prima pagina del documento come foto della scheda?"));
    if (answer != Dialogs::Answer::Yes)
        return;
    const QImage page = screen->pdfPicture()(this, chosen);
    if (page.isNull())
        return;
    pendingSlot_ = slot;
    pendingPhoto_ = page;
    pendingDocument_ = chosen;
}

void TfrmAllegaCartella::btnApriClick(int slot)
{
    Attachments::open(slot_[slot - 1].txtFile->text());
}

// The description and the copy in the attachments folder stay.
void TfrmAllegaCartella::imgCancellaClick(int slot)
{
    slot_[slot - 1].txtFile->clear();
}

void TfrmAllegaCartella::btnApplicaClick()
{
    TfrmArchivio* schermo = TfrmArchivio::PerSigla(FieldText::trimmed(lblMemory->text()).toString());
    if (!schermo)
        return;
    for (int n = 1; n <= Slots; ++n) {
        const Slot& s = slot_[n - 1];
        schermo->ImpostaAllegato(
            n, FieldText::trimmed(s.txtFile->text()).toString(), FieldText::trimmed(s.txtDesc->text()).toString());
    }
    if (pendingSlot_ != 0) {
        // The picture remembers its document, whose text the reading of the
        // bill then uses.
        schermo->ImpostaFoto(pendingPhoto_, pendingDocument_);
        tookDocumentPage_ = true;
    }
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick()
{
    reject();
}
