#include "output/TfrmStampa.h"

#include "archive/Categoria.h"
#include "archive/FieldText.h"
#include "editor/TfrmArchivio.h"
#include "output/CardLayouts.h"
#include "report/CardReport.h"
#include "ui/IconPictures.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"
#include "ui/ScaledPicture.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace {

// The picture that stands in when the screen's photo cannot be copied: the
// category's placeholder, centred on white.
QImage immaginePredefinita(const Categoria& categoria)
{
    QImage img(TfrmStampa::PictureSize, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QPixmap segnaposto = ProgramPictures::placeholder(categoria).scaled(
        TfrmStampa::PictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&img);
    p.drawPixmap((img.width() - segnaposto.width()) / 2, (img.height() - segnaposto.height()) / 2, segnaposto);
    return img;
}

} // namespace

TfrmStampa::TfrmStampa(TfrmArchivio& schermo)
    : GradientDialog(&schermo, Palette::SteelBlue, Qt::white, ClientSize, ClientSize)
    , schermo_(schermo)
    , predefinita_(immaginePredefinita(schermo.categoria()))
    , logo_(predefinita_)
{
    setObjectName(schermo.categoria().NomeStampa());
    setWindowTitle(QStringLiteral(" Stampa scheda"));
    QWidget* p = panel();

    // The instructions: a printer and what happens on "Stampa".
    Widgets::box(p, QStringLiteral("shpArea"), QRect(12, 12, 340, 200), Qt::white, Palette::SteelBlue, 8);
    Widgets::picture(
        p, QStringLiteral("imgStampante"), [] { return IconPictures::draw(Icon::Stampa, QSize(64, 64)); },
        QRect(24, 24, 64, 64));
    Widgets::paragraph(
        p, QStringLiteral("lblTitolo"), QStringLiteral("Stampa della scheda"), QRect(100, 30, 240, 24), 15, true);
    Widgets::paragraph(
        p, QStringLiteral("lblCategoria"), schermo.categoria().TitoloRiquadro, QRect(100, 56, 240, 24), 12, false);
    Widgets::paragraph(p, QStringLiteral("lblRigo01"),
        QStringLiteral("Viene stampata la scheda visualizzata nell'archivio, con la sua foto, su un foglio A4."),
        QRect(24, 100, 316, 48), 11, false);
    Widgets::paragraph(p, QStringLiteral("lblRigo02"), QStringLiteral("Premere \"Stampa\" e scegliere la stampante."),
        QRect(24, 156, 316, 44), 11, true);

    // The picture that goes on the page, and the default one; never shown.
    imgLogo = new QLabel(p);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgTemp = new QLabel(p);
    imgTemp->setObjectName(QStringLiteral("imgTemp"));
    for (QLabel* img : {imgLogo, imgTemp}) {
        img->setPixmap(QPixmap::fromImage(predefinita_));
        img->setGeometry(QRect(QPoint(0, 0), PictureSize));
        img->hide();
    }

    QPushButton* annulla
        = Widgets::plainButton(p, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(36, 230, 132, 34));
    QPushButton* stampa
        = Widgets::plainButton(p, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), QRect(196, 230, 132, 34));
    ScaledPicture::show(stampa, [] { return IconPictures::draw(Icon::Stampa, QSize(20, 20)); });
    connect(annulla, &QPushButton::clicked, this, &TfrmStampa::btnAnnullaClick);
    connect(stampa, &QPushButton::clicked, this, &TfrmStampa::btnStampaClick);
    setTabOrder(stampa, annulla);
}

void TfrmStampa::showEvent(QShowEvent* event)
{
    GradientDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The photo as the screen shows it now; the default picture when there is
    // none to copy.
    const QImage foto = schermo_.Foto();
    logo_ = foto.isNull() ? imgTemp->pixmap().toImage() : foto;
    imgLogo->setPixmap(QPixmap::fromImage(logo_));
    if (auto* stampa = findChild<QPushButton*>(QStringLiteral("btnStampa")))
        stampa->setFocus();
}

Reports::CardData TfrmStampa::Dati() const
{
    Reports::CardData scheda;
    scheda.layout = cardLayoutOf(schermo_.categoria());
    for (const QString& oggetto : Reports::cardValueObjects(scheda.layout)) {
        const QString campo = oggetto.mid(3); // "txtNumero" -> "Numero"
        const QLineEdit* edit = schermo_.Campo(campo);
        // The program's one trimming rule: codes 32 or less, so a no-break
        // space at either end is kept and control characters are not.
        scheda.fields.insert(campo, edit ? FieldText::trimmed(edit->text()).toString() : QString());
    }
    scheda.photo = logo_;
    return scheda;
}

void TfrmStampa::btnStampaClick()
{
    const bool stampata = Reports::printCard(this, Dati());
    done(stampata ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmStampa::btnAnnullaClick()
{
    reject();
}

void TfrmStampa::Mostra(TfrmArchivio& schermo)
{
    TfrmStampa finestra(schermo);
    finestra.exec();
}
