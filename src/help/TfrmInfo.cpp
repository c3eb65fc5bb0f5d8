#include "help/TfrmInfo.h"

#include "help/HelpPictures.h"
#include "platform/Platform.h"
#include "ui/Fonts.h"
#include "ui/Maker.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QUrlQuery>

TfrmInfo::TfrmInfo(QWidget* owner)
    : HelpDialog(owner, Qt::black, Qt::white, ClientSize, PanelSize)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Tessaria 3.0"));
    QWidget* p = panel();

    Widgets::box(p, QStringLiteral("shpIntestazione"), QRect(0, 0, 445, 80), Qt::white, Palette::Frame, 8);
    Widgets::picture(
        p, QStringLiteral("imgTitolo"), [] { return HelpPictures::infoHeader(QSize(429, 68)); }, QRect(8, 6, 429, 68));

    // What the program is, on a white card.
    Widgets::box(p, QStringLiteral("shpScheda"), QRect(0, 92, 445, 392), Palette::glaze(235), Palette::SoftFrame, 10);
    Widgets::picture(
        p, QStringLiteral("imgLogo"), [] { return ProgramPictures::logo(QSize(300, 146)); }, QRect(72, 106, 300, 146));

    auto* descrizione = new QLabel(p);
    descrizione->setObjectName(QStringLiteral("lblDescrizione"));
    descrizione->setWordWrap(true);
    descrizione->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    descrizione->setTextFormat(Qt::RichText);
    descrizione->setText(
        QStringLiteral("<p style='font-size:14px; color:#1E4E8C;'><b>Versione 3.0</b></p>"
                       "<p style='font-size:13px; color:#2B3A4D;'>L'archivio delle ricevute di bollette e altri "
                       "pagamenti: dieci app, una scheda per ogni pagamento con la foto della ricevuta, fino a tre "
                       "file allegati, la ricerca con più filtri, il riepilogo dei pagamenti da effettuare, la "
                       "stampa e l'esportazione in Excel.</p>"
                       "<p style='font-size:13px; color:#2B3A4D;'>Realizzato da <b>%1</b>.<br>"
                       "Copyright \u00A9 %1. Tutti i diritti riservati.</p>"
                       "<p style='font-size:13px; color:#5A6E86;'>Per informazioni, suggerimenti o segnalazioni "
                       "scrivere all'indirizzo qui sotto.</p>")
            .arg(QString(Maker::Name)));
    descrizione->setFont(Fonts::verdana());
    descrizione->setGeometry(20, 262, 405, 212);

    QLabel* imgEmail = Widgets::picture(
        p, QStringLiteral("imgEmail"), [] { return HelpPictures::emailIcon(QSize(34, 34)); }, QRect(0, 508, 34, 34));
    addLink(QString(Maker::Email), QRect(40, 511, 236, 28), imgEmail);

    addClose(QRect(284, 505, 161, 41));
}

QUrl TfrmInfo::IndirizzoEmail()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QString(Maker::Email));
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("subject"), QStringLiteral("Software Tessaria 3.0"));
    q.addQueryItem(QStringLiteral("body"),
        QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
    url.setQuery(q);
    return url;
}

void TfrmInfo::Mostra(QWidget* owner)
{
    TfrmInfo finestra(owner);
    finestra.exec();
}

// A proper URL, blanks and all encoded, so subject and body arrive whole
// whatever hands it on.
void TfrmInfo::lnkWebClick()
{
    TMisc::Open(IndirizzoEmail().toString(QUrl::FullyEncoded));
}
