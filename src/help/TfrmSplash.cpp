#include "help/TfrmSplash.h"

#include "help/Collegamento.h"
#include "help/HelpPictures.h"
#include "platform/Platform.h"
#include "ui/Fonts.h"
#include "ui/Maker.h"
#include "ui/Palette.h"
#include "ui/ShapeBox.h"

#include <QLabel>
#include <QPushButton>

TfrmSplash::TfrmSplash(QWidget* owner)
    : GradientDialog(owner, Qt::white, QColor(0x5A, 0x52, 0x4C), ClientSize, PanelSize)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Tessaria 3.0 - ") + QString(Maker::Name));
    QWidget* p = panel();

    auto* immagine = new QLabel(p);
    immagine->setObjectName(QStringLiteral("imgSplash"));
    immagine->setPixmap(HelpPictures::presentation(QSize(625, 380)));
    immagine->setGeometry(0, 0, 625, 380);

    // The bottom of the window is dark: the link sits on a light plate.
    auto* lastra = new ShapeBox(p, Palette::glaze(225), Palette::SoftFrame, 1, 8);
    lastra->setObjectName(QStringLiteral("shpWeb"));
    lastra->setGeometry(0, 392, 372, 38);
    auto* imgWeb = new QLabel(p);
    imgWeb->setObjectName(QStringLiteral("imgWeb"));
    imgWeb->setPixmap(HelpPictures::webIcon(QSize(30, 30)));
    imgWeb->setGeometry(8, 396, 30, 30);
    lnkWeb = new Collegamento(QString(Maker::WebAddress), p);
    lnkWeb->setGeometry(46, 397, 320, 28);
    lnkWeb->aggiungiIcona(imgWeb);
    connect(lnkWeb, &Collegamento::clicked, this, &TfrmSplash::lnkWebClick);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), p);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(400, 393, 225, 36);
    btnChiudi->setCursor(Qt::PointingHandCursor);
    QFont fPulsante = Fonts::verdana(13, true);
    btnChiudi->setFont(fPulsante);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

QUrl TfrmSplash::SitoWeb()
{
    return QUrl(QString(Maker::WebSite));
}

void TfrmSplash::Mostra(QWidget* owner)
{
    TfrmSplash finestra(owner);
    finestra.exec();
}

void TfrmSplash::btnChiudiClick()
{
    accept();
}

void TfrmSplash::lnkWebClick()
{
    TMisc::Open(SitoWeb().toString(QUrl::FullyEncoded));
}
