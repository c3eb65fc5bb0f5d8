#include "help/TfrmSplash.h"

#include "help/HelpPictures.h"
#include "platform/Platform.h"
#include "ui/Fonts.h"
#include "ui/Maker.h"
#include "ui/Palette.h"
#include "ui/Widgets.h"

#include <QLabel>

TfrmSplash::TfrmSplash(QWidget* owner)
    : HelpDialog(owner, Qt::white, QColor(0x5A, 0x52, 0x4C), ClientSize, PanelSize)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Tessaria 3.0 - ") + QString(Maker::Name));
    QWidget* p = panel();

    Widgets::picture(
        p, QStringLiteral("imgSplash"), [] { return HelpPictures::presentation(QSize(625, 380)); },
        QRect(0, 0, 625, 380));

    // The bottom of the window is dark: the link sits on a light plate.
    Widgets::box(p, QStringLiteral("shpWeb"), QRect(0, 392, 372, 38), Palette::glaze(225), Palette::SoftFrame, 8);
    QLabel* imgWeb = Widgets::picture(
        p, QStringLiteral("imgWeb"), [] { return HelpPictures::webIcon(QSize(30, 30)); }, QRect(8, 396, 30, 30));
    addLink(QString(Maker::WebAddress), QRect(46, 397, 320, 28), imgWeb);

    addClose(QRect(400, 393, 225, 36));
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

void TfrmSplash::lnkWebClick()
{
    TMisc::Open(SitoWeb().toString(QUrl::FullyEncoded));
}
